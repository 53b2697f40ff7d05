#include "memorise/FrmSaveTiny.h"

#include "core/EventLoopYield.h"
#include "controls/Skin.h"
#include "core/SuraTables.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>

FrmSaveTiny::FrmSaveTiny(int sura, int position, ToVerseChoice &choice, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_choice(choice)
{
    setObjectName(QStringLiteral("FrmSaveTiny"));
    setLayoutDirection(Qt::RightToLeft);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Command1 = new QPushButton(QStringLiteral("موافق"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Combo1, 1);
    layout->addWidget(Command1);
    resize(220, 50);
    connect(Command1, &QPushButton::clicked, this, &FrmSaveTiny::Command1_Click);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
    applySkin(this);
    EventLoopYield yield;
    for (int verse = position + 1; verse <= SuraVerseCounts.at(sura - 1); ++verse) {
        Combo1->addItem(QString::number(verse));
        yield();
    }
    Combo1->setCurrentIndex(0);
}

void FrmSaveTiny::Command1_Click()
{
    m_choice.ToVerseConfirmed = QStringLiteral("yes");
    m_choice.ToVerseTarget = Combo1->currentText();
    accept();
}

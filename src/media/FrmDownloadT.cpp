#include "FrmDownloadT.h"

#include "TranslationCatalogue.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FrmDownloadT::FrmDownloadT(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmDownloadT"));

    auto *heading = new QLabel(QStringLiteral("التراجم المتوفر حاليا"), this);
    heading->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #2f6b4f;"));
    auto *instruction = new QLabel(QStringLiteral(
        "قم باختيار الترجمة التي تود أن تقوم بتركيبها و اضغط على زر تنصيب. سوف يقوم البرنامج بتحميل الترجمة من موقع البرنامج و تركيبها بشكل آلي"), this);
    instruction->setWordWrap(true);
    auto *warning = new QLabel(QStringLiteral("يرجى عدم إغلاق البرنامج أثناء عملية تحميل الترجمة"), this);
    warning->setStyleSheet(QStringLiteral("color: #a03030;"));

    List4 = new QListWidget(this);
    List4->setObjectName(QStringLiteral("List4"));
    List4->addItems(TranslationNames);

    cmddownload = new QPushButton(QStringLiteral("تنصيب الترجمة"), this);
    cmddownload->setObjectName(QStringLiteral("cmddownload"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(instruction);
    layout->addWidget(List4, 1);
    layout->addWidget(warning);
    layout->addWidget(cmddownload, 0, Qt::AlignLeft);
}

void FrmDownloadT::selectFirstTranslation()
{
    List4->setCurrentRow(0);
    List4->setFocus();
}

#include "study/FrmCollect1.h"

#include "core/DataSource.h"
#include "controls/DisplayFont.h"
#include "core/EventLoopYield.h"
#include "core/SearchChoices.h"
#include "search/LookupQuery.h"
#include "core/Platform.h"
#include "core/ProgramState.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>

FrmCollect1::FrmCollect1(Platform &platform, ProgramState &state, DataSource &adodc1, const SearchSettings &options,
                         QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_state(state)
    , Adodc1(adodc1)
    , m_options(options)
{
    setObjectName(QStringLiteral("FrmCollect1"));

    auto *heading = new QLabel(QStringLiteral("الآيات التي قمت باختيارها"), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6b4f;"));
    auto *hint = new QLabel(QStringLiteral("أضف آية بالنقر المزدوج عليها في قائمة النتائج، واحذفها بالنقر المزدوج عليها هنا."), this);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #5a5a5a; font-size: 8pt;"));

    addaya = new QListWidget(this);
    addaya->setObjectName(QStringLiteral("addaya"));
    addaya->setFixedWidth(140);

    txtGather = new QPlainTextEdit(this);
    txtGather->setObjectName(QStringLiteral("txtGather"));
    txtGather->setReadOnly(true);
    txtGather->installEventFilter(this);
    txtGatherCover = new QLabel(QStringLiteral("يرجى الإنتظار ..."), this);
    txtGatherCover->setObjectName(QStringLiteral("txtGatherCover"));
    txtGatherCover->setAlignment(Qt::AlignCenter);
    txtGatherCover->hide();

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedHeight(10);
    ProgressBar->hide();
    ProgressReport = new QLabel(this);
    ProgressReport->setObjectName(QStringLiteral("ProgressReport"));
    ProgressReport->hide();
    copyGathered = new QPushButton(QStringLiteral("نسخ النص"), this);
    copyGathered->setObjectName(QStringLiteral("copyGathered"));

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(heading, 0, 0);
    layout->addWidget(hint, 0, 1, 1, 2);
    layout->addWidget(addaya, 1, 0, 3, 1);
    layout->addWidget(txtGather, 1, 1, 1, 2);
    layout->addWidget(txtGatherCover, 1, 1, 1, 2);
    layout->addWidget(ProgressBar, 2, 1, 1, 2);
    layout->addWidget(ProgressReport, 3, 1);
    layout->addWidget(copyGathered, 3, 2, Qt::AlignLeft);
    layout->setRowStretch(1, 1);

    connect(addaya, &QListWidget::itemDoubleClicked, this, &FrmCollect1::addaya_DblClick);
    connect(copyGathered, &QPushButton::clicked, this, [this] { m_platform.setClipboardText(txtGather->toPlainText()); });
}

void FrmCollect1::addVerse(const QString &rowText, const QString &id, bool verseShown)
{
    bool present = false;
    for (int row = 0; row < addaya->count(); ++row) {
        if (addaya->item(row)->text() == rowText) {
            m_platform.message(QStringLiteral("لقد تمت إضافة هذه الآية سابقا"));
            present = true;
        }
    }
    if (!verseShown || present)
        return;
    addaya->addItem(rowText);
    hideadd.append(id);
}

void FrmCollect1::addaya_DblClick()
{
    if (m_gathering)
        return;
    const int row = addaya->currentRow();
    if (row >= 0) {
        delete addaya->takeItem(row);
        hideadd.removeAt(row);
    }
    CoolHoverButton8_Click();
}

void FrmCollect1::CoolHoverButton8_Click()
{
    Q_EMIT showRequested();
    // The gather yields to the event loop: the list it walks cannot change meanwhile,
    // and a second gather waits for this one.
    if (m_gathering)
        return;
    const QScopedValueRollback gathering(m_gathering, true);
    addaya->setEnabled(false);
    copyGathered->setEnabled(false);
    m_state.GatherTextColumn = m_options.withoutDiacritics() ? QStringLiteral("ayaaIndex") : QStringLiteral("ayaa");
    ProgressReport->show();
    txtGather->hide();
    txtGatherCover->show();
    txtGather->clear();
    ProgressBar->show();

    QString text;
    EventLoopYield yield;
    const QStringList ids = hideadd;
    QStringList references;
    for (int row = 0; row < addaya->count(); ++row)
        references.append(addaya->item(row)->text());
    for (int k = 0; k != ids.size(); ++k) {
        if (!Adodc1.runQuery(collectedVerseQuery(ids.at(k)))) {
            m_platform.message(QStringLiteral("تعذر قراءة الآية %1 من قاعدة البيانات، لذلك لم يكتمل جمع الآيات.").arg(references.at(k)),
                               QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
            break;
        }
        text += collectionEntry(Adodc1.text(m_state.GatherTextColumn), references.at(k));
        const double done = double(k + 1) / ids.size();
        ProgressBar->setValue(int(done * ProgressBar->maximum()));
        ProgressReport->setText(QString::number(int(done * 100)) + QStringLiteral(" %"));
        yield();
    }
    txtGather->setPlainText(text);
    ProgressBar->hide();
    txtGather->show();
    txtGatherCover->hide();
    addaya->setEnabled(true);
    copyGathered->setEnabled(true);
}

bool FrmCollect1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtGather && event->type() == QEvent::FocusIn)
        m_platform.activateArabicKeyboard();
    return QWidget::eventFilter(watched, event);
}

void FrmCollect1::setDisplayFont(const QFont &font)
{
    showInDisplayFont(txtGather, font);
}

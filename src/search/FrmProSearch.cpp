#include "search/FrmProSearch.h"

#include "controls/CoolHoverButton.h"
#include "core/DataSource.h"
#include "controls/DisplayFont.h"
#include "core/EventLoopYield.h"
#include "search/LookupQuery.h"
#include "core/Named.h"
#include "core/Platform.h"
#include "core/ProgramState.h"
#include "core/ResultList.h"
#include "core/SuraTables.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int PartCount = 30;
const QString Search = QStringLiteral("بحث");
const QString Gather = QStringLiteral("جمع");

// A help text on a grey panel; the panel's centred main caption stays empty so it
// never runs into the text.
CoolHoverButtonGray *helpPanel(const char *name, const QString &text, QWidget *parent)
{
    auto *panel = named(new CoolHoverButtonGray(parent), name);
    panel->setCaptionSec(text);
    panel->setEnabled(false); // a description, not a command
    panel->setMinimumHeight(96);
    return panel;
}

} // namespace

FrmProSearch::FrmProSearch(Platform &platform, ProgramState &state, DataSource &adodc1, ResultList &results,
                           QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_state(state)
    , Adodc1(adodc1)
    , m_results(results)
{
    setObjectName(QStringLiteral("FrmProSearch"));

    CoolHoverButtonGray16 = helpPanel("CoolHoverButtonGray16",
        QStringLiteral("للبحث في القرآن الكريم عن سورة معينة قم باختيار اسم السورة أو رقمها ثم حدد آيات بداية و نهاية "
                       "عملية البحث ثم اضغط على زر بحث المجاور للقائمة. بإمكانك أيضا البحث عن الآيات الموجودة في جزء معين "
                       "عن طريق اختيار رقم الجزء و الضغط على زر بحث المجاور للقائمة"), this);
    CoolHoverButtonGray23 = helpPanel("CoolHoverButtonGray23",
        QStringLiteral("اختر السورة وآيات البداية والنهاية ثم اضغط زر جمع المجاور لها، أو اختر رقم الجزء واضغط زر جمع "
                       "المجاور له. يظهر نص الآيات متتابعا وبعد كل آية رقمها بين قوسين، فيمكنك نسخه ولصقه في أي برنامج "
                       "لطباعته."), this);
    CoolHoverButtonGray23->hide();

    searchname = named(new QComboBox(this), "searchname");
    searchname->addItems(SuraNames);
    searchnumber = named(new QComboBox(this), "searchnumber");
    searchnumber->addItems(numberItems(SuraCount));
    CombFromProSeach = named(new QComboBox(this), "CombFromProSeach");
    CombToProSeach = named(new QComboBox(this), "CombToProSeach");
    CmdSeachPro = named(new QPushButton(Search, this), "CmdSeachPro");
    tafsercombo = named(new QComboBox(this), "tafsercombo");
    tafsercombo->addItems(numberItems(PartCount));
    CmdSeachPro2 = named(new QPushButton(Search, this), "CmdSeachPro2");
    Command2 = named(new QPushButton(QStringLiteral(" ?"), this), "Command2");
    Command2->setFixedWidth(32);
    for (QComboBox *box : {searchname, searchnumber, CombFromProSeach, CombToProSeach, tafsercombo})
        box->setMaxVisibleItems(15);

    GatherProgress = named(new QProgressBar(this), "GatherProgress");
    GatherProgress->setTextVisible(false);
    GatherProgress->setFixedHeight(10);
    GatherProgress->hide();
    txtForPrint = named(new QPlainTextEdit(this), "txtForPrint");
    txtForPrint->setReadOnly(true);
    txtForPrint->hide();
    txtForPrint->installEventFilter(this);
    copyPrintText = named(new QPushButton(QStringLiteral("نسخ النص"), this), "copyPrintText");
    copyPrintText->hide();

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(CoolHoverButtonGray16, 0, 0, 1, 6);
    layout->addWidget(CoolHoverButtonGray23, 1, 0, 1, 6);
    layout->addWidget(new QLabel(QStringLiteral("السورة"), this), 2, 0);
    layout->addWidget(searchname, 2, 1, 1, 2);
    layout->addWidget(searchnumber, 2, 3);
    layout->addWidget(Command2, 2, 5);
    layout->addWidget(new QLabel(QStringLiteral("من الآية"), this), 3, 0);
    layout->addWidget(CombFromProSeach, 3, 1);
    layout->addWidget(new QLabel(QStringLiteral("إلى الآية"), this), 3, 2);
    layout->addWidget(CombToProSeach, 3, 3);
    layout->addWidget(CmdSeachPro, 3, 4);
    layout->addWidget(new QLabel(QStringLiteral("رقم الجزء"), this), 4, 0);
    layout->addWidget(tafsercombo, 4, 1);
    layout->addWidget(CmdSeachPro2, 4, 4);
    layout->addWidget(GatherProgress, 5, 0, 1, 6);
    layout->addWidget(txtForPrint, 6, 0, 1, 6);
    layout->addWidget(copyPrintText, 7, 0, 1, 2);
    layout->setRowStretch(6, 1);

    connect(searchname, &QComboBox::activated, this, &FrmProSearch::searchname_Click);
    connect(searchnumber, &QComboBox::activated, this, [this](int index) {
        searchname->setCurrentIndex(index);
        searchname_Click();
    });
    connect(CombFromProSeach, &QComboBox::activated, this, &FrmProSearch::CombFromProSeach_Click);
    connect(CmdSeachPro, &QPushButton::clicked, this, &FrmProSearch::CmdSeachPro_Click);
    connect(CmdSeachPro2, &QPushButton::clicked, this, &FrmProSearch::CmdSeachPro2_Click);
    connect(Command2, &QPushButton::clicked, this, [this] { Q_EMIT helpRequested(30); });
    connect(copyPrintText, &QPushButton::clicked, this, [this] { m_platform.setClipboardText(txtForPrint->toPlainText()); });
}

void FrmProSearch::showLookupMode()
{
    CoolHoverButtonGray16->show();
    CoolHoverButtonGray23->hide();
    CmdSeachPro->setText(Search);
    CmdSeachPro2->setText(Search);
    CmdSeachPro->setEnabled(true);
    CmdSeachPro2->setEnabled(true);
    txtForPrint->hide();
    copyPrintText->hide();
    GatherProgress->hide();
    selectFirstSuraAndPart();
}

void FrmProSearch::showGatherMode()
{
    selectFirstSuraAndPart();
    CoolHoverButtonGray16->hide();
    CoolHoverButtonGray23->show();
    CmdSeachPro->setText(Gather);
    CmdSeachPro2->setText(Gather);
    txtForPrint->hide();
    copyPrintText->hide();
    GatherProgress->hide();
}

void FrmProSearch::selectFirstSuraAndPart()
{
    searchname->setCurrentIndex(0);
    searchname_Click();
    tafsercombo->setCurrentIndex(0);
}

void FrmProSearch::searchname_Click()
{
    const int verses = SuraVerseCounts.at(searchname->currentIndex());
    CombFromProSeach->clear();
    CombToProSeach->clear();
    const QStringList items = numberItems(verses);
    CombFromProSeach->addItems(items);
    CombToProSeach->addItems(items);
    CombFromProSeach->setCurrentIndex(0);
    CombToProSeach->setCurrentIndex(0);
    searchnumber->setCurrentIndex(searchname->currentIndex());
}

void FrmProSearch::CombFromProSeach_Click()
{
    // The last verse can never be chosen below the first.
    CombToProSeach->clear();
    const int first = CombFromProSeach->currentText().toInt();
    const int last = CombFromProSeach->itemText(CombFromProSeach->count() - 1).toInt();
    for (int verse = first; verse <= last; ++verse)
        CombToProSeach->addItem(QString::number(verse));
    CombToProSeach->setCurrentIndex(0);
}

bool FrmProSearch::inGatherMode() const
{
    return CmdSeachPro->text() != Search;
}

void FrmProSearch::CmdSeachPro_Click()
{
    const QString sql = verseRangeQuery(searchname->currentIndex() + 1, CombFromProSeach->currentText(),
                                        CombToProSeach->currentText());
    if (!inGatherMode()) {
        listVerses(sql);
        return;
    }
    setEnabled(false);
    Q_EMIT sideBarEnabledRequested(false);
    gatherPrintText(sql);
    setEnabled(true);
    Q_EMIT sideBarEnabledRequested(true);
}

void FrmProSearch::CmdSeachPro2_Click()
{
    if (!inGatherMode())
        listVerses(partQuery(tafsercombo->currentIndex() + 1));
    else
        gatherPrintText(printPartQuery(tafsercombo->currentText()));
}

void FrmProSearch::listVerses(const QString &sql)
{
    // Lookups show their verses without highlighting.
    m_state.SearchWord.clear();
    setEnabled(false);
    Q_EMIT showResultsRequested();
    if (!runQuery(sql)) {
        setEnabled(true);
        return;
    }
    m_results.clearResults();
    m_results.appendResults(Adodc1);
    m_results.showResultCount();
    setEnabled(true);
    m_results.selectFirstResult();
}

bool FrmProSearch::runQuery(const QString &sql)
{
    // Never shown as "nothing found": the previous results stay and the reader is told.
    if (Adodc1.runQuery(sql))
        return true;
    m_platform.message(QStringLiteral("تعذرت قراءة الآيات المطلوبة من قاعدة البيانات، ولم تتغير النتائج السابقة."),
                       QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
    return false;
}

void FrmProSearch::serach4_Click(int row)
{
    if (m_results.rowCount() == 0 || row < 0)
        return;
    if (!runQuery(wholeSuraQuery(m_results.resultRow(row).sura.toInt())))
        return;
    m_results.clearResults();
    m_results.appendResults(Adodc1);
    m_results.showResultCount();
    m_results.selectFirstResult();
}

void FrmProSearch::gatherPrintText(const QString &sql)
{
    GatherProgress->show();
    txtForPrint->hide();
    copyPrintText->hide();
    txtForPrint->clear();
    if (!runQuery(sql)) {
        GatherProgress->hide();
        txtForPrint->show();
        return;
    }
    GatherProgress->setRange(0, int(std::max<qsizetype>(Adodc1.recordCount(), 1)));
    GatherProgress->setValue(0);

    QString text;
    EventLoopYield yield;
    for (; !Adodc1.atEnd(); Adodc1.moveNext()) {
        text += printTextPiece(Adodc1.text(m_state.GatherTextColumn), Adodc1.text(QStringLiteral("ayaano")));
        GatherProgress->setValue(int(Adodc1.position()) + 1);
        yield();
    }
    txtForPrint->setPlainText(text);
    GatherProgress->hide();
    txtForPrint->show();
    copyPrintText->show();
}

bool FrmProSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtForPrint && event->type() == QEvent::FocusIn)
        m_platform.activateArabicKeyboard();
    return QWidget::eventFilter(watched, event);
}

void FrmProSearch::setDisplayFont(const QFont &font)
{
    showInDisplayFont(txtForPrint, font);
}

#include "memorise/FrmSaveQuran.h"

#include "controls/CoolHoverButton.h"
#include "controls/DisplayFont.h"
#include "core/EventLoopYield.h"
#include "controls/FrmHelp.h"
#include "memorise/MemoriseStatistics.h"
#include "core/MissingCommentary.h"
#include "core/Named.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "controls/SideBar.h"
#include "controls/Skin.h"
#include "core/SuraTables.h"
#include "memorise/UserDatabase.h"
#include "controls/VorelProgress.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>

#include <tuple>

namespace {

constexpr int WindowWidth = 780;
constexpr int WindowHeight = 520;
constexpr int Margin = 6;
constexpr int SideBarWidth = 180;
constexpr int HeaderHeight = 28;

const QString Saved = QStringLiteral("محفوظة");
const QString NotSaved = QStringLiteral("غير محفوظة");

// Disables a list while its own command runs and gives it the focus back afterwards:
// disabling the focused list would send the keyboard to another control.
class BusyList
{
public:
    explicit BusyList(QListWidget *list) : m_list(list), m_hadFocus(list->hasFocus()) { list->setEnabled(false); }
    ~BusyList()
    {
        m_list->setEnabled(true);
        if (m_hadFocus)
            m_list->setFocus();
    }
    BusyList(const BusyList &) = delete;
    BusyList &operator=(const BusyList &) = delete;

private:
    QListWidget *m_list;
    bool m_hadFocus;
};

// Selecting an entry by program runs its handler, as a click would, even when the
// entry was already selected; the control's own signal stays quiet meanwhile.
void setRowQuietly(QListWidget *list, int row)
{
    const QSignalBlocker block(list);
    list->setCurrentRow(row);
}

void setIndexQuietly(QComboBox *box, int index)
{
    const QSignalBlocker block(box);
    box->setCurrentIndex(index);
}

QLabel *caption(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

QTextEdit *readOnlyText(const char *name, QWidget *parent)
{
    auto *text = named(new QTextEdit(parent), name);
    text->setReadOnly(true);
    return text;
}

QPushButton *button(const char *name, const QString &text, QWidget *parent)
{
    return named(new QPushButton(text, parent), name);
}

VorelProgress *bar(const char *name, QWidget *parent)
{
    auto *progress = named(new VorelProgress(parent), name);
    progress->setFixedHeight(18);
    return progress;
}

} // namespace

FrmSaveQuran::FrmSaveQuran(Platform &platform, ProgramState &state, UserDatabase &users, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_state(state)
    , m_users(users)
{
    setObjectName(QStringLiteral("FrmSaveQuran"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("تحفيظ القرآن الكريم"));
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(WindowWidth, WindowHeight);

    picStrip = new SideBar({QStringLiteral("الرئيسية"), QStringLiteral("تسجيل الحفظ"), QStringLiteral("ملخص الحفظ")},
                           QSize(SideBarWidth, WindowHeight - 2 * Margin), HeaderHeight, this);
    picStrip->move(WindowWidth - Margin - SideBarWidth, Margin);
    connect(picStrip, &SideBar::stripClicked, this, &FrmSaveQuran::strip_Click);
    createSideBarPanels();

    const QRect content(Margin, Margin, WindowWidth - 3 * Margin - SideBarWidth, WindowHeight - 2 * Margin);
    FrmFace = createMainPage();
    FrmSvDetailed = createRecordingPage();
    FrmDetails = createSummaryPage();
    for (QWidget *page : {FrmFace, FrmSvDetailed, FrmDetails}) {
        page->setGeometry(content);
        page->hide();
    }
    createVerseMenu();
}

void FrmSaveQuran::createSideBarPanels()
{
    const QList<QPair<CoolHoverButton **, QString>> commentaries = {
        {&CoolHoverButton1, QStringLiteral("التفسير الميسر")},
        {&CoolHoverButton2, QStringLiteral("تفسير الجلالين")},
        {&CoolHoverButton3, QStringLiteral("الترجمة الإنجليزية")},
    };
    auto *commentaryLayout = new QVBoxLayout(picStrip->PicFrame(0));
    for (int i = 0; i < commentaries.size(); ++i) {
        auto *choice = new CoolHoverButton(picStrip->PicFrame(0));
        choice->setObjectName(QStringLiteral("CoolHoverButton%1").arg(i + 1));
        choice->setCaption(commentaries.at(i).second);
        choice->setFixedHeight(34);
        commentaryLayout->addWidget(choice);
        *commentaries.at(i).first = choice;
    }
    commentaryLayout->addStretch();
    connect(CoolHoverButton1, &CoolHoverButton::Click, this, [this] { chooseCommentary(QStringLiteral("taf2"), Qt::RightToLeft); });
    connect(CoolHoverButton2, &CoolHoverButton::Click, this, [this] { chooseCommentary(QStringLiteral("taf"), Qt::RightToLeft); });
    connect(CoolHoverButton3, &CoolHoverButton::Click, this,
            [this] { chooseCommentary(QStringLiteral("english"), Qt::LeftToRight); });

    const QStringList descriptions = {
        QStringLiteral("صفحة تسجيل الحفظ سوف تمكنك من من حفظ و تسجيل الآيات و السور التي تحفظها بشكل سهل و سريع"),
        QStringLiteral("معلومات عن ما تحفظ من القرآن الكريم و بتفاصيل لكل سورة من القرن و المتبقي لك للحفظ"),
    };
    for (int i = 1; i <= 2; ++i) {
        auto *description = new CoolHoverButton(picStrip->PicFrame(i));
        description->setCaptionSec(descriptions.at(i - 1));
        description->setEnabled(false);
        auto *layout = new QVBoxLayout(picStrip->PicFrame(i));
        layout->addWidget(description);
    }
}

QWidget *FrmSaveQuran::figure(const QString &text, QWidget *value, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption(text + QStringLiteral(":"), row));
    layout->addWidget(value, 1);
    return row;
}

QLabel *FrmSaveQuran::hiddenField(const char *name, const QString &text, QWidget *mirror, QWidget *parent)
{
    auto *field = named(new QLabel(text, parent), name);
    field->hide();
    if (auto *shown = qobject_cast<QLabel *>(mirror)) {
        shown->setText(text);
        m_mirrors.insert(field, [shown](const QString &value) { shown->setText(value); });
    } else if (auto *shownButton = qobject_cast<CoolHoverButton *>(mirror)) {
        shownButton->setCaption(text);
        m_mirrors.insert(field, [shownButton](const QString &value) { shownButton->setCaption(value); });
    }
    return field;
}

void FrmSaveQuran::setInfo(QLabel *field, const QString &text)
{
    field->setText(text);
    if (const auto mirror = m_mirrors.value(field))
        mirror(text);
}

QWidget *FrmSaveQuran::createMainPage()
{
    auto *page = named(new QWidget(this), "FrmFace");
    suraayaalist = named(new QListWidget(page), "suraayaalist");
    suraayaalist->addItems(SuraNames);
    suraayaalist->setFixedWidth(120);
    suraayaanum = named(new QListWidget(page), "suraayaanum");
    suraayaanum->setFixedWidth(56);
    suraayaanum->setUniformItemSizes(true);
    suraayaanum->viewport()->installEventFilter(this);
    connect(suraayaalist, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            suraayaalist_Click();
    });
    connect(suraayaanum, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            suraayaanum_Click();
    });

    Text1 = readOnlyText("Text1", page);
    showInDisplayFont(Text1, storedDisplayFont(QFont(SettingKeys::DefaultFontName, SettingKeys::DefaultFontSize.toInt())));
    Text2 = readOnlyText("Text2", page);
    for (QTextEdit *text : {Text1, Text2})
        text->installEventFilter(this);

    auto *SkinLabel5 = named(new QLabel(page), "SkinLabel5");
    auto *SkinLabel3 = named(new QLabel(page), "SkinLabel3");
    auto *SkinLabel6 = named(new QLabel(page), "SkinLabel6");
    auto *CoolHoverButtonGray13 = named(new CoolHoverButtonGray(page), "CoolHoverButtonGray13");
    auto *CoolHoverButtonGray14 = named(new CoolHoverButtonGray(page), "CoolHoverButtonGray14");
    auto *CoolHoverButtonGray17 = named(new CoolHoverButtonGray(page), "CoolHoverButtonGray17");
    for (CoolHoverButtonGray *shown : {CoolHoverButtonGray13, CoolHoverButtonGray14, CoolHoverButtonGray17}) {
        shown->setEnabled(false);
        shown->setFixedHeight(24);
    }
    ayaanolab = hiddenField("ayaanolab", QString(), nullptr, page);
    suraanumber = hiddenField("suraanumber", QString(), SkinLabel5, page);
    soraayanum = hiddenField("soraayanum", QString(), SkinLabel3, page);
    typetext = hiddenField("typetext", QStringLiteral("---"), SkinLabel6, page);
    pagenotext = hiddenField("pagenotext", QString(), CoolHoverButtonGray13, page);
    chapterNOtext = hiddenField("chapterNOtext", QString(), CoolHoverButtonGray14, page);
    savedornot = hiddenField("savedornot", QString(), CoolHoverButtonGray17, page);

    pb = bar("pb", page);
    pb2 = bar("pb2", page);
    Command1 = button("Command1", QStringLiteral("مساعدة"), page);
    connect(Command1, &QPushButton::clicked, this, [this] { showHelp(m_state, 15, this); });

    auto *info = new QGridLayout;
    info->addWidget(figure(QStringLiteral("رقم السورة"), SkinLabel5, page), 0, 0);
    info->addWidget(figure(QStringLiteral("عدد آيات السورة"), SkinLabel3, page), 0, 1);
    info->addWidget(figure(QStringLiteral("التصنيف"), SkinLabel6, page), 0, 2);
    info->addWidget(figure(QStringLiteral("رقم الصفحة"), CoolHoverButtonGray13, page), 1, 0);
    info->addWidget(figure(QStringLiteral("الجزء"), CoolHoverButtonGray14, page), 1, 1);
    info->addWidget(figure(QStringLiteral("هذه الآية"), CoolHoverButtonGray17, page), 1, 2);
    info->addWidget(figure(QStringLiteral("نسبة المحفوظ من السورة"), pb, page), 2, 0, 1, 2);
    info->addWidget(figure(QStringLiteral("من القرآن"), pb2, page), 3, 0, 1, 2);
    info->addWidget(Command1, 3, 2);

    auto *reading = new QVBoxLayout;
    reading->addWidget(Text1, 3);
    reading->addLayout(info);
    reading->addWidget(Text2, 2);
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(suraayaalist);
    layout->addWidget(suraayaanum);
    layout->addLayout(reading, 1);
    return page;
}

void FrmSaveQuran::createVerseMenu()
{
    show1 = named(new QMenu(this), "show1");
    auto add = [](QMenu *menu, const char *name, const QString &text) {
        return named(menu->addAction(text), name);
    };
    QAction *showrasem = add(show1, "showrasem", QStringLiteral("عرض رسم الآية"));
    named(show1->addSeparator(), "cut3");
    QAction *read = add(show1, "read", QStringLiteral("تلاوة هذه الآية"));
    QAction *read2 = add(show1, "read2", QStringLiteral("تلاوة إلى نهاية السورة"));
    QAction *read3 = add(show1, "read3", QStringLiteral("تلاوة السورة كاملة"));
    named(show1->addSeparator(), "cut");

    struct Entry {
        const char *name;
        QString text;
        MarkRange range;
    };
    const QString thisVerse = QStringLiteral("هذه الآية");
    const QString fromStart = QStringLiteral("من بداية السورة إلى هذه الآية");
    const QString toEnd = QStringLiteral("من هذه الآية حتى نهاية السورة");
    const QString wholeSura = QStringLiteral("السورة بالكامل");
    const QString toVerse = QStringLiteral("إلى الآية ...");
    const QList<Entry> marking = {{"thisverse", thisVerse, MarkRange::ThisVerse},
                                  {"from2verse", fromStart, MarkRange::FromSuraStart},
                                  {"verse2end", toEnd, MarkRange::ToSuraEnd},
                                  {"all", wholeSura, MarkRange::WholeSura},
                                  {"toverse", toVerse, MarkRange::ToVerse}};
    const QList<Entry> unmarking = {{"thisverseno", thisVerse, MarkRange::ThisVerse},
                                    {"from2verseno", fromStart, MarkRange::FromSuraStart},
                                    {"verse2endno", toEnd, MarkRange::ToSuraEnd},
                                    {"allno", wholeSura, MarkRange::WholeSura},
                                    {"toverseno", toVerse, MarkRange::ToVerse}};
    QMenu *saveit = named(show1->addMenu(QStringLiteral("تسجيل حفظ")), "saveit");
    QMenu *deleteit = named(show1->addMenu(QStringLiteral("الغاء حفظ")), "deleteit");
    for (const auto &[submenu, entries, mark] : {std::tuple{saveit, marking, true}, std::tuple{deleteit, unmarking, false}}) {
        for (const Entry &entry : entries) {
            const MarkRange range = entry.range;
            const bool marks = mark;
            connect(add(submenu, entry.name, entry.text), &QAction::triggered, this,
                    [this, range, marks] { markFromMenu(range, marks); });
        }
    }
    named(show1->addSeparator(), "cut1");
    QAction *copy = add(show1, "copy", QStringLiteral("نسخ نص هذه الآية"));

    auto currentVerseNumber = [this] { return suraayaanum->currentRow() + 1; };
    connect(showrasem, &QAction::triggered, this, [this, currentVerseNumber] {
        if (suraayaanum->count() == 0)
            return;
        m_state.RasmAyaa = currentVerseNumber();
        m_state.RasmSura = suraanumber->text().toInt();
        Q_EMIT scriptImageRequested();
    });
    connect(read, &QAction::triggered, this, [this, currentVerseNumber] {
        Q_EMIT verseRangeRecitationRequested(suraanumber->text().toInt(), currentVerseNumber(), currentVerseNumber(), 1);
    });
    connect(read2, &QAction::triggered, this, [this, currentVerseNumber] {
        const int sura = suraanumber->text().toInt();
        Q_EMIT verseRangeRecitationRequested(sura, currentVerseNumber(), SuraVerseCounts.at(sura - 1), 1);
    });
    connect(read3, &QAction::triggered, this, [this] {
        Q_EMIT wholeSuraRecitationRequested(suraanumber->text().toInt() - 1,
                                            Settings::value(SettingKeys::ReaderName, SettingKeys::DefaultReaderName).toInt());
    });
    connect(copy, &QAction::triggered, this, &FrmSaveQuran::copyVerse);
}

QWidget *FrmSaveQuran::createRecordingPage()
{
    auto *page = named(new QWidget(this), "FrmSvDetailed");
    searchname = named(new QComboBox(page), "searchname");
    QStringList names = SuraNames;
    // This list has always spelled three names without diacritics.
    names[72] = QStringLiteral("المزمل");
    names[73] = QStringLiteral("المدثر");
    names[103] = QStringLiteral("الهمزة");
    searchname->addItems(names);
    Combo1 = named(new QComboBox(page), "Combo1");
    Combo2 = named(new QComboBox(page), "Combo2");
    connect(searchname, &QComboBox::activated, this, &FrmSaveQuran::searchname_Click);
    connect(Combo1, &QComboBox::activated, this, &FrmSaveQuran::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &FrmSaveQuran::Combo2_Click);

    endtext = readOnlyText("endtext", page);
    endtext->setPlainText(QStringLiteral("تحميل ..."));
    endtext->setFont(Text1->font());
    endtext->installEventFilter(this);
    ProgressBar = named(new QFrame(page), "ProgressBar");
    ProgressBar->setFrameShape(QFrame::StyledPanel);
    ProgressBar->setFixedHeight(10);
    lblProgress = named(new QLabel(ProgressBar), "lblProgress");
    lblProgress->setStyleSheet(QStringLiteral("background: #2f6b4f;"));
    lblProgress->setGeometry(0, 0, 0, 10);
    ProgressBar->hide();
    IDlbl = hiddenField("IDlbl", QString(), nullptr, page);

    Command6 = button("Command6", QStringLiteral("حفظت السورة بالكامل"), page);
    Command2 = button("Command2", QStringLiteral("لا تحفظ هذه السورة"), page);
    Command3 = button("Command3", QStringLiteral("حفظت الآيات المختارة"), page);
    Command4 = button("Command4", QStringLiteral("لا تحفظ الآيات المختارة"), page);
    connect(Command6, &QPushButton::clicked, this, &FrmSaveQuran::Command6_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmSaveQuran::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmSaveQuran::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FrmSaveQuran::Command4_Click);

    auto *SkinLabel7 = named(new QLabel(page), "SkinLabel7");
    auto *SkinLabel4 = named(new QLabel(page), "SkinLabel4");
    savedfromversesd = hiddenField("savedfromversesd", QString(), SkinLabel7, page);
    savedfromquransd = hiddenField("savedfromquransd", QString(), SkinLabel4, page);
    pbsd = bar("pbsd", page);
    pb2sd = bar("pb2sd", page);

    auto *choices = new QHBoxLayout;
    choices->addWidget(figure(QStringLiteral("السورة"), searchname, page), 2);
    choices->addWidget(figure(QStringLiteral("من الآية"), Combo1, page), 1);
    choices->addWidget(figure(QStringLiteral("إلى الآية"), Combo2, page), 1);
    auto *commands = new QGridLayout;
    commands->addWidget(Command6, 0, 0);
    commands->addWidget(Command2, 0, 1);
    commands->addWidget(Command3, 1, 0);
    commands->addWidget(Command4, 1, 1);
    auto *figures = new QGridLayout;
    figures->addWidget(figure(QStringLiteral("عدد الآيات المحفوظة من هذه السورة"), SkinLabel7, page), 0, 0);
    figures->addWidget(figure(QStringLiteral("عدد الآيات المحفوظة من القرآن"), SkinLabel4, page), 0, 1);
    figures->addWidget(figure(QStringLiteral("نسبة المحفوظ من السورة"), pbsd, page), 1, 0);
    figures->addWidget(figure(QStringLiteral("من القرآن"), pb2sd, page), 1, 1);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choices);
    layout->addWidget(endtext, 1);
    layout->addWidget(ProgressBar);
    layout->addLayout(commands);
    layout->addLayout(figures);
    return page;
}

QWidget *FrmSaveQuran::createSummaryPage()
{
    auto *page = named(new QWidget(this), "FrmDetails");
    suraayaalist2 = named(new QListWidget(page), "suraayaalist2");
    suraayaalist2->addItems(SuraNames);
    savedlist = named(new QListWidget(page), "savedlist");
    notsavedlist = named(new QListWidget(page), "notsavedlist");
    connect(suraayaalist2, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            suraayaalist2_Click();
    });

    auto *SkinLabel1 = named(new QLabel(page), "SkinLabel1");
    auto *SkinLabel2 = named(new QLabel(page), "SkinLabel2");
    savedfromverse = hiddenField("savedfromverse", QString(), SkinLabel1, page);
    savedfromquran = hiddenField("savedfromquran", QString(), SkinLabel2, page);
    pbs = bar("pbs", page);
    pb2s = bar("pb2s", page);

    auto *lists = new QGridLayout;
    const QList<QPair<QString, QListWidget *>> columns = {{QStringLiteral("السورة"), suraayaalist2},
                                                          {QStringLiteral("الآيات المحفوظة"), savedlist},
                                                          {QStringLiteral("الآيات الغير محفوظة"), notsavedlist}};
    for (int i = 0; i < columns.size(); ++i) {
        lists->addWidget(caption(columns.at(i).first, page), 0, i);
        lists->addWidget(columns.at(i).second, 1, i);
    }
    auto *figures = new QGridLayout;
    figures->addWidget(figure(QStringLiteral("الآيات المحفوظة من هذه السورة"), SkinLabel1, page), 0, 0);
    figures->addWidget(figure(QStringLiteral("النسبة"), pbs, page), 0, 1);
    figures->addWidget(figure(QStringLiteral("الآيات المحفوظة من القرآن"), SkinLabel2, page), 1, 0);
    figures->addWidget(figure(QStringLiteral("النسبة"), pb2s, page), 1, 1);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(lists, 1);
    layout->addLayout(figures);
    return page;
}

void FrmSaveQuran::Form_Load()
{
    if (!Adodc1.openFile(ProgramFolder::file(QStringLiteral("quran.qu")))) {
        m_platform.message(QStringLiteral("تعذر فتح قاعدة بيانات الآيات quran.qu.\n%1").arg(Adodc1.errorString()),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
    }
    m_platform.activateArabicKeyboard();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
    applySkin(this);
    setWindowTitle(QStringLiteral("تحفيظ القرآن الكريم") + QStringLiteral(" - ") + m_state.CurrentUser);
    picStrip->layOut();
    strip_Click(0);
    setRowQuietly(suraayaalist, 0);
    suraayaalist_Click();
}

void FrmSaveQuran::closeEvent(QCloseEvent *event)
{
    Q_EMIT unloaded();
    QWidget::closeEvent(event);
}

void FrmSaveQuran::strip_Click(int index)
{
    picStrip->openHeader(index);
    const QList<QWidget *> pages = {FrmFace, FrmSvDetailed, FrmDetails};
    for (int i = 0; i < pages.size(); ++i)
        pages.at(i)->setVisible(i == index);
    if (index == 1) {
        setIndexQuietly(searchname, 0);
        searchname_Click();
    } else if (index == 2) {
        setRowQuietly(suraayaalist2, 0);
        suraayaalist2_Click();
    }
}

// ---- Main page ----

void FrmSaveQuran::suraayaalist_Click()
{
    const int S = suraayaalist->currentRow() + 1;
    const BusyList busy(suraayaalist);
    suraayaanum->clear();
    const int N = SuraVerseCounts.at(S - 1);
    setInfo(soraayanum, QString::number(N));
    setInfo(typetext, SuraTypes.at(S - 1));
    setInfo(suraanumber, QString::number(S));
    EventLoopYield yield;
    for (int verse = 1; verse <= N; ++verse) {
        suraayaanum->addItem(QString::number(verse));
        yield();
    }
    setRowQuietly(suraayaanum, 0);
    suraayaanum_Click();
    Percentage();
}

void FrmSaveQuran::suraayaanum_Click()
{
    const QListWidgetItem *item = suraayaanum->currentItem();
    if (!item)
        return;
    const QString v = item->text();
    // A verse that cannot be read leaves every field of it blank (Form_Load named quran.qu).
    Adodc1.runQuery(QStringLiteral("SELECT *  FROM Ayat where soraano like ") + suraanumber->text()
                    + QStringLiteral(" And Ayat.ayaano Like ") + v + QStringLiteral(" order by ID"));
    setInfo(ayaanolab, Adodc1.text(QStringLiteral("ID")));
    setInfo(suraanumber, Adodc1.text(QStringLiteral("soraano")));
    setInfo(pagenotext, Adodc1.text(QStringLiteral("pageno")));
    setInfo(chapterNOtext, Adodc1.text(QStringLiteral("chapterNO")));
    const QString suraName = suraayaalist->currentItem() ? suraayaalist->currentItem()->text() : QString();
    Text1->setPlainText(Adodc1.text(QStringLiteral("ayaa")) + QStringLiteral(" [") + suraName + QStringLiteral(" : ") + v
                        + u']');
    showCommentary();
    showVerseStatus();
}

void FrmSaveQuran::showVerseStatus()
{
    // What could not be read is blank, never the last verse's status.
    const bool read = !ayaanolab->text().isEmpty()
        && readUserRecords(Adodc2, QStringLiteral("SELECT *  FROM ") + m_state.CurrentUser
                                       + QStringLiteral(" where ayaanum like ") + ayaanolab->text());
    setInfo(savedornot, !read ? QString() : Adodc2.recordCount() > 0 ? Saved : NotSaved);
    // The figures came from the same file: once it fails they are no longer true.
    if (!read && !ayaanolab->text().isEmpty())
        blankFigures(savedfromverse, savedfromquran, pb, pb2);
}

void FrmSaveQuran::showCommentary()
{
    Text2->setPlainText(Adodc1.text(m_commentaryColumn));
    // The stored commentaries come from files the reader adds; say so where one is missing.
    Text2->setPlaceholderText(m_commentaryColumn == QLatin1String("english") ? QString() : missingCommentaryText());
}

void FrmSaveQuran::chooseCommentary(const QString &column, Qt::LayoutDirection direction)
{
    m_commentaryColumn = column;
    Text2->setLayoutDirection(direction);
    QTextOption option = Text2->document()->defaultTextOption();
    option.setTextDirection(direction);
    option.setAlignment(direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    Text2->document()->setDefaultTextOption(option);
    showCommentary();
}

void FrmSaveQuran::copyVerse()
{
    m_platform.activateArabicKeyboard();
    m_platform.setClipboardText(Text1->toPlainText());
}

void FrmSaveQuran::suraayaanum_MouseDown(Qt::MouseButton button, const QPoint &position)
{
    QListWidgetItem *item = suraayaanum->itemAt(position);
    if (!item)
        return;
    suraayaanum->setToolTip(item->text());
    setRowQuietly(suraayaanum, suraayaanum->row(item));
    suraayaanum_Click();
    if (button == Qt::RightButton && show1->isEnabled())
        show1->popup(suraayaanum->viewport()->mapToGlobal(position));
}

bool FrmSaveQuran::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == suraayaanum->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        suraayaanum->setFocus();
        suraayaanum_MouseDown(press->button(), press->position().toPoint());
        // The press is handled here; a point below the last entry does nothing at all.
        return true;
    }
    if (event->type() == QEvent::FocusIn && (watched == Text1 || watched == Text2 || watched == endtext))
        m_platform.activateArabicKeyboard();
    return QWidget::eventFilter(watched, event);
}

// ---- Marking ----

void FrmSaveQuran::markFromMenu(MarkRange range, bool mark)
{
    if (m_marking || !show1->isEnabled())
        return; // a marking command is still running
    show1->setEnabled(false);
    CurrentVerse verse;
    verse.sura = suraayaalist->currentRow() + 1;
    verse.id = ayaanolab->text().toInt();
    verse.position = suraayaanum->currentRow();
    verse.listed = suraayaanum->count();
    if (verse.id <= 0 || verse.position < 0) {
        show1->setEnabled(true);
        return;
    }
    if (range == MarkRange::ToVerse) {
        askTargetVerse(verse, mark);
        return;
    }
    finishMenuMarking(menuMarking(m_state.CurrentUser, range, verse, mark));
}

void FrmSaveQuran::askTargetVerse(const CurrentVerse &verse, bool mark)
{
    auto *dialog = new FrmSaveTiny(verse.sura, verse.position, m_toVerse, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, verse, mark] {
        if (m_toVerse.ToVerseConfirmed != QLatin1String("yes")) {
            show1->setEnabled(true);
            return;
        }
        m_toVerse.ToVerseConfirmed = QStringLiteral("no");
        const int target = m_toVerse.ToVerseTarget.toInt();
        finishMenuMarking(menuMarking(m_state.CurrentUser, MarkRange::ToVerse, verse, mark, target));
    });
    dialog->open();
}

void FrmSaveQuran::finishMenuMarking(const MarkingPlan &plan)
{
    applyMarking(plan);
    Percentage();
    show1->setEnabled(true);
}

void FrmSaveQuran::applyMarking(const MarkingPlan &plan)
{
    // The statements yield to the event loop: every control that could start another
    // command, or change what this one reads, waits until it ends.
    m_marking = true;
    const QList<QWidget *> controls{Command2, Command3, Command4, Command6, Combo1, Combo2, searchname, picStrip,
                                    suraayaalist, suraayaanum};
    for (QWidget *control : controls)
        control->setEnabled(false);
    show1->setEnabled(false);
    const UserDatabase::Outcome outcome = m_users.run(plan.statements(m_state.CurrentUser));
    m_marking = false;
    for (QWidget *control : controls)
        control->setEnabled(true);
    show1->setEnabled(true);
    if (outcome != UserDatabase::Outcome::Done) {
        m_platform.message(QStringLiteral("لم يتم تسجيل التغيير، وبقي سجل الحفظ كما كان قبله.\n%1").arg(m_users.errorString()),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
    }
}

void FrmSaveQuran::Command6_Click()
{
    recordingCommand(true, true);
}

void FrmSaveQuran::Command2_Click()
{
    recordingCommand(true, false);
}

void FrmSaveQuran::Command3_Click()
{
    recordingCommand(false, true);
}

void FrmSaveQuran::Command4_Click()
{
    recordingCommand(false, false);
}

void FrmSaveQuran::recordingCommand(bool wholeSura, bool mark)
{
    if (m_marking)
        return;
    const int S = searchname->currentIndex() + 1;
    const int from = Combo1->currentText().toInt();
    const int to = Combo2->currentText().toInt();
    const int toId = IDlbl->text().toInt();
    TellMeIdSub();
    if (wholeSura)
        applyMarking(suraMarking(m_state.CurrentUser, S, SuraOffset, mark));
    else if (from > 0 && to >= from && toId > 0)
        applyMarking(rangeMarking(m_state.CurrentUser, S, from, to, toId, FromVerseId, mark));
    Percentaged();
    Percentage();
}

void FrmSaveQuran::TellMeIdSub()
{
    SuraOffset = suraOffset(searchname->currentIndex() + 1);
    FromVerseId = Combo1->currentText().toInt() + SuraOffset;
}

void FrmSaveQuran::setRecordingControlsEnabled(bool enabled)
{
    // Nothing comes back to life while a marking command runs.
    enabled = enabled && !m_marking;
    for (QWidget *control : std::initializer_list<QWidget *>{Command2, Command3, Command4, Command6, Combo1, Combo2, searchname, picStrip})
        control->setEnabled(enabled);
}

// ---- Recording page ----

void FrmSaveQuran::searchname_Click()
{
    const int N = SuraVerseCounts.at(searchname->currentIndex());
    Combo1->clear();
    Combo2->clear();
    EventLoopYield yield;
    for (int verse = 1; verse <= N; ++verse) {
        Combo1->addItem(QString::number(verse));
        Combo2->addItem(QString::number(verse));
        yield();
    }
    // Choosing from-verse 1 chooses to-verse 1 as well, which previews verse 1.
    setIndexQuietly(Combo1, 0);
    Combo1_Click();
    Percentaged();
}

void FrmSaveQuran::Combo1_Click()
{
    Combo2->clear();
    EventLoopYield yield;
    for (int i = Combo1->currentIndex(); i < Combo1->count(); ++i) {
        Combo2->addItem(Combo1->itemText(i));
        yield();
    }
    setIndexQuietly(Combo2, 0);
    Combo2_Click();
}

void FrmSaveQuran::Combo2_Click()
{
    ProgressBar->show();
    setRecordingControlsEnabled(false);

    const QString S = QString::number(searchname->currentIndex() + 1);
    const QString from = Combo1->currentText();
    const QString to = Combo2->currentText();
    const QString verses = ProgramFolder::file(QStringLiteral("quran.qu"));
    if (Adodc2sd.path() != verses)
        Adodc2sd.openFile(verses);
    Adodc2sd.runQuery(QStringLiteral("SELECT *  FROM Ayat where soraano like ") + S + QStringLiteral(" And Ayat.ayaano Like ")
                      + to + QStringLiteral(" order by ID"));
    setInfo(IDlbl, Adodc2sd.text(QStringLiteral("ID")));

    endtext->setPlainText(QStringLiteral("تحميل ..."));
    QString preview;
    if (Adodc1sd.path() != verses)
        Adodc1sd.openFile(verses);
    Adodc1sd.runQuery(QStringLiteral("SELECT *  FROM Ayat where ayaano between ") + from + QStringLiteral(" and ") + to
                      + QStringLiteral(" And Ayat.soraano Like ") + S + QStringLiteral(" order by ID"));
    Adodc1sd.moveFirst();
    const qsizetype R = Adodc1sd.recordCount();
    EventLoopYield yield;
    for (qsizetype i = 1; i <= R; ++i) {
        lblProgress->resize(int(i * ProgressBar->width() / R), lblProgress->height());
        preview += Adodc1sd.text(QStringLiteral("ayaa")) + QStringLiteral(" (") + QString::number(Combo1->currentIndex() + i)
            + QStringLiteral(") ");
        Adodc1sd.moveNext();
        yield();
    }
    endtext->setPlainText(preview);

    ProgressBar->hide();
    setRecordingControlsEnabled(true);
}

// ---- Statistics ----

bool FrmSaveQuran::readUserRecords(DataSource &source, const QString &sql)
{
    const QString records = userDatabaseFile(m_users.programFolder());
    bool read = (source.path() == records || source.openFile(records)) && source.runQuery(sql);
    if (!read && !m_readFailureReported) {
        // Told once: the same failure would otherwise repeat on every verse.
        m_readFailureReported = true;
        m_platform.message(QStringLiteral("تعذر قراءة سجل الحفظ db.mdb، لذلك لا تظهر حالة الحفظ والإحصاءات.\n%1")
                               .arg(source.errorString()),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
    }
    return read;
}

bool FrmSaveQuran::countSaved(DataSource &source, int sura, qsizetype *suraCount, qsizetype *quranCount)
{
    const QString all = QStringLiteral("SELECT *  FROM ") + m_state.CurrentUser;
    if (!readUserRecords(source, all + QStringLiteral(" where suranum like ") + QString::number(sura)))
        return false;
    *suraCount = source.recordCount();
    if (!readUserRecords(source, all))
        return false;
    *quranCount = source.recordCount();
    return true;
}

void FrmSaveQuran::showFigures(int sura, qsizetype suraCount, qsizetype quranCount, QLabel *suraLabel, QLabel *quranLabel,
                               VorelProgress *suraBar, VorelProgress *quranBar)
{
    setInfo(suraLabel, QString::number(suraCount));
    suraBar->setValue(sharePercent(suraCount, SuraVerseCounts.at(sura - 1)));
    setInfo(quranLabel, QString::number(quranCount));
    quranBar->setValue(sharePercent(quranCount, VerseTotal));
}

void FrmSaveQuran::blankFigures(QLabel *suraLabel, QLabel *quranLabel, VorelProgress *suraBar, VorelProgress *quranBar)
{
    setInfo(suraLabel, QString());
    setInfo(quranLabel, QString());
    suraBar->setValue(0);
    quranBar->setValue(0);
}

void FrmSaveQuran::Percentage()
{
    const int S = suraayaalist->currentRow() + 1;
    qsizetype suraCount = 0;
    qsizetype quranCount = 0;
    if (S < 1)
        return;
    if (countSaved(Adodc2, S, &suraCount, &quranCount))
        showFigures(S, suraCount, quranCount, savedfromverse, savedfromquran, pb, pb2);
    else
        blankFigures(savedfromverse, savedfromquran, pb, pb2);
    showVerseStatus();
}

void FrmSaveQuran::Percentages()
{
    const int S = suraayaalist2->currentRow() + 1;
    qsizetype suraCount = 0;
    qsizetype quranCount = 0;
    if (S >= 1 && countSaved(Adodc1s, S, &suraCount, &quranCount))
        showFigures(S, suraCount, quranCount, savedfromverse, savedfromquran, pbs, pb2s);
    else
        blankFigures(savedfromverse, savedfromquran, pbs, pb2s);
}

void FrmSaveQuran::Percentaged()
{
    const int S = searchname->currentIndex() + 1;
    qsizetype suraCount = 0;
    qsizetype quranCount = 0;
    if (S >= 1 && countSaved(Adodc2sd, S, &suraCount, &quranCount))
        showFigures(S, suraCount, quranCount, savedfromversesd, savedfromquransd, pbsd, pb2sd);
    else
        blankFigures(savedfromversesd, savedfromquransd, pbsd, pb2sd);
}

// ---- Summary page ----

void FrmSaveQuran::TellMeAyaaNumSub()
{
    ListedVerseNumber = verseNumberInSura(Adodc1s.text(QStringLiteral("ayaanum")).toInt(), suraayaalist2->currentRow() + 1);
}

void FrmSaveQuran::suraayaalist2_Click()
{
    const int S = suraayaalist2->currentRow() + 1;
    const BusyList busy(suraayaalist2);
    savedlist->clear();
    notsavedlist->clear();
    if (readUserRecords(Adodc1s, QStringLiteral("SELECT *  FROM ") + m_state.CurrentUser + QStringLiteral(" where suranum like ")
                                      + QString::number(S) + QStringLiteral(" order by ayaanum"))) {
        QStringList saved;
        EventLoopYield yield;
        for (; !Adodc1s.atEnd(); Adodc1s.moveNext()) {
            TellMeAyaaNumSub();
            saved.append(QString::number(ListedVerseNumber));
            yield();
        }
        savedlist->addItems(saved);
        Percentages();
        notsavedlist->addItems(notSavedVerses(saved, SuraVerseCounts.at(S - 1)));
    }
}

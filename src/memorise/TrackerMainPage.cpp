#include "memorise/TrackerMainPage.h"

#include "controls/CoolHoverButton.h"
#include "controls/FrmHelp.h"
#include "controls/MirroredLabel.h"
#include "controls/VorelProgress.h"
#include "controls/DisplayFont.h"
#include "core/EventLoopYield.h"
#include "core/MissingCommentary.h"
#include "core/Named.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/SuraTables.h"
#include "memorise/TrackerQuery.h"
#include "memorise/TrackerRecords.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>

#include <tuple>

using namespace tracker;

namespace {

const QString Saved = QStringLiteral("محفوظة");
const QString NotSaved = QStringLiteral("غير محفوظة");

} // namespace

TrackerMainPage::TrackerMainPage(TrackerRecords &records, const SavedFigures &summary, QWidget *parent)
    : QWidget(parent)
    , m_records(records)
{
    setObjectName(QStringLiteral("FrmFace"));
    suraayaalist = named(new QListWidget(this), "suraayaalist");
    suraayaalist->addItems(SuraNames);
    suraayaalist->setFixedWidth(120);
    suraayaanum = named(new QListWidget(this), "suraayaanum");
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

    Text1 = readOnlyText("Text1", this);
    showInDisplayFont(Text1, storedDisplayFont(QFont(SettingKeys::DefaultFontName, SettingKeys::DefaultFontSize.toInt())));
    Text2 = readOnlyText("Text2", this);
    for (QTextEdit *text : {Text1, Text2})
        text->installEventFilter(this);

    auto *SkinLabel5 = named(new QLabel(this), "SkinLabel5");
    auto *SkinLabel3 = named(new QLabel(this), "SkinLabel3");
    auto *SkinLabel6 = named(new QLabel(this), "SkinLabel6");
    auto *CoolHoverButtonGray13 = named(new CoolHoverButtonGray(this), "CoolHoverButtonGray13");
    auto *CoolHoverButtonGray14 = named(new CoolHoverButtonGray(this), "CoolHoverButtonGray14");
    auto *CoolHoverButtonGray17 = named(new CoolHoverButtonGray(this), "CoolHoverButtonGray17");
    for (CoolHoverButtonGray *shown : {CoolHoverButtonGray13, CoolHoverButtonGray14, CoolHoverButtonGray17}) {
        shown->setEnabled(false);
        shown->setFixedHeight(24);
    }
    ayaanolab = new MirroredLabel("ayaanolab", QString(), nullptr, this);
    suraanumber = new MirroredLabel("suraanumber", QString(), SkinLabel5, this);
    soraayanum = new MirroredLabel("soraayanum", QString(), SkinLabel3, this);
    typetext = new MirroredLabel("typetext", QStringLiteral("---"), SkinLabel6, this);
    pagenotext = new MirroredLabel("pagenotext", QString(), CoolHoverButtonGray13, this);
    chapterNOtext = new MirroredLabel("chapterNOtext", QString(), CoolHoverButtonGray14, this);
    savedornot = new MirroredLabel("savedornot", QString(), CoolHoverButtonGray17, this);

    m_figures = summary;
    m_figures.suraBar = bar("pb", this);
    m_figures.quranBar = bar("pb2", this);
    Command1 = button("Command1", QStringLiteral("مساعدة"), this);
    connect(Command1, &QPushButton::clicked, this, [this] { showHelp(m_records.state(), 15, this); });

    auto *info = new QGridLayout;
    info->addWidget(figure(QStringLiteral("رقم السورة"), SkinLabel5, this), 0, 0);
    info->addWidget(figure(QStringLiteral("عدد آيات السورة"), SkinLabel3, this), 0, 1);
    info->addWidget(figure(QStringLiteral("التصنيف"), SkinLabel6, this), 0, 2);
    info->addWidget(figure(QStringLiteral("رقم الصفحة"), CoolHoverButtonGray13, this), 1, 0);
    info->addWidget(figure(QStringLiteral("الجزء"), CoolHoverButtonGray14, this), 1, 1);
    info->addWidget(figure(QStringLiteral("هذه الآية"), CoolHoverButtonGray17, this), 1, 2);
    info->addWidget(figure(QStringLiteral("نسبة المحفوظ من السورة"), m_figures.suraBar, this), 2, 0, 1, 2);
    info->addWidget(figure(QStringLiteral("من القرآن"), m_figures.quranBar, this), 3, 0, 1, 2);
    info->addWidget(Command1, 3, 2);

    auto *reading = new QVBoxLayout;
    reading->addWidget(Text1, 3);
    reading->addLayout(info);
    reading->addWidget(Text2, 2);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(suraayaalist);
    layout->addWidget(suraayaanum);
    layout->addLayout(reading, 1);

    createVerseMenu();
    connect(&m_records, &TrackerRecords::markingChanged, this, [this](bool running) {
        for (QWidget *control : {suraayaalist, suraayaanum})
            control->setEnabled(!running);
        show1->setEnabled(!running);
    });
}

QFont TrackerMainPage::verseFont() const
{
    return Text1->font();
}

void TrackerMainPage::createVerseMenu()
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
        m_records.state().RasmAyaa = currentVerseNumber();
        m_records.state().RasmSura = suraanumber->text().toInt();
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
    connect(copy, &QAction::triggered, this, &TrackerMainPage::copyVerse);
}

void TrackerMainPage::openVerses()
{
    if (!Adodc1.openFile(ProgramFolder::file(QStringLiteral("quran.qu")))) {
        m_records.platform().message(QStringLiteral("تعذر فتح قاعدة بيانات الآيات quran.qu.\n%1").arg(Adodc1.errorString()),
                                     QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
    }
}

void TrackerMainPage::start()
{
    setRowQuietly(suraayaalist, 0);
    suraayaalist_Click();
}

void TrackerMainPage::suraayaalist_Click()
{
    const int S = suraayaalist->currentRow() + 1;
    const BusyList busy(suraayaalist);
    suraayaanum->clear();
    const int N = SuraVerseCounts.at(S - 1);
    soraayanum->setInfo(QString::number(N));
    typetext->setInfo(SuraTypes.at(S - 1));
    suraanumber->setInfo(QString::number(S));
    EventLoopYield yield;
    for (int verse = 1; verse <= N; ++verse) {
        suraayaanum->addItem(QString::number(verse));
        yield();
    }
    setRowQuietly(suraayaanum, 0);
    suraayaanum_Click();
    Percentage();
}

void TrackerMainPage::suraayaanum_Click()
{
    const QListWidgetItem *item = suraayaanum->currentItem();
    if (!item)
        return;
    const QString v = item->text();
    // A verse that cannot be read leaves every field of it blank (openVerses named quran.qu).
    Adodc1.runQuery(trackedVerseQuery(suraanumber->text(), v));
    ayaanolab->setInfo(Adodc1.text(QStringLiteral("ID")));
    suraanumber->setInfo(Adodc1.text(QStringLiteral("soraano")));
    pagenotext->setInfo(Adodc1.text(QStringLiteral("pageno")));
    chapterNOtext->setInfo(Adodc1.text(QStringLiteral("chapterNO")));
    const QString suraName = suraayaalist->currentItem() ? suraayaalist->currentItem()->text() : QString();
    Text1->setPlainText(Adodc1.text(QStringLiteral("ayaa")) + QStringLiteral(" [") + suraName + QStringLiteral(" : ") + v
                        + u']');
    showCommentary();
    showVerseStatus();
}

void TrackerMainPage::showVerseStatus()
{
    // What could not be read is blank, never the last verse's status.
    const bool read = !ayaanolab->text().isEmpty() && m_records.read(Adodc2, userVerseQuery(m_records.user(), ayaanolab->text()));
    savedornot->setInfo(!read ? QString() : Adodc2.recordCount() > 0 ? Saved : NotSaved);
    // The figures came from the same file: once it fails they are no longer true.
    if (!read && !ayaanolab->text().isEmpty())
        m_figures.blank();
}

void TrackerMainPage::showCommentary()
{
    Text2->setPlainText(Adodc1.text(m_commentaryColumn));
    // The stored commentaries come from files the reader adds; say so where one is missing.
    const QString whereToAdd = QStringLiteral("\"%1\" في صفحة نتائج البحث").arg(importCommentaryCommand());
    Text2->setPlaceholderText(m_commentaryColumn == QLatin1String("english") ? QString() : missingCommentaryText(whereToAdd));
}

void TrackerMainPage::chooseCommentary(const QString &column, Qt::LayoutDirection direction)
{
    m_commentaryColumn = column;
    Text2->setLayoutDirection(direction);
    QTextOption option = Text2->document()->defaultTextOption();
    option.setTextDirection(direction);
    option.setAlignment(direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    Text2->document()->setDefaultTextOption(option);
    showCommentary();
}

void TrackerMainPage::copyVerse()
{
    m_records.platform().activateArabicKeyboard();
    m_records.platform().setClipboardText(Text1->toPlainText());
}

void TrackerMainPage::suraayaanum_MouseDown(Qt::MouseButton button, const QPoint &position)
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

bool TrackerMainPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == suraayaanum->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        suraayaanum->setFocus();
        suraayaanum_MouseDown(press->button(), press->position().toPoint());
        // The press is handled here; a point below the last entry does nothing at all.
        return true;
    }
    if (event->type() == QEvent::FocusIn && (watched == Text1 || watched == Text2))
        m_records.platform().activateArabicKeyboard();
    return QWidget::eventFilter(watched, event);
}

void TrackerMainPage::markFromMenu(MarkRange range, bool mark)
{
    if (m_records.marking() || !show1->isEnabled())
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
    finishMenuMarking(menuMarking(m_records.user(), range, verse, mark));
}

void TrackerMainPage::askTargetVerse(const CurrentVerse &verse, bool mark)
{
    auto *dialog = new FrmSaveTiny(verse.sura, verse.position, m_toVerse, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, verse, mark] {
        if (m_toVerse.ToVerseConfirmed != QLatin1String("yes")) {
            show1->setEnabled(true);
            return;
        }
        m_toVerse.ToVerseConfirmed = QStringLiteral("no");
        const int target = m_toVerse.ToVerseTarget.toInt();
        finishMenuMarking(menuMarking(m_records.user(), MarkRange::ToVerse, verse, mark, target));
    });
    dialog->open();
}

void TrackerMainPage::finishMenuMarking(const MarkingPlan &plan)
{
    m_records.apply(plan);
    Percentage();
    show1->setEnabled(true);
}

void TrackerMainPage::Percentage()
{
    const int S = suraayaalist->currentRow() + 1;
    if (S < 1)
        return;
    m_figures.refresh(m_records, Adodc2, S);
    showVerseStatus();
}

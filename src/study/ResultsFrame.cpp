#include "study/ResultsFrame.h"

#include "core/Blanks.h"
#include "core/CommentaryImport.h"
#include "controls/CoolHoverButton.h"
#include "core/DataSource.h"
#include "core/EventLoopYield.h"
#include "core/SearchChoices.h"
#include "core/HtmlPage.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/SuraTables.h"
#include "core/TranslationCatalogue.h"
#include "core/Twips.h"
#include "search/VersePage.h"

#include <algorithm>

#include <QTextOption>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// The frame's size inside the main window, and its parts, in pixels.
constexpr int Width = 513;
constexpr int ListWidth = 130;
constexpr int ViewWidth = Width - ListWidth - 6;
constexpr int InfoHeight = 54;
constexpr int ButtonTop = 406;
constexpr int ButtonHeight = 30;
constexpr int ImportCommandHeight = 24;
constexpr int ImportCommandTop = ButtonTop - 4 - ImportCommandHeight;
constexpr int MenuRowsBeforeScrolling = 10;
constexpr int MenuSlideMilliseconds = 160;

const QString ImportCommand = QStringLiteral("إضافة تفسير من ملف");
const QString MissingCommentary = QStringLiteral(
    "هذا التفسير غير موجود في هذه النسخة من البرنامج. إن كان لديك ملف نصي له، فيه سطر لكل آية، "
    "فأضفه من <a href=\"import\">%1</a>.").arg(ImportCommand);

QLabel *label(const char *name, const QString &text, QWidget *parent)
{
    auto *field = new QLabel(text, parent);
    field->setObjectName(QLatin1String(name));
    return field;
}

} // namespace

ResultsFrame::ResultsFrame(Platform &platform, ProgramState &state, DataSource &adodc2, DataSource &adodc3,
                           const SearchSettings &options, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_state(state)
    , Adodc2(adodc2)
    , Adodc3(adodc3)
    , m_options(options)
{
    setObjectName(QStringLiteral("FrmMain"));

    suraayaalist = new QListWidget(this);
    suraayaalist->setObjectName(QStringLiteral("suraayaalist"));
    // Rows are all one line of the same font: no need to measure each of thousands.
    suraayaalist->setUniformItemSizes(true);
    suraayaalist->setGeometry(Width - ListWidth, 0, ListWidth, twips(5295));
    suraayaalist->viewport()->installEventFilter(this);
    connect(suraayaalist, &QListWidget::currentRowChanged, this, &ResultsFrame::suraayaalist_Click);
    connect(suraayaalist, &QListWidget::itemDoubleClicked, this, [this] { Q_EMIT resultDoubleClicked(suraayaalist->currentRow()); });

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();

    webPreview = new QTextBrowser(this);
    webPreview->setObjectName(QStringLiteral("webPreview"));
    webPreview->setOpenLinks(false);
    // Quran fonts set their marks high above and low below the letters: give lines room.
    webPreview->document()->setDefaultStyleSheet(QStringLiteral("p { line-height: 170%; }"));
    // The scroll bar stays: a page whose bar came and went was laid out again at the
    // other width, three layouts of a long verse instead of one.
    webPreview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    webPreview->setGeometry(0, 0, ViewWidth, twips(4290));
    webPreview->installEventFilter(this);
    connect(webPreview, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        const QString text = suggestionOfLink(link);
        if (!text.isEmpty())
            Q_EMIT suggestionClicked(text);
    });

    Text2 = new QTextEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    // Where a commentary is missing, the box says so and offers to add it from a file.
    tafPlaceholder = new QLabel(MissingCommentary, Text2->viewport());
    tafPlaceholder->setObjectName(QStringLiteral("tafPlaceholder"));
    tafPlaceholder->setWordWrap(true);
    tafPlaceholder->setTextFormat(Qt::RichText);
    tafPlaceholder->setAlignment(Qt::AlignTop | Qt::AlignRight);
    tafPlaceholder->setStyleSheet(QStringLiteral("color: #707070;"));
    tafPlaceholder->hide();
    auto *placeholderLayout = new QVBoxLayout(Text2->viewport());
    placeholderLayout->addWidget(tafPlaceholder);
    placeholderLayout->addStretch();
    connect(tafPlaceholder, &QLabel::linkActivated, this, &ResultsFrame::importCommentary);

    createInfoFrame();
    createCommentaryButtons();
    createResultMenu();
    closeCommentaryLayout();
}

void ResultsFrame::createInfoFrame()
{
    FrmInfo = new QFrame(this);
    FrmInfo->setObjectName(QStringLiteral("FrmInfo"));
    FrmInfo->setFrameShape(QFrame::StyledPanel);

    // The fields bound to the verse stay hidden; each copies its text into a visible label.
    suraanumber = label("suraanumber", QString(), FrmInfo);
    pagenotext = label("pagenotext", QString(), FrmInfo);
    chapterNOtext = label("chapterNOtext", QString(), FrmInfo);
    typetext = label("typetext", QStringLiteral("---"), FrmInfo);
    soraayanum = label("soraayanum", QStringLiteral("0"), FrmInfo);
    score = label("score", QString(), FrmInfo);
    ayaanolab = label("ayaanolab", QString(), FrmInfo);

    struct Field {
        QString caption;
        QLabel *source;
        const char *mirror;
    };
    const QList<Field> fields = {
        {QStringLiteral("رقم السورة"), suraanumber, "SkinLabel5"},
        {QStringLiteral("الآية المختارة"), ayaanolab, nullptr},
        {QStringLiteral("رقم الصفحة"), pagenotext, "SkinLabel1"},
        {QStringLiteral("الجزء"), chapterNOtext, "SkinLabel2"},
        {QStringLiteral("التصنيف"), typetext, "SkinLabel6"},
        {QStringLiteral("عدد آيات السورة"), soraayanum, "SkinLabel3"},
        {QStringLiteral("عدد النتائج"), score, "SkinLabel4"},
    };
    auto *grid = new QGridLayout(FrmInfo);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < fields.size(); ++i) {
        const Field &field = fields.at(i);
        QLabel *shown = field.source;
        if (field.mirror) {
            shown = label(field.mirror, field.source->text(), FrmInfo);
            field.source->hide();
            m_mirrors.insert(field.source, shown);
        }
        shown->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6b4f;"));
        grid->addWidget(new QLabel(field.caption + QStringLiteral(":"), FrmInfo), i / 4, (i % 4) * 2);
        grid->addWidget(shown, i / 4, (i % 4) * 2 + 1);
    }
}

void ResultsFrame::createCommentaryButtons()
{
    const QList<QPair<CoolHoverButton **, QString>> buttons = {
        {&CoolHoverButton1, QStringLiteral("التفسير الميسر")},
        {&CoolHoverButton2, QStringLiteral("تفسير الجلالين")},
        {&CoolHoverButton3, QStringLiteral("الترجمة الإنجليزية")},
        {&CoolHoverButton4, QStringLiteral("إخفاء التفسير / الترجمة")},
        {&CoolHoverButton15, QStringLiteral("تراجم أخرى للقرآن")},
    };
    const int buttonWidth = (Width - 4 * 4) / int(buttons.size());
    for (int i = 0; i < buttons.size(); ++i) {
        auto *button = new CoolHoverButton(this);
        button->setObjectName(QStringLiteral("CoolHoverButton%1").arg(i < 4 ? i + 1 : 15));
        button->setCaption(buttons.at(i).second);
        button->setStyleSheet(QStringLiteral("QLabel { font-size: 8pt; }"));
        // Right to left: the first button stands at the right edge.
        button->setGeometry(Width - (i + 1) * buttonWidth - i * 4, ButtonTop, buttonWidth, ButtonHeight);
        *buttons.at(i).first = button;
    }
    connect(CoolHoverButton1, &CoolHoverButton::Click, this,
            [this] { chooseStoredCommentary(QStringLiteral("taf2"), Qt::RightToLeft); });
    connect(CoolHoverButton2, &CoolHoverButton::Click, this,
            [this] { chooseStoredCommentary(QStringLiteral("taf"), Qt::RightToLeft); });
    connect(CoolHoverButton3, &CoolHoverButton::Click, this,
            [this] { chooseStoredCommentary(QStringLiteral("english"), Qt::LeftToRight); });
    connect(CoolHoverButton4, &CoolHoverButton::Click, this, &ResultsFrame::closeCommentaryLayout);
    connect(CoolHoverButton15, &CoolHoverButton::MouseDown, this, &ResultsFrame::CoolHoverButton15_MouseDown);

    // Adding a commentary from a file stands above the two commentary buttons.
    cmdImportTaf = new CoolHoverButton(this);
    cmdImportTaf->setObjectName(QStringLiteral("cmdImportTaf"));
    cmdImportTaf->setCaption(ImportCommand);
    cmdImportTaf->setStyleSheet(QStringLiteral("QLabel { font-size: 8pt; }"));
    cmdImportTaf->setGeometry(CoolHoverButton2->x(), ImportCommandTop, Width - CoolHoverButton2->x(), ImportCommandHeight);
    connect(cmdImportTaf, &CoolHoverButton::Click, this, &ResultsFrame::importCommentary);

    lstMenu = new QListWidget(this);
    lstMenu->setObjectName(QStringLiteral("lstMenu"));
    lstMenu->addItems({QStringLiteral("تحميل ترجمة جديدة"), QStringLiteral(" ---------------------")});
    lstMenu->setGeometry(CoolHoverButton15->x(), ButtonTop - 160, buttonWidth, 156);
    lstMenu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstMenu->hide();
    lstMenu->setEnabled(false);
    lstMenu->installEventFilter(this);
    connect(lstMenu, &QListWidget::itemDoubleClicked, this, &ResultsFrame::lstMenu_DblClick);
    m_menuSlide = new QPropertyAnimation(lstMenu, "pos", this);
    m_menuSlide->setDuration(MenuSlideMilliseconds);
}

void ResultsFrame::createResultMenu()
{
    show1 = new QMenu(this);
    show1->setObjectName(QStringLiteral("show1"));
    const QList<QPair<const char *, QString>> entries = {
        {"rasm", QStringLiteral("الرسم القرآني لهذه الآية")},
        {"cutme", QStringLiteral("-")},
        {"serach4", QStringLiteral("بحث عن سورة هذه الآية")},
        {"cutme1", QStringLiteral("-")},
        {"listen", QStringLiteral("تلاوة هذه الآية")},
        {"listen2", QStringLiteral("تلاوة حتى نهاية السورة")},
        {"listen3", QStringLiteral("تلاوة السورة كاملة")},
        {"cutme2", QStringLiteral("-")},
        {"copy12", QStringLiteral("نسخ نص هذه الآية")},
    };
    for (const auto &[name, caption] : entries) {
        QAction *entry = caption == QLatin1String("-") ? show1->addSeparator() : show1->addAction(caption);
        entry->setObjectName(QLatin1String(name));
    }
    connect(resultMenuEntry(QStringLiteral("copy12")), &QAction::triggered, this, &ResultsFrame::copy12_Click);
}

QAction *ResultsFrame::resultMenuEntry(const QString &name) const
{
    return show1->findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

bool ResultsFrame::verseShown() const
{
    return !Text1->text().isEmpty();
}

void ResultsFrame::clearShownVerse()
{
    Text1->clear();
    txtAyaaInexForColoring.clear();
    Text2->clear();
    WriteHtmlPage(htmlPage({}));
    for (QLabel *field : {suraanumber, ayaanolab, pagenotext, chapterNOtext, typetext, soraayanum})
        setInfo(field, QString());
}

void ResultsFrame::copy12_Click()
{
    m_platform.activateArabicKeyboard();
    m_platform.setClipboardText(Text1->text() + QStringLiteral(" [") + rowText(suraayaalist->currentRow())
                                + QStringLiteral("]"));
}

void ResultsFrame::WriteHtmlPage(const QString &html)
{
    // Straight into the view's text: the view's own setHtml lays the page out once more to
    // place a text cursor, which a read-only page has no use for. A new page starts at its top.
    webPreview->document()->setHtml(html);
    webPreview->verticalScrollBar()->setValue(0);
}

void ResultsFrame::fillTranslationMenu(const QStringList &translationFiles)
{
    File1 = translationFiles;
    EventLoopYield yield;
    for (const QString &file : File1) {
        if (const std::optional<int> entry = translationEntryOfFile(file)) {
            lstMenu->addItem(TranslationNames.at(*entry));
            m_menuFiles.append(file);
        }
        yield();
    }
    // Wide enough for its longest row in the skin's font: nothing clipped, no sideways scrolling.
    lstMenu->ensurePolished();
    const int rowsWidth = lstMenu->sizeHintForColumn(0) + 2 * lstMenu->frameWidth() + 4;
    if (rowsWidth > lstMenu->width())
        lstMenu->resize(rowsWidth, lstMenu->height());
    if (lstMenu->count() > MenuRowsBeforeScrolling) {
        // Room for the scroll bar: 180 twips wider, grown towards the left.
        lstMenu->setGeometry(lstMenu->x() - twips(180), lstMenu->y(), lstMenu->width() + twips(180), lstMenu->height());
        m_menuSlideSteps = 85;
    } else {
        m_menuSlideSteps = 76;
    }
}

QFont ResultsFrame::displayFont() const
{
    return m_displayFont;
}

void ResultsFrame::setDisplayFont(const QFont &font)
{
    m_displayFont = font;
    Text1->setFont(font);
    if (verseShown())
        RenderSelectedVerse();
}

void ResultsFrame::clearResults()
{
    suraayaalist->clear();
    ayaalist.clear();
    ayaanolist.clear();
    soraanolist.clear();
    ListSearchString.clear();
    m_searchNotice.clear();
}

void ResultsFrame::setSearchNotice(const QString &notice)
{
    m_searchNotice = notice;
}

void ResultsFrame::appendResults(DataSource &source, const QString &foundBy)
{
    EventLoopYield yield;
    for (; !source.atEnd(); source.moveNext()) {
        const QString sura = source.text(QStringLiteral("soraano"));
        const QString verse = source.text(QStringLiteral("ayaano"));
        soraanolist.append(sura);
        ayaanolist.append(verse);
        ayaalist.append(source.text(QStringLiteral("ID")));
        if (!foundBy.isEmpty())
            ListSearchString.append(foundBy);
        suraayaalist->addItem(SuraNames.value(sura.toInt() - 1) + QStringLiteral(" : ") + verse);
        yield();
    }
}

void ResultsFrame::showResultCount()
{
    setInfo(score, QString::number(suraayaalist->count()));
}

void ResultsFrame::selectFirstResult()
{
    // An empty result shows nothing: no verse and no details of the one shown before.
    if (suraayaalist->count() == 0)
        clearShownVerse();
    else if (suraayaalist->currentRow() == 0)
        suraayaalist_Click(); // no change of row, so no signal that would show it
    else
        suraayaalist->setCurrentRow(0);
}

int ResultsFrame::rowCount() const
{
    return suraayaalist->count();
}

int ResultsFrame::selectedRow() const
{
    return suraayaalist->currentRow();
}

ResultList::Row ResultsFrame::resultRow(int row) const
{
    return {ayaalist.value(row), soraanolist.value(row), ayaanolist.value(row), ListSearchString.value(row)};
}

QString ResultsFrame::rowText(int row) const
{
    const QListWidgetItem *item = suraayaalist->item(row);
    return item ? item->text() : QString();
}

void ResultsFrame::refreshSelection()
{
    if (suraayaalist->count() > 0)
        suraayaalist_Click();
}

void ResultsFrame::openCommentaryLayout()
{
    suraayaalist->resize(ListWidth, twips(3540));
    webPreview->resize(ViewWidth, twips(2535));
    FrmInfo->setGeometry(0, twips(2865), ViewWidth, InfoHeight);
    const int textTop = FrmInfo->y() + InfoHeight + 6;
    Text2->setGeometry(0, textTop, Width, ImportCommandTop - 4 - textTop);
    Text2->show();
}

void ResultsFrame::closeCommentaryLayout()
{
    suraayaalist->resize(ListWidth, twips(5295));
    webPreview->resize(ViewWidth, twips(4290));
    Text2->hide();
    FrmInfo->setGeometry(0, twips(4620), ViewWidth, InfoHeight);
}

void ResultsFrame::suraayaalist_Click()
{
    const int row = suraayaalist->currentRow();
    if (suraayaalist->count() == 0 || row < 0)
        return;

    const QString id = ayaalist.at(row);
    Adodc2.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like ") + id);
    // Set once, already trimmed: each setText lays the verse out again in the display font.
    Text1->setText(trimBlanks(Adodc2.text(m_options.withoutDiacritics() ? QStringLiteral("AyaaIndex") : QStringLiteral("Ayaa"))));
    txtAyaaInexForColoring = Adodc2.text(m_state.SearchWordColumn);
    txtmaintaf = Adodc2.text(m_commentaryColumn);
    ayaanolab->setText(Adodc2.text(QStringLiteral("ayaano")));
    setInfo(suraanumber, Adodc2.text(QStringLiteral("soraano")));
    setInfo(pagenotext, Adodc2.text(QStringLiteral("pageno")));
    setInfo(chapterNOtext, Adodc2.text(QStringLiteral("chapterNO")));

    if (Adodc3.isOpen()) {
        // A failed read says so; it never shows as an empty translation.
        Text2->setPlainText(Adodc3.runQuery(QStringLiteral("SELECT *  FROM Taf where Taf.ID like ") + id)
                                ? Adodc3.text(QStringLiteral("Taf"))
                                : Adodc3.errorString());
        tafPlaceholder->hide();
    } else {
        Text2->setPlainText(txtmaintaf);
        // The stored commentaries come from files the reader adds; say so where one is missing.
        tafPlaceholder->setVisible(txtmaintaf.isEmpty() && CommentaryImport::Columns.contains(m_commentaryColumn));
    }

    const int sura = soraanolist.at(row).toInt();
    setInfo(typetext, SuraTypes.value(sura - 1));
    setInfo(soraayanum, QString::number(SuraVerseCounts.at(std::clamp(sura, 1, SuraCount) - 1)));
    RenderSelectedVerse();
}

void ResultsFrame::RenderSelectedVerse()
{
    const QFont &font = m_displayFont;
    const SearchChoices options = m_options.searchChoices();
    VersePageInput input;
    input.displayText = Text1->text();
    input.indexText = txtAyaaInexForColoring;
    // A root search's row is highlighted by the word form that found it. The form is read
    // from the row, not copied into SearchWord: a lookup that replaces these rows would
    // otherwise show its verses with the old form highlighted.
    input.searchWord = ListSearchString.isEmpty() ? m_state.SearchWord : ListSearchString.value(suraayaalist->currentRow());
    input.reference = suraayaalist->currentItem() ? suraayaalist->currentItem()->text() : QString();
    input.notice = m_searchNotice;
    input.fontName = font.family();
    input.fontSize = font.pointSizeF();
    input.bold = font.bold();
    input.italic = font.italic();
    input.color = m_state.HighlightColor;
    input.wholeWord = options.wholeWord;
    input.separateWords = options.allWords;
    WriteHtmlPage(versePage(input));
}

void ResultsFrame::setInfo(QLabel *field, const QString &text)
{
    field->setText(text);
    if (QLabel *mirror = m_mirrors.value(field))
        mirror->setText(text);
}

void ResultsFrame::chooseStoredCommentary(const QString &column, Qt::LayoutDirection direction)
{
    openCommentaryLayout();
    Adodc3.close(); // the installed translation is no longer used
    m_commentaryColumn = column;
    suraayaalist_Click();
    setCommentaryDirection(direction);
}

void ResultsFrame::importCommentary()
{
    const QString file = m_platform.openFileName(ImportCommand, QStringLiteral("ملفات نصية (*.txt);;كل الملفات (*)"));
    if (file.isEmpty())
        return;
    const std::optional<int> choice = m_platform.chooseItem(
        QStringLiteral("أي التفسيرين في هذا الملف؟"), ImportCommand, {CoolHoverButton1->caption(), CoolHoverButton2->caption()},
        std::max<int>(0, int(CommentaryImport::Columns.indexOf(m_commentaryColumn))));
    if (!choice || *choice < 0 || *choice >= CommentaryImport::Columns.size())
        return;
    const QString column = CommentaryImport::Columns.at(*choice);
    const QString name = *choice == 0 ? CoolHoverButton1->caption() : CoolHoverButton2->caption();

    DataSource verses;
    if (verses.openFile(ProgramFolder::file(QStringLiteral("quran.qu")))
        && verses.runQuery(QStringLiteral("SELECT count(*) AS filled FROM Ayat WHERE %1 <> ''").arg(column))
        && verses.text(QStringLiteral("filled")).toInt() > 0
        && m_platform.message(QStringLiteral("يوجد في البرنامج نص لـ«%1»، وسيحل محله ما في الملف. هل تريد المتابعة؟").arg(name),
                              QStringLiteral("تنبيه"), Platform::Buttons::OkCancel, Platform::Icon::Warning)
               != Platform::Answer::Ok)
        return;
    verses.close();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CommentaryImport::Result result = CommentaryImport::importFile(ProgramFolder::path(), column, file, m_platform.files());
    QApplication::restoreOverrideCursor();
    if (!result.imported) {
        m_platform.message(result.problem, QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
        return;
    }
    // The verse on show is read from the new file from now on.
    Adodc2.openFile(ProgramFolder::file(QStringLiteral("quran.qu")));
    Q_EMIT verseDatabaseReplaced();
    chooseStoredCommentary(column, Qt::RightToLeft);
    m_platform.message(QStringLiteral("تمت إضافة «%1» من الملف: نص %2 آية.").arg(name).arg(result.verses));
}

void ResultsFrame::setCommentaryDirection(Qt::LayoutDirection direction)
{
    Text2->setLayoutDirection(direction);
    QTextOption option = Text2->document()->defaultTextOption();
    option.setTextDirection(direction);
    option.setAlignment(direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    Text2->document()->setDefaultTextOption(option);
}

void ResultsFrame::CoolHoverButton15_MouseDown()
{
    lstMenu->setEnabled(true);
    CoolHoverButton15->setEnabled(false);
    lstMenu->show();
    lstMenu->raise();
    slideTranslationMenu(m_menuSlideSteps);
    lstMenu->setFocus();
}

void ResultsFrame::closeTranslationMenu()
{
    lstMenu->setEnabled(false);
    CoolHoverButton15->setEnabled(true);
    slideTranslationMenu(-m_menuSlideSteps);
    connect(m_menuSlide, &QPropertyAnimation::finished, lstMenu, &QWidget::hide, Qt::SingleShotConnection);
}

// Each slide step moves the menu 20 twips (ten moves of 2 twips); a closing slide
// undoes the opening one, so the menu ends where it started.
void ResultsFrame::slideTranslationMenu(int steps)
{
    const QPoint from = m_menuSlide->state() == QAbstractAnimation::Running ? m_menuSlide->endValue().toPoint() : lstMenu->pos();
    m_menuSlide->stop();
    lstMenu->move(from);
    m_menuSlide->setStartValue(from);
    m_menuSlide->setEndValue(from + QPoint(twips(steps * 20), 0));
    m_menuSlide->start();
}

void ResultsFrame::lstMenu_DblClick()
{
    const int row = lstMenu->currentRow();
    if (row == 0) {
        Q_EMIT translationDownloadRequested();
    } else if (row >= 2) {
        const QString file = m_menuFiles.value(row - 2);
        if (!Adodc3.openFile(ProgramFolder::file(file), DataFileKind::Translation)) {
            m_platform.message(QStringLiteral("لا يمكن عرض هذه الترجمة لأن ملفها %1 تالف.\n%2\nبقية البرنامج يعمل كالمعتاد، "
                                              "ويمكن تحميل الترجمة من جديد من السطر الأول في هذه القائمة.")
                                   .arg(file, Adodc3.errorString()),
                               QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
            suraayaalist_Click();
            return;
        }
        openCommentaryLayout();
        setCommentaryDirection(Qt::LeftToRight);
        suraayaalist_Click();
        suraayaalist->setFocus();
    }
}

void ResultsFrame::suraayaalist_MouseDown(Qt::MouseButton button, const QPoint &position)
{
    QListWidgetItem *item = suraayaalist->itemAt(position);
    if (suraayaalist->count() == 0 || !item)
        return;
    // A click on the row already selected shows it again, so a changed option, font or
    // colour takes effect where the reader expects it.
    if (suraayaalist->currentItem() == item)
        suraayaalist_Click();
    suraayaalist->setCurrentItem(item);
    if (button == Qt::RightButton)
        show1->popup(suraayaalist->viewport()->mapToGlobal(position));
}

bool ResultsFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == suraayaalist->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        suraayaalist_MouseDown(press->button(), press->position().toPoint());
        // The right button is fully handled here; the left one goes on to the list.
        return press->button() == Qt::RightButton;
    }
    if (watched == lstMenu && event->type() == QEvent::FocusOut && lstMenu->isEnabled())
        closeTranslationMenu();
    if (watched == webPreview && event->type() == QEvent::FocusIn)
        m_platform.activateArabicKeyboard();
    return QWidget::eventFilter(watched, event);
}

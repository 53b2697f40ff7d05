#include "study/ResultsFrame.h"

#include "core/Blanks.h"
#include "core/CommentaryImport.h"
#include "controls/CoolHoverButton.h"
#include "controls/MirroredLabel.h"
#include "core/DataSource.h"
#include "core/EventLoopYield.h"
#include "core/SearchChoices.h"
#include "core/HtmlPage.h"
#include "core/MissingCommentary.h"
#include "core/Named.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/SuraTables.h"
#include "core/Twips.h"
#include "search/LookupQuery.h"
#include "study/AddCommentary.h"
#include "search/VersePage.h"
#include "study/TranslationMenu.h"

#include <algorithm>

#include <QTextOption>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
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

    suraayaalist = named(new QListWidget(this), "suraayaalist");
    // Rows are all one line of the same font: no need to measure each of thousands.
    suraayaalist->setUniformItemSizes(true);
    suraayaalist->setGeometry(Width - ListWidth, 0, ListWidth, twips(5295));
    suraayaalist->viewport()->installEventFilter(this);
    connect(suraayaalist, &QListWidget::currentRowChanged, this, &ResultsFrame::suraayaalist_Click);
    connect(suraayaalist, &QListWidget::itemDoubleClicked, this, [this] { Q_EMIT resultDoubleClicked(suraayaalist->currentRow()); });

    Text1 = named(new QLineEdit(this), "Text1");
    Text1->hide();

    webPreview = named(new QTextBrowser(this), "webPreview");
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

    Text2 = named(new QTextEdit(this), "Text2");
    Text2->setReadOnly(true);
    // Where a commentary is missing, the box says so and offers to add it from a file.
    const QString importLink = QStringLiteral("<a href=\"import\">%1</a>").arg(importCommentaryCommand());
    tafPlaceholder = named(new QLabel(missingCommentaryText(importLink), Text2->viewport()), "tafPlaceholder");
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
    FrmInfo = named(new QFrame(this), "FrmInfo");
    FrmInfo->setFrameShape(QFrame::StyledPanel);

    // The fields bound to the verse stay hidden; each copies its text into a visible label.
    struct Field {
        QString caption;
        const char *name;
        QString text;
        const char *mirror;
        MirroredLabel **field;
    };
    const QList<Field> fields = {
        {QStringLiteral("رقم السورة"), "suraanumber", QString(), "SkinLabel5", &suraanumber},
        {QStringLiteral("الآية المختارة"), "ayaanolab", QString(), nullptr, nullptr},
        {QStringLiteral("رقم الصفحة"), "pagenotext", QString(), "SkinLabel1", &pagenotext},
        {QStringLiteral("الجزء"), "chapterNOtext", QString(), "SkinLabel2", &chapterNOtext},
        {QStringLiteral("التصنيف"), "typetext", QStringLiteral("---"), "SkinLabel6", &typetext},
        {QStringLiteral("عدد آيات السورة"), "soraayanum", QStringLiteral("0"), "SkinLabel3", &soraayanum},
        {QStringLiteral("عدد النتائج"), "score", QString(), "SkinLabel4", &score},
    };
    auto *grid = new QGridLayout(FrmInfo);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < fields.size(); ++i) {
        const Field &field = fields.at(i);
        QLabel *shown = named(new QLabel(field.text, FrmInfo), field.mirror ? field.mirror : field.name);
        if (field.field)
            *field.field = new MirroredLabel(field.name, field.text, shown, FrmInfo);
        else
            ayaanolab = shown;
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
    cmdImportTaf = named(new CoolHoverButton(this), "cmdImportTaf");
    cmdImportTaf->setCaption(importCommentaryCommand());
    cmdImportTaf->setStyleSheet(QStringLiteral("QLabel { font-size: 8pt; }"));
    cmdImportTaf->setGeometry(CoolHoverButton2->x(), ImportCommandTop, Width - CoolHoverButton2->x(), ImportCommandHeight);
    connect(cmdImportTaf, &CoolHoverButton::Click, this, &ResultsFrame::importCommentary);

    lstMenu = new TranslationMenu(this);
    lstMenu->setGeometry(CoolHoverButton15->x(), ButtonTop - 160, buttonWidth, 156);
    connect(lstMenu, &TranslationMenu::downloadRequested, this, &ResultsFrame::translationDownloadRequested);
    connect(lstMenu, &TranslationMenu::fileChosen, this, &ResultsFrame::showTranslation);
    connect(lstMenu, &TranslationMenu::closing, CoolHoverButton15, [this] { CoolHoverButton15->setEnabled(true); });
}

void ResultsFrame::createResultMenu()
{
    show1 = named(new QMenu(this), "show1");
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
    ayaanolab->clear();
    for (MirroredLabel *field : {suraanumber, pagenotext, chapterNOtext, typetext, soraayanum})
        field->setInfo(QString());
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
    lstMenu->fill(translationFiles);
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
    score->setInfo(QString::number(suraayaalist->count()));
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
    Adodc2.runQuery(collectedVerseQuery(id));
    // Set once, already trimmed: each setText lays the verse out again in the display font.
    Text1->setText(trimBlanks(Adodc2.text(m_options.withoutDiacritics() ? QStringLiteral("AyaaIndex") : QStringLiteral("Ayaa"))));
    txtAyaaInexForColoring = Adodc2.text(m_state.SearchWordColumn);
    txtmaintaf = Adodc2.text(m_commentaryColumn);
    ayaanolab->setText(Adodc2.text(QStringLiteral("ayaano")));
    suraanumber->setInfo(Adodc2.text(QStringLiteral("soraano")));
    pagenotext->setInfo(Adodc2.text(QStringLiteral("pageno")));
    chapterNOtext->setInfo(Adodc2.text(QStringLiteral("chapterNO")));

    if (Adodc3.isOpen()) {
        // A failed read says so; it never shows as an empty translation.
        Text2->setPlainText(Adodc3.runQuery(translationVerseQuery(id))
                                ? Adodc3.text(QStringLiteral("Taf"))
                                : Adodc3.errorString());
        tafPlaceholder->hide();
    } else {
        Text2->setPlainText(txtmaintaf);
        // The stored commentaries come from files the reader adds; say so where one is missing.
        tafPlaceholder->setVisible(txtmaintaf.isEmpty() && CommentaryImport::Columns.contains(m_commentaryColumn));
    }

    const int sura = soraanolist.at(row).toInt();
    typetext->setInfo(SuraTypes.value(sura - 1));
    soraayanum->setInfo(QString::number(SuraVerseCounts.at(std::clamp(sura, 1, SuraCount) - 1)));
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
    const std::optional<AddedCommentary> added
        = addCommentaryFromFile(m_platform, {CoolHoverButton1->caption(), CoolHoverButton2->caption()}, m_commentaryColumn);
    if (!added)
        return;
    // The verse on show is read from the new file from now on.
    Adodc2.openFile(ProgramFolder::file(QStringLiteral("quran.qu")));
    Q_EMIT verseDatabaseReplaced();
    chooseStoredCommentary(added->column, Qt::RightToLeft);
    m_platform.message(added->report);
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
    CoolHoverButton15->setEnabled(false);
    lstMenu->slideOut();
}

void ResultsFrame::showTranslation(const QString &file)
{
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
    if (watched == webPreview && event->type() == QEvent::FocusIn)
        m_platform.activateArabicKeyboard();
    return QWidget::eventFilter(watched, event);
}

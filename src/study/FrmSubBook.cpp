#include "study/FrmSubBook.h"

#include "core/EventLoopYield.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/ResultList.h"
#include "search/TopicQuery.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace {

// The frame's size inside the main window, in pixels.
constexpr int Width = 513;
constexpr int Height = 438;
// One row of the skin's font with its padding.
constexpr int MainSearchHeight = 34;

const QString UsageNote = QStringLiteral("انقر مرتين على موضوع لفتحه، ثم على أحد المواضع لعرض آياته.");

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6b4f;"));
    return label;
}

QListWidget *list(const char *name, QWidget *parent)
{
    auto *widget = new QListWidget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setWordWrap(true);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    return widget;
}

} // namespace

FrmSubBook::FrmSubBook(ProgramState &state, ResultList &results, DataSource &adodc1, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_results(results)
    , Adodc1(adodc1)
{
    setObjectName(QStringLiteral("FrmSubBook"));
    setLayoutDirection(Qt::RightToLeft);
    resize(Width, Height);

    mainsearch = list("mainsearch", this);
    mainsearch->addItem(QStringLiteral("القائمة الرئيسية"));
    mainsearch->setFixedHeight(MainSearchHeight);
    mainsearch->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mainsearch->setStyleSheet(QStringLiteral("QListWidget#mainsearch { background-color: #eef3ee; font-weight: bold; }"));
    mainsearch->setCursor(Qt::PointingHandCursor);
    connect(mainsearch, &QListWidget::itemClicked, this, &FrmSubBook::mainsearch_Click);

    mainlist = list("mainlist", this);
    connect(mainlist, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { mainlist_DblClick(mainlist->row(item)); });

    suraayaalistsubbook = list("suraayaalistsubbook", this);
    connect(suraayaalistsubbook, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { suraayaalistsubbook_DblClick(suraayaalistsubbook->row(item)); });

    m_note = new QLabel(UsageNote, this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("color: #6b6b6b;"));

    // Topics on the right, where a right-to-left reader starts; their verses beside them.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(caption(QStringLiteral("مواضيع القرآن الكريم"), this), 0, 0);
    grid->addWidget(caption(QStringLiteral("مواضع الآيات"), this), 0, 1);
    grid->addWidget(mainsearch, 1, 0);
    grid->addWidget(mainlist, 2, 0);
    grid->addWidget(suraayaalistsubbook, 1, 1, 2, 1);
    grid->addWidget(m_note, 3, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
}

void FrmSubBook::openTopics()
{
    if (AdodcSubBook1.isOpen())
        return;
    if (!AdodcSubBook1.openFile(ProgramFolder::file(QStringLiteral("quran.qu")))) {
        // Left unconnected, so the next opening of the header tries again.
        m_note->setText(QStringLiteral("تعذر فتح دليل المواضيع: ") + AdodcSubBook1.errorString());
        return;
    }
    m_note->setText(UsageNote);
    loadTopLevel();
}

void FrmSubBook::mainsearch_Click()
{
    suraayaalistsubbook->clear();
    soralistsub.clear();
    ayaalistsub.clear();
    loadTopLevel();
    // Deselected, so that the next click is a new selection.
    mainsearch->setCurrentRow(-1);
    mainsearch->clearSelection();
}

void FrmSubBook::loadTopLevel()
{
    AdodcSubBook1.runQuery(topLevelTopicsQuery());
    fillTopics();
}

// Fills mainlist and secondlist from the topics AdodcSubBook1 holds.
void FrmSubBook::fillTopics()
{
    mainlist->clear();
    secondlist.clear();
    EventLoopYield yield;
    for (; !AdodcSubBook1.atEnd(); AdodcSubBook1.moveNext()) {
        mainlist->addItem(AdodcSubBook1.text(QStringLiteral("Topic_Name")));
        secondlist.append(AdodcSubBook1.text(QStringLiteral("Topic_No")));
        yield();
    }
}

void FrmSubBook::mainlist_DblClick(int row)
{
    if (row < 0 || row >= secondlist.size())
        return;
    suraayaalistsubbook->clear();
    soralistsub.clear();
    ayaalistsub.clear();
    const QString topicNo = secondlist.at(row);

    AdodcSubBook1.runQuery(subTopicsQuery(topicNo));
    if (!AdodcSubBook1.text(QStringLiteral("Topic_No")).isEmpty()) {
        fillTopics();
        return;
    }

    // A leaf: its references, while mainlist keeps its level so that the sibling
    // topics stay one double click away.
    AdodcSubBook1.runQuery(topicReferencesQuery(topicNo));
    EventLoopYield yield;
    for (; !AdodcSubBook1.atEnd(); AdodcSubBook1.moveNext()) {
        const QString sura = AdodcSubBook1.text(QStringLiteral("Sura_No"));
        const QString verses = AdodcSubBook1.text(QStringLiteral("Ayat_No"));
        soralistsub.append(sura);
        ayaalistsub.append(verses);
        suraayaalistsubbook->addItem(topicReferenceText(sura.toInt(), verses));
        yield();
    }
}

void FrmSubBook::suraayaalistsubbook_DblClick(int row)
{
    if (row < 0 || row >= ayaalistsub.size())
        return;
    const QString query = topicVersesQuery(topicVerseNumbers(ayaalistsub.at(row)), soralistsub.at(row).toInt());
    // A reference without verse numbers asks for nothing: the result list stays as it was.
    if (query.isEmpty())
        return;

    m_state.SearchWord.clear();
    if (!Adodc1.runQuery(query)) {
        // Never shown as "nothing found".
        m_note->setText(QStringLiteral("تعذرت قراءة آيات هذا الموضوع من قاعدة البيانات."));
        return;
    }
    m_results.clearResults();
    m_results.appendResults(Adodc1);
    m_results.showResultCount();
    m_results.selectFirstResult();
    emit showResults();
}

#include "memorise/FrmSaveQuran.h"

#include "controls/CoolHoverButton.h"
#include "controls/SideBar.h"
#include "core/Platform.h"
#include "core/ProgramState.h"
#include "controls/Skin.h"
#include "memorise/TrackerMainPage.h"
#include "memorise/TrackerRecordingPage.h"
#include "memorise/TrackerRecords.h"
#include "memorise/TrackerSummaryPage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int WindowWidth = 780;
constexpr int WindowHeight = 520;
constexpr int Margin = 6;
constexpr int SideBarWidth = 180;
constexpr int HeaderHeight = 28;

} // namespace

FrmSaveQuran::FrmSaveQuran(Platform &platform, ProgramState &state, UserDatabase &users, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_state(state)
    , m_records(new TrackerRecords(platform, state, users, this))
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

    FrmDetails = new TrackerSummaryPage(*m_records, this);
    FrmFace = new TrackerMainPage(*m_records, FrmDetails->figures(), this);
    FrmSvDetailed = new TrackerRecordingPage(*m_records, FrmFace->verseFont(), this);
    const QRect content(Margin, Margin, WindowWidth - 3 * Margin - SideBarWidth, WindowHeight - 2 * Margin);
    for (QWidget *page : std::initializer_list<QWidget *>{FrmFace, FrmSvDetailed, FrmDetails}) {
        page->setGeometry(content);
        page->hide();
    }
    createSideBarPanels();

    connect(FrmFace, &TrackerMainPage::scriptImageRequested, this, &FrmSaveQuran::scriptImageRequested);
    connect(FrmFace, &TrackerMainPage::verseRangeRecitationRequested, this, &FrmSaveQuran::verseRangeRecitationRequested);
    connect(FrmFace, &TrackerMainPage::wholeSuraRecitationRequested, this, &FrmSaveQuran::wholeSuraRecitationRequested);
    connect(FrmSvDetailed, &TrackerRecordingPage::recordsChanged, FrmFace, &TrackerMainPage::Percentage);
    connect(FrmSvDetailed, &TrackerRecordingPage::commandsEnabled, picStrip, &QWidget::setEnabled);
    connect(m_records, &TrackerRecords::markingChanged, picStrip, [this](bool running) { picStrip->setEnabled(!running); });
}

void FrmSaveQuran::createSideBarPanels()
{
    const QList<QPair<QString, QString>> commentaries = {
        {QStringLiteral("التفسير الميسر"), QStringLiteral("taf2")},
        {QStringLiteral("تفسير الجلالين"), QStringLiteral("taf")},
        {QStringLiteral("الترجمة الإنجليزية"), QStringLiteral("english")},
    };
    auto *commentaryLayout = new QVBoxLayout(picStrip->PicFrame(0));
    for (int i = 0; i < commentaries.size(); ++i) {
        auto *choice = new CoolHoverButton(picStrip->PicFrame(0));
        choice->setObjectName(QStringLiteral("CoolHoverButton%1").arg(i + 1));
        choice->setCaption(commentaries.at(i).first);
        choice->setFixedHeight(34);
        commentaryLayout->addWidget(choice);
        const QString column = commentaries.at(i).second;
        const Qt::LayoutDirection direction = column == QLatin1String("english") ? Qt::LeftToRight : Qt::RightToLeft;
        connect(choice, &CoolHoverButton::Click, FrmFace, [this, column, direction] { FrmFace->chooseCommentary(column, direction); });
    }
    commentaryLayout->addStretch();

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

void FrmSaveQuran::Form_Load()
{
    FrmFace->openVerses();
    m_platform.activateArabicKeyboard();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
    applySkin(this);
    setWindowTitle(QStringLiteral("تحفيظ القرآن الكريم") + QStringLiteral(" - ") + m_state.CurrentUser);
    picStrip->layOut();
    strip_Click(0);
    FrmFace->start();
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
    if (index == 1)
        FrmSvDetailed->start();
    else if (index == 2)
        FrmDetails->start();
}

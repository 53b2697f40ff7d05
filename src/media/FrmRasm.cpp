#include "media/FrmRasm.h"

#include "net/DownloadChecks.h"
#include "net/Downloader.h"
#include "core/FileOperations.h"
#include "media/FrmLink.h"
#include "core/PictureNames.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/Servers.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "controls/Skin.h"
#include "core/Twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("الرسم القرآني");

QPointer<FrmRasm> &openWindow()
{
    static QPointer<FrmRasm> window;
    return window;
}

} // namespace

FrmRasm::FrmRasm(Platform &platform, ProgramState &state, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_state(state)
{
    setObjectName(QStringLiteral("FrmRasm"));
    setWindowTitle(Caption);
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *menus = new QMenuBar(this);
    menuopen = menus->addMenu(QStringLiteral("خدمات"));
    menuopen->setObjectName(QStringLiteral("menuopen"));
    const QList<QPair<const char *, QString>> entries = {
        {"save", QStringLiteral("حفظ")},
        {"link", QStringLiteral("وصلة الصورة")},
        {"redownload", QStringLiteral("إعادة تنزيل الآية")},
    };
    for (const auto &[name, caption] : entries)
        menuopen->addAction(caption)->setObjectName(QLatin1String(name));
    // Saving is offered only while there is a picture to save.
    saveAction()->setEnabled(false);
    connect(menuopen->findChild<QAction *>(QStringLiteral("save")), &QAction::triggered, this, &FrmRasm::save_Click);
    connect(menuopen->findChild<QAction *>(QStringLiteral("link")), &QAction::triggered, this, &FrmRasm::link_Click);
    connect(menuopen->findChild<QAction *>(QStringLiteral("redownload")), &QAction::triggered, this, &FrmRasm::redownload_Click);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A long verse's picture can be taller than the screen: it scrolls inside the window.
    ImageArea = new QScrollArea(this);
    ImageArea->setObjectName(QStringLiteral("ImageArea"));
    ImageArea->setFrameShape(QFrame::NoFrame);
    ImageArea->setWidget(Image1);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setTextVisible(false);
    ProgressBar->setRange(0, 1000);
    ProgressBar->hide();
    DownloadRasm = new Downloader(platform, this);
    DownloadRasm->setAcceptance(DownloadLimit::VersePicture, pictureCheck("gif"));
    DownloadRasm->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menus);
    layout->addWidget(ProgressBar);
    layout->addWidget(ImageArea);
    resize(420, 120);

    connect(DownloadRasm, &Downloader::DownloadProgress, this, [this](qint64 received, qint64 total) {
        ProgressBar->setValue(int(received * 1000 / std::max<qint64>(total, 1)));
    });
    connect(DownloadRasm, &Downloader::DownloadComplete, this, [this](qint64 total) { DownloadRasm_Complete(total); });
}

FrmRasm *FrmRasm::open(Platform &platform, ProgramState &state, const QWidget *opener)
{
    if (openWindow())
        openWindow()->close();
    auto *window = new FrmRasm(platform, state);
    openWindow() = window;
    window->Form_Load();

    // The first time, the window stands where the centred opener has its corner.
    QRect screen(0, 0, 1024, 768);
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        screen = primary->geometry();
    const int defaultLeft = (screen.width() - opener->width()) / 2 * TwipsPerPixel;
    const int defaultTop = (screen.height() - opener->height()) / 2 * TwipsPerPixel;
    const double left = Settings::value(SettingKeys::XLeft, QString::number(defaultLeft)).toDouble();
    const double top = Settings::value(SettingKeys::YTop, QString::number(defaultTop)).toDouble();
    window->move(qRound(left / TwipsPerPixel), qRound(top / TwipsPerPixel));
    window->show();
    return window;
}

QString FrmRasm::cacheFile() const
{
    return ProgramFolder::file(QStringLiteral("pic/") + m_file);
}

void FrmRasm::Form_Load()
{
    applySkin(this);
    m_file = verseFileName(m_state.RasmSura, m_state.RasmAyaa);
    m_url = Servers::load().scriptImageServer + QStringLiteral("quran/image/") + m_file;
    // A cached file that does not decode (an empty file or an error page kept by an
    // older version) is fetched again.
    if (QFileInfo::exists(cacheFile()) && !pictureDecodes(cacheFile(), "gif"))
        QFile::remove(cacheFile());
    if (QFileInfo::exists(cacheFile()))
        showPicture();
    else
        fetch();
}

QAction *FrmRasm::saveAction() const
{
    return menuopen->findChild<QAction *>(QStringLiteral("save"));
}

void FrmRasm::fetch()
{
    Image1->clear();
    saveAction()->setEnabled(false);
    ProgressBar->setValue(0);
    ProgressBar->show();
    DownloadRasm->CancelDownload();
    DownloadRasm->BeginDownload(m_url, cacheFile());
}

// The window's inner area fits the picture exactly, as far as the screen has room; a
// larger picture scrolls.
void FrmRasm::showPicture()
{
    const QPixmap picture(cacheFile());
    if (picture.isNull())
        return;
    Image1->setPixmap(picture);
    Image1->setFixedSize(picture.size());

    // The screen's free area less this window's title bar, borders and menu bar.
    const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(16, 40);
    const QSize room = shown->availableGeometry().size() - frame - QSize(0, layout()->menuBar()->sizeHint().height());
    QSize view = picture.size().boundedTo(room);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (view.height() < picture.height())
        view.setWidth(qMin(room.width(), view.width() + scrollBar));
    if (view.width() < picture.width())
        view.setHeight(qMin(room.height(), view.height() + scrollBar));
    ImageArea->setFixedSize(view);
    adjustSize();
    saveAction()->setEnabled(true);
}

void FrmRasm::DownloadRasm_Complete(qint64 total)
{
    ProgressBar->hide();
    ProgressBar->setValue(0);
    if (total == 0 || !QFileInfo::exists(cacheFile())) {
        m_platform.message(QStringLiteral("لم يتم التمكن من تنزيل القرآن لأحد هذه الأسباب. 1- لا يوجد إتصال بالإنترنت 2- السيرفر معطل حاليا"),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    setWindowTitle(Caption);
    showPicture();
}

void FrmRasm::save_Click()
{
    const QString target = m_platform.saveFileName(QStringLiteral("حفظ"), m_file, QStringLiteral("GIF Files (*.gif)"));
    if (target.isEmpty())
        return;
    // The reader's file is replaced only by a whole copy.
    QString error;
    if (!copyReplacing(cacheFile(), target, &error, m_platform.files()))
        m_platform.message(QStringLiteral("لم يتم حفظ الصورة، وبقي الملف %1 كما كان.\n%2").arg(target, error),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
}

void FrmRasm::link_Click()
{
    (new FrmLink(m_url, this))->open();
}

void FrmRasm::redownload_Click()
{
    QFile::remove(cacheFile());
    m_url = Servers::load().scriptImageServer + QStringLiteral("quran/image/") + m_file;
    fetch();
}

void FrmRasm::closeEvent(QCloseEvent *event)
{
    DownloadRasm->CancelDownload();
    Settings::setValue(SettingKeys::XLeft, QString::number(x() * TwipsPerPixel));
    Settings::setValue(SettingKeys::YTop, QString::number(y() * TwipsPerPixel));
    QWidget::closeEvent(event);
}

#include "net/FrmDownload.h"

#include "net/DownloadChecks.h"
#include "net/Downloader.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "controls/Skin.h"
#include "net/UpdateFiles.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

// The bar counts in thousandths, so files of any size fit its range.
constexpr int BarSteps = 1000;

} // namespace

FrmDownload::FrmDownload(Platform &platform, ProgramState &state, const QString &serverAddress, std::function<void()> programEnd,
                         QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_state(state)
    , m_serverAddress(serverAddress)
    , m_programEnd(std::move(programEnd))
{
    setObjectName(QStringLiteral("FrmDownload"));
    setWindowTitle(QStringLiteral("تحميل التحديث"));
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);

    Downloader1 = new Downloader(platform, this);
    Downloader1->setObjectName(QStringLiteral("Downloader1"));
    Downloader1->hide();
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, BarSteps);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressReport = new QLabel(this);
    ProgressReport->setObjectName(QStringLiteral("ProgressReport"));
    ProgressReport->setLayoutDirection(Qt::LeftToRight);
    ProgressReport->setAlignment(Qt::AlignCenter);
    SkinLabel2 = new QLabel(QStringLiteral("في حالة حدوث بطئ غير عادي أثناء التحميل أو توقفه بدون سبب قم  بالضغط على هذا الزر"), this);
    SkinLabel2->setObjectName(QStringLiteral("SkinLabel2"));
    SkinLabel2->setWordWrap(true);
    cmdReDownload = new QPushButton(QStringLiteral("أعد عملية التحميل"), this);
    cmdReDownload->setObjectName(QStringLiteral("cmdReDownload"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar);
    layout->addWidget(ProgressReport);
    layout->addWidget(SkinLabel2);
    layout->addWidget(cmdReDownload, 0, Qt::AlignHCenter);
    setFixedWidth(420);

    connect(Downloader1, &Downloader::DownloadProgress, this,
            [this](qint64 current, qint64 total) { Downloader1_DownloadProgress(current, total); });
    connect(Downloader1, &Downloader::DownloadRefused, this, [this](int status) { m_refusedStatus = status; });
    connect(Downloader1, &Downloader::DownloadComplete, this,
            [this](qint64 total) { Downloader1_DownloadComplete(total); });
    connect(cmdReDownload, &QPushButton::clicked, this, &FrmDownload::cmdReDownload_Click);

    Form_Load();
}

void FrmDownload::Form_Load()
{
    applySkin(this);
    ProgressReport->setText(QStringLiteral("يتم الإتصال بالموقع"));
    ProgressBar->setValue(0);
    Downloader1->CancelDownload();
    const UpdateFile file = updateFile(m_state.DownloadItem, m_serverAddress);
    // Only a whole, sound file of the kind asked for reaches its name.
    if (m_state.DownloadItem == 1)
        Downloader1->setAcceptance(DownloadLimit::VerseDatabase, dataFileCheck(DataFileKind::Verses));
    else
        Downloader1->setAcceptance(DownloadLimit::Translation, dataFileCheck(DataFileKind::Translation));
    Downloader1->BeginDownload(file.url, ProgramFolder::file(file.fileName));
}

void FrmDownload::Downloader1_DownloadProgress(qint64 CurBytes, qint64 MaxBytes)
{
    ProgressBar->setValue(static_cast<int>(CurBytes * BarSteps / MaxBytes));
    ProgressReport->setText(QString::number(CurBytes) + QStringLiteral("   /   ") + QString::number(MaxBytes));
}

void FrmDownload::Downloader1_DownloadComplete(qint64 MaxBytes)
{
    if (MaxBytes != 0) {
        m_platform.message(QStringLiteral("تم تنزيل التحديث, سوف يتم إغلاق البرنامج الآن لإكمال عملية التحديث يرجى إعادة تشغيل البرنامج من جديد"),
                           QStringLiteral("التحديث"));
        m_programEnd();
        return;
    }
    QString text;
    if (std::exchange(m_refusedStatus, 0) == 404)
        text = m_state.DownloadItem == 1 ? QStringLiteral("تحديث قاعدة البيانات غير متوفر على موقع البرنامج حاليا")
                                         : QStringLiteral("هذه الترجمة غير متوفرة على موقع البرنامج حاليا");
    else
        text = QStringLiteral("حدث خطأ في عملية التحديث نتيجة خلل في الإتصال مع موقع البرنامج, يرجى المحاولة مرة اخرة بعد فترة. في حال تكررت المشكلة يرجى مراسلة المبرمج")
            + QStringLiteral("\n(") + Downloader1->failureReason() + u')';
    m_platform.message(text, QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
    close();
}

void FrmDownload::cmdReDownload_Click()
{
    // Starts the same file again: a reader retrying a translation wants that
    // translation, not the verse database.
    Form_Load();
}

void FrmDownload::done(int result)
{
    Downloader1->CancelDownload();
    QDialog::done(result);
}

#include "RecitationDownload.h"

#include "Downloader.h"
#include "Platform.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int BarSteps = 1000;

} // namespace

RecitationDownload::RecitationDownload(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("RecitationDownload"));
    setWindowTitle(QStringLiteral("تنزيل التلاوة"));
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);

    m_downloader = new Downloader(platform, this);
    m_downloader->hide();
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, BarSteps);
    m_bar->setValue(0);
    m_report = new QLabel(QStringLiteral("يتم الإتصال بالموقع"), this);
    m_report->setObjectName(QStringLiteral("report"));
    m_report->setAlignment(Qt::AlignCenter);
    auto *cancel = new QPushButton(QStringLiteral("إلغاء"), this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addWidget(m_report);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    setFixedWidth(380);

    connect(m_downloader, &Downloader::DownloadProgress, this,
            [this](qint64 received, qint64 total) { onProgress(received, total); });
    connect(m_downloader, &Downloader::DownloadComplete, this, &RecitationDownload::onComplete);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

void RecitationDownload::start(const QString &url, const QString &targetFile)
{
    show();
    m_downloader->BeginDownload(url, targetFile);
}

void RecitationDownload::onProgress(qint64 received, qint64 total)
{
    m_bar->setValue(static_cast<int>(received * BarSteps / total));
    m_report->setText(QStringLiteral("%1 / %2 كيلوبايت").arg(received / 1024).arg(total / 1024));
}

void RecitationDownload::onComplete(qint64 total, const QString &targetFile)
{
    hide();
    if (total != 0)
        m_platform.message(QStringLiteral("تم حفظ التلاوة في الملف:\n%1").arg(QDir::toNativeSeparators(targetFile)));
    else
        m_platform.message(QStringLiteral("تعذر تنزيل التلاوة. يرجى التأكد من الاتصال بالإنترنت والمحاولة مرة أخرى."),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
    close();
}

void RecitationDownload::done(int result)
{
    m_downloader->CancelDownload();
    QDialog::done(result);
}

#include "media/RecitationDownload.h"

#include "net/Downloader.h"
#include "core/Platform.h"

#include <QDir>
#include <QFileInfo>
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
    connect(m_downloader, &Downloader::DownloadComplete, this, [this](qint64 total) { onComplete(total); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

void RecitationDownload::start(const QList<File> &files)
{
    m_files = files;
    show();
    fetchNext();
}

void RecitationDownload::startFolder(const QList<File> &files, const QString &folder)
{
    const QFileInfo chosen(folder);
    if (chosen.exists()) {
        m_platform.message(QStringLiteral("يوجد ملف أو مجلد بهذا الاسم، يرجى اختيار اسم آخر لحفظ التلاوة."), QStringLiteral("خطأ"),
                           Platform::Buttons::Ok, Platform::Icon::Warning);
        close();
        return;
    }
    m_folder = chosen.absoluteFilePath();
    m_scratchFolder = chosen.absolutePath() + QStringLiteral("/.") + chosen.fileName() + QStringLiteral(".partial");
    QDir(m_scratchFolder).removeRecursively();
    if (!QDir().mkpath(m_scratchFolder)) {
        finish(false);
        return;
    }
    QList<File> inScratch;
    for (const File &file : files)
        inScratch.append({file.url, m_scratchFolder + u'/' + file.target});
    start(inScratch);
}

void RecitationDownload::fetchNext()
{
    if (m_next == m_files.size()) {
        // The finished folder takes its name in one step.
        finish(m_scratchFolder.isEmpty() || QDir().rename(m_scratchFolder, m_folder));
        return;
    }
    const File &file = m_files.at(m_next);
    m_downloader->BeginDownload(file.url, file.target);
}

void RecitationDownload::onProgress(qint64 received, qint64 total)
{
    const qint64 count = m_files.size();
    m_bar->setValue(static_cast<int>((m_next * total + received) * BarSteps / (count * total)));
    const QString size = QStringLiteral("%1 / %2 كيلوبايت").arg(received / 1024).arg(total / 1024);
    m_report->setText(count == 1 ? size : QStringLiteral("الآية %1 من %2: %3").arg(m_next + 1).arg(count).arg(size));
}

void RecitationDownload::onComplete(qint64 total)
{
    if (total == 0) {
        finish(false);
        return;
    }
    ++m_next;
    fetchNext();
}

void RecitationDownload::finish(bool saved)
{
    hide();
    if (!m_scratchFolder.isEmpty())
        QDir(m_scratchFolder).removeRecursively();
    const QString where = m_folder.isEmpty() ? m_files.value(0).target : m_folder;
    if (saved)
        m_platform.message(QStringLiteral("تم حفظ التلاوة في:\n%1").arg(QDir::toNativeSeparators(where)));
    else
        m_platform.message(QStringLiteral("تعذر تنزيل التلاوة. يرجى التأكد من الاتصال بالإنترنت والمحاولة مرة أخرى."),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
    close();
}

void RecitationDownload::done(int result)
{
    m_downloader->CancelDownload();
    if (!m_scratchFolder.isEmpty())
        QDir(m_scratchFolder).removeRecursively();
    QDialog::done(result);
}

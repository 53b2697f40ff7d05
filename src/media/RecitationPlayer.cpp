#include "media/RecitationPlayer.h"

#include "net/Downloader.h"
#include "core/Platform.h"

#include <QAudioOutput>
#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QString withPart(const QString &message, const QString &caption)
{
    return caption.isEmpty() ? message : message + QStringLiteral("\n(%1)").arg(caption);
}

QString notAudio()
{
    return QStringLiteral("الملف الذي أرسله خادم التلاوات ليس تسجيلا صوتيا يمكن تشغيله.");
}

QString fetchFailure(int httpStatus)
{
    if (httpStatus == 404 || httpStatus == 410)
        return QStringLiteral("هذه التلاوة غير موجودة على خادم التلاوات.");
    return QStringLiteral("لا يستجيب خادم التلاوات. يرجى التأكد من الاتصال بالإنترنت والمحاولة مرة أخرى.");
}

} // namespace

RecitationPlayer::RecitationPlayer(Platform &platform, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_downloader(std::make_unique<Downloader>(platform))
{
    connect(m_downloader.get(), &Downloader::DownloadRefused, this, [this](int status) { m_refusedStatus = status; });
    connect(m_downloader.get(), &Downloader::DownloadComplete, this, &RecitationPlayer::onFetched);
    connect(m_downloader.get(), &Downloader::DownloadProgress, this, [this](qint64 received, qint64 total) {
        // Only the part the reader is waiting for: a verse fetched ahead is silent work.
        if (m_state != State::Fetching || m_fetching != m_current || total <= 0)
            return;
        const int percent = static_cast<int>(received * 100 / total);
        if (percent != m_fetchedPercent) {
            m_fetchedPercent = percent;
            Q_EMIT changed();
        }
    });
}

void RecitationPlayer::createPlayer()
{
    // Made on first use: loading the multimedia backend takes a noticeable part of a
    // second, which a start of the program should not pay.
    m_player = new QMediaPlayer(this);
    // Without an audio output the player has nowhere to send the sound and fails; with
    // one and no sound device, the backend plays into a silent sink at normal speed.
    m_player->setAudioOutput(new QAudioOutput(this));
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (m_state == State::Stopped)
            return;
        if (status == QMediaPlayer::EndOfMedia)
            onPartEnded();
        else if (status == QMediaPlayer::InvalidMedia)
            fail(withPart(notAudio(), caption()));
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (m_state != State::Stopped && error != QMediaPlayer::NoError)
            fail(withPart(notAudio(), caption()));
    });
    connect(m_player, &QMediaPlayer::positionChanged, this,
            [this](qint64 position) { Q_EMIT positionChanged(position, m_player->duration()); });
}

RecitationPlayer::~RecitationPlayer()
{
    // The player goes before the members it reports to: nothing it says while closing
    // may reach a half-destroyed recitation.
    if (m_player)
        m_player->disconnect(this);
    delete m_player;
}

void RecitationPlayer::play(const RecitationPlan &plan)
{
    stop();
    if (plan.parts.isEmpty())
        return;
    m_scratch = std::make_unique<QTemporaryDir>();
    if (!m_scratch->isValid()) {
        m_scratch.reset();
        m_platform.message(QStringLiteral("تعذر تجهيز مكان مؤقت لملفات التلاوة على هذا الجهاز."), QStringLiteral("خطأ"),
                           Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    m_plan = plan;
    m_fetched = QList<Fetched>(plan.parts.size());
    m_current = 0;
    setState(State::Fetching);
    fetch(0);
}

void RecitationPlayer::togglePause()
{
    if (m_state == State::Playing) {
        m_player->pause();
        setState(State::Paused);
    } else if (m_state == State::Paused) {
        m_player->play();
        setState(State::Playing);
    }
}

void RecitationPlayer::stop()
{
    const bool wasActive = m_state != State::Stopped;
    // Stopped first, so nothing the player or the downloader reports meanwhile counts.
    m_state = State::Stopped;
    m_downloader->CancelDownload();
    if (m_player) {
        m_player->stop();
        m_player->setSource(QUrl());
    }
    m_scratch.reset();
    m_plan = {};
    m_fetched.clear();
    m_current = -1;
    m_fetching = -1;
    if (wasActive) {
        Q_EMIT changed();
        Q_EMIT finished();
    }
}

void RecitationPlayer::seek(qint64 milliseconds)
{
    if (m_player)
        m_player->setPosition(milliseconds);
}

QString RecitationPlayer::caption() const
{
    return m_current >= 0 && m_current < m_plan.parts.size() ? m_plan.parts.at(m_current).caption : QString();
}

qint64 RecitationPlayer::position() const
{
    return m_player ? m_player->position() : 0;
}

qint64 RecitationPlayer::duration() const
{
    return m_player ? m_player->duration() : 0;
}

QString RecitationPlayer::partFile(int index) const
{
    return m_scratch->filePath(QString::number(index));
}

void RecitationPlayer::fetch(int index)
{
    const QUrl address(m_plan.parts.at(index).url);
    if (!address.isValid() || (address.scheme() != u"http" && address.scheme() != u"https")) {
        fail(withPart(QStringLiteral("عنوان هذه التلاوة في إعدادات البرنامج غير صالح."), m_plan.parts.at(index).caption));
        return;
    }
    m_fetching = index;
    m_refusedStatus = 0;
    m_fetchedPercent = -1;
    m_downloader->BeginDownload(address.toString(), partFile(index));
}

void RecitationPlayer::onFetched(qint64 total, const QString &file)
{
    if (m_state == State::Stopped || m_fetching < 0 || file != partFile(m_fetching))
        return;
    const int index = m_fetching;
    m_fetching = -1;
    if (total == 0)
        m_fetched[index].failure = withPart(fetchFailure(m_refusedStatus), m_plan.parts.at(index).caption);
    else
        m_fetched[index].file = file;

    if (index == m_current && m_state == State::Fetching)
        startPart(index); // starts fetching the part after it
}

void RecitationPlayer::startPart(int index)
{
    const Fetched part = m_fetched.at(index);
    if (!part.failure.isEmpty()) {
        fail(part.failure);
        return;
    }
    if (index > 0)
        QFile::remove(m_fetched.at(index - 1).file);
    if (!m_player)
        createPlayer();
    m_player->setSource(QUrl::fromLocalFile(part.file));
    m_player->play();
    setState(State::Playing);
    Q_EMIT partStarted(index);
    // One part ahead: fetched while this one sounds.
    const int next = index + 1;
    if (next < m_plan.parts.size() && m_fetching < 0 && m_fetched.at(next).file.isEmpty())
        fetch(next);
}

void RecitationPlayer::onPartEnded()
{
    const int next = m_current + 1;
    if (next >= m_plan.parts.size()) {
        stop();
        return;
    }
    m_current = next;
    const Fetched &part = m_fetched.at(next);
    if (part.file.isEmpty() && part.failure.isEmpty()) {
        setState(State::Fetching); // the network is slower than the reciter
        return;
    }
    startPart(next);
}

void RecitationPlayer::fail(const QString &message)
{
    stop();
    m_platform.message(message, QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
}

void RecitationPlayer::setState(State state)
{
    m_state = state;
    Q_EMIT changed();
}

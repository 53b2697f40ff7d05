#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class Downloader;
class Platform;
class QMediaPlayer;
class QTemporaryDir;

// One recording of a recitation: its address and what the player strip names while
// it sounds ("البقرة : 255", "سورة البقرة").
struct RecitationPart {
    QString url;
    QString caption;
};

// What one listening command plays: a single stream, or one verse after another.
struct RecitationPlan {
    QString reciter;
    QList<RecitationPart> parts;
};

// Plays recitations inside the program. Each part is fetched with the downloader into
// a scratch folder and played from there; while one part sounds the next is fetched,
// so verses follow each other without waiting for the network. A failure stops the
// recitation and is told to the reader in Arabic. One player serves every window, so
// a new recitation always replaces the one before.
class RecitationPlayer : public QObject
{
    Q_OBJECT

public:
    enum class State { Stopped, Fetching, Playing, Paused };

    explicit RecitationPlayer(Platform &platform, QObject *parent = nullptr);
    ~RecitationPlayer() override;

    void play(const RecitationPlan &plan);
    // Pauses a sounding part, or resumes a paused one.
    void togglePause();
    // Ends the whole recitation, not only the part that sounds.
    void stop();
    void seek(qint64 milliseconds);

    State state() const { return m_state; }
    QString reciter() const { return m_plan.reciter; }
    // The part playing or being fetched; empty when stopped.
    QString caption() const;
    qint64 position() const;
    qint64 duration() const;
    // How much of the part waited for has arrived, 0 to 100; -1 when nothing is awaited
    // or the server gave no length.
    int fetchedPercent() const { return m_state == State::Fetching ? m_fetchedPercent : -1; }

Q_SIGNALS:
    // State, part or caption changed.
    void changed();
    void positionChanged(qint64 position, qint64 duration);
    // A part begins to sound.
    void partStarted(int index);
    // The recitation ended: played to its end, stopped or failed.
    void finished();

private:
    struct Fetched {
        QString file;
        QString failure; // Arabic, when the part could not be fetched
    };

    void createPlayer();
    void fetch(int index);
    void onFetched(qint64 total, const QString &file);
    void startPart(int index);
    void onPartEnded();
    void fail(const QString &message);
    void setState(State state);
    QString partFile(int index) const;

    Platform &m_platform;
    QMediaPlayer *m_player = nullptr; // made on first use
    std::unique_ptr<Downloader> m_downloader;
    std::unique_ptr<QTemporaryDir> m_scratch;
    RecitationPlan m_plan;
    QList<Fetched> m_fetched;
    int m_current = -1;  // the part sounding, or waited for
    int m_fetching = -1; // the part on its way
    int m_refusedStatus = 0;
    int m_fetchedPercent = -1;
    State m_state = State::Stopped;
};

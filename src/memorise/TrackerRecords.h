#pragma once

#include <QObject>

class DataSource;
class Platform;
class UserDatabase;
struct MarkingPlan;
struct ProgramState;

// What the tracker's three pages share: the reads of the user's records (a failure told
// to the reader once) and the marking commands, of which only one runs at a time.
class TrackerRecords : public QObject
{
    Q_OBJECT

public:
    TrackerRecords(Platform &platform, ProgramState &state, UserDatabase &users, QObject *parent = nullptr);

    Platform &platform() const { return m_platform; }
    ProgramState &state() const { return m_state; }
    const QString &user() const;

    // Runs `sql` on db.mdb through `source`; false (and the reader told once) when it
    // cannot be read.
    bool read(DataSource &source, const QString &sql);
    // The user's rows of sura `sura` and of the whole text.
    bool countSaved(DataSource &source, int sura, qsizetype *suraCount, qsizetype *quranCount);

    // Runs a marking command; a failure leaves the records as they were and says so.
    void apply(const MarkingPlan &plan);
    bool marking() const { return m_marking; }

Q_SIGNALS:
    // A marking command starts or ends: its statements yield to the event loop, so every
    // control that could start another command, or change what this one reads, waits.
    void markingChanged(bool running);

private:
    Platform &m_platform;
    ProgramState &m_state;
    UserDatabase &m_users;
    bool m_readFailureReported = false;
    bool m_marking = false;
};

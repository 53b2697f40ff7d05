#include "memorise/TrackerRecords.h"

#include "core/DataSource.h"
#include "core/Platform.h"
#include "core/ProgramState.h"
#include "memorise/Marking.h"
#include "memorise/TrackerQuery.h"
#include "memorise/UserDatabase.h"

TrackerRecords::TrackerRecords(Platform &platform, ProgramState &state, UserDatabase &users, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_state(state)
    , m_users(users)
{
}

const QString &TrackerRecords::user() const
{
    return m_state.CurrentUser;
}

bool TrackerRecords::read(DataSource &source, const QString &sql)
{
    const QString records = userDatabaseFile(m_users.programFolder());
    const bool read = (source.path() == records || source.openFile(records)) && source.runQuery(sql);
    if (!read && !m_readFailureReported) {
        // Told once: the same failure would otherwise repeat on every verse.
        m_readFailureReported = true;
        m_platform.message(QStringLiteral("تعذر قراءة سجل الحفظ db.mdb، لذلك لا تظهر حالة الحفظ والإحصاءات.\n%1")
                               .arg(source.errorString()),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
    }
    return read;
}

bool TrackerRecords::countSaved(DataSource &source, int sura, qsizetype *suraCount, qsizetype *quranCount)
{
    if (!read(source, userSuraQuery(user(), sura)))
        return false;
    *suraCount = source.recordCount();
    if (!read(source, userRecordsQuery(user())))
        return false;
    *quranCount = source.recordCount();
    return true;
}

void TrackerRecords::apply(const MarkingPlan &plan)
{
    m_marking = true;
    Q_EMIT markingChanged(true);
    const UserDatabase::Outcome outcome = m_users.run(plan.statements(user()));
    m_marking = false;
    Q_EMIT markingChanged(false);
    if (outcome != UserDatabase::Outcome::Done) {
        m_platform.message(QStringLiteral("لم يتم تسجيل التغيير، وبقي سجل الحفظ كما كان قبله.\n%1").arg(m_users.errorString()),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
    }
}

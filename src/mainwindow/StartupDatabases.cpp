#include "mainwindow/StartupDatabases.h"

#include "core/Bidi.h"
#include "core/DataSource.h"
#include "net/PendingUpdate.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"

#include <QFileInfo>

namespace {

bool openVerseDatabase(const StartupDatabases &databases)
{
    // A damaged file fails here, with its reason, instead of finding nothing later.
    const QString verses = ProgramFolder::file(QStringLiteral("quran.qu"));
    return databases.results.openFile(verses, DataFileKind::Verses) && databases.verse.openFile(verses);
}

void reportInstallation(Platform &platform, const Installation &update)
{
    switch (update.result) {
    case Installation::Result::Installed:
        platform.message(QStringLiteral("تم الإنتهاء من عملية التحديث بنجاح شكرا لك"), QStringLiteral("التحديث"));
        break;
    case Installation::Result::Rejected:
        platform.message(QStringLiteral("ملف التحديث الذي تم تحميله غير صالح (%1)، لذلك لم يتم تركيبه وسيستمر البرنامج "
                                        "في استخدام قاعدة البيانات الحالية. تم الاحتفاظ بالملف باسم:\n%2")
                             .arg(update.reason, leftToRightRun(update.setAsideFile)),
                         QStringLiteral("التحديث"), Platform::Buttons::Ok, Platform::Icon::Warning);
        break;
    case Installation::Result::Failed:
        platform.message(QStringLiteral("لم يتم تركيب تحديث قاعدة البيانات الذي تم تحميله: %1.\nسيستمر البرنامج في "
                                        "استخدام قاعدة البيانات الحالية، وستعاد المحاولة عند التشغيل القادم.")
                             .arg(update.reason),
                         QStringLiteral("التحديث"), Platform::Buttons::Ok, Platform::Icon::Warning);
        break;
    }
}

} // namespace

bool openStartupDatabases(Platform &platform, const StartupDatabases &databases)
{
    const QString folder = ProgramFolder::path();
    const std::optional<Installation> update = installPendingDatabase(folder, platform.files());
    bool opened = openVerseDatabase(databases);
    const QString openingError = databases.results.isOpen() ? databases.verse.errorString() : databases.results.errorString();
    // A database installed now, or by a start that ended before this point, is kept
    // only once it opens; otherwise the one it replaced comes back.
    const bool rolledBack = settleVerseDatabase(folder, opened, platform.files());
    if (rolledBack) {
        platform.message(QStringLiteral("تعذر فتح قاعدة البيانات الجديدة (%1)، لذلك أعيدت قاعدة البيانات السابقة "
                                        "وسيستمر البرنامج في استخدامها.")
                             .arg(openingError),
                         QStringLiteral("التحديث"), Platform::Buttons::Ok, Platform::Icon::Warning);
        opened = openVerseDatabase(databases);
    } else if (update) {
        reportInstallation(platform, *update);
    }
    if (!opened) {
        const QString reason = databases.results.isOpen() ? databases.verse.errorString() : databases.results.errorString();
        platform.message(QStringLiteral("لا يمكن تشغيل البرنامج بدون قاعدة بيانات الآيات quran.qu.\n%1").arg(reason),
                         QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
        return false;
    }
    // Without the root database only the root search is unavailable; it says so itself
    // when asked. A damaged one is reported now, with what still works.
    const QString roots = ProgramFolder::file(QStringLiteral("Jthr.qu"));
    if (databases.forms.openFile(roots, DataFileKind::Roots))
        databases.roots.openFile(roots);
    else if (QFileInfo::exists(roots))
        platform.message(QStringLiteral("ملف الجذور Jthr.qu تالف، لذلك لن يعمل البحث بالجذر. بقية البرنامج يعمل كالمعتاد.\n%1")
                             .arg(databases.forms.errorString()),
                         QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
    return true;
}

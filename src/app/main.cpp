#include "ConnectionString.h"
#include "DataSource.h"
#include "ProgramFolder.h"
#include "QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora5"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
    QApplication::setLayoutDirection(Qt::RightToLeft);

    QtPlatform platform;
    DataSource verses;
    if (!verses.open(ProgramFolder::connectionString(QStringLiteral("quran.qu")))) {
        platform.message(verses.errorString(), QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
        return 1;
    }
    return 0;
}

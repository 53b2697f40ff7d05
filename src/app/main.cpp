#include "controls/DisplayFont.h"
#include "mainwindow/FrmMain.h"
#include "core/ProgramState.h"
#include "shell/QtPlatform.h"
#include "core/QtTranslations.h"
#include "core/ReaderFolder.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora5"));
    QApplication::setApplicationDisplayName(QStringLiteral("فيلمورا"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    // The installed menu entry and icon share this id; desktops match the window to them.
    QApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.velmora.Velmora")));
    installQtArabicTranslations(app);
    registerArabicFontSubstitutions();

    QtPlatform platform;
    if (!ReaderFolder::setUp(platform, QCoreApplication::applicationDirPath()))
        return 1;
    ProgramState state;
    FrmMain window(platform, state);
    platform.setDialogParent(&window);
    if (!window.Form_Load())
        return 0;
    window.show();
    return app.exec();
}

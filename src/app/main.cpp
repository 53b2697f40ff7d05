#include "DisplayFont.h"
#include "FrmMain.h"
#include "ProgramState.h"
#include "QtPlatform.h"
#include "QtTranslations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora5"));
    QApplication::setApplicationDisplayName(QStringLiteral("فيلمورا"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    installQtArabicTranslations(app);
    registerArabicFontSubstitutions();

    QtPlatform platform;
    ProgramState state;
    FrmMain window(platform, state);
    platform.setDialogParent(&window);
    if (!window.Form_Load())
        return 0;
    window.show();
    return app.exec();
}

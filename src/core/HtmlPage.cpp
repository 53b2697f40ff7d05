#include "core/HtmlPage.h"

QString htmlPage(const QString &body)
{
    return QStringLiteral("<HTML>") + QStringLiteral("<html dir=\"rtl\">") + QStringLiteral("<HEAD></HEAD>")
        + QStringLiteral("<BODY>") + body + QStringLiteral("</BODY>") + QStringLiteral("</HTML>");
}

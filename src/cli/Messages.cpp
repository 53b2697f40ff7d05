#include "cli/Messages.h"

#include <QByteArray>


Messages::Messages()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty()) {
            m_arabic = value.startsWith("ar");
            return;
        }
    }
}

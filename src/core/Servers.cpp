#include "Servers.h"

#include "ProgramFolder.h"

#include <QSettings>

namespace {

QString folderAddress(const QSettings &ini, const QString &key)
{
    QString address = ini.value(key).toString().trimmed();
    if (address.isEmpty())
        address = Servers::localSite();
    if (!address.endsWith(u'/'))
        address += u'/';
    return address;
}

// A list of exactly `count` names; missing ones are numbered.
QStringList names(const QSettings &ini, const QString &key, int count)
{
    QStringList list = ini.value(key).toStringList();
    for (QString &name : list)
        name = name.trimmed();
    list.resize(count);
    for (int i = 0; i < count; ++i) {
        if (list.at(i).isEmpty())
            list[i] = QStringLiteral("القارئ %1").arg(i + 1);
    }
    return list;
}

} // namespace

Servers Servers::load(const QString &iniFile)
{
    QSettings ini(iniFile, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Servers"));
    Servers servers;
    servers.updateServer = folderAddress(ini, QStringLiteral("UpdateServer"));
    servers.pageImageServer = folderAddress(ini, QStringLiteral("PageImageServer"));
    servers.scriptImageServer = folderAddress(ini, QStringLiteral("ScriptImageServer"));
    servers.wholeSuraPlayBase = folderAddress(ini, QStringLiteral("WholeSuraPlayBase"));
    servers.wholeSuraSaveBase = folderAddress(ini, QStringLiteral("WholeSuraSaveBase"));
    servers.partialRecitationBase = folderAddress(ini, QStringLiteral("PartialRecitationBase"));
    servers.connectivityProbe = QUrl(folderAddress(ini, QStringLiteral("ConnectivityProbe")));
    servers.playerCommand = ini.value(QStringLiteral("PlayerCommand")).toString().trimmed();
    servers.wholeSuraReciters = names(ini, QStringLiteral("WholeSuraReciters"), 14);
    servers.partialReciters = names(ini, QStringLiteral("PartialReciters"), 2);
    return servers;
}

Servers Servers::load()
{
    return load(ProgramFolder::file(QStringLiteral("servers.ini")));
}

QString Servers::localSite()
{
    return QStringLiteral("http://127.0.0.1:47470/");
}

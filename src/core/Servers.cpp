#include "core/Servers.h"

#include "core/ProgramFolder.h"

#include <QSettings>

namespace {

// The folder address of a key, ending in "/"; empty when the key is not set.
QString setFolderAddress(const QSettings &ini, const QString &key)
{
    QString address = ini.value(key).toString().trimmed();
    if (!address.isEmpty() && !address.endsWith(u'/'))
        address += u'/';
    return address;
}

QString folderAddress(const QSettings &ini, const QString &key)
{
    const QString address = setFolderAddress(ini, key);
    return address.isEmpty() ? Servers::localSite() : address;
}

// Exactly `count` reciters of a group. Names come from ReciterName/<n>, else from the
// older comma-separated list key in "Servers", else they are numbered.
QList<Servers::Reciter> reciters(QSettings &ini, const QString &group, const QString &listKey, int count)
{
    const QStringList listed = ini.value(QStringLiteral("Servers/") + listKey).toStringList();
    ini.beginGroup(group);
    QList<Servers::Reciter> list(count);
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i + 1);
        QString name = ini.value(QStringLiteral("ReciterName/") + n).toString().trimmed();
        if (name.isEmpty() && i < listed.size())
            name = listed.at(i).trimmed();
        list[i].name = name.isEmpty() ? QStringLiteral("القارئ %1").arg(n) : name;
        list[i].verseAudio = ini.value(QStringLiteral("VerseAudio/") + n).toString().trimmed();
    }
    ini.endGroup();
    return list;
}

} // namespace

Servers Servers::load(const QString &iniFile)
{
    QSettings ini(iniFile, QSettings::IniFormat);
    Servers servers;
    servers.wholeSuraReciters = reciters(ini, QStringLiteral("WholeSura"), QStringLiteral("WholeSuraReciters"), 14);
    servers.partialReciters = reciters(ini, QStringLiteral("VerseRange"), QStringLiteral("PartialReciters"), 2);
    ini.beginGroup(QStringLiteral("Servers"));
    servers.updateServer = folderAddress(ini, QStringLiteral("UpdateServer"));
    servers.pageImageServer = folderAddress(ini, QStringLiteral("PageImageServer"));
    servers.scriptImageServer = folderAddress(ini, QStringLiteral("ScriptImageServer"));
    servers.wholeSuraPlayBase = setFolderAddress(ini, QStringLiteral("WholeSuraPlayBase"));
    servers.wholeSuraSaveBase = setFolderAddress(ini, QStringLiteral("WholeSuraSaveBase"));
    servers.partialRecitationBase = setFolderAddress(ini, QStringLiteral("PartialRecitationBase"));
    servers.connectivityProbe = QUrl(folderAddress(ini, QStringLiteral("ConnectivityProbe")));
    servers.playerCommand = ini.value(QStringLiteral("PlayerCommand")).toString().trimmed();
    return servers;
}

Servers Servers::load()
{
    return load(ProgramFolder::file(QStringLiteral("servers.ini")));
}

QStringList Servers::names(const QList<Reciter> &reciters)
{
    QStringList list;
    for (const Reciter &reciter : reciters)
        list.append(reciter.name);
    return list;
}

QString Servers::localSite()
{
    return QStringLiteral("http://127.0.0.1:47470/");
}

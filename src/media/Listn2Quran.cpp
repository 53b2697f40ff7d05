#include "Listn2Quran.h"

#include "Platform.h"
#include "RecitationDownload.h"
#include "Servers.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "SuraTables.h"

#include <array>

namespace Listn2Quran {

namespace {

// The whole-sura server's folder of each reciter row.
constexpr std::array<int, WholeSuraReciterCount> ReciterFolders = {47, 144, 99, 57, 45, 21, 213, 133, 82, 74, 66, 35, 126, 122};

} // namespace

int wholeSuraFolder(int reciterRow)
{
    if (reciterRow < 0 || reciterRow >= WholeSuraReciterCount)
        return 0;
    return ReciterFolders[reciterRow];
}

QString wholeSuraFileName(int suraIndex)
{
    const int sura = suraIndex + 1;
    // Sura numbers of one and two digits are padded with zeros to three.
    const QString prefix = sura >= 1 && sura <= 9 ? QStringLiteral("00") : (sura >= 10 && sura <= 99 ? QStringLiteral("0") : QString());
    return prefix + QString::number(sura) + QStringLiteral(".rm");
}

QString wholeSuraPath(int suraIndex, int reciterRow)
{
    return QStringLiteral("quran3/") + QString::number(wholeSuraFolder(reciterRow)) + u'/' + wholeSuraFileName(suraIndex);
}

QString verseRangePath(int sura, int first, int last, int reciterCode)
{
    return QStringLiteral("cgi-bin/recite.pl?s=%1&f=%2&t=%3&r=%4").arg(sura).arg(first).arg(last).arg(reciterCode);
}

void PlayWholeSura(Platform &platform, const Servers &servers, int suraIndex, int reciterRow)
{
    platform.startProgram(servers.playerCommand, servers.wholeSuraPlayBase + wholeSuraPath(suraIndex, reciterRow));
}

void DownloadWholeSura(Platform &platform, const Servers &servers, int suraIndex, int reciterRow, QWidget *parent)
{
    const QString target = platform.saveFileName(QStringLiteral("حفظ التلاوة"), wholeSuraFileName(suraIndex),
                                                 QStringLiteral("RealMedia (*.rm)"));
    if (target.isEmpty())
        return;
    auto *download = new RecitationDownload(platform, parent);
    download->start(servers.wholeSuraSaveBase + wholeSuraPath(suraIndex, reciterRow), target);
}

bool PlayVerseRange(Platform &platform, const Servers &servers, int sura, int first, int last, int reciterCode)
{
    if (first > last) {
        platform.message(QStringLiteral("رقم آية البداية أكبر من رقم آية النهاية"), QStringLiteral("خطأ"));
        return false;
    }
    platform.startProgram(servers.playerCommand, servers.partialRecitationBase + verseRangePath(sura, first, last, reciterCode));
    return true;
}

void listenVerse(Platform &platform, const Servers &servers, int sura, int verse)
{
    PlayVerseRange(platform, servers, sura, verse, verse, 1);
}

void listenToSuraEnd(Platform &platform, const Servers &servers, int sura, int verse)
{
    if (sura < 1 || sura > SuraCount)
        return;
    PlayVerseRange(platform, servers, sura, verse, SuraVerseCounts[sura - 1], 1);
}

void listenWholeSura(Platform &platform, const Servers &servers, int sura)
{
    const int reciter = Settings::value(SettingKeys::ReaderName, SettingKeys::DefaultReaderName).toInt();
    PlayWholeSura(platform, servers, sura - 1, reciter);
}

} // namespace Listn2Quran

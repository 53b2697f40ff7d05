#include "media/Listn2Quran.h"

#include "core/Platform.h"
#include "media/RecitationDownload.h"
#include "core/Servers.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/SuraTables.h"

#include <QRegularExpression>
#include <QUrl>

#include <array>

namespace Listn2Quran {

namespace {

// The whole-sura server's folder of each reciter row.
constexpr std::array<int, WholeSuraReciterCount> ReciterFolders = {47, 144, 99, 57, 45, 21, 213, 133, 82, 74, 66, 35, 126, 122};

Servers::Reciter reciterAt(const QList<Servers::Reciter> &reciters, int row)
{
    return row >= 0 && row < reciters.size() ? reciters.at(row) : Servers::Reciter{};
}

QString verseCaption(int sura, int verse)
{
    return QStringLiteral("%1 : %2").arg(SuraNames.at(sura - 1)).arg(verse);
}

// One part per verse from `first` to `last`, when the reciter has a per-verse template.
QList<RecitationPart> verseParts(const Servers::Reciter &reciter, int sura, int first, int last)
{
    QList<RecitationPart> parts;
    for (int verse = first; verse <= last; ++verse)
        parts.append({verseAddress(reciter.verseAudio, sura, verse), verseCaption(sura, verse)});
    return parts;
}

bool isSura(int sura)
{
    return sura >= 1 && sura <= SuraCount;
}

void tellNoServer(Platform &platform)
{
    platform.message(QStringLiteral("لا يوجد خادم تلاوات لهذا القارئ في هذه النسخة من البرنامج، لذلك لا يمكن الاستماع إليه."),
                     QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
}

// The player command gets the single address of the recitation, as it always has;
// otherwise the in-program player plays the plan.
void play(Platform &platform, const Servers &servers, RecitationPlayer &player, const RecitationPlan &plan,
          const QString &base, const QString &path)
{
    if (!servers.playerCommand.isEmpty()) {
        if (base.isEmpty())
            tellNoServer(platform);
        else if (!platform.startProgram(servers.playerCommand, base + path))
            platform.message(QStringLiteral("تعذر تشغيل برنامج الاستماع المحدد لهذه النسخة من البرنامج، فلم تبدأ التلاوة."),
                             QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    if (plan.parts.isEmpty()) {
        tellNoServer(platform);
        return;
    }
    player.play(plan);
}

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

QString verseAddress(const QString &pattern, int sura, int verse)
{
    static const QRegularExpression field(QStringLiteral("\\{(sura|aya)(?::(\\d))?\\}"));
    QString address;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : field.globalMatch(pattern)) {
        const int number = match.captured(1) == u"sura" ? sura : verse;
        const int width = match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
        address += pattern.mid(from, match.capturedStart() - from) + QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
        from = match.capturedEnd();
    }
    return address + pattern.mid(from);
}

RecitationPlan wholeSuraPlan(const Servers &servers, int suraIndex, int reciterRow)
{
    const Servers::Reciter reciter = reciterAt(servers.wholeSuraReciters, reciterRow);
    const int sura = suraIndex + 1;
    RecitationPlan plan{reciter.name, {}};
    if (!reciter.verseAudio.isEmpty() && isSura(sura))
        plan.parts = verseParts(reciter, sura, 1, SuraVerseCounts[suraIndex]);
    else if (!servers.wholeSuraPlayBase.isEmpty())
        plan.parts = {{servers.wholeSuraPlayBase + wholeSuraPath(suraIndex, reciterRow),
                       isSura(sura) ? QStringLiteral("سورة ") + SuraNames.at(suraIndex) : QString()}};
    return plan;
}

RecitationPlan verseRangePlan(const Servers &servers, int sura, int first, int last, int reciterCode)
{
    const Servers::Reciter reciter = reciterAt(servers.partialReciters, reciterCode);
    RecitationPlan plan{reciter.name, {}};
    if (!reciter.verseAudio.isEmpty() && isSura(sura))
        plan.parts = verseParts(reciter, sura, first, last);
    else if (!servers.partialRecitationBase.isEmpty()) {
        QString caption;
        if (isSura(sura))
            caption = first == last ? verseCaption(sura, first) : verseCaption(sura, first) + QStringLiteral(" - %1").arg(last);
        plan.parts = {{servers.partialRecitationBase + verseRangePath(sura, first, last, reciterCode), caption}};
    }
    return plan;
}

QString verseRangePath(int sura, int first, int last, int reciterCode)
{
    return QStringLiteral("cgi-bin/recite.pl?s=%1&f=%2&t=%3&r=%4").arg(sura).arg(first).arg(last).arg(reciterCode);
}

void PlayWholeSura(Platform &platform, const Servers &servers, RecitationPlayer &player, int suraIndex, int reciterRow)
{
    play(platform, servers, player, wholeSuraPlan(servers, suraIndex, reciterRow), servers.wholeSuraPlayBase,
         wholeSuraPath(suraIndex, reciterRow));
}

void DownloadWholeSura(Platform &platform, const Servers &servers, int suraIndex, int reciterRow, QWidget *parent)
{
    const Servers::Reciter reciter = reciterAt(servers.wholeSuraReciters, reciterRow);
    const int sura = suraIndex + 1;
    const bool byVerse = !reciter.verseAudio.isEmpty() && isSura(sura);
    if (!byVerse && servers.wholeSuraSaveBase.isEmpty()) {
        tellNoServer(platform);
        return;
    }
    if (!byVerse) {
        const QString target = platform.saveFileName(QStringLiteral("حفظ التلاوة"), wholeSuraFileName(suraIndex),
                                                     QStringLiteral("RealMedia (*.rm)"));
        if (target.isEmpty())
            return;
        auto *download = new RecitationDownload(platform, parent);
        download->start({{servers.wholeSuraSaveBase + wholeSuraPath(suraIndex, reciterRow), target}});
        return;
    }
    // Verse by verse: the sura's folder holds each verse under its file name on the server.
    const QString folder = platform.saveFileName(QStringLiteral("حفظ التلاوة في مجلد"), SuraNames.at(suraIndex), QString());
    if (folder.isEmpty())
        return;
    QList<RecitationDownload::File> files;
    for (int verse = 1; verse <= SuraVerseCounts[suraIndex]; ++verse) {
        const QString address = verseAddress(reciter.verseAudio, sura, verse);
        const QString name = QUrl(address).fileName();
        files.append({address, name.isEmpty() ? verseAddress(QStringLiteral("{sura:3}{aya:3}"), sura, verse) : name});
    }
    auto *download = new RecitationDownload(platform, parent);
    download->startFolder(files, folder);
}

bool PlayVerseRange(Platform &platform, const Servers &servers, RecitationPlayer &player, int sura, int first, int last,
                    int reciterCode)
{
    if (first > last) {
        platform.message(QStringLiteral("رقم آية البداية أكبر من رقم آية النهاية"), QStringLiteral("خطأ"));
        return false;
    }
    play(platform, servers, player, verseRangePlan(servers, sura, first, last, reciterCode), servers.partialRecitationBase,
         verseRangePath(sura, first, last, reciterCode));
    return true;
}

void listenVerse(Platform &platform, const Servers &servers, RecitationPlayer &player, int sura, int verse)
{
    PlayVerseRange(platform, servers, player, sura, verse, verse, 1);
}

void listenToSuraEnd(Platform &platform, const Servers &servers, RecitationPlayer &player, int sura, int verse)
{
    if (!isSura(sura))
        return;
    PlayVerseRange(platform, servers, player, sura, verse, SuraVerseCounts[sura - 1], 1);
}

void listenWholeSura(Platform &platform, const Servers &servers, RecitationPlayer &player, int sura)
{
    const int reciter = Settings::value(SettingKeys::ReaderName, SettingKeys::DefaultReaderName).toInt();
    PlayWholeSura(platform, servers, player, sura - 1, reciter);
}

} // namespace Listn2Quran

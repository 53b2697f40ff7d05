#include "core/SuraTables.h"

#include <algorithm>
#include <numeric>

const QStringList SuraNames = {
    QStringLiteral("الفاتحة"), QStringLiteral("البقرة"), QStringLiteral("آل عمران"),
    QStringLiteral("النساء"), QStringLiteral("المائدة"), QStringLiteral("الأنعام"),
    QStringLiteral("الأعراف"), QStringLiteral("الأنفال"), QStringLiteral("التوبة"),
    QStringLiteral("يونس"), QStringLiteral("هود"), QStringLiteral("يوسف"),
    QStringLiteral("الرعد"), QStringLiteral("إبراهيم"), QStringLiteral("الحجر"),
    QStringLiteral("النحل"), QStringLiteral("الإسراء"), QStringLiteral("الكهف"),
    QStringLiteral("مريم"), QStringLiteral("طه"), QStringLiteral("الأنبياء"),
    QStringLiteral("الحج"), QStringLiteral("المؤمنون"), QStringLiteral("النور"),
    QStringLiteral("الفرقان"), QStringLiteral("الشعراء"), QStringLiteral("النمل"),
    QStringLiteral("القصص"), QStringLiteral("العنكبوت"), QStringLiteral("الروم"),
    QStringLiteral("لقمان"), QStringLiteral("السجدة"), QStringLiteral("الأحزاب"),
    QStringLiteral("سبأ"), QStringLiteral("فاطر"), QStringLiteral("يس"),
    QStringLiteral("الصافات"), QStringLiteral("صـ"), QStringLiteral("الزمر"),
    QStringLiteral("غافر"), QStringLiteral("فصلت"), QStringLiteral("الشورى"),
    QStringLiteral("الزخرف"), QStringLiteral("الدخان"), QStringLiteral("الجاثية"),
    QStringLiteral("الأحقاف"), QStringLiteral("محمد"), QStringLiteral("الفتح"),
    QStringLiteral("الحجرات"), QStringLiteral("قـ"), QStringLiteral("الذاريات"),
    QStringLiteral("الطور"), QStringLiteral("النجم"), QStringLiteral("القمر"),
    QStringLiteral("الرحمن"), QStringLiteral("الواقعة"), QStringLiteral("الحديد"),
    QStringLiteral("المجادلة"), QStringLiteral("الحشر"), QStringLiteral("الممتحنة"),
    QStringLiteral("الصف"), QStringLiteral("الجمعة"), QStringLiteral("المنافقون"),
    QStringLiteral("التغابن"), QStringLiteral("الطلاق"), QStringLiteral("التحريم"),
    QStringLiteral("الملك"), QStringLiteral("القلم"), QStringLiteral("الحاقة"),
    QStringLiteral("المعارج"), QStringLiteral("نوح"), QStringLiteral("الجن"),
    QStringLiteral("المزّمِّل"), QStringLiteral("المدّثر"), QStringLiteral("القيامة"),
    QStringLiteral("الإنسان"), QStringLiteral("المرسلات"), QStringLiteral("النبأ"),
    QStringLiteral("النازعات"), QStringLiteral("عبس"), QStringLiteral("التكوير"),
    QStringLiteral("الإنفطار"), QStringLiteral("المطففين"), QStringLiteral("الانشقاق"),
    QStringLiteral("البروج"), QStringLiteral("الطارق"), QStringLiteral("الأعلى"),
    QStringLiteral("الغاشية"), QStringLiteral("الفجر"), QStringLiteral("البلد"),
    QStringLiteral("الشمس"), QStringLiteral("الليل"), QStringLiteral("الضحى"),
    QStringLiteral("الشرح"), QStringLiteral("التين"), QStringLiteral("العلق"),
    QStringLiteral("القدر"), QStringLiteral("البينة"), QStringLiteral("الزلزلة"),
    QStringLiteral("العاديات"), QStringLiteral("القارعة"), QStringLiteral("التكاثر"),
    QStringLiteral("العصر"), QStringLiteral("الهُمَزَة"), QStringLiteral("الفيل"),
    QStringLiteral("قريش"), QStringLiteral("الماعون"), QStringLiteral("الكوثر"),
    QStringLiteral("الكافرون"), QStringLiteral("النصر"), QStringLiteral("المسد"),
    QStringLiteral("الإخلاص"), QStringLiteral("الفلق"), QStringLiteral("الناس"),
};

const std::array<int, SuraCount> SuraVerseCounts = {
    7,   286, 200, 176, 120, 165, 206, 75,  129, 109, 123, 111, 43,  52,  99,  128, 111, 110, 98,  135,
    112, 78,  118, 64,  77,  227, 93,  88,  69,  60,  34,  30,  73,  54,  45,  83,  182, 88,  75,  85,
    54,  53,  89,  59,  37,  35,  38,  29,  18,  45,  60,  49,  62,  55,  78,  96,  29,  22,  24,  13,
    14,  11,  11,  18,  12,  12,  30,  52,  52,  44,  28,  28,  20,  56,  40,  31,  50,  40,  46,  42,
    29,  19,  36,  25,  22,  17,  19,  26,  30,  20,  15,  21,  11,  8,   8,   19,  5,   8,   8,   11,
    11,  8,   3,   9,   5,   4,   7,   3,   6,   3,   5,   4,   5,   6,
};

static_assert(SuraVerseCounts.size() == SuraCount);

namespace {

QStringList makeSuraTypes()
{
    const QString meccan = QStringLiteral("مكية");
    const QString medinan = QStringLiteral("مدنية");
    QStringList types(SuraCount, meccan);
    for (int sura : {2, 3, 4, 5, 8, 9, 13, 22, 24, 33, 47, 48, 49, 55, 56, 58, 59, 60, 61, 62,
                     63, 64, 65, 66, 76, 98, 99, 110})
        types[sura - 1] = medinan;
    // Sura 57 has always been shown with this spelling; stored data and readers rely on it.
    types[57 - 1] = QStringLiteral("مدينة");
    return types;
}

// Running number of the verse before the first verse of each sura.
std::array<int, SuraCount + 1> makeSuraStarts()
{
    std::array<int, SuraCount + 1> starts{};
    std::partial_sum(SuraVerseCounts.begin(), SuraVerseCounts.end(), starts.begin() + 1);
    return starts;
}

const std::array<int, SuraCount + 1> SuraStarts = makeSuraStarts();

} // namespace

const QStringList SuraTypes = makeSuraTypes();

std::optional<int> verseId(int sura, int verse)
{
    if (sura < 1 || sura > SuraCount || verse < 1 || verse > SuraVerseCounts[sura - 1])
        return std::nullopt;
    return SuraStarts[sura - 1] + verse;
}

std::optional<VerseRef> verseOfId(int id)
{
    if (id < 1 || id > VerseTotal)
        return std::nullopt;
    const auto next = std::lower_bound(SuraStarts.begin() + 1, SuraStarts.end(), id);
    const int sura = int(next - SuraStarts.begin());
    return VerseRef{sura, id - SuraStarts[sura - 1]};
}

#include "data/RootAnalyser.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <vector>

// How it works (docs/data.md has the reader's version):
// 1. Every word is split in every way the clitics allow: conjunction, preposition or
//    future sign, article in front; inflection and pronoun endings behind.
// 2. Every remaining stem is laid on the derivation patterns; a match yields a root of
//    three letters (four where two letters repeat or the root is listed). Weak letters
//    that the pattern hides (hollow, defective, doubled and assimilated roots) give one
//    candidate for each letter they may stand for; hand-written lists say which weak,
//    hamzated and doubled roots the text uses and which stems no pattern reaches.
// 3. Each candidate has a cost (letters taken off, how unusual the pattern is, a root
//    the lists do not know, a stem the text uses with no other ending). A root is
//    supported by the words of the text that can come from it, each word sharing
//    itself among its readings; the word takes the candidate with the best support for
//    its cost, but only when it beats every other root clearly. Otherwise the word
//    keeps a root of its own.

namespace {

constexpr double CostWeight = 1.5;        // doublings of support that one unit of cost outweighs
constexpr double RequiredMargin = 0.5;    // how clearly the best root must win
constexpr double IrregularBonus = 1.5;    // a hand-listed stem beats most pattern readings
constexpr double SupportSlack = 1.0;      // how far above its plainest reading a word still supports a root
constexpr double UnknownMarkedCost = 2.0; // a weak, hamzated or doubled root the text is not known to use
constexpr double WeakSwapCost = 0.5;      // reading a written و as ي or the other way round
constexpr double RareStemCost = 2.0;      // a stem the text never uses with another ending
constexpr double MinimumSupport = 1.5;    // a root shared by the word and at least part of another
constexpr double FeminineAlefCost = 2.0;  // a final ى read as the ending of فعلى
constexpr double PrefixLetterCost = 1.0;  // a root starting with ت, which is nearly always a prefix
constexpr double ShortConjunctionCost = 1.0; // و or ف read as a conjunction before a stem of two letters
constexpr double PastEndingCost = 1.0;    // a bare word of two letters and ت read as a root ending in ت
constexpr int SupportRounds = 4;          // rounds that move a word's share towards its best-supported root

const QChar Hamza(0x0621);
const QChar Alef(0x0627);
const QChar Waw(0x0648);
const QChar Ya(0x064A);

// Hamza on any seat is one letter of the root; alef maqsura is the weak ya, except where
// a particle or name is told from a word with an ending (كفى is not ك + في).
QString analysisForm(const QString &word, bool keepAlefMaqsura = false)
{
    QString form;
    for (const QChar c : word) {
        switch (c.unicode()) {
        case 0x0622: // آ: hamza + alef
            form += Hamza;
            form += Alef;
            break;
        case 0x0623: case 0x0625: case 0x0624: case 0x0626: // أ إ ؤ ئ
            form += Hamza;
            break;
        case 0x0649: // ى
            form += keepAlefMaqsura ? c : Ya;
            break;
        case 0x0671: // ٱ
            form += Alef;
            break;
        default:
            form += c;
        }
    }
    return form;
}

QSet<QString> normalisedSet(const QStringList &words, bool keepAlefMaqsura = false)
{
    QSet<QString> set;
    for (const QString &word : words)
        set.insert(analysisForm(word, keepAlefMaqsura));
    return set;
}

// Particles, pronouns, demonstratives and relatives: they have no root worth searching
// for, and the patterns would otherwise read them as roots (على as علو, ما as موه).
const QSet<QString> &functionWords()
{
    static const QSet<QString> words = normalisedSet({
        "من", "ما", "لا", "لم", "لن", "إن", "أن", "إلا", "إلى", "على", "عن", "في", "قد", "هل", "بل", "ثم",
        "أو", "أم", "إذ", "إذا", "إذن", "لو", "لولا", "لوما", "حتى", "كي", "كيف", "أين", "متى", "أنى", "أيان",
        "هو", "هي", "هم", "هن", "هما", "أنت", "أنتم", "أنتن", "أنتما", "أنا", "نحن", "إيا", "الذي", "التي",
        "الذين", "اللذان", "اللذين", "اللاتي", "اللائي", "اللتي", "هذا", "هذه", "هذان", "هذين", "هاتين",
        "هؤلاء", "ذلك", "ذلكم", "ذلكما", "ذلكن", "تلك", "تلكم", "أولئك", "أولئكم", "هنا", "هنالك", "ثمة",
        "كل", "كلا", "كلتا", "بعض", "غير", "سوى", "عند", "لدى", "لدن", "مع", "لكن", "إنما", "أنما", "كأن",
        "كأنما", "ألا", "أما", "إما", "لما", "بلى", "نعم", "يا", "أي", "أيها", "ياأيها", "أيتها", "مهما",
        "كذلك", "كما", "مما", "ممن", "عما", "فيم", "لم", "بم", "عم", "مم", "ذا", "ذو", "ذي", "ذات", "ذوا",
        "ذوات", "أولو", "أولي", "أولات", "ها", "هات", "هاؤم", "هيت", "لات", "ليت", "لعل", "كأين", "كم",
        "إي", "أف", "لكي", "ريث", "حيث", "إذما", "هيهات", "سبحان", "إنا", "إنني", "إني",
    }, true);
    return words;
}

// Proper names: their letters are not a root of the text.
const QSet<QString> &properNames()
{
    static const QSet<QString> words = normalisedSet({
        "موسى", "فرعون", "إبراهيم", "عيسى", "مريم", "نوح", "لوط", "يوسف", "هارون",
        "إسرائيل", "إسماعيل", "إسحاق", "يعقوب", "داود", "سليمان", "محمد", "أحمد", "زكريا", "يحيى", "إلياس",
        "يونس", "شعيب", "هود", "عاد", "ثمود", "مدين", "جهنم", "جبريل", "ميكال", "هامان", "قارون", "جالوت",
        "طالوت", "يأجوج", "مأجوج", "بابل", "مصر", "مكة", "بكة", "يثرب", "آدم", "إدريس", "عمران", "لقمان",
        "إبليس", "قريش", "الروم", "سبأ", "أيوب", "ذا", "الكفل", "إلياسين", "ياسين", "هاروت", "ماروت", "عزير",
        "تبع", "إرم", "سيناء", "سينين", "طوى", "الجودي", "المجوس", "الصابئين", "الصابئون", "النصارى",
        "اليهود", "الإنجيل", "التوراة", "زيد", "رمضان", "لات", "العزى", "مناة", "ود", "سواع", "يغوث", "يعوق",
        "نسرا", "آزر", "بعلا", "الرس", "الأيكة", "الحجر", "قريش", "سقر", "سلسبيلا", "زنجبيلا", "كافورا",
        "تسنيم", "الفردوس", "عليين", "سجين", "سامري", "السامري", "ذي", "القرنين", "يوسف", "إسحق",
    }, true);
    return words;
}

// Roots with a weak letter, a hamza or a doubled letter that the text uses. Such roots
// hide or change letters, so the patterns offer several of them for one word (ظنوا:
// ظنن or ظنو; المستقيم: قيم or قوم); a reading whose root is not listed here costs
// more. Roots of three sound letters need no list: the patterns show them whole.
const QSet<QString> &knownMarkedRoots()
{
    static const QSet<QString> roots = [] {
        const QStringList groups = {
            // Hollow, middle و.
            "قول قوم كون توب خوف موت نور زور صوم دور روح عود فوز فوت لوم نوم حول طوف طول قود سوء سوق سور دوم "
            "صور صوت ضوء عون فوق قوت كوب لوح موج موه نوح نوس هون حوت خون دول ذوق روغ زول سود سوط شور صوب طوع "
            "عوذ عوج غور فور قوس كور لون أوب أول أوي بوأ بور ثوب ثوي جوب جود جوز جوع جوف حوب حوج حوذ حور حوش "
            "حوط خوض خول ذود روض روع رود زوج سوح سوغ سوم شوك صوف طوق عول غوث غوص غوي فوه فوج لوذ ميد نوء نول "
            "نوش هود روم سوي لوي هوي كود ضير حوي غول قوب دون سوع نوب قوي جور دوب زيت",
            // Hollow, middle ي.
            "بيع سير خير طيب عيش زيد بين بيت ريب دين ضيف ضيق عين غيب غيث غير غيظ فيء كيد كيل ليل ميل ميز شيء "
            "جيء حيث حيد حير حيض حيف حين خيب خيط خيل خيم ذيع ريش زيغ زين سيل شيب شيخ صيد صيح صير ضيع طير عيب "
            "عير عيل فيض قيض لين نيل هيم بيض جيب شيع ضيز هيل سين عيي شيط هيأ ليس",
            // Defective.
            "دعو تلو علو عفو دنو رجو سمو عدو غدو بدو خلو زكو نجو صلو شكو لهو لغو سهو دلو صفو عصو عتو قسو نسو "
            "أبو أخو بلو جثو خطو ربو رضو زهو سطو سلو صحو ضحو عشو غلو غزو قنو كسو محو نحو دحو طحو ندو صغو "
            "هدي بقي لقي ولي مشي بني خشي نهي جزي قضي عصي سعي بكي وحي وقي أتي رأي شفي كفي مضي رمي جري سقي نسي "
            "نفي أبي حيي حمي خفي دري رعي رقي زني سري شري شقي عمي غني فتي فدي قري ملي وصي وفي بغي ثني جني "
            "حكي خزي سوي طوي عري عني غشي غلي قصي لوي مري نوي هوي يدي أذي أسي أني أوي جبي جلي حفي حلي حلو دوي "
            "رسي شوي صدي طغي غطي فني قلي كري مني نأي هجو وري وعي بهو حذو جفو رنو شتو صبو أسو "
            "أمي تقي دهي ذكي رثي زوي شهو قفو كبو مطو مهو نشو وني دمي عطو فري نصو عسي ذرو نبي",
            // Assimilated.
            "وعد وجد ولد وضع وقع ورث يسر يقن وهب وكل وزن وثق وعظ وصل وقت وجه وحد وسع وصف وزر وسط وسق وطن وفد "
            "وفق وقد وقف وقر ولج ويل يبس يتم يمن يئس يوم وجب وجل وجف وحش ودع ودد ورد ورق وصد وصب وقب وكأ وهن "
            "وتر وتد وتن وثن وزع وسم وطأ وضأ وجس ولت يقظ ينع يمم يقط وبل وبر وثب وسن وصم وضن "
            "وطر وعي وفر وقذ وكز ولي",
            // Doubled.
            "أمم بتت برر بسس بلل تبب تمم ثجج ثلل جبب جدد جرر جزز جلل جمم جنن حبب حجج حدد حرر حسس حصص حضض حطط "
            "حظظ حفف حقق حلل حمم خرر خصص خطط خفف خلل دبب دسس دعع دكك دلل ذبب ذرر ذلل ربب رجج ردد رصص رفف رقق "
            "رمم زفف زلل سبب سدد سرر سطط سلل سمم سنن شحح شدد شرر شقق شكك شمم صبب صدد صرر صفف صكك صمم ضرر ضلل "
            "طلل طمم ظلل ظنن عدد عزز عسس عضض علل عمم غرر غضض غلل غمم فجج فرر فضض فكك قدد قرر قصص قضض قطط قلل "
            "كبب كرر كفف كلل كنن لبب لجج لذذ لفف لمم مدد مرر مسس ملل منن نصص همم هزز هدد ودد يمم رضض ضنن عقق "
            "غصص فظظ كمم حثث بثث هشش شذذ دقق حسس خسس صعع أزز أفف أنن جثث سحح شبب مجج عفف ذمم دبب",
            // Hamza.
            "أبد أبق أبل أتي أثر أثل أثم أجر أجل أحد أخذ أخر أدم أدي أذن أرب أرض أرك أزر أزف أسر أسس أسف أسن "
            "أصر أصل أفق أفك أفل أكل ألف ألم أله ألو أمد أمر أمل أمن أنث أنس أنف أهل أيد أيك أين أبب أكد "
            "بأس بئر برأ بطأ تبأ جأر جزأ خبأ خسأ خطأ دأب دفأ درأ ذرأ ذأم رأس رأف سأل سأم سوأ شنأ شطأ ضأن ظمأ "
            "عبأ فأد فيأ قرأ كأس كلأ لؤلؤ لجأ لؤم ملأ مرأ نأي نبأ نشأ هزأ هنأ يأس بدأ ذئب فئد طفأ",
            // Sound, first letter ت.
            "تبر تبع تجر تحت ترب ترف ترك تسع تعس تفث تقن تمر تنر",
        };
        QSet<QString> set;
        for (const QString &group : groups) {
            for (const QString &root : group.split(u' ', Qt::SkipEmptyParts))
                set.insert(analysisForm(root));
        }
        return set;
    }();
    return roots;
}

// Stems (clitics and endings off) whose root no pattern reaches: dropped or changed
// root letters, and a few readings the patterns would get wrong.
const QHash<QString, QString> &irregularStems()
{
    static const QHash<QString, QString> stems = [] {
        const QList<QPair<QString, QString>> list = {
            {"إيمان", "أمن"}, {"رحمن", "رحم"}, {"خذ", "أخذ"}, {"اتخذ", "أخذ"}, {"يتخذ", "أخذ"}, {"تتخذ", "أخذ"},
            {"نتخذ", "أخذ"}, {"أتخذ", "أخذ"}, {"متخذ", "أخذ"}, {"اتق", "وقي"}, {"يتق", "وقي"}, {"تتق", "وقي"},
            {"متق", "وقي"}, {"تقو", "وقي"}, {"تقوى", "وقي"}, {"تقي", "وقي"}, {"تقاة", "وقي"}, {"تقات", "وقي"},
            {"أتق", "وقي"}, {"يرى", "رأي"}, {"ترى", "رأي"}, {"نرى", "رأي"}, {"أرى", "رأي"}, {"رأى", "رأي"},
            {"يرا", "رأي"}, {"ترا", "رأي"}, {"نرا", "رأي"}, {"أرا", "رأي"}, {"يري", "رأي"}, {"تري", "رأي"},
            {"نري", "رأي"}, {"أري", "رأي"}, {"يرو", "رأي"}, {"ترو", "رأي"},
            {"سماء", "سمو"}, {"آي", "أيي"}, {"أرض", "أرض"}, {"شاء", "شيأ"}, {"يشاء", "شيأ"}, {"تشاء", "شيأ"},
            {"نشاء", "شيأ"}, {"أشاء", "شيأ"}, {"جاء", "جيأ"},
            {"سماو", "سمو"}, {"أبناء", "بني"}, {"ابن", "بني"}, {"بن", "بني"}, {"ابنت", "بني"}, {"أخ", "أخو"},
            {"إخو", "أخو"}, {"إخوان", "أخو"}, {"أخت", "أخو"}, {"أب", "أبو"}, {"آباء", "أبو"}, {"أبو", "أبو"},
            {"أبي", "أبو"}, {"أمهات", "أمم"}, {"أمت", "أمم"}, {"ماء", "موه"}, {"شيء", "شيأ"},
            {"أشياء", "شيأ"}, {"امرأ", "مرأ"}, {"مرء", "مرأ"}, {"نساء", "نسو"}, {"سن", "سنه"},
            {"شفت", "شفه"}, {"أهل", "أهل"}, {"يد", "يدي"}, {"أيد", "يدي"}, {"أيدي", "يدي"}, {"دم", "دمي"},
            {"دماء", "دمي"}, {"اسم", "سمو"}, {"أسماء", "سمو"}, {"عص", "عصو"},
            {"مات", "موت"}, {"ميت", "موت"}, {"موت", "موت"}, {"مسكين", "سكن"}, {"مساكين", "سكن"},
            {"قالين", "قلي"}, {"سير", "سير"}, {"ناس", "نوس"},
            // The name of God with every clitic it takes, and the noun it comes from.
            {"الله", "أله"}, {"لله", "أله"}, {"اللهم", "أله"}, {"تالله", "أله"}, {"أبالله", "أله"},
            {"إله", "أله"}, {"آله", "أله"}, {"أوتي", "أتي"}, {"أوت", "أتي"}, {"أعد", "عدد"}, {"مهتد", "هدي"}, {"يهتد", "هدي"}, {"تهتد", "هدي"},
            {"اهتد", "هدي"}, {"نهتد", "هدي"}, {"أكل", "أكل"}, {"كلو", "أكل"},
            // افتعل of a defective root, the imperfect of an assimilated or doubled one,
            // and nouns whose written letters point elsewhere: انتهوا is not نته, تجد not
            // تجد, تمسنا not تمس, يحاجون not حوج, ملتهم not ميل, الميزان not ميز; and
            // وزينة is و + زينة, not وزن. (تنته is left out: فتنته is فتنة.)
            {"انته", "نهي"}, {"ينته", "نهي"}, {"منته", "نهي"}, {"منتها", "نهي"}, {"تجد", "وجد"},
            {"تمس", "مسس"}, {"تحاج", "حجج"}, {"يحاج", "حجج"}, {"يتحاج", "حجج"}, {"ملت", "ملل"},
            {"ميزان", "وزن"}, {"زين", "زين"},
            // الملائكة is read from لأك "send", not ملك "king", and stays apart.
            {"ملائك", "لأك"},
            // فعلى nouns, whose final ى no pattern takes as a root letter: الحسنى، القربى.
            {"حسنى", "حسن"}, {"قربى", "قرب"}, {"وثقى", "وثق"}, {"موتى", "موت"}, {"قتلى", "قتل"},
            {"ذكرى", "ذكر"},
            // Stems the patterns read as another root or as clitics: برهان is not ب + رهان,
            // يقينا not وقي, بصائر not صور, بعيدا not ب + عيد.
            {"برهان", "برهن"}, {"يقين", "يقن"}, {"يوقن", "يقن"}, {"توقن", "يقن"}, {"بصائر", "بصر"}, {"بعيد", "بعد"}, {"أجور", "أجر"}, {"أمين", "أمن"}, {"يومئذ", "يوم"}, {"سبحان", "سبح"},
            {"ملكوت", "ملك"}, {"فساد", "فسد"}, {"أنعم", "نعم"}, {"سرائر", "سرر"}, {"ضراء", "ضرر"},
            {"اضطر", "ضرر"}, {"مفر", "فرر"}, {"تلقاء", "لقي"},
            // Weak and doubled verbs whose lost letter the patterns guess wrongly.
            {"تحب", "حبب"}, {"تحل", "حلل"}, {"يحل", "حلل"}, {"تقر", "قرر"}, {"تضع", "وضع"},
            {"ارتب", "ريب"}, {"أمات", "موت"}, {"اهد", "هدي"}, {"اتل", "تلو"}, {"اقض", "قضي"},
            {"تمش", "مشي"}, {"تبك", "بكي"},
            {"تعالى", "علو"}, {"عفا", "عفو"},
        };
        QHash<QString, QString> table;
        for (const auto &[stem, root] : list)
            table.insert(analysisForm(stem), analysisForm(root));
        return table;
    }();
    return stems;
}

// The name of God as written with its clitics: it stands without an ending.
const QSet<QString> &nameOfGod()
{
    static const QSet<QString> forms = normalisedSet({"الله", "لله", "تالله", "أبالله"});
    return forms;
}

struct Affix {
    QString text;
    int cost;
    bool article; // the prefix holds the article; the stem is a noun
};

QList<Affix> prefixes()
{
    QList<Affix> list;
    for (const QString &conjunction : {QString(), QStringLiteral("و"), QStringLiteral("ف")}) {
        const int conjunctionCost = conjunction.isEmpty() ? 0 : 1;
        for (const QString &preposition : {QString(), QStringLiteral("ب"), QStringLiteral("ك"), QStringLiteral("ل"),
                                           QStringLiteral("س")}) {
            // ك and the future sign are rare in front of a word and read many stems
            // wrongly (كتاب as ك + تاب): they cost more.
            const bool rare = preposition == QStringLiteral("ك") || preposition == QStringLiteral("س");
            const int cost = conjunctionCost + (preposition.isEmpty() ? 0 : rare ? 2 : 1);
            list.append({conjunction + preposition, cost, false});
            if (preposition != QStringLiteral("س"))
                list.append({conjunction + preposition + QStringLiteral("ال"), cost + 1, true});
        }
        // ل + ال loses the alef: للناس.
        list.append({conjunction + QStringLiteral("لل"), conjunctionCost + 2, true});
    }
    return list;
}

// Endings a noun with the article may carry.
const QStringList NounEndings = {"", "ة", "ات", "ين", "ون", "ان", "ي", "تان", "تين", "ا"};

const QSet<QString> &objectPronouns()
{
    static const QSet<QString> pronouns = {"ه", "ها", "هما", "هم", "هن", "ك", "كما", "كم", "كن", "ي", "ني", "نا"};
    return pronouns;
}

QList<Affix> suffixes()
{
    const QStringList pronouns = objectPronouns().values();
    const QStringList inflections = {"وا", "و", "ون", "ين", "ان", "ا", "ات", "ة", "ت", "تم", "تما", "تن", "نا",
                                     "ن", "ي", "تان", "تين", "ية"};
    // The forms an inflection takes before a pronoun: رحمتهم, قاتلوهم, جئتموها.
    const QStringList beforePronoun = {"ت", "ات", "و", "تمو", "نا", "ا", "ي", "تا", "ان", "ن", "ون", "تي", "ين"};
    QList<Affix> list{{QString(), 0, true}};
    for (const QString &ending : inflections)
        list.append({ending, 1, NounEndings.contains(ending)});
    // The ي of a related adjective with the indefinite alef: سخريا، عربيا.
    list.append({QStringLiteral("يا"), 2, false});
    for (const QString &pronoun : pronouns) {
        if (!inflections.contains(pronoun))
            list.append({pronoun, 1, false});
        // ة before a pronoun (جنتك، رحمته) is one ending of a noun, not two.
        for (const QString &inflection : beforePronoun)
            list.append({inflection + pronoun, inflection == QStringLiteral("ت") ? 1 : 2, false});
    }
    return list;
}

struct Pattern {
    QString shape; // F, A, L stand for the root letters
    double cost;
};

// Patterns with all three root letters written.
const QList<Pattern> FullPatterns = {
    {"FAL", 0},      {"FاAL", 1},      {"FAاL", 1},      {"FAيL", 1},      {"FAوL", 1},      {"مFAوL", 1},
    {"مFAL", 1},     {"مFاAL", 2},     {"مFاAيL", 2},    {"أFAاL", 2},     {"أFAL", 1},      {"اFAL", 1},
    {"تFAيL", 2},    {"تFاAL", 2},     {"تFAL", 1},      {"يFAL", 1},      {"نFAL", 1},      {"يFاAL", 2},
    {"نFاAL", 2},    {"اFتAL", 2},     {"يFتAL", 2},     {"تFتAL", 2},     {"نFتAL", 2},     {"مFتAL", 2},
    {"اFتAاL", 2},   {"استFAL", 2},    {"يستFAL", 2},    {"تستFAL", 2},    {"نستFAL", 2},    {"مستFAL", 2},
    {"استFAاL", 2},  {"أستFAL", 2},    {"انFAL", 2},     {"ينFAL", 2},     {"منFAL", 2},     {"FواAL", 2},
    {"FALاء", 2},    {"مFAاL", 2},     {"اFطAL", 2},     {"يFطAL", 2},     {"تFطAL", 2},     {"مFطAL", 2},
    {"اFدAL", 2},    {"يFدAL", 2},     {"مFدAL", 2},     {"أFAيL", 2},     {"FAاFL", 3},
    {"أFALاء", 2},   {"يتFAL", 2},     {"تتFAL", 2},     {"نتFAL", 2},     {"متFAL", 2},     {"FAاLي", 2},
    // Broken plurals فعائل (خلائف، طرائق) and أفاعيل (أساطير), and the noun تفعال (تبيان).
    {"FAائL", 2},    {"أFاAيL", 2},    {"تFAاL", 2},
    // تفاعل with the prefix of its imperfect and participle: يتساءلون، متشابه.
    {"يتFاAL", 2},   {"تتFاAL", 2},    {"متFاAL", 2},
};

// Patterns of four-letter roots (Q the fourth letter).
const QList<Pattern> QuadPatterns = {
    {"FALQ", 0}, {"FALاQ", 1}, {"يFALQ", 1}, {"تFALQ", 1}, {"نFALQ", 1}, {"مFALQ", 1}, {"اFALQ", 1},
};

// Four-letter roots are read only where they repeat two letters (زلزل، وسوس) or are
// listed here: other four-letter stems are three-letter roots with a prefix.
bool isFourLetterRoot(const QString &root)
{
    static const QSet<QString> listed = normalisedSet({"طمأن", "زخرف", "برهن", "بعثر", "ترجم", "دحرج", "سندس",
                                                       "عبقر", "قمطر", "هرول", "فردس", "جهنم", "سربل"});
    return (root.at(0) == root.at(2) && root.at(1) == root.at(3)) || listed.contains(root);
}

// Patterns of roots that lose a letter; `imperfect` marks the verb prefixes after which
// a hollow or assimilated root drops its weak letter (يقل، يعد).
struct ShortPattern {
    QString shape; // F, A: the two letters written
    double cost;
    bool imperfect;
};

const QList<ShortPattern> ShortPatterns = {
    {"FA", 0, false},     {"يFA", 1, true},    {"تFA", 1, true},     {"نFA", 1, true},    {"أFA", 1, true},
    {"مFA", 1, false},    {"اFتA", 2, false},  {"يFتA", 2, false},   {"تFتA", 2, false},  {"مFتA", 2, false},
    {"استFA", 2, false},  {"يستFA", 2, false}, {"تستFA", 2, false},  {"مستFA", 2, false}, {"انFA", 2, false},
    {"ينFA", 2, false},   {"منFA", 2, false},  {"أFاA", 2, true},    {"FاA", 1.5, false},
    // تفاعل of a defective or doubled root: تعالوا، المتعال، تضار.
    {"تFاA", 2, false},   {"يتFاA", 2, false}, {"متFاA", 2, false},
};

QString normalisedShape(const QString &shape)
{
    // Pattern letters are written like words; F, A, L are Latin and stay as they are.
    return analysisForm(shape);
}

// The root letters a stem yields under a pattern, or an empty text.
QString matchPattern(const QString &stem, const QString &shape)
{
    if (stem.size() != shape.size())
        return {};
    QString root(4, QChar());
    int found = 0;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const QChar slot = shape.at(i);
        const int index = slot == u'F' ? 0 : slot == u'A' ? 1 : slot == u'L' ? 2 : slot == u'Q' ? 3 : -1;
        if (index < 0) {
            if (stem.at(i) != slot)
                return {};
            continue;
        }
        if (!root.at(index).isNull() && root.at(index) != stem.at(i))
            return {};
        if (root.at(index).isNull())
            ++found;
        root[index] = stem.at(i);
    }
    root.truncate(found);
    return root;
}

bool isRootLetter(QChar c)
{
    return c.unicode() >= 0x0621 && c.unicode() <= 0x064A && c != Alef && c.unicode() != 0x0629
        && c.unicode() != 0x0622 && c.unicode() != 0x0623 && c.unicode() != 0x0624 && c.unicode() != 0x0625
        && c.unicode() != 0x0626 && c.unicode() != 0x0640;
}

bool isWeak(QChar c)
{
    return c == Waw || c == Ya || c == Alef;
}

// Candidate roots of one word with their lowest cost.
using Candidates = QHash<QString, double>;

// A root with a weak letter, a hamza or a doubled letter is one of several readings the
// patterns offer; one the text is not known to use is an unlikely reading.
bool isMarked(const QString &root)
{
    return root.size() == 3
        && (root.contains(Hamza) || root.contains(Waw) || root.contains(Ya) || root.at(1) == root.at(2));
}

// Roots of the language that exist with both و and ي in one place, with unrelated
// meanings: عون "help" and عين "eye", مول "wealth" and ميل "incline". Only for these is
// the weak letter a real choice between two families; elsewhere و and ي are two
// spellings of one root.
const QHash<QString, QString> &rootsWithBothWeakLetters()
{
    static const QHash<QString, QString> partners = [] {
        const QStringList pairs = {"عون عين", "مول ميل", "دون دين", "خول خيل", "سور سير", "لون لين",
                                   "عول عيل", "غور غير", "زول زيل", "سوح سيح"};
        QHash<QString, QString> table;
        for (const QString &pair : pairs) {
            const QStringList roots = pair.split(u' ');
            table.insert(roots.at(0), roots.at(1));
            table.insert(roots.at(1), roots.at(0));
        }
        return table;
    }();
    return partners;
}

void addCandidate(Candidates &candidates, const QString &root, double cost)
{
    for (const QChar c : root) {
        if (!isRootLetter(c))
            return;
    }
    if (isMarked(root) && !knownMarkedRoots().contains(root))
        cost += UnknownMarkedCost;
    // A first ت is nearly always a prefix (تخفون، تنسوا): only the listed roots begin with it.
    else if (root.size() == 3 && root.at(0) == u'ت' && !knownMarkedRoots().contains(root))
        cost += PrefixLetterCost;
    auto it = candidates.find(root);
    if (it == candidates.end())
        candidates.insert(root, cost);
    else if (cost < *it)
        *it = cost;
}

// A written و may stand for a ي of the root and the other way round (المستقيم from قوم),
// and a hamza after alef for either (قائم from قوم); a first letter only after the م of a
// noun of place or tool (ميثاق from وثق، موقنين from يقن). A root the text is known to
// use is never read as another one, nor is a root that exists with both letters: the
// letter written is the one its forms attest, and دين stays apart from دون.
void addWithWeakVariants(Candidates &candidates, const QString &root, double cost, bool firstMayChange)
{
    addCandidate(candidates, root, cost);
    if (knownMarkedRoots().contains(root) || rootsWithBothWeakLetters().contains(root))
        return;
    for (qsizetype i = firstMayChange ? 0 : 1; i < root.size(); ++i) {
        const QChar c = root.at(i);
        if (c != Waw && c != Ya && !(c == Hamza && i == 1))
            continue;
        for (const QChar weak : {Waw, Ya}) {
            if (weak == c)
                continue;
            QString variant = root;
            variant[i] = weak;
            addCandidate(candidates, variant, cost + WeakSwapCost);
        }
    }
}

// A root written with an alef where a weak letter stood: it is و or ي.
void addThreeLetterRoot(Candidates &candidates, const QString &root, double cost, bool firstMayChange)
{
    // A first letter is never hidden as an alef: يادي is not a form of ودي.
    if (root.at(0) == Alef)
        return;
    const qsizetype alef = root.indexOf(Alef);
    if (alef < 0) {
        addWithWeakVariants(candidates, root, cost, firstMayChange);
        return;
    }
    for (const QChar weak : {Waw, Ya}) {
        QString variant = root;
        variant[alef] = weak;
        addThreeLetterRoot(candidates, variant, cost + 0.5, firstMayChange);
    }
}

// What a word around a stem of two letters says about the lost letter.
struct ShortStemContext {
    bool nominal = false;     // after the article, or bare with at most a pronoun: الحق، ربك، حقه
    bool hollowPast = false;  // a subject ending that shortens a hollow past: كنتم، قلت، زدناهم
    bool bareWord = false;    // no clitic and no ending: قل، كن
    bool elative = false;     // أفعل of a doubled root: أحب، أشد، أقل
    bool shortImperfect = false; // an imperfect without an ending that lengthens it: يقل، يكن (not يردون)
    bool derivedWhole = false; // a derived stem without ending keeps a defective letter: مستقر، اضطر
    bool formFourPast = false; // أفعل of a hollow root before تم/تن: أقمتم، أفضتم (أعدّتم would be أعددتم)
};

void addTwoLetterRoots(Candidates &candidates, const QString &letters, const ShortPattern &pattern,
                       const ShortStemContext &context, double cost)
{
    const QChar f = letters.at(0);
    const QChar a = letters.at(1);
    if (!isRootLetter(f) || !isRootLetter(a))
        return;
    // A noun of two written letters is nearly always doubled; a defective noun keeps
    // its last letter (الهدى، الدنيا).
    const double doubled = context.nominal ? 0 : context.elative ? 0.5 : 1;
    const double defective = context.nominal || context.derivedWhole ? 1.5 : 1;
    const double hollow = context.nominal && !context.hollowPast ? 1.5 : 1;
    if (context.formFourPast) {
        addCandidate(candidates, QString() + f + Waw + a, cost + hollow);
        addCandidate(candidates, QString() + f + Ya + a, cost + hollow);
        return;
    }
    addCandidate(candidates, QString() + f + a + a, cost + doubled);     // doubled: مد، يمدون، الحق
    addCandidate(candidates, QString() + f + a + Waw, cost + defective); // defective: يدعون
    addCandidate(candidates, QString() + f + a + Ya, cost + defective);  // defective: يهدون
    if (context.shortImperfect || context.bareWord || context.hollowPast) {
        addCandidate(candidates, QString() + f + Waw + a, cost + hollow); // hollow: يقل، قل، كنتم
        addCandidate(candidates, QString() + f + Ya + a, cost + hollow);  // hollow: يبع، زدنا
    }
    if (pattern.imperfect)
        addCandidate(candidates, QString() + Waw + f + a, cost + 1); // assimilated: يعد، تضع
}

const QList<Affix> &prefixList()
{
    static const QList<Affix> list = prefixes();
    return list;
}

const QList<Affix> &suffixList()
{
    static const QList<Affix> list = [] {
        QList<Affix> normalised;
        for (const Affix &affix : suffixes())
            normalised.append({analysisForm(affix.text), affix.cost, affix.article});
        return normalised;
    }();
    return list;
}

// The endings each possible stem takes somewhere in the text. A stem the text uses with
// many endings is a real stem (رب: ربك، ربكم، ربه، ربنا); reading such an ending as a
// root letter (ربك as a root of its own) is then unlikely.
using StemEndings = QHash<QString, int>;

StemEndings stemEndingsOf(const QStringList &words)
{
    QHash<QString, QList<qsizetype>> endings; // stem -> the suffixes (by position) seen after it
    const QList<Affix> &suffixes = suffixList();
    for (const QString &word : words) {
        const QString form = analysisForm(word);
        for (qsizetype s = 0; s < suffixes.size(); ++s) {
            const QString &suffix = suffixes.at(s).text;
            if (!form.endsWith(suffix))
                continue;
            for (const Affix &prefix : prefixList()) {
                const qsizetype stemLength = form.size() - prefix.text.size() - suffix.size();
                if (stemLength < 2 || !form.startsWith(prefix.text))
                    continue;
                QList<qsizetype> &seen = endings[form.mid(prefix.text.size(), stemLength)];
                if (!seen.contains(s))
                    seen.append(s);
            }
        }
    }
    StemEndings counts;
    for (auto it = endings.cbegin(); it != endings.cend(); ++it)
        counts.insert(it.key(), int(it.value().size()));
    return counts;
}

// What a stem that takes few endings costs.
double stemCost(const StemEndings &stemEndings, const QString &stem)
{
    const int endings = stemEndings.value(stem);
    return endings >= 3 ? 0 : endings == 2 ? RareStemCost / 2 : RareStemCost;
}

Candidates candidatesOf(const QString &word, const StemEndings &stemEndings)
{
    static const QList<Pattern> fullPatterns = [] {
        QList<Pattern> list;
        for (const Pattern &pattern : FullPatterns)
            list.append({normalisedShape(pattern.shape), pattern.cost});
        return list;
    }();
    static const QList<Pattern> quadPatterns = [] {
        QList<Pattern> list;
        for (const Pattern &pattern : QuadPatterns)
            list.append({normalisedShape(pattern.shape), pattern.cost});
        return list;
    }();
    static const QList<ShortPattern> shortPatterns = [] {
        QList<ShortPattern> list;
        for (const ShortPattern &pattern : ShortPatterns)
            list.append({normalisedShape(pattern.shape), pattern.cost, pattern.imperfect});
        return list;
    }();

    static const QString brokenPluralWithHamza = normalisedShape(QStringLiteral("FAائL"));
    static const QString plainShape = normalisedShape(QStringLiteral("FAL"));

    Candidates candidates;
    Candidates listed;
    const QString form = analysisForm(word);
    // A final ى belongs to the stem (ترضى، تتلى); it is never the ending ي.
    const bool finalAlefMaqsura = word.endsWith(QChar(0x0649));
    for (const Affix &prefix : prefixList()) {
        if (!form.startsWith(prefix.text))
            continue;
        for (const Affix &suffix : suffixList()) {
            if ((prefix.article && !suffix.article) || (finalAlefMaqsura && suffix.text.endsWith(Ya)))
                continue;
            // The article and the alef of an indefinite noun never meet: الربا is not ال + رب + ا.
            if (prefix.article && suffix.text == QString(Alef))
                continue;
            const qsizetype stemLength = form.size() - prefix.text.size() - suffix.text.size();
            if (stemLength < 2 || !form.endsWith(suffix.text))
                continue;
            const QString stem = form.mid(prefix.text.size(), stemLength);
            // The related adjective's يا follows three letters or more, none a long vowel:
            // سخريا، عربيا; جنيا، عصيا، رابيا are defective words with the indefinite alef.
            if (suffix.text == QStringLiteral("يا") && (stem.size() < 3 || stem.contains(Alef)))
                continue;
            // The future sign stands only before an imperfect verb: سيقولون.
            if (prefix.text.endsWith(u'س') && !QStringLiteral("يتنء").contains(stem.at(0)))
                continue;
            // A feminine or plural ت never follows a written alef: جنات is جن + ات.
            if (suffix.text.startsWith(u'ت') && stem.endsWith(Alef))
                continue;
            // ك before two letters reads nouns as particles: كيد is not ك + يد.
            if (prefix.text.endsWith(u'ك') && stem.size() < 3)
                continue;
            const double affixCost = prefix.cost + suffix.cost + stemCost(stemEndings, stem);
            const auto irregular = irregularStems().constFind(stem);
            // The name of God takes no ending (اللهو is ال + لهو), and a listed stem no
            // verb's alef before a pronoun (ألهاكم is not إله + اكم; آياتنا is آي + اتنا).
            const bool verbAlef = suffix.text.size() > 1 && suffix.text.startsWith(Alef)
                && !suffix.text.startsWith(QStringLiteral("ات")) && !suffix.text.startsWith(QStringLiteral("ان"));
            const bool endingFits = suffix.text.isEmpty() || (!nameOfGod().contains(stem) && !verbAlef);
            if (irregular != irregularStems().constEnd() && endingFits) {
                // A hand-listed stem behind at most one clitic is the word's reading.
                if (prefix.cost <= 1)
                    listed.insert(*irregular, affixCost);
                addCandidate(candidates, *irregular, affixCost - IrregularBonus / CostWeight);
                continue;
            }
            // The و of a plural past is not a root letter: نسوا is نس + وا (نسي), not نسو.
            if (suffix.text == QStringLiteral("ا") && stem.size() == 3 && stem.endsWith(Waw))
                continue;
            // An initial آ may be two hamzas, the prefix's and the root's: آذان is أأذان
            // (أفعال of أذن), آتى is أأتى.
            const QString doubleHamza = stem.startsWith(QString() + Hamza + Alef)
                ? QString() + Hamza + Hamza + stem.mid(2) : QString();
            // فاع before ون، ين، ية is the participle of a defective root (العالين، خافية،
            // راعون), never a hollow word with that ending: its alef is no root letter.
            const bool defectiveParticiple = stem.size() == 3 && stem.at(1) == Alef
                && QStringList{QStringLiteral("ون"), QStringLiteral("ين"), QStringLiteral("ية")}.contains(suffix.text);
            for (const Pattern &pattern : fullPatterns) {
                if (defectiveParticiple && pattern.shape == plainShape)
                    continue;
                // An imperative never starts with the article's letters: اليقين.
                if (pattern.shape.startsWith(Alef) && stem.startsWith(QStringLiteral("ال")))
                    continue;
                // The hamza of فعائل sits on ya: تراءت is a verb.
                if (pattern.shape == brokenPluralWithHamza && !word.contains(QChar(0x0626)))
                    continue;
                if (!doubleHamza.isEmpty() && pattern.shape.startsWith(Hamza)) {
                    const QString root = matchPattern(doubleHamza, pattern.shape);
                    if (root.size() == 3)
                        addThreeLetterRoot(candidates, root, affixCost + pattern.cost, false);
                }
                const QString root = matchPattern(stem, pattern.shape);
                if (root.size() != 3)
                    continue;
                // A bare word of two letters and ت is more often a short past than a root
                // ending in ت: عذت، خفت، قلت.
                const double pastEndingCost = prefix.text.isEmpty() && suffix.text.isEmpty() && stem.size() == 3
                        && stem.endsWith(u'ت') ? PastEndingCost : 0;
                const bool firstMayChange = stem.startsWith(QStringLiteral("مو")) || stem.startsWith(QStringLiteral("مي"));
                addThreeLetterRoot(candidates, root, affixCost + pattern.cost + pastEndingCost, firstMayChange);
                // A final hamza after alef often stands for a weak letter: دعاء، سماء، جزاء.
                if (root.at(2) == Hamza && stem.endsWith(QString() + Alef + Hamza)) {
                    addThreeLetterRoot(candidates, root.left(2) + Waw, affixCost + pattern.cost + 0.5, false);
                    addThreeLetterRoot(candidates, root.left(2) + Ya, affixCost + pattern.cost + 0.5, false);
                }
            }
            // فعلى: a final ى after three root letters is the feminine ending of a noun
            // (أخرى، الأنثى، الكبرى), not a weak root letter. Without the article a
            // stem that starts with an imperfect prefix is a verb (تمنى، يخشى), and so is
            // أفعل unless the text knows a root with that hamza (أحصى but أنثى).
            if (finalAlefMaqsura && suffix.text.isEmpty() && stem.size() == 4
                && (prefix.article || !QStringLiteral("يتن").contains(stem.at(0)))
                && (stem.at(0) != Hamza || knownMarkedRoots().contains(stem.left(3))))
                addThreeLetterRoot(candidates, stem.left(3), affixCost + FeminineAlefCost, false);
            for (const Pattern &pattern : quadPatterns) {
                const QString root = matchPattern(stem, pattern.shape);
                if (root.size() == 4 && isFourLetterRoot(root))
                    addCandidate(candidates, root, affixCost + pattern.cost);
            }
            const bool bareWord = prefix.text.isEmpty() || prefix.text.size() == 1;
            for (const ShortPattern &pattern : shortPatterns) {
                const QString letters = matchPattern(stem, pattern.shape);
                if (letters.size() != 2)
                    continue;
                // A past ending never follows an imperfect prefix (أعدت is a past verb), nor
                // does the ي of a noun: يجري and يكفيكم keep their ي (a verb's "me" is ني).
                const bool pastEnding = suffix.text.startsWith(u'ت');
                ShortStemContext context;
                // The ت alone may be a feminine's, which leaves a doubled root short:
                // أقلّت, أعدّت; تم and تن are a subject's, which would part it.
                context.formFourPast = !prefix.article && pattern.shape == analysisForm(QStringLiteral("أFA"))
                    && (suffix.text.startsWith(QStringLiteral("تم")) || suffix.text.startsWith(QStringLiteral("تن")));
                if (pattern.imperfect && !context.formFourPast && (pastEnding || suffix.text.startsWith(Ya)))
                    continue;
                context.bareWord = bareWord && suffix.text.isEmpty();
                const bool activeParticiple = pattern.shape == analysisForm(QStringLiteral("FاA"));
                // A doubled root's participle takes ة, not ية: رابية is ربو, not ربب.
                if (activeParticiple && suffix.text == QStringLiteral("ية"))
                    continue;
                // فاعّ only with an ending or the article: الضالين، دابة (not قال).
                if (activeParticiple && !prefix.article && suffix.text.isEmpty())
                    continue;
                context.nominal = (pattern.shape.size() == 2 || activeParticiple)
                    && (prefix.article || (bareWord && (NounEndings.contains(suffix.text) || objectPronouns().contains(suffix.text))));
                context.hollowPast = !prefix.article && !pattern.imperfect
                    && (suffix.text.startsWith(u'ت') || suffix.text.startsWith(QStringLiteral("نا")));
                context.shortImperfect = pattern.imperfect
                    && (suffix.text.isEmpty() || objectPronouns().contains(suffix.text));
                context.elative = pattern.shape == analysisForm(QStringLiteral("أFA")) && suffix.text.isEmpty();
                context.derivedWhole = pattern.shape.size() > 2 && !pattern.imperfect && suffix.text.isEmpty();
                // و or ف before two letters (the first no weak letter or hamza) is as often
                // the first of three root letters (فضل، فكر، وصف) as a conjunction.
                const bool conjunctionOnly = prefix.text == QStringLiteral("و") || prefix.text == QStringLiteral("ف");
                const double conjunctionCost = conjunctionOnly && pattern.shape.size() == 2 && !isWeak(letters.at(0))
                        && letters.at(0) != Hamza ? ShortConjunctionCost : 0;
                addTwoLetterRoots(candidates, letters, pattern, context, affixCost + pattern.cost + conjunctionCost);
            }
        }
    }
    return listed.isEmpty() ? candidates : listed;
}

// Whether the word itself is not a particle but, clitics and endings off, a hand-listed
// stem: أهلها and لله are not هل and ل + له.
bool hasIrregularStem(const QString &word)
{
    if (functionWords().contains(analysisForm(word, true)))
        return false;
    const QString form = analysisForm(word);
    for (const Affix &prefix : prefixList()) {
        if (!form.startsWith(prefix.text) || prefix.cost > 1)
            continue;
        for (const Affix &suffix : suffixList()) {
            const qsizetype stemLength = form.size() - prefix.text.size() - suffix.text.size();
            // Two letters are too few to tell a stem from a preposition: بنا is ب + نا.
            if (stemLength >= 3 && form.endsWith(suffix.text)
                && irregularStems().contains(form.mid(prefix.text.size(), stemLength)))
                return true;
        }
    }
    return false;
}

// Particles, demonstratives and ذو that never take a pronoun ending: هلك is not هل + ك,
// أذاهم not أ + ذا + هم.
const QSet<QString> &particlesWithoutPronoun()
{
    static const QSet<QString> words = normalisedSet({
        "هل", "قد", "لم", "لن", "لا", "لو", "بل", "ثم", "أو", "أم", "كي", "إذ", "إذا", "إذن", "لولا", "لوما",
        "حتى", "كيف", "متى", "أين", "أيان", "أنى", "هو", "هي", "هم", "هن", "هما", "أنت", "أنتم", "أنا", "نحن", "ما",
        "ذا", "ذي", "ذو", "ذات", "ذوا", "ذوات",
    }, true);
    return words;
}

// Whether the word, clitics and pronoun off, is a particle or a name. The letters are
// compared as written: a final ى is no pronoun ي (العمى is not ال + عم + ي, يحيي not
// the name يحيى), and the question hamza is أ (إثم is not أ + ثم).
bool isFunctionWordOrName(const QString &word)
{
    const QString form = analysisForm(word, true);
    const bool questionHamza = word.startsWith(QChar(0x0623));
    static const QStringList fronts = {"", "و", "ف", "ء", "ءو", "ءف", "ب", "ل", "ك", "وب", "ول", "وك", "فب",
                                       "فل", "فك", "ال", "وال", "فال", "بال", "لل", "ولل", "فلل", "وبال"};
    static const QStringList backs = {"", "ه", "ها", "هما", "هم", "هن", "ك", "كما", "كم", "كن", "ي", "ني", "نا",
                                      "ا", "ون", "ين"};
    for (const QString &front : fronts) {
        if (!form.startsWith(front) || (front.startsWith(Hamza) && !questionHamza))
            continue;
        for (const QString &back : backs) {
            if (!form.endsWith(back) || form.size() - front.size() - back.size() < 0)
                continue;
            // A preposition with a pronoun: بنا، لهم، بك.
            if (form.size() == front.size() + back.size()) {
                if (!back.isEmpty() && (front.endsWith(u'ب') || front.endsWith(u'ل') || front.endsWith(u'ك')))
                    return true;
                continue;
            }
            const QString core = form.mid(front.size(), form.size() - front.size() - back.size());
            if (!back.isEmpty() && particlesWithoutPronoun().contains(core))
                continue;
            if (functionWords().contains(core) || properNames().contains(core))
                return true;
            // A final ى is written ي before a pronoun (عليه، إليك، لدينا) and with the
            // pronoun ي is one letter (علي).
            const QChar alefMaqsura(0x0649);
            if ((!back.isEmpty() && core.endsWith(Ya)
                 && functionWords().contains(core.left(core.size() - 1) + alefMaqsura))
                || (back == QString(Ya) && functionWords().contains(core + alefMaqsura)))
                return true;
        }
    }
    return false;
}

// Two roots that differ only in which weak letter they hold: a choice between them is
// a spelling question, not a doubt about merging unrelated words.
bool weakVariants(const QString &a, const QString &b)
{
    if (a.size() != b.size() || (knownMarkedRoots().contains(a) && knownMarkedRoots().contains(b))
        || rootsWithBothWeakLetters().value(a) == b)
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.at(i) != b.at(i) && !(isWeak(a.at(i)) && isWeak(b.at(i))))
            return false;
    }
    return true;
}

// How many words of the text each root accounts for. A word shares itself among its
// plainest readings, and the shares move, round after round, towards the roots the
// other words support, so that a word read three ways counts once, mostly for the
// root its neighbours in the text confirm.
QHash<QString, double> supportOfRoots(const QHash<QString, Candidates> &candidates)
{
    struct Reading {
        qsizetype root;
        double weight; // by cost, before the support of the root is known
    };
    QHash<QString, qsizetype> numberOf;
    QStringList roots;
    std::vector<std::vector<Reading>> words;
    words.reserve(candidates.size());
    for (const Candidates &found : candidates) {
        double cheapest = 1e9;
        for (const double cost : found)
            cheapest = std::min(cheapest, cost);
        std::vector<Reading> readings;
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            if (it.value() > cheapest + SupportSlack)
                continue;
            auto number = numberOf.constFind(it.key());
            if (number == numberOf.constEnd()) {
                number = numberOf.insert(it.key(), roots.size());
                roots.append(it.key());
            }
            readings.push_back({*number, std::exp2(cheapest - it.value())});
        }
        words.push_back(std::move(readings));
    }
    std::vector<double> support(roots.size(), 0.0);
    for (int round = 0; round < SupportRounds; ++round) {
        std::vector<double> next(roots.size(), 0.0);
        for (const std::vector<Reading> &readings : words) {
            double total = 0;
            for (const Reading &reading : readings)
                total += reading.weight * (1.0 + support[reading.root]);
            for (const Reading &reading : readings)
                next[reading.root] += reading.weight * (1.0 + support[reading.root]) / total;
        }
        support.swap(next);
    }
    QHash<QString, double> byRoot;
    for (qsizetype i = 0; i < roots.size(); ++i)
        byRoot.insert(roots.at(i), support[i]);
    return byRoot;
}

// A root of a both-letter pair that the lists do not name is still a root of the text
// when at least two words have it as their plainest reading: أموال and أموالهم
// attests مول, so المال may be مول as well as ميل.
void waiveCostOfAttestedPartners(QHash<QString, Candidates> &candidates)
{
    QHash<QString, int> plainest;
    for (const Candidates &found : std::as_const(candidates)) {
        auto cheapest = std::min_element(found.cbegin(), found.cend());
        if (cheapest != found.cend() && rootsWithBothWeakLetters().contains(cheapest.key())
            && !knownMarkedRoots().contains(cheapest.key()))
            ++plainest[cheapest.key()];
    }
    for (Candidates &found : candidates) {
        for (auto it = found.begin(); it != found.end(); ++it) {
            if (plainest.value(it.key()) >= 2)
                *it -= UnknownMarkedCost;
        }
    }
}

} // namespace

RootAnalysis analyseRoots(const QStringList &words)
{
    const StemEndings stemEndings = stemEndingsOf(words);
    QHash<QString, Candidates> candidates;
    for (const QString &word : words) {
        if (candidates.contains(word) || (isFunctionWordOrName(word) && !hasIrregularStem(word)))
            continue;
        candidates.insert(word, candidatesOf(word, stemEndings));
    }
    waiveCostOfAttestedPartners(candidates);
    const QHash<QString, double> support = supportOfRoots(candidates);

    RootAnalysis analysis;
    QHash<QString, int> groupSize;
    for (const QString &word : words) {
        if (analysis.rootOf.contains(word))
            continue;
        QString root = RootAnalysis::ownRoot(word);
        const Candidates found = candidates.value(word);
        QString best;
        double bestScore = -1e9;
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            const double score = std::log2(1.0 + support.value(it.key())) - CostWeight * it.value();
            if (score > bestScore || (score == bestScore && it.key() < best)) {
                best = it.key();
                bestScore = score;
            }
        }
        if (!best.isEmpty() && support.value(best) >= MinimumSupport) {
            double rival = -1e9;
            for (auto it = found.cbegin(); it != found.cend(); ++it) {
                if (it.key() != best && !weakVariants(it.key(), best))
                    rival = std::max(rival, std::log2(1.0 + support.value(it.key())) - CostWeight * it.value());
            }
            if (bestScore - rival >= RequiredMargin)
                root = best;
        }
        analysis.rootOf.insert(word, root);
        ++groupSize[root];
    }
    for (auto it = analysis.rootOf.cbegin(); it != analysis.rootOf.cend(); ++it) {
        if (groupSize.value(it.value()) > 1)
            ++analysis.sharedWords;
        else
            ++analysis.ownWords;
    }
    return analysis;
}

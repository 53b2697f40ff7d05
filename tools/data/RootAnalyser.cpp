#include "RootAnalyser.h"

#include <QSet>

#include <algorithm>
#include <cmath>

// How it works (docs/data.md has the reader's version):
// 1. Every word is split in every way the clitics allow: conjunction, preposition or
//    future sign, article in front; inflection and pronoun endings behind.
// 2. Every remaining stem is laid on the derivation patterns; a match yields a root of
//    three letters. Weak letters that the pattern hides (hollow, defective, doubled and
//    assimilated roots) give one candidate for each letter they may stand for.
// 3. Each candidate has a cost (letters taken off, how unusual the pattern is). A root
//    is supported by the number of words of the text that can come from it; the word
//    takes the candidate with the best support for its cost, but only when it beats
//    every other root clearly. Otherwise the word keeps a root of its own.

namespace {

constexpr double CostWeight = 1.0;     // support one unit of cost outweighs (in doublings)
constexpr double RequiredMargin = 1.0; // how clearly the best root must win
constexpr double IrregularBonus = 1.5; // a hand-listed stem beats most pattern readings
constexpr double SupportSlack = 1.0;   // how far above its plainest reading a word still supports a root

const QChar Hamza(0x0621);
const QChar Alef(0x0627);
const QChar Waw(0x0648);
const QChar Ya(0x064A);

// Hamza on any seat is one letter of the root; alef maqsura is the weak ya.
QString analysisForm(const QString &word)
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
            form += Ya;
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

QSet<QString> normalisedSet(const QStringList &words)
{
    QSet<QString> set;
    for (const QString &word : words)
        set.insert(analysisForm(word));
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
    });
    return words;
}

// Proper names: their letters are not a root of the text.
const QSet<QString> &properNames()
{
    static const QSet<QString> words = normalisedSet({
        "الله", "لله", "اللهم", "موسى", "فرعون", "إبراهيم", "عيسى", "مريم", "نوح", "لوط", "يوسف", "هارون",
        "إسرائيل", "إسماعيل", "إسحاق", "يعقوب", "داود", "سليمان", "محمد", "أحمد", "زكريا", "يحيى", "إلياس",
        "يونس", "شعيب", "هود", "عاد", "ثمود", "مدين", "جهنم", "جبريل", "ميكال", "هامان", "قارون", "جالوت",
        "طالوت", "يأجوج", "مأجوج", "بابل", "مصر", "مكة", "بكة", "يثرب", "آدم", "إدريس", "عمران", "لقمان",
        "إبليس", "قريش", "الروم", "سبأ", "أيوب", "ذا", "الكفل", "إلياسين", "ياسين", "هاروت", "ماروت", "عزير",
        "تبع", "إرم", "سيناء", "سينين", "طوى", "الجودي", "المجوس", "الصابئين", "الصابئون", "النصارى",
        "اليهود", "الإنجيل", "التوراة", "زيد", "رمضان", "لات", "العزى", "مناة", "ود", "سواع", "يغوث", "يعوق",
        "نسرا", "آزر", "بعلا", "الرس", "الأيكة", "الحجر", "قريش", "سقر", "سلسبيلا", "زنجبيلا", "كافورا",
        "تسنيم", "الفردوس", "عليين", "سجين", "سامري", "السامري", "ذي", "القرنين", "يوسف", "إسحق",
    });
    return words;
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
            {"مات", "موت"}, {"ميت", "موت"}, {"موت", "موت"},
        };
        QHash<QString, QString> table;
        for (const auto &[stem, root] : list)
            table.insert(analysisForm(stem), analysisForm(root));
        return table;
    }();
    return stems;
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

QList<Affix> suffixes()
{
    const QStringList pronouns = {"ه", "ها", "هما", "هم", "هن", "ك", "كما", "كم", "كن", "ي", "ني", "نا"};
    const QStringList inflections = {"وا", "و", "ون", "ين", "ان", "ا", "ات", "ة", "ت", "تم", "تما", "تن", "نا",
                                     "ن", "ي", "تان", "تين", "ية"};
    // The forms an inflection takes before a pronoun: رحمتهم, قاتلوهم, جئتموها.
    const QStringList beforePronoun = {"ت", "ات", "و", "تمو", "نا", "ا", "ي", "تا", "ان", "ن", "ون", "تي", "ين"};
    QList<Affix> list{{QString(), 0, true}};
    for (const QString &ending : inflections)
        list.append({ending, 1, NounEndings.contains(ending)});
    for (const QString &pronoun : pronouns) {
        if (!inflections.contains(pronoun))
            list.append({pronoun, 1, false});
        for (const QString &inflection : beforePronoun)
            list.append({inflection + pronoun, 2, false});
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
};

// Patterns of roots that lose a letter; `imperfect` marks the verb prefixes after which
// a hollow or assimilated root drops its weak letter (يقل، يعد).
struct ShortPattern {
    QString shape; // F, A: the two letters written
    double cost;
    bool imperfect;
};

const QList<ShortPattern> ShortPatterns = {
    {"FA", 1, false},     {"يFA", 1, true},    {"تFA", 1, true},     {"نFA", 1, true},    {"أFA", 1, true},
    {"مFA", 1, false},    {"اFتA", 2, false},  {"يFتA", 2, false},   {"تFتA", 2, false},  {"مFتA", 2, false},
    {"استFA", 2, false},  {"يستFA", 2, false}, {"تستFA", 2, false},  {"مستFA", 2, false}, {"انFA", 2, false},
    {"ينFA", 2, false},   {"منFA", 2, false},  {"أFاA", 2, true},
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
    QString root(3, QChar());
    int found = 0;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const QChar slot = shape.at(i);
        const int index = slot == u'F' ? 0 : slot == u'A' ? 1 : slot == u'L' ? 2 : -1;
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

void addCandidate(Candidates &candidates, const QString &root, double cost)
{
    for (const QChar c : root) {
        if (!isRootLetter(c))
            return;
    }
    auto it = candidates.find(root);
    if (it == candidates.end())
        candidates.insert(root, cost);
    else if (cost < *it)
        *it = cost;
}

// A root written with an alef where a weak letter stood: it is و or ي.
void addThreeLetterRoot(Candidates &candidates, const QString &root, double cost)
{
    // A first letter is never hidden as an alef: يادي is not a form of ودي.
    if (root.at(0) == Alef)
        return;
    const qsizetype alef = root.indexOf(Alef);
    if (alef < 0) {
        addCandidate(candidates, root, cost);
        return;
    }
    for (const QChar weak : {Waw, Ya}) {
        QString variant = root;
        variant[alef] = weak;
        addThreeLetterRoot(candidates, variant, cost + 0.5);
    }
}

void addTwoLetterRoots(Candidates &candidates, const QString &letters, const ShortPattern &pattern, bool bareWord,
                       double cost)
{
    const QChar f = letters.at(0);
    const QChar a = letters.at(1);
    if (!isRootLetter(f) || !isRootLetter(a))
        return;
    addCandidate(candidates, QString() + f + a + a, cost + 1);      // doubled: مد، يمدون
    addCandidate(candidates, QString() + f + a + Waw, cost + 1);    // defective: يدعون
    addCandidate(candidates, QString() + f + a + Ya, cost + 1);     // defective: يهدون
    if (pattern.imperfect || bareWord) {
        addCandidate(candidates, QString() + f + Waw + a, cost + 1); // hollow: يقل، قل
        addCandidate(candidates, QString() + f + Ya + a, cost + 1);  // hollow: يبع
    }
    if (pattern.imperfect)
        addCandidate(candidates, QString() + Waw + f + a, cost + 1); // assimilated: يعد، تضع
}

Candidates candidatesOf(const QString &word, double *irregularRoot)
{
    static const QList<Affix> prefixList = prefixes();
    static const QList<Affix> suffixList = [] {
        QList<Affix> list;
        for (const Affix &affix : suffixes())
            list.append({analysisForm(affix.text), affix.cost, affix.article});
        return list;
    }();
    static const QList<Pattern> fullPatterns = [] {
        QList<Pattern> list;
        for (const Pattern &pattern : FullPatterns)
            list.append({normalisedShape(pattern.shape), pattern.cost});
        return list;
    }();
    static const QList<ShortPattern> shortPatterns = [] {
        QList<ShortPattern> list;
        for (const ShortPattern &pattern : ShortPatterns)
            list.append({normalisedShape(pattern.shape), pattern.cost, pattern.imperfect});
        return list;
    }();

    Candidates candidates;
    *irregularRoot = 0;
    const QString form = analysisForm(word);
    for (const Affix &prefix : prefixList) {
        if (!form.startsWith(prefix.text))
            continue;
        for (const Affix &suffix : suffixList) {
            if (prefix.article && !suffix.article)
                continue;
            const qsizetype stemLength = form.size() - prefix.text.size() - suffix.text.size();
            if (stemLength < 2 || !form.endsWith(suffix.text))
                continue;
            const QString stem = form.mid(prefix.text.size(), stemLength);
            // The future sign stands only before an imperfect verb: سيقولون.
            if (prefix.text.endsWith(u'س') && !QStringLiteral("يتنء").contains(stem.at(0)))
                continue;
            // ك before two letters reads nouns as particles: كيد is not ك + يد.
            if (prefix.text.endsWith(u'ك') && stem.size() < 3)
                continue;
            const double affixCost = prefix.cost + suffix.cost;
            const auto irregular = irregularStems().constFind(stem);
            if (irregular != irregularStems().constEnd()) {
                addCandidate(candidates, *irregular, affixCost - IrregularBonus / CostWeight);
                continue;
            }
            for (const Pattern &pattern : fullPatterns) {
                // An imperative never starts with the article's letters: اليقين.
                if (pattern.shape.startsWith(Alef) && stem.startsWith(QStringLiteral("ال")))
                    continue;
                const QString root = matchPattern(stem, pattern.shape);
                if (root.size() != 3)
                    continue;
                addThreeLetterRoot(candidates, root, affixCost + pattern.cost);
                // A final hamza after alef often stands for a weak letter: دعاء، سماء، جزاء.
                if (root.at(2) == Hamza && stem.endsWith(QString() + Alef + Hamza)) {
                    addThreeLetterRoot(candidates, root.left(2) + Waw, affixCost + pattern.cost + 0.5);
                    addThreeLetterRoot(candidates, root.left(2) + Ya, affixCost + pattern.cost + 0.5);
                }
            }
            const bool bareWord = prefix.text.isEmpty() || prefix.text.size() == 1;
            for (const ShortPattern &pattern : shortPatterns) {
                const QString letters = matchPattern(stem, pattern.shape);
                if (letters.size() == 2)
                    addTwoLetterRoots(candidates, letters, pattern, bareWord && suffix.text.isEmpty(),
                                      affixCost + pattern.cost);
            }
        }
    }
    return candidates;
}

// Whether the word, clitics and pronoun off, is a particle or a name.
bool isFunctionWordOrName(const QString &word)
{
    const QString form = analysisForm(word);
    static const QStringList fronts = {"", "و", "ف", "ء", "ءو", "ءف", "ب", "ل", "ك", "وب", "ول", "وك", "فب",
                                       "فل", "فك", "ال", "وال", "فال", "بال", "لل", "ولل", "فلل", "وبال"};
    static const QStringList backs = {"", "ه", "ها", "هما", "هم", "هن", "ك", "كما", "كم", "كن", "ي", "ني", "نا",
                                      "ا", "ون", "ين"};
    for (const QString &front : fronts) {
        if (!form.startsWith(front))
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
            if (functionWords().contains(core) || properNames().contains(core))
                return true;
        }
    }
    return false;
}

// Two roots that differ only in which weak letter they hold: a choice between them is
// a spelling question, not a doubt about merging unrelated words.
bool weakVariants(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.at(i) != b.at(i) && !(isWeak(a.at(i)) && isWeak(b.at(i))))
            return false;
    }
    return true;
}

} // namespace

RootAnalysis analyseRoots(const QStringList &words)
{
    QHash<QString, Candidates> candidates;
    QHash<QString, int> support;
    for (const QString &word : words) {
        if (candidates.contains(word) || isFunctionWordOrName(word))
            continue;
        double irregular = 0;
        const Candidates found = candidatesOf(word, &irregular);
        candidates.insert(word, found);
        // A word supports only the roots among its plainest readings, so the many
        // far-fetched readings of short words do not inflate the common roots.
        double cheapest = 1e9;
        for (const double cost : found)
            cheapest = std::min(cheapest, cost);
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            if (it.value() <= cheapest + SupportSlack)
                ++support[it.key()];
        }
    }

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
        if (!best.isEmpty() && support.value(best) >= 2) {
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

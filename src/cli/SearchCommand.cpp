#include "cli/SearchCommand.h"

#include "cli/Messages.h"
#include "core/SuraTables.h"

namespace {

constexpr int PartCount = 30;

// Reads the number at `arguments[*next]` within 1..`last`.
std::optional<int> number(const QStringList &arguments, qsizetype *next, int last)
{
    if (*next >= arguments.size())
        return std::nullopt;
    bool ok = false;
    const int value = arguments.at((*next)++).toInt(&ok);
    if (!ok || value < 1 || value > last)
        return std::nullopt;
    return value;
}

// Reads the scope after --scope into `command`; false when it is not one of the five forms.
bool readScope(const QStringList &arguments, qsizetype *next, SearchCommand &command)
{
    if (*next >= arguments.size())
        return false;
    const QString kind = arguments.at((*next)++);
    SearchChoices &c = command.choices;
    if (kind == QLatin1String("whole")) {
        command.scope = SearchScope::WholeText;
        return true;
    }
    if (kind == QLatin1String("part") || kind == QLatin1String("sura")) {
        const bool part = kind == QLatin1String("part");
        const std::optional<int> n = number(arguments, next, part ? PartCount : SuraCount);
        if (!n)
            return false;
        command.scope = part ? SearchScope::OnePart : SearchScope::OneSura;
        (part ? c.part : c.sura) = *n;
        return true;
    }
    if (kind == QLatin1String("parts") || kind == QLatin1String("suras")) {
        const bool parts = kind == QLatin1String("parts");
        const int last = parts ? PartCount : SuraCount;
        const std::optional<int> first = number(arguments, next, last);
        const std::optional<int> second = number(arguments, next, last);
        if (!first || !second)
            return false;
        command.scope = parts ? SearchScope::PartRange : SearchScope::SuraRange;
        (parts ? c.firstPart : c.firstSura) = *first;
        (parts ? c.lastPart : c.lastSura) = *second;
        return true;
    }
    return false;
}

} // namespace

std::optional<SearchCommand> parseSearchCommand(const QStringList &arguments, const Messages &say, QString *error)
{
    SearchCommand command;
    QStringList words;
    for (qsizetype i = 0; i < arguments.size();) {
        const QString argument = arguments.at(i++);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            command.help = true;
            return command;
        }
        if (argument == QLatin1String("--part-of-word")) {
            command.choices.wholeWord = false;
        } else if (argument == QLatin1String("--all-words")) {
            command.choices.allWords = true;
        } else if (argument == QLatin1String("--root")) {
            command.choices.byRoot = true;
        } else if (argument == QLatin1String("--strict")) {
            command.strict = true;
        } else if (argument == QLatin1String("--text")) {
            command.withText = true;
        } else if (argument == QLatin1String("--json")) {
            command.json = true;
        } else if (argument == QLatin1String("--data")) {
            if (i >= arguments.size()) {
                *error = say(QStringLiteral("الخيار ‎--data‎ يحتاج إلى اسم مجلد"), QStringLiteral("--data needs a folder"));
                return std::nullopt;
            }
            command.dataFolder = arguments.at(i++);
        } else if (argument == QLatin1String("--scope")) {
            if (!readScope(arguments, &i, command)) {
                *error = say(QStringLiteral("نطاق البحث غير صحيح: اكتب whole أو part رقم أو parts رقمين أو sura رقم أو "
                                            "suras رقمين (الأجزاء من 1 إلى 30 والسور من 1 إلى 114)"),
                             QStringLiteral("wrong scope: give whole, part N, parts A B, sura N or suras A B "
                                            "(parts 1 to 30, suras 1 to 114)"));
                return std::nullopt;
            }
        } else if (argument.startsWith(QLatin1String("--"))) {
            *error = say(QStringLiteral("خيار غير معروف: %1"), QStringLiteral("unknown option: %1")).arg(argument);
            return std::nullopt;
        } else {
            words.append(argument);
        }
    }
    command.words = words.join(u' ').trimmed();
    if (command.words.isEmpty()) {
        *error = say(QStringLiteral("اكتب الكلمات التي تبحث عنها"), QStringLiteral("no words to search for"));
        return std::nullopt;
    }
    return command;
}

QString searchCommandHelp(const Messages &say)
{
    return say(QStringLiteral(
                   "الاستعمال: velmora-search [خيارات] الكلمات…\n"
                   "يبحث في نص القرآن الكريم ويكتب كل آية وجدها مرة واحدة بترتيب المصحف، سطرا لكل آية: السورة:الآية.\n"
                   "\n"
                   "  --part-of-word   الكلمة قد تكون متصلة أو جزءا من غيرها (الافتراضي: كلمة مستقلة)\n"
                   "  --all-words      الكلمات لا يشترط أن تكون متجاورة: كل كلمة في أي موضع من الآية\n"
                   "  --root           البحث على مستوى جذر الكلمة (كلمة واحدة)\n"
                   "  --strict         بلا بحث ثان متسامح مع الإملاء حين لا يوجد شيء كما كتبت\n"
                   "  --scope whole | part N | parts A B | sura N | suras A B\n"
                   "                   نطاق البحث: القرآن كله، جزء، من جزء إلى آخر، سورة، من سورة إلى أخرى\n"
                   "  --text           يكتب بعد كل آية علامة جدولة ثم نصها\n"
                   "  --json           يكتب النتائج مصفوفة JSON من عناصر فيها sura و aya و page و part و text\n"
                   "  --data DIR       يقرأ quran.qu و Jthr.qu من المجلد DIR بدل مجلد البرنامج\n"
                   "  --help           يعرض هذا الشرح\n"
                   "\n"
                   "حالة الخروج: 0 إذا وجد شيء، 1 إذا لم يوجد شيء، 2 عند خطأ في الاستعمال أو ملف بيانات مفقود أو تالف.\n"),
               QStringLiteral(
                   "Usage: velmora-search [OPTIONS] WORDS…\n"
                   "Searches the text of the Quran and prints each verse found once, in reading order, one per line as sura:aya.\n"
                   "\n"
                   "  --part-of-word   the words may be joined to others or part of them (default: whole words)\n"
                   "  --all-words      the words need not stand together: each anywhere in the verse\n"
                   "  --root           search every form of the word's root (one word)\n"
                   "  --strict         no forgiving second pass when nothing is found as typed\n"
                   "  --scope whole | part N | parts A B | sura N | suras A B\n"
                   "                   where to search: the whole text, one part, parts A to B, one sura, suras A to B\n"
                   "  --text           print a tab and the verse's text after each verse\n"
                   "  --json           print one JSON array of objects with sura, aya, page, part and text\n"
                   "  --data DIR       read quran.qu and Jthr.qu from DIR instead of the program's folder\n"
                   "  --help           show this help\n"
                   "\n"
                   "Exit status: 0 when something was found, 1 when nothing was, 2 on a usage error or a missing or damaged data file.\n"));
}

#include "search/VersePage.h"

#include "core/Blanks.h"
#include "core/HtmlPage.h"
#include "text/TypedText.h"

#include <QRegularExpression>
#include <QStringList>

// Positions below count from 1 and 0 means "not found", so each step reads as the
// marking rules are stated: a start mark goes right after the n-th blank, an end mark
// right before the m-th blank.

namespace {

const QChar StartMark = u'^';
const QChar EndMark = u'*';

// 1-based position of `pattern` in `text` at or after `from`, ignoring case; 0 if none.
qsizetype find(const QString &text, const QString &pattern, qsizetype from)
{
    return text.indexOf(pattern, from - 1, Qt::CaseInsensitive) + 1;
}

// Number of blanks among the first q - 1 characters.
int blanksBefore(const QString &text, qsizetype q)
{
    return int(text.left(q - 1).count(u' '));
}

class Marking
{
public:
    explicit Marking(const QString &text) : m_text(text) {}

    // Marks the words from blank `start` to blank `end`. A pair that names blanks the
    // text does not have (texts not aligned word for word) is left unmarked.
    void mark(int start, int end)
    {
        const int blanks = int(m_text.count(u' '));
        if (start < 0 || end < 1 || start > blanks || end > blanks)
            return;
        const qsizetype startAt = nthBlank(start);
        m_text.insert(startAt, StartMark);
        const qsizetype endAt = nthBlank(end);
        m_text.insert(endAt - 1, EndMark);
    }

    // Runs of two to seven marks become one, shortest runs first, so a run of three or
    // more can survive as two.
    void collapse()
    {
        for (const QChar mark : {StartMark, EndMark}) {
            for (int run = 2; run <= 7; ++run)
                m_text.replace(QString(run, mark), QString(mark));
        }
    }

    QString text() const { return m_text; }

private:
    qsizetype nthBlank(int n) const
    {
        qsizetype position = 0;
        for (int i = 0; i < n; ++i)
            position = find(m_text, QStringLiteral(" "), position + 1);
        return position;
    }

    QString m_text;
};

// Every match of `pattern` in `searched` marks the words from blank k + startOffset to
// blank k + endOffset, k being the number of blanks before the match.
void markMatches(Marking &marking, const QString &searched, const QString &pattern, int startOffset, int endOffset)
{
    for (qsizetype position = find(searched, pattern, 1); position != 0; position = find(searched, pattern, position + 1)) {
        const int k = blanksBefore(searched, position);
        marking.mark(k + startOffset, k + endOffset);
    }
}

QString fontTag(const VersePageInput &input)
{
    return QStringLiteral("<p align=right dir=rtl><font face=\"") + input.fontName
        + QStringLiteral(" \"style=\"font-size: ") + QString::number(input.fontSize) + QStringLiteral("pt\">");
}

// The colour setting holds six hexadecimal digits without "#" when the picker wrote it;
// the view reads a bare "0000FF" as an unknown colour name and draws black.
QString htmlColor(const QString &color)
{
    static const QRegularExpression bareHex(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    return bareHex.match(color).hasMatch() ? u'#' + color : color;
}

QString markedText(const VersePageInput &input)
{
    Marking marking(u' ' + trimBlanks(input.displayText) + u' ');
    const QString &index = input.indexText;
    const int phraseBlanks = int(input.searchWord.count(u' '));
    if (input.wholeWord && !input.separateWords) {
        for (const QString &prefix : {QString(), Vocative})
            markMatches(marking, u' ' + index + u' ', u' ' + prefix + input.searchWord + u' ', 0, phraseBlanks + 1);
        marking.collapse();
    } else if (!input.wholeWord && !input.separateWords) {
        markMatches(marking, index, input.searchWord, 0, phraseBlanks + 1);
        marking.collapse();
    } else {
        for (const QString &word : input.searchWord.split(u' ')) {
            if (word.isEmpty())
                continue; // an empty word would match everywhere
            if (input.wholeWord) {
                for (const QString &prefix : {QString(), Vocative})
                    markMatches(marking, index, u' ' + prefix + word + u' ', 1, 2);
            } else {
                markMatches(marking, index, word, 0, 1);
            }
            marking.collapse();
        }
    }
    return trimBlanks(marking.text())
        .replace(StartMark, QStringLiteral("<font color=\"") + htmlColor(input.color) + QStringLiteral("\">"))
        .replace(EndMark, QStringLiteral("</font>"));
}

} // namespace

QString versePage(const VersePageInput &input)
{
    const QString label = QStringLiteral(" [") + input.reference + QStringLiteral("]");
    const QString notice = input.notice.isEmpty()
        ? QString()
        : QStringLiteral("<p align=right dir=rtl>") + input.notice.toHtmlEscaped() + QStringLiteral("</p>");
    if (input.searchWord.isEmpty())
        return htmlPage(notice + fontTag(input) + trimBlanks(input.displayText) + label + QStringLiteral("</font></p>"));

    QString page = htmlPage(notice + fontTag(input) + markedText(input) + label + QStringLiteral("</font></p>"));
    if (input.bold)
        page = QStringLiteral("<b>") + page + QStringLiteral("</b>");
    if (input.italic)
        page = QStringLiteral("<i>") + page + QStringLiteral("</i>");
    return page;
}

QString nothingFoundPage(const QString &fontName, double fontSize, const QString &typed, const QStringList &suggestions)
{
    QString body = QStringLiteral("<p align=right dir=rtl><font face=\"") + fontName + QStringLiteral(" \"style=\"font-size: ")
        + QString::number(fontSize) + QStringLiteral("pt\">") + QStringLiteral("لم يعثر على \"%1\" في نص القرآن الكريم.").arg(typed.toHtmlEscaped());
    if (!suggestions.isEmpty()) {
        body += QStringLiteral("<br>هل تقصد: ");
        QStringList links;
        for (const QString &text : suggestions)
            links.append(QStringLiteral("<a href=\"") + suggestionLink(text).toString(QUrl::FullyEncoded) + QStringLiteral("\">")
                         + text.toHtmlEscaped() + QStringLiteral("</a>"));
        body += links.join(QStringLiteral(" ، "));
    }
    return htmlPage(body + QStringLiteral("</font></p>"));
}

QUrl suggestionLink(const QString &text)
{
    QUrl link;
    link.setScheme(QStringLiteral("search"));
    link.setPath(text);
    return link;
}

QString suggestionOfLink(const QUrl &link)
{
    return link.scheme() == QLatin1String("search") ? link.path() : QString();
}

#include "images/PageContent.h"

namespace {

constexpr int OpeningSura = 1; // its basmala is its first verse
constexpr int RepentanceSura = 9; // starts without a basmala

} // namespace

QList<PageBlock> pageBlocks(const QList<PageVerse> &verses)
{
    QList<PageBlock> blocks;
    for (const PageVerse &verse : verses) {
        if (verse.verse == 1) {
            blocks.append({PageBlock::Kind::SuraHeader, verse.sura, {}});
            if (verse.sura != OpeningSura && verse.sura != RepentanceSura)
                blocks.append({PageBlock::Kind::Basmala, verse.sura, {}});
        }
        if (blocks.isEmpty() || blocks.last().kind != PageBlock::Kind::Verses)
            blocks.append({PageBlock::Kind::Verses, verse.sura, {}});
        blocks.last().verses.append(verse);
    }
    return blocks;
}

QString arabicIndicNumber(int number)
{
    QString digits = QString::number(number);
    for (QChar &digit : digits)
        digit = QChar(0x0660 + digit.digitValue());
    return digits;
}

QString verseWithEndMark(const PageVerse &verse)
{
    // U+06DD encloses the digits that follow it in one round verse-end mark.
    return verse.text + QStringLiteral(" \u06DD") + arabicIndicNumber(verse.verse);
}

#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The fixed tables of the 114 suras. Entry k - 1 belongs to sura k.
inline constexpr int SuraCount = 114;
inline constexpr int VerseTotal = 6236;

extern const QStringList SuraNames;
extern const std::array<int, SuraCount> SuraVerseCounts;
extern const QStringList SuraTypes;

struct VerseRef {
    int sura = 0;
    int verse = 0;
    friend bool operator==(const VerseRef &, const VerseRef &) = default;
};

// Running verse number in reading order: verse v of sura s is v plus the
// verse counts of suras 1 .. s - 1. Nothing when the reference does not exist.
std::optional<int> verseId(int sura, int verse);
std::optional<VerseRef> verseOfId(int id);

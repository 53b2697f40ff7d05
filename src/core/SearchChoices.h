#pragma once

// Where a search looks, in the order of the options frame's scope choices.
enum class SearchScope { WholeText, OnePart, PartRange, OneSura, SuraRange };

// What the options frame says about how to search, read when a search starts.
// Part and sura numbers count from 1.
struct SearchChoices {
    bool wholeWord = true; // "alone": the text stands as whole words
    bool allWords = false; // "Check3": every word anywhere in the verse
    bool byRoot = false;   // "Check2": search every form of the word's root
    int part = 1;
    int firstPart = 1;
    int lastPart = 1;
    int sura = 1;
    int firstSura = 1;
    int lastSura = 1;
};

// What the frames that search or gather ask of the options frame, so that they need
// not know the frame itself.
class SearchSettings
{
public:
    virtual SearchChoices searchChoices() const = 0;
    // Verses are shown and gathered in their form without diacritics.
    virtual bool withoutDiacritics() const = 0;

protected:
    ~SearchSettings() = default;
};

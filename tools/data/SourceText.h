#pragma once

#include <QList>
#include <QString>

// One verse as a source file gives it, in reading order.
struct SourceVerse {
    int sura = 0;
    int verse = 0;
    QString text;
};

// Reads a verse file of the text package: a JSON array of suras, each with its
// "verses" array of {"id": verse number, "text": Arabic, "translation": ...}.
// `field` names the member to take ("text" or "translation"). The result is checked
// against the sura tables: every sura present, in order, with its full verse count.
// On failure returns nothing and explains why in *error.
QList<SourceVerse> readSourceVerses(const QString &jsonFile, const QString &field, QString *error);

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The translations the update server offers. Entry n is stored in the file named
// "2" followed by n and ".qut" (entry 4 in "24.qut", entry 12 in "212.qut").
extern const QStringList TranslationNames;

QString translationFileName(int entry);

// The catalogue entry a translation file holds: every ".qut" removed from the name,
// the first character dropped, the rest read as a number. Nothing when the name does
// not fit or names no catalogue entry.
std::optional<int> translationEntryOfFile(const QString &fileName);

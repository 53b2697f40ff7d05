#pragma once

#include <QString>

// The reader's choices, kept per user as text under application "Velmora5", section
// "Setting". Nothing is cached: every reader asks for the key when it needs it.
namespace Settings {

QString value(const QString &key, const QString &defaultValue);
void setValue(const QString &key, const QString &value);

} // namespace Settings

#pragma once

#include <QString>

#include <functional>

// The reader's choices, kept per user as text under application "Velmora5", section
// "Setting". Nothing is cached: every reader asks for the key when it needs it.
namespace Settings {

QString value(const QString &key, const QString &defaultValue);
// Writes at once. False, and the failure handler told, when the value could not be
// written (a full disk, a settings folder that cannot be written).
bool setValue(const QString &key, const QString &value);

// Who tells the reader that a setting was lost; the program sets it at start-up.
void setWriteFailureHandler(std::function<void(const QString &key)> handler);

} // namespace Settings

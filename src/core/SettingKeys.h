#pragma once

#include <QString>

// Keys of the settings store and the value each has before the reader changes it.
namespace SettingKeys {

inline const QString FontName = QStringLiteral("FontName");
inline const QString FontSize = QStringLiteral("FontSize");
inline const QString FontItalic = QStringLiteral("FontItalic");
inline const QString FontBold = QStringLiteral("FontBold");
inline const QString Tashkeel = QStringLiteral("Tashkeel");
inline const QString TheColor = QStringLiteral("TheColor");
inline const QString ServerAddress = QStringLiteral("ServerAddress");
inline const QString ReaderName = QStringLiteral("ReaderName");
inline const QString XLeft = QStringLiteral("XLeft");
inline const QString YTop = QStringLiteral("YTop");
inline const QString SavedPages = QStringLiteral("SavedPages");
inline const QString SearchInterval = QStringLiteral("SearchInterval");

inline const QString DefaultFontName = QStringLiteral("Tahoma");
inline const QString DefaultFontSize = QStringLiteral("16");
inline const QString DefaultFontItalic = QStringLiteral("FALSE");
inline const QString DefaultFontBold = QStringLiteral("FALSE");
inline const QString DefaultTashkeel = QStringLiteral("0");
inline const QString DefaultTheColor = QStringLiteral("#FF0000");
inline const QString DefaultReaderName = QStringLiteral("6");

} // namespace SettingKeys

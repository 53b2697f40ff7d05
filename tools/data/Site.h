#pragma once

#include <QString>

// The static site the update server, the translation downloads and the local test
// server serve: <siteFolder>/communication/update/ holds
//   update5.0.php  the answer of the version check, "<version>^<release notes>",
//                  the version being DBversion of the built quran.qu;
//   newdb.qu       a copy of the built verse database;
//   <n>.qut        a copy of every translation file built into the program folder.
// Each file is written under a temporary name and renamed into place, so a web server
// serving the folder never hands out half a file. Returns false with the reason in
// *error.
bool writeSite(const QString &programFolder, const QString &siteFolder, QString *error);

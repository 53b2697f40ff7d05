#pragma once

#include <QString>

// The folder the program reads its data files from and keeps its caches in: the
// folder of the executable, as for a portable program. Tests point it elsewhere.
namespace ProgramFolder {

QString path();
void setPath(const QString &folder);

// A file of the program folder: path() + "/" + name.
QString file(const QString &name);

} // namespace ProgramFolder

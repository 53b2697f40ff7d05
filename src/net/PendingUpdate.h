#pragma once

#include "core/CheckedInstall.h"

#include <QString>

#include <optional>

// A downloaded verse database waits as newdb.qu until the next start, when it takes
// the place of quran.qu, but only if it is a whole, sound verse database. The old
// quran.qu stays as its backup until the new one has opened (settleVerseDatabase in
// core/CheckedInstall.h).
// Nothing pending: no result.
std::optional<Installation> installPendingDatabase(const QString &programFolder,
                                                   FileOperations &files = FileOperations::real());

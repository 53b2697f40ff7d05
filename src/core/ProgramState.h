#pragma once

#include "core/SearchChoices.h"

#include <QString>

// The few values the windows share for the length of a run. One object, passed to
// whoever needs it, instead of globals scattered across files.
struct ProgramState {
    QString SearchWord;                   // the current search text, highlighted in the verse view
    // The verse column SearchWord is marked in: the search form, or its folded form after
    // a forgiving search.
    QString SearchWordColumn = QStringLiteral("ayaaindex");
    ::SearchScope SearchScope = ::SearchScope::WholeText;
    QString HighlightColor = QStringLiteral("#FF0000");
    QString CurrentUser;                  // the memorisation user whose records are open
    int RasmSura = 0;                     // verse whose script image is asked for
    int RasmAyaa = 0;
    int DownloadItem = 0;                 // 1: the verse database; n: translation file n.qut
    int HelpTopic = 0;                    // page of the help window
    // The verse text column the gathers read ("ayaa", or "ayaaIndex" without diacritics):
    // chosen by each collection gather, and used as it stands by the print gathers.
    QString GatherTextColumn = QStringLiteral("ayaa");
};

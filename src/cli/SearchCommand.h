#pragma once

#include "core/SearchChoices.h"

#include <QString>
#include <QStringList>

#include <optional>

class Messages;

// What the command line asks for.
struct SearchCommand {
    QString words;        // the words to search for, joined by blanks
    bool help = false;
    bool strict = false;  // no forgiving pass
    bool withText = false;
    bool json = false;
    QString dataFolder;   // empty: the folder of the executable
    SearchScope scope = SearchScope::WholeText;
    SearchChoices choices;
};

// Reads the arguments that follow the program name. A usage error gives nothing and
// its message in `error`.
std::optional<SearchCommand> parseSearchCommand(const QStringList &arguments, const Messages &say, QString *error);

// The text of --help.
QString searchCommandHelp(const Messages &say);

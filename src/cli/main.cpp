// velmora-search: the program's text and root searches for readers who script.

#include "cli/Messages.h"
#include "core/ReaderFolder.h"
#include "cli/SearchCommand.h"
#include "cli/VerseSearch.h"

#include <QCoreApplication>
#include <QTextStream>

#include <optional>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Messages say;
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString error;
    const std::optional<SearchCommand> command = parseSearchCommand(app.arguments().mid(1), say, &error);
    if (!command) {
        err << error << u'\n'
            << say(QStringLiteral("اكتب velmora-search --help لمعرفة الاستعمال"), QStringLiteral("see velmora-search --help"))
            << u'\n';
        return 2;
    }
    if (command->help) {
        out << searchCommandHelp(say);
        return 0;
    }

    const QString folder =
        command->dataFolder.isEmpty() ? ReaderFolder::dataFolderFor(QCoreApplication::applicationDirPath()) : command->dataFolder;
    const VerseSearchOutcome outcome = runVerseSearch(*command, folder, say);
    for (const QString &note : outcome.notes)
        err << note << u'\n';
    err.flush();
    switch (outcome.status) {
    case VerseSearchOutcome::Status::Found:
        out << formatVerses(outcome.verses, command->withText, command->json);
        return 0;
    case VerseSearchOutcome::Status::NothingFound:
        if (command->json)
            out << formatVerses({}, false, true);
        return 1;
    case VerseSearchOutcome::Status::Failed:
        break;
    }
    return 2;
}

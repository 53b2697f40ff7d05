#pragma once

#include "support/FailingFileOperations.h"
#include "core/Platform.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QQueue>
#include <QStringList>

// Stands in for the desktop in tests: records every request the program makes and
// answers from queues the test fills beforehand. An empty queue gives the answer a
// reader closing the dialog would give (Ok or Cancel, no input, no file name).
class ScriptedPlatform : public Platform
{
public:
    struct Message {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };
    struct FontChoice {
        QFont font;
        bool accepted = false; // false: the dialog was closed without a choice
    };

    // Queued answers.
    QQueue<Answer> answers;
    QQueue<std::optional<QString>> inputs;
    QQueue<FontChoice> fonts;
    QQueue<QString> fileNames; // for both the save and the open dialog
    QQueue<std::optional<int>> choices;
    bool connected = true;
    // Probes are answered from the event loop, as the network would; held ones wait
    // until answerHeldProbes(), so a test can act while a probe runs.
    bool holdProbes = false;
    void answerHeldProbes();
    bool programStarts = true; // false: every program fails to start
    // File operations that fail when the test asks them to.
    FailingFileOperations fileOperations;

    // What the program asked for.
    QList<Message> messages;
    QStringList inputPrompts;
    QList<QFont> fontPresets; // the font each font dialog opened on
    QList<QUrl> openedUrls;
    QList<QPair<QString, QString>> startedPrograms;
    QStringList keyboardLayouts;
    QList<QUrl> connectivityProbes;
    QString clipboard;

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) override;
    bool chooseFont(QFont &font) override;
    QString saveFileName(const QString &title, const QString &suggestedName, const QString &filter) override;
    QString openFileName(const QString &title, const QString &filter) override;
    std::optional<int> chooseItem(const QString &prompt, const QString &title, const QStringList &items,
                                  int current) override;
    bool openUrl(const QUrl &url) override
    {
        openedUrls.append(url);
        return true;
    }
    bool startProgram(const QString &program, const QString &argument) override
    {
        startedPrograms.append({program, argument});
        return programStarts;
    }
    void activateKeyboardLayout(const QString &layoutId) override { keyboardLayouts.append(layoutId); }
    void probeConnection(const QUrl &probe, QObject *context, std::function<void(bool)> answered) override;
    void setClipboardText(const QString &text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }
    FileOperations &files() override { return fileOperations; }

private:
    QList<QPair<QPointer<QObject>, std::function<void(bool)>>> m_heldProbes;
};

#pragma once

#include "core/FileOperations.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

class QFont;
class QObject;

// Everything the windows ask of the desktop: dialogs, the shell, the clipboard, the
// network probe and the file operations that replace files. Windows never call
// QMessageBox and friends directly, so tests can answer for the user, make a step
// fail and see what the program said.
class Platform
{
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    virtual ~Platform() = default;

    // An empty title means the application's own name.
    virtual Answer message(const QString &text, const QString &title = {},
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // Nothing when the reader cancels.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &defaultText = {}) = 0;
    // The font dialog opens on `font`; true when the reader chose one, put in `font`.
    // Closed without a choice, `font` stays as it was.
    virtual bool chooseFont(QFont &font) = 0;
    // An empty text when the reader cancels. The filter is in Qt's form ("GIF (*.gif)").
    virtual QString saveFileName(const QString &title, const QString &suggestedName,
                                 const QString &filter) = 0;
    // An existing file to read; an empty text when the reader cancels.
    virtual QString openFileName(const QString &title, const QString &filter) = 0;
    // One of `items`, `current` chosen at first; nothing when the reader cancels.
    virtual std::optional<int> chooseItem(const QString &prompt, const QString &title,
                                          const QStringList &items, int current) = 0;

    // Hands an address to the desktop's default handler (web browser, media player).
    virtual bool openUrl(const QUrl &url) = 0;
    // Starts a program with one argument, detached; `program` may carry options of its
    // own before it. An empty program means openUrl. False when nothing could start.
    virtual bool startProgram(const QString &program, const QString &argument) = 0;

    // Layout switching has no counterpart here; the request is only recorded.
    virtual void activateKeyboardLayout(const QString &layoutId) = 0;
    // The layout asked for wherever the reader types Arabic.
    static inline const QString ArabicKeyboardLayout = QStringLiteral("00000401");
    void activateArabicKeyboard() { activateKeyboardLayout(ArabicKeyboardLayout); }

    // Sends a short HEAD request to the probe address and returns at once. `answered`
    // runs later, on this thread, with true when any HTTP answer came back; never once
    // `context` is gone, so a window may close while its probe runs.
    virtual void probeConnection(const QUrl &probe, QObject *context, std::function<void(bool)> answered) = 0;

    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() = 0;

    // The steps every replacement of a file is made of.
    virtual FileOperations &files() { return FileOperations::real(); }
};

#pragma once

#include "core/Platform.h"

class QWidget;

// The real desktop: Qt dialogs, the clipboard and the network.
class QtPlatform : public Platform
{
public:
    explicit QtPlatform(QWidget *dialogParent = nullptr);

    void setDialogParent(QWidget *parent) { m_parent = parent; }

    Answer message(const QString &text, const QString &title, Buttons buttons, Icon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    bool chooseFont(QFont &font) override;
    QString saveFileName(const QString &title, const QString &suggestedName,
                         const QString &filter) override;
    QString openFileName(const QString &title, const QString &filter) override;
    std::optional<int> chooseItem(const QString &prompt, const QString &title, const QStringList &items,
                                  int current) override;
    bool openUrl(const QUrl &url) override;
    bool startProgram(const QString &program, const QString &argument) override;
    void activateKeyboardLayout(const QString &layoutId) override;
    void probeConnection(const QUrl &probe, QObject *context, std::function<void(bool)> answered) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;

private:
    QWidget *m_parent = nullptr;
};

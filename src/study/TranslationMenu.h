#pragma once

#include <QListWidget>
#include <QStringList>

class QPropertyAnimation;

// The menu of installed translations beside the results: a first row that asks for
// another translation, a separator, then one row per installed file named by the
// catalogue entry it holds. It slides out when opened and back when it loses the focus.
class TranslationMenu : public QListWidget
{
    Q_OBJECT

public:
    TranslationMenu(QWidget *parent);

    // Start-up: one row per translation file (files whose names hold no catalogue entry
    // are left out), then room for a scroll bar when the menu outgrows its height.
    void fill(const QStringList &translationFiles);
    int slideSteps() const { return m_slideSteps; }

    void slideOut();

Q_SIGNALS:
    // The first row: the reader wants another translation.
    void downloadRequested();
    // A translation row: the file behind it, in the program folder.
    void fileChosen(const QString &file);
    // The menu slides back; its opening command is open to the reader again.
    void closing();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void slideBack();
    void slide(int steps);
    void choose();

    QPropertyAnimation *m_slide = nullptr;
    QStringList m_files; // the file behind each translation row
    int m_slideSteps = 76;
};

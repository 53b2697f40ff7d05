#pragma once

#include <QWidget>

class Platform;
class QPlainTextEdit;
class QTabWidget;

// The about frame: what the program does, where its data comes from and under which
// licences, and how updates, translations and commentaries are installed.
class FrmAbout : public QWidget
{
    Q_OBJECT

public:
    explicit FrmAbout(Platform &platform, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Platform &m_platform;
    QTabWidget *XTab2 = nullptr;
    QPlainTextEdit *Text6 = nullptr;
    QPlainTextEdit *Text7 = nullptr;
    QPlainTextEdit *Text9 = nullptr;
};

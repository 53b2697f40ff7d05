#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class FrmDownload;
class Platform;
class QListWidget;
class QPushButton;
struct ProgramState;

// The translation download page: the catalogue of translations the update server
// offers, and the button that installs the chosen one.
class FrmDownloadT : public QWidget
{
    Q_OBJECT

public:
    // serverAddress: the update server at the moment of the download (the options
    // frame's txtserver); programEnd: how the download window ends the program.
    FrmDownloadT(Platform &platform, ProgramState &state, std::function<QString()> serverAddress,
                 std::function<void()> programEnd, QWidget *parent = nullptr);

    // Opening the page from the translation menu: the first entry chosen, with the
    // focus, and the installed entries marked.
    void selectFirstTranslation();

    void cmddownload_Click();

private:
    void markInstalled();

    Platform &m_platform;
    ProgramState &m_state;
    std::function<QString()> m_serverAddress;
    std::function<void()> m_programEnd;
    QPointer<FrmDownload> m_download;

    QListWidget *List4 = nullptr;
    QPushButton *cmddownload = nullptr;
};

#pragma once

#include "net/FrmDownload.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class Platform;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;
class QPushButton;
class QTextEdit;
struct ProgramState;

// The update window: compares the installed verse database's version with the one the
// update server publishes, shows the server's release notes and, when the two differ,
// offers the download of the new database. The check runs each time the window becomes
// active; the request runs in the background, so the window never freezes while the
// server is slow. Shown with open().
class FrmUpdate : public QDialog
{
    Q_OBJECT

public:
    // serverAddress: the update server, ending in "/" (the options frame's txtserver).
    // programEnd: how the download window ends the program after a download.
    FrmUpdate(Platform &platform, ProgramState &state, const QString &serverAddress,
              std::function<void()> programEnd, QWidget *parent = nullptr);

    // The version check (runs on activation; public for callers that want it now).
    void Check();
    bool isChecking() const { return m_reply != nullptr || m_probing; }

    void done(int result) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void showLocalVersion();
    void onProbed(bool connected);
    void onAnswer();
    void showConnectionError();
    void cmdupdate_Click();
    void cmdSite_Click();

    Platform &m_platform;
    ProgramState &m_state;
    QString m_serverAddress;
    std::function<void()> m_programEnd;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    QPointer<FrmDownload> m_download;
    bool m_probing = false;
    // The reader's answer to our own message box brings the window back to the front;
    // that activation must not start the check (and the message) all over again.
    bool m_messageShowing = false;
    bool m_skipNextActivation = false;
    static constexpr int RequestTimeoutMs = 15000; // longest wait for the server's answer

    QLabel *lbluserdb = nullptr;
    QLabel *lbluserdbShow = nullptr;
    QLabel *lblserverdb = nullptr;
    QLabel *lblstatus = nullptr;
    QTextEdit *txtnote = nullptr;
    QPushButton *cmdupdate = nullptr;
    QPushButton *cmdSite = nullptr;
    QPushButton *Command1 = nullptr;
    QProgressBar *busy = nullptr;
};

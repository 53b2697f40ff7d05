#pragma once

#include <QString>

// What the download window fetches for a DownloadItem: 1 is the verse database, any
// other n the translation file n.qut. Both live under the update server's
// "communication/update/" folder and are saved in the program folder.
struct UpdateFile {
    QString url;      // server address + "communication/update/" + file name
    QString fileName; // "newdb.qu" or "<n>.qut"
};

UpdateFile updateFile(int downloadItem, const QString &serverAddress);

// The address of the version check: server address + "communication/update/update5.0.php".
QString updateCheckUrl(const QString &serverAddress);

// The server's answer "version^release notes[^...]". Nothing when it holds no "^".
struct UpdateAnswer {
    QString version;
    QString notes;
};
bool parseUpdateAnswer(const QString &body, UpdateAnswer *answer);

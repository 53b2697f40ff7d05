#pragma once

#include "core/Servers.h"

#include <QWidget>

class Platform;
class QComboBox;
class QListWidget;
class QPushButton;
class RecitationPlayer;

// The listening frame: a whole sura by one of 14 reciters (played or saved), or a range
// of verses of it by one of 2 reciters.
class FrmLst2Quran : public QWidget
{
    Q_OBJECT

public:
    // servers: the audio addresses, reciter names and player command (Servers::load());
    // player: the program's one recitation player.
    FrmLst2Quran(Platform &platform, const Servers &servers, RecitationPlayer &player, QWidget *parent = nullptr);

    // The first opening of the frame: sura 1 with its verses, the first whole-sura
    // reciter and the second range reciter. Later openings keep the reader's choices.
    void selectFirstChoices();

    void AyaaName_Click();
    void CombFrom_Click();
    void CmdLstnFull_Click();
    void CmdDownloadQuran_Click();
    void CmdLstnPart_Click();

private:
    // False, after telling the reader, when no sura or reciter is chosen.
    bool hasChoice(const QListWidget *reciters);

    Platform &m_platform;
    Servers m_servers;
    RecitationPlayer &m_player;

    QComboBox *AyaaName = nullptr;
    QListWidget *lstReaderName = nullptr;
    QPushButton *CmdLstnFull = nullptr;
    QPushButton *CmdDownloadQuran = nullptr;
    QComboBox *CombFrom = nullptr;
    QComboBox *CombTo = nullptr;
    QListWidget *lstReaderNamePartial = nullptr;
    QPushButton *CmdLstnPart = nullptr;
};

#pragma once

#include "core/SearchChoices.h"

#include <QFont>
#include <QWidget>

class Platform;
struct ProgramState;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The options frame: how to search and where, the display font and highlight colour,
// diacritics, the update server's address and the whole-sura reciter.
class FrmOptions : public QWidget, public SearchSettings
{
    Q_OBJECT

public:
    FrmOptions(Platform &platform, ProgramState &state, const QStringList &reciters, QWidget *parent = nullptr);

    // Start-up: the stored diacritics choice and server address.
    void loadSettings();
    // Opening the frame: first sura and part in every scope chooser, the font dialog
    // preset from the display font, the stored reciter.
    void SearchOptions_Click(const QFont &displayFont);

    SearchChoices searchChoices() const override;
    bool withoutDiacritics() const override;
    QString serverAddress() const;

Q_SIGNALS:
    void displayFontChanged(const QFont &font);
    // The scope option or one of its choosers changed.
    void scopeChanged();
    void helpRequested(int topic);

private:
    void Commandfont_Click();
    void Command6_Click();
    void Check1_Click();
    void Command5_Click();
    void namecomb_Click();
    void UpdateScope();

    Platform &m_platform;
    ProgramState &m_state;
    QFont m_dialogFont;

    QRadioButton *alone = nullptr;
    QRadioButton *withother = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QRadioButton *allsearch = nullptr;
    QRadioButton *partop = nullptr;
    QRadioButton *part12op = nullptr;
    QRadioButton *soraop = nullptr;
    QRadioButton *sora12op = nullptr;
    QComboBox *part = nullptr;
    QComboBox *part1 = nullptr;
    QComboBox *part2 = nullptr;
    QComboBox *sora = nullptr;
    QComboBox *sora1 = nullptr;
    QComboBox *sora2 = nullptr;
    QPushButton *Commandfont = nullptr;
    QPushButton *Command6 = nullptr;
    QLineEdit *txtserver = nullptr;
    QPushButton *Command5 = nullptr;
    QComboBox *namecomb = nullptr;
    QPushButton *Command1 = nullptr;
};

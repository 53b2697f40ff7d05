#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

// What the small dialog of the "إلى الآية ..." commands hands back.
struct ToVerseChoice {
    QString ToVerseConfirmed; // "yes" after OK, set back to "no" by the command using it
    QString ToVerseTarget;    // the chosen last verse, as text
};

// Chooses the last verse of a range that starts at the current verse (position k of
// sura S): the verses k + 1 ... N(S), the current one first.
class FrmSaveTiny : public QDialog
{
    Q_OBJECT

public:
    FrmSaveTiny(int sura, int position, ToVerseChoice &choice, QWidget *parent = nullptr);

    void Command1_Click();

private:
    ToVerseChoice &m_choice;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr;
};

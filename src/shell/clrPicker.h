#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QFrame;
class QPushButton;
struct ProgramState;

// The colour of highlighted words: 40 swatches, a frame around the chosen one, and
// "موافق", which stores the choice. Closing any other way, or OK with no swatch chosen,
// changes nothing.
class clrPicker : public QDialog
{
    Q_OBJECT

public:
    explicit clrPicker(ProgramState &state, QWidget *parent = nullptr);

    // Red, green and blue of each swatch, in order.
    static const QList<QRgb> SwatchColors;
    // Six upper-case hexadecimal digits, red green blue ("FF8000").
    static QString colorText(QRgb color);

    QString chosenColor() const { return m_chosen; }

private:
    void MiniPicker_Click(int index);
    void Command1_Click();
    bool eventFilter(QObject *watched, QEvent *event) override;

    ProgramState &m_state;
    QList<QFrame *> MiniPicker; // 0..39 the swatches, 40 the selection frame
    QPushButton *Command1 = nullptr;
    QString m_chosen;
};

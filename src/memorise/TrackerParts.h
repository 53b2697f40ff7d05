#pragma once

#include <QString>

class DataSource;
class MirroredLabel;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;
class QWidget;
class TrackerRecords;
class VorelProgress;

// Controls and helpers shared by the tracker's three pages.
namespace tracker {

QLabel *caption(const QString &text, QWidget *parent);
// A caption and the control showing its value, side by side.
QWidget *figure(const QString &text, QWidget *value, QWidget *parent);
QTextEdit *readOnlyText(const char *name, QWidget *parent);
QPushButton *button(const char *name, const QString &text, QWidget *parent);
VorelProgress *bar(const char *name, QWidget *parent);

// Selecting an entry by program runs its handler, as a click would, even when the
// entry was already selected; the control's own signal stays quiet meanwhile.
void setRowQuietly(QListWidget *list, int row);
void setIndexQuietly(QComboBox *box, int index);

// Disables a list while its own command runs and gives it the focus back afterwards:
// disabling the focused list would send the keyboard to another control.
class BusyList
{
public:
    explicit BusyList(QListWidget *list);
    ~BusyList();
    BusyList(const BusyList &) = delete;
    BusyList &operator=(const BusyList &) = delete;

private:
    QListWidget *m_list;
    bool m_hadFocus;
};

// The memorised share of a sura and of the whole text, as counts and bars.
struct SavedFigures {
    MirroredLabel *suraCount = nullptr;
    MirroredLabel *quranCount = nullptr;
    VorelProgress *suraBar = nullptr;
    VorelProgress *quranBar = nullptr;

    // Read anew from the user's records through `source`; blank when they cannot be read.
    void refresh(TrackerRecords &records, DataSource &source, int sura) const;
    void blank() const;
};

} // namespace tracker

#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class PictureButton;
class QLineEdit;
class QTimer;

// A text box for searching as the reader types: the host is asked to search once the
// text has rested for the typing pause, or at once on Enter, so it never searches on
// every key. A clear button abandons the search; a drop-down button asks the host for
// its menu. Enabled is the widget's own enabled state.
class SearchBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool PopupMenu READ popupMenu WRITE setPopupMenu)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(QString SearchTiggerInterval READ searchTiggerInterval WRITE setSearchTiggerInterval)

public:
    explicit SearchBox(QWidget *parent = nullptr);

    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &color);
    QColor backColor() const;
    void setBackColor(const QColor &color);
    QColor foreColor() const;
    void setForeColor(const QColor &color);
    // Whether the drop-down button is active.
    bool popupMenu() const { return m_popupMenu; }
    void setPopupMenu(bool on);
    QString text() const;
    void setText(const QString &text);
    // The typing pause in milliseconds, as decimal text. Text that is not a whole
    // number of milliseconds leaves the pause as it was.
    QString searchTiggerInterval() const;
    void setSearchTiggerInterval(const QString &milliseconds);

    // Lays the parts out again and redraws.
    void Refresh();


    QSize sizeHint() const override;

Q_SIGNALS:
    void Click();
    void DblClick();
    void SearchRequested(const QString &SearchString);
    void SearchCanceled();
    void DropDownClick();
    // The text box took the keyboard focus.
    void GotFocus();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtSearchText_Change();
    void tmrSearchInterval_Timer();
    void imgSearchClearButton_Click();
    void imgSearchDropDownButton_MouseDown();
    void clearSearch();
    void refreshPictures();
    void layOut();

    QLineEdit *txtSearchText;
    QTimer *tmrSearchInterval;
    PictureButton *imgSearchClearButton;
    PictureButton *imgSearchDropDownButton;

    const QPixmap imgSearchClear;
    const QPixmap imgSearchClearDisabled;
    const QPixmap imgSearchDropDown;
    const QPixmap imgSearchDropDownDisabled;
    const QPixmap imgSearchNoDropDown;
    const QPixmap imgSearchNoDropDownDisabled;

    QColor m_borderColor;
    bool m_popupMenu = true;
    // Qt ends a double click with a release; it must not count as a second click.
    bool m_releaseEndsDoubleClick = false;
};

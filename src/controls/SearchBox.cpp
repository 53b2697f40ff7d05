#include "controls/SearchBox.h"

#include "controls/PictureButton.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTimer>

#include <utility>

namespace {

constexpr int DefaultInterval = 1000;       // ms
constexpr int DefaultBorderColor = 12164479; // red 127, green 157, blue 185
constexpr int TwipsPerPixel = 15; // the stored height is in twips
constexpr int DefaultHeight = 345 / TwipsPerPixel;

// Layout lengths in pixels.
constexpr int ClearButtonLeft = 1;
constexpr int DropDownRightMargin = 4;
constexpr int TextBoxGap = 2;
constexpr int TextBoxMargin = 1;

constexpr int PictureSize = 16;
const QColor EnabledInk(70, 95, 130);
const QColor DisabledInk(185, 185, 185);

// Colour numbers hold red in the lowest byte: 0x00BBGGRR.
QColor colorFromNumber(int number)
{
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

QPixmap blankPicture()
{
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::transparent);
    return picture;
}

// A filled disc with a light cross.
QPixmap drawClearPicture(const QColor &ink)
{
    QPixmap picture = blankPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QRectF(1, 1, 14, 14));
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    painter.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
    return picture;
}

// A magnifying glass, with a small arrow below its handle when there is a menu to open.
QPixmap drawSearchPicture(const QColor &ink, bool withMenuArrow)
{
    QPixmap picture = blankPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(2, 2, 8, 8));
    painter.drawLine(QPointF(9, 9), QPointF(12, 12));
    if (withMenuArrow) {
        QPainterPath arrow;
        arrow.moveTo(10, 12);
        arrow.lineTo(16, 12);
        arrow.lineTo(13, 15);
        arrow.closeSubpath();
        painter.fillPath(arrow, ink);
    }
    return picture;
}

bool isEnterKey(const QEvent *event)
{
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

SearchBox::SearchBox(QWidget *parent)
    : QWidget(parent)
    , txtSearchText(new QLineEdit(this))
    , tmrSearchInterval(new QTimer(this))
    , imgSearchClearButton(new PictureButton(this))
    , imgSearchDropDownButton(new PictureButton(this))
    , imgSearchClear(drawClearPicture(EnabledInk))
    , imgSearchClearDisabled(drawClearPicture(DisabledInk))
    , imgSearchDropDown(drawSearchPicture(EnabledInk, true))
    , imgSearchDropDownDisabled(drawSearchPicture(DisabledInk, true))
    , imgSearchNoDropDown(drawSearchPicture(EnabledInk, false))
    , imgSearchNoDropDownDisabled(drawSearchPicture(DisabledInk, false))
    , m_borderColor(colorFromNumber(DefaultBorderColor))
{
    txtSearchText->setObjectName(QStringLiteral("txtSearchText"));
    tmrSearchInterval->setObjectName(QStringLiteral("tmrSearchInterval"));
    imgSearchClearButton->setObjectName(QStringLiteral("imgSearchClearButton"));
    imgSearchDropDownButton->setObjectName(QStringLiteral("imgSearchDropDownButton"));

    // The control draws its own border around a bare text box.
    txtSearchText->setFrame(false);
    txtSearchText->installEventFilter(this);
    setFocusProxy(txtSearchText);
    // A tab stop of its own (its text box takes the focus), so windows can place it in
    // their tab order.
    setFocusPolicy(Qt::StrongFocus);

    tmrSearchInterval->setInterval(DefaultInterval);

    imgSearchClearButton->hide();

    setBackColor(Qt::white);
    resize(sizeHint());

    connect(txtSearchText, &QLineEdit::textChanged, this, &SearchBox::txtSearchText_Change);
    connect(tmrSearchInterval, &QTimer::timeout, this, &SearchBox::tmrSearchInterval_Timer);
    connect(imgSearchClearButton, &QAbstractButton::clicked, this, &SearchBox::imgSearchClearButton_Click);
    connect(imgSearchDropDownButton, &QAbstractButton::pressed, this, &SearchBox::imgSearchDropDownButton_MouseDown);

    refreshPictures();
    layOut();
}

void SearchBox::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    update();
}

QColor SearchBox::backColor() const
{
    return palette().color(QPalette::Base);
}

void SearchBox::setBackColor(const QColor &color)
{
    // The text box takes the surface's palette, so one write colours both.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    colours.setColor(QPalette::Base, color);
    setPalette(colours);
    update();
}

QColor SearchBox::foreColor() const
{
    return palette().color(QPalette::Text);
}

void SearchBox::setForeColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    colours.setColor(QPalette::Text, color);
    setPalette(colours);
}

void SearchBox::setPopupMenu(bool on)
{
    m_popupMenu = on;
    refreshPictures();
}

QString SearchBox::text() const
{
    return txtSearchText->text();
}

void SearchBox::setText(const QString &text)
{
    txtSearchText->setText(text);
    // A program's write is no typing: no search follows it.
    tmrSearchInterval->stop();
}

QString SearchBox::searchTiggerInterval() const
{
    return QString::number(tmrSearchInterval->interval());
}

void SearchBox::setSearchTiggerInterval(const QString &milliseconds)
{
    bool isNumber = false;
    const int interval = milliseconds.trimmed().toInt(&isNumber);
    if (!isNumber || interval < 0)
        return;
    tmrSearchInterval->setInterval(interval);
}

void SearchBox::Refresh()
{
    layOut();
    update();
}

QSize SearchBox::sizeHint() const
{
    return QSize(200, DefaultHeight);
}

void SearchBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    painter.setPen(m_borderColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SearchBox::resizeEvent(QResizeEvent *)
{
    layOut();
}

void SearchBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        refreshPictures();
    } else if (event->type() == QEvent::FontChange) {
        layOut();
    }
    QWidget::changeEvent(event);
}

void SearchBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (std::exchange(m_releaseEndsDoubleClick, false))
        return;
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Click();
}

void SearchBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_releaseEndsDoubleClick = true;
    Q_EMIT DblClick();
}

bool SearchBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != txtSearchText)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        Q_EMIT GotFocus();
        break;
    case QEvent::ShortcutOverride:
        // Claim Enter before any shortcut of the host can take it.
        if (isEnterKey(event)) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        // Enter searches at once and goes no further, so the host never runs a
        // second search for the same key.
        if (isEnterKey(event)) {
            tmrSearchInterval_Timer();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void SearchBox::txtSearchText_Change()
{
    if (txtSearchText->text().trimmed().isEmpty()) {
        clearSearch();
        return;
    }
    imgSearchClearButton->show();
    tmrSearchInterval->start(); // the pause is measured from the last change
}

void SearchBox::tmrSearchInterval_Timer()
{
    tmrSearchInterval->stop();
    Q_EMIT SearchRequested(txtSearchText->text().trimmed());
}

void SearchBox::imgSearchClearButton_Click()
{
    clearSearch();
}

void SearchBox::imgSearchDropDownButton_MouseDown()
{
    if (m_popupMenu)
        Q_EMIT DropDownClick();
}

void SearchBox::clearSearch()
{
    imgSearchClearButton->hide();
    {
        // Emptying the text must not come back here and cancel a second time.
        const QSignalBlocker blocker(txtSearchText);
        txtSearchText->clear();
    }
    tmrSearchInterval->stop();
    Q_EMIT SearchCanceled();
}

void SearchBox::refreshPictures()
{
    const bool enabled = isEnabled();
    imgSearchClearButton->setPicture(enabled ? imgSearchClear : imgSearchClearDisabled);
    if (m_popupMenu)
        imgSearchDropDownButton->setPicture(enabled ? imgSearchDropDown : imgSearchDropDownDisabled);
    else
        imgSearchDropDownButton->setPicture(enabled ? imgSearchNoDropDown : imgSearchNoDropDownDisabled);
    // A text cursor over a box that takes text, the arrow over one that does not.
    setCursor(enabled ? Qt::IBeamCursor : Qt::ArrowCursor);
}

void SearchBox::layOut()
{
    const int w = width();
    const int h = height();

    imgSearchClearButton->move(ClearButtonLeft, h / 2 - imgSearchClearButton->height() / 2);
    imgSearchDropDownButton->move(w - imgSearchDropDownButton->width() - DropDownRightMargin,
                                  h / 2 - imgSearchDropDownButton->height() / 2);

    // As tall as one line of text in the control's font, between the two buttons and
    // inside the border.
    const int left = imgSearchClearButton->x() + imgSearchClearButton->width() + TextBoxGap;
    const int textWidth = (w - DropDownRightMargin) - (left + TextBoxMargin)
                          - (imgSearchDropDownButton->width() + TextBoxMargin);
    const int textHeight = qMin(txtSearchText->minimumSizeHint().height(), h - 2);
    txtSearchText->setGeometry(left, h / 2 - textHeight / 2, qMax(0, textWidth), textHeight);
    update();
}

#include "controls/CoolHoverButton.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPalette>

#include <utility>

namespace {

const QColor IdleFill(192, 192, 255);
const QColor IdleBorder(0, 0, 128);
const QColor PressedBorder(64, 64, 64);


constexpr int SecondCaptionTop = 11; // px

QLabel *makeCaption(const QString &name, QWidget *button)
{
    auto *caption = new QLabel(button);
    caption->setObjectName(name);
    QFont font = caption->font();
    font.setFamily(QStringLiteral("Tahoma"));
    caption->setFont(font);
    // The button takes every mouse event itself, over its captions too.
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette colours = caption->palette();
    colours.setColor(QPalette::Disabled, QPalette::WindowText, colours.color(QPalette::Active, QPalette::WindowText));
    caption->setPalette(colours);
    return caption;
}

} // namespace

CoolHoverButton::CoolHoverButton(QWidget *parent)
    : CoolHoverButton(Scheme{QColor(255, 255, 255), QColor(192, 192, 255)}, parent)
{
}

CoolHoverButton::CoolHoverButton(const Scheme &scheme, QWidget *parent)
    : QWidget(parent)
    , m_scheme(scheme)
    , Go(makeCaption(QStringLiteral("Go"), this))
    , GO2(makeCaption(QStringLiteral("GO2"), this))
    , GoHover{false, IdleFill, IdleBorder}
{
    Go->setAlignment(Qt::AlignCenter);
    GO2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    GO2->setWordWrap(true);
    GO2->hide();
    setMouseTracking(true); // MouseMove without a button held
    // Reachable with Tab and worked with Space, like any button.
    setFocusPolicy(Qt::StrongFocus);
}

QString CoolHoverButton::caption() const
{
    return Go->text();
}

void CoolHoverButton::setCaption(const QString &caption)
{
    Go->setText(caption);
    layOut();
}

QString CoolHoverButton::captionSec() const
{
    return GO2->text();
}

void CoolHoverButton::setCaptionSec(const QString &caption)
{
    GO2->setText(caption);
    layOut();
}



bool CoolHoverButton::event(QEvent *event)
{
    // QWidget drops mouse events while disabled, but this button still raises MouseMove
    // and must still take back its pressed colours on release (a host may disable the
    // button from its MouseDown), so it handles them before QWidget does.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        mouseDown(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        mouseUp(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonDblClick:
        doubleClick(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove:
        mouseMove(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        update(); // the focus frame
        return QWidget::event(event);
    default:
        return QWidget::event(event);
    }
}

void CoolHoverButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_scheme.background);
    if (GoHover.shown) {
        painter.setPen(GoHover.border);
        painter.setBrush(GoHover.fill);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        painter.setPen(QPen(IdleBorder, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void CoolHoverButton::keyPressEvent(QKeyEvent *event)
{
    // Space works the button as a click in its middle does.
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !isEnabled()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QPointF middle = QRectF(rect()).center();
    Q_EMIT MouseDown(Qt::LeftButton, event->modifiers(), middle);
    if (!isEnabled())
        return; // the host took the button away on MouseDown
    Q_EMIT MouseUp(Qt::LeftButton, event->modifiers(), middle);
    Q_EMIT Click();
}

void CoolHoverButton::resizeEvent(QResizeEvent *)
{
    layOut();
}

void CoolHoverButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        // While disabled the highlight stays as it was; enabled again, it follows the
        // pointer at once instead of waiting for the next enter or leave.
        if (isEnabled())
            showHighlight(underMouse());
    }
    QWidget::changeEvent(event);
}

void CoolHoverButton::enterEvent(QEnterEvent *)
{
    if (isEnabled())
        showHighlight(true);
}

void CoolHoverButton::leaveEvent(QEvent *)
{
    if (isEnabled())
        showHighlight(false);
}

void CoolHoverButton::mouseDown(const QMouseEvent &event)
{
    if (isEnabled())
        Q_EMIT MouseDown(event.button(), event.modifiers(), event.position());
    setHighlightColors(m_scheme.pressedFill, PressedBorder);
}

void CoolHoverButton::mouseUp(const QMouseEvent &event)
{
    if (isEnabled()) {
        Q_EMIT MouseUp(event.button(), event.modifiers(), event.position());
        const bool isClick = event.button() == Qt::LeftButton && rect().contains(event.position().toPoint());
        if (!std::exchange(m_releaseEndsDoubleClick, false) && isClick)
            Q_EMIT Click();
    }
    setHighlightColors(IdleFill, IdleBorder);
}

void CoolHoverButton::doubleClick(const QMouseEvent &event)
{
    setHighlightColors(m_scheme.pressedFill, PressedBorder);
    if (isEnabled() && event.button() == Qt::LeftButton) {
        m_releaseEndsDoubleClick = true;
        Q_EMIT DblClick();
    }
}

void CoolHoverButton::mouseMove(const QMouseEvent &event)
{
    Q_EMIT MouseMove(event.buttons(), event.modifiers(), event.position());
    // Catches the pointer that was already on the button when it was enabled.
    if (isEnabled() && !GoHover.shown)
        showHighlight(true);
}

void CoolHoverButton::showHighlight(bool shown)
{
    if (GoHover.shown == shown)
        return;
    GoHover.shown = shown;
    update();
}

void CoolHoverButton::setHighlightColors(const QColor &fill, const QColor &border)
{
    GoHover.fill = fill;
    GoHover.border = border;
    update();
}

void CoolHoverButton::layOut()
{
    const int w = width();
    const int h = height();

    GO2->setVisible(!GO2->text().isEmpty());
    Go->adjustSize();
    Go->move(w / 2 - Go->width() / 2, h / 2 - Go->height() / 2);
    const int secondWidth = w * 9 / 10;
    GO2->setGeometry(w / 2 - secondWidth / 2, SecondCaptionTop, secondWidth, qMax(0, h - SecondCaptionTop));
}

CoolHoverButtonGray::CoolHoverButtonGray(QWidget *parent)
    : CoolHoverButton(Scheme{QColor(224, 224, 224), QColor(224, 224, 224)}, parent)
{
}

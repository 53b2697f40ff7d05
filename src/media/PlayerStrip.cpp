#include "media/PlayerStrip.h"

#include "core/Named.h"
#include "media/RecitationPlayer.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSlider>

namespace {

constexpr int StripHeight = 36;

} // namespace

PlayerStrip::PlayerStrip(RecitationPlayer &player, QWidget *window)
    : QWidget(window)
    , m_player(player)
    , m_window(window)
{
    setObjectName(QStringLiteral("PlayerStrip"));
    setLayoutDirection(Qt::RightToLeft);
    setFixedHeight(StripHeight);

    reciterName = named(new QLabel(this), "reciterName");
    versePlaying = named(new QLabel(this), "versePlaying");
    versePlaying->setMinimumWidth(110);
    position = named(new QSlider(Qt::Horizontal, this), "position");
    position->setAccessibleName(QStringLiteral("موضع التلاوة"));
    cmdPause = named(new QPushButton(this), "cmdPause");
    cmdStop = named(new QPushButton(QStringLiteral("إيقاف"), this), "cmdStop");

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(14);
    layout->addWidget(reciterName);
    layout->addWidget(versePlaying);
    layout->addWidget(position, 1);
    layout->addWidget(cmdPause);
    layout->addWidget(cmdStop);

    connect(cmdPause, &QPushButton::clicked, &m_player, &RecitationPlayer::togglePause);
    connect(cmdStop, &QPushButton::clicked, &m_player, &RecitationPlayer::stop);
    connect(position, &QSlider::sliderReleased, this, [this] { m_player.seek(position->value()); });
    connect(&m_player, &RecitationPlayer::changed, this, &PlayerStrip::refresh);
    connect(&m_player, &RecitationPlayer::positionChanged, this, &PlayerStrip::showPosition);
    m_window->installEventFilter(this);
    hide();
    refresh();
}

bool PlayerStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize && m_docked)
        placeAtBottom();
    return QWidget::eventFilter(watched, event);
}

void PlayerStrip::refresh()
{
    using State = RecitationPlayer::State;
    const State state = m_player.state();
    reciterName->setText(m_player.reciter());
    QString caption = m_player.caption();
    if (state == State::Fetching) {
        const int percent = m_player.fetchedPercent();
        caption += percent < 0 ? QStringLiteral(" (جار التحميل…)") : QStringLiteral(" (جار التحميل %1٪)").arg(percent);
    }
    versePlaying->setText(caption);
    cmdPause->setText(state == State::Paused ? QStringLiteral("متابعة") : QStringLiteral("إيقاف مؤقت"));
    cmdPause->setEnabled(state == State::Playing || state == State::Paused);
    if (state == State::Fetching)
        showPosition(0, 0);
    setDocked(state != State::Stopped);
}

void PlayerStrip::showPosition(qint64 at, qint64 duration)
{
    if (position->isSliderDown())
        return;
    position->setRange(0, static_cast<int>(qMax<qint64>(duration, 0)));
    position->setValue(static_cast<int>(at));
}

void PlayerStrip::setDocked(bool docked)
{
    if (docked == m_docked)
        return;
    m_docked = docked;
    // The window makes room below its own content rather than hiding any of it.
    const int change = docked ? StripHeight : -StripHeight;
    if (QLayout *content = m_window->layout()) {
        QMargins margins = content->contentsMargins();
        margins.setBottom(margins.bottom() + change);
        content->setContentsMargins(margins);
    }
    const int height = m_window->height() + change;
    if (m_window->minimumHeight() == m_window->maximumHeight())
        m_window->setFixedHeight(height);
    else
        m_window->resize(m_window->width(), height);
    setVisible(docked);
    if (docked) {
        placeAtBottom();
        raise();
    }
}

void PlayerStrip::placeAtBottom()
{
    setGeometry(0, m_window->height() - StripHeight, m_window->width(), StripHeight);
}

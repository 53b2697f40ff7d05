#include "study/TranslationMenu.h"

#include "core/EventLoopYield.h"
#include "core/TranslationCatalogue.h"
#include "core/Twips.h"

#include <QPropertyAnimation>

namespace {

constexpr int RowsBeforeScrolling = 10;
constexpr int SlideMilliseconds = 160;

} // namespace

TranslationMenu::TranslationMenu(QWidget *parent)
    : QListWidget(parent)
    , m_slide(new QPropertyAnimation(this, "pos", this))
{
    setObjectName(QStringLiteral("lstMenu"));
    addItems({QStringLiteral("تحميل ترجمة جديدة"), QStringLiteral(" ---------------------")});
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hide();
    setEnabled(false);
    connect(this, &QListWidget::itemDoubleClicked, this, &TranslationMenu::choose);
    m_slide->setDuration(SlideMilliseconds);
}

void TranslationMenu::fill(const QStringList &translationFiles)
{
    EventLoopYield yield;
    for (const QString &file : translationFiles) {
        if (const std::optional<int> entry = translationEntryOfFile(file)) {
            addItem(TranslationNames.at(*entry));
            m_files.append(file);
        }
        yield();
    }
    // Wide enough for its longest row in the skin's font: nothing clipped, no sideways scrolling.
    ensurePolished();
    const int rowsWidth = sizeHintForColumn(0) + 2 * frameWidth() + 4;
    if (rowsWidth > width())
        resize(rowsWidth, height());
    if (count() > RowsBeforeScrolling) {
        // Room for the scroll bar: 180 twips wider, grown towards the left.
        setGeometry(x() - twips(180), y(), width() + twips(180), height());
        m_slideSteps = 85;
    } else {
        m_slideSteps = 76;
    }
}

void TranslationMenu::slideOut()
{
    setEnabled(true);
    show();
    raise();
    slide(m_slideSteps);
    setFocus();
}

void TranslationMenu::slideBack()
{
    setEnabled(false);
    Q_EMIT closing();
    slide(-m_slideSteps);
    connect(m_slide, &QPropertyAnimation::finished, this, &QWidget::hide, Qt::SingleShotConnection);
}

// Each slide step moves the menu 20 twips (ten moves of 2 twips); a closing slide
// undoes the opening one, so the menu ends where it started.
void TranslationMenu::slide(int steps)
{
    const QPoint from = m_slide->state() == QAbstractAnimation::Running ? m_slide->endValue().toPoint() : pos();
    m_slide->stop();
    move(from);
    m_slide->setStartValue(from);
    m_slide->setEndValue(from + QPoint(twips(steps * 20), 0));
    m_slide->start();
}

void TranslationMenu::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    if (isEnabled())
        slideBack();
}

void TranslationMenu::choose()
{
    const int row = currentRow();
    if (row == 0)
        Q_EMIT downloadRequested();
    else if (row >= 2)
        Q_EMIT fileChosen(m_files.value(row - 2));
}

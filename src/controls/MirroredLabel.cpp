#include "controls/MirroredLabel.h"

#include "controls/CoolHoverButton.h"

MirroredLabel::MirroredLabel(const char *name, const QString &text, QWidget *mirror, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    hide();
    if (auto *shown = qobject_cast<QLabel *>(mirror))
        m_mirror = [shown](const QString &value) { shown->setText(value); };
    else if (auto *shownButton = qobject_cast<CoolHoverButton *>(mirror))
        m_mirror = [shownButton](const QString &value) { shownButton->setCaption(value); };
    setInfo(text);
}

void MirroredLabel::setInfo(const QString &text)
{
    setText(text);
    if (m_mirror)
        m_mirror(text);
}

#include "controls/SideBar.h"

#include <QPushButton>

namespace {

const QString Top = QStringLiteral("top");
const QString Bottom = QStringLiteral("bottom");

} // namespace

SideBar::SideBar(const QStringList &captions, const QSize &innerSize, int headerHeight, QWidget *parent)
    : QFrame(parent)
    , m_headerHeight(headerHeight)
{
    setObjectName(QStringLiteral("picStrip"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(innerSize);
    for (int i = 0; i < captions.size(); ++i) {
        auto *header = new QPushButton(captions.at(i), this);
        header->setObjectName(QStringLiteral("strip_%1").arg(i));
        header->setProperty("sideBarHeader", true);
        connect(header, &QPushButton::clicked, this, [this, i] { Q_EMIT stripClicked(i); });
        m_strips.append(header);

        auto *panel = new QWidget(this);
        panel->setObjectName(QStringLiteral("PicFrame_%1").arg(i));
        panel->setProperty("sideBarPanel", true);
        panel->hide();
        m_panels.append(panel);
    }
    m_positions = QStringList(count(), Top);
    for (int i = 0; i < count(); ++i)
        m_strips.at(i)->setGeometry(0, i * m_headerHeight, contentsRect().width(), m_headerHeight);
}

void SideBar::layOut()
{
    const int n = count();
    const int left = m_strips.first()->x();
    const int top = m_strips.first()->y();
    for (int i = 0; i < n; ++i) {
        m_positions[i] = Top;
        m_panels.at(i)->setGeometry(left, top + (i + 1) * m_headerHeight, contentsRect().width(),
                                    innerHeight() - n * m_headerHeight);
        m_panels.at(i)->hide();
    }
    m_panels.at(n - 1)->show();
    m_current = n - 1;
}

void SideBar::openHeader(int index)
{
    if (m_current != index) {
        if (m_positions.at(index) == Top) {
            // The headers below move to the bottom edge, the last one lowest.
            for (int j = count() - 1, k = 1; j > index; --j, ++k) {
                m_strips.at(j)->move(m_strips.at(j)->x(), innerHeight() - k * m_strips.at(j)->height());
                m_positions[j] = Bottom;
            }
        } else {
            // This header and every one above it move up to the top.
            for (int j = 0; j <= index; ++j) {
                m_strips.at(j)->move(m_strips.at(j)->x(), j * m_strips.at(j)->height());
                m_positions[j] = Top;
            }
        }
        m_panels.at(index)->show();
        m_panels.at(m_current)->hide();
        m_current = index;
    }
    setFocus();
}

#include "shell/clrPicker.h"

#include "core/ProgramState.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "controls/Skin.h"
#include "core/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr int Columns = 8;
constexpr int SwatchSize = 24;
constexpr int Gap = 8;
constexpr int Margin = 12;

} // namespace

const QList<QRgb> clrPicker::SwatchColors = {
    0x000000, 0xFFC0C0, 0x808080, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF, 0xFF8080, 0xFF0000, 0xC00000, 0x800000,
    0xFFE0C0, 0xFFC080, 0xFF8000, 0xC04000, 0x804000, 0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xC0C000, 0x808000,
    0xC0FFC0, 0x80FF80, 0x00FF00, 0x00C000, 0x008000, 0xC0FFFF, 0x80FFFF, 0x00FFFF, 0x00C0C0, 0x008080,
    0xC0C0FF, 0x8080FF, 0x0000FF, 0x0000C0, 0x000080, 0xFFC0FF, 0xFF80FF, 0xFF00FF, 0xC000C0, 0x800080,
};

QString clrPicker::colorText(QRgb color)
{
    const auto part = [](int value) { return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper(); };
    return part(qRed(color)) + part(qGreen(color)) + part(qBlue(color));
}

clrPicker::clrPicker(ProgramState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("clrPicker"));
    setWindowTitle(QStringLiteral("اختر اللون المناسب"));
    setLayoutDirection(Qt::RightToLeft);
    setModal(true);

    const int rows = int(SwatchColors.size() + Columns - 1) / Columns;
    // The selection frame sits 30 twips outside the chosen swatch on every side.
    const int frameMargin = twips(30);
    auto *selection = new QFrame(this);
    selection->setObjectName(QStringLiteral("MiniPicker_40"));
    selection->setFixedSize(SwatchSize + 2 * frameMargin, SwatchSize + 2 * frameMargin);
    selection->setStyleSheet(QStringLiteral("border: 2px solid #202020; background: transparent;"));
    selection->hide();

    for (int i = 0; i < SwatchColors.size(); ++i) {
        auto *swatch = new QFrame(this);
        swatch->setObjectName(QStringLiteral("MiniPicker_%1").arg(i));
        swatch->setGeometry(Margin + (i % Columns) * (SwatchSize + Gap), Margin + (i / Columns) * (SwatchSize + Gap),
                            SwatchSize, SwatchSize);
        swatch->setStyleSheet(QStringLiteral("background-color: #%1; border: 1px solid #909090;").arg(colorText(SwatchColors.at(i))));
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->installEventFilter(this);
        MiniPicker.append(swatch);
    }
    MiniPicker.append(selection);
    selection->raise();

    Command1 = new QPushButton(QStringLiteral("موافق"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    const int gridWidth = Columns * SwatchSize + (Columns - 1) * Gap;
    const int gridBottom = Margin + rows * (SwatchSize + Gap);
    Command1->setGeometry(Margin + gridWidth - 90, gridBottom + 4, 90, 28);
    connect(Command1, &QPushButton::clicked, this, &clrPicker::Command1_Click);
    setFixedSize(2 * Margin + gridWidth, gridBottom + 4 + 28 + Margin);

    applySkin(this);
}

bool clrPicker::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const int index = int(MiniPicker.indexOf(static_cast<QFrame *>(watched)));
        if (index >= 0 && index < SwatchColors.size()) {
            MiniPicker_Click(index);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void clrPicker::MiniPicker_Click(int index)
{
    QFrame *swatch = MiniPicker.at(index);
    QFrame *selection = MiniPicker.last();
    selection->move(swatch->x() - twips(30), swatch->y() - twips(30));
    selection->show();
    m_chosen = colorText(SwatchColors.at(index));
}

void clrPicker::Command1_Click()
{
    // OK before any swatch was chosen keeps the current colour: storing the empty text
    // would turn highlighting off for good.
    if (!m_chosen.isEmpty()) {
        m_state.HighlightColor = m_chosen;
        Settings::setValue(SettingKeys::TheColor, m_chosen);
    }
    accept();
}

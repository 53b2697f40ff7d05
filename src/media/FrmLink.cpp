#include "media/FrmLink.h"

#include "controls/Skin.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

FrmLink::FrmLink(const QString &address, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmLink"));
    setWindowTitle(QStringLiteral("وصلة الصورة"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    Text1 = new QLineEdit(address, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLayoutDirection(Qt::LeftToRight);
    Text1->selectAll();
    (new QVBoxLayout(this))->addWidget(Text1);
    resize(480, 60);
    applySkin(this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move((screen->geometry().width() - width()) / 2, (screen->geometry().height() - height()) / 2);
}

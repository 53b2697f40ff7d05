#include "mainwindow/MainSideBar.h"

#include "controls/CoolHoverButton.h"
#include "controls/SideBar.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int HeaderHeight = 28;

const QStringList StripCaptions = {
    QStringLiteral("البحث في القرآن الكريم"), QStringLiteral("المصحف الشريف"),
    QStringLiteral("الإستماع للقرآن"),        QStringLiteral("تحفيظ القرآن"),
    QStringLiteral("دليل مواضيع القرآن"),     QStringLiteral("البحث عن سورة او جزء"),
    QStringLiteral("خدمات الجمع"),            QStringLiteral("خصائص و مساعدة"),
};

// What each header offers, shown in its panel above the panel's own commands.
const QStringList PanelNotes = {
    QStringLiteral("اكتب كلمة أو جملة، ويبدأ البحث بعد توقفك عن الكتابة أو عند الضغط على زر الإدخال."),
    QStringLiteral("قراءة المصحف الشريف صفحة صفحة في نافذة مستقلة، مع حفظ الصفحات المفضلة."),
    QStringLiteral("الاستماع لتلاوة سورة كاملة أو آيات منها بصوت القارئ الذي تختاره."),
    QStringLiteral("متابعة ما حفظه كل فرد من أفراد الأسرة من القرآن الكريم، مع الإحصاءات."),
    QStringLiteral("تصفح مواضيع القرآن الكريم والآيات الواردة في كل موضوع."),
    QStringLiteral("عرض آيات سورة برقمها أو جزء كامل."),
    QStringLiteral("جمع الآيات المختارة أو سور وأجزاء كاملة في نص واحد للنسخ والطباعة."),
    QStringLiteral("خيارات البحث والعرض، وتحديث البرنامج، ومعلومات عنه."),
};

} // namespace

SideBar *createMainSideBar(QSize size, QWidget *parent)
{
    auto *bar = new SideBar(StripCaptions, size, HeaderHeight, parent);
    for (int i = 0; i < bar->count(); ++i) {
        auto *layout = new QVBoxLayout(bar->PicFrame(i));
        layout->setContentsMargins(8, 8, 8, 8);
        auto *note = new QLabel(PanelNotes.at(i), bar->PicFrame(i));
        note->setWordWrap(true);
        note->setStyleSheet(QStringLiteral("color: #5a5a5a;"));
        layout->addWidget(note);
    }
    return bar;
}

CoolHoverButton *panelCommand(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new CoolHoverButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setCaption(caption);
    button->setFixedHeight(34);
    return button;
}

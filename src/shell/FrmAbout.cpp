#include "shell/FrmAbout.h"

#include "core/Platform.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

namespace {

const QString AboutProgram = QStringLiteral(
    "فيلمورا برنامج لقراءة القرآن الكريم ودراسته والبحث فيه.\n\n"
    "• البحث عن كلمة أو جملة أو جزء من كلمة، أو عن كل الكلمات في أي موضع من الآية، في القرآن كله أو في جزء أو سورة أو مدى منها، "
    "وكذلك البحث بجذر الكلمة.\n"
    "• عرض الآية المختارة بخطك المفضل مع تلوين الكلمات المبحوث عنها، وبجانبها تفسير أو ترجمة.\n"
    "• البحث برقم السورة والآية أو بالجزء، وتصفح دليل مواضيع القرآن.\n"
    "• جمع الآيات المختارة في نص واحد للنسخ والطباعة.\n"
    "• الاستماع لتلاوة سورة كاملة أو آيات منها.\n"
    "• قراءة المصحف الشريف صفحة صفحة، وحفظ الصفحات المفضلة.\n"
    "• متابعة حفظ القرآن لكل فرد من أفراد الأسرة مع الإحصاءات.\n"
    "• التحقق من وجود تحديث لقاعدة البيانات وتحميل تراجم أخرى.");

const QString DataSources = QStringLiteral(
    "مصادر البيانات وتراخيصها\n\n"
    "• نص القرآن الكريم بالرسم العثماني مع التشكيل، والترجمة الإنجليزية، وترجمات الصينية والفرنسية والإندونيسية والإسبانية والتركية: "
    "من حزمة quran-json الإصدار 3.1.2، جمعها Risan Bagja Pradana، بترخيص المشاع الإبداعي CC BY-SA 4.0. "
    "النص العثماني من موسوعة القرآن الكريم (The Noble Qur'an Encyclopedia). "
    "الترجمة الإنجليزية: Saheeh International. الصينية: محمد مكين. الفرنسية: محمد حميد الله. "
    "الإندونيسية: وزارة الشؤون الدينية الإندونيسية. الإسبانية: محمد عيسى غارسيا. التركية: رئاسة الشؤون الدينية التركية.\n\n"
    "• أرقام الأجزاء والصفحات (مصحف المدينة، 604 صفحات): من حزمة quran-meta الإصدار 6.0.17، لـ Huseyn Guliyev، بترخيص MIT.\n\n"
    "• النص الإملائي المستخدم في البحث، وجذور الكلمات، ودليل مواضيع القرآن: من عمل البرنامج نفسه.\n\n"
    "• صور صفحات المصحف وصور الآيات بالرسم العثماني في الموقع المحلي: يرسمها البرنامج بخط أميري قرآن "
    "(Amiri Quran) لخالد حسني، بترخيص الخطوط المفتوحة SIL OFL 1.1.\n\n"
    "• التفاسير: يضيفها المستخدم من ملفات يختارها، وتبقى لها تراخيص ناشريها.\n\n"
    "تنشر قاعدة البيانات المبنية من هذه المصادر بترخيص CC BY-SA 4.0 نفسه مع ذكر المصادر أعلاه.");

const QString Installing = QStringLiteral(
    "التحديث والتراجم والتفاسير\n\n"
    "• تحديث قاعدة البيانات: من \"خصائص و مساعدة\" اختر \"تحديث البرنامج\". إذا وجد إصدار أحدث يحمله البرنامج، "
    "ثم يركبه تلقائيا عند التشغيل التالي بعد التأكد من سلامته، ويبقى على قاعدة البيانات الحالية إذا كان الملف تالفا.\n\n"
    "• الترجمات: من قائمة \"تراجم أخرى للقرآن\" اختر \"تحميل ترجمة جديدة\"، ثم اختر اللغة واضغط \"تنصيب الترجمة\". "
    "تظهر الترجمة في القائمة عند التشغيل التالي.\n\n"
    "• التفاسير: إذا لم يكن أحد التفسيرين في هذه النسخة من البرنامج وكان لديك ملف نصي له، فيه سطر لكل آية "
    "بالصيغة: رقم السورة|رقم الآية|النص، فاعرض آية ثم اضغط \"إضافة تفسير من ملف\" فوق أزرار التفسير واختر الملف.");

QPlainTextEdit *page(const char *name, const QString &text, QWidget *parent)
{
    auto *edit = new QPlainTextEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    // Arabic paragraphs read from the right edge, even those that begin with a Latin name.
    QTextOption option = edit->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    edit->document()->setDefaultTextOption(option);
    return edit;
}

} // namespace

FrmAbout::FrmAbout(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("FrmAbout"));
    XTab2 = new QTabWidget(this);
    XTab2->setObjectName(QStringLiteral("XTab2"));
    Text6 = page("Text6", AboutProgram, XTab2);
    Text7 = page("Text7", DataSources, XTab2);
    Text9 = page("Text9", Installing, XTab2);
    XTab2->addTab(Text6, QStringLiteral("عن البرنامج"));
    XTab2->addTab(Text7, QStringLiteral("مصادر البيانات"));
    XTab2->addTab(Text9, QStringLiteral("التحديث والإضافات"));
    for (QPlainTextEdit *text : {Text6, Text7, Text9})
        text->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(XTab2);
}

bool FrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        m_platform.activateArabicKeyboard();
    return QWidget::eventFilter(watched, event);
}

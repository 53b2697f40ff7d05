#include "shell/FrmOptions.h"

#include "controls/DisplayFont.h"
#include "core/Named.h"
#include "core/Platform.h"
#include "core/ProgramState.h"
#include "core/Servers.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/SuraTables.h"
#include "shell/clrPicker.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int PartCount = 30;

QComboBox *chooser(const char *name, const QStringList &items, QWidget *parent)
{
    auto *box = named(new QComboBox(parent), name);
    box->addItems(items);
    box->setMaxVisibleItems(15);
    return box;
}

} // namespace

FrmOptions::FrmOptions(Platform &platform, ProgramState &state, const QStringList &reciters, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_state(state)
{
    setObjectName(QStringLiteral("FrmOptions"));
    setStyleSheet(QStringLiteral("QWidget { font-size: 9pt; } QGroupBox { margin-top: 8px; padding-top: 2px; }"));

    auto *help = new QLabel(QStringLiteral(
        "يمكنك عن طريق هذه النافذة التحكم بالآتي. بخصائص البحث يمكنك تغيير نوع وحجم الخط الذي تعرض به النتائج. "
        "التحكم بالنتائج هل تكون بالتشكيل أم بدونه يمكنك أيضا التحكم بمجال البحث هل هو في القرآن بالكامل أم بجز معين منه. "
        "خيار اسم قارئ السور الكاملة يتحكم بالقارئ الذي يتلو القرآن عند اختيار (تلاوة السورة كاملة) من القائمة السريعة - "
        "التي تظهر عند الضغط بالزر الأيمن فوق قائمة نتائج البحث"), this);
    help->setObjectName(QStringLiteral("OptionsHelp"));
    help->setWordWrap(true);
    help->setStyleSheet(QStringLiteral("color: #5a5a5a;"));

    // How the text is matched.
    auto *matching = new QGroupBox(QStringLiteral("خصائص البحث"), this);
    alone = named(new QRadioButton(QStringLiteral("الكلمة / الجملة التي تبحث عنها مستقلة"), matching), "alone");
    withother = named(new QRadioButton(QStringLiteral("الكلمة / الجملة التي تبحث عنها قد تكون متصلة أو جزء من غيرها"), matching), "withother");
    Check3 = named(new QCheckBox(QStringLiteral("الكلمات التي تبحث عنها لا يشترط فيها أن تكون متجاورة في النص"), matching), "Check3");
    Check2 = named(new QCheckBox(QStringLiteral("البحث على مستوى جذر الكلمات"), matching), "Check2");
    Check1 = named(new QCheckBox(QStringLiteral("عرض النتائج بدون تشكيل"), matching), "Check1");
    alone->setChecked(true);
    auto *matchingLayout = new QGridLayout(matching);
    matchingLayout->setContentsMargins(6, 2, 6, 2);
    matchingLayout->setVerticalSpacing(0);
    matchingLayout->addWidget(alone, 0, 0);
    matchingLayout->addWidget(withother, 0, 1);
    matchingLayout->addWidget(Check3, 1, 0, 1, 2);
    matchingLayout->addWidget(Check2, 2, 0);
    matchingLayout->addWidget(Check1, 2, 1);

    // Where to search.
    auto *scope = new QGroupBox(QStringLiteral("مجال البحث"), this);
    allsearch = named(new QRadioButton(QStringLiteral("كامل القرآن الكريم"), scope), "allsearch");
    partop = named(new QRadioButton(QStringLiteral("البحث في جزء واحد"), scope), "partop");
    part12op = named(new QRadioButton(QStringLiteral("البحث من جزء إلى آخر"), scope), "part12op");
    soraop = named(new QRadioButton(QStringLiteral("البحث في سورة واحدة"), scope), "soraop");
    sora12op = named(new QRadioButton(QStringLiteral("البحث من سورة الى أخرى"), scope), "sora12op");
    allsearch->setChecked(true);
    part = chooser("part", numberItems(PartCount), scope);
    part1 = chooser("part1", numberItems(PartCount), scope);
    part2 = chooser("part2", numberItems(PartCount), scope);
    sora = chooser("sora", SuraNames, scope);
    sora1 = chooser("sora1", SuraNames, scope);
    sora2 = chooser("sora2", SuraNames, scope);
    auto *scopeLayout = new QGridLayout(scope);
    scopeLayout->setContentsMargins(6, 2, 6, 2);
    scopeLayout->setVerticalSpacing(2);
    scopeLayout->addWidget(allsearch, 0, 0);
    scopeLayout->addWidget(partop, 1, 0);
    scopeLayout->addWidget(part, 1, 1);
    scopeLayout->addWidget(part12op, 1, 2);
    scopeLayout->addWidget(part1, 1, 3);
    scopeLayout->addWidget(part2, 1, 4);
    scopeLayout->addWidget(soraop, 2, 0);
    scopeLayout->addWidget(sora, 2, 1);
    scopeLayout->addWidget(sora12op, 2, 2);
    scopeLayout->addWidget(sora1, 2, 3);
    scopeLayout->addWidget(sora2, 2, 4);
    auto *scopeOptions = new QButtonGroup(this);
    for (QRadioButton *option : {allsearch, partop, part12op, soraop, sora12op}) {
        scopeOptions->addButton(option);
        connect(option, &QRadioButton::clicked, this, &FrmOptions::UpdateScope);
    }
    for (QComboBox *box : {part, part1, part2, sora, sora1, sora2})
        connect(box, &QComboBox::currentIndexChanged, this, &FrmOptions::scopeChanged);

    // Display and program.
    auto *display = new QGroupBox(QStringLiteral("العرض"), this);
    Commandfont = named(new QPushButton(QStringLiteral("تغيير خط العرض"), display), "Commandfont");
    Command6 = named(new QPushButton(QStringLiteral("تغيير لون الكلمة المحددة"), display), "Command6");
    Command1 = named(new QPushButton(QStringLiteral(" ?"), display), "Command1");
    Command1->setToolTip(QStringLiteral("مساعدة"));
    Command1->setFixedWidth(32);
    auto *displayLayout = new QHBoxLayout(display);
    displayLayout->addWidget(Commandfont);
    displayLayout->addWidget(Command6);
    displayLayout->addWidget(Command1);

    auto *reciter = new QGroupBox(QStringLiteral("اسم قارئ السور الكاملة"), this);
    namecomb = chooser("namecomb", reciters, reciter);
    (new QVBoxLayout(reciter))->addWidget(namecomb);

    auto *server = new QGroupBox(QStringLiteral("وصلة سيرفر البرنامج"), this);
    txtserver = named(new QLineEdit(server), "txtserver");
    txtserver->setLayoutDirection(Qt::LeftToRight);
    Command5 = named(new QPushButton(QStringLiteral("حفظ"), server), "Command5");
    auto *serverLayout = new QHBoxLayout(server);
    serverLayout->addWidget(txtserver);
    serverLayout->addWidget(Command5);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setVerticalSpacing(2);
    layout->addWidget(help, 0, 0, 1, 2);
    layout->addWidget(matching, 1, 0, 1, 2);
    layout->addWidget(scope, 2, 0, 1, 2);
    layout->addWidget(display, 3, 0);
    layout->addWidget(reciter, 3, 1);
    layout->addWidget(server, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);

    connect(Commandfont, &QPushButton::clicked, this, &FrmOptions::Commandfont_Click);
    connect(Command6, &QPushButton::clicked, this, &FrmOptions::Command6_Click);
    connect(Check1, &QCheckBox::clicked, this, &FrmOptions::Check1_Click);
    connect(Command5, &QPushButton::clicked, this, &FrmOptions::Command5_Click);
    connect(namecomb, &QComboBox::activated, this, &FrmOptions::namecomb_Click);
    connect(Command1, &QPushButton::clicked, this, [this] { Q_EMIT helpRequested(1); });
}

void FrmOptions::loadSettings()
{
    Check1->setChecked(Settings::value(SettingKeys::Tashkeel, SettingKeys::DefaultTashkeel) == QLatin1String("1"));
    txtserver->setText(Settings::value(SettingKeys::ServerAddress, Servers::load().updateServer));
}

void FrmOptions::SearchOptions_Click(const QFont &displayFont)
{
    for (QComboBox *box : {sora, sora1, sora2, part, part1, part2})
        box->setCurrentIndex(0);
    m_dialogFont = displayFont;
    const int reader = Settings::value(SettingKeys::ReaderName, SettingKeys::DefaultReaderName).toInt();
    if (reader >= 0 && reader < namecomb->count())
        namecomb->setCurrentIndex(reader);
}

SearchChoices FrmOptions::searchChoices() const
{
    SearchChoices options;
    options.wholeWord = alone->isChecked();
    options.allWords = Check3->isChecked();
    options.byRoot = Check2->isChecked();
    options.part = part->currentIndex() + 1;
    options.firstPart = part1->currentIndex() + 1;
    options.lastPart = part2->currentIndex() + 1;
    options.sura = sora->currentIndex() + 1;
    options.firstSura = sora1->currentIndex() + 1;
    options.lastSura = sora2->currentIndex() + 1;
    return options;
}

bool FrmOptions::withoutDiacritics() const
{
    return Check1->isChecked();
}

QString FrmOptions::serverAddress() const
{
    return txtserver->text();
}

void FrmOptions::Commandfont_Click()
{
    // The dialog opens on the font the verses are drawn in, not on a name it cannot list.
    // Closing it without a choice changes nothing.
    QFont font = fontAsDrawn(m_dialogFont);
    if (!m_platform.chooseFont(font))
        return;
    m_dialogFont = font;
    storeDisplayFont(m_dialogFont);
    Q_EMIT displayFontChanged(m_dialogFont);
}

void FrmOptions::Command6_Click()
{
    auto *picker = new clrPicker(m_state, window());
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->open();
}

void FrmOptions::Check1_Click()
{
    Settings::setValue(SettingKeys::Tashkeel, Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void FrmOptions::Command5_Click()
{
    const Platform::Answer answer = m_platform.message(QStringLiteral("هل أنت متأكد من رغبتك بتغيير عنوان سيرفر البرنامج ؟"),
                                                       QStringLiteral("عنوان السيرفر"), Platform::Buttons::YesNo,
                                                       Platform::Icon::Question);
    if (answer == Platform::Answer::Yes)
        Settings::setValue(SettingKeys::ServerAddress, txtserver->text());
}

void FrmOptions::namecomb_Click()
{
    Settings::setValue(SettingKeys::ReaderName, QString::number(namecomb->currentIndex()));
}

void FrmOptions::UpdateScope()
{
    // Tested in this order; with one option chosen the scope is that option's.
    const QList<QRadioButton *> options = {allsearch, partop, part12op, soraop, sora12op};
    for (int scope = 0; scope < options.size(); ++scope) {
        if (options.at(scope)->isChecked())
            m_state.SearchScope = static_cast<SearchScope>(scope);
    }
    Q_EMIT scopeChanged();
}

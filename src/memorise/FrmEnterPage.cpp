#include "memorise/FrmEnterPage.h"

#include "core/EventLoopYield.h"
#include "memorise/FrmSaveQuran.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "controls/Skin.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace {

const QString DeleteTitle = QStringLiteral("مسح");

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *command = new QPushButton(caption, parent);
    command->setObjectName(QLatin1String(name));
    return command;
}

} // namespace

FrmEnterPage::FrmEnterPage(Platform &platform, ProgramState &state, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_state(state)
    , m_users(ProgramFolder::path())
{
    setObjectName(QStringLiteral("FrmEnterPage"));
    setWindowTitle(QStringLiteral("تحفيظ القرآن الكريم"));
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(330, 260);

    Label1 = new QLabel(QStringLiteral("اسم المستخدم"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    Command1 = button("Command1", QStringLiteral("دخول"), this);
    Command2 = button("Command2", QStringLiteral("مستخدم جديد"), this);
    Command3 = button("Command3", QStringLiteral("مسح مستخدم"), this);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(List1, 1, 0, 3, 1);
    layout->addWidget(Command1, 1, 1);
    layout->addWidget(Command2, 2, 1);
    layout->addWidget(Command3, 3, 1, Qt::AlignTop);

    connect(Command1, &QPushButton::clicked, this, &FrmEnterPage::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmEnterPage::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmEnterPage::Command3_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &FrmEnterPage::Command1_Click);
}

void FrmEnterPage::Form_Load()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
    applySkin(this);
    load_list();
    selectFirstUser();
}

void FrmEnterPage::load_list()
{
    List1->clear();
    QStringList users;
    if (!m_users.load_list(&users)) {
        // The window stays usable; the reader learns why the list is empty.
        reportUnavailable();
        return;
    }
    List1->addItems(users);
}

void FrmEnterPage::reportUnavailable()
{
    m_platform.message(QStringLiteral("تعذر فتح سجل الحفظ db.mdb في مجلد البرنامج.\n%1").arg(m_users.errorString()),
                       QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
}

void FrmEnterPage::selectFirstUser()
{
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

void FrmEnterPage::Command1_Click()
{
    if (List1->count() == 0 || !List1->currentItem())
        return;
    const QString user = List1->currentItem()->text();
    if (!isAcceptableUserName(user)) {
        // A table made outside the program: its name cannot go into a statement safely.
        m_platform.message(UnacceptableUserNameMessage);
        return;
    }
    m_state.CurrentUser = user;
    auto *tracker = new FrmSaveQuran(m_platform, m_state, m_users, this);
    connect(tracker, &FrmSaveQuran::unloaded, this, [this] { Q_EMIT trackerOpenChanged(false); });
    Q_EMIT trackerOpened(tracker);
    tracker->Form_Load();
    tracker->show();
    Q_EMIT trackerOpenChanged(true);
    close();
}

void FrmEnterPage::Command2_Click()
{
    m_platform.activateKeyboardLayout(QStringLiteral("00000409"));
    const QString name =
        m_platform.input(QStringLiteral("اكتب اسم المستخدم باللغة الإنجليزية"), QStringLiteral("تسجيل مستخدم جديد")).value_or(QString());
    if (!name.isEmpty()) {
        EventLoopYield yield;
        for (int i = 0; i < List1->count(); ++i) {
            const QString existing = List1->item(i)->text();
            if (existing == name) {
                m_platform.message(QStringLiteral("إن هذا المستخدم موجود مسبقا , يرجى إدخال اسم جديد للمستخدم"));
                return;
            }
            // The file does not tell "Ali" from "ali".
            if (existing.compare(name, Qt::CaseInsensitive) == 0) {
                m_platform.message(QStringLiteral("يوجد مستخدم باسم %1 لا يختلف عن هذا الاسم إلا في حالة الأحرف، "
                                                  "والبرنامج لا يفرق بينهما. يرجى إدخال اسم آخر للمستخدم")
                                       .arg(existing));
                return;
            }
            yield();
        }
        if (!isAcceptableUserName(name)) {
            m_platform.message(UnacceptableUserNameMessage);
            return;
        }
        const UserDatabase::Outcome outcome = m_users.run({createUserStatement(name)});
        // Nothing created is said, and the list stays as it was.
        if (outcome == UserDatabase::Outcome::Unavailable) {
            reportUnavailable();
            return;
        }
        if (outcome != UserDatabase::Outcome::Done) {
            m_platform.message(QStringLiteral("لم يتم إنشاء المستخدم %1، فقد تعذرت الكتابة في سجل الحفظ db.mdb (قد يكون "
                                              "مجلد البرنامج أو الملف للقراءة فقط، أو القرص ممتلئا).\n%2")
                                   .arg(name, m_users.errorString()),
                               QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Critical);
            return;
        }
    }
    load_list();
    selectFirstUser();
}

void FrmEnterPage::Command3_Click()
{
    const QString user = List1->currentItem() ? List1->currentItem()->text() : QString();
    if (user.isEmpty())
        return;
    if (!isAcceptableUserName(user)) {
        m_platform.message(UnacceptableUserNameMessage);
        return;
    }
    if (m_platform.message(QStringLiteral("هل أنت متأكد من رغبتك بمسح هذا المستخدم و كل ما يتعلق به ؟"), DeleteTitle,
                           Platform::Buttons::YesNo)
            == Platform::Answer::Yes
        && m_platform.message(QStringLiteral("لتأكيد المسح إضغط نعم , أو للرجوع عن المسح إضغط لا"), DeleteTitle,
                              Platform::Buttons::YesNo)
            == Platform::Answer::Yes) {
        // Any failure ends the command here, the list as it was.
        const UserDatabase::Outcome outcome = m_users.run({dropUserStatement(user)});
        if (outcome == UserDatabase::Outcome::Unavailable)
            reportUnavailable();
        if (outcome != UserDatabase::Outcome::Done)
            return;
    }
    load_list();
    selectFirstUser();
}

#include "net/FrmUpdate.h"

#include "core/Bidi.h"
#include "net/DownloadChecks.h"
#include "net/FrmDownload.h"
#include "net/Http.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/ReaderFolder.h"
#include "core/Servers.h"
#include "controls/Skin.h"
#include "net/UpdateFiles.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString ConnectionError = QStringLiteral("خطأ في الإتصال");

QLabel *valueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *created = new QPushButton(caption, parent);
    created->setObjectName(QLatin1String(name));
    return created;
}

} // namespace

FrmUpdate::FrmUpdate(Platform &platform, ProgramState &state, const QString &serverAddress, std::function<void()> programEnd,
                     QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_state(state)
    , m_serverAddress(serverAddress)
    , m_programEnd(std::move(programEnd))
    , m_network(new QNetworkAccessManager(this))
{
    setObjectName(QStringLiteral("FrmUpdate"));
    setWindowTitle(QStringLiteral("آخر التحديثات"));
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);

    lbluserdb = valueLabel("lbluserdb", this);
    lbluserdb->hide();
    lbluserdbShow = valueLabel("lbluserdbShow", this);
    lblserverdb = valueLabel("lblserverdb", this);
    lblstatus = valueLabel("lblstatus", this);
    lblstatus->setWordWrap(true);
    txtnote = new QTextEdit(this);
    txtnote->setObjectName(QStringLiteral("txtnote"));
    txtnote->setReadOnly(true);
    busy = new QProgressBar(this);
    busy->setObjectName(QStringLiteral("busy"));
    busy->setRange(0, 0); // a moving bar while the server is asked
    busy->setTextVisible(false);
    busy->setMaximumHeight(8);
    busy->hide();
    cmdupdate = button("cmdupdate", QStringLiteral("تحديث قاعدة البيانات"), this);
    cmdupdate->setEnabled(false);
    cmdSite = button("cmdSite", QStringLiteral("موقع البرنامج"), this);
    Command1 = button("Command1", QStringLiteral("إغلاق"), this);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("إصدارة قاعدة البيانات الحالية لديك"), lbluserdbShow);
    fields->addRow(QStringLiteral("إصدارة قاعدة البينات في موقع البرنامج"), lblserverdb);
    fields->addRow(QStringLiteral("وضع قاعدة البينات"), lblstatus);
    fields->addRow(QStringLiteral("ملاحظات"), txtnote);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdupdate);
    buttons->addWidget(cmdSite);
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(busy);
    layout->addLayout(buttons);
    resize(480, 340);

    connect(cmdupdate, &QPushButton::clicked, this, &FrmUpdate::cmdupdate_Click);
    connect(cmdSite, &QPushButton::clicked, this, &FrmUpdate::cmdSite_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);

    applySkin(this);
}

void FrmUpdate::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        if (m_messageShowing)
            m_skipNextActivation = true;
        return;
    }
    if (m_skipNextActivation) {
        m_skipNextActivation = false;
        return;
    }
    Check();
}

void FrmUpdate::Check()
{
    if (isChecking())
        return;
    showLocalVersion();
    lblstatus->setText(QStringLiteral("التأكد من وجود إتصال بالإنترنت"));
    m_probing = true;
    busy->show();
    m_platform.probeConnection(Servers::load().connectivityProbe, this, [this](bool connected) { onProbed(connected); });
}

void FrmUpdate::onProbed(bool connected)
{
    m_probing = false;
    if (!connected) {
        busy->hide();
        lblstatus->setText(QStringLiteral("لا يوجد إتصال بالإنترنت"));
        m_messageShowing = true;
        const QPointer<FrmUpdate> alive(this);
        m_platform.message(QStringLiteral("لا يوجد إتصال بالإنترنت أو أن البرنامج محجوب من الإتصال بالإنترنت, يرجى التأكد من وجود إتصال بالإنترنت للقيام بعملية التحديث."));
        if (alive)
            m_messageShowing = false;
        return;
    }

    lblstatus->setText(QStringLiteral("يتم التأكد من قاعدة البيانات يرجى الإنتظار"));
    m_reply = m_network->get(Http::request(QUrl(updateCheckUrl(m_serverAddress)), RequestTimeoutMs));
    connect(m_reply, &QNetworkReply::finished, this, &FrmUpdate::onAnswer);
    // The answer is a version and a few lines of notes: anything larger is not it, and
    // reading it whole would hold the memory and the window.
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (m_reply && Http::tooLarge(m_reply, received, DownloadLimit::UpdateAnswer))
            Http::abortSoon(m_reply);
    });
}

void FrmUpdate::showLocalVersion()
{
    const QString version = ReaderFolder::databaseVersion(ProgramFolder::path());
    lbluserdb->setText(version);
    lbluserdbShow->setText(leftToRightRun(version));
}

void FrmUpdate::onAnswer()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    busy->hide();

    UpdateAnswer answer;
    if (reply->error() != QNetworkReply::NoError || !Http::succeeded(reply)
        || !parseUpdateAnswer(QString::fromUtf8(reply->readAll()), &answer)) {
        showConnectionError();
        return;
    }

    lblserverdb->setText(leftToRightRun(answer.version));
    txtnote->setPlainText(answer.notes);
    // Versions are compared as text: any difference, a blank included, is an update.
    if (answer.version != lbluserdb->text()) {
        lblstatus->setText(QStringLiteral("قاعدة البينات لديك تحتاج إلى تحديث"));
        cmdupdate->setEnabled(true);
    } else {
        const QString upToDate = QStringLiteral("قاعدة البينات لديك لا تحتاج إلى تحديث");
        lblstatus->setText(upToDate);
        txtnote->setPlainText(upToDate);
    }
}

void FrmUpdate::showConnectionError()
{
    lblserverdb->setText(ConnectionError);
    txtnote->setPlainText(ConnectionError);
    lblstatus->setText(QStringLiteral("نعتذر موقع البرنامج مغلق حاليا") + u'\n' + QStringLiteral("يرجى المحاولة فيما بعد"));
}

void FrmUpdate::cmdupdate_Click()
{
    if (m_download)
        m_download->close();
    m_state.DownloadItem = 1;
    m_download = new FrmDownload(m_platform, m_state, m_serverAddress, m_programEnd, this);
    m_download->open();
}

void FrmUpdate::cmdSite_Click()
{
    m_platform.openUrl(QUrl(m_serverAddress));
}

void FrmUpdate::done(int result)
{
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    QDialog::done(result);
}

#include "reader/FrmRead.h"

#include "net/DownloadChecks.h"
#include "net/Downloader.h"
#include "core/EventLoopYield.h"
#include "core/Named.h"
#include "core/PictureNames.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "reader/ScaledPicture.h"
#include "search/LookupQuery.h"
#include "core/Servers.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "controls/Skin.h"
#include "core/SuraTables.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString NoConnection = QStringLiteral(
    "لا يوجد إتصال بالإنترنت أو أن البرنامج محجوب من قبل جدار ناري, يرجى التأكد من وضع الإتصال ثم إعادة فتح هذه الصفحة "
    "لتصفح القرآن الكريم\n"
    "إن من مميزات البرنامج أن أي صفحة تقوم بفتحها يتم تخزينها على الجهاز و لن تحتاج اتصال بالإنترنت بعد ذلك لتتصفحها, "
    "فإن كنت سبق أن تصفحت بعض الصفحات يمكنك فتحها بدون وجود اتصال");

QString cachedPage(int page)
{
    return ProgramFolder::file(QStringLiteral("pic2/") + pageFileName(page));
}

} // namespace

FrmRead::FrmRead(Platform &platform, Recitation recite, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_recite(std::move(recite))
{
    setObjectName(QStringLiteral("FrmRead"));
    setWindowTitle(QStringLiteral("المصحف الشريف"));
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(820, 700);

    m_left = createSide("LeftImage", "lblLeftPageNumber", "ProgressBarLeft",
        QStringLiteral("عفوا, لا يمكنك تصفح القرآن الكريم نتيجة عدم تمكن البرنامج من الإتصال بموقع البرنامج. قد يكون "
                       "السبب: 1- لا يوجد إتصال بالإنترنت 2- السيرفر معطل حاليا"));
    m_right = createSide("RightImage", "lblRightPageNumber", "ProgressBarRight",
        QStringLiteral("لم يتم التمكن من تنزيل القرآن لأحد هذه الأسباب. 1- لا يوجد إتصال بالإنترنت 2- السيرفر معطل حاليا"));

    txtPageNumber = named(new QLineEdit(QStringLiteral("1"), this), "txtPageNumber");
    txtPageNumber->setFixedWidth(60);
    // Digits only; every editing key works as in any box.
    txtPageNumber->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), txtPageNumber));
    cmdViewThis = named(new QPushButton(QStringLiteral("اعرض الصفحة"), this), "cmdViewThis");
    CmdNextPage = named(new QPushButton(QStringLiteral("<  التالية"), this), "CmdNextPage");
    CmdPrePage = named(new QPushButton(QStringLiteral("السابقة  >"), this), "CmdPrePage");
    Combo1 = named(new QComboBox(this), "Combo1");
    Combo1->addItems(SuraNames);
    Combo1->setMaxVisibleItems(20);
    suraayaalist = named(new QListWidget(this), "suraayaalist");
    suraayaalist->addItems(SuraNames);
    suraayaalist->hide();
    lblSoraName = named(new QLabel(this), "lblSoraName");
    lblAyaaFrom = named(new QLabel(this), "lblAyaaFrom");
    lblAyaaTo = named(new QLabel(this), "lblAyaaTo");
    for (QLabel *label : {lblSoraName, lblAyaaFrom, lblAyaaTo}) {
        label->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6b4f;"));
        label->setMinimumWidth(label == lblSoraName ? 90 : 36);
    }
    LstSavedPages = named(new QComboBox(this), "LstSavedPages");
    LstSavedPages->setMinimumWidth(70);
    CmdSavePage = named(new QPushButton(QStringLiteral("احفظ رقم الصفحة"), this), "CmdSavePage");
    cmdViewSaved = named(new QPushButton(QStringLiteral("اعرض هذه الصفحة"), this), "cmdViewSaved");
    cmdRemoveSaved = named(new QPushButton(QStringLiteral("امسح هذه الصفحة"), this), "cmdRemoveSaved");
    lstReaderNamePartial = named(new QComboBox(this), "lstReaderNamePartial");
    lstReaderNamePartial->addItems(Servers::names(Servers::load().partialReciters));
    lstReaderNamePartial->setMinimumWidth(110);
    CmdLstn2Page = named(new QPushButton(QStringLiteral("ابدأ الإستماع"), this), "CmdLstn2Page");

    auto *navigation = new QHBoxLayout;
    navigation->addWidget(new QLabel(QStringLiteral("رقم الصفحة"), this));
    navigation->addWidget(txtPageNumber);
    navigation->addWidget(cmdViewThis);
    navigation->addWidget(CmdPrePage);
    navigation->addWidget(CmdNextPage);
    navigation->addStretch();
    navigation->addWidget(new QLabel(QStringLiteral("انتقل إلى هذه السورة"), this));
    navigation->addWidget(Combo1);

    // Right to left: the odd page (right side) comes first.
    auto *pages = new QGridLayout;
    pages->addWidget(m_right.image, 0, 0);
    pages->addWidget(m_left.image, 0, 1);
    pages->addWidget(m_right.progress, 1, 0);
    pages->addWidget(m_left.progress, 1, 1);
    pages->addWidget(m_right.pageNumber, 2, 0);
    pages->addWidget(m_left.pageNumber, 2, 1);
    pages->setRowStretch(0, 1);

    auto *details = new QHBoxLayout;
    details->addWidget(new QLabel(QStringLiteral("سورة"), this));
    details->addWidget(lblSoraName);
    details->addWidget(new QLabel(QStringLiteral("من"), this));
    details->addWidget(lblAyaaFrom);
    details->addWidget(new QLabel(QStringLiteral("إلى"), this));
    details->addWidget(lblAyaaTo);
    details->addStretch();
    details->addWidget(new QLabel(QStringLiteral("تلاوة هذه الصفحة"), this));
    details->addWidget(lstReaderNamePartial);
    details->addWidget(CmdLstn2Page);

    auto *saved = new QHBoxLayout;
    saved->addWidget(new QLabel(QStringLiteral("صفحات محفوظة"), this));
    saved->addWidget(LstSavedPages);
    saved->addWidget(cmdViewSaved);
    saved->addWidget(cmdRemoveSaved);
    saved->addStretch();
    saved->addWidget(CmdSavePage);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(navigation);
    layout->addLayout(pages, 1);
    layout->addLayout(details);
    layout->addLayout(saved);

    connect(cmdViewThis, &QPushButton::clicked, this, &FrmRead::cmdViewThis_Click);
    connect(CmdNextPage, &QPushButton::clicked, this, &FrmRead::CmdNextPage_Click);
    connect(CmdPrePage, &QPushButton::clicked, this, &FrmRead::CmdPrePage_Click);
    connect(Combo1, &QComboBox::activated, this, [this](int index) {
        // The sura already chosen is gone to again: the reader may have turned pages since.
        if (suraayaalist->currentRow() == index)
            goToSura(index);
        else
            suraayaalist->setCurrentRow(index);
    });
    connect(suraayaalist, &QListWidget::currentRowChanged, this, &FrmRead::goToSura);
    // The box may be empty while the reader types; it holds a page again once they are done.
    connect(txtPageNumber, &QLineEdit::editingFinished, this,
            [this] { txtPageNumber->setText(correctedPageText(txtPageNumber->text())); });
    connect(txtPageNumber, &QLineEdit::returnPressed, this, &FrmRead::cmdViewThis_Click);
    connect(CmdSavePage, &QPushButton::clicked, this, &FrmRead::CmdSavePage_Click);
    connect(cmdViewSaved, &QPushButton::clicked, this, &FrmRead::cmdViewSaved_Click);
    connect(cmdRemoveSaved, &QPushButton::clicked, this, &FrmRead::cmdRemoveSaved_Click);
    connect(CmdLstn2Page, &QPushButton::clicked, this, &FrmRead::CmdLstn2Page_Click);
}

FrmRead::Side FrmRead::createSide(const char *imageName, const char *numberName, const char *progressName,
                                  const QString &failure)
{
    Side side;
    side.image = named(new ScaledPicture(this), imageName);
    side.pageNumber = named(new QLabel(this), numberName);
    side.pageNumber->setAlignment(Qt::AlignCenter);
    side.progress = named(new QProgressBar(this), progressName);
    side.progress->setTextVisible(false);
    side.progress->setFixedHeight(8);
    side.progress->hide();
    side.download = new Downloader(m_platform, this);
    side.download->setAcceptance(DownloadLimit::PagePicture, pictureCheck("jpg"));
    side.download->hide();
    side.failure = failure;
    return side;
}

void FrmRead::Form_Load()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    applySkin(this);
    const QStringList saved = savedPagesFromSetting(Settings::value(SettingKeys::SavedPages, QString()));
    m_verses.openFile(ProgramFolder::file(QStringLiteral("quran.qu")));
    LstSavedPages->addItems(saved);
    if (!saved.isEmpty())
        LstSavedPages->setCurrentIndex(0);
    Combo1->setCurrentIndex(0);
    suraayaalist->setCurrentRow(-1);
    suraayaalist->setCurrentRow(0);
    lstReaderNamePartial->setCurrentIndex(1);

    connect(m_left.download, &Downloader::DownloadProgress, this, [this](qint64 current, qint64 total) {
        m_left.progress->setValue(int(current * 1000 / std::max<qint64>(total, 1)));
    });
    connect(m_right.download, &Downloader::DownloadProgress, this, [this](qint64 current, qint64 total) {
        m_right.progress->setValue(int(current * 1000 / std::max<qint64>(total, 1)));
    });
    connect(m_left.download, &Downloader::DownloadComplete, this,
            [this](qint64 total, const QString &file) { downloadFinished(m_left, total, file); });
    connect(m_right.download, &Downloader::DownloadComplete, this,
            [this](qint64 total, const QString &file) { downloadFinished(m_right, total, file); });

    // The window shows the cached pages while the connection test runs.
    m_platform.probeConnection(Servers::load().connectivityProbe, this, [this](bool connected) { onProbed(connected); });
}

void FrmRead::onProbed(bool connected)
{
    m_connected = connected;
    if (!m_connected) {
        m_platform.message(NoConnection);
        return;
    }
    // The spread shown while the test ran holds only cached pages: fetch the others now.
    ShowPagePair(m_rightPage);
}

void FrmRead::ShowPagePair(int page)
{
    const Spread pair = spreadOf(page);
    m_leftPage = pair.left;
    m_rightPage = pair.right;
    showPage(m_left, m_leftPage);
    showPage(m_right, m_rightPage);
}

void FrmRead::showPage(Side &side, int page)
{
    side.page = page;
    side.pageNumber->setText(QString::number(page));
    side.progress->hide();
    const QString file = cachedPage(page);
    if (QFileInfo::exists(file) && side.image->load(file))
        return;
    // Never another page's picture under this page's number: the side stays empty
    // until this page arrives. A cached file that does not decode (an error page an
    // older version kept) is fetched again.
    side.image->clear();
    QFile::remove(file);
    if (!m_connected)
        return;
    side.progress->setRange(0, 1000);
    side.progress->setValue(0);
    side.progress->show();
    side.download->CancelDownload();
    side.download->BeginDownload(Servers::load().pageImageServer + QStringLiteral("hpages/") + pageFileName(page), file);
}

void FrmRead::downloadFinished(Side &side, qint64 total, const QString &file)
{
    // A page the reader has since left stays in the cache but is not shown.
    if (file != cachedPage(side.page))
        return;
    side.progress->hide();
    side.progress->setValue(0);
    if (total == 0) {
        m_platform.message(side.failure, QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    side.image->load(file);
}

void FrmRead::ShowPageVerses(const QString &page)
{
    m_verses.runQuery(pageQuery(page));
    if (m_verses.atEnd())
        return;
    showVerseRange(QStringLiteral("soraano"));
}

void FrmRead::goToSura(int index)
{
    if (index < 0)
        return;
    m_verses.runQuery(wholeSuraQuery(index + 1));
    if (m_verses.atEnd())
        return;
    showVerseRange(QStringLiteral("pageno"));
    txtPageNumber->setText(m_verses.text(QStringLiteral("pageno")));
    ShowPagePair(txtPageNumber->text().toInt());
}

// The first record's sura and verse, and the last verse of the records that follow it
// while `sameColumn` keeps its value; the cursor stays on that last record.
void FrmRead::showVerseRange(const QString &sameColumn)
{
    m_sura = m_verses.text(QStringLiteral("soraano")).toInt();
    m_firstVerse = m_verses.text(QStringLiteral("ayaano")).toInt();
    const QString value = m_verses.text(sameColumn);
    EventLoopYield yield;
    while (m_verses.position() + 1 < m_verses.recordCount()) {
        m_verses.moveNext();
        if (m_verses.text(sameColumn) != value) {
            m_verses.movePrevious();
            break;
        }
        yield();
    }
    m_lastVerse = m_verses.text(QStringLiteral("ayaano")).toInt();
    lblSoraName->setText(SuraNames.value(m_sura - 1));
    lblAyaaFrom->setText(QString::number(m_firstVerse));
    lblAyaaTo->setText(QString::number(m_lastVerse));
}

void FrmRead::showTypedPage(const QString &page)
{
    txtPageNumber->setText(correctedPageText(page));
    ShowPagePair(txtPageNumber->text().toInt());
    ShowPageVerses(txtPageNumber->text());
}

void FrmRead::cmdViewThis_Click()
{
    showTypedPage(txtPageNumber->text());
}

void FrmRead::CmdNextPage_Click()
{
    const int page = txtPageNumber->text().toInt();
    if (page < LastPage)
        showTypedPage(QString::number(page + 1));
}

void FrmRead::CmdPrePage_Click()
{
    const int page = txtPageNumber->text().toInt();
    if (page > FirstPage)
        showTypedPage(QString::number(page - 1));
}

void FrmRead::CmdSavePage_Click()
{
    const QString page = txtPageNumber->text();
    if (LstSavedPages->findText(page, Qt::MatchExactly) >= 0) {
        m_platform.message(QStringLiteral("إن هذه الصفحة سبق و أن تم حفظها"), QStringLiteral("خطأ"));
        return;
    }
    Settings::setValue(SettingKeys::SavedPages, Settings::value(SettingKeys::SavedPages, QString()) + page + u'^');
    LstSavedPages->addItem(page);
    if (LstSavedPages->count() == 1)
        LstSavedPages->setCurrentIndex(0);
}

void FrmRead::cmdRemoveSaved_Click()
{
    if (LstSavedPages->count() > 0 && !LstSavedPages->currentText().isEmpty())
        LstSavedPages->removeItem(LstSavedPages->currentIndex());
    QStringList pages;
    for (int i = 0; i < LstSavedPages->count(); ++i)
        pages.append(LstSavedPages->itemText(i));
    Settings::setValue(SettingKeys::SavedPages, savedPagesSetting(pages));
    if (LstSavedPages->count() > 0)
        LstSavedPages->setCurrentIndex(0);
}

void FrmRead::cmdViewSaved_Click()
{
    if (LstSavedPages->count() > 0 && !LstSavedPages->currentText().isEmpty())
        showTypedPage(LstSavedPages->currentText());
}

void FrmRead::CmdLstn2Page_Click()
{
    if (m_recite)
        m_recite(m_sura, m_firstVerse, m_lastVerse, lstReaderNamePartial->currentIndex());
}

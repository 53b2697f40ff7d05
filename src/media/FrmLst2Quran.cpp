#include "media/FrmLst2Quran.h"

#include "media/Listn2Quran.h"
#include "core/Named.h"
#include "core/Platform.h"
#include "core/SuraTables.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int FrameWidth = 513;
constexpr int FrameHeight = 438;

QStringList verseNumbers(int first, int last)
{
    QStringList numbers;
    for (int verse = first; verse <= last; ++verse)
        numbers.append(QString::number(verse));
    return numbers;
}

} // namespace

FrmLst2Quran::FrmLst2Quran(Platform &platform, const Servers &servers, RecitationPlayer &player, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_servers(servers)
    , m_player(player)
{
    setObjectName(QStringLiteral("FrmLst2Quran"));
    setLayoutDirection(Qt::RightToLeft);
    resize(FrameWidth, FrameHeight);

    AyaaName = named(new QComboBox(this), "AyaaName");
    AyaaName->addItems(SuraNames);
    AyaaName->setCurrentIndex(-1);
    AyaaName->setMaxVisibleItems(20);

    auto *whole = new QGroupBox(QStringLiteral("الاستماع إلى السورة كاملة"), this);
    lstReaderName = named(new QListWidget(whole), "lstReaderName");
    lstReaderName->addItems(Servers::names(m_servers.wholeSuraReciters));
    CmdLstnFull = named(new QPushButton(QStringLiteral("ابدأ الإستماع"), whole), "CmdLstnFull");
    CmdDownloadQuran = named(new QPushButton(QStringLiteral("تنزيل القرآءة على الجهاز"), whole), "CmdDownloadQuran");
    auto *wholeLayout = new QVBoxLayout(whole);
    wholeLayout->addWidget(lstReaderName, 1);
    wholeLayout->addWidget(CmdLstnFull);
    wholeLayout->addWidget(CmdDownloadQuran);

    auto *part = new QGroupBox(QStringLiteral("الاستماع إلى آيات من السورة"), this);
    CombFrom = named(new QComboBox(part), "CombFrom");
    CombTo = named(new QComboBox(part), "CombTo");
    lstReaderNamePartial = named(new QListWidget(part), "lstReaderNamePartial");
    lstReaderNamePartial->addItems(Servers::names(m_servers.partialReciters));
    CmdLstnPart = named(new QPushButton(QStringLiteral("ابدأ الإستماع"), part), "CmdLstnPart");
    auto *partLayout = new QGridLayout(part);
    partLayout->addWidget(new QLabel(QStringLiteral("من الآية"), part), 0, 0);
    partLayout->addWidget(CombFrom, 0, 1);
    partLayout->addWidget(new QLabel(QStringLiteral("إلى الآية"), part), 1, 0);
    partLayout->addWidget(CombTo, 1, 1);
    partLayout->addWidget(lstReaderNamePartial, 2, 0, 1, 2);
    partLayout->addWidget(CmdLstnPart, 3, 0, 1, 2);
    partLayout->setRowStretch(2, 1);

    auto *note = new QLabel(QStringLiteral("الاستماع إلى التلاوات وتنزيلها يحتاج إلى اتصال بالإنترنت."), this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #5a5a5a;"));

    auto *suraRow = new QHBoxLayout;
    suraRow->addWidget(new QLabel(QStringLiteral("السورة"), this));
    suraRow->addWidget(AyaaName, 1);
    auto *columns = new QHBoxLayout;
    columns->addWidget(whole, 1);
    columns->addWidget(part, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(suraRow);
    layout->addLayout(columns, 1);
    layout->addWidget(note);

    connect(AyaaName, &QComboBox::activated, this, &FrmLst2Quran::AyaaName_Click);
    connect(CombFrom, &QComboBox::activated, this, &FrmLst2Quran::CombFrom_Click);
    connect(CmdLstnFull, &QPushButton::clicked, this, &FrmLst2Quran::CmdLstnFull_Click);
    connect(CmdDownloadQuran, &QPushButton::clicked, this, &FrmLst2Quran::CmdDownloadQuran_Click);
    connect(CmdLstnPart, &QPushButton::clicked, this, &FrmLst2Quran::CmdLstnPart_Click);
}

void FrmLst2Quran::selectFirstChoices()
{
    if (AyaaName->currentIndex() >= 0)
        return;
    AyaaName->setCurrentIndex(0);
    AyaaName_Click();
    lstReaderName->setCurrentRow(0);
    lstReaderNamePartial->setCurrentRow(1);
}

void FrmLst2Quran::AyaaName_Click()
{
    const int row = AyaaName->currentIndex();
    if (row < 0 || row >= SuraCount)
        return;
    const QStringList verses = verseNumbers(1, SuraVerseCounts[row]);
    CombFrom->clear();
    CombFrom->addItems(verses);
    CombFrom->setCurrentIndex(0);
    CombFrom_Click();
}

void FrmLst2Quran::CombFrom_Click()
{
    // The last verse of a range can never be chosen below the first.
    if (CombFrom->count() == 0)
        return;
    const int first = CombFrom->currentText().toInt();
    const int last = CombFrom->itemText(CombFrom->count() - 1).toInt();
    CombTo->clear();
    CombTo->addItems(verseNumbers(first, last));
    CombTo->setCurrentIndex(0);
}

bool FrmLst2Quran::hasChoice(const QListWidget *reciters)
{
    if (AyaaName->currentIndex() >= 0 && reciters->currentRow() >= 0)
        return true;
    m_platform.message(QStringLiteral("يرجى اختيار السورة والقارئ أولا"));
    return false;
}

void FrmLst2Quran::CmdLstnFull_Click()
{
    if (hasChoice(lstReaderName))
        Listn2Quran::PlayWholeSura(m_platform, m_servers, m_player, AyaaName->currentIndex(), lstReaderName->currentRow());
}

void FrmLst2Quran::CmdDownloadQuran_Click()
{
    if (hasChoice(lstReaderName))
        Listn2Quran::DownloadWholeSura(m_platform, m_servers, AyaaName->currentIndex(), lstReaderName->currentRow(), this);
}

void FrmLst2Quran::CmdLstnPart_Click()
{
    if (!hasChoice(lstReaderNamePartial))
        return;
    bool firstIsNumber = false, lastIsNumber = false;
    const int first = CombFrom->currentText().toInt(&firstIsNumber);
    const int last = CombTo->currentText().toInt(&lastIsNumber);
    if (!firstIsNumber || !lastIsNumber)
        return;
    Listn2Quran::PlayVerseRange(m_platform, m_servers, m_player, AyaaName->currentIndex() + 1, first, last, lstReaderNamePartial->currentRow());
}

#include "memorise/TrackerRecordingPage.h"

#include "controls/MirroredLabel.h"
#include "controls/VorelProgress.h"
#include "core/EventLoopYield.h"
#include "core/Named.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/SuraTables.h"
#include "memorise/Marking.h"
#include "memorise/TrackerQuery.h"
#include "memorise/TrackerRecords.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace tracker;

TrackerRecordingPage::TrackerRecordingPage(TrackerRecords &records, const QFont &verseFont, QWidget *parent)
    : QWidget(parent)
    , m_records(records)
{
    setObjectName(QStringLiteral("FrmSvDetailed"));
    searchname = named(new QComboBox(this), "searchname");
    QStringList names = SuraNames;
    // This list has always spelled three names without diacritics.
    names[72] = QStringLiteral("المزمل");
    names[73] = QStringLiteral("المدثر");
    names[103] = QStringLiteral("الهمزة");
    searchname->addItems(names);
    Combo1 = named(new QComboBox(this), "Combo1");
    Combo2 = named(new QComboBox(this), "Combo2");
    connect(searchname, &QComboBox::activated, this, &TrackerRecordingPage::searchname_Click);
    connect(Combo1, &QComboBox::activated, this, &TrackerRecordingPage::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &TrackerRecordingPage::Combo2_Click);

    endtext = readOnlyText("endtext", this);
    endtext->setPlainText(QStringLiteral("تحميل ..."));
    endtext->setFont(verseFont);
    endtext->installEventFilter(this);
    ProgressBar = named(new QFrame(this), "ProgressBar");
    ProgressBar->setFrameShape(QFrame::StyledPanel);
    ProgressBar->setFixedHeight(10);
    lblProgress = named(new QLabel(ProgressBar), "lblProgress");
    lblProgress->setStyleSheet(QStringLiteral("background: #2f6b4f;"));
    lblProgress->setGeometry(0, 0, 0, 10);
    ProgressBar->hide();
    IDlbl = new MirroredLabel("IDlbl", QString(), nullptr, this);

    Command6 = button("Command6", QStringLiteral("حفظت السورة بالكامل"), this);
    Command2 = button("Command2", QStringLiteral("لا تحفظ هذه السورة"), this);
    Command3 = button("Command3", QStringLiteral("حفظت الآيات المختارة"), this);
    Command4 = button("Command4", QStringLiteral("لا تحفظ الآيات المختارة"), this);
    connect(Command6, &QPushButton::clicked, this, &TrackerRecordingPage::Command6_Click);
    connect(Command2, &QPushButton::clicked, this, &TrackerRecordingPage::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &TrackerRecordingPage::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &TrackerRecordingPage::Command4_Click);
    connect(&m_records, &TrackerRecords::markingChanged, this, [this](bool running) {
        for (QWidget *control : std::initializer_list<QWidget *>{Command2, Command3, Command4, Command6, Combo1, Combo2, searchname})
            control->setEnabled(!running);
    });

    auto *SkinLabel7 = named(new QLabel(this), "SkinLabel7");
    auto *SkinLabel4 = named(new QLabel(this), "SkinLabel4");
    m_figures.suraCount = new MirroredLabel("savedfromversesd", QString(), SkinLabel7, this);
    m_figures.quranCount = new MirroredLabel("savedfromquransd", QString(), SkinLabel4, this);
    m_figures.suraBar = bar("pbsd", this);
    m_figures.quranBar = bar("pb2sd", this);

    auto *choices = new QHBoxLayout;
    choices->addWidget(figure(QStringLiteral("السورة"), searchname, this), 2);
    choices->addWidget(figure(QStringLiteral("من الآية"), Combo1, this), 1);
    choices->addWidget(figure(QStringLiteral("إلى الآية"), Combo2, this), 1);
    auto *commands = new QGridLayout;
    commands->addWidget(Command6, 0, 0);
    commands->addWidget(Command2, 0, 1);
    commands->addWidget(Command3, 1, 0);
    commands->addWidget(Command4, 1, 1);
    auto *figures = new QGridLayout;
    figures->addWidget(figure(QStringLiteral("عدد الآيات المحفوظة من هذه السورة"), SkinLabel7, this), 0, 0);
    figures->addWidget(figure(QStringLiteral("عدد الآيات المحفوظة من القرآن"), SkinLabel4, this), 0, 1);
    figures->addWidget(figure(QStringLiteral("نسبة المحفوظ من السورة"), m_figures.suraBar, this), 1, 0);
    figures->addWidget(figure(QStringLiteral("من القرآن"), m_figures.quranBar, this), 1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choices);
    layout->addWidget(endtext, 1);
    layout->addWidget(ProgressBar);
    layout->addLayout(commands);
    layout->addLayout(figures);
}

void TrackerRecordingPage::start()
{
    setIndexQuietly(searchname, 0);
    searchname_Click();
}

bool TrackerRecordingPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == endtext && event->type() == QEvent::FocusIn)
        m_records.platform().activateArabicKeyboard();
    return QWidget::eventFilter(watched, event);
}

void TrackerRecordingPage::Command6_Click()
{
    recordingCommand(true, true);
}

void TrackerRecordingPage::Command2_Click()
{
    recordingCommand(true, false);
}

void TrackerRecordingPage::Command3_Click()
{
    recordingCommand(false, true);
}

void TrackerRecordingPage::Command4_Click()
{
    recordingCommand(false, false);
}

void TrackerRecordingPage::recordingCommand(bool wholeSura, bool mark)
{
    if (m_records.marking())
        return;
    const int S = searchname->currentIndex() + 1;
    const int from = Combo1->currentText().toInt();
    const int to = Combo2->currentText().toInt();
    const int toId = IDlbl->text().toInt();
    TellMeIdSub();
    if (wholeSura)
        m_records.apply(suraMarking(m_records.user(), S, SuraOffset, mark));
    else if (from > 0 && to >= from && toId > 0)
        m_records.apply(rangeMarking(m_records.user(), S, from, to, toId, FromVerseId, mark));
    Percentaged();
    Q_EMIT recordsChanged();
}

void TrackerRecordingPage::TellMeIdSub()
{
    SuraOffset = suraOffset(searchname->currentIndex() + 1);
    FromVerseId = Combo1->currentText().toInt() + SuraOffset;
}

void TrackerRecordingPage::setRecordingControlsEnabled(bool enabled)
{
    // Nothing comes back to life while a marking command runs.
    enabled = enabled && !m_records.marking();
    for (QWidget *control : std::initializer_list<QWidget *>{Command2, Command3, Command4, Command6, Combo1, Combo2, searchname})
        control->setEnabled(enabled);
    Q_EMIT commandsEnabled(enabled);
}

void TrackerRecordingPage::searchname_Click()
{
    const int N = SuraVerseCounts.at(searchname->currentIndex());
    Combo1->clear();
    Combo2->clear();
    EventLoopYield yield;
    for (int verse = 1; verse <= N; ++verse) {
        Combo1->addItem(QString::number(verse));
        Combo2->addItem(QString::number(verse));
        yield();
    }
    // Choosing from-verse 1 chooses to-verse 1 as well, which previews verse 1.
    setIndexQuietly(Combo1, 0);
    Combo1_Click();
    Percentaged();
}

void TrackerRecordingPage::Combo1_Click()
{
    Combo2->clear();
    EventLoopYield yield;
    for (int i = Combo1->currentIndex(); i < Combo1->count(); ++i) {
        Combo2->addItem(Combo1->itemText(i));
        yield();
    }
    setIndexQuietly(Combo2, 0);
    Combo2_Click();
}

void TrackerRecordingPage::Combo2_Click()
{
    ProgressBar->show();
    setRecordingControlsEnabled(false);

    const QString S = QString::number(searchname->currentIndex() + 1);
    const QString from = Combo1->currentText();
    const QString to = Combo2->currentText();
    const QString verses = ProgramFolder::file(QStringLiteral("quran.qu"));
    if (Adodc2sd.path() != verses)
        Adodc2sd.openFile(verses);
    Adodc2sd.runQuery(trackedVerseQuery(S, to));
    IDlbl->setInfo(Adodc2sd.text(QStringLiteral("ID")));

    endtext->setPlainText(QStringLiteral("تحميل ..."));
    QString preview;
    if (Adodc1sd.path() != verses)
        Adodc1sd.openFile(verses);
    Adodc1sd.runQuery(trackedRangeQuery(S, from, to));
    Adodc1sd.moveFirst();
    const qsizetype R = Adodc1sd.recordCount();
    EventLoopYield yield;
    for (qsizetype i = 1; i <= R; ++i) {
        lblProgress->resize(int(i * ProgressBar->width() / R), lblProgress->height());
        preview += Adodc1sd.text(QStringLiteral("ayaa")) + QStringLiteral(" (") + QString::number(Combo1->currentIndex() + i)
            + QStringLiteral(") ");
        Adodc1sd.moveNext();
        yield();
    }
    endtext->setPlainText(preview);

    ProgressBar->hide();
    setRecordingControlsEnabled(true);
}

void TrackerRecordingPage::Percentaged()
{
    m_figures.refresh(m_records, Adodc2sd, searchname->currentIndex() + 1);
}

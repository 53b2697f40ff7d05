#include "media/FrmDownloadT.h"

#include "core/DataFileCheck.h"
#include "net/FrmDownload.h"
#include "core/Platform.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/TranslationCatalogue.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FrmDownloadT::FrmDownloadT(Platform &platform, ProgramState &state, std::function<QString()> serverAddress,
                           std::function<void()> programEnd, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_state(state)
    , m_serverAddress(std::move(serverAddress))
    , m_programEnd(std::move(programEnd))
{
    setObjectName(QStringLiteral("FrmDownloadT"));

    auto *heading = new QLabel(QStringLiteral("التراجم المتوفر حاليا"), this);
    heading->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #2f6b4f;"));
    auto *instruction = new QLabel(QStringLiteral(
        "قم باختيار الترجمة التي تود أن تقوم بتركيبها و اضغط على زر تنصيب. سوف يقوم البرنامج بتحميل الترجمة من موقع البرنامج و تركيبها بشكل آلي"), this);
    instruction->setWordWrap(true);
    auto *warning = new QLabel(QStringLiteral("يرجى عدم إغلاق البرنامج أثناء عملية تحميل الترجمة"), this);
    warning->setStyleSheet(QStringLiteral("color: #a03030;"));

    List4 = new QListWidget(this);
    List4->setObjectName(QStringLiteral("List4"));
    List4->addItems(TranslationNames);
    markInstalled();

    cmddownload = new QPushButton(QStringLiteral("تنصيب الترجمة"), this);
    cmddownload->setObjectName(QStringLiteral("cmddownload"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(instruction);
    layout->addWidget(List4, 1);
    layout->addWidget(warning);
    layout->addWidget(cmddownload, 0, Qt::AlignLeft);

    connect(cmddownload, &QPushButton::clicked, this, &FrmDownloadT::cmddownload_Click);
}

namespace {

// A translation file that opens as one; a damaged file can be fetched again.
bool isInstalled(int entry)
{
    const QString file = ProgramFolder::file(translationFileName(entry));
    return QFile::exists(file) && dataFileProblem(file, DataFileKind::Translation, CheckDepth::Opening).isEmpty();
}

} // namespace

void FrmDownloadT::markInstalled()
{
    for (int entry = 0; entry < List4->count(); ++entry)
        List4->item(entry)->setText(TranslationNames.at(entry)
                                    + (isInstalled(entry) ? QStringLiteral(" (مثبتة لديك)") : QString()));
}

void FrmDownloadT::selectFirstTranslation()
{
    markInstalled();
    List4->setCurrentRow(0);
    List4->setFocus();
}

void FrmDownloadT::cmddownload_Click()
{
    const int entry = List4->currentRow();
    if (entry < 0 || !List4->currentItem()->isSelected()) {
        m_platform.message(QStringLiteral("يرجى اختيار الترجمة التي تود تنصيبها من القائمة أولا"));
        return;
    }
    const QString fileName = translationFileName(entry);
    m_state.DownloadItem = fileName.chopped(4).toInt();
    if (isInstalled(entry)) {
        m_platform.message(QStringLiteral("إن هذه الترجمة متوفرة حاليا لديك, ليس هناك داعي لإعادة عملية التحميل"),
                           QStringLiteral("التحديث"));
        return;
    }
    if (m_download)
        m_download->close();
    m_download = new FrmDownload(m_platform, m_state, m_serverAddress(), m_programEnd, window());
    m_download->open();
}

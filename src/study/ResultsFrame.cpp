#include "ResultsFrame.h"

#include "CoolHoverButton.h"
#include "TranslationCatalogue.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QTextBrowser>
#include <QTextEdit>

namespace {

// The frame's size inside the main window, and its parts, in pixels.
constexpr int Width = 513;
constexpr int ListWidth = 130;
constexpr int ViewWidth = Width - ListWidth - 6;
constexpr int InfoHeight = 54;
constexpr int ButtonTop = 406;
constexpr int ButtonHeight = 30;
constexpr int MenuRowsBeforeScrolling = 10;

QLabel *valueLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6b4f;"));
    return label;
}

} // namespace

ResultsFrame::ResultsFrame(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmMain"));

    suraayaalist = new QListWidget(this);
    suraayaalist->setObjectName(QStringLiteral("suraayaalist"));

    webPreview = new QTextBrowser(this);
    webPreview->setObjectName(QStringLiteral("webPreview"));
    webPreview->setOpenLinks(false);

    FrmInfo = new QFrame(this);
    FrmInfo->setObjectName(QStringLiteral("FrmInfo"));
    FrmInfo->setFrameShape(QFrame::StyledPanel);
    suraanumber = valueLabel("suraanumber", QString(), FrmInfo);
    ayaanolab = valueLabel("ayaanolab", QString(), FrmInfo);
    pagenotext = valueLabel("pagenotext", QString(), FrmInfo);
    chapterNOtext = valueLabel("chapterNOtext", QString(), FrmInfo);
    score = valueLabel("score", QString(), FrmInfo);
    typetext = valueLabel("typetext", QStringLiteral("---"), FrmInfo);
    soraayanum = valueLabel("soraayanum", QStringLiteral("0"), FrmInfo);
    auto *info = new QGridLayout(FrmInfo);
    info->setContentsMargins(6, 2, 6, 2);
    info->setVerticalSpacing(0);
    const QList<QPair<QString, QLabel *>> fields = {
        {QStringLiteral("رقم السورة"), suraanumber},  {QStringLiteral("الآية المختارة"), ayaanolab},
        {QStringLiteral("رقم الصفحة"), pagenotext},   {QStringLiteral("الجزء"), chapterNOtext},
        {QStringLiteral("التصنيف"), typetext},        {QStringLiteral("عدد آيات السورة"), soraayanum},
        {QStringLiteral("عدد النتائج"), score},
    };
    for (int i = 0; i < fields.size(); ++i) {
        info->addWidget(new QLabel(fields.at(i).first + QStringLiteral(":"), FrmInfo), i / 4, (i % 4) * 2);
        info->addWidget(fields.at(i).second, i / 4, (i % 4) * 2 + 1);
    }

    Text2 = new QTextEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);

    const QList<QPair<CoolHoverButton **, QString>> buttons = {
        {&CoolHoverButton1, QStringLiteral("التفسير الميسر")},
        {&CoolHoverButton2, QStringLiteral("تفسير الجلالين")},
        {&CoolHoverButton3, QStringLiteral("الترجمة الإنجليزية")},
        {&CoolHoverButton4, QStringLiteral("إخفاء التفسير / الترجمة")},
        {&CoolHoverButton15, QStringLiteral("تراجم أخرى للقرآن")},
    };
    const int buttonWidth = (Width - 4 * 4) / int(buttons.size());
    for (int i = 0; i < buttons.size(); ++i) {
        auto *button = new CoolHoverButton(this);
        button->setObjectName(QStringLiteral("CoolHoverButton%1").arg(i < 4 ? i + 1 : 15));
        button->setCaption(buttons.at(i).second);
        button->setStyleSheet(QStringLiteral("QLabel { font-size: 8pt; }"));
        // Right to left: the first button stands at the right edge.
        button->setGeometry(Width - (i + 1) * buttonWidth - i * 4, ButtonTop, buttonWidth, ButtonHeight);
        *buttons.at(i).first = button;
    }

    lstMenu = new QListWidget(this);
    lstMenu->setObjectName(QStringLiteral("lstMenu"));
    lstMenu->addItems({QStringLiteral("تحميل ترجمة جديدة"), QStringLiteral(" ---------------------")});
    lstMenu->setGeometry(CoolHoverButton15->x(), ButtonTop - 160, buttonWidth, 156);
    lstMenu->hide();
    lstMenu->setEnabled(false);

    suraayaalist->setGeometry(Width - ListWidth, 0, ListWidth, twips(5295));
    webPreview->setGeometry(0, 0, ViewWidth, twips(4290));
    closeCommentaryLayout();
}

void ResultsFrame::WriteHtmlPage(const QString &html)
{
    webPreview->setHtml(html);
}

void ResultsFrame::fillTranslationMenu(const QStringList &translationFiles)
{
    File1 = translationFiles;
    for (const QString &file : File1) {
        if (const std::optional<int> entry = translationEntryOfFile(file)) {
            lstMenu->addItem(TranslationNames.at(*entry));
            m_menuFiles.append(file);
        }
        QCoreApplication::processEvents();
    }
    if (lstMenu->count() > MenuRowsBeforeScrolling) {
        // Room for the scroll bar: 180 twips wider, grown towards the left.
        lstMenu->setGeometry(lstMenu->x() - twips(180), lstMenu->y(), lstMenu->width() + twips(180), lstMenu->height());
        m_menuSlideSteps = 85;
    } else {
        m_menuSlideSteps = 76;
    }
}

QString ResultsFrame::translationFileOfMenuRow(int row) const
{
    return m_menuFiles.value(row - 2);
}

void ResultsFrame::openCommentaryLayout()
{
    suraayaalist->resize(ListWidth, twips(3540));
    webPreview->resize(ViewWidth, twips(2535));
    FrmInfo->setGeometry(0, twips(2865), ViewWidth, InfoHeight);
    Text2->setGeometry(0, FrmInfo->y() + InfoHeight + 6, Width, ButtonTop - 6 - (FrmInfo->y() + InfoHeight + 6));
    Text2->show();
}

void ResultsFrame::closeCommentaryLayout()
{
    suraayaalist->resize(ListWidth, twips(5295));
    webPreview->resize(ViewWidth, twips(4290));
    Text2->hide();
    FrmInfo->setGeometry(0, twips(4620), ViewWidth, InfoHeight);
}

int ResultsFrame::rowCount() const
{
    return suraayaalist->count();
}

void ResultsFrame::refreshSelection()
{
    if (suraayaalist->count() == 0)
        return;
    const int selected = suraayaalist->currentRow();
    suraayaalist->setCurrentRow(0);
    suraayaalist->setCurrentRow(selected);
}

#include "images/PageImage.h"

#include "core/SuraTables.h"

#include <QFile>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextFrameFormat>

#include <gif_lib.h>

namespace {

const QString QuranFont = QStringLiteral("Amiri Quran");
const QColor Paper(0xff, 0xfd, 0xf5);
const QColor Ink(0x1d, 0x1b, 0x16);
const QColor Ornament(0x3a, 0x6b, 0x52);
const QColor HeaderFill(0xf1, 0xec, 0xdb);

constexpr int Margin = 34;
constexpr int HeaderHeight = 28;
constexpr int FooterHeight = 30;
constexpr double SmallestFont = 12;
constexpr double LargestFont = 30;
// The first two pages stand in a smaller framed block, in a larger hand.
constexpr int OpeningPages = 2;
constexpr int OpeningBlockWidth = 340;

QRect bodyArea(int page)
{
    const int top = Margin + HeaderHeight;
    const int height = PageHeight - top - Margin - FooterHeight;
    if (page <= OpeningPages)
        return QRect((PageWidth - OpeningBlockWidth) / 2, top + 60, OpeningBlockWidth, height - 120);
    return QRect(Margin, top, PageWidth - 2 * Margin, height);
}

// Quran fonts need room above and below the letters for their marks.
QTextBlockFormat blockFormat(Qt::Alignment alignment, int lineHeightPercent = 150)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    format.setLayoutDirection(Qt::RightToLeft);
    format.setLineHeight(lineHeightPercent, QTextBlockFormat::ProportionalHeight);
    return format;
}

// The page's text laid out in `fontSize` pixels over `width`.
void layOutPage(QTextDocument &document, const PagePicture &picture, double fontSize, int width)
{
    document.clear();
    document.setDocumentMargin(0);
    document.setTextWidth(width);
    QFont font(QuranFont);
    font.setPixelSize(qRound(fontSize));
    document.setDefaultFont(font);

    QTextCursor cursor(&document);
    bool firstBlock = true;
    auto newBlock = [&](const QTextBlockFormat &format) {
        if (firstBlock)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        firstBlock = false;
    };
    for (const PageBlock &block : picture.blocks) {
        switch (block.kind) {
        case PageBlock::Kind::SuraHeader: {
            QTextFrameFormat frame;
            frame.setBorder(1.5);
            frame.setBorderBrush(Ornament);
            frame.setBackground(HeaderFill);
            frame.setPadding(0);
            frame.setMargin(3);
            frame.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            newBlock(blockFormat(Qt::AlignHCenter, 100));
            cursor.insertFrame(frame);
            cursor.setBlockFormat(blockFormat(Qt::AlignHCenter, 105));
            QTextCharFormat title;
            title.setForeground(Ornament);
            cursor.insertText(QStringLiteral("سورة ") + SuraNames.value(block.sura - 1), title);
            cursor.movePosition(QTextCursor::End);
            firstBlock = false;
            break;
        }
        case PageBlock::Kind::Basmala:
            newBlock(blockFormat(Qt::AlignHCenter));
            cursor.insertText(picture.basmala);
            break;
        case PageBlock::Kind::Verses: {
            newBlock(blockFormat(Qt::AlignJustify));
            QStringList texts;
            for (const PageVerse &verse : block.verses)
                texts.append(verseWithEndMark(verse));
            cursor.insertText(texts.join(u' '));
            break;
        }
        }
    }
}

// The largest size, in half pixels, whose layout fits the page's body.
double fittingFontSize(QTextDocument &document, const PagePicture &picture)
{
    const QRect body = bodyArea(picture.page);
    double low = SmallestFont;
    double high = LargestFont;
    while (high - low > 0.5) {
        const double middle = (low + high) / 2;
        layOutPage(document, picture, middle, body.width());
        if (document.size().height() <= body.height())
            low = middle;
        else
            high = middle;
    }
    return low;
}

void drawFrame(QPainter &painter, const QRect &area)
{
    painter.setPen(QPen(Ornament, 2));
    painter.drawRect(area.adjusted(-8, -8, 8, 8));
    painter.setPen(QPen(Ornament, 0.8));
    painter.drawRect(area.adjusted(-4, -4, 4, 4));
}

} // namespace

double pageFontSize(const PagePicture &picture)
{
    QTextDocument document;
    return fittingFontSize(document, picture);
}

QImage renderPage(const PagePicture &picture)
{
    QTextDocument document;
    const double size = fittingFontSize(document, picture);
    const QRect body = bodyArea(picture.page);
    layOutPage(document, picture, size, body.width());

    QImage image(PageWidth, PageHeight, QImage::Format_RGB32);
    image.fill(Paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // The page's border, its running head (sura and part) and its number.
    drawFrame(painter, QRect(Margin - 14, Margin - 14, PageWidth - 2 * (Margin - 14), PageHeight - 2 * (Margin - 14)));
    QFont small(QuranFont);
    small.setPixelSize(15);
    painter.setFont(small);
    painter.setPen(Ornament);
    const QRect head(Margin, Margin - 8, PageWidth - 2 * Margin, HeaderHeight);
    const int firstSura = picture.blocks.isEmpty() ? 1 : picture.blocks.first().sura;
    painter.drawText(head, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("سورة ") + SuraNames.value(firstSura - 1));
    painter.drawText(head, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("الجزء ") + arabicIndicNumber(picture.part));
    painter.drawText(QRect(0, PageHeight - Margin - FooterHeight + 6, PageWidth, FooterHeight), Qt::AlignCenter,
                     arabicIndicNumber(picture.page));

    // The opening pages stand framed in the middle of the page.
    const int textHeight = int(document.size().height());
    int top = body.top();
    if (picture.page <= OpeningPages) {
        top = body.top() + (body.height() - textHeight) / 2;
        drawFrame(painter, QRect(body.left() - 10, top - 14, body.width() + 20, textHeight + 28));
    }
    painter.translate(body.left(), top);
    painter.setPen(Ink);
    document.drawContents(&painter);
    return image;
}

QImage renderVerse(const PageVerse &verse)
{
    constexpr int Width = 600;
    constexpr int Padding = 12;
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setTextWidth(Width - 2 * Padding);
    QFont font(QuranFont);
    font.setPixelSize(28);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.setBlockFormat(blockFormat(Qt::AlignJustify));
    cursor.insertText(verseWithEndMark(verse));

    QImage image(Width, int(document.size().height()) + 2 * Padding, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(Padding, Padding);
    document.drawContents(&painter);
    return image;
}

bool writeGif(const QImage &image, const QString &path, QString *error)
{
    // Sixteen greys keep the anti-aliased edges of the letters and the files small.
    constexpr int Greys = 16;
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    ColorMapObject *palette = GifMakeMapObject(Greys, nullptr);
    for (int i = 0; i < Greys; ++i) {
        const auto level = static_cast<GifByteType>(i * 255 / (Greys - 1));
        palette->Colors[i] = {level, level, level};
    }

    int status = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &status);
    bool ok = gif && EGifPutScreenDesc(gif, grey.width(), grey.height(), 8, 0, palette) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, grey.width(), grey.height(), false, nullptr) == GIF_OK;
    QList<GifPixelType> line(grey.width());
    for (int y = 0; ok && y < grey.height(); ++y) {
        const uchar *pixels = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            line[x] = static_cast<GifPixelType>((pixels[x] * (Greys - 1) + 127) / 255);
        ok = EGifPutLine(gif, line.data(), grey.width()) == GIF_OK;
    }
    if (gif && EGifCloseFile(gif, &status) != GIF_OK)
        ok = false;
    GifFreeMapObject(palette);
    if (!ok)
        *error = QStringLiteral("cannot write %1: %2").arg(path, QString::fromLatin1(GifErrorString(status)));
    return ok;
}

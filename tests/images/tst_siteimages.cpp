#include "images/PageContent.h"
#include "images/PageImage.h"
#include "images/SiteImages.h"
#include "core/SuraTables.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

// True when the picture holds ink, not only paper.
bool hasInk(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    int dark = 0;
    for (int y = 0; y < grey.height(); y += 2) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); x += 2)
            dark += line[x] < 100 ? 1 : 0;
    }
    return dark > 50;
}

} // namespace

class TestSiteImages : public QObject
{
    Q_OBJECT

private:
    VerseLibrary m_library;

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        m_library = VerseLibrary::load(QStringLiteral(VELMORA_BUILD_DIR "/quran.qu"), &error);
        QVERIFY2(!m_library.pages.isEmpty(), qPrintable(error));
    }

    // What each page draws: every verse once, in order, on the page the database places
    // it on; a sura's header and basmala where it starts; a font size between the bounds.
    // (The file names are read back by the windows that fetch them, tst_frmread and
    // tst_frmrasm, and by picturesDecodeAndHoldText.)
    void pages()
    {
        QCOMPARE(verseWithEndMark({262, 2, 255, QStringLiteral("نص")}), QStringLiteral("نص \u06DD٢٥٥"));
        const QList<PageVerse> all = m_library.allVerses();
        QCOMPARE(all.size(), VerseTotal);
        for (int i = 0; i < all.size(); ++i)
            QCOMPARE(all.at(i).id, i + 1);
        for (auto page = m_library.pages.cbegin(); page != m_library.pages.cend(); ++page) {
            QList<int> drawn;
            for (const PageBlock &block : pageBlocks(page.value())) {
                for (const PageVerse &verse : block.verses)
                    drawn.append(verse.id);
            }
            QList<int> stored;
            for (const PageVerse &verse : page.value())
                stored.append(verse.id);
            QCOMPARE(drawn, stored);
        }
        QVERIFY(std::any_of(m_library.pages.value(42).cbegin(), m_library.pages.value(42).cend(),
                            [](const PageVerse &verse) { return verse.id == 262; }));

        using Kind = PageBlock::Kind;
        auto kinds = [](const QList<PageBlock> &blocks) {
            QList<Kind> list;
            for (const PageBlock &block : blocks)
                list.append(block.kind);
            return list;
        };
        // The opening sura's basmala is its first verse; the ninth sura has none.
        QCOMPARE(kinds(pageBlocks(m_library.pages.value(1))), (QList<Kind>{Kind::SuraHeader, Kind::Verses}));
        QCOMPARE(kinds(pageBlocks(m_library.pages.value(187))), (QList<Kind>{Kind::SuraHeader, Kind::Verses}));
        // Sura 5 starts in the middle of page 106, after the end of sura 4.
        QCOMPARE(kinds(pageBlocks(m_library.pages.value(106))),
                 (QList<Kind>{Kind::Verses, Kind::SuraHeader, Kind::Basmala, Kind::Verses}));

        // The fullest and the emptiest pages both find a size between the bounds.
        for (int page : {3, 50, 262, 582, 604}) {
            const PagePicture picture{page, m_library.partOfPage.value(page), pageBlocks(m_library.pages.value(page)),
                                      m_library.basmala};
            const double size = pageFontSize(picture);
            QVERIFY2(size > 12 && size <= 30, qPrintable(QStringLiteral("page %1: %2").arg(page).arg(size)));
        }
    }

    void picturesDecodeAndHoldText()
    {
        QTemporaryDir site;
        const SiteImageOptions options{site.path(), 2, {1, 2, 50, 106, 187, 604}, {1, 262, 289, 6236}};
        QString error;
        QVERIFY2(renderSiteImages(m_library, options, {}, &error), qPrintable(error));

        for (int page : options.pages) {
            const QImage image(site.filePath(QStringLiteral("hpages/") + pageFileName(page)));
            QCOMPARE(image.size(), QSize(PageWidth, PageHeight));
            QVERIFY2(hasInk(image), qPrintable(pageFileName(page)));
        }
        for (const QString &name : {QStringLiteral("1_001.gif"), QStringLiteral("2_255.gif"), QStringLiteral("2_282.gif"),
                                    QStringLiteral("114_006.gif")}) {
            const QImage image(site.filePath(QStringLiteral("quran/image/") + name));
            QVERIFY2(hasInk(image), qPrintable(name)); // a file that does not decode has none
        }
        // The longest verse is drawn taller than a short one; no partial file is left.
        QVERIFY(QImage(site.filePath(QStringLiteral("quran/image/2_282.gif"))).height()
                > 3 * QImage(site.filePath(QStringLiteral("quran/image/1_001.gif"))).height());
        QDirIterator partials(site.path(), {QStringLiteral("*.partial*")}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(!partials.hasNext());
    }
};

QTEST_MAIN(TestSiteImages)
#include "tst_siteimages.moc"

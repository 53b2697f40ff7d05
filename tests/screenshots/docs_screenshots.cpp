// Draws the pictures of docs/screenshots from the built program and its data files:
// docs-screenshots [folder]. The pictures are for the reader-facing description only;
// the tests check what they show.

#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "images/PageImage.h"
#include "images/SiteImages.h"
#include "reader/FrmRead.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

namespace {

QDir shots;

void save(const QImage &picture, const char *name)
{
    if (!picture.save(shots.filePath(QLatin1String(name))))
        qFatal("cannot write %s", name);
    std::printf("%s\n", qPrintable(shots.filePath(QLatin1String(name))));
}

// The search panel with the reader's choices of font, colour and scope.
void searchPicture()
{
    MainWindowFixture m({QStringLiteral("quran.qu"), QStringLiteral("skn")});
    Settings::setValue(SettingKeys::FontSize, QStringLiteral("24"));
    Settings::setValue(SettingKeys::TheColor, QStringLiteral("0000FF"));
    if (!m.open())
        qFatal("the main window did not start");
    auto *options = m.find("FrmOptions");
    child<QComboBox>(options, "sora")->setCurrentIndex(1);
    child<QRadioButton>(options, "soraop")->click();
    m.search(QStringLiteral("الله"));
    save(m.window.grab().toImage(), "search-panel.png");
}

// A spread where a sura starts, drawn from the pictures the site serves.
void readerPicture()
{
    TestProgramFolder folder({QStringLiteral("quran.qu"), QStringLiteral("skn")});
    QString error;
    const VerseLibrary library = VerseLibrary::load(folder.file(QStringLiteral("quran.qu")), &error);
    QDir(folder.path()).mkpath(QStringLiteral("pic2"));
    for (int page : {105, 106}) {
        const PagePicture picture{page, library.partOfPage.value(page), pageBlocks(library.pages.value(page)), library.basmala};
        renderPage(picture).save(folder.file(QStringLiteral("pic2/") + pageFileName(page)));
    }

    ScriptedPlatform platform;
    platform.connected = false;
    FrmRead reader(platform, {});
    reader.Form_Load();
    reader.resize(900, 760);
    reader.show();
    child<QLineEdit>(&reader, "txtPageNumber")->setText(QStringLiteral("106"));
    QTest::mouseClick(child<QPushButton>(&reader, "cmdViewThis"), Qt::LeftButton);
    save(reader.grab().toImage(), "page-reader-spread.png");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    shots.setPath(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    shots.mkpath(QStringLiteral("."));
    searchPicture();
    readerPicture();
    return 0;
}

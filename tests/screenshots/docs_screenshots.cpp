// Draws the pictures of docs/screenshots from the built program and its data files:
// docs-screenshots [folder]. The pictures are for the reader-facing description only;
// the tests check what they show.

#include "controls/SearchBox.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "images/PageImage.h"
#include "images/SiteImages.h"
#include "media/FrmRasm.h"
#include "reader/FrmRead.h"
#include "study/ResultsFrame.h"
#include "support/LocalHttpServer.h"
#include "support/MainWindowFixture.h"
#include "support/ToneWav.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
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

// The search panel with the reader's choices of font, colour and scope, its result
// menu, and the options that made them.
void searchPictures()
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

    auto *list = m.find<QListWidget>("suraayaalist");
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualItemRect(list->item(0)).center());
    auto *popup = m.find<QMenu>("show1");
    if (!QTest::qWaitFor([&] { return popup->isVisible(); }))
        qFatal("the result menu did not open");
    popup->setActiveAction(m.results()->resultMenuEntry(QStringLiteral("listen")));
    QImage withMenu = m.window.grab().toImage();
    QPainter(&withMenu).drawPixmap(m.window.mapFromGlobal(popup->pos()), popup->grab());
    save(withMenu, "result-menu.png");
    popup->close();

    m.click("SearchOptions");
    child<QComboBox>(options, "sora")->setCurrentIndex(1);
    child<QRadioButton>(options, "soraop")->click();
    m.find<SearchBox>("searcht")->setText(QString());
    save(m.window.grab().toImage(), "search-options-scope.png");

    // A verse playing from a local server, in the strip below the listening frame.
    LocalHttpServer server;
    server.serve(QStringLiteral("v/002255.wav"), toneWav(20000));
    m.folder.write(QStringLiteral("servers.ini"),
                   QStringLiteral("[VerseRange]\nReciterName/2=قارئ الآيات الثاني\nVerseAudio/2=%1\n")
                       .arg(server.url(QStringLiteral("v/{sura:3}{aya:3}.wav")))
                       .toUtf8());
    m.search(QStringLiteral("القيوم"));
    m.results()->resultMenuEntry(QStringLiteral("listen"))->trigger();
    m.openHeader(2);
    auto *verse = m.find<QLabel>("versePlaying");
    if (!QTest::qWaitFor([&] { return verse->text() == QStringLiteral("البقرة : 255"); }, 20000))
        qFatal("the recitation did not start");
    save(m.window.grab().toImage(), "listening-strip.png");
}

// A spread where a sura starts, and the verse of the throne, drawn from the pictures
// the site serves.
void pictures()
{
    TestProgramFolder folder({QStringLiteral("quran.qu"), QStringLiteral("skn")});
    QString error;
    const VerseLibrary library = VerseLibrary::load(folder.file(QStringLiteral("quran.qu")), &error);
    QDir(folder.path()).mkpath(QStringLiteral("pic2"));
    QDir(folder.path()).mkpath(QStringLiteral("pic"));
    for (int page : {105, 106}) {
        const PagePicture picture{page, library.partOfPage.value(page), pageBlocks(library.pages.value(page)), library.basmala};
        renderPage(picture).save(folder.file(QStringLiteral("pic2/") + pageFileName(page)));
    }
    const QList<PageVerse> page42 = library.pages.value(42);
    const auto throne = std::find_if(page42.cbegin(), page42.cend(), [](const PageVerse &verse) { return verse.id == 262; });
    writeGif(renderVerse(*throne), folder.file(QStringLiteral("pic/2_255.gif")), &error);

    ScriptedPlatform platform;
    platform.connected = false;
    FrmRead reader(platform, {});
    reader.Form_Load();
    reader.resize(900, 760);
    reader.show();
    child<QLineEdit>(&reader, "txtPageNumber")->setText(QStringLiteral("106"));
    QTest::mouseClick(child<QPushButton>(&reader, "cmdViewThis"), Qt::LeftButton);
    save(reader.grab().toImage(), "page-reader-spread.png");

    ProgramState state;
    state.RasmSura = 2;
    state.RasmAyaa = 255;
    QWidget opener;
    save(FrmRasm::open(platform, state, &opener)->grab().toImage(), "script-image-2-255.png");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    shots.setPath(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    shots.mkpath(QStringLiteral("."));
    searchPictures();
    pictures();
    return 0;
}

#include "support/MainWindowFixture.h"

#include "controls/SearchBox.h"
#include "controls/SideBar.h"
#include "controls/DisplayFont.h"
#include "study/ResultsFrame.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

MainWindowFixture::MainWindowFixture(const QStringList &builtFiles)
    : folder(builtFiles)
    , window(platform, state)
{
    clearSettings();
    registerArabicFontSubstitutions();
}

bool MainWindowFixture::open()
{
    if (!window.Form_Load())
        return false;
    window.show();
    return QTest::qWaitForWindowActive(&window);
}

ResultsFrame *MainWindowFixture::results() const
{
    return window.findChild<ResultsFrame *>();
}

SideBar *MainWindowFixture::sideBar() const
{
    return window.findChild<SideBar *>();
}

void MainWindowFixture::search(const QString &text)
{
    find<SearchBox>("searcht")->setText(text);
    click("search");
}

void MainWindowFixture::click(const char *name)
{
    QTest::mouseClick(find(name), Qt::LeftButton);
}

void MainWindowFixture::openHeader(int index)
{
    QTest::mouseClick(sideBar()->strip(index), Qt::LeftButton);
}

QString MainWindowFixture::label(const char *name) const
{
    return find<QLabel>(name)->text();
}

QStringList MainWindowFixture::rows() const
{
    QStringList texts;
    const auto *list = find<QListWidget>("suraayaalist");
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

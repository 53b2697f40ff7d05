#include "controls/DisplayFont.h"
#include "shell/FrmOptions.h"
#include "core/ProgramState.h"
#include "core/QtTranslations.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "shell/clrPicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QStringList Reciters = {QStringLiteral("أ"), QStringLiteral("ب"), QStringLiteral("ج"), QStringLiteral("د"),
                              QStringLiteral("ه"), QStringLiteral("و"), QStringLiteral("ز"), QStringLiteral("ح")};

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearSettings(); }

    void fontCommand()
    {
        ScriptedPlatform platform;
        ProgramState state;
        FrmOptions options(platform, state, Reciters);
        QSignalSpy changed(&options, &FrmOptions::displayFontChanged);
        QFont chosen(QStringLiteral("Amiri"));
        chosen.setPointSizeF(10.5);
        chosen.setBold(true);
        platform.fonts.enqueue({chosen, true});
        options.SearchOptions_Click(QFont(QStringLiteral("Tahoma"), 16));
        QTest::mouseClick(child<QPushButton>(&options, "Commandfont"), Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(Settings::value(SettingKeys::FontName, {}), QStringLiteral("Amiri"));
        QCOMPARE(Settings::value(SettingKeys::FontSize, {}), QStringLiteral("10.5"));
        QCOMPARE(Settings::value(SettingKeys::FontBold, {}), QStringLiteral("True"));
        QCOMPARE(Settings::value(SettingKeys::FontItalic, {}), QStringLiteral("False"));
        // Read back whatever the case of the stored words; a size that is no number leaves the design size.
        Settings::setValue(SettingKeys::FontItalic, QStringLiteral("TRUE"));
        QFont font = storedDisplayFont(QFont());
        QCOMPARE(font.family(), QStringLiteral("Amiri"));
        QVERIFY(font.italic() && font.bold());
        Settings::setValue(SettingKeys::FontSize, QStringLiteral("big"));
        QCOMPARE(storedDisplayFont(QFont(QStringLiteral("Sans"), 12)).pointSizeF(), 12.0);

        // The default "Tahoma" is missing here: the dialog opens on the installed font that
        // draws it, one with the Quranic marks.
        registerArabicFontSubstitutions();
        options.SearchOptions_Click(QFont(QStringLiteral("Tahoma"), 16));
        QTest::mouseClick(child<QPushButton>(&options, "Commandfont"), Qt::LeftButton);
        const QFont preset = platform.fontPresets.last();
        QVERIFY2(QFontDatabase::hasFamily(preset.family()), qPrintable(preset.family()));
        QVERIFY(QRawFont::fromFont(preset).supportsCharacter(QChar(0x06DC))); // small high seen
        QCOMPARE(preset.pointSizeF(), 16.0);
    }

    void diacriticsServerAndReciter()
    {
        ScriptedPlatform platform;
        ProgramState state;
        FrmOptions options(platform, state, Reciters);
        options.loadSettings();
        options.SearchOptions_Click(QFont());
        auto *reciter = child<QComboBox>(&options, "namecomb");
        QCOMPARE(reciter->currentIndex(), 6);

        // Ticked, unticked (stored "0"), ticked again: a restart reads it back.
        child<QCheckBox>(&options, "Check1")->click();
        child<QCheckBox>(&options, "Check1")->click();
        QCOMPARE(Settings::value(SettingKeys::Tashkeel, {}), QStringLiteral("0"));
        child<QCheckBox>(&options, "Check1")->click();
        FrmOptions restarted(platform, state, Reciters);
        restarted.loadSettings();
        QVERIFY(restarted.withoutDiacritics());

        auto *server = child<QLineEdit>(&options, "txtserver");
        server->setText(QStringLiteral("http://mirror.example.org/"));
        platform.answers.enqueue(Platform::Answer::No);
        QTest::mouseClick(child<QPushButton>(&options, "Command5"), Qt::LeftButton);
        QCOMPARE(platform.messages.last().text, QStringLiteral("هل أنت متأكد من رغبتك بتغيير عنوان سيرفر البرنامج ؟"));
        QCOMPARE(platform.messages.last().title, QStringLiteral("عنوان السيرفر"));
        QCOMPARE(platform.messages.last().buttons, Platform::Buttons::YesNo);
        QCOMPARE(Settings::value(SettingKeys::ServerAddress, QStringLiteral("none")), QStringLiteral("none"));
        QCOMPARE(server->text(), QStringLiteral("http://mirror.example.org/")); // kept for this run
        platform.answers.enqueue(Platform::Answer::Yes);
        QTest::mouseClick(child<QPushButton>(&options, "Command5"), Qt::LeftButton);
        QCOMPARE(Settings::value(SettingKeys::ServerAddress, {}), QStringLiteral("http://mirror.example.org/"));

        reciter->setCurrentIndex(2);
        Q_EMIT reciter->activated(2);
        QCOMPARE(Settings::value(SettingKeys::ReaderName, {}), QStringLiteral("2"));
        reciter->setCurrentIndex(0);
        options.SearchOptions_Click(QFont());
        QCOMPARE(reciter->currentIndex(), 2);
    }

    void scopeAndChoosers()
    {
        ScriptedPlatform platform;
        ProgramState state;
        FrmOptions options(platform, state, Reciters);
        const char *scopes[] = {"allsearch", "partop", "part12op", "soraop", "sora12op"};
        for (int scope : {3, 1, 4, 2, 0}) {
            child<QRadioButton>(&options, scopes[scope])->click();
            QCOMPARE(state.SearchScope, static_cast<SearchScope>(scope));
        }

        child<QComboBox>(&options, "part1")->setCurrentIndex(4);
        child<QComboBox>(&options, "part2")->setCurrentIndex(2);

        // Opening the frame puts every chooser back on its first entry (what a chosen
        // part stands for: tst_search, on the panel's scope line).
        options.SearchOptions_Click(QFont());
        const SearchChoices chosen = options.searchChoices();
        QCOMPARE(chosen.firstPart, 1);
        QCOMPARE(chosen.lastPart, 1);
    }

    void colourPicker()
    {
        QCOMPARE(clrPicker::colorText(clrPicker::SwatchColors.at(12)), QStringLiteral("FF8000"));

        ProgramState state;
        clrPicker picker(state);
        auto *swatch32 = child<QFrame>(&picker, "MiniPicker_32");
        QTest::mouseClick(swatch32, Qt::LeftButton);
        auto *selection = child<QFrame>(&picker, "MiniPicker_40");
        QCOMPARE(selection->pos(), swatch32->pos() - QPoint(2, 2));
        QTest::mouseClick(child<QPushButton>(&picker, "Command1"), Qt::LeftButton);
        QCOMPARE(picker.result(), int(QDialog::Accepted));

        // Closed without OK: nothing changes (OK above stored 0000FF).
        clrPicker closed(state);
        QTest::mouseClick(child<QFrame>(&closed, "MiniPicker_7"), Qt::LeftButton);
        closed.reject();
        QCOMPARE(state.HighlightColor, QStringLiteral("0000FF"));
        QCOMPARE(Settings::value(SettingKeys::TheColor, {}), QStringLiteral("0000FF"));

        // OK before any swatch keeps the colour.
        clrPicker empty(state);
        QTest::mouseClick(child<QPushButton>(&empty, "Command1"), Qt::LeftButton);
        QCOMPARE(state.HighlightColor, QStringLiteral("0000FF"));
        QCOMPARE(Settings::value(SettingKeys::TheColor, {}), QStringLiteral("0000FF"));
    }

    // Qt's own dialogs and standard buttons speak Arabic once its translations are loaded.
    void standardButtonsInArabic()
    {
        QVERIFY2(installQtArabicTranslations(*qApp), "qt6-translations-l10n is not installed (scripts/setup)");
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("ألغِ"));
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"

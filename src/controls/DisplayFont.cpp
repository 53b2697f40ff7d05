#include "controls/DisplayFont.h"

#include "core/SettingKeys.h"
#include "core/Settings.h"

#include <QFontInfo>
#include <QStringList>
#include <QWidget>

namespace {

QString trueOrFalse(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

QFont storedDisplayFont(const QFont &designFont)
{
    using namespace SettingKeys;
    QFont font = designFont;
    const QString name = Settings::value(FontName, DefaultFontName);
    if (!name.isEmpty())
        font.setFamily(name);
    bool sizeOk = false;
    const double size = Settings::value(FontSize, DefaultFontSize).toDouble(&sizeOk);
    if (sizeOk && size > 0)
        font.setPointSizeF(size);
    font.setItalic(Settings::value(FontItalic, DefaultFontItalic).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
    font.setBold(Settings::value(FontBold, DefaultFontBold).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
    return font;
}

void storeDisplayFont(const QFont &font)
{
    using namespace SettingKeys;
    Settings::setValue(FontName, font.family());
    Settings::setValue(FontSize, QString::number(font.pointSizeF()));
    Settings::setValue(FontItalic, trueOrFalse(font.italic()));
    Settings::setValue(FontBold, trueOrFalse(font.bold()));
}

QFont fontAsDrawn(const QFont &font)
{
    QFont drawn = font;
    drawn.setFamily(QFontInfo(font).family());
    return drawn;
}

void showInDisplayFont(QWidget *widget, const QFont &font)
{
    widget->setFont(font);
    widget->setStyleSheet(QStringLiteral("font-family: \"%1\"; font-size: %2pt; font-weight: %3; font-style: %4;")
                              .arg(font.family(), QString::number(font.pointSizeF()),
                                   font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"),
                                   font.italic() ? QStringLiteral("italic") : QStringLiteral("normal")));
}

void registerArabicFontSubstitutions()
{
    const QStringList quranFonts = {QStringLiteral("Amiri Quran"), QStringLiteral("Amiri"),
                                    QStringLiteral("Noto Naskh Arabic")};
    for (const QString &family : {QStringLiteral("Tahoma"), QStringLiteral("Tahoma ")})
        QFont::insertSubstitutions(family, quranFonts);
}

#include "core/TranslationCatalogue.h"

const QStringList TranslationNames = {
    QStringLiteral("اللغة الأذربيجانية"), QStringLiteral("اللغة البوسنية"),  QStringLiteral("اللغة الصينية"),
    QStringLiteral("اللغة الهولندية"),    QStringLiteral("اللغة الفرنسية"),   QStringLiteral("اللغة الألمانية"),
    QStringLiteral("اللغة الأندنوسية"),   QStringLiteral("اللغة الإيطالية"),  QStringLiteral("اللغة اليابانية"),
    QStringLiteral("اللغة الماليزية"),    QStringLiteral("اللغة المكسيكية"),  QStringLiteral("اللغة الفارسية"),
    QStringLiteral("اللغة البولندية"),    QStringLiteral("اللغة البرتغالية"), QStringLiteral("اللغة الاسبانية"),
    QStringLiteral("اللغة السواحيلية"),   QStringLiteral("لغة التاي - التايلندية"), QStringLiteral("اللغة التركية"),
};

QString translationFileName(int entry)
{
    return QStringLiteral("2%1.qut").arg(entry);
}

std::optional<int> translationEntryOfFile(const QString &fileName)
{
    QString rest = fileName;
    rest.remove(QStringLiteral(".qut"));
    rest.remove(0, 1);
    bool ok = false;
    const int entry = rest.toInt(&ok);
    if (!ok || entry < 0 || entry >= TranslationNames.size())
        return std::nullopt;
    return entry;
}

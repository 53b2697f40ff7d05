#include "RootSearch.h"

#include "DataSource.h"
#include "EventLoopYield.h"
#include "Platform.h"
#include "ProgramState.h"
#include "ResultList.h"
#include "RootSearchQuery.h"

#include <utility>

namespace {

const QString ErrorTitle = QStringLiteral("خطأ");

} // namespace

RootSearch::RootSearch(Platform &platform, ProgramState &state, DataSource &Adodc1, DataSource &Adodc4,
                       DataSource &Adodc5, ResultList &results, std::function<void(const QString &)> writeHtmlPage)
    : m_platform(platform)
    , m_state(state)
    , Adodc1(Adodc1)
    , Adodc4(Adodc4)
    , Adodc5(Adodc5)
    , m_results(results)
    , m_writeHtmlPage(std::move(writeHtmlPage))
{
}

bool RootSearch::acceptsSearchText(const QString &searchText)
{
    if (searchText.contains(u' ')) {
        m_platform.message(QStringLiteral("إن البحث بإستخدام خاصية الجذر يجب أن يكون عن كلمة واحد فقط"), ErrorTitle);
        return false;
    }
    if (hasLikeWildcard(searchText)) {
        m_platform.message(QStringLiteral("لا يمكن أن تحتوي الكلمة التي تبحث عن جذرها على الرمز % أو _"), ErrorTitle);
        return false;
    }
    if (searchText.size() < 4
        && m_platform.message(QStringLiteral("إن البحث عن كلمات قصيرة جدا قد ينجم عن عدد كبير جدا من النتائج"),
                              QStringLiteral("تنبيه"), Platform::Buttons::OkCancel)
            == Platform::Answer::Cancel)
        return false;
    if (!Adodc5.isOpen() || !Adodc4.isOpen()) {
        // Missing or damaged: the reason names the file and what is wrong with it.
        m_platform.message(QStringLiteral("لا يمكن البحث على مستوى الجذر لأن ملف الجذور Jthr.qu غير صالح للاستعمال.\n%1")
                               .arg(Adodc4.errorString()),
                           ErrorTitle, Platform::Buttons::Ok, Platform::Icon::Critical);
        return false;
    }
    return true;
}

bool RootSearch::run(const QString &searchText, int scope, const SearchChoices &choices, const QFont &displayFont)
{
    if (!acceptsSearchText(searchText))
        return false;

    m_results.clearResults();
    EventLoopYield yield;
    if (!Adodc5.runQuery(rootsOfWordQuery(searchText)))
        return reportFailedQuery();
    for (Adodc5.moveFirst(); !Adodc5.atEnd(); Adodc5.moveNext()) {
        if (!Adodc4.runQuery(formsOfRootQuery(Adodc5.text(QStringLiteral("JathrID")))))
            return reportFailedQuery();
        for (Adodc4.moveFirst(); !Adodc4.atEnd(); Adodc4.moveNext()) {
            yield();
            const QString form = Adodc4.text(QStringLiteral("Word"));
            m_state.SearchWord = form;
            m_writeHtmlPage(rootSearchWaitingPage(displayFont.family(), displayFont.pointSizeF(), form));
            if (!Adodc1.runQuery(rootSearchVerseQuery(form, choices.wholeWord, scope, choices)))
                return reportFailedQuery();
            m_results.appendResults(Adodc1, form);
        }
    }
    return true;
}

bool RootSearch::reportFailedQuery()
{
    // A search that failed part-way is never shown as complete or as "nothing found".
    m_results.clearResults();
    m_platform.message(QStringLiteral("تعذر إكمال البحث بالجذر لأن قراءة ملفات البيانات فشلت."), ErrorTitle,
                       Platform::Buttons::Ok, Platform::Icon::Warning);
    return false;
}

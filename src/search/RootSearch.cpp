#include "search/RootSearch.h"

#include "core/DataSource.h"
#include "core/EventLoopYield.h"
#include "core/Platform.h"
#include "core/ProgramState.h"
#include "core/ResultList.h"
#include "search/RootFormSearch.h"
#include "search/RootSearchQuery.h"

#include <QElapsedTimer>

#include <utility>

namespace {

const QString ErrorTitle = QStringLiteral("خطأ");

// The page that tells the reader which form is being searched. Each page costs a
// layout of the whole view, and one written between two repaints is never seen: it is
// written for the first form, then at most once a frame, and for the last form at the end.
class WaitingPage
{
public:
    WaitingPage(const std::function<void(const QString &)> &write, const QFont &font)
        : m_write(write)
        , m_font(font)
    {
    }

    void show(const QString &form)
    {
        m_pending = form;
        if (!m_sinceWritten.isValid() || m_sinceWritten.elapsed() >= FrameMilliseconds)
            writePending();
    }

    void finish()
    {
        if (!m_pending.isEmpty())
            writePending();
    }

private:
    static constexpr qint64 FrameMilliseconds = 33;

    void writePending()
    {
        m_write(rootSearchWaitingPage(m_font.family(), m_font.pointSizeF(), m_pending));
        m_pending.clear();
        m_sinceWritten.start();
    }

    const std::function<void(const QString &)> &m_write;
    const QFont &m_font;
    QString m_pending;
    QElapsedTimer m_sinceWritten;
};

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

bool RootSearch::run(const QString &searchText, SearchScope scope, const SearchChoices &choices, const QFont &displayFont)
{
    if (!acceptsSearchText(searchText))
        return false;

    m_results.clearResults();
    EventLoopYield yield;
    WaitingPage waitingPage(m_writeHtmlPage, displayFont);
    RootFormSearch steps{Adodc5, Adodc4, Adodc1};
    QString error; // the database's own words; the reader is told in plain Arabic
    const bool searched = steps.run(
        searchText, scope, choices,
        [&](const QString &form) {
            yield();
            m_state.SearchWord = form;
            waitingPage.show(form);
        },
        [&](const QString &form) { m_results.appendResults(Adodc1, form); }, &error);
    waitingPage.finish();
    if (!searched)
        return reportFailedQuery();
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

// The root search through the real main window on the real databases.

#include "BenchWindow.h"
#include "study/ResultsFrame.h"
#include "controls/SearchBox.h"

#include <QCheckBox>

#include <benchmark/benchmark.h>

// "الكتاب" over the whole text, whole word: from the command's start to the last row
// listed and the first result shown.
static void BM_RootSearchKitab(benchmark::State &state)
{
    BenchWindow bench;
    if (!bench.start(state))
        return;
    bench.window.findChild<QCheckBox *>(QStringLiteral("Check2"))->click();
    auto *box = bench.window.findChild<SearchBox *>(QStringLiteral("searcht"));
    for (auto _ : state) {
        box->setText(QStringLiteral("الكتاب"));
        bench.window.search_Click();
    }
    const ResultsFrame *results = bench.window.findChild<ResultsFrame *>();
    QStringList forms;
    for (int i = 0; i < results->rowCount(); ++i) {
        if (!forms.contains(results->resultRow(i).foundBy))
            forms.append(results->resultRow(i).foundBy);
    }
    state.counters["rows"] = results->rowCount();
    state.counters["forms_found"] = forms.size();
}
BENCHMARK(BM_RootSearchKitab)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

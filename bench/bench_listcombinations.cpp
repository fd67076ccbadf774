// Times one whole combination search of 17 tracks for k = 8 and k = 9 as the
// program's caller runs it (clear both lists, search, let the result list lay
// out and paint), next to a bare computation of the same listing rows into a
// plain vector of strings, and reports the peak resident memory at the end.
//
//   bench_listcombinations [--benchmark_filter=...]
#include "Unit1.h"
#include "Unit2.h"

#include <QApplication>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int TrackCount = 17;

// Varied times from 1:05 to 11:58, all different.
std::array<int, TrackCount> trackSeconds()
{
    std::array<int, TrackCount> seconds {};
    for (int t = 1; t <= TrackCount; ++t)
        seconds[std::size_t(t - 1)] = ((t * 7) % 11 + 1) * 60 + (t * 13 + 5) % 60;
    return seconds;
}

void fillTrackStore()
{
    for (const int s : trackSeconds())
        Form1->ListBox2->Items->Add(QString::asprintf("00:%02d:%02d", s / 60, s % 60));
}

// (a) One search as the chooser's handler runs it, up to the painted list.
void search(int k)
{
    Form1->ListBox3->Items->Clear();
    Form1->ListBox4->Items->Clear();
    ListCombinations(TrackCount, k);
    QCoreApplication::processEvents();
    Form1->ListBox4->scrollToBottom();
    QCoreApplication::processEvents();
}

void BM_Search(benchmark::State& state)
{
    const int k = int(state.range(0));
    for (auto _ : state)
        search(k);
    if (Form1->ListBox4->Items->Count() != Form1->ListBox3->Items->Count())
        state.SkipWithError("the result list and the store differ in length");
    state.counters["rows"] = Form1->ListBox4->Items->Count();
}

// (b) The same listing rows, enumerated, totalled, ordered and formatted
// into plain strings, with no list control involved.
struct Choice {
    int total;
    std::array<unsigned char, TrackCount> numbers;
};

void appendTwo(std::string& out, int value)
{
    out += char('0' + value / 10);
    out += char('0' + value % 10);
}

// How the bare computation orders the choices: by total and then by the
// track numbers, or (the enumeration being in track-number order already) by
// the total alone, keeping the enumeration order among equal totals.
enum class Ordering { Full, TotalOnly };

std::vector<std::string> bareListing(const std::array<int, TrackCount>& seconds, int n, int k, Ordering ordering)
{
    std::size_t count = 1;
    for (int i = 0; i < k; ++i)
        count = count * std::size_t(n - i) / std::size_t(i + 1);
    std::vector<Choice> choices;
    choices.reserve(count);
    std::array<int, TrackCount> t {};
    for (int c = 0; c < k; ++c)
        t[std::size_t(c)] = c;
    for (;;) {
        Choice choice {0, {}};
        for (int c = 0; c < k; ++c) {
            choice.total += seconds[std::size_t(t[std::size_t(c)])];
            choice.numbers[std::size_t(c)] = static_cast<unsigned char>(t[std::size_t(c)] + 1);
        }
        choices.push_back(choice);
        int c = k - 1;
        while (c >= 0 && t[std::size_t(c)] == n - k + c)
            --c;
        if (c < 0)
            break;
        ++t[std::size_t(c)];
        for (int next = c + 1; next < k; ++next)
            t[std::size_t(next)] = t[std::size_t(next - 1)] + 1;
    }
    if (ordering == Ordering::Full)
        std::sort(choices.begin(), choices.end(), [](const Choice& a, const Choice& b) {
            return a.total != b.total ? a.total < b.total : a.numbers < b.numbers;
        });
    else
        std::stable_sort(choices.begin(), choices.end(),
                         [](const Choice& a, const Choice& b) { return a.total < b.total; });

    std::vector<std::string> rows;
    rows.reserve(choices.size());
    for (const Choice& choice : choices) {
        std::string row;
        row.reserve(std::size_t(13 + 3 * k));
        row += "  ";
        appendTwo(row, choice.total / 3600);
        row += ':';
        appendTwo(row, choice.total / 60 % 60);
        row += ':';
        appendTwo(row, choice.total % 60);
        row += "   ";
        for (int c = 0; c < k; ++c) {
            if (c > 0)
                row += ',';
            char digits[4];
            const auto end = std::to_chars(digits, digits + sizeof digits, int(choice.numbers[std::size_t(c)])).ptr;
            row.append(digits, end);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void BM_Bare(benchmark::State& state)
{
    const int k = int(state.range(0));
    const Ordering ordering = state.range(1) == 0 ? Ordering::Full : Ordering::TotalOnly;
    const std::array<int, TrackCount> seconds = trackSeconds();
    std::size_t rows = 0;
    for (auto _ : state) {
        std::vector<std::string> listing = bareListing(seconds, TrackCount, k, ordering);
        rows = listing.size();
        benchmark::DoNotOptimize(listing.data());
        benchmark::ClobberMemory();
    }
    state.counters["rows"] = double(rows);
}

BENCHMARK(BM_Search)->Arg(8)->Arg(9)->Unit(benchmark::kMillisecond)->UseRealTime()
    ->Repetitions(15)->ReportAggregatesOnly(true);
// Second argument: 0 orders by total and track numbers, 1 by total alone.
BENCHMARK(BM_Bare)->ArgsProduct({{8, 9}, {0, 1}})->Unit(benchmark::kMillisecond)->UseRealTime()
    ->Repetitions(15)->ReportAggregatesOnly(true);

// The console report, keeping the medians for the comparison at the end.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter()
        : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.str()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
    struct Median {
        double real, cpu; // in the benchmark's unit (ms)
    };
    std::map<std::string, Median> medians;
};

// A "VmHWM:" or "VmRSS:" line of /proc/self/status, in kB.
long statusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ':';
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    Application->Initialize();
    Application->CreateForm(Form1);
    Form1->show();
    while (!Form1->windowHandle() || !Form1->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    fillTrackStore();
    const long peakBefore = statusKilobytes("VmHWM");
    // Memory first, before the benchmarks have grown the heap.
    search(8);
    const long peakFirstSearch = statusKilobytes("VmHWM");
    const int firstRows = Form1->ListBox4->Items->Count();
    // Both measure the same work: the bare rows are the result list's rows.
    bool same = true;
    for (const Ordering ordering : {Ordering::Full, Ordering::TotalOnly}) {
        const std::vector<std::string> bare = bareListing(trackSeconds(), TrackCount, 8, ordering);
        same = same && int(bare.size()) == firstRows;
        for (int i = 0; same && i < firstRows; ++i)
            same = Form1->ListBox4->Items->Strings(i).toStdString() == bare[std::size_t(i)];
    }
    if (!same) {
        std::fprintf(stderr, "the bare rows differ from the result list\n");
        return 1;
    }

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nPeak resident memory (VmHWM): %ld kB with the window alone, %ld kB after the first search "
                "(the window holding %d rows), %ld kB over the whole run\n",
                peakBefore, peakFirstSearch, firstRows, statusKilobytes("VmHWM"));
    for (const int k : {8, 9}) {
        const std::string arg = '/' + std::to_string(k);
        const auto a = reporter.medians.find("BM_Search" + arg + "/repeats:15/real_time");
        if (a == reporter.medians.end())
            continue;
        // Wall time is the goal's measure; the main thread's CPU time is
        // shown beside it, being less disturbed by other load on the machine.
        const auto [searchReal, searchCpu] = a->second;
        std::printf("k=%d: median search %.2f ms (goal <= 10 ms: %s), CPU %.2f ms\n", k, searchReal,
                    searchReal <= 10 ? "met" : "missed", searchCpu);
        for (const char* ordering : {"0", "1"}) {
            const auto b = reporter.medians.find("BM_Bare" + arg + '/' + ordering + "/repeats:15/real_time");
            if (b == reporter.medians.end())
                continue;
            const auto [bareReal, bareCpu] = b->second;
            std::printf("      bare, ordered by %s: %.2f ms, search/bare %.2f (goal <= 3: %s); CPU %.2f ms, "
                        "ratio %.2f\n",
                        *ordering == '0' ? "total and tracks" : "total alone", bareReal, searchReal / bareReal,
                        searchReal <= 3 * bareReal ? "met" : "missed", bareCpu, searchCpu / bareCpu);
        }
    }

    Application->DestroyMainForm();
    Form1 = nullptr;
    benchmark::Shutdown();
    return 0;
}

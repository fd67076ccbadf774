#include "Unit2.h"

#include "SysUtils.h"
#include "Unit1.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// One combination: its total in seconds and its track numbers as bits
// (bit t for track t).
struct Combination {
    int total;
    std::uint32_t tracks;
};

struct TrackTexts {
    std::array<QString, MaxTracks + 1> key;     // "%.2d" of the track number
    std::array<QString, MaxTracks + 1> decimal; // the track number in decimal
};

const TrackTexts& trackTexts()
{
    static const TrackTexts texts = [] {
        TrackTexts t;
        for (int number = 1; number <= MaxTracks; ++number) {
            t.key[number] = Format(QStringLiteral("%.2d"), {number});
            t.decimal[number] = IntToStr(number);
        }
        return t;
    }();
    return texts;
}

// Every k-element subset of the tracks 1..n once, in ascending lexicographic
// order of the track numbers, the last position changing fastest.
std::vector<Combination> enumerate(const std::array<int, MaxTracks + 1>& seconds, int n, int k)
{
    std::vector<Combination> combinations;
    std::array<int, MaxTracks> t {};
    for (int c = 0; c < k; ++c)
        t[c] = c + 1;
    for (;;) {
        Combination combination {0, 0};
        for (int c = 0; c < k; ++c) {
            combination.total += seconds[t[c]];
            combination.tracks |= 1u << t[c];
        }
        combinations.push_back(combination);
        // The rightmost position that can still move up, then the positions
        // after it restart just above it.
        int c = k - 1;
        while (c >= 0 && t[c] == n - k + c + 1)
            --c;
        if (c < 0)
            return combinations;
        ++t[c];
        for (int next = c + 1; next < k; ++next)
            t[next] = t[next - 1] + 1;
    }
}

// Copies text to out and moves out past it; rows are written into buffers
// of their exact length, which costs one allocation a row.
void put(QChar*& out, QStringView text)
{
    std::copy(text.begin(), text.end(), out);
    out += text.size();
}

// Total text + selection key + selection text.
QString resultRow(const Combination& combination, int k)
{
    const TrackTexts& texts = trackTexts();
    qsizetype selectionLength = k - 1;
    for (int t = 1; t <= MaxTracks; ++t)
        if (combination.tracks & (1u << t))
            selectionLength += texts.decimal[t].size();
    QString row(8 + 2 * k + selectionLength, Qt::Uninitialized);
    QChar* out = row.data();
    put(out, FormatDateTime(QStringLiteral("hh:mm:ss"), TTime{combination.total}));
    for (int t = 1; t <= MaxTracks; ++t)
        if (combination.tracks & (1u << t))
            put(out, texts.key[t]);
    bool first = true;
    for (int t = 1; t <= MaxTracks; ++t) {
        if (!(combination.tracks & (1u << t)))
            continue;
        if (!std::exchange(first, false))
            *out++ = u',';
        put(out, texts.decimal[t]);
    }
    return row;
}

void enumerationStage(int n, int k)
{
    if (k < 1 || k > MaxTracks || n > MaxTracks || n - k + 1 <= 0)
        return;

    // Each track is read once; every combination reuses its time.
    std::array<int, MaxTracks + 1> seconds {};
    for (int t = 1; t <= n; ++t)
        seconds[t] = StrToTime(Form1->ListBox2->Items->Strings(t - 1)).Seconds;

    // Enumeration order is selection-key order, so ordering by the total and
    // keeping that order among equal totals is the sorted store's own order:
    // every row is appended at the store's end.
    std::vector<Combination> combinations = enumerate(seconds, n, k);
    std::stable_sort(combinations.begin(), combinations.end(),
                     [](const Combination& a, const Combination& b) { return a.total < b.total; });

    TStrings* store = Form1->ListBox3->Items;
    TStringsUpdate batch(*store);
    for (const Combination& combination : combinations)
        store->Add(resultRow(combination, k));
}

void listingStage(int k)
{
    TStrings* store = Form1->ListBox3->Items;
    TStrings* results = Form1->ListBox4->Items;
    TStringsUpdate batch(*results);
    const int m = store->Count();
    for (int i = 0; i < m; ++i) {
        const QString row = store->Strings(i);
        const QStringView total = QStringView(row).left(8);
        const QStringView selection = QStringView(row).mid(2 * k + 8);
        QString listing(2 + total.size() + 3 + selection.size(), Qt::Uninitialized);
        QChar* out = listing.data();
        put(out, u"  ");
        put(out, total);
        put(out, u"   ");
        put(out, selection);
        results->Add(listing);
    }
}

} // namespace

void ListCombinations(int TrackCount, int SelectCount)
{
    enumerationStage(TrackCount, SelectCount);
    listingStage(SelectCount);
}

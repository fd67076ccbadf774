#include "Unit2.h"

#include "SysUtils.h"
#include "Unit1.h"

#include <algorithm>
#include <array>
#include <bit>
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
    std::uint64_t count = 1;
    for (int i = 0; i < k; ++i)
        count = count * std::uint64_t(n - i) / std::uint64_t(i + 1);
    combinations.reserve(count);
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

// Copies text to out and moves out past it. Rows are written into buffers of
// their exact length, one allocation a row; the pieces are a few characters
// each, too short for a library copy to pay.
void put(QChar*& out, QStringView text)
{
    for (const QChar c : text)
        *out++ = c;
}

// Total text + selection key + selection text.
QString resultRow(const Combination& combination, int k)
{
    const TrackTexts& texts = trackTexts();
    const int twoDigitTracks = std::popcount(combination.tracks >> 10);
    QString row(8 + 2 * k + (k + twoDigitTracks) + (k - 1), Qt::Uninitialized);
    QChar* out = row.data();
    put(out, FormatDateTime(QStringLiteral("hh:mm:ss"), TTime{combination.total}));
    for (std::uint32_t bits = combination.tracks; bits; bits &= bits - 1)
        put(out, texts.key[std::countr_zero(bits)]);
    for (std::uint32_t bits = combination.tracks; bits; bits &= bits - 1) {
        if (bits != combination.tracks)
            *out++ = u',';
        put(out, texts.decimal[std::countr_zero(bits)]);
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

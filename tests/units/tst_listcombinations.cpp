// The combination search: the result rows in the sorted store, the listing
// rows in the result list, their order, their count, and the calls that list
// nothing.
#include "FormFixture.h"
#include "ReferenceSearch.h"
#include "SysUtils.h"
#include "Unit2.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <bit>
#include <memory>
#include <random>
#include <vector>

namespace {

QString trackText(int minutes, int seconds)
{
    return QString::asprintf("00:%02d:%02d", minutes, seconds);
}

// 17 varied track times, none alike.
QStringList variedTracks(int count)
{
    QStringList tracks;
    for (int t = 1; t <= count; ++t)
        tracks << trackText((t * 7) % 11 + 1, (t * 13 + 5) % 60);
    return tracks;
}

QStringList repeated(const QString& text, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << text;
    return out;
}

QString numbersUpTo(int n)
{
    QStringList numbers;
    for (int t = 1; t <= n; ++t)
        numbers << QString::number(t);
    return numbers.join(u',');
}

} // namespace

class tst_ListCombinations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }
    void init();
    void cleanup();

    void tracksEnteredByHand();
    void rowFormat_data();
    void rowFormat();
    void tiesKeepTrackOrder();
    void tiesOrderByTrackNumbersNotText();
    void rowCounts_data();
    void rowCounts();
    void allSeventeen();
    void totals_data();
    void totals();
    void nothingListed_data();
    void nothingListed();
    void allOrAllButOne_data();
    void allOrAllButOne();
    void unreadableTrack_data();
    void unreadableTrack();
    void onlyTheCountedTracksAreRead();
    void randomTrackSets_data();
    void randomTrackSets();

private:
    std::unique_ptr<FormFixture> f;

    static void fill(const QStringList& tracks);
    static QStringList store() { return FormFixture::items(Form1->ListBox3->Items); }
    static QStringList listing() { return FormFixture::items(Form1->ListBox4->Items); }
};

void tst_ListCombinations::init()
{
    f = std::make_unique<FormFixture>();
}

void tst_ListCombinations::cleanup()
{
    f.reset();
}

void tst_ListCombinations::fill(const QStringList& tracks)
{
    for (const QString& track : tracks)
        Form1->ListBox2->Items->Add(track);
}

void tst_ListCombinations::tracksEnteredByHand()
{
    f->enterTrack("3", "20");
    f->enterTrack("4", "5");
    f->enterTrack("2", "59");
    QCOMPARE(FormFixture::items(Form1->ListBox2->Items), (QStringList {"00:03:20", "00:04:05", "00:02:59"}));
    QCOMPARE(f->dialogs.events, QStringList());

    ListCombinations(3, 2);

    QCOMPARE(store(), (QStringList {"00:06:1901031,3", "00:07:0402032,3", "00:07:2501021,2"}));
    QCOMPARE(listing(), (QStringList {"  00:06:19   1,3", "  00:07:04   2,3", "  00:07:25   1,2"}));
}

void tst_ListCombinations::rowFormat_data()
{
    QTest::addColumn<QStringList>("tracks");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("storeRow");
    QTest::addColumn<QString>("listingRow");

    QStringList eleven = repeated("00:01:00", 11);
    eleven[1] = "00:04:00";
    eleven[4] = "00:05:00";
    eleven[10] = "00:03:34";
    QTest::newRow("three of eleven") << eleven << 3 << "00:12:340205112,5,11" << "  00:12:34   2,5,11";
    QTest::newRow("one of one") << QStringList {"00:03:20"} << 1 << "00:03:20011" << "  00:03:20   1";

    QStringList twelve = repeated("00:02:00", 12);
    twelve[9] = "00:10:30";
    twelve[11] = "00:20:45";
    QTest::newRow("two two-digit numbers") << twelve << 2 << "00:31:15101210,12" << "  00:31:15   10,12";
    QTest::newRow("one two-digit number") << twelve << 1 << "00:20:451212" << "  00:20:45   12";
}

void tst_ListCombinations::rowFormat()
{
    QFETCH(QStringList, tracks);
    QFETCH(int, k);
    QFETCH(QString, storeRow);
    QFETCH(QString, listingRow);
    fill(tracks);

    ListCombinations(int(tracks.size()), k);

    const QStringList rows = store();
    QCOMPARE(rows.count(storeRow), 1);
    // The listing row stands where its result row stands.
    QCOMPARE(listing().at(rows.indexOf(storeRow)), listingRow);
}

void tst_ListCombinations::tiesKeepTrackOrder()
{
    fill({"00:03:00", "00:02:00", "00:01:00", "00:02:00"});

    ListCombinations(4, 2);

    QCOMPARE(store(), (QStringList {"00:03:0002032,3", "00:03:0003043,4", "00:04:0001031,3", "00:04:0002042,4",
                                    "00:05:0001021,2", "00:05:0001041,4"}));
    QCOMPARE(listing(), (QStringList {"  00:03:00   2,3", "  00:03:00   3,4", "  00:04:00   1,3", "  00:04:00   2,4",
                                      "  00:05:00   1,2", "  00:05:00   1,4"}));
}

void tst_ListCombinations::tiesOrderByTrackNumbersNotText()
{
    // Every pair ties, so the order is that of the track numbers alone.
    fill(repeated("00:01:00", 12));

    ListCombinations(12, 2);

    QStringList pairs;
    for (int first = 1; first <= 12; ++first)
        for (int second = first + 1; second <= 12; ++second)
            pairs << QStringLiteral("  00:02:00   %1,%2").arg(first).arg(second);
    const QStringList rows = listing();
    QCOMPARE(rows, pairs);
    QCOMPARE(rows.indexOf("  00:02:00   2,10"), rows.indexOf("  00:02:00   2,9") + 1);
    QCOMPARE(rows.indexOf("  00:02:00   2,3"), rows.indexOf("  00:02:00   1,12") + 1);
    QCOMPARE(store().at(rows.indexOf("  00:02:00   2,10")), QStringLiteral("00:02:0002102,10"));
}

void tst_ListCombinations::rowCounts_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("rows");
    const int counts[] = {17, 136, 680, 2380, 6188, 12376, 19448, 24310, 24310,
                          19448, 12376, 6188, 2380, 680, 136, 17, 1};
    for (int k = 1; k <= 17; ++k)
        QTest::addRow("k=%d", k) << k << counts[k - 1];
}

void tst_ListCombinations::rowCounts()
{
    QFETCH(int, k);
    QFETCH(int, rows);
    fill(variedTracks(17));

    ListCombinations(17, k);

    QCOMPARE(Form1->ListBox3->Items->Count(), rows);
    QCOMPARE(Form1->ListBox4->Items->Count(), rows);
    // Each choice once, each of k tracks.
    QSet<QString> selections;
    for (const QString& row : listing()) {
        const QString selection = row.mid(13);
        QCOMPARE(int(selection.split(u',').size()), k);
        selections.insert(selection);
    }
    QCOMPARE(int(selections.size()), rows);
}

void tst_ListCombinations::allSeventeen()
{
    const QStringList tracks = variedTracks(17);
    fill(tracks);
    int seconds = 0;
    QString key;
    for (int t = 1; t <= 17; ++t) {
        seconds += secondsOf(tracks.at(t - 1));
        key += QString::asprintf("%02d", t);
    }

    ListCombinations(17, 17);

    const QString row = totalText(seconds) + key + numbersUpTo(17);
    QCOMPARE(row.size(), 83);
    QCOMPARE(store(), QStringList {row});
    QCOMPARE(listing(), QStringList {"  " + totalText(seconds) + "   " + numbersUpTo(17)});
}

void tst_ListCombinations::totals_data()
{
    QTest::addColumn<QStringList>("tracks");
    QTest::addColumn<int>("k");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("17 of 59:59") << repeated("00:59:59", 17) << 17
                                 << QStringList {"  16:59:43   " + numbersUpTo(17)};
    QTest::newRow("2 of 59:59") << repeated("00:59:59", 2) << 2 << QStringList {"  01:59:58   1,2"};
    QTest::newRow("zero times") << repeated("00:00:00", 3) << 2
                                << QStringList {"  00:00:00   1,2", "  00:00:00   1,3", "  00:00:00   2,3"};
    QTest::newRow("seconds carry") << QStringList {"00:00:59", "00:00:01"} << 2 << QStringList {"  00:01:00   1,2"};
    QTest::newRow("minutes carry") << QStringList {"00:59:30", "00:00:30"} << 2 << QStringList {"  01:00:00   1,2"};
}

void tst_ListCombinations::totals()
{
    QFETCH(QStringList, tracks);
    QFETCH(int, k);
    QFETCH(QStringList, rows);
    fill(tracks);

    ListCombinations(int(tracks.size()), k);

    QCOMPARE(listing(), rows);
    const QStringList results = store();
    QCOMPARE(results.size(), rows.size());
    for (qsizetype i = 0; i < results.size(); ++i)
        QCOMPARE(results.at(i).left(8), rows.at(i).mid(2, 8));
}

void tst_ListCombinations::nothingListed_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");

    QTest::newRow("k 0") << 5 << 5 << 0;
    QTest::newRow("k -1") << 5 << 5 << -1;
    QTest::newRow("k 18 of 17") << 17 << 17 << 18;
    QTest::newRow("k 6 of 5") << 5 << 5 << 6;
    QTest::newRow("k 2 of 1") << 1 << 1 << 2;
    QTest::newRow("n 0, empty store") << 0 << 0 << 1;
    QTest::newRow("n 0, k 0") << 0 << 0 << 0;
    QTest::newRow("n 0 with tracks stored") << 5 << 0 << 1;
    QTest::newRow("n 18, k 1") << 18 << 18 << 1;
    QTest::newRow("n 18, k 9") << 18 << 18 << 9;
    QTest::newRow("n 18, k 17") << 18 << 18 << 17;
    QTest::newRow("n 18, k 18") << 18 << 18 << 18;
}

void tst_ListCombinations::nothingListed()
{
    QFETCH(int, stored);
    QFETCH(int, n);
    QFETCH(int, k);
    fill(variedTracks(stored));
    QCOMPARE(Form1->ListBox2->Items->Count(), stored);

    ListCombinations(n, k);

    QCOMPARE(Form1->ListBox3->Items->Count(), 0);
    QCOMPARE(Form1->ListBox4->Items->Count(), 0);
}

void tst_ListCombinations::allOrAllButOne_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("rows");

    for (const int n : {1, 2, 5, 12, 17}) {
        QTest::addRow("%d of %d", n, n) << n << n << 1;
        if (n > 1)
            QTest::addRow("%d of %d", n - 1, n) << n << n - 1 << n;
    }
}

void tst_ListCombinations::allOrAllButOne()
{
    QFETCH(int, n);
    QFETCH(int, k);
    QFETCH(int, rows);
    const QStringList tracks = variedTracks(n);
    fill(tracks);

    ListCombinations(n, k);

    const Expected expected = expectedRows(tracks, n, k);
    QCOMPARE(int(expected.store.size()), rows);
    QCOMPARE(store(), expected.store);
    QCOMPARE(listing(), expected.listing);
}

void tst_ListCombinations::unreadableTrack_data()
{
    QTest::addColumn<QStringList>("tracks");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("message");

    QTest::newRow("letter in the minutes") << QStringList {"00:03:20", "00:5x:00", "00:02:59"} << 2
                                           << "'00:5x:00' は時刻ではありません";
    QTest::newRow("first of one") << QStringList {"00:5x:00"} << 1 << "'00:5x:00' は時刻ではありません";
    QTest::newRow("last of five, k 5") << (variedTracks(4) << "00:5x:00") << 5 << "'00:5x:00' は時刻ではありません";
    QTest::newRow("60 seconds") << QStringList {"00:03:20", "00:04:05", "00:03:60"} << 1
                                << "'00:03:60' は時刻ではありません";
    QTest::newRow("empty text") << QStringList {"00:03:20", ""} << 1 << "'' は時刻ではありません";
}

void tst_ListCombinations::unreadableTrack()
{
    QFETCH(QStringList, tracks);
    QFETCH(int, k);
    QFETCH(QString, message);
    fill(tracks);

    bool raised = false;
    try {
        ListCombinations(int(tracks.size()), k);
    } catch (const EConvertError& error) {
        raised = true;
        QCOMPARE(error.Message(), message);
    }

    QVERIFY(raised);
    QCOMPARE(Form1->ListBox3->Items->Count(), 0);
    QCOMPARE(Form1->ListBox4->Items->Count(), 0);
}

void tst_ListCombinations::onlyTheCountedTracksAreRead()
{
    // The store holds a sixth text that is no time; only the first five count.
    const QStringList tracks = variedTracks(5);
    fill(tracks);
    Form1->ListBox2->Items->Add("00:5x:00");

    ListCombinations(5, 2);

    const Expected expected = expectedRows(tracks, 5, 2);
    QCOMPARE(store(), expected.store);
    QCOMPARE(listing(), expected.listing);
}

void tst_ListCombinations::randomTrackSets_data()
{
    QTest::addColumn<QStringList>("tracks");
    QTest::addColumn<int>("k");

    std::mt19937 engine(20261211);
    // "wide": any time; "narrow": few distinct times, so most totals tie.
    const auto tracks = [&engine](int n, bool narrow) {
        std::uniform_int_distribution<int> minutes(0, narrow ? 1 : 59);
        std::uniform_int_distribution<int> quarter(0, 3);
        std::uniform_int_distribution<int> seconds(0, 59);
        QStringList out;
        for (int t = 0; t < n; ++t) {
            const int m = minutes(engine);
            out << trackText(m, narrow ? quarter(engine) * 15 : seconds(engine));
        }
        return out;
    };
    struct Case {
        int n, k;
        bool narrow;
    };
    const Case cases[] = {{17, 8, false}, {17, 9, true},  {17, 3, true},   {16, 15, true},
                          {13, 2, true},  {12, 5, false}, {10, 1, true},   {7, 4, false}};
    for (const Case& c : cases)
        QTest::addRow("%d of %d, %s", c.k, c.n, c.narrow ? "narrow" : "wide") << tracks(c.n, c.narrow) << c.k;
}

void tst_ListCombinations::randomTrackSets()
{
    QFETCH(QStringList, tracks);
    QFETCH(int, k);
    fill(tracks);
    const int n = int(tracks.size());

    ListCombinations(n, k);

    const Expected expected = expectedRows(tracks, n, k);
    QCOMPARE(store(), expected.store);
    QCOMPARE(listing(), expected.listing);
}

QTEST_MAIN(tst_ListCombinations)
#include "tst_listcombinations.moc"

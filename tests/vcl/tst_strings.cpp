#include "Classes.h"
#include "Forms.h"
#include "ListBox.h"
#include "SysUtils.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <optional>

namespace {

QStringList texts(const TStrings& strings)
{
    QStringList out;
    for (int i = 0; i < strings.Count(); ++i)
        out << strings.Strings(i);
    return out;
}

void fill(TStrings& strings, const QStringList& values)
{
    for (const QString& value : values)
        strings.Add(value);
}

// Lets every posted event, delayed layout and pending paint run.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Counts the paint events that reach a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A shown form with an empty list whose view is the owner of its TStrings.
struct ShownList {
    TForm form{473, 340};
    TListBox* list = new TListBox(form.Client());

    bool show()
    {
        list->SetBounds(8, 8, 200, 204);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return false;
        settle();
        return true;
    }
};

} // namespace

class tst_Strings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }

    void addAppendsAndCounts();
    void insert_data();
    void insert();
    void insertOutsideTheListRaises_data();
    void insertOutsideTheListRaises();
    void deleteRow_data();
    void deleteRow();
    void readOutsideTheListRaises_data();
    void readOutsideTheListRaises();
    void clear();
    void nestedBatchRepaintsOnceAtOutermostEnd();
    void batchLeftByAnErrorStillEnds();
    void sortedPlacesEveryTextInOrder_data();
    void sortedPlacesEveryTextInOrder();
    void sortedKeepsEqualTextsInInsertionOrder();
};

void tst_Strings::addAppendsAndCounts()
{
    TStrings strings;
    QCOMPARE(strings.Count(), 0);
    QCOMPARE(strings.Add(QStringLiteral("b")), 0);
    QCOMPARE(strings.Add(QStringLiteral("a")), 1);
    QCOMPARE(strings.Add(QStringLiteral("b")), 2);
    QCOMPARE(strings.Count(), 3);
    QCOMPARE(texts(strings), (QStringList{"b", "a", "b"}));
    QCOMPARE(strings[1], QStringLiteral("a"));
}

void tst_Strings::insert_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first") << 0 << QStringList{"new", "a", "b", "c"};
    QTest::newRow("middle") << 2 << QStringList{"a", "b", "new", "c"};
    QTest::newRow("after the last") << 3 << QStringList{"a", "b", "c", "new"};
}

void tst_Strings::insert()
{
    QFETCH(int, index);
    QFETCH(QStringList, expected);
    TStrings strings;
    fill(strings, {"a", "b", "c"});
    strings.Insert(index, QStringLiteral("new"));
    QCOMPARE(texts(strings), expected);
}

void tst_Strings::insertOutsideTheListRaises_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("Count + 1") << 4;
    QTest::newRow("far out") << 1000;
}

void tst_Strings::insertOutsideTheListRaises()
{
    QFETCH(int, index);
    TStrings strings;
    fill(strings, {"a", "b", "c"});
    try {
        strings.Insert(index, QStringLiteral("new"));
        QFAIL("no error raised");
    } catch (const EOutOfResources& error) {
        QCOMPARE(error.Message(), QStringLiteral("行を挿入できません"));
    }
    QCOMPARE(texts(strings), (QStringList{"a", "b", "c"}));
}

void tst_Strings::deleteRow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first") << 0 << QStringList{"b", "c"};
    QTest::newRow("middle") << 1 << QStringList{"a", "c"};
    QTest::newRow("last") << 2 << QStringList{"a", "b"};
    QTest::newRow("-1 deletes nothing") << -1 << QStringList{"a", "b", "c"};
    QTest::newRow("Count deletes nothing") << 3 << QStringList{"a", "b", "c"};
}

void tst_Strings::deleteRow()
{
    QFETCH(int, index);
    QFETCH(QStringList, expected);
    TStrings strings;
    fill(strings, {"a", "b", "c"});
    try {
        strings.Delete(index);
    } catch (...) {
        QFAIL("Delete raised an error");
    }
    QCOMPARE(texts(strings), expected);
}

void tst_Strings::readOutsideTheListRaises_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("Count") << 2;
}

void tst_Strings::readOutsideTheListRaises()
{
    QFETCH(int, index);
    TStrings strings;
    fill(strings, {"a", "b"});
    QVERIFY_THROWS_EXCEPTION(EStringListError, strings.Strings(index));
    QVERIFY_THROWS_EXCEPTION(EStringListError, strings[index]);
}

void tst_Strings::clear()
{
    TStrings strings;
    fill(strings, {"a", "b"});
    strings.Clear();
    QCOMPARE(strings.Count(), 0);
    QVERIFY_THROWS_EXCEPTION(EStringListError, strings.Strings(0));
    strings.Add(QStringLiteral("c"));
    QCOMPARE(texts(strings), QStringList{"c"});
}

void tst_Strings::nestedBatchRepaintsOnceAtOutermostEnd()
{
    ShownList shown;
    QVERIFY(shown.show());
    TStrings& items = *shown.list->Items;
    PaintCounter paints(shown.list->viewport());

    items.BeginUpdate();
    items.BeginUpdate();
    fill(items, {"a", "b", "c"});
    shown.list->Repaint();
    shown.list->viewport()->repaint();
    settle();
    items.EndUpdate();
    shown.list->Repaint();
    settle();
    QCOMPARE(paints.count, 0);

    items.EndUpdate();
    settle();
    QCOMPARE(paints.count, 1);
    QCOMPARE(shown.list->model()->rowCount(), 3);
    QVERIFY(shown.list->visualRect(items.index(2)).isValid());
}

void tst_Strings::batchLeftByAnErrorStillEnds()
{
    ShownList shown;
    QVERIFY(shown.show());
    TStrings& items = *shown.list->Items;
    PaintCounter paints(shown.list->viewport());

    try {
        TStringsUpdate outer(items);
        items.Add(QStringLiteral("a"));
        TStringsUpdate inner(items);
        items.Add(QStringLiteral("b"));
        throw EConvertError(QStringLiteral("broken off"));
    } catch (const EConvertError&) {
    }
    settle();
    QCOMPARE(paints.count, 1);
    QCOMPARE(shown.list->model()->rowCount(), 2);

    // The batch is over: the next change is painted on its own.
    items.Add(QStringLiteral("c"));
    settle();
    QCOMPARE(paints.count, 2);
    QCOMPARE(shown.list->model()->rowCount(), 3);
}

void tst_Strings::sortedPlacesEveryTextInOrder_data()
{
    QTest::addColumn<bool>("inBatch");
    QTest::newRow("one by one") << false;
    QTest::newRow("inside a batch update") << true;
}

void tst_Strings::sortedPlacesEveryTextInOrder()
{
    QFETCH(bool, inBatch);
    ShownList shown;
    QVERIFY(shown.show());
    TStrings& items = *shown.list->Items;
    items.SetSorted(true);

    const QStringList added{"03:20", "01:05", "10:00", "02:59", "00:07", "09:59", "01:05"};
    QStringList inOrder;
    {
        std::optional<TStringsUpdate> batch;
        if (inBatch)
            batch.emplace(items);
        for (const QString& text : added) {
            inOrder << text;
            std::sort(inOrder.begin(), inOrder.end());
            const int index = items.Add(text);
            QCOMPARE(items.Strings(index), text);
            QCOMPARE(texts(items), inOrder);
        }
    }
    settle();
    QStringList shownRows;
    for (int row = 0; row < shown.list->model()->rowCount(); ++row)
        shownRows << shown.list->model()->index(row, 0).data().toString();
    QCOMPARE(shownRows, inOrder);
}

void tst_Strings::sortedKeepsEqualTextsInInsertionOrder()
{
    TStrings strings;
    strings.SetSorted(true);
    fill(strings, {"b", "a", "c"});
    // A text equal to one in the list goes after it, not before.
    QCOMPARE(strings.Add(QStringLiteral("b")), 2);
    QCOMPARE(strings.Add(QStringLiteral("b")), 3);
    QCOMPARE(strings.Add(QStringLiteral("c")), 5);
    QCOMPARE(texts(strings), (QStringList{"a", "b", "b", "b", "c", "c"}));
}

QTEST_MAIN(tst_Strings)
#include "tst_strings.moc"

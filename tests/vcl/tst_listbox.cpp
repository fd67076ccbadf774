#include "Forms.h"
#include "ListBox.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

namespace {

// Lets every posted event, delayed layout and pending paint run.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A form with one list 204 pixels high; OnClick records the selected row.
struct ListForm {
    TForm form{473, 340};
    TListBox* list = new TListBox(form.Client());
    QList<int> clicks;

    ListForm()
    {
        list->SetBounds(8, 8, 200, 204);
        list->OnClick = [this](TObject* sender) {
            QCOMPARE(sender, static_cast<TObject*>(list));
            clicks << list->ItemIndex();
        };
    }
    void addRows(int count)
    {
        for (int i = 0; i < count; ++i)
            list->Items->Add(QStringLiteral("row %1").arg(i));
    }
    bool show()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return false;
        settle();
        return true;
    }
    void clickRow(int row)
    {
        const QRect rect = list->visualRect(list->Items->index(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

} // namespace

class tst_ListBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }

    void rowsAreTwelvePixelsHigh();
    void seventeenRowsFitWithoutScrollBar_data();
    void seventeenRowsFitWithoutScrollBar();
    void hiddenListStaysHiddenWhenItsFormIsShown();
    void itemIndexIsMinusOneForNoRow();
    void settingItemIndexRaisesNoClick();
    void mouseClickOnRowRaisesClick_data();
    void mouseClickOnRowRaisesClick();
    void downArrowRaisesClick();
    void manyRowsInOneBatchAllArrive();
};

void tst_ListBox::rowsAreTwelvePixelsHigh()
{
    ListForm f;
    f.addRows(3);
    QVERIFY(f.show());
    for (int row = 0; row < 3; ++row) {
        const QRect rect = f.list->visualRect(f.list->Items->index(row));
        QCOMPARE(rect.height(), 12);
        QCOMPARE(rect.top(), 12 * row);
    }
}

void tst_ListBox::seventeenRowsFitWithoutScrollBar_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("inBatch");
    QTest::addColumn<bool>("scrollBar");
    QTest::newRow("17 rows") << 17 << false << false;
    QTest::newRow("17 rows in a batch") << 17 << true << false;
    QTest::newRow("18 rows") << 18 << false << true;
    QTest::newRow("18 rows in a batch") << 18 << true << true;
}

void tst_ListBox::seventeenRowsFitWithoutScrollBar()
{
    QFETCH(int, rows);
    QFETCH(bool, inBatch);
    QFETCH(bool, scrollBar);
    ListForm f;
    QVERIFY(f.show());
    if (inBatch) {
        TStringsUpdate batch(*f.list->Items);
        f.addRows(rows);
    } else {
        f.addRows(rows);
    }
    settle();
    QCOMPARE(f.list->viewport()->height(), 204);
    QCOMPARE(f.list->verticalScrollBar()->isVisible(), scrollBar);
}

void tst_ListBox::hiddenListStaysHiddenWhenItsFormIsShown()
{
    ListForm f;
    f.list->SetVisible(false);
    {
        TStringsUpdate batch(*f.list->Items);
        f.addRows(20);
    }
    f.list->SetItemIndex(3);
    QVERIFY(f.show());
    QVERIFY(!f.list->isVisible());

    f.form.hide();
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    settle();
    QVERIFY(!f.list->isVisible());
}

void tst_ListBox::itemIndexIsMinusOneForNoRow()
{
    ListForm f;
    f.addRows(5);
    QVERIFY(f.show());
    QCOMPARE(f.list->ItemIndex(), -1);
    f.list->SetItemIndex(3);
    QCOMPARE(f.list->ItemIndex(), 3);
    f.list->SetItemIndex(-1);
    QCOMPARE(f.list->ItemIndex(), -1);
    f.list->SetItemIndex(2);
    f.list->Items->Clear();
    QCOMPARE(f.list->ItemIndex(), -1);
}

void tst_ListBox::settingItemIndexRaisesNoClick()
{
    ListForm f;
    f.addRows(5);
    QVERIFY(f.show());
    f.list->SetItemIndex(2);
    f.list->SetItemIndex(4);
    f.list->SetItemIndex(-1);
    settle();
    QCOMPARE(f.clicks, QList<int>{});
}

void tst_ListBox::mouseClickOnRowRaisesClick_data()
{
    QTest::addColumn<int>("selectedBefore");
    QTest::addColumn<int>("row");
    QTest::newRow("no row selected") << -1 << 3;
    QTest::newRow("another row selected") << 1 << 3;
    QTest::newRow("the row already selected") << 3 << 3;
}

void tst_ListBox::mouseClickOnRowRaisesClick()
{
    QFETCH(int, selectedBefore);
    QFETCH(int, row);
    ListForm f;
    f.addRows(5);
    QVERIFY(f.show());
    f.list->SetItemIndex(selectedBefore);

    f.clickRow(row);
    QCOMPARE(f.list->ItemIndex(), row);
    QCOMPARE(f.clicks, QList<int>{row});

    f.clickRow(row);
    QCOMPARE(f.clicks, (QList<int>{row, row}));
}

void tst_ListBox::downArrowRaisesClick()
{
    ListForm f;
    f.addRows(5);
    QVERIFY(f.show());
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    f.list->SetItemIndex(1);
    f.list->SetFocus();
    QVERIFY(f.list->hasFocus());

    QTest::keyClick(f.list, Qt::Key_Down);
    QCOMPARE(f.list->ItemIndex(), 2);
    QCOMPARE(f.clicks, QList<int>{2});
}

void tst_ListBox::manyRowsInOneBatchAllArrive()
{
    constexpr int rows = 24310;
    ListForm f;
    QVERIFY(f.show());
    {
        TStringsUpdate batch(*f.list->Items);
        f.addRows(rows);
    }
    settle();
    QCOMPARE(f.list->Items->Count(), rows);
    QCOMPARE(f.list->model()->rowCount(), rows);

    f.list->scrollToBottom();
    settle();
    const QModelIndex bottom = f.list->indexAt(QPoint(2, f.list->viewport()->height() - 2));
    QCOMPARE(bottom.row(), rows - 1);
    QCOMPARE(bottom.data().toString(), QStringLiteral("row %1").arg(rows - 1));
}

QTEST_MAIN(tst_ListBox)
#include "tst_listbox.moc"

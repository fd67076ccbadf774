// The chooser and the search run, driven with the mouse as a user picks.
#include "FormFixture.h"

#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

class tst_Chooser : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }
    void init();
    void cleanup();
    void pickRunsTheSearchInOrder();
    void stateAfterAPick();
    void pickingTheSameNumberSearchesAgain();
    void editsKeepTheNumberAndTheOldRows();
    void pressGivesUpTypedMinutes();
    void pressGivesUpALoadedTrack();
    void emptyChooser();
    void tabNeverReachesTheChooser();
    void listClosesWithoutAPick_data();
    void listClosesWithoutAPick();
    void moreThanEightItemsScroll();
    void fieldClickClearsTheResultSelection();
    void failedSearchRestoresTheCursor();

private:
    void enterTracks(int count);

    std::unique_ptr<FormFixture> f;
    QStringList trace;
};

void tst_Chooser::init()
{
    f = std::make_unique<FormFixture>();
    trace.clear();
}

void tst_Chooser::cleanup()
{
    f.reset();
}

void tst_Chooser::enterTracks(int count)
{
    for (int t = 1; t <= count; ++t)
        f->enterTrack(QString::number(t), QString::number(t * 7 % 60));
}

void tst_Chooser::pickRunsTheSearchInOrder()
{
    // Given five tracks and a trace of every handler the pick runs
    enterTracks(5);
    const auto traced = [this](TNotifyEvent& event, const QString& name) {
        event = [this, name, inner = event](TObject* sender) {
            trace << name;
            inner(sender);
            trace << "/" + name;
        };
    };
    traced(Form1->FlatComboBox1->OnEnter, "FlatComboBox1Enter");
    traced(Form1->FlatComboBox1->OnClick, "FlatComboBox1Click");
    traced(Form1->Memo1->OnEnter, "Memo1Enter");
    traced(Form1->Memo2->OnEnter, "Memo2Enter");
    Form1->Memo2->SetFocus();
    trace.clear();

    // When the chooser is pressed and item 3 picked
    FormFixture::pressChooser();
    QVERIFY(Form1->FlatComboBox1->DroppedDown());
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
    FormFixture::clickItem(2);

    // Then the chooser's enter runs on the press, and again inside the search run
    const QStringList enterChain {"FlatComboBox1Enter", "Memo1Enter", "/Memo1Enter", "/FlatComboBox1Enter"};
    QCOMPARE(trace, enterChain + QStringList {"FlatComboBox1Click"} + enterChain + QStringList {"/FlatComboBox1Click"});
    QVERIFY(!Form1->FlatComboBox1->DroppedDown());
}

void tst_Chooser::stateAfterAPick()
{
    enterTracks(5);
    FormFixture::pressChooser();
    FormFixture::clickItem(2);

    QCOMPARE(Form1->FlatComboBox1->Text(), QStringLiteral("3"));
    QCOMPARE(Form1->ListBox4->Items->Count(), 10);
    QCOMPARE(Form1->ListBox3->Items->Count(), 10);
    QCOMPARE(Form1->Memo1->Text(), QString());
    QCOMPARE(Form1->Memo2->Text(), QString());
    QCOMPARE(Form1->ListBox1->ItemIndex(), -1);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
    QCOMPARE(Form1->FlatComboBox1->ItemIndex(), -1);
    QCOMPARE(Screen->Cursor(), crDefault);
    QVERIFY(!QApplication::overrideCursor());
}

void tst_Chooser::pickingTheSameNumberSearchesAgain()
{
    enterTracks(4);
    FormFixture::pressChooser();
    FormFixture::clickItem(1);
    QCOMPARE(Form1->ListBox4->Items->Count(), 6);
    Form1->ListBox4->Items->Add("a row the next search must remove");

    FormFixture::pressChooser();
    FormFixture::clickItem(1);

    QCOMPARE(Form1->FlatComboBox1->Text(), QStringLiteral("2"));
    QCOMPARE(Form1->ListBox4->Items->Count(), 6);
}

void tst_Chooser::editsKeepTheNumberAndTheOldRows()
{
    enterTracks(5);
    FormFixture::pressChooser();
    FormFixture::clickItem(2);
    const QStringList rows = FormFixture::items(Form1->ListBox4->Items);

    // Adding a track refills the items but keeps the face and the rows
    f->enterTrack("1", "0");
    QCOMPARE(Form1->FlatComboBox1->Text(), QStringLiteral("3"));
    QCOMPARE(FormFixture::items(Form1->ListBox4->Items), rows);
    QCOMPARE(FormFixture::items(Form1->FlatComboBox1->Items), (QStringList {"1", "2", "3", "4", "5", "6"}));

    FormFixture::pressChooser();
    FormFixture::clickItem(2);
    QCOMPARE(Form1->ListBox4->Items->Count(), 20);

    // Deleting tracks until two remain: same again
    for (int removed = 0; removed < 4; ++removed) {
        FormFixture::clickRow(Form1->ListBox1, 0);
        FormFixture::press(Form1->Memo1, Qt::Key_Delete);
        FormFixture::press(Form1->Memo1, Qt::Key_Delete);
    }
    QCOMPARE(Form1->ListBox2->Items->Count(), 2);
    QCOMPARE(Form1->FlatComboBox1->Text(), QStringLiteral("3"));
    QCOMPARE(Form1->ListBox4->Items->Count(), 20);
    QCOMPARE(FormFixture::items(Form1->FlatComboBox1->Items), (QStringList {"1", "2"}));
}

void tst_Chooser::pressGivesUpTypedMinutes()
{
    enterTracks(2);
    FormFixture::type(Form1->Memo1, "12");

    FormFixture::pressChooser();

    QCOMPARE(Form1->Memo1->Text(), QString());
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
    QVERIFY(Form1->FlatComboBox1->DroppedDown());
    QTest::keyClick(Form1->FlatComboBox1->DropDownWindow()->windowHandle(), Qt::Key_Escape);
    QVERIFY(!Form1->FlatComboBox1->DroppedDown());
    QCOMPARE(Form1->Memo1->Text(), QString());
}

void tst_Chooser::pressGivesUpALoadedTrack()
{
    enterTracks(3);
    FormFixture::clickRow(Form1->ListBox1, 1);
    QCOMPARE(Form1->Memo1->Text(), QStringLiteral("02"));

    FormFixture::pressChooser();
    QTest::keyClick(Form1->FlatComboBox1->DropDownWindow()->windowHandle(), Qt::Key_Escape);
    QCOMPARE(Form1->ListBox1->ItemIndex(), -1);
    QCOMPARE(Form1->Memo1->Text(), QString());

    // A time entered now is a new track
    f->enterTrack("7", "7");
    QCOMPARE(Form1->ListBox2->Items->Count(), 4);
    QCOMPARE(Form1->ListBox2->Items->Strings(1), QStringLiteral("00:02:14"));
    QCOMPARE(Form1->ListBox2->Items->Strings(3), QStringLiteral("00:07:07"));
}

void tst_Chooser::emptyChooser()
{
    Form1->ListBox4->Items->Add("kept");
    FormFixture::type(Form1->Memo1, "5");

    FormFixture::pressChooser();
    QVERIFY(Form1->FlatComboBox1->DroppedDown());
    QCOMPARE(FormFixture::dropDownView()->model()->rowCount(), 0);
    QCOMPARE(Form1->Memo1->Text(), QString());
    QTest::mouseClick(Form1->FlatComboBox1->DropDownWindow()->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(FormFixture::items(Form1->ListBox4->Items), QStringList {"kept"});
    QCOMPARE(Form1->FlatComboBox1->Text(), QString());
}

void tst_Chooser::tabNeverReachesTheChooser()
{
    enterTracks(2);
    QVERIFY(!(Form1->FlatComboBox1->focusPolicy() & Qt::TabFocus));
    for (int press = 0; press < 4; ++press) {
        FormFixture::press(Form1->focusWidget(), press % 2 ? Qt::Key_Backtab : Qt::Key_Tab);
        QVERIFY(Form1->ActiveControl() == Form1->Memo1 || Form1->ActiveControl() == Form1->Memo2);
    }
}

void tst_Chooser::listClosesWithoutAPick_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Escape") << "escape";
    QTest::newRow("press outside") << "outside";
    QTest::newRow("press on the chooser") << "chooser";
}

void tst_Chooser::listClosesWithoutAPick()
{
    QFETCH(QString, how);
    enterTracks(4);
    FormFixture::pressChooser();
    FormFixture::clickItem(1);
    const QStringList rows = FormFixture::items(Form1->ListBox4->Items);
    FormFixture::pressChooser();
    QVERIFY(Form1->FlatComboBox1->DroppedDown());

    QWindow* popup = Form1->FlatComboBox1->DropDownWindow()->windowHandle();
    const QPoint popupTopLeft = Form1->FlatComboBox1->DropDownWindow()->geometry().topLeft();
    if (how == "escape") {
        QTest::keyClick(popup, Qt::Key_Escape);
    } else {
        const QPoint target = how == "chooser" ? Form1->FlatComboBox1->mapToGlobal(QPoint(10, 9))
                                               : Form1->ListBox4->mapToGlobal(QPoint(150, 150));
        QTest::mouseClick(popup, Qt::LeftButton, {}, target - popupTopLeft);
    }

    QVERIFY(!Form1->FlatComboBox1->DroppedDown());
    QCOMPARE(Form1->FlatComboBox1->Text(), QStringLiteral("2"));
    QCOMPARE(FormFixture::items(Form1->ListBox4->Items), rows);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
}

void tst_Chooser::moreThanEightItemsScroll()
{
    enterTracks(12);
    FormFixture::pressChooser();
    QListView* view = FormFixture::dropDownView();
    QWidget* popup = Form1->FlatComboBox1->DropDownWindow();
    QCOMPARE(popup->width(), 42);
    QCOMPARE(popup->geometry().top(), Form1->FlatComboBox1->mapToGlobal(QPoint(0, Form1->FlatComboBox1->height())).y());
    QVERIFY(view->verticalScrollBar()->isVisible());
    const int rowHeight = view->sizeHintForRow(0);
    QCOMPARE(view->viewport()->height() / rowHeight, 8);

    FormFixture::clickItem(11);
    QCOMPARE(Form1->FlatComboBox1->Text(), QStringLiteral("12"));
    QCOMPARE(Form1->ListBox4->Items->Count(), 1);
}

void tst_Chooser::fieldClickClearsTheResultSelection()
{
    enterTracks(3);
    FormFixture::pressChooser();
    FormFixture::clickItem(1);
    FormFixture::clickRow(Form1->ListBox4, 2);
    QCOMPARE(Form1->ListBox4->ItemIndex(), 2);

    QTest::mouseClick(Form1->Memo2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(Form1->ListBox4->ItemIndex(), -1);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo2);
}

void tst_Chooser::failedSearchRestoresTheCursor()
{
    // Given a stored text that no longer reads as a time
    enterTracks(2);
    Form1->ListBox2->Items->Add("00:5x:00");
    Form1->FlatComboBox1->Items->Add("3");
    int cursorDuringTheBox = crDefault;
    f->dialogs.whileOpen = [&] { cursorDuringTheBox = Screen->Cursor(); };

    FormFixture::pressChooser();
    FormFixture::clickItem(2);

    QCOMPARE(f->dialogs.events, QStringList {"error: '00:5x:00' は時刻ではありません."});
    QCOMPARE(cursorDuringTheBox, crDefault);
    QCOMPARE(Screen->Cursor(), crDefault);
    QCOMPARE(Form1->ListBox4->Items->Count(), 0);
}

QTEST_MAIN(tst_Chooser)
#include "tst_chooser.moc"

// The numbered track list: rows, chooser items, loading, replacing, deleting.
#include "FormFixture.h"

#include <QTest>

class tst_TrackList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }
    void init();
    void cleanup();
    void rowsAndChooserItems();
    void twoDigitNumbersHaveNoLeadingBlank();
    void selectingLoadsTheTrack();
    void replacingKeepsNumbers();
    void deleteTwiceRemovesTheSelectedTrack();
    void removingTheOnlyTrack();
    void deleteKey_data();
    void deleteKey();

private:
    std::unique_ptr<FormFixture> f;
    void enterThree();
};

void tst_TrackList::init()
{
    f = std::make_unique<FormFixture>();
}

void tst_TrackList::cleanup()
{
    f.reset();
}

void tst_TrackList::enterThree()
{
    f->enterTrack("3", "20");
    f->enterTrack("4", "5");
    f->enterTrack("12", "0");
}

void tst_TrackList::rowsAndChooserItems()
{
    enterThree();
    QCOMPARE(FormFixture::items(Form1->ListBox1->Items), (QStringList {" 1 _ 03:20", " 2 _ 04:05", " 3 _ 12:00"}));
    QCOMPARE(FormFixture::items(Form1->FlatComboBox1->Items), (QStringList {"1", "2", "3"}));
    QCOMPARE(Form1->ListBox1->ItemIndex(), -1);
}

void tst_TrackList::twoDigitNumbersHaveNoLeadingBlank()
{
    for (int t = 1; t <= 12; ++t)
        f->enterTrack(QString::number(t), "0");
    QCOMPARE(Form1->ListBox1->Items->Strings(8), QStringLiteral(" 9 _ 09:00"));
    QCOMPARE(Form1->ListBox1->Items->Strings(9), QStringLiteral("10 _ 10:00"));
    QCOMPARE(Form1->ListBox1->Items->Strings(11), QStringLiteral("12 _ 12:00"));
    QCOMPARE(Form1->FlatComboBox1->Items->Strings(11), QStringLiteral("12"));
}

void tst_TrackList::selectingLoadsTheTrack()
{
    enterThree();
    Form1->ListBox4->Items->Add("  00:07:25   1,2");
    Form1->ListBox4->SetItemIndex(0);

    FormFixture::clickRow(Form1->ListBox1, 1);

    QCOMPARE(Form1->Memo1->Text(), QStringLiteral("04"));
    QCOMPARE(Form1->Memo2->Text(), QStringLiteral("05"));
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
    QCOMPARE(Form1->Memo1->textCursor().selectedText(), QStringLiteral("04"));
    QCOMPARE(Form1->ListBox1->ItemIndex(), 1);
    QCOMPARE(Form1->ListBox4->ItemIndex(), -1);
}

void tst_TrackList::replacingKeepsNumbers()
{
    enterThree();
    FormFixture::clickRow(Form1->ListBox1, 1);

    // Typing over the selected minutes, then the seconds field
    FormFixture::type(Form1->Memo1, "9");
    FormFixture::press(Form1->Memo1, Qt::Key_Return);
    FormFixture::type(Form1->Memo2, "59");
    FormFixture::press(Form1->Memo2, Qt::Key_Return);

    QCOMPARE(FormFixture::items(Form1->ListBox2->Items), (QStringList {"00:03:20", "00:09:59", "00:12:00"}));
    QCOMPARE(FormFixture::items(Form1->ListBox1->Items), (QStringList {" 1 _ 03:20", " 2 _ 09:59", " 3 _ 12:00"}));
    QCOMPARE(FormFixture::items(Form1->FlatComboBox1->Items), (QStringList {"1", "2", "3"}));
    QCOMPARE(Form1->ListBox1->ItemIndex(), -1);
}

void tst_TrackList::deleteTwiceRemovesTheSelectedTrack()
{
    enterThree();
    FormFixture::clickRow(Form1->ListBox1, 1);

    // The first Delete removes the selected minutes text, the second the track
    FormFixture::press(Form1->Memo1, Qt::Key_Delete);
    QCOMPARE(Form1->Memo1->Text(), QString());
    QCOMPARE(Form1->ListBox2->Items->Count(), 3);
    FormFixture::press(Form1->Memo1, Qt::Key_Delete);

    QCOMPARE(FormFixture::items(Form1->ListBox2->Items), (QStringList {"00:03:20", "00:12:00"}));
    QCOMPARE(FormFixture::items(Form1->ListBox1->Items), (QStringList {" 1 _ 03:20", " 2 _ 12:00"}));
    QCOMPARE(FormFixture::items(Form1->FlatComboBox1->Items), (QStringList {"1", "2"}));
    QCOMPARE(Form1->Memo1->Text(), QString());
    QCOMPARE(Form1->Memo2->Text(), QString());
    QCOMPARE(Form1->ListBox1->ItemIndex(), -1);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
}

void tst_TrackList::removingTheOnlyTrack()
{
    f->enterTrack("1", "1");
    FormFixture::clickRow(Form1->ListBox1, 0);
    FormFixture::press(Form1->Memo1, Qt::Key_Backspace);
    FormFixture::press(Form1->Memo1, Qt::Key_Delete);
    QCOMPARE(Form1->ListBox2->Items->Count(), 0);
    QCOMPARE(Form1->ListBox1->Items->Count(), 0);
    QCOMPARE(Form1->FlatComboBox1->Items->Count(), 0);
}

void tst_TrackList::deleteKey_data()
{
    QTest::addColumn<int>("selectRow");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("tracksAfter");
    QTest::addColumn<QString>("minutesAfter");
    QTest::addColumn<QString>("secondsAfter");
    const QStringList all {"00:03:20", "00:04:05", "00:12:00"};
    // The caret stands at the start of the minutes, so the field's own Delete removes its first character
    QTest::newRow("both fields hold text: the field's own delete")
        << 1 << "45" << "30" << int(Qt::NoModifier) << all << "5" << "30";
    QTest::newRow("seconds empty, no row: fields emptied, tracks kept")
        << -1 << "45" << "" << int(Qt::NoModifier) << all << "" << "";
    QTest::newRow("minutes empty, row 3 selected: track 3 removed")
        << 2 << "" << "30" << int(Qt::NoModifier) << QStringList {"00:03:20", "00:04:05"} << "" << "";
    QTest::newRow("shift held: the same")
        << 0 << "" << "30" << int(Qt::ShiftModifier) << QStringList {"00:04:05", "00:12:00"} << "" << "";
}

void tst_TrackList::deleteKey()
{
    QFETCH(int, selectRow);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(int, modifiers);
    QFETCH(QStringList, tracksAfter);
    QFETCH(QString, minutesAfter);
    QFETCH(QString, secondsAfter);
    enterThree();
    if (selectRow >= 0)
        FormFixture::clickRow(Form1->ListBox1, selectRow);
    Form1->Memo1->SetText(minutes);
    Form1->Memo2->SetText(seconds);
    Form1->Memo1->moveCursor(QTextCursor::Start);

    FormFixture::press(Form1->Memo1, Qt::Key_Delete, Qt::KeyboardModifiers(modifiers));

    QCOMPARE(FormFixture::items(Form1->ListBox2->Items), tracksAfter);
    QCOMPARE(Form1->ListBox1->Items->Count(), tracksAfter.size());
    QCOMPARE(Form1->Memo1->Text(), minutesAfter);
    QCOMPARE(Form1->Memo2->Text(), secondsAfter);
}

QTEST_MAIN(tst_TrackList)
#include "tst_tracklist.moc"

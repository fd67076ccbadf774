// Entering a track: Enter in the minutes field, then in the seconds field.
#include "FormFixture.h"

#include <QTest>

class tst_TrackEntry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }
    void storesTrackTime_data();
    void storesTrackTime();
    void minutesEnter_data();
    void minutesEnter();
    void secondsEnterRefuses_data();
    void secondsEnterRefuses();
    void conversionErrorsChangeNothing_data();
    void conversionErrorsChangeNothing();
    void seventeenTrackLimit();
    void replacingIsAllowedAtTheLimit();
    void enterNeverReachesTheText();
    void otherKeysPassThrough();
    void pastedBlankBeforeMinutes();
};

void tst_TrackEntry::storesTrackTime_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("stored");
    QTest::newRow("single digits") << "7" << "5" << "00:07:05";
    QTest::newRow("zero") << "0" << "0" << "00:00:00";
    QTest::newRow("largest") << "59" << "59" << "00:59:59";
    QTest::newRow("leading zeros") << "04" << "05" << "00:04:05";
}

void tst_TrackEntry::storesTrackTime()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, stored);
    FormFixture f;

    // Given the minutes typed, Enter moves to the seconds field
    FormFixture::type(Form1->Memo1, minutes);
    FormFixture::press(Form1->Memo1, Qt::Key_Return);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo2);

    // When the seconds are typed and entered
    FormFixture::type(Form1->Memo2, seconds);
    FormFixture::press(Form1->Memo2, Qt::Key_Return);

    // Then the track is stored and the fields are ready for the next one
    QCOMPARE(FormFixture::items(Form1->ListBox2->Items), QStringList {stored});
    QCOMPARE(Form1->Memo1->Text(), QString());
    QCOMPARE(Form1->Memo2->Text(), QString());
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
    QVERIFY(f.dialogs.events.isEmpty());
}

void tst_TrackEntry::minutesEnter_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("60") << "60" << false;
    QTest::newRow("99") << "99" << false;
    QTest::newRow("59") << "59" << true;
    QTest::newRow("0") << "0" << true;
}

void tst_TrackEntry::minutesEnter()
{
    QFETCH(QString, minutes);
    QFETCH(bool, accepted);
    FormFixture f;
    FormFixture::type(Form1->Memo1, minutes);

    // While the box is open the minutes are not selected yet; afterwards they are
    bool selectedWhileOpen = true;
    f.dialogs.whileOpen = [&] { selectedWhileOpen = Form1->Memo1->textCursor().hasSelection(); };
    FormFixture::press(Form1->Memo1, Qt::Key_Return);

    if (accepted) {
        QVERIFY(f.dialogs.events.isEmpty());
        QCOMPARE(Form1->ActiveControl(), Form1->Memo2);
        return;
    }
    QCOMPARE(f.dialogs.events, (QStringList {"beep", "message: 0から59までの数値を入力してください"}));
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
    QVERIFY(!selectedWhileOpen || minutes.isEmpty());
    QCOMPARE(Form1->Memo1->textCursor().selectedText(), minutes);
    QCOMPARE(Form1->Memo1->Text(), minutes);
}

void tst_TrackEntry::secondsEnterRefuses_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<QString>("selectedAfter");
    QTest::newRow("minutes empty") << "" << "30" << "分を入力してください" << "Memo1" << "";
    QTest::newRow("minutes 60") << "60" << "30" << "0から59までの数値を入力してください" << "Memo1" << "60";
    QTest::newRow("seconds empty") << "5" << "" << "秒を入力してください" << "Memo2" << "";
    QTest::newRow("seconds 75") << "5" << "75" << "0から59までの数値を入力してください" << "Memo2" << "75";
}

void tst_TrackEntry::secondsEnterRefuses()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, message);
    QFETCH(QString, focusAfter);
    QFETCH(QString, selectedAfter);
    FormFixture f;
    Form1->Memo1->SetText(minutes);
    Form1->Memo2->SetFocus();
    FormFixture::type(Form1->Memo2, seconds);

    FormFixture::press(Form1->Memo2, Qt::Key_Return);

    QCOMPARE(f.dialogs.events, (QStringList {"beep", "message: " + message}));
    QCOMPARE(Form1->ActiveControl(), focusAfter == "Memo1" ? Form1->Memo1 : Form1->Memo2);
    const TMemo* focused = focusAfter == "Memo1" ? Form1->Memo1 : Form1->Memo2;
    QCOMPARE(focused->textCursor().selectedText(), selectedAfter);
    QCOMPARE(Form1->ListBox2->Items->Count(), 0);
    QCOMPARE(Form1->Memo1->Text(), minutes);
    QCOMPARE(Form1->Memo2->Text(), seconds);
}

void tst_TrackEntry::conversionErrorsChangeNothing_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("error");
    QTest::newRow("letter in minutes") << "a" << "5" << "'a' は整数ではありません.";
    QTest::newRow("minutes read first") << "5 " << "x" << "'5 ' は整数ではありません.";
    QTest::newRow("line break in seconds") << "5" << "5\n" << "'5\n' は整数ではありません.";
    QTest::newRow("sign passes the range check") << "3" << "-5" << "'00:3:-5' は時刻ではありません.";
    QTest::newRow("hexadecimal") << "$A" << "5" << "'00:$A:5' は時刻ではありません.";
}

void tst_TrackEntry::conversionErrorsChangeNothing()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, error);
    FormFixture f;
    f.enterTrack("1", "00");
    // Pasted text is not filtered, so the fields can hold any two characters
    Form1->Memo1->SetText(minutes);
    Form1->Memo2->SetText(seconds);
    Form1->Memo2->SetFocus();

    FormFixture::press(Form1->Memo2, Qt::Key_Return);

    QCOMPARE(f.dialogs.events, QStringList {"error: " + error});
    QCOMPARE(FormFixture::items(Form1->ListBox2->Items), QStringList {"00:01:00"});
    QCOMPARE(Form1->ListBox1->Items->Count(), 1);
    QCOMPARE(Form1->FlatComboBox1->Items->Count(), 1);
    QCOMPARE(Form1->Memo1->Text(), minutes);
    QCOMPARE(Form1->Memo2->Text(), seconds);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo2);
}

void tst_TrackEntry::seventeenTrackLimit()
{
    FormFixture f;
    for (int t = 0; t < MaxTracks; ++t)
        f.enterTrack(QString::number(t), "1");
    const QStringList tracks = FormFixture::items(Form1->ListBox2->Items);
    QCOMPARE(tracks.size(), 17);
    QVERIFY(f.dialogs.events.isEmpty());

    f.enterTrack("30", "30");

    QCOMPARE(f.dialogs.events, (QStringList {"beep", "message: 入力できる曲数は17までです"}));
    QCOMPARE(FormFixture::items(Form1->ListBox2->Items), tracks);
    QCOMPARE(Form1->ListBox1->Items->Count(), 17);
    QCOMPARE(Form1->Memo1->Text(), QString());
    QCOMPARE(Form1->Memo2->Text(), QString());
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
}

void tst_TrackEntry::replacingIsAllowedAtTheLimit()
{
    FormFixture f;
    for (int t = 0; t < MaxTracks; ++t)
        f.enterTrack(QString::number(t), "1");

    FormFixture::clickRow(Form1->ListBox1, 16);
    f.enterTrack("30", "30");

    QVERIFY(f.dialogs.events.isEmpty());
    QCOMPARE(Form1->ListBox2->Items->Count(), 17);
    QCOMPARE(Form1->ListBox2->Items->Strings(16), QStringLiteral("00:30:30"));
    QCOMPARE(Form1->ListBox2->Items->Strings(15), QStringLiteral("00:15:01"));
}

void tst_TrackEntry::enterNeverReachesTheText()
{
    FormFixture f;
    // Refused Enters are not consumed by the handlers; the fields drop them
    FormFixture::type(Form1->Memo1, "77");
    FormFixture::press(Form1->Memo1, Qt::Key_Return);
    Form1->Memo2->SetFocus();
    FormFixture::press(Form1->Memo2, Qt::Key_Enter);

    QCOMPARE(Form1->Memo1->Text(), QStringLiteral("77"));
    QCOMPARE(Form1->Memo2->Text(), QString());
    QCOMPARE(f.dialogs.events.count("beep"), 2);
}

void tst_TrackEntry::otherKeysPassThrough()
{
    FormFixture f;
    FormFixture::type(Form1->Memo1, "45");
    FormFixture::press(Form1->Memo1, Qt::Key_Backspace);
    QCOMPARE(Form1->Memo1->Text(), QStringLiteral("4"));
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
    QVERIFY(f.dialogs.events.isEmpty());
}

void tst_TrackEntry::pastedBlankBeforeMinutes()
{
    FormFixture f;
    Form1->Memo1->SetText(" 5");
    FormFixture::press(Form1->Memo1, Qt::Key_Return);
    FormFixture::type(Form1->Memo2, "9");
    FormFixture::press(Form1->Memo2, Qt::Key_Return);
    QCOMPARE(FormFixture::items(Form1->ListBox2->Items), QStringList {"00:05:09"});
}

QTEST_MAIN(tst_TrackEntry)
#include "tst_trackentry.moc"

#include "DialogRecorder.h"
#include "Dialogs.h"
#include "Forms.h"
#include "ModalBox.h"
#include "SysUtils.h"

#include <QTest>

#include <stdexcept>

class tst_Dialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }

    void errorBoxText_data();
    void errorBoxText();
    void errorBoxTextOfOtherErrors();
    void dispatchShowsTheErrorAndEndsTheHandler();
    void titleFromPath_data();
    void titleFromPath();
    void titleIsTheExecutableName();
    void realBox_data();
    void realBox();
};

void tst_Dialogs::errorBoxText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Invalid value" << "Invalid value.";
    QTest::newRow("digit") << "row 5" << "row 5.";
    QTest::newRow("slash, just above '.'") << "a/" << "a/.";
    QTest::newRow("Japanese") << "'x' は整数ではありません" << "'x' は整数ではありません.";
    QTest::newRow("ends with '.'") << "Done." << "Done.";
    QTest::newRow("minus, just below '.'") << "a-" << "a-";
    QTest::newRow("exclamation mark") << "Stop!" << "Stop!";
    QTest::newRow("blank") << "a " << "a ";
    QTest::newRow("empty") << "" << "";
}

void tst_Dialogs::errorBoxText()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    DialogRecorder dialogs;
    Application->ShowException(EConvertError(message));
    QCOMPARE(dialogs.events, QStringList{QStringLiteral("error: ") + shown});
}

void tst_Dialogs::errorBoxTextOfOtherErrors()
{
    DialogRecorder dialogs;
    Application->ShowException(std::runtime_error("ungültig"));
    Application->ShowException(std::runtime_error("fine."));
    QCOMPARE(dialogs.events, (QStringList{QStringLiteral("error: ungültig."), QStringLiteral("error: fine.")}));
}

void tst_Dialogs::dispatchShowsTheErrorAndEndsTheHandler()
{
    DialogRecorder dialogs;
    QStringList trace;
    QVERIFY(Application->Dispatch([&] { trace << QStringLiteral("ran"); }));
    QVERIFY(!Application->Dispatch([&] {
        trace << QStringLiteral("before");
        throw EStringListError(QStringLiteral("out of range"));
        trace << QStringLiteral("after");
    }));
    QCOMPARE(trace, (QStringList{"ran", "before"}));
    QCOMPARE(dialogs.events, QStringList{QStringLiteral("error: out of range.")});
}

void tst_Dialogs::titleFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("installed") << "/usr/bin/Tunepack" << "Tunepack";
    QTest::newRow("upper case with extension") << "C:/x/TUNEPACK.EXE" << "Tunepack";
    QTest::newRow("several dots") << "/opt/Tune.Pack.bin" << "Tune";
    QTest::newRow("lower case, no folder") << "tune.pack.bin" << "tune";
}

void tst_Dialogs::titleFromPath()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(TApplication::TitleFromPath(path), title);
}

void tst_Dialogs::titleIsTheExecutableName()
{
    const QString title = Application->Title();
    QCOMPARE(title.toLower(), QStringLiteral("tst_dialogs"));
    QCOMPARE(title.mid(1), QStringLiteral("st_dialogs"));
}

void tst_Dialogs::realBox_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::newRow("ShowMessage") << "message" << "17 tracks" << int(QMessageBox::NoIcon);
    QTest::newRow("ShowError") << "error" << "Out of range." << int(QMessageBox::Critical);
    QTest::newRow("ShowException") << "exception" << "Out of range." << int(QMessageBox::Critical);
}

void tst_Dialogs::realBox()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, icon);
    SetDialogPresenter(nullptr);
    SeenBox seen;
    closeNextModalBox(seen);

    if (kind == QLatin1String("message"))
        ShowMessage(text);
    else if (kind == QLatin1String("error"))
        DialogPresenter().ShowError(text);
    else
        Application->ShowException(EConvertError(QStringLiteral("Out of range")));

    QVERIFY(seen.found);
    QVERIFY(seen.isMessageBox);
    QCOMPARE(seen.title, Application->Title());
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.buttons, QStringList{"OK"});
    QCOMPARE(int(seen.icon), icon);
    QVERIFY(seen.clickedOk);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"

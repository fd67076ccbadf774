#include "Dialogs.h"
#include "Forms.h"
#include "Memo.h"
#include "ModalBox.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A shown, active form with three fields whose OnEnter notes "enter 1" to "enter 3".
struct FocusForm {
    TForm form{473, 340};
    TMemo* fields[3];
    QStringList trace;

    FocusForm()
    {
        for (int i = 0; i < 3; ++i) {
            fields[i] = new TMemo(form.Client());
            fields[i]->SetBounds(10, 10 + 30 * i, 60, 20);
            fields[i]->OnEnter = [this, i](TObject* sender) {
                if (sender == fields[i])
                    trace << QStringLiteral("enter %1").arg(i + 1);
                else
                    trace << QStringLiteral("enter %1 with a wrong sender").arg(i + 1);
            };
        }
    }
    bool show()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form) || !QTest::qWaitForWindowActive(&form))
            return false;
        settle();
        trace.clear();
        return true;
    }
    bool activate()
    {
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            return false;
        settle();
        return true;
    }
    void click(int field)
    {
        QTest::mouseClick(fields[field]->viewport(), Qt::LeftButton, {}, fields[field]->viewport()->rect().center());
    }
};

enum class Away { OtherWindow, MessageBox };

// Takes the activation away from the form and gives it to something else;
// for the message box, until the box has been closed again.
struct Deactivation {
    std::unique_ptr<QWidget> other;
    SeenBox box;

    bool run(Away away)
    {
        if (away == Away::OtherWindow) {
            other = std::make_unique<QWidget>();
            other->resize(120, 80);
            other->show();
            other->activateWindow();
            return QTest::qWaitForWindowActive(other.get());
        }
        SetDialogPresenter(nullptr);
        closeNextModalBox(box);
        ShowMessage(QStringLiteral("away"));
        return box.clickedOk;
    }
};

} // namespace

class tst_Focus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }

    void setFocusRunsOnEnterBeforeReturning();
    void setFocusInsideOnEnterRunsInsideIt();
    void setFocusOnTheFocusedControlRunsNothing();
    void tabMovesBetweenFields_data();
    void tabMovesBetweenFields();
    void clickIntoFieldRunsOnEnter_data();
    void clickIntoFieldRunsOnEnter();
    void reactivationRunsNoOnEnter_data();
    void reactivationRunsNoOnEnter();
    void setFocusWhileInactiveRunsOnEnterOnce_data();
    void setFocusWhileInactiveRunsOnEnterOnce();
};

void tst_Focus::setFocusRunsOnEnterBeforeReturning()
{
    FocusForm f;
    QVERIFY(f.show());
    f.fields[1]->SetFocus();
    QCOMPARE(f.trace, QStringList{"enter 2"});
    QCOMPARE(f.form.ActiveControl(), f.fields[1]);
    QVERIFY(f.fields[1]->Focused());
    QCOMPARE(QApplication::focusWidget(), f.fields[1]);
}

void tst_Focus::setFocusInsideOnEnterRunsInsideIt()
{
    FocusForm f;
    QVERIFY(f.show());
    f.fields[1]->OnEnter = [&](TObject*) {
        f.trace << QStringLiteral("begin 2");
        f.fields[2]->SetFocus();
        f.trace << QStringLiteral("end 2");
    };

    f.fields[1]->SetFocus();
    QCOMPARE(f.trace, (QStringList{"begin 2", "enter 3", "end 2"}));
    settle();
    QCOMPARE(f.trace, (QStringList{"begin 2", "enter 3", "end 2"}));
    QCOMPARE(f.form.ActiveControl(), f.fields[2]);
    QCOMPARE(QApplication::focusWidget(), f.fields[2]);
}

void tst_Focus::setFocusOnTheFocusedControlRunsNothing()
{
    FocusForm f;
    QVERIFY(f.show());
    // The first field got the focus when the form was shown.
    QCOMPARE(f.form.ActiveControl(), f.fields[0]);
    f.fields[0]->SetFocus();
    QCOMPARE(f.trace, QStringList{});

    f.fields[1]->SetFocus();
    f.fields[1]->SetFocus();
    settle();
    QCOMPARE(f.trace, QStringList{"enter 2"});
}

void tst_Focus::tabMovesBetweenFields_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");
    QTest::newRow("Tab") << 0 << int(Qt::Key_Tab) << int(Qt::NoModifier) << 1;
    QTest::newRow("Tab from the second") << 1 << int(Qt::Key_Tab) << int(Qt::NoModifier) << 2;
    QTest::newRow("Shift+Tab") << 1 << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 0;
    QTest::newRow("Shift+Tab as Tab with Shift") << 2 << int(Qt::Key_Tab) << int(Qt::ShiftModifier) << 1;
}

void tst_Focus::tabMovesBetweenFields()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    FocusForm f;
    QVERIFY(f.show());
    f.fields[from]->SetFocus();
    f.trace.clear();

    QTest::keyClick(f.fields[from], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.trace, QStringList{QStringLiteral("enter %1").arg(to + 1)});
    QCOMPARE(f.form.ActiveControl(), f.fields[to]);
    QCOMPARE(QApplication::focusWidget(), f.fields[to]);
    QCOMPARE(f.fields[from]->Text(), QString());
}

void tst_Focus::clickIntoFieldRunsOnEnter_data()
{
    QTest::addColumn<bool>("windowActive");
    QTest::newRow("active window") << true;
    QTest::newRow("inactive window") << false;
}

void tst_Focus::clickIntoFieldRunsOnEnter()
{
    QFETCH(bool, windowActive);
    FocusForm f;
    QVERIFY(f.show());
    Deactivation away;
    if (!windowActive) {
        QVERIFY(away.run(Away::OtherWindow));
        QVERIFY(!f.form.isActiveWindow());
    }

    f.click(2);
    QCOMPARE(f.trace, QStringList{"enter 3"});
    QCOMPARE(f.form.ActiveControl(), f.fields[2]);
    QVERIFY(f.activate());
    QCOMPARE(f.trace, QStringList{"enter 3"});
    QCOMPARE(QApplication::focusWidget(), f.fields[2]);
}

void tst_Focus::reactivationRunsNoOnEnter_data()
{
    QTest::addColumn<int>("away");
    QTest::addColumn<QString>("move");
    for (const Away away : {Away::OtherWindow, Away::MessageBox}) {
        const QByteArray by = away == Away::OtherWindow ? "other window, " : "message box, ";
        for (const char* move : {"SetFocus", "SetFocus in OnEnter", "Tab", "click"})
            QTest::newRow(by + move) << int(away) << QString::fromLatin1(move);
    }
}

void tst_Focus::reactivationRunsNoOnEnter()
{
    QFETCH(int, away);
    QFETCH(QString, move);
    FocusForm f;
    QVERIFY(f.show());
    TMemo* focused = f.fields[1];
    if (move == QLatin1String("SetFocus")) {
        f.fields[1]->SetFocus();
    } else if (move == QLatin1String("SetFocus in OnEnter")) {
        f.fields[1]->OnEnter = [&](TObject*) { f.fields[2]->SetFocus(); };
        f.fields[1]->SetFocus();
        focused = f.fields[2];
    } else if (move == QLatin1String("Tab")) {
        QTest::keyClick(f.fields[0], Qt::Key_Tab);
    } else {
        f.click(1);
    }
    settle();
    QCOMPARE(f.form.ActiveControl(), focused);
    f.trace.clear();

    Deactivation deactivation;
    QVERIFY(deactivation.run(Away(away)));
    QVERIFY(f.activate());
    QCOMPARE(f.trace, QStringList{});
    QCOMPARE(f.form.ActiveControl(), focused);
    QCOMPARE(QApplication::focusWidget(), focused);
}

void tst_Focus::setFocusWhileInactiveRunsOnEnterOnce_data()
{
    QTest::addColumn<int>("away");
    QTest::newRow("other window") << int(Away::OtherWindow);
    QTest::newRow("after a message box") << int(Away::MessageBox);
}

void tst_Focus::setFocusWhileInactiveRunsOnEnterOnce()
{
    QFETCH(int, away);
    FocusForm f;
    QVERIFY(f.show());
    Deactivation deactivation;
    QVERIFY(deactivation.run(Away(away)));

    f.fields[2]->SetFocus();
    QCOMPARE(f.trace, QStringList{"enter 3"});
    QCOMPARE(f.form.ActiveControl(), f.fields[2]);
    QVERIFY(f.activate());
    QCOMPARE(f.trace, QStringList{"enter 3"});
    QCOMPARE(QApplication::focusWidget(), f.fields[2]);
}

QTEST_MAIN(tst_Focus)
#include "tst_focus.moc"

// The window's own frame: window menu, hit-testing, moving, roll-up, digits only.
#include "FormFixture.h"
#include "WindowFrame.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <QWindow>

class tst_Window : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }
    void init() { f = std::make_unique<FormFixture>(); }
    void cleanup() { f.reset(); }
    void standardWindowMenu();
    void trimmedWindowMenu();
    void altSpaceOpensTheWindowMenu();
    void hitTest_data();
    void hitTest();
    void edgeDragChangesNothing_data();
    void edgeDragChangesNothing();
    void titleDragMoves();
    void iconClickOpensTheWindowMenu();
    void iconDoubleClickClosesAPlainForm();
    void rollUpAndDown_data();
    void rollUpAndDown();
    void typedNonDigitsRefused_data();
    void typedNonDigitsRefused();
    void pastedTextKept();
    void altF4Closes();

private:
    std::unique_ptr<FormFixture> f;
};

namespace {

QStringList menuTexts(const QMenu* menu)
{
    QStringList out;
    for (const QAction* action : menu->actions())
        out << (action->isSeparator() ? QStringLiteral("-") : action->text() + (action->isEnabled() ? "" : " (disabled)"));
    return out;
}

// The window as the program's frame draws it, without the program's handlers.
struct PlainForm : TForm {
    PlainForm()
        : TForm(473, 340)
    {
        show();
    }
};

} // namespace

void tst_Window::standardWindowMenu()
{
    PlainForm plain;
    QCOMPARE(menuTexts(plain.WindowMenu()),
             (QStringList {"元のサイズに戻す(&R) (disabled)", "移動(&M)", "サイズ変更(&S) (disabled)", "最小化(&N)",
                           "最大化(&X) (disabled)", "-", "閉じる(&C)"}));
}

void tst_Window::trimmedWindowMenu()
{
    QCOMPARE(menuTexts(Form1->WindowMenu()), (QStringList {"移動(&M)", "最小化(&N)", "-", "閉じる(&C)"}));
    const QAction* close = Form1->WindowMenu()->actions().last();
    QCOMPARE(close->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
}

void tst_Window::altSpaceOpensTheWindowMenu()
{
    QTest::keyClick(Form1->Memo1, Qt::Key_Space, Qt::AltModifier);
    QVERIFY(Form1->WindowMenu()->isVisible());
    QCOMPARE(Form1->Memo1->Text(), QString());
    Form1->WindowMenu()->close();
}

void tst_Window::hitTest_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("frameCode");
    QTest::addColumn<int>("formCode");
    QTest::newRow("caption") << QPoint(200, 12) << HTCAPTION << HTCAPTION;
    QTest::newRow("window icon") << QPoint(12, 12) << HTSYSMENU << HTSYSMENU;
    QTest::newRow("client") << QPoint(200, 200) << HTCLIENT << HTCLIENT;
    QTest::newRow("left edge") << QPoint(1, 150) << HTLEFT << HTNOWHERE;
    QTest::newRow("right edge") << QPoint(471, 150) << HTRIGHT << HTNOWHERE;
    QTest::newRow("top edge") << QPoint(200, 1) << HTTOP << HTNOWHERE;
    QTest::newRow("bottom edge") << QPoint(200, 338) << HTBOTTOM << HTNOWHERE;
    QTest::newRow("top-left") << QPoint(1, 1) << HTTOPLEFT << HTNOWHERE;
    QTest::newRow("top-right") << QPoint(471, 2) << HTTOPRIGHT << HTNOWHERE;
    QTest::newRow("bottom-left") << QPoint(2, 338) << HTBOTTOMLEFT << HTNOWHERE;
    QTest::newRow("bottom-right") << QPoint(471, 338) << HTBOTTOMRIGHT << HTNOWHERE;
    const TWindowFrame frame(QSize(473, 340));
    QTest::newRow("minimize") << frame.MinimizeRect().center() << HTMINBUTTON << HTMINBUTTON;
    QTest::newRow("maximize") << frame.MaximizeRect().center() << HTMAXBUTTON << HTMAXBUTTON;
    QTest::newRow("close") << frame.CloseRect().center() << HTCLOSE << HTCLOSE;
    QTest::newRow("outside") << QPoint(500, 100) << HTNOWHERE << HTNOWHERE;
}

void tst_Window::hitTest()
{
    QFETCH(QPoint, point);
    QFETCH(int, frameCode);
    QFETCH(int, formCode);
    PlainForm plain;
    plain.move(Form1->pos());
    QCOMPARE(plain.NonClientHitTest(plain.mapToGlobal(point)), frameCode);
    QCOMPARE(Form1->NonClientHitTest(Form1->mapToGlobal(point)), formCode);
}

void tst_Window::edgeDragChangesNothing_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("delta");
    QTest::newRow("right edge") << QPoint(471, 150) << QPoint(40, 0);
    QTest::newRow("bottom edge") << QPoint(200, 338) << QPoint(0, 40);
    QTest::newRow("top-left corner") << QPoint(1, 1) << QPoint(-30, -30);
}

void tst_Window::edgeDragChangesNothing()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, delta);
    const auto drag = [&](TForm* form) {
        QWindow* window = form->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, start);
        QTest::mouseMove(window, start + delta / 2);
        QTest::mouseMove(window, start + delta);
        QTest::mouseRelease(window, Qt::LeftButton, {}, start + delta);
    };

    // The frame alone resizes from its edges ...
    PlainForm plain;
    const QRect plainBefore = plain.geometry();
    drag(&plain);
    QVERIFY(plain.geometry() != plainBefore);

    // ... the main window does not, and its pointer stays the arrow
    const QRect before = Form1->geometry();
    QTest::mouseMove(Form1->windowHandle(), start);
    QCOMPARE(Form1->cursor().shape(), Qt::ArrowCursor);
    drag(Form1);
    QCOMPARE(Form1->geometry(), before);
}

void tst_Window::titleDragMoves()
{
    QWindow* window = Form1->windowHandle();
    const QPoint before = Form1->pos();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(200, 12));
    QTest::mouseMove(window, QPoint(230, 32));
    // The window has followed the pointer, which stands on the same spot of it again
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(200, 12));
    QCOMPARE(Form1->pos(), before + QPoint(30, 20));
    QCOMPARE(Form1->size(), QSize(473, 340));
}

void tst_Window::iconClickOpensTheWindowMenu()
{
    QTest::mouseClick(Form1->windowHandle(), Qt::LeftButton, {}, QPoint(12, 12));
    QTRY_VERIFY(Form1->WindowMenu()->isVisible());
    // Below the icon, kept on the screen where the window reaches past its edge
    const QPoint below = Form1->mapToGlobal(TWindowFrame(Form1->size()).IconRect().bottomLeft() + QPoint(0, 1));
    QCOMPARE(Form1->WindowMenu()->pos().y(), below.y());
    QCOMPARE(Form1->WindowMenu()->pos().x(), std::max(below.x(), Form1->screen()->availableGeometry().left() + 1));
    Form1->WindowMenu()->close();
}

void tst_Window::iconDoubleClickClosesAPlainForm()
{
    // The frame's own answer to a double click on the icon, which the main window replaces
    PlainForm plain;
    QTest::mouseDClick(plain.windowHandle(), Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(!plain.isVisible());
    QVERIFY(!plain.WindowMenu()->isVisible());
}

void tst_Window::rollUpAndDown_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::newRow("caption") << QPoint(200, 12);
    QTest::newRow("window icon") << QPoint(12, 12);
    QTest::newRow("bottom edge") << QPoint(200, 338);
    QTest::newRow("disabled maximize button") << TWindowFrame(QSize(473, 340)).MaximizeRect().center();
}

void tst_Window::rollUpAndDown()
{
    QFETCH(QPoint, point);
    // Given tracks, results, field contents and the focus in the seconds field
    f->enterTrack("3", "20");
    f->enterTrack("4", "5");
    Form1->ListBox4->Items->Add("  00:07:25   1,2");
    Form1->Memo1->SetText("12");
    Form1->Memo2->SetFocus();
    FormFixture::type(Form1->Memo2, "3");
    QWindow* window = Form1->windowHandle();

    // When the frame is double-clicked, only the title bar and the border remain
    QTest::mouseDClick(window, Qt::LeftButton, {}, point);
    QCOMPARE(RolledUp, 1);
    QCOMPARE(SavedClientHeight, 313);
    QCOMPARE(Form1->ClientHeight(), 0);
    QCOMPARE(Form1->size(), QSize(473, 27));
    QVERIFY(Form1->isVisible());

    // And a second double click on the title bar brings it back as it was
    QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(200, 12));
    QCOMPARE(RolledUp, 0);
    QCOMPARE(Form1->size(), QSize(473, 340));
    QCOMPARE(Form1->ClientHeight(), 313);
    QCOMPARE(FormFixture::items(Form1->ListBox2->Items), (QStringList {"00:03:20", "00:04:05"}));
    QCOMPARE(Form1->ListBox4->Items->Count(), 1);
    QCOMPARE(Form1->Memo1->Text(), QStringLiteral("12"));
    QCOMPARE(Form1->Memo2->Text(), QStringLiteral("3"));
    QCOMPARE(Form1->ActiveControl(), Form1->Memo2);
}

void tst_Window::typedNonDigitsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("letter") << "a" << "";
    QTest::newRow("blank") << " " << "";
    QTest::newRow("sign") << "-5" << "5";
    QTest::newRow("digits up to two") << "123" << "12";
}

void tst_Window::typedNonDigitsRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    for (TMemo* field : {Form1->Memo1, Form1->Memo2}) {
        field->Clear();
        FormFixture::type(field, typed);
        QCOMPARE(field->Text(), kept);
    }
}

void tst_Window::pastedTextKept()
{
    QGuiApplication::clipboard()->setText("-5");
    Form1->Memo2->SetFocus();
    QTest::keyClick(Form1->Memo2, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Form1->Memo2->Text(), QStringLiteral("-5"));

    // So the conversion errors stay reachable
    Form1->Memo1->SetText("3");
    FormFixture::press(Form1->Memo2, Qt::Key_Return);
    QCOMPARE(f->dialogs.events, QStringList {"error: '00:3:-5' は時刻ではありません."});
}

void tst_Window::altF4Closes()
{
    QTest::keyClick(Form1->Memo1, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!Form1->isVisible());
}

QTEST_MAIN(tst_Window)
#include "tst_window.moc"

// The main window as it starts: controls, places, fonts, focus and tab order.
#include "FormFixture.h"

#include <QFontInfo>
#include <QScrollBar>
#include <QTest>

class tst_MainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }
    void init() { f = std::make_unique<FormFixture>(); }
    void cleanup() { f.reset(); }
    void window();
    void controlBounds_data();
    void controlBounds();
    void fonts_data();
    void fonts();
    void headerSections();
    void startState();
    void tabMovesBetweenTheFieldsOnly();
    void storesNeverShow();
    void seventeenRowsFit_data();
    void seventeenRowsFit();
    void textsFit();

private:
    std::unique_ptr<FormFixture> f;
};

namespace {

QWidget* control(const QString& name)
{
    const QHash<QString, QWidget*> controls {
        {"GroupBox1", Form1->GroupBox1}, {"Memo1", Form1->Memo1}, {"Label1", Form1->Label1},
        {"Memo2", Form1->Memo2}, {"HeaderControl1", Form1->HeaderControl1}, {"ListBox1", Form1->ListBox1},
        {"GroupBox2", Form1->GroupBox2}, {"Label2", Form1->Label2}, {"FlatComboBox1", Form1->FlatComboBox1},
        {"ListBox2", Form1->ListBox2}, {"ListBox3", Form1->ListBox3}, {"HeaderControl2", Form1->HeaderControl2},
        {"ListBox4", Form1->ListBox4},
    };
    return controls.value(name);
}

} // namespace

void tst_MainWindow::window()
{
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Tunepack"));
    QCOMPARE(Form1->frameGeometry().size(), QSize(473, 340));
    QCOMPARE(Form1->Client()->geometry(), QRect(4, 23, 465, 313));
    // Centred on the screen
    QCOMPARE(Form1->frameGeometry().center(), Form1->screen()->availableGeometry().center());
    QCOMPARE(Application->Title(), QStringLiteral("tst_mainwindow"));
}

void tst_MainWindow::controlBounds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("bounds");
    QTest::newRow("GroupBox1") << "GroupBox1" << "" << QRect(15, 13, 99, 286);
    QTest::newRow("Memo1") << "Memo1" << "GroupBox1" << QRect(17, 25, 24, 15);
    QTest::newRow("Label1") << "Label1" << "GroupBox1" << QRect(48, 26, 6, 12);
    QTest::newRow("Memo2") << "Memo2" << "GroupBox1" << QRect(59, 25, 24, 15);
    QTest::newRow("HeaderControl1") << "HeaderControl1" << "GroupBox1" << QRect(17, 46, 66, 18);
    QTest::newRow("ListBox1") << "ListBox1" << "GroupBox1" << QRect(17, 63, 66, 204);
    QTest::newRow("GroupBox2") << "GroupBox2" << "" << QRect(121, 13, 329, 286);
    QTest::newRow("Label2") << "Label2" << "GroupBox2" << QRect(22, 26, 46, 12);
    QTest::newRow("FlatComboBox1") << "FlatComboBox1" << "GroupBox2" << QRect(71, 22, 43, 19);
    QTest::newRow("ListBox2") << "ListBox2" << "GroupBox2" << QRect(114, 16, 75, 25);
    QTest::newRow("ListBox3") << "ListBox3" << "GroupBox2" << QRect(192, 16, 120, 25);
    QTest::newRow("HeaderControl2") << "HeaderControl2" << "GroupBox2" << QRect(15, 46, 298, 18);
    QTest::newRow("ListBox4") << "ListBox4" << "GroupBox2" << QRect(15, 63, 298, 204);
}

void tst_MainWindow::controlBounds()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, bounds);
    QWidget* widget = control(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), parent.isEmpty() ? Form1->Client() : control(parent));
    QCOMPARE(widget->geometry(), bounds);
}

void tst_MainWindow::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("window") << "GroupBox1" << "IPAPGothic" << 12 << false;
    QTest::newRow("Memo1") << "Memo1" << "IPAPGothic" << 13 << true;
    QTest::newRow("Memo2") << "Memo2" << "IPAPGothic" << 13 << true;
    QTest::newRow("ListBox1 fixed pitch") << "ListBox1" << "IPAGothic" << 12 << false;
    QTest::newRow("ListBox4") << "ListBox4" << "IPAPGothic" << 12 << false;
    QTest::newRow("HeaderControl1") << "HeaderControl1" << "IPAPGothic" << 12 << false;
    QTest::newRow("FlatComboBox1") << "FlatComboBox1" << "IPAPGothic" << 13 << true;
}

void tst_MainWindow::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    const QFontInfo info(control(name)->font());
    QCOMPARE(info.family(), family);
    QCOMPARE(info.pixelSize(), pixelSize);
    QCOMPARE(info.bold(), bold);
}

void tst_MainWindow::headerSections()
{
    const auto texts = [](const THeaderControl* header) {
        QStringList out;
        for (const THeaderSection& s : header->Sections)
            out << QStringLiteral("%1/%2/%3").arg(s.Text).arg(s.Width).arg(s.Alignment & Qt::AlignHCenter ? "centre" : "left");
        return out;
    };
    QCOMPARE(texts(Form1->HeaderControl1), (QStringList {"№/24/left", " ﾀｲﾑ/50/left"}));
    QCOMPARE(texts(Form1->HeaderControl2), (QStringList {"合計ﾀｲﾑ/57/left", "選曲№/195/centre"}));
    QVERIFY(!Form1->HeaderControl1->isEnabled());
    QVERIFY(!Form1->HeaderControl2->isEnabled());
}

void tst_MainWindow::startState()
{
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
    QVERIFY(Form1->Memo1->hasFocus());
    for (const TListBox* list : {Form1->ListBox1, Form1->ListBox2, Form1->ListBox3, Form1->ListBox4})
        QCOMPARE(list->Items->Count(), 0);
    QCOMPARE(Form1->FlatComboBox1->Items->Count(), 0);
    QCOMPARE(Form1->FlatComboBox1->Text(), QString());
    QVERIFY(Form1->ListBox3->Items->Sorted());
    QVERIFY(!Form1->ListBox2->Items->Sorted());
    QVERIFY(!Form1->ListBox4->Items->Sorted());
}

void tst_MainWindow::tabMovesBetweenTheFieldsOnly()
{
    Form1->Memo1->SetText("12");
    Form1->Memo2->SetText("34");
    QWidget* window = Form1;

    FormFixture::press(window->focusWidget(), Qt::Key_Tab);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo2);
    QCOMPARE(Form1->Memo2->textCursor().selectedText(), QStringLiteral("34"));

    FormFixture::press(window->focusWidget(), Qt::Key_Tab);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);

    FormFixture::press(window->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo2);
    FormFixture::press(window->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(Form1->ActiveControl(), Form1->Memo1);
    QCOMPARE(Form1->Memo1->textCursor().selectedText(), QStringLiteral("12"));
}

void tst_MainWindow::storesNeverShow()
{
    for (int t = 0; t < 5; ++t)
        f->enterTrack(QString::number(t), "1");
    Form1->ListBox3->Items->Add("00:00:0101011");
    Form1->hide();
    Form1->show();
    QVERIFY(!Form1->ListBox2->isVisible());
    QVERIFY(!Form1->ListBox3->isVisible());
    QVERIFY(Form1->ListBox1->isVisible());
    QVERIFY(Form1->ListBox4->isVisible());
}

void tst_MainWindow::seventeenRowsFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("track list") << "ListBox1";
    QTest::newRow("result list") << "ListBox4";
}

void tst_MainWindow::seventeenRowsFit()
{
    QFETCH(QString, name);
    auto* list = static_cast<TListBox*>(control(name));
    for (int row = 0; row < 17; ++row)
        list->Items->Add(QStringLiteral("  00:00:%1   1").arg(row, 2, 10, QChar(u'0')));
    QCoreApplication::processEvents();
    QVERIFY(!list->verticalScrollBar()->isVisible());
    QCOMPARE(list->visualRect(list->Items->index(16)).bottom(), 203);

    list->Items->Add("  00:01:00   2");
    QCoreApplication::processEvents();
    QVERIFY(list->verticalScrollBar()->isVisible());
}

// Nothing is clipped, at any scale factor the tests run with.
void tst_MainWindow::textsFit()
{
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
    QCOMPARE(Form1->devicePixelRatioF(), scale.toDouble());

    const auto fits = [](const QWidget* w, const QString& text, int room) {
        const int needed = w->fontMetrics().horizontalAdvance(text);
        return needed <= room ? QString() : QStringLiteral("%1 needs %2 of %3").arg(text).arg(needed).arg(room);
    };
    QStringList clipped;
    clipped << fits(Form1->Label1, Form1->Label1->text(), Form1->Label1->width())
            << fits(Form1->Label2, Form1->Label2->text(), Form1->Label2->width())
            << fits(Form1->Memo1, "59", Form1->Memo1->width())
            << fits(Form1->FlatComboBox1, "17", Form1->FlatComboBox1->width() - 13)
            << fits(Form1->ListBox1, "17 _ 59:59", Form1->ListBox1->width() - 2);
    for (const THeaderControl* header : {Form1->HeaderControl1, Form1->HeaderControl2})
        for (const THeaderSection& s : header->Sections)
            clipped << fits(header, s.Text, s.Width);
    clipped.removeAll(QString());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("; ")));
    QVERIFY(Form1->Memo1->fontMetrics().tightBoundingRect("59").height() <= Form1->Memo1->height());
    QVERIFY(Form1->ListBox1->fontMetrics().tightBoundingRect("17 _ 59:59").height() <= Form1->ListBox1->ItemHeight());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

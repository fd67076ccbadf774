#include "DialogRecorder.h"
#include "Forms.h"
#include "Memo.h"
#include "SysUtils.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

// Sends a key as a desktop delivers it, with the text the platform puts in
// the event (QTest leaves it empty for Delete and puts the letter for Ctrl+V).
void desktopKey(QWidget* widget, Qt::Key key, QChar text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::sendKeyEvent(QTest::Press, widget, key, QString(text), modifiers);
    QTest::sendKeyEvent(QTest::Release, widget, key, QString(text), modifiers);
}

// Ctrl+V with the control character 0x16 as its text, as a desktop sends it;
// Ctrl+V with "v" as its text, as QTest sends it; or paste() called directly.
enum class Paste { DesktopShortcut, QTestShortcut, Call };
const char* const pasteNames[] = {"Ctrl+V", "Ctrl+V with text v", "paste()"};

// A shown form with one field; the key handlers it installs note what they see.
struct MemoForm {
    TForm form{473, 340};
    TMemo* memo = new TMemo(form.Client());
    QStringList trace;

    MemoForm() { memo->SetBounds(10, 10, 60, 40); }
    void setNumbersOnly()
    {
        memo->SetWindowStyle(memo->WindowStyle() | ES_NUMBER);
        QVERIFY(memo->NumbersOnly());
    }
    bool show()
    {
        form.show();
        return QTest::qWaitForWindowExposed(&form);
    }
    void traceKeys()
    {
        memo->OnKeyDown = [this](TObject*, Word& key, TShiftState) { trace << QStringLiteral("down %1").arg(key); };
        memo->OnKeyPress = [this](TObject*, QChar& key) { trace << QStringLiteral("press %1").arg(key.unicode()); };
    }
    void type(const QString& keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(memo, c.toLatin1());
    }
    void paste(Paste via)
    {
        if (via == Paste::DesktopShortcut)
            desktopKey(memo, Qt::Key_V, QChar(0x16), Qt::ControlModifier);
        else if (via == Paste::QTestShortcut)
            QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        else
            memo->paste();
    }
    // Puts the text in the field and selects from `from` to `to`.
    void setText(const QString& text, int from, int to)
    {
        memo->SetText(text);
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }
};

QString press(char c)
{
    return QStringLiteral("press %1").arg(int(c));
}

} // namespace

class tst_Memo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }

    void maxLengthLimitsTyping_data();
    void maxLengthLimitsTyping();
    void maxLengthTruncatesPaste_data();
    void maxLengthTruncatesPaste();
    void enterNeverBreaksTheLineWithoutWantReturns_data();
    void enterNeverBreaksTheLineWithoutWantReturns();
    void numbersOnlyRefusesTypedNonDigits_data();
    void numbersOnlyRefusesTypedNonDigits();
    void numbersOnlyDoesNotFilterPaste_data();
    void numbersOnlyDoesNotFilterPaste();
    void keyDownComesBeforeKeyPress();
    void deleteRaisesOnlyKeyDown();
    void zeroKeyConsumesTheKey_data();
    void zeroKeyConsumesTheKey();
    void handlerErrorIsShownAndTheKeyDropped_data();
    void handlerErrorIsShownAndTheKeyDropped();
};

void tst_Memo::maxLengthLimitsTyping_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selectFrom");
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");
    QTest::newRow("third character refused") << "" << 0 << 0 << "123" << "12";
    QTest::newRow("full field refuses") << "12" << 2 << 2 << "3" << "12";
    QTest::newRow("selected text is room") << "12" << 0 << 2 << "34" << "34";
    QTest::newRow("partly selected") << "12" << 1 << 2 << "34" << "13";
}

void tst_Memo::maxLengthLimitsTyping()
{
    QFETCH(QString, before);
    QFETCH(int, selectFrom);
    QFETCH(int, selectTo);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    MemoForm f;
    f.memo->MaxLength = 2;
    QVERIFY(f.show());
    f.setText(before, selectFrom, selectTo);
    f.type(keys);
    QCOMPARE(f.memo->Text(), after);
}

void tst_Memo::maxLengthTruncatesPaste_data()
{
    QTest::addColumn<int>("via");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selectFrom");
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("after");
    for (const Paste via : {Paste::DesktopShortcut, Paste::QTestShortcut, Paste::Call}) {
        const QByteArray name = pasteNames[int(via)];
        QTest::newRow("empty field, " + name) << int(via) << 2 << "" << 0 << 0 << "ab";
        QTest::newRow("room for one, " + name) << int(via) << 2 << "1" << 1 << 1 << "1a";
        QTest::newRow("full field, " + name) << int(via) << 2 << "12" << 2 << 2 << "12";
        QTest::newRow("selection is room, " + name) << int(via) << 2 << "12" << 0 << 2 << "ab";
        QTest::newRow("part selected, " + name) << int(via) << 2 << "12" << 0 << 1 << "a2";
        QTest::newRow("no limit, " + name) << int(via) << 0 << "1" << 1 << 1 << "1abcdef";
    }
}

void tst_Memo::maxLengthTruncatesPaste()
{
    QFETCH(int, via);
    QFETCH(int, maxLength);
    QFETCH(QString, before);
    QFETCH(int, selectFrom);
    QFETCH(int, selectTo);
    QFETCH(QString, after);
    MemoForm f;
    f.memo->MaxLength = maxLength;
    QVERIFY(f.show());
    f.setText(before, selectFrom, selectTo);
    QGuiApplication::clipboard()->setText(QStringLiteral("abcdef"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abcdef"));

    f.paste(Paste(via));
    QCOMPARE(f.memo->Text(), after);
}

void tst_Memo::enterNeverBreaksTheLineWithoutWantReturns_data()
{
    QTest::addColumn<bool>("wantReturns");
    QTest::addColumn<bool>("consume");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("breaks");
    const int none = int(Qt::NoModifier);
    QTest::newRow("Return") << false << false << int(Qt::Key_Return) << none << false;
    QTest::newRow("Return consumed by OnKeyPress") << false << true << int(Qt::Key_Return) << none << false;
    QTest::newRow("keypad Enter") << false << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
    QTest::newRow("Shift+Return") << false << false << int(Qt::Key_Return) << int(Qt::ShiftModifier) << false;
    QTest::newRow("WantReturns on") << true << false << int(Qt::Key_Return) << none << true;
}

void tst_Memo::enterNeverBreaksTheLineWithoutWantReturns()
{
    QFETCH(bool, wantReturns);
    QFETCH(bool, consume);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, breaks);
    MemoForm f;
    f.memo->WantReturns = wantReturns;
    QVERIFY(f.show());
    f.setText(QStringLiteral("12"), 1, 1);
    QStringList pressed;
    f.memo->OnKeyPress = [&](TObject*, QChar& c) {
        pressed << QString::number(c.unicode());
        if (consume)
            c = QChar(0);
    };

    QTest::keyClick(f.memo, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // Enter still reaches OnKeyPress, so the program can act on it.
    QCOMPARE(pressed.size(), 1);
    const QString text = f.memo->Text();
    QCOMPARE(text.contains(u'\n') || text.contains(QChar::LineSeparator) || text.contains(QChar::ParagraphSeparator)
                 || f.memo->document()->blockCount() > 1,
             breaks);
}

void tst_Memo::numbersOnlyRefusesTypedNonDigits_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");
    QTest::newRow("digits") << "0123456789" << "0123456789";
    QTest::newRow("letters") << "aZ" << "";
    QTest::newRow("blank") << " " << "";
    QTest::newRow("signs") << "-+" << "";
    QTest::newRow("mixed") << "1a2 -3" << "123";
}

void tst_Memo::numbersOnlyRefusesTypedNonDigits()
{
    QFETCH(QString, keys);
    QFETCH(QString, after);
    MemoForm f;
    f.setNumbersOnly();
    QVERIFY(f.show());
    f.type(keys);
    QCOMPARE(f.memo->Text(), after);
}

void tst_Memo::numbersOnlyDoesNotFilterPaste_data()
{
    QTest::addColumn<int>("via");
    for (const Paste via : {Paste::DesktopShortcut, Paste::QTestShortcut, Paste::Call})
        QTest::newRow(pasteNames[int(via)]) << int(via);
}

void tst_Memo::numbersOnlyDoesNotFilterPaste()
{
    QFETCH(int, via);
    MemoForm f;
    f.setNumbersOnly();
    QVERIFY(f.show());
    QGuiApplication::clipboard()->setText(QStringLiteral("a -1"));
    f.paste(Paste(via));
    QCOMPARE(f.memo->Text(), QStringLiteral("a -1"));
}

void tst_Memo::keyDownComesBeforeKeyPress()
{
    MemoForm f;
    f.traceKeys();
    QVERIFY(f.show());
    f.type(QStringLiteral("a7"));
    QCOMPARE(f.trace, (QStringList{"down 65", press('a'), "down 55", press('7')}));
    QCOMPARE(f.memo->Text(), QStringLiteral("a7"));
}

void tst_Memo::deleteRaisesOnlyKeyDown()
{
    MemoForm f;
    f.traceKeys();
    QVERIFY(f.show());
    f.setText(QStringLiteral("12"), 0, 0);
    desktopKey(f.memo, Qt::Key_Delete, QChar(0x7f));
    QCOMPARE(f.trace, QStringList{"down 46"});
    QCOMPARE(f.memo->Text(), QStringLiteral("2"));
}

void tst_Memo::zeroKeyConsumesTheKey_data()
{
    QTest::addColumn<bool>("inKeyDown");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("after");
    QTest::newRow("character in OnKeyPress") << false << int(Qt::Key_X) << "12";
    QTest::newRow("character in OnKeyDown") << true << int(Qt::Key_X) << "12";
    QTest::newRow("Delete in OnKeyDown") << true << int(Qt::Key_Delete) << "12";
}

void tst_Memo::zeroKeyConsumesTheKey()
{
    QFETCH(bool, inKeyDown);
    QFETCH(int, key);
    QFETCH(QString, after);
    MemoForm f;
    QVERIFY(f.show());
    f.setText(QStringLiteral("12"), 1, 1);
    int pressed = 0;
    if (inKeyDown) {
        f.memo->OnKeyDown = [](TObject*, Word& k, TShiftState) { k = 0; };
        f.memo->OnKeyPress = [&](TObject*, QChar&) { ++pressed; };
    } else {
        f.memo->OnKeyPress = [&](TObject*, QChar& c) {
            ++pressed;
            c = QChar(0);
        };
    }
    if (key == Qt::Key_Delete)
        desktopKey(f.memo, Qt::Key_Delete, QChar(0x7f));
    else
        QTest::keyClick(f.memo, Qt::Key(key));
    QCOMPARE(f.memo->Text(), after);
    QCOMPARE(pressed, inKeyDown ? 0 : 1);

    // Other keys still type.
    f.memo->OnKeyDown = nullptr;
    f.memo->OnKeyPress = nullptr;
    f.type(QStringLiteral("x"));
    QCOMPARE(f.memo->Text(), QStringLiteral("1x2"));
}

void tst_Memo::handlerErrorIsShownAndTheKeyDropped_data()
{
    QTest::addColumn<bool>("inKeyDown");
    QTest::newRow("OnKeyPress") << false;
    QTest::newRow("OnKeyDown") << true;
}

void tst_Memo::handlerErrorIsShownAndTheKeyDropped()
{
    QFETCH(bool, inKeyDown);
    DialogRecorder dialogs;
    MemoForm f;
    QVERIFY(f.show());
    f.setText(QStringLiteral("1"), 1, 1);
    const QString message = QStringLiteral("'1x' は整数ではありません");
    QStringList seen;
    f.memo->OnKeyDown = [&](TObject*, Word&, TShiftState) {
        seen << QStringLiteral("down");
        if (inKeyDown)
            throw EConvertError(message);
    };
    f.memo->OnKeyPress = [&](TObject*, QChar&) {
        seen << QStringLiteral("press");
        throw EConvertError(message);
    };

    f.type(QStringLiteral("x"));
    QCOMPARE(seen, inKeyDown ? QStringList{"down"} : (QStringList{"down", "press"}));
    QCOMPARE(dialogs.events, QStringList{QStringLiteral("error: ") + message + u'.'});
    QCOMPARE(f.memo->Text(), QStringLiteral("1"));
}

QTEST_MAIN(tst_Memo)
#include "tst_memo.moc"

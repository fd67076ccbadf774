// Thousands of random user actions on the real window, each checked against
// a small model of what the program must hold afterwards.
//
// TUNEPACK_RANDOM_SEED and TUNEPACK_RANDOM_STEPS run other seeds and more steps.
#include "FormFixture.h"
#include "ReferenceSearch.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QTest>
#include <QWindow>

#include <optional>
#include <random>

namespace {

// What the program must hold, written from its required behaviour.
struct Model {
    QStringList tracks;
    int selectedTrack = -1;
    int selectedResult = -1;
    QString face;
    QStringList results;
    TWinControl* focus = nullptr;
    bool rolledUp = false;
};

// Whole numbers as the fields are read: blanks, a sign, decimal or $/0x hexadecimal.
std::optional<qint64> readNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$')
        base = 16, ++i;
    else if (text.mid(i, 2).compare(QStringLiteral("0x"), Qt::CaseInsensitive) == 0)
        base = 16, i += 2;
    const QString digits = text.mid(i);
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        const bool ok = base == 10 ? (c >= u'0' && c <= u'9') : QStringLiteral("0123456789abcdefABCDEF").contains(c);
        if (!ok)
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok, base);
    return ok ? std::optional<qint64>(negative ? -value : value) : std::nullopt;
}

// A field text that reads as part of a time: blanks, then plain digits.
bool plainDigits(const QString& text)
{
    const QString trimmed = text.mid(text.size() - QString(text).remove(QRegularExpression("^ +")).size());
    return !trimmed.isEmpty() && std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

QStringList trackRows(const QStringList& tracks)
{
    QStringList rows;
    for (int t = 0; t < tracks.size(); ++t)
        rows << QStringLiteral("%1 _ %2").arg(t + 1, 2).arg(tracks[t].mid(3));
    return rows;
}

QStringList numbersUpTo(qsizetype n)
{
    QStringList out;
    for (int k = 1; k <= n; ++k)
        out << QString::number(k);
    return out;
}

const QStringList pastePool {" 5", "5 ", "-5", "+5", "$A", "0x1F", "a", "5\n", "\n", "５", "１２", "\t3", "", " ",
                             "99", "60", "07", "-", "$", "12345678901234567890", "00:07:05", "ab"};

enum class Action {
    TypeDigit, TypeOther, Paste, Enter, Tab, BackTab, Delete, Backspace,
    ClickTrackRow, ClickResultRow, ClickField, Pick, OpenAndClose, DoubleClickFrame,
};

const char* actionName(Action a)
{
    static const char* names[] = {"type digit", "type other", "paste", "enter", "tab", "backtab", "delete",
                                  "backspace", "click track row", "click result row", "click field", "pick",
                                  "open and close chooser", "double click frame"};
    return names[int(a)];
}

} // namespace

class tst_RandomUse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Application->Initialize(); }
    void randomActions();

private:
    void act(Action action);
    void enterMinutes();
    void enterSeconds();
    void rebuild();
    void message(const QString& text);
    void error(const QString& text);
    QString check() const;

    std::mt19937 random;
    std::unique_ptr<FormFixture> f;
    Model model;
    QStringList expectedEvents;

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
    TMemo* focusedField() const { return dynamic_cast<TMemo*>(Form1->ActiveControl()); }
};

void tst_RandomUse::message(const QString& text)
{
    expectedEvents << "beep" << "message: " + text;
}

void tst_RandomUse::error(const QString& text)
{
    expectedEvents << "error: " + text + ".";
}

void tst_RandomUse::rebuild()
{
    model.selectedTrack = -1;
    model.focus = Form1->Memo1;
}

void tst_RandomUse::enterMinutes()
{
    const QString minutes = Form1->Memo1->Text();
    if (!minutes.isEmpty()) {
        const auto value = readNumber(minutes);
        if (!value)
            return error(QStringLiteral("'%1' は整数ではありません").arg(minutes));
        if (*value < 60) {
            model.focus = Form1->Memo2;
            return;
        }
    }
    message(QStringLiteral("0から59までの数値を入力してください"));
}

void tst_RandomUse::enterSeconds()
{
    const QString minutes = Form1->Memo1->Text(), seconds = Form1->Memo2->Text();
    const QString range = QStringLiteral("0から59までの数値を入力してください");
    if (minutes.isEmpty()) {
        message(QStringLiteral("分を入力してください"));
        model.focus = Form1->Memo1;
        return;
    }
    const auto m = readNumber(minutes);
    if (!m)
        return error(QStringLiteral("'%1' は整数ではありません").arg(minutes));
    if (*m > 59) {
        message(range);
        model.focus = Form1->Memo1;
        return;
    }
    if (seconds.isEmpty())
        return message(QStringLiteral("秒を入力してください"));
    const auto s = readNumber(seconds);
    if (!s)
        return error(QStringLiteral("'%1' は整数ではありません").arg(seconds));
    if (*s > 59)
        return message(range);
    if (!plainDigits(minutes) || !plainDigits(seconds))
        return error(QStringLiteral("'00:%1:%2' は時刻ではありません").arg(minutes, seconds));
    if (model.selectedTrack == -1 && model.tracks.size() >= 17) {
        message(QStringLiteral("入力できる曲数は17までです"));
        model.focus = Form1->Memo1;
        return;
    }
    const QString track = "00:" + twoDigits(*m) + ":" + twoDigits(*s);
    if (model.selectedTrack == -1)
        model.tracks << track;
    else
        model.tracks[model.selectedTrack] = track;
    rebuild();
}

void tst_RandomUse::act(Action action)
{
    TMemo* field = focusedField();
    QWindow* window = Form1->windowHandle();
    switch (action) {
    case Action::TypeDigit:
        QTest::keyClick(field, char('0' + pick(10)));
        break;
    case Action::TypeOther:
        QTest::keyClick(field, "a-+ $x"[pick(6)]);
        break;
    case Action::Paste:
        QGuiApplication::clipboard()->setText(pastePool[pick(int(pastePool.size()))]);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        break;
    case Action::Enter:
        if (field == Form1->Memo1)
            enterMinutes();
        else
            enterSeconds();
        QTest::keyClick(field, Qt::Key_Return);
        break;
    case Action::Tab:
    case Action::BackTab:
        model.focus = field == Form1->Memo1 ? static_cast<TWinControl*>(Form1->Memo2) : Form1->Memo1;
        QTest::keyClick(field, action == Action::Tab ? Qt::Key_Tab : Qt::Key_Backtab);
        break;
    case Action::Delete:
        if (Form1->Memo1->Text().isEmpty() || Form1->Memo2->Text().isEmpty()) {
            if (model.selectedTrack >= 0)
                model.tracks.removeAt(model.selectedTrack);
            rebuild();
        }
        QTest::keyClick(field, Qt::Key_Delete);
        break;
    case Action::Backspace:
        QTest::keyClick(field, Qt::Key_Backspace);
        break;
    case Action::ClickTrackRow: {
        const int row = pick(int(model.tracks.size()));
        model.selectedTrack = row;
        model.selectedResult = -1;
        model.focus = Form1->Memo1;
        FormFixture::clickRow(Form1->ListBox1, row);
        break;
    }
    case Action::ClickResultRow: {
        model.selectedResult = pick(int(std::min<qsizetype>(model.results.size(), 17)));
        model.focus = Form1->ListBox4;
        FormFixture::clickRow(Form1->ListBox4, model.selectedResult);
        break;
    }
    case Action::ClickField: {
        TMemo* target = pick(2) ? Form1->Memo1 : Form1->Memo2;
        model.focus = target;
        model.selectedResult = -1;
        QTest::mouseClick(target->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
        break;
    }
    case Action::Pick:
    case Action::OpenAndClose: {
        model.selectedTrack = -1;
        model.focus = Form1->Memo1;
        FormFixture::pressChooser();
        if (action == Action::Pick && !model.tracks.isEmpty()) {
            const int k = 1 + pick(int(model.tracks.size()));
            model.face = QString::number(k);
            model.results = expectedRows(model.tracks, int(model.tracks.size()), k).listing;
            model.selectedResult = -1;
            FormFixture::clickItem(k - 1);
        } else {
            QTest::keyClick(Form1->FlatComboBox1->DropDownWindow()->windowHandle(), Qt::Key_Escape);
        }
        break;
    }
    case Action::DoubleClickFrame:
        model.rolledUp = !model.rolledUp;
        QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(100 + pick(200), 12));
        break;
    }
}

QString tst_RandomUse::check() const
{
    const QStringList stored = FormFixture::items(Form1->ListBox2->Items);
    static const QRegularExpression trackTime("^00:[0-5][0-9]:[0-5][0-9]$");
    for (const QString& track : stored)
        if (!trackTime.match(track).hasMatch())
            return "malformed track " + track;
    if (stored != model.tracks)
        return "tracks " + stored.join(' ') + " expected " + model.tracks.join(' ');
    if (FormFixture::items(Form1->ListBox1->Items) != trackRows(model.tracks))
        return "track rows differ";
    if (FormFixture::items(Form1->FlatComboBox1->Items) != numbersUpTo(model.tracks.size()))
        return "chooser items differ";
    if (Form1->ListBox1->ItemIndex() != model.selectedTrack)
        return QStringLiteral("track selection %1 expected %2").arg(Form1->ListBox1->ItemIndex()).arg(model.selectedTrack);
    if (Form1->FlatComboBox1->Text() != model.face)
        return "chooser shows " + Form1->FlatComboBox1->Text() + " expected " + model.face;
    if (FormFixture::items(Form1->ListBox4->Items) != model.results)
        return "result list differs";
    if (Form1->ListBox4->ItemIndex() != model.selectedResult)
        return QStringLiteral("result selection %1 expected %2").arg(Form1->ListBox4->ItemIndex()).arg(model.selectedResult);
    if (Form1->ActiveControl() != model.focus)
        return "focus is elsewhere";
    if (Form1->Memo1->Text().size() > 2 || Form1->Memo2->Text().size() > 2)
        return "a field holds more than two characters";
    if (Form1->ClientHeight() != (model.rolledUp ? 0 : 313))
        return "client height " + QString::number(Form1->ClientHeight());
    if (f->dialogs.events != expectedEvents)
        return "boxes " + f->dialogs.events.join(" | ") + " expected " + expectedEvents.join(" | ");
    if (Screen->Cursor() != crDefault)
        return "cursor not restored";
    return {};
}

void tst_RandomUse::randomActions()
{
    const unsigned seed = qEnvironmentVariableIsSet("TUNEPACK_RANDOM_SEED")
        ? qEnvironmentVariableIntValue("TUNEPACK_RANDOM_SEED") : 1u;
    const int steps = qEnvironmentVariableIsSet("TUNEPACK_RANDOM_STEPS")
        ? qEnvironmentVariableIntValue("TUNEPACK_RANDOM_STEPS") : 3000;
    random.seed(seed);
    f = std::make_unique<FormFixture>();
    model.focus = Form1->Memo1;

    // Typing and Enter dominate, so that the store fills up to its limit now and then.
    const std::vector<std::pair<Action, int>> weights {
        {Action::TypeDigit, 30}, {Action::TypeOther, 3}, {Action::Paste, 4}, {Action::Enter, 18},
        {Action::Tab, 3}, {Action::BackTab, 2}, {Action::Delete, 5}, {Action::Backspace, 3},
        {Action::ClickTrackRow, 6}, {Action::ClickResultRow, 2}, {Action::ClickField, 3}, {Action::Pick, 3},
        {Action::OpenAndClose, 2}, {Action::DoubleClickFrame, 2},
    };
    std::vector<int> weightOnly;
    for (const auto& w : weights)
        weightOnly.push_back(w.second);
    std::discrete_distribution<int> choose(weightOnly.begin(), weightOnly.end());

    int reachedLimit = 0;
    for (int step = 0; step < steps; ++step) {
        Action action = weights[size_t(choose(random))].first;
        const bool inField = focusedField() != nullptr;
        const bool keyboard = action <= Action::Backspace;
        // A user cannot click what the rolled-up window hides, nor type into a list.
        if ((model.rolledUp && !keyboard && action != Action::DoubleClickFrame) || (!inField && keyboard)
            || (action == Action::ClickTrackRow && model.tracks.isEmpty())
            || (action == Action::ClickResultRow && model.results.isEmpty()))
            action = model.rolledUp ? Action::DoubleClickFrame : Action::ClickField;
        expectedEvents.clear();
        f->dialogs.events.clear();
        act(action);
        reachedLimit += model.tracks.size() == 17;
        const QString fault = check();
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1, step %2 (%3): %4")
                                                  .arg(seed).arg(step).arg(actionName(action), fault)));
    }
    qInfo("seed %u, %d steps, %d with 17 tracks", seed, steps, reachedLimit);
    f.reset();
}

QTEST_MAIN(tst_RandomUse)
#include "tst_randomuse.moc"

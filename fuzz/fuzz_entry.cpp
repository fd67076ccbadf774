// Fuzzes the whole entry path of the two time fields of the main window.
//
// One QApplication (offscreen) and one main form live for the whole run. Each
// input is
//   byte 0   flags: bit 0 presses Enter in the minutes field first; bit 1 reads
//            the text as UTF-16 (else UTF-8); bit 2 pastes the two texts with
//            Ctrl+V (else puts them in with SetText, which no length limit
//            stops)
//   byte 1   how many tracks the store holds before, modulo 18 (so the
//            17-track limit is reached as often as any other count)
//   byte 2   where the text is split into minutes and seconds (modulo its
//            length + 1, in UTF-16 units)
//   rest     the text
// Missing bytes count as 0. After Enter in the seconds field the fuzzer checks
//  - the store holds at most 17 texts, each a track time "00:MM:SS";
//  - a text was added only when Enter showed no box at all;
//  - every box shown is one of the program's input messages or a conversion
//    error ("'<text>' は整数ではありません." / "'<text>' は時刻ではありません.");
//  - and, more strictly, that beeps, boxes, the added text and the cleared
//    fields are exactly those that follow from the fields' texts, worked out
//    with the independent readings of reference.h.
// A violation prints the input's story and traps.
#include "Dialogs.h"
#include "Forms.h"
#include "SysUtils.h"
#include "Unit1.h"
#include "reference.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

// Records the beeps and boxes instead of showing them.
class Recorder : public TDialogPresenter {
public:
    void Beep() override { events << QStringLiteral("beep"); }
    void ShowMessage(const QString& text) override { events << QStringLiteral("message: ") + text; }
    void ShowError(const QString& text) override { events << QStringLiteral("error: ") + text; }

    QStringList events;
};

Recorder* recorder = nullptr;

const QString outOfRange = QStringLiteral("0から59までの数値を入力してください");
const QString noMinutes = QStringLiteral("分を入力してください");
const QString noSeconds = QStringLiteral("秒を入力してください");
const QString trackLimit = QStringLiteral("入力できる曲数は17までです");

QString notAnInteger(const QString& text)
{
    return QStringLiteral("error: '") + text + QStringLiteral("' は整数ではありません.");
}

QString notATime(const QString& text)
{
    return QStringLiteral("error: '") + text + QStringLiteral("' は時刻ではありません.");
}

QString message(const QString& text)
{
    return QStringLiteral("message: ") + text;
}

// What the fuzzer did with the current input, printed when a check fails.
std::string story;

// How often each outcome of Enter in the seconds field came up; printed at the
// end when TUNEPACK_FUZZ_TALLY is set (e.g. with -runs=0 over a corpus, to see
// which paths it reaches).
std::map<std::string, long> tally;

std::string list(const QStringList& texts)
{
    std::string out = "[";
    for (qsizetype i = 0; i < texts.size(); ++i)
        out += (i ? ", \"" : "\"") + reference::escaped(texts[i]) + "\"";
    return out + "]";
}

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "\n*** entry check failed: %s\n%s", what.c_str(), story.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

QStringList storeItems()
{
    QStringList out;
    const TStrings* store = Form1->ListBox2->Items;
    for (int i = 0; i < store->Count(); ++i)
        out << store->Strings(i);
    return out;
}

// Whether a recorded event is one the entry path may show at all.
bool allowedEvent(const QString& event)
{
    if (event == QStringLiteral("beep"))
        return true;
    for (const QString& text : {outOfRange, noMinutes, noSeconds, trackLimit})
        if (event == message(text))
            return true;
    const QString open = QStringLiteral("error: '");
    for (const QString& tail : {QStringLiteral("' は整数ではありません."), QStringLiteral("' は時刻ではありません.")})
        if (event.startsWith(open) && event.endsWith(tail) && event.size() >= open.size() + tail.size())
            return true;
    return false;
}

// Enter in the minutes field: the events it should record.
QStringList expectedMinutesEnter(const QString& minutes)
{
    if (!minutes.isEmpty()) {
        const std::optional<std::int32_t> value = reference::StrToInt(minutes);
        if (!value)
            return {notAnInteger(minutes)};
        if (*value < 60)
            return {};
    }
    return {QStringLiteral("beep"), message(outOfRange)};
}

struct SecondsOutcome {
    QStringList events;
    QString added;       // the stored text, or empty when nothing is stored
    bool cleared = false; // both fields emptied
};

// Enter in the seconds field.
SecondsOutcome expectedSecondsEnter(const QString& minutes, const QString& seconds, int tracks)
{
    const QString beep = QStringLiteral("beep");
    if (minutes.isEmpty())
        return {{beep, message(noMinutes)}, {}, false};
    const std::optional<std::int32_t> m = reference::StrToInt(minutes);
    if (!m)
        return {{notAnInteger(minutes)}, {}, false};
    if (*m > 59)
        return {{beep, message(outOfRange)}, {}, false};
    if (seconds.isEmpty())
        return {{beep, message(noSeconds)}, {}, false};
    const std::optional<std::int32_t> s = reference::StrToInt(seconds);
    if (!s)
        return {{notAnInteger(seconds)}, {}, false};
    if (*s > 59)
        return {{beep, message(outOfRange)}, {}, false};
    const QString joined = QStringLiteral("00:") + minutes + u':' + seconds;
    const std::optional<int> time = reference::StrToTime(joined);
    if (!time)
        return {{notATime(joined)}, {}, false};
    if (tracks >= MaxTracks)
        return {{beep, message(trackLimit)}, {}, true};
    const QString added = QString::asprintf("00:%02d:%02d", *time / 60 % 60, *time % 60);
    return {{}, added, true};
}

void putText(TMemo* field, const QString& text, bool paste)
{
    if (!paste) {
        field->SetText(text);
        return;
    }
    field->Clear();
    QGuiApplication::clipboard()->setText(text);
    field->SetFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

std::string fields()
{
    return "minutes field \"" + reference::escaped(Form1->Memo1->Text()) + "\", seconds field \""
        + reference::escaped(Form1->Memo2->Text()) + "\"";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Qt takes the options it knows out of the argument list, so it gets a
    // list of its own with only the program name; libFuzzer's options stay.
    (void)argc;
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* const app = new QApplication(qtArgc, qtArgv);
    (void)app;

    Application->Initialize();
    recorder = new Recorder;
    SetDialogPresenter(recorder);
    Application->CreateForm(Form1);
    Form1->show();
    if (!QTest::qWaitForWindowExposed(Form1)) {
        std::fprintf(stderr, "the main window was never shown\n");
        std::abort();
    }
    if (!recorder->events.isEmpty()) {
        std::fprintf(stderr, "starting the program showed %s\n", list(recorder->events).c_str());
        std::abort();
    }
    // libFuzzer ends with exit(). The form must go while Qt is still whole:
    // left to the application object's own static destructor it would be
    // destroyed after Qt's global objects (accessibility among them) and crash.
    // Registered after QApplication made those, so it runs before them. The
    // QApplication itself stays: some of Qt's global objects are made later,
    // by the first key event, and are gone by then.
    std::atexit([] {
        if (qEnvironmentVariableIsSet("TUNEPACK_FUZZ_TALLY"))
            for (const auto& [outcome, count] : tally)
                std::fprintf(stderr, "outcome %8ld  %s\n", count, outcome.c_str());
        Application->DestroyMainForm();
        Form1 = nullptr;
        SetDialogPresenter(nullptr);
        delete recorder;
        recorder = nullptr;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::uint8_t flags = size > 0 ? data[0] : 0;
    const int tracksBefore = (size > 1 ? data[1] : 0) % (MaxTracks + 1);
    const std::uint8_t splitByte = size > 2 ? data[2] : 0;
    const char* payload = reinterpret_cast<const char*>(data) + std::min<std::size_t>(size, 3);
    const std::size_t payloadSize = size > 3 ? size - 3 : 0;
    const bool minutesEnterFirst = flags & 1;
    const bool utf16 = flags & 2;
    const bool paste = flags & 4;

    QString text;
    if (utf16) {
        std::u16string units(payloadSize / 2, u'\0');
        if (!units.empty())
            std::memcpy(units.data(), payload, units.size() * 2);
        text = QString::fromUtf16(units.data(), qsizetype(units.size()));
    } else {
        text = QString::fromUtf8(payload, qsizetype(payloadSize));
    }
    const qsizetype cut = splitByte % (text.size() + 1);
    const QString minutesIn = text.left(cut);
    const QString secondsIn = text.mid(cut);

    // The store as the input asks for it; the list rows are rebuilt by the
    // program itself on the next stored track.
    TStrings* store = Form1->ListBox2->Items;
    store->Clear();
    for (int k = 0; k < tracksBefore; ++k)
        store->Add(FormatDateTime(QStringLiteral("hh:nn:ss"), TTime {(k * 367) % 3600}));
    Form1->ListBox1->SetItemIndex(-1);
    recorder->events.clear();

    story = "    flags " + std::to_string(flags) + (minutesEnterFirst ? " (Enter in minutes first)" : "")
        + (utf16 ? " (UTF-16)" : " (UTF-8)") + (paste ? " (pasted)" : " (SetText)") + "; "
        + std::to_string(tracksBefore) + " tracks before\n    minutes \"" + reference::escaped(minutesIn)
        + "\", seconds \"" + reference::escaped(secondsIn) + "\"\n";

    putText(Form1->Memo1, minutesIn, paste);
    putText(Form1->Memo2, secondsIn, paste);
    const QString minutes = Form1->Memo1->Text();
    const QString seconds = Form1->Memo2->Text();
    story += "    fields hold: minutes \"" + reference::escaped(minutes) + "\", seconds \""
        + reference::escaped(seconds) + "\"\n";
    if (!recorder->events.isEmpty())
        fail("putting text into the fields showed " + list(recorder->events));
    if (paste) {
        if (minutes.size() > Form1->Memo1->MaxLength || seconds.size() > Form1->Memo2->MaxLength)
            fail("a paste put more characters into a field than its MaxLength");
        // Printable ASCII goes in as it is, cut to the field's length (this
        // also shows that the clipboard works on this platform).
        const auto printable = [](const QString& t) {
            return std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u' ' && c < QChar(0x7f); });
        };
        if (printable(minutesIn) && minutes != minutesIn.left(Form1->Memo1->MaxLength))
            fail("pasting printable text into the minutes field gave \"" + reference::escaped(minutes) + "\"");
        if (printable(secondsIn) && seconds != secondsIn.left(Form1->Memo2->MaxLength))
            fail("pasting printable text into the seconds field gave \"" + reference::escaped(seconds) + "\"");
    }

    const QStringList before = storeItems();

    if (minutesEnterFirst) {
        Form1->Memo1->SetFocus();
        QTest::keyClick(Form1->Memo1, Qt::Key_Return);
        const QStringList shown = recorder->events;
        story += "    Enter in minutes showed " + list(shown) + "\n";
        for (const QString& event : shown)
            if (!allowedEvent(event))
                fail("Enter in the minutes field showed an unexpected box: " + list({event}));
        const QStringList expected = expectedMinutesEnter(minutes);
        if (shown != expected)
            fail("Enter in the minutes field showed " + list(shown) + ", expected " + list(expected));
        if (expected.isEmpty() && Form1->ActiveControl() != Form1->Memo2)
            fail("accepted minutes did not move the focus to the seconds field");
        if (Form1->Memo1->Text() != minutes || Form1->Memo2->Text() != seconds)
            fail("Enter in the minutes field changed a field: " + fields());
        if (storeItems() != before)
            fail("Enter in the minutes field changed the store: " + list(storeItems()));
        recorder->events.clear();
    }

    Form1->Memo2->SetFocus();
    QTest::keyClick(Form1->Memo2, Qt::Key_Return);
    const QStringList shown = recorder->events;
    const QStringList after = storeItems();
    story += "    Enter in seconds showed " + list(shown) + "\n    store before " + list(before) + "\n    store after "
        + list(after) + "\n";

    // The rules any outcome keeps.
    if (after.size() > MaxTracks)
        fail("the store holds more than 17 tracks");
    for (const QString& item : after)
        if (!reference::isTrackTime(item))
            fail("the store holds a text that is not a track time: \"" + reference::escaped(item) + "\"");
    if (after.size() > before.size() && !shown.isEmpty())
        fail("a track was stored although Enter showed " + list(shown));
    for (const QString& event : shown)
        if (!allowedEvent(event))
            fail("Enter in the seconds field showed an unexpected box: " + list({event}));

    // The exact outcome for these texts.
    const SecondsOutcome expected = expectedSecondsEnter(minutes, seconds, int(before.size()));
    {
        QString outcome = expected.added.isEmpty() ? expected.events.value(expected.events.size() - 1) : QStringLiteral("stored");
        if (outcome.startsWith(QStringLiteral("error: ")))
            outcome = outcome.endsWith(QStringLiteral("整数ではありません.")) ? QStringLiteral("error: not an integer")
                                                                            : QStringLiteral("error: not a time");
        ++tally[outcome.toStdString() + (minutesEnterFirst ? " (after Enter in minutes)" : "") + (paste ? " (pasted)" : "")];
    }
    if (shown != expected.events)
        fail("Enter in the seconds field showed " + list(shown) + ", expected " + list(expected.events));
    QStringList expectedStore = before;
    if (!expected.added.isEmpty())
        expectedStore << expected.added;
    if (after != expectedStore)
        fail("the store should be " + list(expectedStore));
    const bool cleared = Form1->Memo1->Text().isEmpty() && Form1->Memo2->Text().isEmpty();
    if (expected.cleared && !cleared)
        fail("the fields should have been emptied: " + fields());
    if (!expected.cleared && (Form1->Memo1->Text() != minutes || Form1->Memo2->Text() != seconds))
        fail("a refused entry changed a field: " + fields());
    if (expected.cleared && Form1->ActiveControl() != Form1->Memo1)
        fail("after the entry the focus is not back in the minutes field");
    if (!expected.added.isEmpty()) {
        // The numbered rows of the track list follow the store.
        const TStrings* rows = Form1->ListBox1->Items;
        if (rows->Count() != after.size())
            fail("the track list has " + std::to_string(rows->Count()) + " rows for " + std::to_string(after.size())
                 + " tracks");
        for (int k = 0; k < rows->Count(); ++k) {
            const QString row = QStringLiteral("%1 _ %2").arg(k + 1, 2).arg(after[k].mid(3, 5));
            if (rows->Strings(k) != row)
                fail("track list row " + std::to_string(k) + " is \"" + reference::escaped(rows->Strings(k))
                     + "\", expected \"" + reference::escaped(row) + "\"");
        }
    }

    // Let the window repaint and run whatever the entry posted.
    QCoreApplication::processEvents();
    if (recorder->events != shown)
        fail("the posted events showed " + list(recorder->events.mid(shown.size())));
    return 0;
}

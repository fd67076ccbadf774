// Fuzzes the text conversions: StrToInt, StrToTime and FormatDateTime.
//
// The input bytes are read as UTF-8 and, when their count is even, also as
// UTF-16. For each text:
//  - StrToInt returns the value the independent reading in reference.h gives,
//    or raises EConvertError with exactly "'<text>' は整数ではありません"
//    when that reading refuses the text; a returned value also reads back from
//    IntToStr;
//  - StrToTime returns the seconds (0..86399) the independent reading gives, or
//    raises EConvertError with exactly "'<text>' は時刻ではありません";
//  - FormatDateTime("hh:nn:ss") of a returned time is an 8-character time that
//    reads back to the same seconds;
//  - no other exception leaves either conversion.
// A violation prints what went wrong and traps, which libFuzzer reports as a
// crash with the input saved.
#include "SysUtils.h"
#include "reference.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const QString& text, const std::string& detail = {})
{
    std::fprintf(stderr, "\n*** conversion check failed: %s\n    text: \"%s\"\n", what, reference::escaped(text).c_str());
    if (!detail.empty())
        std::fprintf(stderr, "    %s\n", detail.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

void checkInteger(const QString& text)
{
    const std::optional<std::int32_t> expected = reference::StrToInt(text);
    const QString refusal = QStringLiteral("'") + text + QStringLiteral("' は整数ではありません");
    try {
        const int value = StrToInt(text);
        if (!expected)
            fail("StrToInt accepted a text that is not an integer", text, "returned " + std::to_string(value));
        if (value != *expected)
            fail("StrToInt returned another value", text,
                 "returned " + std::to_string(value) + ", expected " + std::to_string(*expected));
        // The decimal text of any value reads back as the same value.
        const QString decimal = IntToStr(value);
        const std::optional<std::int32_t> again = reference::StrToInt(decimal);
        if (!again || *again != value || StrToInt(decimal) != value)
            fail("IntToStr of a value does not read back", decimal, "value " + std::to_string(value));
    } catch (const EConvertError& error) {
        if (expected)
            fail("StrToInt refused an integer", text, "expected " + std::to_string(*expected));
        if (error.Message() != refusal)
            fail("StrToInt's refusal has another message", text,
                 "message: \"" + reference::escaped(error.Message()) + "\"");
    } catch (const std::exception& error) {
        fail("StrToInt raised another exception type", text, std::string("what(): ") + error.what());
    } catch (...) {
        fail("StrToInt raised something that is not a std::exception", text);
    }
}

void checkTime(const QString& text)
{
    const std::optional<int> expected = reference::StrToTime(text);
    const QString refusal = QStringLiteral("'") + text + QStringLiteral("' は時刻ではありません");
    TTime time;
    try {
        time = StrToTime(text);
    } catch (const EConvertError& error) {
        if (expected)
            fail("StrToTime refused a time", text, "expected " + std::to_string(*expected) + " s");
        if (error.Message() != refusal)
            fail("StrToTime's refusal has another message", text,
                 "message: \"" + reference::escaped(error.Message()) + "\"");
        return;
    } catch (const std::exception& error) {
        fail("StrToTime raised another exception type", text, std::string("what(): ") + error.what());
    } catch (...) {
        fail("StrToTime raised something that is not a std::exception", text);
    }

    if (!expected)
        fail("StrToTime accepted a text that is not a time", text, "returned " + std::to_string(time.Seconds) + " s");
    if (time.Seconds < 0 || time.Seconds > 86399)
        fail("StrToTime returned seconds outside one day", text, std::to_string(time.Seconds) + " s");
    if (time.Seconds != *expected)
        fail("StrToTime returned other seconds", text,
             "returned " + std::to_string(time.Seconds) + ", expected " + std::to_string(*expected));

    for (const QString& pattern : {QStringLiteral("hh:nn:ss"), QStringLiteral("hh:mm:ss")}) {
        const QString formatted = FormatDateTime(pattern, time);
        const std::string detail = "FormatDateTime(\"" + pattern.toStdString() + "\") gave \""
            + reference::escaped(formatted) + "\" for " + std::to_string(time.Seconds) + " s";
        if (formatted.size() != 8 || formatted[2] != u':' || formatted[5] != u':')
            fail("a formatted time is not hh:nn:ss", text, detail);
        const std::optional<int> readBack = reference::StrToTime(formatted);
        if (!readBack || *readBack != time.Seconds)
            fail("a formatted time does not read back (reference reading)", text, detail);
        try {
            if (StrToTime(formatted).Seconds != time.Seconds)
                fail("a formatted time does not read back (StrToTime)", text, detail);
        } catch (const std::exception& error) {
            fail("StrToTime refused a formatted time", text, detail + "; " + error.what());
        }
    }
}

void check(const QString& text)
{
    checkInteger(text);
    checkTime(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    check(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (size % 2 == 0) {
        std::u16string units(size / 2, u'\0');
        if (size > 0)
            std::memcpy(units.data(), data, size);
        check(QString::fromUtf16(units.data(), qsizetype(units.size())));
    }
    return 0;
}

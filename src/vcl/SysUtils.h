#pragma once
// Exceptions and the text conversions that the program's units use.
#include <QString>
#include <exception>
#include <initializer_list>
#include <variant>

class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that does not read as a number or a time.
class EConvertError : public Exception {
    using Exception::Exception;
};

// A list control that cannot take another row.
class EOutOfResources : public Exception {
    using Exception::Exception;
};

// A list read at an index it does not have.
class EStringListError : public Exception {
    using Exception::Exception;
};

// Fills %s, %d and %.Nd (at least N digits, zero-padded) from the arguments in order.
using FormatArg = std::variant<int, QString>;
QString Format(const QString& pattern, std::initializer_list<FormatArg> args);

QString IntToStr(int value);

// Leading blanks, an optional sign, then decimal digits or a hexadecimal
// number written with "$" or "0x". Anything else raises EConvertError.
int StrToInt(const QString& text);

// A time of day, held in whole seconds since midnight: every time the
// program handles is a whole number of seconds.
struct TTime {
    int Seconds = 0;
    friend TTime operator+(TTime a, TTime b) { return {a.Seconds + b.Seconds}; }
    friend bool operator==(TTime, TTime) = default;
};

// Hours, minutes and seconds, each one or more digits after optional blanks,
// joined by ":"; hours below 24, minutes and seconds below 60; nothing may
// follow. The separator is always ":", whatever the locale says.
TTime StrToTime(const QString& text);

// Formats a time of day: "hh" hours, "nn" or "mm" minutes, "ss" seconds, each
// two digits; every other character stands for itself.
QString FormatDateTime(const QString& pattern, TTime time);

#include "SysUtils.h"

#include <limits>

Exception::Exception(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

QString Format(const QString& pattern, std::initializer_list<FormatArg> args)
{
    QString out;
    auto arg = args.begin();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'%' || i + 1 >= pattern.size()) {
            out += pattern[i];
            continue;
        }
        qsizetype j = i + 1;
        int precision = 0;
        if (pattern[j] == u'.') {
            while (++j < pattern.size() && pattern[j].isDigit())
                precision = precision * 10 + pattern[j].digitValue();
        }
        if (j >= pattern.size() || arg == args.end()) {
            out += pattern[i];
            continue;
        }
        if (pattern[j] == u'd' && std::holds_alternative<int>(*arg)) {
            const int value = std::get<int>(*arg);
            const QString digits = QString::number(value < 0 ? -qint64(value) : qint64(value));
            out += (value < 0 ? QStringLiteral("-") : QString()) + digits.rightJustified(precision, u'0');
        } else if (pattern[j] == u's' && std::holds_alternative<QString>(*arg)) {
            out += std::get<QString>(*arg);
        } else {
            out += pattern[i];
            continue;
        }
        ++arg;
        i = j;
    }
    return out;
}

QString IntToStr(int value)
{
    return QString::number(value);
}

namespace {

[[noreturn]] void notAnInteger(const QString& text)
{
    throw EConvertError(Format(QStringLiteral("'%s' は整数ではありません"), {text}));
}

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

} // namespace

int StrToInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        notAnInteger(text);

    // Hexadecimal numbers cover the full 32 bits and wrap into the negative
    // range ($FFFFFFFF is -1); decimal ones must fit a signed 32-bit number.
    const qint64 limit = base == 16 ? qint64(std::numeric_limits<quint32>::max())
                                    : qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const int digit = base == 16 ? hexDigit(text[i]) : (text[i] >= u'0' && text[i] <= u'9' ? text[i].unicode() - u'0' : -1);
        if (digit < 0)
            notAnInteger(text);
        value = value * base + digit;
        if (value > limit)
            notAnInteger(text);
    }
    if (negative)
        value = -value;
    return base == 16 ? int(quint32(value)) : int(value);
}

namespace {

// Reads blanks, then one or more digits; false when there are no digits or
// the number grows past any value a time field can hold.
bool scanNumber(const QString& text, qsizetype& pos, int& value)
{
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    const qsizetype start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        value = value * 10 + (text[pos].unicode() - u'0');
        if (value > 9999)
            return false;
        ++pos;
    }
    return pos > start;
}

bool scanSeparator(const QString& text, qsizetype& pos)
{
    if (pos < text.size() && text[pos] == u':') {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

TTime StrToTime(const QString& text)
{
    qsizetype pos = 0;
    int hours = 0, minutes = 0, seconds = 0;
    const bool read = scanNumber(text, pos, hours) && scanSeparator(text, pos)
        && scanNumber(text, pos, minutes) && scanSeparator(text, pos)
        && scanNumber(text, pos, seconds) && pos == text.size();
    if (!read || hours >= 24 || minutes >= 60 || seconds >= 60)
        throw EConvertError(Format(QStringLiteral("'%s' は時刻ではありません"), {text}));
    return {hours * 3600 + minutes * 60 + seconds};
}

QString FormatDateTime(const QString& pattern, TTime time)
{
    const int secondsOfDay = time.Seconds % 86400;
    const int hours = secondsOfDay / 3600;
    const int minutes = secondsOfDay / 60 % 60;
    const int seconds = secondsOfDay % 60;
    QString out(pattern.size(), Qt::Uninitialized);
    QChar* next = out.data();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        const bool pair = i + 1 < pattern.size() && pattern[i + 1] == c;
        int field = -1;
        if (pair && c == u'h')
            field = hours;
        else if (pair && (c == u'n' || c == u'm'))
            field = minutes;
        else if (pair && c == u's')
            field = seconds;
        if (field < 0) {
            *next++ = c;
            continue;
        }
        *next++ = QChar(char16_t(u'0' + field / 10));
        *next++ = QChar(char16_t(u'0' + field % 10));
        ++i;
    }
    return out;
}

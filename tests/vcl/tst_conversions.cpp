#include "SysUtils.h"

#include <QLocale>
#include <QTest>

class tst_Conversions : public QObject {
    Q_OBJECT
private slots:
    void strToInt_data();
    void strToInt();
    void strToIntRejects_data();
    void strToIntRejects();
    void strToTime_data();
    void strToTime();
    void strToTimeRejects_data();
    void strToTimeRejects();
    void formatDateTime_data();
    void formatDateTime();
    void timeTextsIgnoreTheLocale();
    void format_data();
    void format();
};

void tst_Conversions::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "59" << 59;
    QTest::newRow("leading zero") << "07" << 7;
    QTest::newRow("leading blanks") << "  5" << 5;
    QTest::newRow("plus") << "+5" << 5;
    QTest::newRow("minus") << "-5" << -5;
    QTest::newRow("dollar hex") << "$A" << 10;
    QTest::newRow("0x hex") << "0x1F" << 31;
    QTest::newRow("0X hex") << "0X1f" << 31;
    QTest::newRow("negative hex") << "-$A" << -10;
    QTest::newRow("int max") << "2147483647" << 2147483647;
    QTest::newRow("int min") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("hex wraps") << "$FFFFFFFF" << -1;
}

void tst_Conversions::strToInt()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(StrToInt(text), value);
}

void tst_Conversions::strToIntRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blank only") << " ";
    QTest::newRow("trailing blank") << "5 ";
    QTest::newRow("letter") << "a";
    QTest::newRow("letter after digit") << "5a";
    QTest::newRow("sign only") << "-";
    QTest::newRow("dollar only") << "$";
    QTest::newRow("0x only") << "0x";
    QTest::newRow("line break") << "5\n";
    QTest::newRow("tab before") << "\t5";
    QTest::newRow("full-width digit") << "５";
    QTest::newRow("two signs") << "+-5";
    QTest::newRow("blank after sign") << "- 5";
    QTest::newRow("overflow") << "2147483648";
    QTest::newRow("hex overflow") << "$100000000";
}

void tst_Conversions::strToIntRejects()
{
    QFETCH(QString, text);
    try {
        StrToInt(text);
        QFAIL("no error raised");
    } catch (const EConvertError& error) {
        QCOMPARE(error.Message(), QStringLiteral("'%1' は整数ではありません").arg(text));
    }
}

void tst_Conversions::strToTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds");
    QTest::newRow("track") << "00:07:05" << 425;
    QTest::newRow("single digits") << "00:7:5" << 425;
    QTest::newRow("blanks before numbers") << " 0: 5:07" << 307;
    QTest::newRow("zero") << "00:00:00" << 0;
    QTest::newRow("largest") << "23:59:59" << 86399;
    QTest::newRow("long numbers") << "0000:0059:0059" << 3599;
}

void tst_Conversions::strToTime()
{
    QFETCH(QString, text);
    QFETCH(int, seconds);
    QCOMPARE(StrToTime(text).Seconds, seconds);
}

void tst_Conversions::strToTimeRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("sign") << "00:3:-5";
    QTest::newRow("plus") << "00:+3:05";
    QTest::newRow("hex") << "00:$A:05";
    QTest::newRow("minutes 60") << "00:60:00";
    QTest::newRow("seconds 60") << "00:00:60";
    QTest::newRow("hours 24") << "24:00:00";
    QTest::newRow("trailing blank") << "00:05:05 ";
    QTest::newRow("missing seconds") << "00:05";
    QTest::newRow("other separator") << "00.05.05";
    QTest::newRow("empty") << "";
    QTest::newRow("line break") << "00:5\n:05";
}

void tst_Conversions::strToTimeRejects()
{
    QFETCH(QString, text);
    try {
        StrToTime(text);
        QFAIL("no error raised");
    } catch (const EConvertError& error) {
        QCOMPARE(error.Message(), QStringLiteral("'%1' は時刻ではありません").arg(text));
    }
}

void tst_Conversions::formatDateTime_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("nn") << "hh:nn:ss" << 425 << "00:07:05";
    QTest::newRow("mm") << "hh:mm:ss" << 425 << "00:07:05";
    QTest::newRow("17 tracks of 59:59") << "hh:mm:ss" << 17 * 3599 << "16:59:43";
    QTest::newRow("two of 59:59") << "hh:mm:ss" << 2 * 3599 << "01:59:58";
    QTest::newRow("zero") << "hh:mm:ss" << 0 << "00:00:00";
}

void tst_Conversions::formatDateTime()
{
    QFETCH(QString, pattern);
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(FormatDateTime(pattern, TTime{seconds}), text);
}

void tst_Conversions::timeTextsIgnoreTheLocale()
{
    // Given a locale whose time format uses "." between its fields
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    QVERIFY(QLocale().timeFormat().contains(u'.'));

    // When a track time text is made and read back, then ":" is used throughout
    const QString text = FormatDateTime(QStringLiteral("hh:nn:ss"), StrToTime(QStringLiteral("00:7:5")));
    QLocale::setDefault(before);
    QCOMPARE(text, QStringLiteral("00:07:05"));
    QCOMPARE(StrToTime(text).Seconds, 425);
}

void tst_Conversions::format_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("twoDigits");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("1") << 1 << "01" << "1";
    QTest::newRow("9") << 9 << "09" << "9";
    QTest::newRow("17") << 17 << "17" << "17";
    QTest::newRow("123") << 123 << "123" << "123";
    QTest::newRow("-5") << -5 << "-05" << "-5";
}

void tst_Conversions::format()
{
    QFETCH(int, value);
    QFETCH(QString, twoDigits);
    QFETCH(QString, decimal);
    QCOMPARE(Format(QStringLiteral("%.2d"), {value}), twoDigits);
    QCOMPARE(IntToStr(value), decimal);
    QCOMPARE(Format(QStringLiteral("'%s' は%d"), {QStringLiteral("x"), value}), QStringLiteral("'x' は") + decimal);
}

QTEST_APPLESS_MAIN(tst_Conversions)
#include "tst_conversions.moc"

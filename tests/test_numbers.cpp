// Number entry and display: the grammar, every conversion, the checked arithmetic, and property
// tests against small exact models written here (decimal strings and printf), never against the
// code under test.
#include <QTest>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "numbers/numbers.h"

using namespace corvane;

namespace {

const Regional kUs = Regional::unitedStates();
const Regional kComma{u',', u'.', u"€"};

const Regional &regionalFor(bool comma)
{
    return comma ? kComma : kUs;
}
std::u16string u16(const QString &s)
{
    return s.toStdU16String();
}
QString qs(const std::u16string &s)
{
    return QString::fromStdU16String(s);
}

constexpr qint64 kMoneyMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMoneyMin = std::numeric_limits<qint64>::min();

// ---- An exact decimal model: digit strings, rounded as on paper. ----

struct DecimalParts {
    bool negative = false;
    std::string integer;  // digits before the point
    std::string fraction; // digits after it
    long exponent = 0;    // power of ten applied to the whole
};

std::string magnitudeDigits(qint64 v)
{
    const auto u = static_cast<unsigned long long>(v);
    return std::to_string(v < 0 ? 0 - u : u);
}

void incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The value rounded half-to-even to `decimals` places, as an integer count of 10^-decimals,
// or nothing when it falls outside [min, max].
std::optional<qint64> roundedReference(const DecimalParts &p, int decimals, qint64 min, qint64 max)
{
    std::string all = p.integer + p.fraction;
    long point = long(p.integer.size()) + p.exponent + decimals;
    if (point < 0) {
        all.insert(0, std::size_t(-point), '0');
        point = 0;
    }
    if (point > long(all.size()))
        all.append(std::size_t(point) - all.size(), '0');
    std::string kept = all.substr(0, std::size_t(point));
    const std::string rest = all.substr(std::size_t(point));
    const bool restAboveHalfDigit = rest.size() > 1 && rest.find_first_not_of('0', 1) != std::string::npos;
    const bool keptOdd = !kept.empty() && (kept.back() - '0') % 2 == 1;
    if (!rest.empty() && (rest[0] > '5' || (rest[0] == '5' && (restAboveHalfDigit || keptOdd))))
        incrementDigits(kept);
    kept.erase(0, std::min(kept.find_first_not_of('0'), kept.size()));
    if (kept.empty())
        return 0;
    const std::string limit = magnitudeDigits(p.negative ? min : max);
    if (kept.size() > limit.size() || (kept.size() == limit.size() && kept > limit))
        return std::nullopt;
    const unsigned long long magnitude = std::stoull(kept);
    return p.negative ? qint64(0 - magnitude) : qint64(magnitude);
}

std::string multiplyDigits(const std::string &a, const std::string &b)
{
    std::vector<int> sum(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            sum[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = sum.size() - 1; k > 0; --k) {
        sum[k - 1] += sum[k] / 10;
        sum[k] %= 10;
    }
    std::string out;
    for (int d : sum)
        out += char('0' + d);
    return out;
}

// Renders parts as a user might type them, with optional grouping, currency and blanks.
QString renderTyped(const DecimalParts &p, const Regional &r, std::mt19937_64 &rng)
{
    const auto coin = [&rng] { return (rng() & 1) != 0; };
    QString integer = QString::fromStdString(p.integer);
    if (coin() && !integer.isEmpty()) {
        for (qsizetype i = integer.size() - 3; i > 0; i -= 3)
            integer.insert(i, QChar(r.thousands));
    }
    QString text = coin() ? QStringLiteral(" ") : QString();
    const QString currency = QString::fromStdU16String(r.currency);
    const bool currencyFirst = coin();
    if (currencyFirst && coin())
        text += currency;
    text += p.negative ? QStringLiteral("-") : (coin() ? QStringLiteral("+") : QString());
    if (!currencyFirst && coin())
        text += currency;
    text += integer;
    if (!p.fraction.empty() || coin())
        text += QChar(r.decimal) + QString::fromStdString(p.fraction);
    if (p.exponent != 0 || coin())
        text += (coin() ? QStringLiteral("e") : QStringLiteral("E")) + QString::number(p.exponent);
    return text;
}

std::string randomDigits(std::mt19937_64 &rng, std::size_t maxLength)
{
    std::string digits(rng() % (maxLength + 1), '0');
    for (char &c : digits)
        c = char('0' + rng() % 10);
    return digits;
}

DecimalParts randomDecimal(std::mt19937_64 &rng)
{
    DecimalParts p;
    do {
        p.integer = randomDigits(rng, 20);
        p.fraction = randomDigits(rng, 12);
    } while (p.integer.empty() && p.fraction.empty());
    // Many fractions ending in 5 then zeros, so that ties are common.
    if (rng() % 3 == 0 && !p.fraction.empty())
        p.fraction.back() = '5';
    p.negative = rng() % 2 == 0;
    p.exponent = rng() % 4 == 0 ? long(rng() % 41) - 20 : 0;
    return p;
}

template <class F>
std::optional<qint64> orOverflow(F convert)
{
    try {
        return qint64(convert());
    } catch (const OverflowError &) {
        return std::nullopt;
    }
}

// Overflow is a legitimate outcome for numeric text; only a type mismatch tells about the grammar.
template <class F>
bool raisesTypeMismatch(F convert)
{
    try {
        convert();
    } catch (const TypeMismatchError &) {
        return true;
    } catch (const OverflowError &) {
    }
    return false;
}

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void grammar_data();
    void grammar();
    void longAndOddTexts();

    void textToDouble_data();
    void textToDouble();
    void textToDoubleOverflows_data();
    void textToDoubleOverflows();
    void textToMoney_data();
    void textToMoney();
    void textToInt16_data();
    void textToInt16();

    void doubleToText_data();
    void doubleToText();
    void moneyToText_data();
    void moneyToText();
    void int16ToText();

    void doubleToMoney_data();
    void doubleToMoney();
    void doubleToInt16_data();
    void doubleToInt16();
    void moneyToDoubleAndBack();

    void moneyMul_data();
    void moneyMul();
    void moneyAddAndMulInt16();
    void int16Arithmetic();

    void randomDecimalTextsRoundLikePaper();
    void randomTextsConvertIffNumeric();
    void doubleTextRoundTripsAndMatchesPrintf();
    void randomMoneyProductsMatchDigitModel();
};

void TestNumbers::initTestCase()
{
    // The printf oracle below needs the full stop; the code under test must not care.
    std::setlocale(LC_NUMERIC, "C");
}

void TestNumbers::grammar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<bool>("numeric");

    const auto row = [](const char *name, const QString &text, bool comma, bool numeric) {
        QTest::newRow(name) << text << comma << numeric;
    };
    row("plain", "12", false, true);
    row("blanks around", " 12 ", false, true);
    row("grouped", "1,000", false, true);
    row("grouped twice", "12,345,678", false, true);
    row("grouped with fraction", "12,345.25", false, true);
    row("exponent", "1e3", false, true);
    row("exponent upper signed", "1.5E-05", false, true);
    row("hex", "&H1F", false, true);
    row("octal", "&O17", false, true);
    row("currency", "$5", false, true);
    row("sign then currency", "-$5", false, true);
    row("currency then sign", "$-5", false, true);
    row("leading point", ".5", false, true);
    row("trailing point", "5.", false, true);
    row("comma decimal", "1.000,5", true, true);
    row("comma currency", QStringLiteral("€ 3,25"), true, true);

    row("empty", "", false, false);
    row("blanks only", "  \t ", false, false);
    row("trailing letters", "12abc", false, false);
    row("point alone", ".", false, false);
    row("currency alone", "$", false, false);
    row("european decimal in US", "12,5", false, false);
    row("leading separator", ",100", false, false);
    row("double separator", "1,,000", false, false);
    row("trailing separator", "1000,", false, false);
    row("long first group", "1000,000", false, false);
    row("separator in fraction", "1.000,5", false, false);
    row("separator in exponent", "1e1,000", false, false);
    row("bare exponent", "1e", false, false);
    row("exponent without mantissa", "e5", false, false);
    row("two signs", "+-5", false, false);
    row("two currencies", "$-$5", false, false);
    row("blank inside", "1 2", false, false);
    row("trailing sign", "5-", false, false);
    row("hex empty", "&H", false, false);
    row("hex bad digit", "&H1G", false, false);
    row("hex signed", "-&H1F", false, false);
    row("octal eight", "&O8", false, false);
    row("ampersand alone", "&", false, false);
    row("US decimal in comma setting", "1,000.5", true, false);
    row("dollar in euro setting", "$5", true, false);
    row("arabic digit", QStringLiteral("\u0663"), false, false);
    row("no-break space", QStringLiteral("\u00A05"), false, false);
}

// The grammar table drives every converter: numeric text never raises a type mismatch and any
// other text always does.
void TestNumbers::grammar()
{
    QFETCH(QString, text);
    QFETCH(bool, comma);
    QFETCH(bool, numeric);
    const std::u16string t = u16(text);
    const Regional &r = regionalFor(comma);

    QCOMPARE(IsNumericText(t, r), numeric);
    QCOMPARE(raisesTypeMismatch([&] { TextToDouble(t, r); }), !numeric);
    QCOMPARE(raisesTypeMismatch([&] { TextToMoney(t, r); }), !numeric);
    QCOMPARE(raisesTypeMismatch([&] { TextToInt16(t, r); }), !numeric);
}

void TestNumbers::longAndOddTexts()
{
    const std::u16string longOne = u"1" + std::u16string(9999, u'0');
    QVERIFY(IsNumericText(longOne, kUs));
    QVERIFY_THROWS_EXCEPTION(OverflowError, TextToMoney(longOne, kUs));
    QCOMPARE(TextToDouble(longOne + u"e-9999", kUs), 1.0);
    QCOMPARE(TextToMoney(longOne + u"e-9999", kUs), Money::fromUnits(10000));

    const std::u16string tiny = u"0." + std::u16string(10000, u'0') + u"1e10005";
    QCOMPARE(TextToDouble(tiny, kUs), 10000.0);
    QCOMPARE(TextToMoney(tiny, kUs), Money::fromUnits(100000000));

    const std::u16string nines(400, u'9');
    QVERIFY_THROWS_EXCEPTION(OverflowError, TextToDouble(nines, kUs));

    QVERIFY(!IsNumericText(std::u16string(10000, u','), kUs));
    QVERIFY(!IsNumericText(std::u16string(10000, u' '), kUs));
    QVERIFY(!IsNumericText(std::u16string(u"5\xD800", 2), kUs));
    QVERIFY(!IsNumericText(std::u16string(u"\xDC00\x35", 2), kUs));

    // A broken setting with one character for both separators reads it as the decimal one.
    const Regional same{u',', u',', u""};
    QCOMPARE(TextToDouble(u"12,5", same), 12.5);
    QVERIFY(!IsNumericText(u"1,000,5", same));
}

void TestNumbers::textToDouble_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<double>("expected");

    QTest::newRow("grouped") << "1,000" << false << 1000.0;
    QTest::newRow("hex") << "&H1F" << false << 31.0;
    QTest::newRow("octal") << "&O17" << false << 15.0;
    QTest::newRow("negative currency") << "-$5" << false << -5.0;
    QTest::newRow("comma grouped") << "1.000,5" << true << 1000.5;
    QTest::newRow("comma currency") << QStringLiteral("€ 3,25") << true << 3.25;
    QTest::newRow("tie to even above 2^53") << "9007199254740993" << false << 9007199254740992.0;
    QTest::newRow("just above tie") << "9007199254740993.0000000001" << false << 9007199254740994.0;
    QTest::newRow("largest") << "1.7976931348623157e308" << false << 1.7976931348623157e308;
    QTest::newRow("smallest subnormal") << "5e-324" << false << 5e-324;
    QTest::newRow("underflow") << "1e-400" << false << 0.0;
    QTest::newRow("underflow huge exponent") << "1e-999999999999999999999" << false << 0.0;
    QTest::newRow("zero huge exponent") << "0e999999999" << false << 0.0;
    QTest::newRow("hex 64 bits rounds") << "&HFFFFFFFFFFFFFFFF" << false << 18446744073709551616.0;
    QTest::newRow("octal 64 bits rounds") << "&O1777777777777777777777" << false << 18446744073709551616.0;
    QTest::newRow("octal 2^53+1 ties even") << "&O400000000000000001" << false << 9007199254740992.0;
}

void TestNumbers::textToDouble()
{
    QFETCH(QString, text);
    QFETCH(bool, comma);
    QFETCH(double, expected);
    QCOMPARE(TextToDouble(u16(text), regionalFor(comma)), expected);
}

void TestNumbers::textToDoubleOverflows_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("1e400") << "1e400";
    QTest::newRow("just past largest") << "1.7976931348623159e308";
    QTest::newRow("negative") << "-1e309";
    QTest::newRow("huge exponent") << "1e999999999999999999999";
    QTest::newRow("hex 257 digits") << "&H" + QString(257, 'F');
    QTest::newRow("octal 400 digits") << "&O" + QString(400, '7');
}

void TestNumbers::textToDoubleOverflows()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(OverflowError, TextToDouble(u16(text), kUs));
}

void TestNumbers::textToMoney_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<qint64>("units");

    const auto row = [](const char *name, const char *text, qint64 units) {
        QTest::newRow(name) << QString(text) << false << units;
    };
    const auto overflow = [](const char *name, const char *text) {
        QTest::newRow(name) << QString(text) << true << qint64(0);
    };
    row("rounds up", "1.23456", 12346);
    row("tie to even zero", "0.00005", 0);
    row("tie to even two", "0.00015", 2);
    row("tie stays two", "0.00025", 2);
    row("tie written with zeros", "0.000250000", 2);
    row("just above tie", "0.000050001", 1);
    row("decimal not binary", "1.00005", 10000);
    row("decimal not binary 2", "2.00015", 20002);
    row("negative tie", "-2.00015", -20002);
    row("negative tiny", "-0.00005", 0);
    row("grouped", "12,345.25", 123452500);
    row("exponent down", "15e-5", 2);
    row("exponent up", "1.5e3", 15000000);
    row("tiny exponent", "1e-999999999", 0);
    row("zero huge exponent", "0e999999999", 0);
    row("hex", "&H10", 160000);
    row("largest", "922337203685477.5807", kMoneyMax);
    row("smallest", "-922337203685477.5808", kMoneyMin);
    row("smallest by tie", "-922337203685477.58085", kMoneyMin);
    overflow("past largest", "922337203685477.5808");
    overflow("past largest by tie", "922337203685477.58075");
    overflow("past smallest", "-922337203685477.5809");
    overflow("huge exponent", "1e999999999");
    overflow("hex too large", "&HFFFFFFFFFFFFFFFF");
    overflow("width squared", "10000000000000000");
}

void TestNumbers::textToMoney()
{
    QFETCH(QString, text);
    QFETCH(bool, overflows);
    QFETCH(qint64, units);
    const auto got = orOverflow([&] { return TextToMoney(u16(text), kUs).units; });
    QCOMPARE(!got.has_value(), overflows);
    if (got)
        QCOMPARE(*got, units);
}

void TestNumbers::textToInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<int>("value");

    QTest::newRow("2.5") << "2.5" << false << 2;
    QTest::newRow("3.5") << "3.5" << false << 4;
    QTest::newRow("-2.5") << "-2.5" << false << -2;
    QTest::newRow("-0.5") << "-0.5" << false << 0;
    QTest::newRow("0.5000001") << "0.5000001" << false << 1;
    QTest::newRow("7.5 feet") << "7.5" << false << 8;
    QTest::newRow("max") << "32767" << false << 32767;
    QTest::newRow("max by rounding") << "32767.4" << false << 32767;
    QTest::newRow("min by tie") << "-32768.5" << false << -32768;
    QTest::newRow("exponent") << "1e4" << false << 10000;
    QTest::newRow("hex max") << "&H7FFF" << false << 32767;
    QTest::newRow("octal max") << "&O77777" << false << 32767;
    QTest::newRow("40000") << "40000" << true << 0;
    QTest::newRow("max tie rounds up") << "32767.5" << true << 0;
    QTest::newRow("below min") << "-32768.6" << true << 0;
    QTest::newRow("hex past max") << "&H8000" << true << 0;
}

void TestNumbers::textToInt16()
{
    QFETCH(QString, text);
    QFETCH(bool, overflows);
    QFETCH(int, value);
    const auto got = orOverflow([&] { return TextToInt16(u16(text), kUs); });
    QCOMPARE(!got.has_value(), overflows);
    if (got)
        QCOMPARE(int(*got), value);
}

void TestNumbers::doubleToText_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("expected");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("third") << 1.0 / 3 << false << "0.333333333333333";
    QTest::newRow("0.1+0.2") << 0.1 + 0.2 << false << "0.3";
    QTest::newRow("1e14") << 1e14 << false << "100000000000000";
    QTest::newRow("1e15") << 1e15 << false << "1E+15";
    QTest::newRow("1e-5") << 1e-5 << false << "1E-05";
    QTest::newRow("1.5e-5") << 1.5e-5 << false << "1.5E-05";
    QTest::newRow("block price") << 26.400000000000002 << false << "26.4";
    QTest::newRow("rounds into 1E+15") << 999999999999999.9 << false << "1E+15";
    QTest::newRow("rounds into plain") << 9.999999999999999e-05 << false << "0.0001";
    QTest::newRow("subnormal") << 5e-324 << false << "4.94065645841247E-324";
    QTest::newRow("negative scientific") << -2.5e-7 << false << "-2.5E-07";
    QTest::newRow("zero") << 0.0 << false << "0";
    QTest::newRow("negative zero") << -0.0 << false << "0";
    QTest::newRow("comma") << 12.5 << true << "12,5";
    QTest::newRow("comma scientific") << 1.5e-5 << true << "1,5E-05";
    QTest::newRow("infinity") << inf << false << "Infinity";
    QTest::newRow("minus infinity") << -inf << false << "-Infinity";
    QTest::newRow("nan") << std::nan("") << false << "NaN";
}

void TestNumbers::doubleToText()
{
    QFETCH(double, x);
    QFETCH(bool, comma);
    QFETCH(QString, expected);
    QCOMPARE(qs(DoubleToText(x, regionalFor(comma))), expected);
}

void TestNumbers::moneyToText_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << qint64(660000) << false << "66";
    QTest::newRow("one decimal") << qint64(125000) << false << "12.5";
    QTest::newRow("four decimals") << qint64(425) << false << "0.0425";
    QTest::newRow("negative") << qint64(-32500) << false << "-3.25";
    QTest::newRow("one unit") << qint64(1) << false << "0.0001";
    QTest::newRow("minus one unit") << qint64(-1) << false << "-0.0001";
    QTest::newRow("zero") << qint64(0) << false << "0";
    QTest::newRow("ten") << qint64(100000) << false << "10";
    QTest::newRow("max") << kMoneyMax << false << "922337203685477.5807";
    QTest::newRow("min") << kMoneyMin << false << "-922337203685477.5808";
    QTest::newRow("comma") << qint64(123452500) << true << "12345,25";
}

void TestNumbers::moneyToText()
{
    QFETCH(qint64, units);
    QFETCH(bool, comma);
    QFETCH(QString, expected);
    QCOMPARE(qs(MoneyToText(Money::fromUnits(units), regionalFor(comma))), expected);
}

void TestNumbers::int16ToText()
{
    QCOMPARE(qs(Int16ToText(0, kUs)), "0");
    QCOMPARE(qs(Int16ToText(96, kUs)), "96");
    QCOMPARE(qs(Int16ToText(-1, kUs)), "-1");
    QCOMPARE(qs(Int16ToText(32767, kUs)), "32767");
    QCOMPARE(qs(Int16ToText(-32768, kUs)), "-32768");
}

void TestNumbers::doubleToMoney_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<qint64>("units");

    QTest::newRow("thickness 10cm") << 10.0 / 100 << false << qint64(1000);
    QTest::newRow("thickness 0.004cm") << 0.004 / 100 << false << qint64(0);
    QTest::newRow("thickness 0.005cm ties even") << 0.005 / 100 << false << qint64(0);
    QTest::newRow("thickness 0.006cm") << 0.006 / 100 << false << qint64(1);
    QTest::newRow("dry volume") << 5 * 1.65 << false << qint64(82500);
    QTest::newRow("cement volume") << 8.25 * (1.0 / 7) << false << qint64(11786);
    QTest::newRow("bags") << 1.1786 / 0.0332 << false << qint64(355000);
    QTest::newRow("binary tie 2.5 units") << 0.00025 << false << qint64(2);
    QTest::newRow("binary above tie") << 1.00005 << false << qint64(10001);
    QTest::newRow("negative tie") << -0.00025 << false << qint64(-2);
    QTest::newRow("near top fits") << 922337203685477.5 << false << qint64(9223372036854774784);
    // Near 2^63 the product itself rounds: these two land on -2^63 and +2^63.
    QTest::newRow("bottom") << -922337203685477.625 << false << kMoneyMin;
    QTest::newRow("top") << 922337203685477.625 << true << qint64(0);
    QTest::newRow("below bottom") << -922337203685477.75 << true << qint64(0);
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << true << qint64(0);
    QTest::newRow("nan") << std::nan("") << true << qint64(0);
}

void TestNumbers::doubleToMoney()
{
    QFETCH(double, x);
    QFETCH(bool, overflows);
    QFETCH(qint64, units);
    const auto got = orOverflow([&] { return DoubleToMoney(x).units; });
    QCOMPARE(!got.has_value(), overflows);
    if (got)
        QCOMPARE(*got, units);
}

void TestNumbers::doubleToInt16_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<int>("value");

    QTest::newRow("2.5") << 2.5 << false << 2;
    QTest::newRow("3.5") << 3.5 << false << 4;
    QTest::newRow("-0.5") << -0.5 << false << 0;
    QTest::newRow("-2.5") << -2.5 << false << -2;
    QTest::newRow("just above half") << 0.5000000000000001 << false << 1;
    QTest::newRow("32767.4") << 32767.4 << false << 32767;
    QTest::newRow("-32768.5") << -32768.5 << false << -32768;
    QTest::newRow("32767.5") << 32767.5 << true << 0;
    QTest::newRow("-32768.51") << -32768.51 << true << 0;
    QTest::newRow("huge") << 1e300 << true << 0;
    QTest::newRow("nan") << std::nan("") << true << 0;
}

void TestNumbers::doubleToInt16()
{
    QFETCH(double, x);
    QFETCH(bool, overflows);
    QFETCH(int, value);
    const auto got = orOverflow([&] { return DoubleToInt16(x); });
    QCOMPARE(!got.has_value(), overflows);
    if (got)
        QCOMPARE(int(*got), value);
}

void TestNumbers::moneyToDoubleAndBack()
{
    QCOMPARE(MoneyToDouble(Money::fromUnits(12346)), 1.2346);
    QCOMPARE(MoneyToDouble(Money::fromUnits(-32500)), -3.25);
    QCOMPARE(Int16ToMoney(-32768), Money::fromUnits(-327680000));
    // Every Money value with at most 15 significant digits survives the trip through Double.
    std::mt19937_64 rng(7);
    for (int i = 0; i < 10000; ++i) {
        const auto units = qint64(rng() % 2'000'000'000'000'000) - 1'000'000'000'000'000;
        QCOMPARE(DoubleToMoney(MoneyToDouble(Money::fromUnits(units))).units, units);
    }
}

void TestNumbers::moneyMul_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<qint64>("product");

    QTest::newRow("cement cost") << qint64(355000) << qint64(100000) << false << qint64(3550000);
    QTest::newRow("sand cost") << qint64(23571) << qint64(200000) << false << qint64(471420);
    QTest::newRow("wood cost") << qint64(112708) << qint64(25000) << false << qint64(281770);
    QTest::newRow("tie to zero") << qint64(1) << qint64(5000) << false << qint64(0);
    QTest::newRow("tie to two") << qint64(3) << qint64(5000) << false << qint64(2);
    QTest::newRow("negative tie") << qint64(-3) << qint64(5000) << false << qint64(-2);
    QTest::newRow("min times one") << kMoneyMin << qint64(10000) << false << kMoneyMin;
    QTest::newRow("min times minus one") << kMoneyMin << qint64(-10000) << true << qint64(0);
    QTest::newRow("huge pad") << qint64(1'000'000'000'000) << qint64(1'000'000'000'000) << true << qint64(0);
    QTest::newRow("min squared") << kMoneyMin << kMoneyMin << true << qint64(0);
}

void TestNumbers::moneyMul()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(bool, overflows);
    QFETCH(qint64, product);
    const auto got = orOverflow([&] { return MoneyMul(Money{a}, Money{b}).units; });
    QCOMPARE(!got.has_value(), overflows);
    if (got)
        QCOMPARE(*got, product);
}

void TestNumbers::moneyAddAndMulInt16()
{
    QCOMPARE(MoneyAdd(Money{kMoneyMax - 1}, Money{1}).units, kMoneyMax);
    QVERIFY_THROWS_EXCEPTION(OverflowError, MoneyAdd(Money{kMoneyMax}, Money{1}));
    QVERIFY_THROWS_EXCEPTION(OverflowError, MoneyAdd(Money{kMoneyMin}, Money{-1}));
    QCOMPARE(MoneyMulInt16(Money{100000}, 12).units, 1200000);
    QCOMPARE(MoneyMulInt16(Money{kMoneyMin}, 1).units, kMoneyMin);
    QVERIFY_THROWS_EXCEPTION(OverflowError, MoneyMulInt16(Money{kMoneyMin}, -1));
    QVERIFY_THROWS_EXCEPTION(OverflowError, MoneyMulInt16(Money{kMoneyMax / 2 + 1}, 2));
}

void TestNumbers::int16Arithmetic()
{
    QCOMPARE(Int16Increment(32766), Int16(32767));
    QVERIFY_THROWS_EXCEPTION(OverflowError, Int16Increment(32767));
    QVERIFY_THROWS_EXCEPTION(OverflowError, Int16Decrement(-32768));
    QCOMPARE(Int16Mul(2048, 2), Int16(4096));
    QVERIFY_THROWS_EXCEPTION(OverflowError, Int16Mul(2731, 12));
    QCOMPARE(Int16Mul(-2730, 12), Int16(-32760));
    QVERIFY_THROWS_EXCEPTION(OverflowError, Int16Mul(-2731, 12));
    QVERIFY_THROWS_EXCEPTION(OverflowError, Int16Mul(-32768, -1));
    QCOMPARE(Int16Sub(-32767, 1), Int16(-32768));
    QVERIFY_THROWS_EXCEPTION(OverflowError, Int16Sub(0, -32768));
    QVERIFY_THROWS_EXCEPTION(OverflowError, Int16Add(20000, 20000));
}

void TestNumbers::randomDecimalTextsRoundLikePaper()
{
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 20000; ++i) {
        const DecimalParts parts = randomDecimal(rng);
        const Regional &r = regionalFor(i % 2 == 1);
        const QString text = renderTyped(parts, r, rng);
        const std::u16string t = u16(text);
        QVERIFY2(IsNumericText(t, r), qPrintable(text));

        const auto money = orOverflow([&] { return TextToMoney(t, r).units; });
        const auto moneyExpected = roundedReference(parts, 4, kMoneyMin, kMoneyMax);
        QVERIFY2(money == moneyExpected, qPrintable(text));

        const auto int16 = orOverflow([&] { return TextToInt16(t, r); });
        const auto int16Expected = roundedReference(parts, 0, -32768, 32767);
        QVERIFY2(int16 == int16Expected, qPrintable(text));
    }
}

void TestNumbers::randomTextsConvertIffNumeric()
{
    static const char16_t *const kPieces[] = {
        u"0", u"1", u"5", u"9", u"00", u",", u".", u"e", u"E", u"+", u"-",      u" ",      u"\t",
        u"$", u"€", u"&", u"H", u"h",  u"O", u"F", u"7", u"8", u"x", u"\xD800", u"\u0663", u",000",
    };
    std::mt19937_64 rng(99);
    int numericCount = 0;
    for (int i = 0; i < 50000; ++i) {
        std::u16string text;
        for (auto n = rng() % 9; n > 0; --n)
            text += kPieces[rng() % std::size(kPieces)];
        const Regional &r = regionalFor(i % 2 == 1);
        const bool numeric = IsNumericText(text, r);
        numericCount += numeric;
        const QByteArray shown = qs(text).toUtf8();
        QVERIFY2(raisesTypeMismatch([&] { TextToDouble(text, r); }) != numeric, shown);
        QVERIFY2(raisesTypeMismatch([&] { TextToMoney(text, r); }) != numeric, shown);
        QVERIFY2(raisesTypeMismatch([&] { TextToInt16(text, r); }) != numeric, shown);
    }
    QVERIFY(numericCount > 1000); // the generator must reach both sides
}

// From here up, 15 digits round to 1.79769313486232E+308, which is beyond the Double range: the
// one place where shown text does not convert back.
constexpr double kFifteenDigitsOverflow = 1.797693134862315e308;

void TestNumbers::doubleTextRoundTripsAndMatchesPrintf()
{
    const double largest = std::numeric_limits<double>::max();
    QVERIFY_THROWS_EXCEPTION(OverflowError, TextToDouble(DoubleToText(largest, kUs), kUs));
    QCOMPARE(TextToDouble(DoubleToText(std::nextafter(kFifteenDigitsOverflow, 0.0), kUs), kUs), 1.79769313486231e308);

    std::mt19937_64 rng(4242);
    for (int i = 0; i < 50000; ++i) {
        double x;
        if (i % 2 == 0) {
            const std::uint64_t bits = rng();
            std::memcpy(&x, &bits, sizeof x);
            if (!std::isfinite(x))
                continue;
        } else {
            x = double(std::int64_t(rng() % 2'000'000'001) - 1'000'000'000) / std::pow(10.0, double(rng() % 12));
        }
        const std::u16string text = DoubleToText(x, kUs);
        char expected[40];
        std::snprintf(expected, sizeof expected, "%.15G", x);
        if (x == 0.0)
            std::strcpy(expected, "0"); // printf writes "-0" for negative zero
        QCOMPARE(qs(text), QString::fromLatin1(expected));
        if (std::fabs(x) >= kFifteenDigitsOverflow)
            continue;
        QCOMPARE(DoubleToText(TextToDouble(text, kUs), kUs), text);

        const std::u16string commaText = DoubleToText(x, kComma);
        QCOMPARE(DoubleToText(TextToDouble(commaText, kComma), kComma), commaText);
    }
}

void TestNumbers::randomMoneyProductsMatchDigitModel()
{
    std::mt19937_64 rng(31337);
    const auto randomUnits = [&rng] {
        const int bits = int(rng() % 64);
        const auto magnitude = qint64(bits == 0 ? 0 : rng() >> (64 - bits));
        return rng() % 2 ? -magnitude : magnitude;
    };
    for (int i = 0; i < 50000; ++i) {
        const qint64 a = i % 1000 == 0 ? kMoneyMin : randomUnits();
        const qint64 b = randomUnits();
        DecimalParts exact;
        exact.negative = (a < 0) != (b < 0);
        exact.integer = multiplyDigits(magnitudeDigits(a), magnitudeDigits(b));
        exact.exponent = -8; // each factor carries four decimals
        const auto expected = roundedReference(exact, 4, kMoneyMin, kMoneyMax);
        const auto got = orOverflow([&] { return MoneyMul(Money{a}, Money{b}).units; });
        QVERIFY2(got == expected, qPrintable(QStringLiteral("%1 * %2").arg(a).arg(b)));
    }
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"

#include "numbers/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

namespace corvane {
namespace {

// ---------------------------------------------------------------------------------------------
// Scanning: one pass over the text decides whether it is a number and notes where its parts
// are; IsNumericText stops there, so the test and the conversions cannot disagree. The
// converters then gather the significant digits as ASCII in a second, simpler pass.

constexpr bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}
constexpr bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
constexpr bool isOctalDigit(char16_t c)
{
    return c >= u'0' && c <= u'7';
}
constexpr bool isHexDigit(char16_t c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Larger than any exponent that still changes a result and than any digit count a text can
// hold, yet small enough that adding a digit count to it cannot overflow 64 bits.
constexpr std::int64_t kExponentCeiling = 1'000'000'000'000'000;

enum class Radix { Decimal, Hex, Octal };

struct ScannedNumber {
    Radix radix = Radix::Decimal;
    bool negative = false;
    std::u16string_view integerPart; // digits, with any thousands separators; &H/&O digits
    std::u16string_view fractionPart;
    std::int64_t exponent = 0;
};

class Scanner {
public:
    Scanner(std::u16string_view text, const Regional &regional)
        : p_(text.data()), end_(text.data() + text.size()), regional_(regional)
    {
    }

    bool scan(ScannedNumber &out)
    {
        trimBlanks();
        if (p_ == end_)
            return false;
        if (*p_ == u'&')
            return scanRadixInteger(out);
        scanSignAndCurrency(out);
        return scanDecimal(out) && p_ == end_;
    }

private:
    void trimBlanks()
    {
        while (p_ != end_ && isBlank(*p_))
            ++p_;
        while (end_ != p_ && isBlank(end_[-1]))
            --end_;
    }

    bool skipCurrency()
    {
        const std::u16string &symbol = regional_.currency;
        if (symbol.empty() || std::size_t(end_ - p_) < symbol.size() ||
            std::u16string_view(p_, symbol.size()) != symbol)
            return false;
        p_ += symbol.size();
        while (p_ != end_ && isBlank(*p_))
            ++p_;
        return true;
    }

    // The currency symbol may come before or after the sign, but only once.
    void scanSignAndCurrency(ScannedNumber &out)
    {
        const bool hadCurrency = skipCurrency();
        if (p_ != end_ && (*p_ == u'+' || *p_ == u'-')) {
            out.negative = *p_ == u'-';
            ++p_;
        }
        if (!hadCurrency)
            skipCurrency();
    }

    bool scanRadixInteger(ScannedNumber &out)
    {
        ++p_; // the ampersand
        if (p_ == end_)
            return false;
        const char16_t letter = *p_++;
        if (letter == u'H' || letter == u'h')
            out.radix = Radix::Hex;
        else if (letter == u'O' || letter == u'o')
            out.radix = Radix::Octal;
        else
            return false;
        const auto accepts = out.radix == Radix::Hex ? isHexDigit : isOctalDigit;
        out.integerPart = {p_, std::size_t(end_ - p_)};
        for (; p_ != end_; ++p_) {
            if (!accepts(*p_))
                return false;
        }
        return !out.integerPart.empty();
    }

    bool scanDecimal(ScannedNumber &out)
    {
        const char16_t *const integerStart = p_;
        if (!scanIntegerPart())
            return false;
        out.integerPart = {integerStart, std::size_t(p_ - integerStart)};
        if (p_ != end_ && *p_ == regional_.decimal) {
            const char16_t *const fractionStart = ++p_;
            while (p_ != end_ && isDigit(*p_))
                ++p_;
            out.fractionPart = {fractionStart, std::size_t(p_ - fractionStart)};
        }
        if (out.integerPart.empty() && out.fractionPart.empty())
            return false;
        return p_ == end_ || (*p_ != u'E' && *p_ != u'e') || scanExponent(out.exponent);
    }

    // Thousands separators may only stand between groups: the first of 1 to 3 digits, each
    // later one of exactly 3, so that "12,5" typed with the wrong separator is refused rather
    // than read as 125. A separator equal to the decimal one is taken as the decimal one.
    bool scanIntegerPart()
    {
        const char16_t separator = regional_.thousands;
        const bool separatorUsable = separator != regional_.decimal;
        std::size_t groupLength = 0;
        bool grouped = false;
        for (; p_ != end_; ++p_) {
            if (isDigit(*p_)) {
                ++groupLength;
            } else if (*p_ == separator && separatorUsable) {
                if (groupLength == 0 || groupLength > 3 || (grouped && groupLength != 3))
                    return false;
                grouped = true;
                groupLength = 0;
            } else {
                break;
            }
        }
        return !grouped || groupLength == 3;
    }

    bool scanExponent(std::int64_t &exponent)
    {
        ++p_; // the letter E
        bool negative = false;
        if (p_ != end_ && (*p_ == u'+' || *p_ == u'-')) {
            negative = *p_ == u'-';
            ++p_;
        }
        if (p_ == end_ || !isDigit(*p_))
            return false;
        std::int64_t magnitude = 0;
        for (; p_ != end_ && isDigit(*p_); ++p_) {
            if (magnitude < kExponentCeiling)
                magnitude = magnitude * 10 + (*p_ - u'0');
        }
        exponent = negative ? -magnitude : magnitude;
        return true;
    }

    const char16_t *p_;
    const char16_t *end_;
    const Regional &regional_;
};

ScannedNumber scanOrThrow(std::u16string_view text, const Regional &regional)
{
    ScannedNumber number;
    if (!Scanner(text, regional).scan(number))
        throw TypeMismatchError();
    return number;
}

// The significant digits of a scanned number as ASCII, with room around them for what the
// conversion to std::from_chars adds (a sign and a point in front, an exponent behind); on the
// stack for ordinary lengths.
class DigitBuffer {
public:
    static constexpr std::size_t kLead = 2;
    static constexpr std::size_t kTail = 24;

    explicit DigitBuffer(std::size_t textLength)
    {
        const std::size_t needed = kLead + textLength + kTail;
        if (needed > sizeof local_) {
            heap_ = std::make_unique<char[]>(needed);
            base_ = heap_.get();
        }
    }
    DigitBuffer(const DigitBuffer &) = delete;
    DigitBuffer &operator=(const DigitBuffer &) = delete;

    // Keeps the digits from the first nonzero one on, without trailing zeros, and returns where
    // the point stands: the value is 0.D x 10^(returned exponent).
    std::int64_t collectDecimal(const ScannedNumber &number)
    {
        char *const first = digits();
        char *out = first;
        const char16_t *p = number.integerPart.data();
        const char16_t *end = p + number.integerPart.size();
        while (p != end && (*p == u'0' || !isDigit(*p)))
            ++p; // leading zeros and thousands separators
        for (; p != end; ++p) {
            if (isDigit(*p))
                *out++ = char(*p);
        }
        const std::int64_t integerDigits = out - first;
        p = number.fractionPart.data();
        end = p + number.fractionPart.size();
        const char16_t *const fractionStart = p;
        if (out == first) {
            while (p != end && *p == u'0')
                ++p;
        }
        const std::int64_t fractionLeadingZeros = p - fractionStart;
        for (; p != end; ++p)
            *out++ = char(*p);
        while (out != first && out[-1] == '0')
            --out;
        size_ = std::size_t(out - first);
        return integerDigits - fractionLeadingZeros + number.exponent;
    }

    // Keeps the &H or &O digits from the first nonzero one on.
    void collectRadixDigits(const ScannedNumber &number)
    {
        char *out = digits();
        for (const char16_t c : number.integerPart) {
            if (out != digits() || c != u'0')
                *out++ = char(c);
        }
        size_ = std::size_t(out - digits());
    }

    std::string_view view() const { return {digits(), size_}; }
    bool empty() const { return size_ == 0; }

    // Rewrites the digits in place as "[-]d.ddde<exponent>" and returns that text's bounds.
    std::pair<const char *, const char *> asScientific(bool negative, std::int64_t exponent)
    {
        char *first = digits();
        if (size_ > 1) {
            first[-1] = first[0];
            first[0] = '.';
            --first;
        }
        if (negative)
            *--first = '-';
        char *last = digits() + size_;
        *last++ = 'e';
        last = std::to_chars(last, last + kTail - 1, exponent).ptr;
        return {first, last};
    }

private:
    char *digits() const { return base_ + kLead; }

    char local_[128];
    std::unique_ptr<char[]> heap_;
    char *base_ = local_;
    std::size_t size_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Text to Double. The digits go to std::from_chars, which rounds correctly and ignores the C
// library's locale; only over- and underflow need telling apart here.

Double signedZero(bool negative)
{
    return negative ? -0.0 : 0.0;
}

// Up to 15 digits are exact in a Double and so are the powers of ten up to 10^22, so a single
// multiplication or division then rounds correctly by itself: most typed numbers take this path.
std::optional<Double> roundedInOneStep(std::string_view digits, std::int64_t pointExponent)
{
    static constexpr Double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const std::int64_t power = pointExponent - std::int64_t(digits.size());
    if (digits.size() > 15 || power < -22 || power > 22)
        return std::nullopt;
    std::uint64_t whole = 0;
    for (const char c : digits)
        whole = whole * 10 + std::uint64_t(c - '0');
    return power < 0 ? Double(whole) / kExactPowersOfTen[-power] : Double(whole) * kExactPowersOfTen[power];
}

Double decimalToDouble(bool negative, DigitBuffer &digits, std::int64_t pointExponent)
{
    if (digits.empty())
        return signedZero(negative);
    if (const auto value = roundedInOneStep(digits.view(), pointExponent))
        return negative ? -*value : *value;
    // 0.D x 10^401 is at least 1e400; 0.D x 10^-400 is below every subnormal.
    if (pointExponent > 400)
        throw OverflowError();
    if (pointExponent < -400)
        return signedZero(negative);
    const auto [first, last] = digits.asScientific(negative, pointExponent - 1);
    Double value = 0;
    if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
        if (pointExponent > 0)
            throw OverflowError();
        return signedZero(negative);
    }
    return value;
}

Double hexToDouble(std::string_view hexDigits)
{
    if (hexDigits.empty())
        return 0.0;
    Double value = 0;
    const auto result =
        std::from_chars(hexDigits.data(), hexDigits.data() + hexDigits.size(), value, std::chars_format::hex);
    if (result.ec == std::errc::result_out_of_range)
        throw OverflowError();
    return value;
}

// Three bits per octal digit regrouped into four per hex digit, so that the hex reader rounds
// long octal numbers correctly too.
std::string octalToHex(std::string_view octalDigits)
{
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string hex((octalDigits.size() * 3 + 3) / 4, '0');
    std::size_t next = hex.size();
    unsigned pending = 0;
    int pendingBits = 0;
    for (auto it = octalDigits.rbegin(); it != octalDigits.rend(); ++it) {
        pending |= unsigned(*it - '0') << pendingBits;
        pendingBits += 3;
        if (pendingBits >= 4) {
            hex[--next] = kHexDigits[pending & 15];
            pending >>= 4;
            pendingBits -= 4;
        }
    }
    if (pendingBits > 0)
        hex[--next] = kHexDigits[pending];
    return hex;
}

// ---------------------------------------------------------------------------------------------
// Text to Money and Int16: the decimal digits themselves are rounded, never a binary value, so
// that 1.00005 rounds as written.

constexpr auto kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{1};
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

std::optional<std::uint64_t> multiplyByPowerOfTen(std::uint64_t value, int power)
{
    std::uint64_t product = 0;
    if (__builtin_mul_overflow(value, kPowersOfTen[power], &product))
        return std::nullopt;
    return product;
}

int digitValue(char c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

std::optional<std::uint64_t> radixDigitsToInteger(std::string_view digits, unsigned radix)
{
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (__builtin_mul_overflow(value, radix, &value) ||
            __builtin_add_overflow(value, std::uint64_t(digitValue(c)), &value))
            return std::nullopt;
    }
    return value;
}

// Ties to even. `dropped` is non-empty and ends in a nonzero digit, so anything after its first
// digit makes the remainder larger than a half.
bool roundsUp(std::string_view dropped, std::uint64_t kept)
{
    if (dropped[0] != '5')
        return dropped[0] > '5';
    return dropped.size() > 1 || (kept & 1) != 0;
}

// 0.D x 10^(pointExponent + scaleDigits) rounded to a whole number, or nothing when it needs
// more than 64 bits. D has no trailing zeros.
std::optional<std::uint64_t> roundedDecimalMagnitude(std::string_view d, std::int64_t pointExponent, int scaleDigits)
{
    if (d.empty())
        return 0;
    const std::int64_t keptDigits = pointExponent + scaleDigits;
    if (keptDigits > 19) // at least 10^19, past every caller's range (64-bit units end near 9.2 x 10^18)
        return std::nullopt;
    if (keptDigits < 0) // below 0.1
        return 0;
    const auto keptCount = std::min(std::size_t(keptDigits), d.size());
    std::uint64_t kept = 0;
    for (std::size_t i = 0; i < keptCount; ++i)
        kept = kept * 10 + std::uint64_t(d[i] - '0');
    if (keptCount < d.size())
        return kept + (roundsUp(d.substr(keptCount), kept) ? 1 : 0);
    return kept * kPowersOfTen[std::size_t(keptDigits) - keptCount]; // at most 19 digits in all
}

// |value| x 10^scaleDigits rounded to a whole number, or nothing when it needs more than 64 bits.
std::optional<std::uint64_t> roundedMagnitude(const ScannedNumber &number, int scaleDigits)
{
    DigitBuffer digits(number.integerPart.size() + number.fractionPart.size());
    if (number.radix == Radix::Decimal) {
        const std::int64_t pointExponent = digits.collectDecimal(number);
        return roundedDecimalMagnitude(digits.view(), pointExponent, scaleDigits);
    }
    digits.collectRadixDigits(number);
    const auto whole = radixDigitsToInteger(digits.view(), number.radix == Radix::Hex ? 16 : 8);
    return whole ? multiplyByPowerOfTen(*whole, scaleDigits) : std::nullopt;
}

template <class Int>
Int applySign(bool negative, std::optional<std::uint64_t> magnitude)
{
    constexpr auto maxPositive = std::uint64_t(std::numeric_limits<Int>::max());
    if (!magnitude || *magnitude > maxPositive + (negative ? 1 : 0))
        throw OverflowError();
    // Unsigned negation then a modular conversion, so the most negative value needs no
    // special case.
    return negative ? Int(std::int64_t(0 - *magnitude)) : Int(*magnitude);
}

// ---------------------------------------------------------------------------------------------
// Number to text.

class U16Builder {
public:
    void put(char16_t c) { text_[size_++] = c; }
    void putAscii(const char *first, const char *last)
    {
        while (first != last)
            put(char16_t(*first++));
    }
    void putZeros(int count)
    {
        for (int i = 0; i < count; ++i)
            put(u'0');
    }
    std::u16string str() const { return {text_, size_}; }

private:
    char16_t text_[48];
    std::size_t size_ = 0;
};

// The 15 significant digits of x rounded, without trailing zeros, and the decimal exponent of
// the rounded value (which may be one above x's own, as for 999999999999999.9).
struct RoundedDigits {
    char digits[16];
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

RoundedDigits roundTo15Digits(Double x)
{
    char text[32];
    const char *const last = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14).ptr;
    // The layout is fixed: [-]d.ddddddddddddddde(+|-)dd[d]
    RoundedDigits r;
    const char *p = text;
    r.negative = *p == '-';
    p += r.negative ? 1 : 0;
    r.digits[r.count++] = *p;
    for (p += 2; *p != 'e'; ++p)
        r.digits[r.count++] = *p;
    while (r.count > 1 && r.digits[r.count - 1] == '0')
        --r.count;
    ++p;
    const bool negativeExponent = *p == '-';
    std::from_chars(p + 1, last, r.exponent);
    r.exponent = negativeExponent ? -r.exponent : r.exponent;
    return r;
}

void putPlain(U16Builder &out, const RoundedDigits &r, char16_t decimal)
{
    if (r.exponent < 0) {
        out.put(u'0');
        out.put(decimal);
        out.putZeros(-r.exponent - 1);
        out.putAscii(r.digits, r.digits + r.count);
        return;
    }
    const int integerDigits = r.exponent + 1;
    if (r.count <= integerDigits) {
        out.putAscii(r.digits, r.digits + r.count);
        out.putZeros(integerDigits - r.count);
        return;
    }
    out.putAscii(r.digits, r.digits + integerDigits);
    out.put(decimal);
    out.putAscii(r.digits + integerDigits, r.digits + r.count);
}

void putScientific(U16Builder &out, const RoundedDigits &r, char16_t decimal)
{
    out.put(char16_t(r.digits[0]));
    if (r.count > 1) {
        out.put(decimal);
        out.putAscii(r.digits + 1, r.digits + r.count);
    }
    out.put(u'E');
    out.put(r.exponent < 0 ? u'-' : u'+');
    const int magnitude = r.exponent < 0 ? -r.exponent : r.exponent;
    if (magnitude < 10)
        out.put(u'0');
    char exponentText[8];
    out.putAscii(exponentText, std::to_chars(exponentText, exponentText + 8, magnitude).ptr);
}

// |units| as an unsigned number; 0 - u is well defined for the most negative value too.
std::uint64_t moneyMagnitude(std::int64_t units)
{
    const auto u = std::uint64_t(units);
    return units < 0 ? 0 - u : u;
}

template <class Int>
Int checkedInt16(Int value)
{
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max())
        throw OverflowError();
    return value;
}

// Ties to even without relying on the floating-point environment's rounding mode.
Double roundHalfEven(Double x)
{
    const Double below = std::floor(x);
    const Double fraction = x - below; // exact
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

} // namespace

// -------------------------------------------------------------------------------------------------

bool IsNumericText(std::u16string_view text, const Regional &regional)
{
    ScannedNumber number;
    return Scanner(text, regional).scan(number);
}

Double TextToDouble(std::u16string_view text, const Regional &regional)
{
    const ScannedNumber number = scanOrThrow(text, regional);
    DigitBuffer digits(number.integerPart.size() + number.fractionPart.size());
    if (number.radix == Radix::Decimal) {
        const std::int64_t pointExponent = digits.collectDecimal(number);
        return decimalToDouble(number.negative, digits, pointExponent);
    }
    digits.collectRadixDigits(number);
    return hexToDouble(number.radix == Radix::Hex ? std::string(digits.view()) : octalToHex(digits.view()));
}

Money TextToMoney(std::u16string_view text, const Regional &regional)
{
    const ScannedNumber number = scanOrThrow(text, regional);
    return Money::fromUnits(applySign<std::int64_t>(number.negative, roundedMagnitude(number, 4)));
}

Int16 TextToInt16(std::u16string_view text, const Regional &regional)
{
    const ScannedNumber number = scanOrThrow(text, regional);
    return applySign<Int16>(number.negative, roundedMagnitude(number, 0));
}

std::u16string DoubleToText(Double x, const Regional &regional)
{
    if (std::isnan(x))
        return u"NaN";
    if (std::isinf(x))
        return x < 0 ? u"-Infinity" : u"Infinity";
    if (x == 0.0)
        return u"0";
    const RoundedDigits rounded = roundTo15Digits(x);
    U16Builder out;
    if (rounded.negative)
        out.put(u'-');
    if (rounded.exponent >= -4 && rounded.exponent <= 14)
        putPlain(out, rounded, regional.decimal);
    else
        putScientific(out, rounded, regional.decimal);
    return out.str();
}

std::u16string MoneyToText(Money m, const Regional &regional)
{
    const std::uint64_t magnitude = moneyMagnitude(m.units);
    U16Builder out;
    if (m.units < 0)
        out.put(u'-');
    char text[24];
    out.putAscii(text, std::to_chars(text, text + sizeof text, magnitude / Money::kScale).ptr);
    const auto fraction = unsigned(magnitude % Money::kScale);
    if (fraction != 0) {
        out.put(regional.decimal);
        const char16_t places[] = {char16_t(u'0' + fraction / 1000), char16_t(u'0' + fraction / 100 % 10),
                                   char16_t(u'0' + fraction / 10 % 10), char16_t(u'0' + fraction % 10)};
        int count = 4;
        while (places[count - 1] == u'0')
            --count;
        for (int i = 0; i < count; ++i)
            out.put(places[i]);
    }
    return out.str();
}

std::u16string Int16ToText(Int16 i, const Regional &)
{
    char text[8];
    U16Builder out;
    out.putAscii(text, std::to_chars(text, text + sizeof text, int(i)).ptr);
    return out.str();
}

Money DoubleToMoney(Double x)
{
    const Double units = roundHalfEven(x * Double(Money::kScale));
    // Both bounds are exact powers of two; NaN fails the test too.
    if (!(units >= -0x1p63 && units < 0x1p63))
        throw OverflowError();
    return Money::fromUnits(std::int64_t(units));
}

Double MoneyToDouble(Money m)
{
    return Double(m.units) / Double(Money::kScale);
}

Int16 DoubleToInt16(Double x)
{
    const Double rounded = roundHalfEven(x);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw OverflowError();
    return Int16(rounded);
}

Money Int16ToMoney(Int16 i)
{
    return Money::fromUnits(std::int64_t(i) * Money::kScale);
}

Money MoneyAdd(Money a, Money b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.units, b.units, &sum))
        throw OverflowError();
    return Money::fromUnits(sum);
}

Money MoneyMul(Money a, Money b)
{
    // Both factors are below 2^63 in magnitude, so the exact product fits in 127 bits.
    const __int128 product = __int128(a.units) * b.units;
    const bool negative = product < 0;
    const auto magnitude =
        negative ? -static_cast<unsigned __int128>(product) : static_cast<unsigned __int128>(product);
    unsigned __int128 quotient = magnitude / Money::kScale;
    const auto remainder = unsigned(magnitude % Money::kScale);
    const unsigned half = Money::kScale / 2;
    if (remainder > half || (remainder == half && (quotient & 1) != 0))
        ++quotient;
    if (quotient > std::numeric_limits<std::uint64_t>::max())
        throw OverflowError();
    return Money::fromUnits(applySign<std::int64_t>(negative, std::uint64_t(quotient)));
}

Money MoneyMulInt16(Money m, Int16 i)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(m.units, std::int64_t(i), &product))
        throw OverflowError();
    return Money::fromUnits(product);
}

Int16 Int16Add(Int16 a, Int16 b)
{
    return Int16(checkedInt16(int(a) + int(b)));
}
Int16 Int16Sub(Int16 a, Int16 b)
{
    return Int16(checkedInt16(int(a) - int(b)));
}
Int16 Int16Mul(Int16 a, Int16 b)
{
    return Int16(checkedInt16(int(a) * int(b)));
}
Int16 Int16Increment(Int16 i)
{
    return Int16Add(i, 1);
}
Int16 Int16Decrement(Int16 i)
{
    return Int16Sub(i, 1);
}

// The C library's pow is not correctly rounded for every argument (pow(0.00024, 2) lands one unit
// in the last place above the nearest Double of the square), and a 15-digit figure near a tie shows
// that unit. The square, the only power the calculators take, is one IEEE multiplication instead.
Double Power(Double x, Double y)
{
    if (y == 2)
        return x * x;
    return std::pow(x, y);
}

} // namespace corvane

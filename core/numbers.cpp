#include "core/numbers.h"

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
// Scanning: one pass over the text that both decides whether it is a number and, for the
// converters, collects its significant digits as ASCII. IsNumericText runs the same scanner with
// a sink that keeps nothing, so the test and the conversions cannot disagree.

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
    // Decimal only: the value is 0.D x 10^pointExponent, where D are the collected digits
    // (leading zeros are never collected, trailing ones may be).
    std::int64_t pointExponent = 0;
};

struct DiscardDigits {
    void push(char) {}
};

// Room for the digits of a text plus what the conversion to std::from_chars adds around them
// (a sign and a point in front, an exponent behind), on the stack for ordinary lengths.
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

    void push(char c) { base_[kLead + size_++] = c; }
    void trimTrailingZeros()
    {
        while (size_ > 0 && digits()[size_ - 1] == '0')
            --size_;
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

template <class Sink>
class Scanner {
public:
    Scanner(std::u16string_view text, const Regional &regional, Sink &sink)
        : p_(text.data()), end_(text.data() + text.size()), regional_(regional), sink_(sink)
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
        if (letter == u'H' || letter == u'h') {
            out.radix = Radix::Hex;
            return scanIntegerDigits(isHexDigit);
        }
        if (letter == u'O' || letter == u'o') {
            out.radix = Radix::Octal;
            return scanIntegerDigits(isOctalDigit);
        }
        return false;
    }

    bool scanIntegerDigits(bool (*accepts)(char16_t))
    {
        if (p_ == end_)
            return false;
        bool significant = false;
        for (; p_ != end_; ++p_) {
            if (!accepts(*p_))
                return false;
            significant = significant || *p_ != u'0';
            if (significant)
                sink_.push(char(*p_));
        }
        return true;
    }

    bool scanDecimal(ScannedNumber &out)
    {
        std::int64_t integerDigits = 0;
        std::int64_t significantIntegerDigits = 0;
        if (!scanIntegerPart(integerDigits, significantIntegerDigits))
            return false;
        std::int64_t fractionDigits = 0;
        std::int64_t fractionLeadingZeros = 0;
        if (p_ != end_ && *p_ == regional_.decimal) {
            ++p_;
            scanFraction(significantIntegerDigits > 0, fractionDigits, fractionLeadingZeros);
        }
        if (integerDigits + fractionDigits == 0)
            return false;
        std::int64_t exponent = 0;
        if (p_ != end_ && (*p_ == u'E' || *p_ == u'e') && !scanExponent(exponent))
            return false;
        out.pointExponent = significantIntegerDigits - fractionLeadingZeros + exponent;
        return true;
    }

    // Thousands separators may only stand between groups: the first of 1 to 3 digits, each
    // later one of exactly 3, so that "12,5" typed with the wrong separator is refused rather
    // than read as 125. A separator equal to the decimal one is taken as the decimal one.
    bool scanIntegerPart(std::int64_t &digits, std::int64_t &significant)
    {
        const bool separatorUsable = regional_.thousands != regional_.decimal;
        std::int64_t groupLength = 0;
        bool grouped = false;
        for (; p_ != end_; ++p_) {
            const char16_t c = *p_;
            if (isDigit(c)) {
                ++digits;
                ++groupLength;
                if (significant > 0 || c != u'0') {
                    sink_.push(char(c));
                    ++significant;
                }
            } else if (c == regional_.thousands && separatorUsable) {
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

    void scanFraction(bool significant, std::int64_t &digits, std::int64_t &leadingZeros)
    {
        for (; p_ != end_ && isDigit(*p_); ++p_) {
            ++digits;
            significant = significant || *p_ != u'0';
            if (significant)
                sink_.push(char(*p_));
            else
                ++leadingZeros;
        }
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
    Sink &sink_;
};

ScannedNumber scanOrThrow(std::u16string_view text, const Regional &regional, DigitBuffer &digits)
{
    ScannedNumber number;
    if (!Scanner<DigitBuffer>(text, regional, digits).scan(number))
        throw TypeMismatchError();
    return number;
}

// ---------------------------------------------------------------------------------------------
// Text to Double. The digits go to std::from_chars, which rounds correctly and ignores the C
// library's locale; only over- and underflow need telling apart here.

Double signedZero(bool negative)
{
    return negative ? -0.0 : 0.0;
}

Double decimalToDouble(const ScannedNumber &number, DigitBuffer &digits)
{
    digits.trimTrailingZeros();
    if (digits.empty())
        return signedZero(number.negative);
    // 0.D x 10^401 is at least 1e400; 0.D x 10^-400 is below every subnormal.
    if (number.pointExponent > 400)
        throw OverflowError();
    if (number.pointExponent < -400)
        return signedZero(number.negative);
    const auto [first, last] = digits.asScientific(number.negative, number.pointExponent - 1);
    Double value = 0;
    if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
        if (number.pointExponent > 0)
            throw OverflowError();
        return signedZero(number.negative);
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

std::optional<std::uint64_t> multiplyByPowerOfTen(std::uint64_t value, int power)
{
    for (int i = 0; i < power; ++i) {
        if (__builtin_mul_overflow(value, std::uint64_t{10}, &value))
            return std::nullopt;
    }
    return value;
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

// |value| x 10^scaleDigits rounded to a whole number, or nothing when it needs more than 64 bits.
std::optional<std::uint64_t> roundedDecimalMagnitude(const ScannedNumber &number, DigitBuffer &digits, int scaleDigits)
{
    digits.trimTrailingZeros();
    const std::string_view d = digits.view();
    if (d.empty())
        return 0;
    const std::int64_t keptDigits = number.pointExponent + scaleDigits;
    if (keptDigits > 19) // at least 10^19, beyond 64 bits' 1.8 x 10^19
        return std::nullopt;
    if (keptDigits < 0) // below 0.1
        return 0;
    std::uint64_t kept = 0;
    for (std::int64_t i = 0; i < keptDigits; ++i)
        kept = kept * 10 + (std::size_t(i) < d.size() ? std::uint64_t(d[i] - '0') : 0);
    if (std::size_t(keptDigits) >= d.size())
        return kept;
    return kept + (roundsUp(d.substr(std::size_t(keptDigits)), kept) ? 1 : 0);
}

std::optional<std::uint64_t> roundedMagnitude(const ScannedNumber &number, DigitBuffer &digits, int scaleDigits)
{
    std::optional<std::uint64_t> whole;
    switch (number.radix) {
    case Radix::Decimal: return roundedDecimalMagnitude(number, digits, scaleDigits);
    case Radix::Hex: whole = radixDigitsToInteger(digits.view(), 16); break;
    case Radix::Octal: whole = radixDigitsToInteger(digits.view(), 8); break;
    }
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
    DiscardDigits discard;
    ScannedNumber number;
    return Scanner<DiscardDigits>(text, regional, discard).scan(number);
}

Double TextToDouble(std::u16string_view text, const Regional &regional)
{
    DigitBuffer digits(text.size());
    const ScannedNumber number = scanOrThrow(text, regional, digits);
    switch (number.radix) {
    case Radix::Hex: return hexToDouble(digits.view());
    case Radix::Octal: return hexToDouble(octalToHex(digits.view()));
    case Radix::Decimal: break;
    }
    return decimalToDouble(number, digits);
}

Money TextToMoney(std::u16string_view text, const Regional &regional)
{
    DigitBuffer digits(text.size());
    const ScannedNumber number = scanOrThrow(text, regional, digits);
    return Money::fromUnits(applySign<std::int64_t>(number.negative, roundedMagnitude(number, digits, 4)));
}

Int16 TextToInt16(std::u16string_view text, const Regional &regional)
{
    DigitBuffer digits(text.size());
    const ScannedNumber number = scanOrThrow(text, regional, digits);
    return applySign<Int16>(number.negative, roundedMagnitude(number, digits, 0));
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
    auto fraction = unsigned(magnitude % Money::kScale);
    if (fraction != 0) {
        out.put(regional.decimal);
        for (unsigned place = Money::kScale / 10; fraction != 0; place /= 10) {
            out.put(char16_t(u'0' + fraction / place));
            fraction %= place;
        }
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

Double Power(Double x, Double y)
{
    return std::pow(x, y);
}

} // namespace corvane

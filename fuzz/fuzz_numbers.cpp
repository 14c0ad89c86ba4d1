// Differential fuzzing of the number grammar and the text conversions against a deliberately
// naive reference written here: split the text into pieces, check each piece, and round the
// digits as on paper in 128-bit integers.
//
// Input layout: the first byte chooses the setting (bit 0: comma decimal) and the decoding of the
// rest (bit 1: UTF-16 little-endian pairs, so that unpaired surrogates occur; otherwise one
// character per byte, with 0x80 standing for the euro sign so that the currency is reachable).
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "numbers/numbers.h"

using namespace corvane;

namespace {

using u128 = unsigned __int128;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "violated: %s\n", what);
    __builtin_trap();
}

void require(bool ok, const char *what)
{
    if (!ok)
        fail(what);
}

std::u16string decode(const std::uint8_t *data, std::size_t size, bool utf16)
{
    std::u16string text;
    if (utf16) {
        for (std::size_t i = 0; i + 1 < size; i += 2)
            text += char16_t(data[i] | (data[i + 1] << 8));
    } else {
        for (std::size_t i = 0; i < size; ++i)
            text += data[i] == 0x80 ? u'\u20AC' : char16_t(data[i]);
    }
    return text;
}

// ---- The reference grammar ----

struct Reference {
    enum Kind { Decimal, Hex, Octal } kind = Decimal;
    bool negative = false;
    std::string integerDigits; // separators removed
    std::string fractionDigits;
    long long exponent = 0; // saturated far beyond any fuzz input's digit count
    std::string radixDigits;
};

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}
bool allOf(std::u16string_view s, bool (*pred)(char16_t))
{
    for (char16_t c : s)
        if (!pred(c))
            return false;
    return true;
}
bool isDec(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
bool isOct(char16_t c)
{
    return c >= u'0' && c <= u'7';
}
bool isHex(char16_t c)
{
    return isDec(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

std::string ascii(std::u16string_view s)
{
    return std::string(s.begin(), s.end());
}

std::u16string_view trim(std::u16string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool parseGroupedInteger(std::u16string_view s, const Regional &r, std::string &digits)
{
    if (r.thousands == r.decimal || s.find(r.thousands) == std::u16string_view::npos) {
        digits = ascii(s);
        return allOf(s, isDec);
    }
    std::vector<std::u16string_view> groups;
    for (std::size_t start = 0;;) {
        const std::size_t at = s.find(r.thousands, start);
        groups.push_back(s.substr(start, at == std::u16string_view::npos ? at : at - start));
        if (at == std::u16string_view::npos)
            break;
        start = at + 1;
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const auto g = groups[i];
        const bool sized = i == 0 ? (g.size() >= 1 && g.size() <= 3) : g.size() == 3;
        if (!sized || !allOf(g, isDec))
            return false;
        digits += ascii(g);
    }
    return true;
}

bool parseUnsignedBody(std::u16string_view s, const Regional &r, Reference &out)
{
    std::u16string_view mantissa = s;
    const std::size_t e = s.find_first_of(u"eE");
    if (e != std::u16string_view::npos) {
        mantissa = s.substr(0, e);
        std::u16string_view exp = s.substr(e + 1);
        bool negative = false;
        if (!exp.empty() && (exp[0] == u'+' || exp[0] == u'-')) {
            negative = exp[0] == u'-';
            exp.remove_prefix(1);
        }
        if (exp.empty() || !allOf(exp, isDec))
            return false;
        for (char16_t c : exp)
            out.exponent = std::min(out.exponent * 10 + (c - u'0'), 100'000'000'000LL);
        out.exponent = negative ? -out.exponent : out.exponent;
    }
    std::u16string_view integer = mantissa;
    const std::size_t point = mantissa.find(r.decimal);
    if (point != std::u16string_view::npos) {
        integer = mantissa.substr(0, point);
        const auto fraction = mantissa.substr(point + 1);
        if (!allOf(fraction, isDec))
            return false;
        out.fractionDigits = ascii(fraction);
    }
    if (!parseGroupedInteger(integer, r, out.integerDigits))
        return false;
    return !out.integerDigits.empty() || !out.fractionDigits.empty();
}

bool startsWith(std::u16string_view s, std::u16string_view prefix)
{
    return !prefix.empty() && s.substr(0, prefix.size()) == prefix;
}

std::optional<Reference> parseReference(std::u16string_view text, const Regional &r)
{
    const std::u16string_view s = trim(text);
    if (s.size() >= 3 && s[0] == u'&') {
        Reference ref;
        const std::u16string_view digits = s.substr(2);
        if ((s[1] == u'H' || s[1] == u'h') && allOf(digits, isHex))
            ref.kind = Reference::Hex;
        else if ((s[1] == u'O' || s[1] == u'o') && allOf(digits, isOct))
            ref.kind = Reference::Octal;
        else
            return std::nullopt;
        ref.radixDigits = ascii(digits);
        return ref;
    }
    // Every allowed arrangement of currency (with blanks after it) and sign, tried in turn.
    const auto afterCurrency = [&](std::u16string_view t) -> std::optional<std::u16string_view> {
        if (!startsWith(t, r.currency))
            return std::nullopt;
        t.remove_prefix(r.currency.size());
        while (!t.empty() && isBlank(t.front()))
            t.remove_prefix(1);
        return t;
    };
    const auto trySign = [](std::u16string_view t, Reference &ref) {
        if (!t.empty() && (t[0] == u'+' || t[0] == u'-')) {
            ref.negative = t[0] == u'-';
            t.remove_prefix(1);
        }
        return t;
    };
    std::vector<std::pair<std::u16string_view, bool>> candidates; // body, negative
    {
        Reference signOnly;
        const auto body = trySign(s, signOnly);
        candidates.push_back({body, signOnly.negative});
        if (const auto rest = afterCurrency(body); rest && body.size() != s.size())
            candidates.push_back({*rest, signOnly.negative});
    }
    if (const auto rest = afterCurrency(s)) {
        Reference ref;
        const auto body = trySign(*rest, ref);
        candidates.push_back({body, ref.negative});
    }
    for (const auto &[body, negative] : candidates) {
        Reference ref;
        ref.negative = negative;
        if (parseUnsignedBody(body, r, ref))
            return ref;
    }
    return std::nullopt;
}

// ---- Reference values ----

constexpr u128 kSaturated = u128(1) << 100;

u128 saturatingMulAdd(u128 v, unsigned factor, unsigned add)
{
    if (v >= kSaturated)
        return kSaturated;
    v = v * factor + add;
    return v >= kSaturated ? kSaturated : v;
}

// |value| x 10^scale rounded half to even, saturated at kSaturated.
u128 roundedMagnitude(const Reference &ref, int scale)
{
    if (ref.kind != Reference::Decimal) {
        u128 v = 0;
        const unsigned radix = ref.kind == Reference::Hex ? 16 : 8;
        for (char c : ref.radixDigits) {
            const unsigned d = c <= '9' ? unsigned(c - '0') : unsigned((c | 0x20) - 'a' + 10);
            v = saturatingMulAdd(v, radix, d);
        }
        for (int i = 0; i < scale; ++i)
            v = saturatingMulAdd(v, 10, 0);
        return v;
    }
    const std::string digits = ref.integerDigits + ref.fractionDigits;
    const long long shift = scale - (long long)ref.fractionDigits.size() + ref.exponent;
    if (shift >= 0) {
        u128 v = 0;
        for (char c : digits)
            v = saturatingMulAdd(v, 10, unsigned(c - '0'));
        for (long long i = 0; i < shift && v != 0 && v != kSaturated; ++i)
            v = saturatingMulAdd(v, 10, 0);
        return v;
    }
    const auto dropped = std::size_t(std::min<long long>(-shift, (long long)digits.size() + 1));
    const std::size_t keptCount = digits.size() >= dropped ? digits.size() - dropped : 0;
    u128 kept = 0;
    for (std::size_t i = 0; i < keptCount; ++i)
        kept = saturatingMulAdd(kept, 10, unsigned(digits[i] - '0'));
    if (dropped > digits.size()) // every digit lies below the first dropped place
        return kept;
    const char first = digits[keptCount];
    const bool beyondHalf = digits.find_first_not_of('0', keptCount + 1) != std::string::npos;
    const bool up = first > '5' || (first == '5' && (beyondHalf || (kept & 1) != 0));
    return up ? saturatingMulAdd(kept, 1, 1) : kept;
}

std::optional<std::int64_t> referenceInteger(const Reference &ref, int scale, std::int64_t min, std::int64_t max)
{
    const u128 magnitude = roundedMagnitude(ref, scale);
    const u128 limit = ref.negative ? u128(-(min + 1)) + 1 : u128(max);
    if (magnitude > limit)
        return std::nullopt;
    if (magnitude == 0)
        return 0;
    return ref.negative ? std::int64_t(-std::int64_t(magnitude - 1) - 1) : std::int64_t(magnitude);
}

// The Double the text denotes, when the reference can tell on its own; nothing otherwise.
std::optional<double> referenceDouble(const Reference &ref, bool &overflows)
{
    overflows = false;
    if (ref.kind != Reference::Decimal) {
        if (ref.radixDigits.size() > 32)
            return std::nullopt;
        u128 v = 0;
        for (char c : ref.radixDigits)
            v = v * (ref.kind == Reference::Hex ? 16 : 8) + unsigned(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
        return double(v); // the conversion rounds to nearest, ties to even
    }
    std::string text = ref.negative ? "-" : "";
    text += (ref.integerDigits.empty() ? "0" : ref.integerDigits) + "." + ref.fractionDigits;
    text += "e" + std::to_string(ref.exponent);
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc::result_out_of_range)
        return value;
    // Out of range: overflow when the leading digit is at a place of one or more.
    const std::string digits = ref.integerDigits + ref.fractionDigits;
    const auto lead = (long long)digits.find_first_not_of('0');
    overflows = (long long)ref.integerDigits.size() - 1 - lead + ref.exponent >= 0;
    return ref.negative ? -0.0 : 0.0;
}

// ---- Checks ----

template <class F>
auto outcome(F convert) -> std::optional<decltype(convert())>
{
    try {
        return convert();
    } catch (const OverflowError &) {
        return std::nullopt;
    } catch (const TypeMismatchError &) {
        fail("numeric text raised a type mismatch");
    }
}

template <class F>
void requireTypeMismatch(F convert)
{
    try {
        convert();
    } catch (const TypeMismatchError &) {
        return;
    } catch (...) {
    }
    fail("non-numeric text did not raise a type mismatch");
}

void checkNonNumeric(std::u16string_view text, const Regional &r)
{
    requireTypeMismatch([&] { TextToDouble(text, r); });
    requireTypeMismatch([&] { TextToMoney(text, r); });
    requireTypeMismatch([&] { TextToInt16(text, r); });
}

constexpr double kFifteenDigitsOverflow = 1.797693134862315e308;

void checkDoubleTextRoundTrip(double value, const Regional &r)
{
    if (!std::isfinite(value))
        fail("text converted to a non-finite Double");
    const std::u16string shown = DoubleToText(value, r);
    require(IsNumericText(shown, r), "DoubleToText gave non-numeric text");
    // The largest Doubles show as 1.79769313486232E+308, which lies beyond the range itself.
    if (std::fabs(value) >= kFifteenDigitsOverflow)
        return;
    const double back = TextToDouble(shown, r);
    require(DoubleToText(back, r) == shown, "DoubleToText does not survive a round trip");
}

void checkNumeric(std::u16string_view text, const Regional &r, const Reference &ref)
{
    const auto money = outcome([&] { return TextToMoney(text, r).units; });
    require(money == referenceInteger(ref, 4, INT64_MIN, INT64_MAX), "TextToMoney differs");
    const auto int16 = outcome([&] { return std::int64_t(TextToInt16(text, r)); });
    require(int16 == referenceInteger(ref, 0, -32768, 32767), "TextToInt16 differs");

    const auto value = outcome([&] { return TextToDouble(text, r); });
    bool overflows = false;
    const auto expected = referenceDouble(ref, overflows);
    if (expected) {
        require(value.has_value() != overflows, "TextToDouble overflow differs");
        require(!value || std::memcmp(&*value, &*expected, sizeof(double)) == 0, "TextToDouble differs");
    }
    if (value)
        checkDoubleTextRoundTrip(*value, r);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const Regional us = Regional::unitedStates();
    static const Regional comma{u',', u'.', u"\u20AC"};
    const Regional &regional = (data[0] & 1) ? comma : us;
    const std::u16string text = decode(data + 1, size - 1, (data[0] & 2) != 0);

    bool numeric = false;
    try {
        numeric = IsNumericText(text, regional);
    } catch (...) {
        fail("IsNumericText threw");
    }
    const auto ref = parseReference(text, regional);
    require(numeric == ref.has_value(), "IsNumericText disagrees with the reference grammar");
    if (numeric)
        checkNumeric(text, regional, *ref);
    else
        checkNonNumeric(text, regional);
    return 0;
}

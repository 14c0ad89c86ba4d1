// Number entry and display: the three number kinds, the text grammar shared by the numeric
// test and every text conversion, and the arithmetic that checks its range.
//
// Plain C++ with no toolkit header, so the fuzzer and the benchmarks link it alone. Text is
// UTF-16 (the toolkit's own encoding, so no conversion is needed on the way in). The regional
// separators are a parameter; the caller reads them from the system each time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/errors.h"

namespace corvane {

using Double = double;
using Int16 = std::int16_t;

// A fixed-point decimal: a count of ten-thousandths in 64 bits.
struct Money {
    std::int64_t units = 0;

    static constexpr std::int64_t kScale = 10000;
    static constexpr Money fromUnits(std::int64_t u) { return Money{u}; }
    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;
};

// The user's regional settings as far as numbers are concerned.
struct Regional {
    char16_t decimal = u'.';
    char16_t thousands = u',';
    std::u16string currency = u"$";

    static Regional unitedStates() { return {}; }
};

// Text to number. Every converter accepts exactly the texts IsNumericText accepts; for any other
// text it raises TypeMismatchError. Values beyond the target's range raise OverflowError.
bool IsNumericText(std::u16string_view text, const Regional &regional);
Double TextToDouble(std::u16string_view text, const Regional &regional);
Money TextToMoney(std::u16string_view text, const Regional &regional);
Int16 TextToInt16(std::u16string_view text, const Regional &regional);

// Number to text, with the regional decimal separator and never a thousands separator.
std::u16string DoubleToText(Double x, const Regional &regional);
std::u16string MoneyToText(Money m, const Regional &regional);
// The regional settings play no part yet; the parameter keeps it in line with its siblings.
std::u16string Int16ToText(Int16 i, const Regional &regional);

// Conversions between kinds.
Money DoubleToMoney(Double x);
Double MoneyToDouble(Money m);
Int16 DoubleToInt16(Double x);
Money Int16ToMoney(Int16 i);

// Money and Int16 arithmetic, each checked against its type's range.
Money MoneyAdd(Money a, Money b);
Money MoneyMul(Money a, Money b);
Money MoneyMulInt16(Money m, Int16 i);
Int16 Int16Add(Int16 a, Int16 b);
Int16 Int16Sub(Int16 a, Int16 b);
Int16 Int16Mul(Int16 a, Int16 b);
Int16 Int16Increment(Int16 i);
Int16 Int16Decrement(Int16 i);

Double Power(Double x, Double y);

// The floating-point status test that follows every Double step that can fail: a result that
// is infinite or not a number means the step divided by zero, overflowed or was invalid.
inline Double checkedStep(Double result)
{
    if (result - result != 0.0) // true exactly for infinities and NaN
        throw FloatingPointError();
    return result;
}

} // namespace corvane

// Each conversion beside its standard-library counterpart on the same realistic inputs: the
// figures people type into the calculators and the results they are shown. The counterparts get
// plain ASCII with the thousands separators removed, as std::from_chars reads no others.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/numbers.h"

using namespace corvane;

namespace {

constexpr std::array<std::u16string_view, 10> kTyped = {
    u"1234.5678", u"0.0332", u"12,345.25", u"1E+14", u"66", u"1.65", u"-3.25", u"35.5", u"0.333333333333333", u"7481",
};
constexpr std::array<std::string_view, 10> kTypedAscii = {
    "1234.5678", "0.0332", "12345.25", "1E+14", "66", "1.65", "-3.25", "35.5", "0.333333333333333", "7481",
};
constexpr std::array<double, 10> kShownDoubles = {
    1234.5678, 0.0332, 12345.25, 1e15, 1.0 / 3, 26.400000000000002, 7481, 0.0620923, 62092.3, 1.5e-5,
};
constexpr std::array<std::int64_t, 10> kShownMoney = {
    12345678, 332, 123452500, 660000, -32500, 355000, 471420, 5435710, 112708, INT64_MAX,
};

const Regional kUs = Regional::unitedStates();

void TextToDouble_corvane(benchmark::State &state)
{
    for (auto _ : state)
        for (const auto text : kTyped)
            benchmark::DoNotOptimize(TextToDouble(text, kUs));
}

void TextToDouble_std(benchmark::State &state)
{
    for (auto _ : state)
        for (const auto text : kTypedAscii) {
            double value;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
}

void TextToMoney_corvane(benchmark::State &state)
{
    for (auto _ : state)
        for (const auto text : kTyped)
            benchmark::DoNotOptimize(TextToMoney(text, kUs));
}

void IsNumericText_corvane(benchmark::State &state)
{
    for (auto _ : state)
        for (const auto text : kTyped)
            benchmark::DoNotOptimize(IsNumericText(text, kUs));
}

void DoubleToText_corvane(benchmark::State &state)
{
    for (auto _ : state)
        for (const double x : kShownDoubles)
            benchmark::DoNotOptimize(DoubleToText(x, kUs));
}

// The same 15 significant digits and the same choice of notation as DoubleToText.
void DoubleToText_std(benchmark::State &state)
{
    char text[32];
    for (auto _ : state)
        for (const double x : kShownDoubles) {
            benchmark::DoNotOptimize(std::to_chars(text, text + sizeof text, x, std::chars_format::general, 15));
            benchmark::ClobberMemory();
        }
}

// The text conversions return an owned UTF-16 string, which costs an allocation for every text
// longer than the string's inline buffer; this counterpart pays the same price.
void DoubleToText_stdString(benchmark::State &state)
{
    char text[32];
    for (auto _ : state)
        for (const double x : kShownDoubles) {
            const char *first = text;
            const char *last = std::to_chars(text, text + sizeof text, x, std::chars_format::general, 15).ptr;
            benchmark::DoNotOptimize(std::u16string(first, last));
        }
}

void MoneyToText_corvane(benchmark::State &state)
{
    for (auto _ : state)
        for (const auto units : kShownMoney)
            benchmark::DoNotOptimize(MoneyToText(Money::fromUnits(units), kUs));
}

void MoneyToText_std(benchmark::State &state)
{
    char text[32];
    for (auto _ : state)
        for (const auto units : kShownMoney) {
            benchmark::DoNotOptimize(std::to_chars(text, text + sizeof text, units));
            benchmark::ClobberMemory();
        }
}

void MoneyToText_stdString(benchmark::State &state)
{
    char text[32];
    for (auto _ : state)
        for (const auto units : kShownMoney) {
            const char *first = text;
            const char *last = std::to_chars(text, text + sizeof text, units).ptr;
            benchmark::DoNotOptimize(std::u16string(first, last));
        }
}

} // namespace

// Registered as "<conversion>_corvane" beside "<conversion>_std" (and, for the conversions to
// text, "<conversion>_stdString"); scripts/bench divides the first's time by each other's.
// TextToMoney and IsNumericText are set against from_chars as well: the standard library has no
// decimal fixed point and no separate numeric test, and reading the number is the work both do.
int main(int argc, char **argv)
{
    benchmark::RegisterBenchmark("TextToDouble_corvane", TextToDouble_corvane);
    benchmark::RegisterBenchmark("TextToDouble_std", TextToDouble_std);
    benchmark::RegisterBenchmark("TextToMoney_corvane", TextToMoney_corvane);
    benchmark::RegisterBenchmark("TextToMoney_std", TextToDouble_std);
    benchmark::RegisterBenchmark("IsNumericText_corvane", IsNumericText_corvane);
    benchmark::RegisterBenchmark("IsNumericText_std", TextToDouble_std);
    benchmark::RegisterBenchmark("DoubleToText_corvane", DoubleToText_corvane);
    benchmark::RegisterBenchmark("DoubleToText_std", DoubleToText_std);
    benchmark::RegisterBenchmark("DoubleToText_stdString", DoubleToText_stdString);
    benchmark::RegisterBenchmark("MoneyToText_corvane", MoneyToText_corvane);
    benchmark::RegisterBenchmark("MoneyToText_std", MoneyToText_std);
    benchmark::RegisterBenchmark("MoneyToText_stdString", MoneyToText_stdString);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Conversions per second, text in and text out, against a baseline that
// reads with std::stod and writes with std::ostringstream at 15 digits.

#include "conversion/Conversion.h"

#include <benchmark/benchmark.h>

#include <array>
#include <iomanip>
#include <sstream>
#include <string>

namespace {

constexpr std::array<std::u16string_view, 6> fieldTexts{u"10", u"1.23", u"1234.5678",
                                                        u"-0.5", u"1e6", u"  99.99 "};
constexpr std::array<std::string_view, 6> asciiTexts{"10", "1.23", "1234.5678",
                                                     "-0.5", "1e6", "  99.99 "};

void ours(benchmark::State& state, std::u16string (*convert)(std::u16string_view))
{
    std::size_t i = 0;
    for (auto _ : state) {
        std::u16string shown = convert(fieldTexts[i++ % fieldTexts.size()]);
        benchmark::DoNotOptimize(shown);
    }
    state.SetItemsProcessed(state.iterations());
}

void baseline(benchmark::State& state, double (*step)(double) noexcept)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const double amount = std::stod(std::string(asciiTexts[i++ % asciiTexts.size()]));
        std::ostringstream out;
        out << std::setprecision(15) << step(amount);
        std::string shown = out.str();
        benchmark::DoNotOptimize(shown);
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(ours, EuroToPunt, conversion::convertEuroToPunt);
BENCHMARK_CAPTURE(baseline, EuroToPunt, conversion::eurosToPunts);
BENCHMARK_CAPTURE(ours, PuntToEuro, conversion::convertPuntToEuro);
BENCHMARK_CAPTURE(baseline, PuntToEuro, conversion::puntsToEuros);

BENCHMARK_MAIN();

// Decimal beside std::decimal::decimal128 (libstdc++'s IEEE 754 decimal, computed by libgcc's
// BID routines), operation by operation, on the same everyday amounts in the same run: add,
// multiply, divide, Round3, reading text and writing text.
//
// What is compared:
// - Add, Multiply, Divide: one operator call each, on 1024 pairs of amounts (prices with 2 and
//   quantities with 3 decimals); division gives 28-29 significant digits for most pairs.
// - Round3: Decimal::Round3(2) against a decimal128 rounding written with its API (multiply by
//   100, add +-0.5, truncate to long long, make_decimal128 with exponent -2), the same half-away
//   rounding for amounts below 9.2e16.
// - Parse: the invariant text "-1234.5678" and the like; for decimal128 a reader of the same
//   form that builds the coefficient in an unsigned long long and calls make_decimal128.
// - Format: ToString2(127, false) into a CString; for decimal128 the coefficient and exponent
//   are taken from its BID encoding and written with the same digit routine into a std::string.
// decimal128 needs GCC's decimal floating point; other compilers run the Decimal side only.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "orveldblib/Decimal.h"

#if defined(__GNUC__) && !defined(__clang__) && __has_include(<decimal/decimal>)
#define ORVEL_HAVE_DECIMAL128 1
#include <decimal/decimal>
#endif

namespace {

constexpr std::size_t kCount = 1024;
constexpr std::size_t kMask = kCount - 1;

// Amounts as text: prices with 2 decimals, quantities with 3, some negative.
struct Data {
    std::vector<std::string> prices;
    std::vector<std::string> quantities;
    std::vector<std::string> texts;

    Data()
    {
        std::mt19937_64 rng(42);
        for (std::size_t i = 0; i < kCount; ++i) {
            long cents = static_cast<long>(rng() % 10000000) + 1;  // 0.01 .. 100000.00
            long milli = static_cast<long>(rng() % 100000) + 1;    // 0.001 .. 100.000
            bool negative = rng() % 5 == 0;
            prices.push_back((negative ? "-" : "") + std::to_string(cents / 100) + "." +
                             std::string(cents % 100 < 10 ? "0" : "") + std::to_string(cents % 100));
            std::string m = std::to_string(milli % 1000);
            quantities.push_back(std::to_string(milli / 1000) + "." + std::string(3 - m.size(), '0') + m);
            texts.push_back(i % 2 == 0 ? prices.back() : quantities.back());
        }
    }
};

const Data& data()
{
    static const Data d;
    return d;
}

struct DecimalData {
    std::array<Decimal, kCount> prices;
    std::array<Decimal, kCount> quantities;
    std::array<Decimal, kCount> fine;  // 5 decimals, for Round3
    DecimalData()
    {
        for (std::size_t i = 0; i < kCount; ++i) {
            prices[i] = Decimal(data().prices[i].c_str(), LOCALE_INVARIANT);
            quantities[i] = Decimal(data().quantities[i].c_str(), LOCALE_INVARIANT);
            fine[i] = prices[i] * quantities[i];
        }
    }
};

const DecimalData& decimals()
{
    static const DecimalData d;
    return d;
}

void BM_Add_Decimal(benchmark::State& state)
{
    const auto& d = decimals();
    std::size_t i = 0;
    for (auto _ : state) {
        Decimal r = d.prices[i & kMask] + d.prices[(i + 1) & kMask];
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Multiply_Decimal(benchmark::State& state)
{
    const auto& d = decimals();
    std::size_t i = 0;
    for (auto _ : state) {
        Decimal r = d.prices[i & kMask] * d.quantities[i & kMask];
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Divide_Decimal(benchmark::State& state)
{
    const auto& d = decimals();
    std::size_t i = 0;
    for (auto _ : state) {
        Decimal r = d.prices[i & kMask] / d.quantities[i & kMask];
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Round3_Decimal(benchmark::State& state)
{
    const auto& d = decimals();
    std::size_t i = 0;
    for (auto _ : state) {
        Decimal r = d.fine[i & kMask];
        r.Round3(2);
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Parse_Decimal(benchmark::State& state)
{
    const auto& texts = data().texts;
    std::size_t i = 0;
    for (auto _ : state) {
        Decimal r(texts[i & kMask].c_str(), LOCALE_INVARIANT);
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Format_Decimal(benchmark::State& state)
{
    const auto& d = decimals();
    std::size_t i = 0;
    for (auto _ : state) {
        CString text = d.prices[i & kMask].ToString2(LOCALE_INVARIANT, false);
        benchmark::DoNotOptimize(text);
        ++i;
    }
}

#ifdef ORVEL_HAVE_DECIMAL128

using std::decimal::decimal128;

// Reads "[-]digits[.digits]" (at most 19 digits) into a decimal128 with the written exponent.
decimal128 parseDecimal128(const char* p)
{
    bool negative = *p == '-';
    if (negative || *p == '+')
        ++p;
    unsigned long long coefficient = 0;
    int exponent = 0;
    bool fraction = false;
    for (; *p != '\0'; ++p) {
        if (*p == '.') {
            fraction = true;
            continue;
        }
        coefficient = coefficient * 10 + static_cast<unsigned>(*p - '0');
        if (fraction)
            --exponent;
    }
    decimal128 r = std::decimal::make_decimal128(coefficient, exponent);
    return negative ? -r : r;
}

// Writes a finite decimal128 (coefficient below 2^113) in the plain form, from its BID encoding.
std::string formatDecimal128(decimal128 v)
{
    std::uint64_t w[2];
    std::memcpy(w, &v, sizeof w);
    bool negative = (w[1] >> 63) != 0;
    int exponent = static_cast<int>((w[1] >> 49) & 0x3FFF) - 6176;
    unsigned __int128 coefficient = (static_cast<unsigned __int128>(w[1] & ((1ULL << 49) - 1)) << 64) | w[0];
    char digits[48];
    char* end;
    if ((coefficient >> 64) == 0) {
        end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint64_t>(coefficient)).ptr;
    } else {
        const std::uint64_t e19 = 10000000000000000000ULL;
        end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint64_t>(coefficient / e19)).ptr;
        char tail[20];
        char* t = std::to_chars(tail, tail + sizeof tail, static_cast<std::uint64_t>(coefficient % e19)).ptr;
        std::size_t n = static_cast<std::size_t>(t - tail);
        std::memset(end, '0', 19 - n);
        std::memcpy(end + (19 - n), tail, n);
        end += 19;
    }
    std::string out;
    if (negative)
        out += '-';
    int n = static_cast<int>(end - digits);
    int scale = exponent < 0 ? -exponent : 0;
    if (n <= scale) {
        out += "0.";
        out.append(static_cast<std::size_t>(scale - n), '0');
        out.append(digits, end);
    } else {
        out.append(digits, static_cast<std::size_t>(n - scale));
        if (scale > 0) {
            out += '.';
            out.append(digits + (n - scale), end);
        }
        if (exponent > 0)
            out.append(static_cast<std::size_t>(exponent), '0');
    }
    return out;
}

struct Decimal128Data {
    std::array<decimal128, kCount> prices;
    std::array<decimal128, kCount> quantities;
    std::array<decimal128, kCount> fine;
    Decimal128Data()
    {
        for (std::size_t i = 0; i < kCount; ++i) {
            prices[i] = parseDecimal128(data().prices[i].c_str());
            quantities[i] = parseDecimal128(data().quantities[i].c_str());
            fine[i] = prices[i] * quantities[i];
        }
    }
};

const Decimal128Data& decimal128s()
{
    static const Decimal128Data d;
    return d;
}

void BM_Add_decimal128(benchmark::State& state)
{
    const auto& d = decimal128s();
    std::size_t i = 0;
    for (auto _ : state) {
        decimal128 r = d.prices[i & kMask] + d.prices[(i + 1) & kMask];
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Multiply_decimal128(benchmark::State& state)
{
    const auto& d = decimal128s();
    std::size_t i = 0;
    for (auto _ : state) {
        decimal128 r = d.prices[i & kMask] * d.quantities[i & kMask];
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Divide_decimal128(benchmark::State& state)
{
    const auto& d = decimal128s();
    std::size_t i = 0;
    for (auto _ : state) {
        decimal128 r = d.prices[i & kMask] / d.quantities[i & kMask];
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Round3_decimal128(benchmark::State& state)
{
    const auto& d = decimal128s();
    const decimal128 hundred = std::decimal::make_decimal128(100LL, 0);
    const decimal128 half = std::decimal::make_decimal128(5LL, -1);
    std::size_t i = 0;
    for (auto _ : state) {
        decimal128 x = d.fine[i & kMask] * hundred;
        x += x < decimal128(0) ? -half : half;
        decimal128 r = std::decimal::make_decimal128(std::decimal::decimal128_to_long_long(x), -2);
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Parse_decimal128(benchmark::State& state)
{
    const auto& texts = data().texts;
    std::size_t i = 0;
    for (auto _ : state) {
        decimal128 r = parseDecimal128(texts[i & kMask].c_str());
        benchmark::DoNotOptimize(r);
        ++i;
    }
}

void BM_Format_decimal128(benchmark::State& state)
{
    const auto& d = decimal128s();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = formatDecimal128(d.prices[i & kMask]);
        benchmark::DoNotOptimize(text);
        ++i;
    }
}

// The two sides must compute the same thing: checked once before timing.
bool sidesAgree()
{
    const auto& a = decimals();
    const auto& b = decimal128s();
    for (std::size_t i = 0; i < kCount; ++i) {
        if (formatDecimal128(b.prices[i]) != a.prices[i].ToString2(LOCALE_INVARIANT, false).str())
            return false;
        if (formatDecimal128(b.fine[i]) != a.fine[i].ToString2(LOCALE_INVARIANT, false).str())
            return false;
        Decimal r = a.fine[i];
        r.Round3(2);
        decimal128 x = b.fine[i] * std::decimal::make_decimal128(100LL, 0);
        x += x < decimal128(0) ? -std::decimal::make_decimal128(5LL, -1) : std::decimal::make_decimal128(5LL, -1);
        decimal128 y = std::decimal::make_decimal128(std::decimal::decimal128_to_long_long(x), -2);
        if (formatDecimal128(y) != r.ToString2(LOCALE_INVARIANT, false).str())
            return false;
    }
    return true;
}

const bool kSidesAgree = sidesAgree();

#endif

// Each Decimal figure is followed by its decimal128 counterpart, so that the two sides of a
// ratio are measured close together in time.
#ifdef ORVEL_HAVE_DECIMAL128
#define ORVEL_BENCH_PAIR(op) BENCHMARK(BM_##op##_Decimal); BENCHMARK(BM_##op##_decimal128)
#else
#define ORVEL_BENCH_PAIR(op) BENCHMARK(BM_##op##_Decimal)
#endif
ORVEL_BENCH_PAIR(Add);
ORVEL_BENCH_PAIR(Multiply);
ORVEL_BENCH_PAIR(Divide);
ORVEL_BENCH_PAIR(Round3);
ORVEL_BENCH_PAIR(Parse);
ORVEL_BENCH_PAIR(Format);

}  // namespace

int main(int argc, char** argv)
{
#ifdef ORVEL_HAVE_DECIMAL128
    if (!kSidesAgree) {
        std::fprintf(stderr, "Decimal and decimal128 disagree on the benchmark data\n");
        return 1;
    }
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

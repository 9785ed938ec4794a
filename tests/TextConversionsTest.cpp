#include "base/TextConversions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

constexpr std::int32_t kLongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kLongMax = std::numeric_limits<std::int32_t>::max();
constexpr float kSingleMax = std::numeric_limits<float>::max();
constexpr float kSingleTiniest = std::numeric_limits<float>::denorm_min();
constexpr float kSingleLeastNormal = std::numeric_limits<float>::min();
constexpr auto kNone = std::nullopt;

// Text that is not a number for any of the readers.
const std::vector<std::string_view> kNotNumbers = {
    "",     " ",     "\t",  "-",    "+",   ".",   "-.",       "e5",   "1e",  "1e+", "1e-",
    "1x",   "x1",    "--1", "+-1",  "-+1", "1-",  "1..2",     "1.2.", "1 2", "1,5", "0x10",
    "1e5.", "1e2e3", "inf", "-inf", "nan", "NaN", "infinity", "1f",   "one"};

template <typename T>
using Readings = std::vector<std::pair<std::string_view, std::optional<T>>>;

// Checks that `read` gives each text's expected value, or no value where none is expected.
template <typename T>
void expectReadings(std::optional<T> (*read)(std::string_view),
                    const std::type_identity_t<Readings<T>>& readings) {
    for (const auto& [text, expected] : readings) {
        EXPECT_EQ(read(text), expected) << '"' << text << '"';
    }
}

// Checks that the text written for a Single reads back to the same value, or, where that
// needs more than seven significant digits, to the value rounded to seven, which is then
// written the same again. A whole number keeps every digit it needs.
void expectReadsBack(float value) {
    const std::string text = singleToText(value);
    const auto back = textToSingle(text);
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_EQ(singleToText(*back), text) << value;
    std::string digits;
    for (const char c : text.substr(0, text.find('e'))) {
        if (std::isdigit(static_cast<unsigned char>(c)) && (c != '0' || !digits.empty())) {
            digits += c;
        }
    }
    if (value == std::trunc(value) && std::abs(value) < 1e16f) {
        // -0 reads back as 0, which compares equal.
        ASSERT_EQ(*back, value) << text;
    } else {
        ASSERT_LE(digits.size(), 7u) << text;
        ASSERT_LE(std::abs(*back - value), 6e-7 * std::abs(double(value))) << text;
    }
}

} // namespace

// --- Reading a Long -----------------------------------------------------------------------------

TEST(TextToLong, ReadsPlainIntegersWithSignAndBlanks) {
    const Readings<std::int32_t> readings = {{"0", 0},       {"42", 42},     {"+42", 42},
                                             {"-42", -42},   {"-0", 0},      {"007", 7},
                                             {"  501", 501}, {"501  ", 501}, {" \t-17\t ", -17}};
    expectReadings(textToLong, readings);
    expectReadings(textToLong, {{"000000000000000000000000000000000123", 123}});
}

TEST(TextToLong, RoundsAFractionToTheNearestAndAHalfToTheEvenInteger) {
    // Trailing zeros ("2.50000") do not lift a half above half.
    const Readings<std::int32_t> readings = {
        {"0.5", 0},       {"1.5", 2},       {"2.5", 2},        {"3.5", 4},  {"-0.5", 0},
        {"-1.5", -2},     {"-2.5", -2},     {"0.49", 0},       {"0.51", 1}, {"0.05", 0},
        {"1.0", 1},       {".5", 0},        {"5.", 5},         {"-.5", 0},  {"2.50000", 2},
        {"2.5000001", 3}, {"2.4999999", 2}, {"-2.5000001", -3}};
    expectReadings(textToLong, readings);
    expectReadings(textToLong, {{"0.0000000000000000000001", 0}});
}

TEST(TextToLong, AppliesTheExponentBeforeRoundingAndReadsZeroWhateverItsExponent) {
    const Readings<std::int32_t> readings = {
        {"1e3", 1000}, {"1E3", 1000}, {"1e+3", 1000},  {"-12e2", -1200},  {"15e-1", 2},
        {"25e-1", 2},  {"5e-1", 0},   {"0.0501e2", 5}, {"1234.5e-2", 12}, {"1e-400", 0},
        {"0e5", 0},    {"0e11", 0},   {"-0e20", 0},    {"000e-3", 0}};
    expectReadings(textToLong, readings);
    expectReadings(textToLong, {{"2.147483647e9", kLongMax}, {"1e0009", 1'000'000'000}});
    // A written exponent far beyond any range must neither wrap nor take long.
    expectReadings(textToLong, {{"0.000e99999999999", 0},
                                {"1e-99999999999999999999", 0},
                                {"1e99999999999999999999", kNone}});
}

TEST(TextToLong, AcceptsExactlyTheThirtyTwoBitRangeOfTheRoundedValue) {
    // 4294967296 and 4294967297 must not wrap to 0 and 1.
    const Readings<std::int32_t> readings = {
        {"2147483647", kLongMax},    {"-2147483648", kLongMin},      {"2147483648", kNone},
        {"-2147483649", kNone},      {"9999999999", kNone},          {"99999999999", kNone},
        {"-99999999999", kNone},     {"4294967296", kNone},          {"4294967297", kNone},
        {"2147483647.5", kNone},     {"2147483647.4999", kLongMax},  {"2147483646.5", 2147483646},
        {"-2147483648.5", kLongMin}, {"-2147483648.5000001", kNone}, {"-2147483647.5", kLongMin},
        {"2.1474836475e9", kNone}};
    expectReadings(textToLong, readings);
}

// --- Reading a Boolean --------------------------------------------------------------------------

TEST(TextToBoolean, ReadsTheWordsInAnyLetterCaseAndNoOtherWords) {
    const Readings<bool> readings = {
        {"True", true},   {"true", true},   {"TRUE", true},       {"tRuE", true},
        {"False", false}, {"false", false}, {"FALSE", false},     {" True ", true},
        {"Tru", kNone},   {"Truee", kNone}, {"Fals", kNone},      {"yes", kNone},
        {"no", kNone},    {"on", kNone},    {"T", kNone},         {"#TRUE#", kNone},
        {"True1", kNone}, {"1True", kNone}, {"True False", kNone}};
    expectReadings(textToBoolean, readings);
}

TEST(TextToBoolean, ReadsZeroAsFalseAndAnyOtherNumberAsTrue) {
    // "0.4" is a number that is not 0, though a Long would round it.
    const Readings<bool> readings = {
        {"0", false}, {"-0", false}, {"0.0", false}, {"0e5", false},  {"-1", true},
        {"1", true},  {"2", true},   {"0.4", true},  {"1e-50", true}, {"99999999999", true}};
    expectReadings(textToBoolean, readings);
}

// --- Reading a Single ---------------------------------------------------------------------------

TEST(TextToSingle, ReadsDecimalTextToTheNearestSingle) {
    const Readings<float> readings = {{"1000", 1000.0f}, {"1007.5", 1007.5f}, {"-1007.5", -1007.5f},
                                      {"+0.1", 0.1f},    {" 5650 ", 5650.0f}, {"1.11e3", 1110.0f},
                                      {".25", 0.25f},    {"5.", 5.0f},        {"0", 0.0f},
                                      {"-0", 0.0f},      {"0.1", 0.1f}};
    expectReadings(textToSingle, readings);
    // 16777217 lies halfway between two Singles; the even one wins.
    expectReadings(textToSingle,
                   {{"0e99999999999", 0.0f}, {"16777217", 16777216.0f}, {"16777219", 16777220.0f}});
}

TEST(TextToSingle, AcceptsTheLargestSingleAndNothingBeyond) {
    const Readings<float> readings = {
        {"3.4028235e38", kSingleMax}, {"-3.4028235e38", -kSingleMax}, {"1e39", kNone},
        {"1e99999999999", kNone},     {"3.4028236e38", kNone},        {"-1e39", kNone}};
    expectReadings(textToSingle, readings);
    expectReadings(textToSingle, {{"340282346638528859811704183484516925440", kSingleMax}});
}

TEST(TextToSingle, KeepsTinyValuesThatASingleHoldsAndMakesSmallerOnesZero) {
    const Readings<float> readings = {{"1e-40", 1e-40f},        {"1e-46", 0.0f},
                                      {"1e-50", 0.0f},          {"-1e-50", 0.0f},
                                      {"1e-99999999999", 0.0f}, {"1.4e-45", kSingleTiniest}};
    expectReadings(textToSingle, readings);
    expectReadings(textToSingle, {{"1.17549435e-38", kSingleLeastNormal},
                                  {"0.00000000000000000000000000000000000000000000000001", 0.0f}});
}

// --- Text that is not a number ------------------------------------------------------------------

TEST(TextReaders, EveryReaderRejectsTextThatIsNotANumber) {
    for (const std::string_view text : kNotNumbers) {
        EXPECT_EQ(textToLong(text), kNone) << '"' << text << '"';
        EXPECT_EQ(textToBoolean(text), kNone) << '"' << text << '"';
        EXPECT_EQ(textToSingle(text), kNone) << '"' << text << '"';
    }
    expectReadings(textToLong, {{"True", kNone}});
    expectReadings(textToSingle, {{"0x1p3", kNone}, {"1.5f", kNone}});
}

// --- Writing ------------------------------------------------------------------------------------

TEST(LongToText, WritesPlainDecimalText) {
    const std::vector<std::pair<std::int32_t, std::string_view>> writings = {
        {kLongMax, "2147483647"},  {16777215, "16777215"}, {0, "0"},
        {kLongMin, "-2147483648"}, {501, "501"},           {-1, "-1"}};
    for (const auto& [value, text] : writings) {
        EXPECT_EQ(longToText(value), text);
    }
}

TEST(SingleToText, WritesIntegralValuesWithoutADecimalPointAndFractionsInSevenDigits) {
    const std::vector<std::pair<float, std::string_view>> writings = {{0.0f, "0"},
                                                                      {1000.0f, "1000"},
                                                                      {1007.5f, "1007.5"},
                                                                      {1e-4f, "0.0001"},
                                                                      {-0.0f, "0"},
                                                                      {1110.0f, "1110"},
                                                                      {-1007.5f, "-1007.5"},
                                                                      {1.0f / 3.0f, "0.3333333"},
                                                                      {0.1f, "0.1"},
                                                                      {5650.0f, "5650"},
                                                                      {-900000.0f, "-900000"},
                                                                      {100000.0f, "100000"},
                                                                      {-15.0f, "-15"},
                                                                      {0.25f, "0.25"},
                                                                      {1000.123456f, "1000.123"},
                                                                      {123456789.0f, "123456790"},
                                                                      {3e30f, "3e+30"},
                                                                      {1.5e-5f, "1.5e-05"}};
    for (const auto& [value, text] : writings) {
        EXPECT_EQ(singleToText(value), text) << value;
    }
}

TEST(SingleToText, WritesPlainDigitsWithoutAnExponentForAnyWindowMeasure) {
    // Powers of ten are where the shortest text would otherwise switch to "1e+05".
    for (const float value :
         {100000.0f, 200000.0f, -900000.0f, 1e6f, -1e7f, 1e10f, 1e15f, 1e-4f, -0.002f, 123456.5f}) {
        const std::string text = singleToText(value);
        EXPECT_EQ(text.find_first_not_of("-0123456789."), std::string::npos)
            << value << " written as " << text;
        EXPECT_EQ(textToSingle(text), value) << text;
    }
}

// --- Writing and reading back -------------------------------------------------------------------

TEST(LongRoundTrip, EveryWrittenLongReadsBackUnchanged) {
    std::vector<std::int32_t> values = {
        kLongMin, kLongMin + 1, -1'000'000'000, -501,          -1,           0,       1, 9, 10, 99,
        100,      501,          16777215,       1'000'000'000, kLongMax - 1, kLongMax};
    // A sweep over the whole range with a step that hits every digit count and sign.
    for (std::int64_t v = kLongMin; v <= kLongMax; v += 9'999'991) {
        values.push_back(static_cast<std::int32_t>(v));
    }
    for (const std::int32_t value : values) {
        const std::string text = longToText(value);
        EXPECT_EQ(textToLong(text), value) << text;
    }
}

TEST(SingleRoundTrip, WindowMeasuresPowersOfTwoAndRandomSinglesReadBackUnchanged) {
    // Twips on any screen, in the steps that pixels and half pixels give.
    for (int half = -200000; half <= 200000; half += 7) {
        ASSERT_NO_FATAL_FAILURE(expectReadsBack(static_cast<float>(half) / 2.0f));
    }
    // Every power of two, its neighbours and its negative.
    for (int exponent = -149; exponent <= 127; ++exponent) {
        const float power = std::ldexp(1.0f, exponent);
        for (const float value :
             {power, std::nextafter(power, 0.0f), std::nextafter(power, kSingleMax), -power}) {
            if (value != 0.0f && std::isfinite(value)) {
                ASSERT_NO_FATAL_FAILURE(expectReadsBack(value));
            }
        }
    }
    // Random finite Singles of every exponent.
    std::mt19937 random(20240501u);
    for (int checked = 0; checked < 200000;) {
        const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (std::isfinite(value)) {
            ++checked;
            ASSERT_NO_FATAL_FAILURE(expectReadsBack(value));
        }
    }
}

#include "app/TextConversions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int32_t kLongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kLongMax = std::numeric_limits<std::int32_t>::max();
constexpr float kSingleMax = std::numeric_limits<float>::max();

// Text that is not a number for any of the readers.
const std::vector<std::string_view> kNotNumbers = {
    "",     " ",     "\t",  "-",    "+",   ".",   "-.",       "e5",   "1e",  "1e+", "1e-",
    "1x",   "x1",    "--1", "+-1",  "-+1", "1-",  "1..2",     "1.2.", "1 2", "1,5", "0x10",
    "1e5.", "1e2e3", "inf", "-inf", "nan", "NaN", "infinity", "1f",   "one"};

// The Single whose IEEE 754 encoding is `bits`.
float singleFromBits(std::uint32_t bits) {
    return std::bit_cast<float>(bits);
}

} // namespace

// --- Reading a Long -----------------------------------------------------------------------------

TEST(TextToLong, ReadsPlainIntegersWithSignAndBlanks) {
    EXPECT_EQ(textToLong("0"), 0);
    EXPECT_EQ(textToLong("42"), 42);
    EXPECT_EQ(textToLong("+42"), 42);
    EXPECT_EQ(textToLong("-42"), -42);
    EXPECT_EQ(textToLong("-0"), 0);
    EXPECT_EQ(textToLong("  501"), 501);
    EXPECT_EQ(textToLong("501  "), 501);
    EXPECT_EQ(textToLong(" \t-17\t "), -17);
    EXPECT_EQ(textToLong("007"), 7);
    EXPECT_EQ(textToLong("000000000000000000000000000000000123"), 123);
}

TEST(TextToLong, RoundsAFractionToTheNearestAndAHalfToTheEvenInteger) {
    EXPECT_EQ(textToLong("0.5"), 0);
    EXPECT_EQ(textToLong("1.5"), 2);
    EXPECT_EQ(textToLong("2.5"), 2);
    EXPECT_EQ(textToLong("3.5"), 4);
    EXPECT_EQ(textToLong("-0.5"), 0);
    EXPECT_EQ(textToLong("-1.5"), -2);
    EXPECT_EQ(textToLong("-2.5"), -2);
    EXPECT_EQ(textToLong("2.5000001"), 3);
    EXPECT_EQ(textToLong("2.4999999"), 2);
    EXPECT_EQ(textToLong("-2.5000001"), -3);
    EXPECT_EQ(textToLong("2.50000"), 2); // trailing zeros do not lift a half above half
    EXPECT_EQ(textToLong("0.49"), 0);
    EXPECT_EQ(textToLong("0.51"), 1);
    EXPECT_EQ(textToLong("0.05"), 0);
    EXPECT_EQ(textToLong("0.0000000000000000000001"), 0);
    EXPECT_EQ(textToLong("1.0"), 1);
    EXPECT_EQ(textToLong(".5"), 0);
    EXPECT_EQ(textToLong("5."), 5);
    EXPECT_EQ(textToLong("-.5"), 0);
}

TEST(TextToLong, AppliesTheExponentBeforeRounding) {
    EXPECT_EQ(textToLong("1e3"), 1000);
    EXPECT_EQ(textToLong("1E3"), 1000);
    EXPECT_EQ(textToLong("1e+3"), 1000);
    EXPECT_EQ(textToLong("-12e2"), -1200);
    EXPECT_EQ(textToLong("15e-1"), 2);
    EXPECT_EQ(textToLong("25e-1"), 2);
    EXPECT_EQ(textToLong("5e-1"), 0);
    EXPECT_EQ(textToLong("0.0501e2"), 5);
    EXPECT_EQ(textToLong("1234.5e-2"), 12);
    EXPECT_EQ(textToLong("1e-400"), 0);
    EXPECT_EQ(textToLong("2.147483647e9"), kLongMax);
    EXPECT_EQ(textToLong("1e0009"), 1'000'000'000);
    // A written exponent far beyond any range must neither wrap nor take long.
    EXPECT_EQ(textToLong("1e-99999999999999999999"), 0);
    EXPECT_EQ(textToLong("1e99999999999999999999"), std::nullopt);
}

TEST(TextToLong, ReadsZeroWhateverItsExponent) {
    EXPECT_EQ(textToLong("0e5"), 0);
    EXPECT_EQ(textToLong("0e11"), 0);
    EXPECT_EQ(textToLong("-0e20"), 0);
    EXPECT_EQ(textToLong("0.000e99999999999"), 0);
    EXPECT_EQ(textToLong("000e-3"), 0);
}

TEST(TextToLong, AcceptsExactlyTheThirtyTwoBitRange) {
    EXPECT_EQ(textToLong("2147483647"), kLongMax);
    EXPECT_EQ(textToLong("-2147483648"), kLongMin);
    EXPECT_EQ(textToLong("2147483648"), std::nullopt);
    EXPECT_EQ(textToLong("-2147483649"), std::nullopt);
    EXPECT_EQ(textToLong("9999999999"), std::nullopt);
    EXPECT_EQ(textToLong("99999999999"), std::nullopt);
    EXPECT_EQ(textToLong("-99999999999"), std::nullopt);
    EXPECT_EQ(textToLong("4294967296"), std::nullopt); // must not wrap to 0
    EXPECT_EQ(textToLong("4294967297"), std::nullopt); // must not wrap to 1

    // The range applies to the rounded value.
    EXPECT_EQ(textToLong("2147483647.5"), std::nullopt);
    EXPECT_EQ(textToLong("2147483647.4999"), kLongMax);
    EXPECT_EQ(textToLong("2147483646.5"), 2147483646);
    EXPECT_EQ(textToLong("-2147483648.5"), kLongMin);
    EXPECT_EQ(textToLong("-2147483648.5000001"), std::nullopt);
    EXPECT_EQ(textToLong("-2147483647.5"), kLongMin);
    EXPECT_EQ(textToLong("2.1474836475e9"), std::nullopt);
}

TEST(TextToLong, RejectsTextThatIsNotANumber) {
    for (const std::string_view text : kNotNumbers) {
        EXPECT_EQ(textToLong(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(textToLong("True"), std::nullopt);
}

// --- Reading a Boolean --------------------------------------------------------------------------

TEST(TextToBoolean, ReadsTheWordsInAnyLetterCase) {
    EXPECT_EQ(textToBoolean("True"), true);
    EXPECT_EQ(textToBoolean("true"), true);
    EXPECT_EQ(textToBoolean("TRUE"), true);
    EXPECT_EQ(textToBoolean("tRuE"), true);
    EXPECT_EQ(textToBoolean("False"), false);
    EXPECT_EQ(textToBoolean("false"), false);
    EXPECT_EQ(textToBoolean("FALSE"), false);
    EXPECT_EQ(textToBoolean(" True "), true);
}

TEST(TextToBoolean, ReadsZeroAsFalseAndAnyOtherNumberAsTrue) {
    EXPECT_EQ(textToBoolean("0"), false);
    EXPECT_EQ(textToBoolean("-0"), false);
    EXPECT_EQ(textToBoolean("0.0"), false);
    EXPECT_EQ(textToBoolean("0e5"), false);
    EXPECT_EQ(textToBoolean("-1"), true);
    EXPECT_EQ(textToBoolean("1"), true);
    EXPECT_EQ(textToBoolean("2"), true);
    EXPECT_EQ(textToBoolean("0.4"), true); // a number that is not 0, though a Long would round it
    EXPECT_EQ(textToBoolean("1e-50"), true);
    EXPECT_EQ(textToBoolean("99999999999"), true);
}

TEST(TextToBoolean, RejectsOtherWordsAndGarbage) {
    for (const std::string_view text : kNotNumbers) {
        EXPECT_EQ(textToBoolean(text), std::nullopt) << '"' << text << '"';
    }
    for (const std::string_view text : {"Tru", "Truee", "Fals", "yes", "no", "on", "T", "#TRUE#",
                                        "True1", "1True", "True False"}) {
        EXPECT_EQ(textToBoolean(text), std::nullopt) << '"' << text << '"';
    }
}

// --- Reading a Single ---------------------------------------------------------------------------

TEST(TextToSingle, ReadsDecimalText) {
    EXPECT_EQ(textToSingle("1000"), 1000.0f);
    EXPECT_EQ(textToSingle("1007.5"), 1007.5f);
    EXPECT_EQ(textToSingle("-1007.5"), -1007.5f);
    EXPECT_EQ(textToSingle("+0.1"), 0.1f);
    EXPECT_EQ(textToSingle(" 5650 "), 5650.0f);
    EXPECT_EQ(textToSingle("1.11e3"), 1110.0f);
    EXPECT_EQ(textToSingle(".25"), 0.25f);
    EXPECT_EQ(textToSingle("5."), 5.0f);
    EXPECT_EQ(textToSingle("0"), 0.0f);
    EXPECT_EQ(textToSingle("-0"), 0.0f);
    EXPECT_EQ(textToSingle("0e99999999999"), 0.0f);
}

TEST(TextToSingle, RoundsToTheNearestSingle) {
    // 16777217 lies halfway between two Singles; the even one wins.
    EXPECT_EQ(textToSingle("16777217"), 16777216.0f);
    EXPECT_EQ(textToSingle("16777219"), 16777220.0f);
    EXPECT_EQ(textToSingle("0.1"), 0.1f);
}

TEST(TextToSingle, AcceptsTheLargestSingleAndNothingBeyond) {
    EXPECT_EQ(textToSingle("3.4028235e38"), kSingleMax);
    EXPECT_EQ(textToSingle("-3.4028235e38"), -kSingleMax);
    EXPECT_EQ(textToSingle("340282346638528859811704183484516925440"), kSingleMax);
    EXPECT_EQ(textToSingle("3.4028236e38"), std::nullopt);
    EXPECT_EQ(textToSingle("1e39"), std::nullopt);
    EXPECT_EQ(textToSingle("-1e39"), std::nullopt);
    EXPECT_EQ(textToSingle("1e99999999999"), std::nullopt);
}

TEST(TextToSingle, KeepsTinyValuesThatASingleHoldsAndMakesSmallerOnesZero) {
    EXPECT_EQ(textToSingle("1e-40"), 1e-40f);
    EXPECT_EQ(textToSingle("1.4e-45"), std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(textToSingle("1.17549435e-38"), std::numeric_limits<float>::min());

    const std::vector<std::string_view> tiny = {
        "1e-46", "1e-50", "-1e-50", "0.00000000000000000000000000000000000000000000000001",
        "1e-99999999999"};
    for (const std::string_view text : tiny) {
        const auto value = textToSingle(text);
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(*value, 0.0f) << text;
    }
}

TEST(TextToSingle, RejectsTextThatIsNotANumber) {
    for (const std::string_view text : kNotNumbers) {
        EXPECT_EQ(textToSingle(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(textToSingle("0x1p3"), std::nullopt);
    EXPECT_EQ(textToSingle("1.5f"), std::nullopt);
}

// --- Writing ------------------------------------------------------------------------------------

TEST(LongToText, WritesPlainDecimalText) {
    EXPECT_EQ(longToText(0), "0");
    EXPECT_EQ(longToText(501), "501");
    EXPECT_EQ(longToText(-1), "-1");
    EXPECT_EQ(longToText(16777215), "16777215");
    EXPECT_EQ(longToText(kLongMax), "2147483647");
    EXPECT_EQ(longToText(kLongMin), "-2147483648");
}

TEST(SingleToText, WritesIntegralValuesWithoutADecimalPoint) {
    EXPECT_EQ(singleToText(1000.0f), "1000");
    EXPECT_EQ(singleToText(1110.0f), "1110");
    EXPECT_EQ(singleToText(5650.0f), "5650");
    EXPECT_EQ(singleToText(-15.0f), "-15");
    EXPECT_EQ(singleToText(0.0f), "0");
    EXPECT_EQ(singleToText(-0.0f), "0");
}

TEST(SingleToText, WritesTheShortestFractionThatReadsBack) {
    EXPECT_EQ(singleToText(1007.5f), "1007.5");
    EXPECT_EQ(singleToText(-1007.5f), "-1007.5");
    EXPECT_EQ(singleToText(0.1f), "0.1");
    EXPECT_EQ(singleToText(0.25f), "0.25");
    EXPECT_EQ(singleToText(1.0f / 3.0f), "0.33333334");
}

TEST(SingleToText, WritesPlainDigitsWithoutAnExponentForAnyWindowMeasure) {
    // Powers of ten are where the shortest text would otherwise switch to "1e+05".
    const std::vector<float> values = {100000.0f, 200000.0f, -900000.0f, 1e6f,    -1e7f,
                                       1e10f,     1e15f,     1e-4f,      -0.002f, 123456.5f};
    for (const float value : values) {
        const std::string text = singleToText(value);
        EXPECT_EQ(text.find_first_not_of("-0123456789."), std::string::npos)
            << value << " written as " << text;
        EXPECT_EQ(textToSingle(text), value) << text;
    }
    EXPECT_EQ(singleToText(100000.0f), "100000");
    EXPECT_EQ(singleToText(-900000.0f), "-900000");
    EXPECT_EQ(singleToText(1e-4f), "0.0001");
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

TEST(SingleRoundTrip, WindowMeasuresReadBackUnchanged) {
    // Twips on any screen, in the steps that pixels and half pixels give.
    for (int half = -200000; half <= 200000; half += 7) {
        const float value = static_cast<float>(half) / 2.0f;
        const std::string text = singleToText(value);
        ASSERT_EQ(textToSingle(text), value) << text;
    }
}

TEST(SingleRoundTrip, EveryPowerOfTwoAndItsNeighboursReadBackUnchanged) {
    for (int exponent = -149; exponent <= 127; ++exponent) {
        const float power = std::ldexp(1.0f, exponent);
        for (const float value :
             {power, std::nextafter(power, 0.0f), std::nextafter(power, kSingleMax), -power}) {
            if (value == 0.0f || !std::isfinite(value)) {
                continue;
            }
            const std::string text = singleToText(value);
            ASSERT_EQ(textToSingle(text), value) << text;
        }
    }
}

TEST(SingleRoundTrip, RandomFiniteSinglesReadBackUnchanged) {
    std::mt19937 random(20240501u);
    int checked = 0;
    while (checked < 200000) {
        const float value = singleFromBits(static_cast<std::uint32_t>(random()));
        if (!std::isfinite(value)) {
            continue;
        }
        ++checked;
        const std::string text = singleToText(value);
        const auto back = textToSingle(text);
        ASSERT_TRUE(back.has_value()) << text;
        // -0 reads back as 0, which compares equal.
        ASSERT_EQ(*back, value) << text;
    }
}

#include "base/CheckedArithmetic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using Short = std::int16_t;
using Long = std::int32_t;

TEST(CheckedArithmetic, GivesEveryResultThatFitsItsType) {
    EXPECT_EQ(checkedAdd<Short>(32760, 7), 32767);
    EXPECT_EQ(checkedAdd<Short>(-32767, -1), -32768);
    EXPECT_EQ(checkedSubtract<Short>(3, 5), -2);
    EXPECT_EQ(checkedAdd<Long>(std::numeric_limits<Long>::max() - 1, 1),
              std::numeric_limits<Long>::max());
    EXPECT_EQ(checkedMultiply<Long>(10, 100), 1000);
    EXPECT_EQ(checkedMultiply<Long>(-46341, 46340), -2147441940);
}

TEST(CheckedArithmeticDeathTest, StopsWhereAResultWouldWrap) {
    EXPECT_DEATH(checkedAdd<Short>(32767, 1), "internal error: 32767 \\+ 1 does not fit");
    EXPECT_DEATH(checkedSubtract<Short>(-32768, 1), "-32768 - 1 does not fit");
    EXPECT_DEATH(checkedAdd<Long>(std::numeric_limits<Long>::max(), 1), "2147483647 \\+ 1");
    EXPECT_DEATH(checkedMultiply<Long>(10, 214748365), "10 × 214748365 does not fit");
}

} // namespace

#pragma once

#include <cstdint>

// The larger of two Longs: `a` when a > b, otherwise `b`.
constexpr std::int32_t MaxOf(std::int32_t a, std::int32_t b) {
    return a > b ? a : b;
}

// The smaller of two Longs: `a` when a < b, otherwise `b`.
constexpr std::int32_t MinOf(std::int32_t a, std::int32_t b) {
    return a < b ? a : b;
}

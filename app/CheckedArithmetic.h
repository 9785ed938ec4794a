#pragma once

#include "app/Fatal.h"

#include <concepts>
#include <string>

// Whole-number arithmetic that never wraps: a result outside its type stops the program with
// a message naming the sum, since a wrapped cell index or throttle would corrupt the trains.

template <std::integral T>
T checkedAdd(T a, T b) {
    T result{};
    if (__builtin_add_overflow(a, b, &result)) {
        stopWithError("the sum " + std::to_string(a) + " + " + std::to_string(b) +
                      " does not fit its type");
    }
    return result;
}

template <std::integral T>
T checkedSubtract(T a, T b) {
    T result{};
    if (__builtin_sub_overflow(a, b, &result)) {
        stopWithError("the difference " + std::to_string(a) + " - " + std::to_string(b) +
                      " does not fit its type");
    }
    return result;
}

template <std::integral T>
T checkedMultiply(T a, T b) {
    T result{};
    if (__builtin_mul_overflow(a, b, &result)) {
        stopWithError("the product " + std::to_string(a) + " × " + std::to_string(b) +
                      " does not fit its type");
    }
    return result;
}

#pragma once

#include "base/Fatal.h"

#include <concepts>
#include <string>
#include <string_view>

// Whole-number arithmetic that never wraps: a result outside its type stops the program with
// a message naming the operation, since a wrapped cell index or throttle would corrupt the
// trains.

template <std::integral T>
void stopOnOverflow(bool overflowed, T a, std::string_view operation, T b) {
    if (overflowed) {
        stopWithError(std::to_string(a) + " " + std::string(operation) + " " + std::to_string(b) +
                      " does not fit its type");
    }
}

template <std::integral T>
T checkedAdd(T a, T b) {
    T sum{};
    stopOnOverflow(__builtin_add_overflow(a, b, &sum), a, "+", b);
    return sum;
}

template <std::integral T>
T checkedSubtract(T a, T b) {
    T difference{};
    stopOnOverflow(__builtin_sub_overflow(a, b, &difference), a, "-", b);
    return difference;
}

template <std::integral T>
T checkedMultiply(T a, T b) {
    T product{};
    stopOnOverflow(__builtin_mul_overflow(a, b, &product), a, "×", b);
    return product;
}

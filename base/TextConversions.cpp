#include "base/TextConversions.h"

#include "base/Fatal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

// A decimal number taken apart exactly: its value is digits × 10^exponent, with the sign
// apart. `digits` has no leading zeros, so an empty `digits` is the value 0.
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
    // The text without blanks and without a leading "+", as std::from_chars wants it.
    std::string_view plainText;
};

// Exponents beyond this give 0 or an overflow for every type here; saturating keeps the
// arithmetic below inside std::int64_t whatever the text says.
constexpr std::int64_t kExponentLimit = 1'000'000;

// The most significant digits that the text of a Single has.
constexpr long kSingleDigits = 7;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<DecimalNumber> parseDecimal(std::string_view text) {
    text = trimBlanks(text);
    DecimalNumber number;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        number.negative = text[at] == '-';
        ++at;
    }
    number.plainText = text.substr(text.empty() || text[0] != '+' ? 0 : 1);

    std::size_t mantissaDigits = 0;
    std::int64_t fractionDigits = 0;
    bool seenPoint = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!isDigit(c)) {
            break;
        }
        ++mantissaDigits;
        if (seenPoint) {
            ++fractionDigits;
        }
        // Leading zeros carry no value: the integer that the digits spell stays the same.
        if (!number.digits.empty() || c != '0') {
            number.digits.push_back(c);
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    std::int64_t exponent = -fractionDigits;

    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool exponentNegative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            exponentNegative = text[at] == '-';
            ++at;
        }
        const std::size_t exponentStart = at;
        std::int64_t written = 0;
        for (; at < text.size() && isDigit(text[at]); ++at) {
            written = std::min(kExponentLimit, written * 10 + (text[at] - '0'));
        }
        if (at == exponentStart) {
            return std::nullopt;
        }
        exponent += exponentNegative ? -written : written;
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    // Trailing zeros of the digits move into the exponent, so that `digits` stays short.
    while (!number.digits.empty() && number.digits.back() == '0') {
        number.digits.pop_back();
        ++exponent;
    }
    // Zero is zero whatever its exponent says ("0e20").
    number.exponent = number.digits.empty() ? 0 : exponent;
    return number;
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(a) == lower(b);
    });
}

} // namespace

std::optional<std::int32_t> textToLong(std::string_view text) {
    const auto number = parseDecimal(text);
    if (!number) {
        return std::nullopt;
    }
    const std::string& digits = number->digits;
    const auto digitCount = static_cast<std::int64_t>(digits.size());
    // The integer part is digits[0, integerDigits), followed by zeros when the exponent is
    // positive; the rest is the fraction that decides the rounding.
    const std::int64_t integerDigits = digitCount + number->exponent;
    if (integerDigits > 10) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (std::int64_t i = 0; i < integerDigits; ++i) {
        magnitude =
            magnitude * 10 + (i < digitCount ? digits[static_cast<std::size_t>(i)] - '0' : 0);
    }
    if (integerDigits >= 0 && integerDigits < digitCount) {
        const auto fraction =
            std::string_view(digits).substr(static_cast<std::size_t>(integerDigits));
        const char first = fraction.front();
        // `digits` has no trailing zeros, so more than one fraction digit means "above half".
        const bool aboveHalf = first > '5' || (first == '5' && fraction.size() > 1);
        const bool exactlyHalf = first == '5' && fraction.size() == 1;
        if (aboveHalf || (exactlyHalf && magnitude % 2 == 1)) {
            ++magnitude;
        }
    }
    const std::int64_t value = number->negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<bool> textToBoolean(std::string_view text) {
    const std::string_view word = trimBlanks(text);
    if (equalsIgnoringCase(word, "true")) {
        return true;
    }
    if (equalsIgnoringCase(word, "false")) {
        return false;
    }
    const auto number = parseDecimal(word);
    if (!number) {
        return std::nullopt;
    }
    return !number->digits.empty();
}

std::optional<float> textToSingle(std::string_view text) {
    const auto number = parseDecimal(text);
    if (!number) {
        return std::nullopt;
    }
    if (number->digits.empty()) {
        return 0.0f;
    }
    float value = 0.0f;
    const std::string_view plain = number->plainText;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Below the smallest Single the value is as good as 0; above the largest it is lost.
        const auto magnitudeDigits =
            static_cast<std::int64_t>(number->digits.size()) + number->exponent;
        if (magnitudeDigits <= 0) {
            return 0.0f;
        }
        return std::nullopt;
    }
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value == 0.0f ? 0.0f : value;
}

std::string longToText(std::int32_t value) {
    return std::to_string(value);
}

std::string singleToText(float value) {
    if (!std::isfinite(value)) {
        stopWithError("a window measure that is not a finite number cannot be stored");
    }
    if (value == 0.0f) {
        return "0"; // also for -0, which reads back as the same value
    }
    // The shortest digits that read back to the same Single. A Single may need up to nine,
    // and the stored form of a fraction has at most seven, so a longer one is rounded to
    // seven: 1000.123474... is written "1000.123". Seven digits read back to a Single whose
    // own shortest digits are those seven again, so a value written once is written the same
    // ever after. A whole number keeps every digit it needs: every place a window reports is
    // one, and none of them may move.
    std::array<char, 64> buffer{};
    const auto write = [&](auto... precision) {
        const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                                std::chars_format::scientific, precision...);
        if (error != std::errc()) {
            stopWithError("a window measure could not be written as text");
        }
        return std::string_view(buffer.data(), std::size_t(end - buffer.data()));
    };
    std::string_view scientific = write();
    const auto e = [&] { return scientific.find('e'); };
    const bool plainWhole = value == std::trunc(value) && std::abs(value) < 1e16f;
    if (!plainWhole && std::count_if(scientific.begin(), scientific.begin() + long(e()), isDigit) >
                           kSingleDigits) {
        scientific = write(int(kSingleDigits - 1));
    }
    // "-d.ddde+XX" taken apart into its sign, its digits without trailing zeros and the
    // power of ten of the first digit.
    std::string digits;
    for (const char c : scientific.substr(0, e())) {
        if (isDigit(c)) {
            digits += c;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int power = 0;
    std::from_chars(scientific.data() + e() + (scientific[e() + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), power);
    // Built by appending: g++ 12 at -O3 takes a literal joined to a string for an overlap.
    std::string text(value < 0 ? 1 : 0, '-');
    // Window measures read best in plain notation ("-900000", "1007.5"); only values far
    // outside any screen take an exponent ("3e+30").
    if (power < -4 || power >= 16) {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += power < 0 ? "e-" : "e+";
        if (std::abs(power) < 10) {
            text += '0';
        }
        text += std::to_string(std::abs(power));
    } else if (power < 0) {
        text += "0.";
        text.append(std::size_t(-power - 1), '0');
        text += digits;
    } else {
        const auto whole = std::size_t(power) + 1;
        text.append(digits, 0, whole);
        text.append(whole - std::min(whole, digits.size()), '0');
        if (digits.size() > whole) {
            text += '.';
            text.append(digits, whole);
        }
    }
    return text;
}

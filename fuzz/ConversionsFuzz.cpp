#include "FuzzCheck.h"
#include "base/TextConversions.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// The settings text conversions: whatever text converts to a Long, a Boolean or a Single is
// written in its plain form and read back to the very same value, or for a Single that needs
// more than seven digits, to that value rounded to seven. The first bytes of the
// input also serve as a Long and as a Single of any bit pattern, to reach every written form.

namespace {

std::string shown(std::string_view text) {
    return "\"" + std::string(text.substr(0, 80)) + "\"";
}

// "-" only before a non-zero number, then digits without a leading zero.
bool isPlainLongText(const std::string& text) {
    const std::size_t start = text.starts_with('-') ? 1 : 0;
    const std::string digits = text.substr(start);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    return digits == "0" ? start == 0 : digits[0] != '0';
}

void longRoundTrip(std::int32_t value) {
    const std::string text = longToText(value);
    require(isPlainLongText(text), "Long " + std::to_string(value) + " is written " + text);
    require(textToLong(text) == value, "Long " + text + " does not read back");
}

// A whole number below 1e16 reads back exactly; any other Single has at most seven
// significant digits, reads back within half a unit of the seventh, and is written the same
// again.
void singleRoundTrip(float value) {
    const std::string text = singleToText(value);
    const auto back = textToSingle(text);
    require(back.has_value(), "Single " + text + " does not read back");
    require(singleToText(*back) == text, "Single " + text + " is written another way again");
    const bool whole = std::abs(value) < 1e16f && value == std::trunc(value);
    // -0 is written "0" and reads back as +0, the same value.
    require(*back == value || (!whole && std::abs(double(*back) - double(value)) <=
                                             6e-7 * std::abs(double(value))),
            "Single " + text + " does not read back to the value written");
    std::size_t digits = 0;
    for (const char c : text.substr(0, text.find('e'))) {
        digits += (c >= '1' && c <= '9') || (c == '0' && digits > 0) ? 1 : 0;
    }
    require(whole || digits <= 7, "Single " + text + " has more than seven digits");
    require(text.find_first_of(" \t") == std::string::npos && !text.starts_with('+'),
            "Single " + text + " has blanks or a sign it does not need");
    if (std::abs(value) < 1e16f && value == std::trunc(value)) {
        require(text.find_first_of(".e") == std::string::npos,
                "the whole number " + text + " has a point or an exponent");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto value = textToLong(text)) {
        longRoundTrip(*value);
        require(*value == 0 || textToBoolean(text) == true,
                "the non-zero Long " + shown(text) + " is not a true Boolean");
    }
    if (const auto value = textToSingle(text)) {
        require(std::isfinite(*value), shown(text) + " reads as a Single that is not finite");
        singleRoundTrip(*value);
        require(*value == 0.0f || textToBoolean(text) == true,
                "the non-zero Single " + shown(text) + " is not a true Boolean");
    }
    if (const auto flag = textToBoolean(text)) {
        require(textToBoolean(*flag ? "True" : "False") == flag,
                "the Boolean " + shown(text) + " does not read back from its word");
    }

    if (size >= sizeof(std::int32_t)) {
        std::int32_t whole = 0;
        std::memcpy(&whole, data, sizeof whole);
        longRoundTrip(whole);
        float single = 0;
        std::memcpy(&single, data, sizeof single);
        if (std::isfinite(single)) {
            singleRoundTrip(single);
        }
    }
    return 0;
}

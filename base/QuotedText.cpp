#include "base/QuotedText.h"

#include <cstdint>
#include <cstdio>
#include <optional>

namespace {

struct Decoded {
    char32_t character;
    std::size_t length;
};

// The UTF-8 character at the start of `text`, when it starts with a well-formed one:
// shortest form, no surrogate halves, nothing above U+10FFFF.
std::optional<Decoded> decodeOne(std::string_view text) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return Decoded{lead, 1};
    }
    std::size_t length = 0;
    char32_t character = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        character = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        character = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        character = lead & 0x07;
        least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        character = (character << 6) | (byte(k) & 0x3F);
    }
    if (character < least || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
        return std::nullopt;
    }
    return Decoded{character, length};
}

// Characters that a terminal acts on, or that change how the text around them reads without
// showing themselves: C0 and C1 controls, DEL, and the direction and zero-width marks.
bool mustBeEscaped(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

std::string hexEscape(const char* format, unsigned value) {
    char escaped[12];
    std::snprintf(escaped, sizeof escaped, format, value);
    return escaped;
}

std::string escaped(char32_t c) {
    switch (c) {
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    default:
        return c < 0x80 ? hexEscape("\\x%02x", c) : hexEscape("\\u%04x", c);
    }
}

} // namespace

std::string quotedText(std::string_view text, int shownCharacters) {
    std::string quoted = "\"";
    int shown = 0;
    std::size_t at = 0;
    while (at < text.size() && shown < shownCharacters) {
        const auto decoded = decodeOne(text.substr(at));
        if (!decoded) {
            quoted += hexEscape("\\x%02x", static_cast<std::uint8_t>(text[at]));
            at += 1;
        } else {
            const char32_t c = decoded->character;
            quoted += mustBeEscaped(c) || c == '"' || c == '\\'
                          ? escaped(c)
                          : std::string(text.substr(at, decoded->length));
            at += decoded->length;
        }
        ++shown;
    }
    quoted += '"';
    if (at < text.size()) {
        quoted += "...";
    }
    return quoted;
}

std::string quotedPath(std::string_view path) {
    // No path is longer than the longest one the system takes, PATH_MAX bytes.
    return quotedText(path, 4096);
}

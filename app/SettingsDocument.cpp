#include "app/SettingsDocument.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kSpace = " \t\v\f\r\n";

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// Line feeds, and carriage returns that no line feed follows.
std::size_t lineEndsIn(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        count +=
            text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    }
    return count;
}

std::string_view trimmed(std::string_view text, std::string_view space = kSpace) {
    const auto first = text.find_first_not_of(space);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

// A name, or the first text of a value, read as UTF-8: a byte-order mark at its start is no
// part of it.
std::string_view withoutByteOrderMark(std::string_view text) {
    return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

bool isGeneral(std::string_view name) {
    return name.size() == 7 && std::equal(name.begin(), name.end(), "general", [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b;
           });
}

void appendCharacter(std::string& text, std::uint16_t unit) {
    if (unit < 0x80) {
        text += char(unit);
    } else if (unit < 0x800) {
        text += char(0xC0 | (unit >> 6));
        text += char(0x80 | (unit & 0x3F));
    } else {
        text += char(0xE0 | (unit >> 12));
        text += char(0x80 | ((unit >> 6) & 0x3F));
        text += char(0x80 | (unit & 0x3F));
    }
}

int digitValue(char c, int base) {
    const int value = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : 99;
    return value < base ? value : -1;
}

// The value of a key as written after its "=": leading blanks skipped, text in quotes taken as
// it is, escapes read ("\t", "\x41", "\101"; a backslash before any other character drops
// both), trailing blanks outside quotes dropped. A comma outside quotes makes it a list.
StoredValue readValue(std::string_view written) {
    static const std::map<char, char> escapes = {
        {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'},  {'t', '\t'},
        {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'},
    };
    std::string text;
    bool inQuotes = false;
    bool quoted = false;
    // Whether a text of the value, not an escape, has come yet.
    bool readText = false;
    // Blanks before this length were escaped or quoted, and stay.
    std::size_t kept = 0;
    const auto dropTrailingBlanks = [&] {
        while (text.size() > kept && (text.back() == ' ' || text.back() == '\t')) {
            text.pop_back();
        }
    };
    std::size_t i = written.find_first_not_of(kBlanks);
    i = i == std::string_view::npos ? written.size() : i;
    while (i < written.size()) {
        const char c = written[i++];
        if (c == '\\') {
            if (i == written.size()) {
                break;
            }
            const char escaped = written[i++];
            const int base = escaped == 'x' ? 16 : digitValue(escaped, 8) >= 0 ? 8 : 0;
            if (const auto known = escapes.find(escaped); known != escapes.end()) {
                text += known->second;
            } else if (base != 0 &&
                       (base == 8 || (i < written.size() && digitValue(written[i], 16) >= 0))) {
                // As many digits as follow, kept to 16 bits as they come.
                std::uint16_t unit = base == 8 ? std::uint16_t(escaped - '0') : 0;
                for (int digit = 0;
                     i < written.size() && (digit = digitValue(written[i], base)) >= 0; ++i) {
                    unit = std::uint16_t(unit * base + digit);
                }
                appendCharacter(text, unit);
            } else if (isLineEnd(escaped) && i < written.size() && isLineEnd(written[i]) &&
                       written[i] != escaped) {
                ++i;
            }
            kept = text.size();
        } else if (c == '"') {
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                kept = text.size();
                while (i < written.size() && kBlanks.find(written[i]) != std::string_view::npos) {
                    ++i;
                }
            }
        } else if (c == ',' && !inQuotes) {
            return {std::string(trimmed(written, kBlanks)), true};
        } else {
            if (!readText && written.substr(i - 1).starts_with(kByteOrderMark)) {
                i += kByteOrderMark.size() - 1;
            } else {
                text += c;
            }
            readText = true;
        }
    }
    if (!quoted) {
        dropTrailingBlanks();
    }
    return {text, false};
}

} // namespace

SettingsDocument::SettingsDocument(std::string_view text) : m_text(text) {
    // The line end that the file uses most, the first of them on a tie.
    std::array<std::size_t, 3> counts{};
    std::array<std::size_t, 3> firsts{text.size(), text.size(), text.size()};
    const std::array<std::string, 3> ends = {"\n", "\r\n", "\r"};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isLineEnd(text[i])) {
            continue;
        }
        const std::size_t kind = text[i] == '\n'                              ? 0
                                 : i + 1 < text.size() && text[i + 1] == '\n' ? 1
                                                                              : 2;
        firsts[kind] = std::min(firsts[kind], i);
        ++counts[kind];
        i += kind == 1 ? 1 : 0;
    }
    std::size_t most = 0;
    for (std::size_t kind = 1; kind < 3; ++kind) {
        if (counts[kind] > counts[most] ||
            (counts[kind] == counts[most] && firsts[kind] < firsts[most])) {
            most = kind;
        }
    }
    m_lineEnd = ends[most];

    m_lines.reserve(counts[0] + counts[1] + counts[2] + 1);
    std::uint32_t section = 0;
    std::uint32_t number = 1;
    for (std::size_t begin = 0; begin < text.size();) {
        Line line = parseLine(begin, text.size(), begin == 0);
        line.number = number;
        // A line carried on over line ends counts them all.
        number += std::uint32_t(lineEndsIn(textOf(line)));
        if (line.kind == Kind::Header) {
            section = sectionNumber(keyOf(line));
        }
        line.section = section;
        begin += line.size;
        m_lines.push_back(line);
    }
}

SettingsDocument::Line SettingsDocument::parseLine(std::size_t begin, std::size_t end,
                                                   bool fileStart) const {
    const std::string_view text(m_text);
    Line line{.begin = std::uint32_t(begin)};
    std::size_t i = begin;
    if (fileStart && text.substr(begin, kByteOrderMark.size()) == kByteOrderMark) {
        i += kByteOrderMark.size();
    }
    while (i < end && kBlanks.find(text[i]) != std::string_view::npos) {
        ++i;
    }
    const std::size_t contentBegin = i;
    std::size_t contentEnd = std::string_view::npos;
    std::size_t equals = std::string_view::npos;
    bool inQuotes = false;
    const bool comment = i < end && (text[i] == ';' || text[i] == '#');
    while (i < end && !isLineEnd(text[i]) && !comment) {
        const char c = text[i++];
        if (c == '\\' && i < end) {
            // Whatever follows is taken as it is; a line end there carries the line on.
            const char escaped = text[i++];
            if (isLineEnd(escaped) && i < end && isLineEnd(text[i]) && text[i] != escaped) {
                ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '=' && !inQuotes && equals == std::string_view::npos) {
            equals = i - 1;
        } else if (c == ';' && !inQuotes) {
            contentEnd = i - 1;
            break;
        }
    }
    contentEnd = comment ? contentBegin : std::min(contentEnd, i);
    while (i < end && !isLineEnd(text[i])) {
        ++i;
    }
    line.ended = i < end;
    if (i < end) {
        i += text[i] == '\r' && i + 1 < end && text[i + 1] == '\n' ? 2 : 1;
    }
    line.size = std::uint32_t(i - begin);

    const std::string_view content =
        trimmed(text.substr(contentBegin, contentEnd - contentBegin), kBlanks);
    const auto at = [&](std::size_t position) { return std::uint32_t(position - begin); };
    if (content.empty()) {
        line.kind = Kind::Blank;
    } else if (content.front() == '[') {
        // "[name]", or "[name" to the end of the line.
        const std::string_view inside = content.substr(1, content.find(']') - 1);
        const std::string_view name = withoutByteOrderMark(trimmed(inside));
        const std::size_t nameBegin = std::size_t(name.data() - text.data());
        line.kind = Kind::Header;
        line.keyBegin = at(name.empty() ? contentBegin : nameBegin);
        line.keyEnd = line.keyBegin + std::uint32_t(name.size());
    } else if (equals != std::string_view::npos &&
               !trimmed(text.substr(contentBegin, equals - contentBegin), kBlanks).empty()) {
        const std::string_view key = withoutByteOrderMark(
            trimmed(text.substr(contentBegin, equals - contentBegin), kBlanks));
        const std::string_view value =
            trimmed(text.substr(equals + 1, contentEnd - equals - 1), kBlanks);
        line.kind = Kind::Key;
        line.keyBegin = at(std::size_t(key.data() - text.data()));
        line.keyEnd = line.keyBegin + std::uint32_t(key.size());
        line.valueBegin = at(value.empty() ? equals + 1 : std::size_t(value.data() - text.data()));
        line.valueEnd = line.valueBegin + std::uint32_t(value.size());
    } else {
        line.kind = Kind::Damaged;
    }
    return line;
}

std::string_view SettingsDocument::textOf(const Line& line) const {
    return std::string_view(m_text).substr(line.begin, line.size);
}

std::string_view SettingsDocument::keyOf(const Line& line) const {
    return textOf(line).substr(line.keyBegin, line.keyEnd - line.keyBegin);
}

std::string_view SettingsDocument::valueOf(const Line& line) const {
    return textOf(line).substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

SettingsDocument::Line SettingsDocument::newLine(const std::string& text, std::uint32_t section,
                                                 bool fileStart) {
    const std::size_t begin = m_text.size();
    m_text += text;
    Line line = parseLine(begin, m_text.size(), fileStart);
    line.section = section;
    return line;
}

std::uint32_t SettingsDocument::sectionNumber(std::string_view name) {
    if (isGeneral(name)) {
        return 0;
    }
    if (const auto known = m_sectionNumbers.find(name); known != m_sectionNumbers.end()) {
        return known->second;
    }
    const auto number = std::uint32_t(m_sections.size());
    m_sections.emplace_back(name);
    m_sectionNumbers.emplace(name, number);
    return number;
}

std::optional<std::size_t> SettingsDocument::lastLineOf(std::string_view section,
                                                        std::string_view key) const {
    for (std::size_t i = m_lines.size(); i-- > 0;) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Key && m_sections[line.section] == section && keyOf(line) == key) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<StoredValue> SettingsDocument::value(std::string_view section,
                                                   std::string_view key) const {
    const auto index = lastLineOf(section, key);
    if (!index) {
        return std::nullopt;
    }
    const Line& line = m_lines[*index];
    const std::string_view text = textOf(line);
    // Between the key's "=" and the value's end there are only blanks.
    const std::size_t equals = text.find('=', line.keyEnd);
    return readValue(text.substr(equals + 1, line.valueEnd - equals - 1));
}

void SettingsDocument::endLastLine() {
    if (m_lines.empty() || m_lines.back().ended) {
        return;
    }
    // A line that runs to the file's end gets a line end, and a second one where a backslash
    // carries it on over the first.
    const Line old = m_lines.back();
    std::string ended(textOf(old));
    do {
        ended += m_lineEnd;
        m_lines.back() = newLine(ended, old.section, old.begin == 0);
    } while (!m_lines.back().ended);
    m_lines.back().number = old.number;
}

void SettingsDocument::setValue(std::string_view section, std::string_view key,
                                std::string_view text) {
    if (const auto index = lastLineOf(section, key)) {
        const Line old = m_lines[*index];
        const std::string_view oldText = textOf(old);
        std::string changed(oldText.substr(0, old.valueBegin));
        changed += text;
        changed += oldText.substr(old.valueEnd);
        // The first line keeps its byte-order mark, which only the file's start passes over.
        m_lines[*index] = newLine(changed, old.section, old.begin == 0);
        m_lines[*index].number = old.number;
        return;
    }
    const std::uint32_t number = sectionNumber(section);
    std::string keyLine(key);
    keyLine += '=';
    keyLine += text;
    keyLine += m_lineEnd;
    // The new line goes after the last line that the section holds, before the blank lines
    // and comments that lead to the next section.
    const auto last = std::find_if(m_lines.rbegin(), m_lines.rend(), [&](const Line& candidate) {
        return candidate.section == number && candidate.kind != Kind::Blank;
    });
    if (last != m_lines.rend()) {
        const auto at = last.base() - m_lines.begin();
        if (last == m_lines.rbegin()) {
            endLastLine();
        }
        const Line line = newLine(keyLine, number);
        m_lines.insert(m_lines.begin() + at, line);
        return;
    }
    // A new section, after a blank line.
    endLastLine();
    if (!m_lines.empty() && m_lines.back().kind != Kind::Blank) {
        m_lines.push_back(newLine(m_lineEnd, 0));
    }
    // Built by appending: g++ 12 at -O3 takes a literal joined to a string for an overlap.
    std::string header(1, '[');
    header += section;
    header += ']';
    header += m_lineEnd;
    m_lines.push_back(newLine(header, number));
    m_lines.push_back(newLine(keyLine, number));
}

std::vector<std::pair<std::string, std::string>> SettingsDocument::keys() const {
    std::set<std::pair<std::uint32_t, std::string_view>> seen;
    std::vector<std::pair<std::string, std::string>> names;
    for (const Line& line : m_lines) {
        if (line.kind == Kind::Key && seen.emplace(line.section, keyOf(line)).second) {
            names.emplace_back(m_sections[line.section], keyOf(line));
        }
    }
    return names;
}

std::vector<RepeatedKey> SettingsDocument::repeatedKeys() const {
    std::map<std::pair<std::uint32_t, std::string_view>, int> seen;
    std::vector<std::pair<std::uint32_t, std::string_view>> order;
    for (const Line& line : m_lines) {
        if (line.kind != Kind::Key) {
            continue;
        }
        const std::pair name{line.section, keyOf(line)};
        if (++seen[name] == 2) {
            order.push_back(name);
        }
    }
    std::vector<RepeatedKey> repeated;
    for (const auto& name : order) {
        repeated.push_back({m_sections[name.first], std::string(name.second), seen[name]});
    }
    return repeated;
}

std::vector<std::size_t> SettingsDocument::damagedLines() const {
    std::vector<std::size_t> numbers;
    for (const Line& line : m_lines) {
        if (line.kind == Kind::Damaged) {
            numbers.push_back(line.number);
        }
    }
    return numbers;
}

std::vector<std::string_view> SettingsDocument::lines() const {
    std::vector<std::string_view> texts;
    texts.reserve(m_lines.size());
    for (const Line& line : m_lines) {
        texts.push_back(textOf(line));
    }
    return texts;
}

std::optional<std::size_t> SettingsDocument::lineOf(std::string_view section,
                                                    std::string_view key) const {
    return lastLineOf(section, key);
}

std::string SettingsDocument::text() const {
    std::string text;
    for (const Line& line : m_lines) {
        text += textOf(line);
    }
    return text;
}

std::vector<RepeatedKey> findRepeatedKeys(std::string_view text) {
    return SettingsDocument(text).repeatedKeys();
}

#include "app/SettingsDocument.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr std::string_view kSpace = " \t\r";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// A value as written in quotes: the quotes off, the escapes read.
std::string unquoted(std::string_view quoted) {
    static const std::map<char, char> escapes = {{'n', '\n'}, {'t', '\t'}, {'r', '\r'},
                                                 {'a', '\a'}, {'b', '\b'}, {'f', '\f'},
                                                 {'v', '\v'}, {'0', '\0'}};
    std::string text;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        char c = quoted[i];
        if (c == '\\' && i + 2 < quoted.size()) {
            c = quoted[++i];
            if (const auto escape = escapes.find(c); escape != escapes.end()) {
                c = escape->second;
            }
        }
        text += c;
    }
    return text;
}

} // namespace

SettingsDocument::SettingsDocument(std::string_view text) : m_text(text) {
    m_lines.reserve(std::size_t(std::count(text.begin(), text.end(), '\n')) + 1);
    std::uint32_t section = 0;
    std::size_t begin = 0;
    while (begin < m_text.size()) {
        const auto end = std::min(m_text.find('\n', begin), m_text.size());
        Line line{.begin = std::uint32_t(begin),
                  .size = std::uint32_t(end - begin),
                  .section = section,
                  .kind = Kind::Damaged,
                  .lineBreak = end < m_text.size()};
        begin = end + 1;

        const std::string_view content = trimmed(textOf(line));
        const auto close = content.find(']');
        if (content.empty() || content.front() == ';' || content.front() == '#') {
            line.kind = Kind::Blank;
        } else if (content.front() == '[' && close != std::string_view::npos) {
            line.kind = Kind::Header;
            section = sectionNumber(trimmed(content.substr(1, close - 1)));
            line.section = section;
        } else if (!keyOf(line).empty()) {
            line.kind = Kind::Key;
        }
        m_lines.push_back(line);
    }
}

std::string_view SettingsDocument::textOf(const Line& line) const {
    return std::string_view(m_text).substr(line.begin, line.size);
}

std::string_view SettingsDocument::keyOf(const Line& line) const {
    const std::string_view text = textOf(line);
    const auto equals = text.find('=');
    return equals == std::string_view::npos ? std::string_view() : trimmed(text.substr(0, equals));
}

std::string_view SettingsDocument::valueOf(const Line& line) const {
    const std::string_view text = textOf(line);
    return trimmed(text.substr(text.find('=') + 1));
}

SettingsDocument::Line SettingsDocument::newLine(std::string_view text, Kind kind,
                                                 std::uint32_t section) {
    const Line line{.begin = std::uint32_t(m_text.size()),
                    .size = std::uint32_t(text.size()),
                    .section = section,
                    .kind = kind,
                    .lineBreak = true};
    m_text += text;
    return line;
}

std::uint32_t SettingsDocument::sectionNumber(std::string_view name) {
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

std::optional<std::string> SettingsDocument::value(std::string_view section,
                                                   std::string_view key) const {
    const auto index = lastLineOf(section, key);
    if (!index) {
        return std::nullopt;
    }
    const std::string_view value = valueOf(m_lines[*index]);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return unquoted(value);
    }
    return std::string(value);
}

void SettingsDocument::setValue(std::string_view section, std::string_view key,
                                std::string_view text) {
    std::string keyLine = std::string(key) + "=" + std::string(text);
    if (const auto index = lastLineOf(section, key)) {
        Line& old = m_lines[*index];
        // A line of a file written on another system keeps its carriage return.
        if (textOf(old).ends_with('\r')) {
            keyLine += '\r';
        }
        const bool lineBreak = old.lineBreak;
        old = newLine(keyLine, Kind::Key, old.section);
        old.lineBreak = lineBreak;
        return;
    }
    const std::uint32_t number = sectionNumber(section);
    const Line line = newLine(keyLine, Kind::Key, number);
    if (!m_lines.empty()) {
        m_lines.back().lineBreak = true;
    }
    // The new line goes after the last line that the section holds, before the blank lines
    // and comments that lead to the next section.
    const auto last = std::find_if(m_lines.rbegin(), m_lines.rend(), [&](const Line& candidate) {
        return candidate.section == number && candidate.kind != Kind::Blank;
    });
    if (last != m_lines.rend()) {
        m_lines.insert(last.base(), line);
        return;
    }
    // A new section, after a blank line.
    if (!m_lines.empty() && m_lines.back().kind != Kind::Blank) {
        m_lines.push_back(newLine("", Kind::Blank, 0));
    }
    std::string header = "[";
    header += section;
    header += ']';
    m_lines.push_back(newLine(header, Kind::Header, number));
    m_lines.push_back(line);
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
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Damaged) {
            numbers.push_back(i + 1);
        }
    }
    return numbers;
}

std::string SettingsDocument::text() const {
    std::string text;
    for (const Line& line : m_lines) {
        text += textOf(line);
        if (line.lineBreak) {
            text += '\n';
        }
    }
    return text;
}

std::vector<RepeatedKey> findRepeatedKeys(std::string_view text) {
    return SettingsDocument(text).repeatedKeys();
}

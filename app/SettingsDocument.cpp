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

SettingsDocument::SettingsDocument(std::string_view text) {
    std::string section = "General";
    while (!text.empty()) {
        const auto end = text.find('\n');
        Line line;
        line.text = std::string(text.substr(0, end));
        line.lineBreak = end == std::string_view::npos ? "" : "\n";
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        const std::string_view content = trimmed(line.text);
        const auto equals = content.find('=');
        if (content.empty() || content.front() == ';' || content.front() == '#') {
            line.kind = Kind::Blank;
        } else if (content.front() == '[' && content.find(']') != std::string_view::npos) {
            line.kind = Kind::Header;
            section = std::string(trimmed(content.substr(1, content.find(']') - 1)));
        } else if (equals != std::string_view::npos &&
                   !trimmed(content.substr(0, equals)).empty()) {
            line.kind = Kind::Key;
            line.key = std::string(trimmed(content.substr(0, equals)));
            line.value = std::string(trimmed(content.substr(equals + 1)));
        } else {
            line.kind = Kind::Damaged;
        }
        line.section = section;
        m_lines.push_back(std::move(line));
    }
}

std::optional<std::size_t> SettingsDocument::lastLineOf(std::string_view section,
                                                        std::string_view key) const {
    for (std::size_t i = m_lines.size(); i-- > 0;) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Key && line.section == section && line.key == key) {
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
    const std::string& value = m_lines[*index].value;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return unquoted(value);
    }
    return value;
}

void SettingsDocument::setValue(std::string_view section, std::string_view key,
                                std::string_view text) {
    Line line;
    line.kind = Kind::Key;
    line.section = std::string(section);
    line.key = std::string(key);
    line.value = std::string(text);
    line.text = line.key + "=" + line.value;
    line.lineBreak = "\n";

    if (const auto index = lastLineOf(section, key)) {
        Line& old = m_lines[*index];
        // A line of a file written on another system keeps its carriage return.
        if (!old.text.empty() && old.text.back() == '\r') {
            line.text += '\r';
        }
        line.lineBreak = old.lineBreak;
        old = std::move(line);
        return;
    }
    // The new line goes after the last line that the section holds, before the blank lines
    // and comments that lead to the next section.
    const auto last = std::find_if(m_lines.rbegin(), m_lines.rend(), [&](const Line& candidate) {
        return candidate.section == section && candidate.kind != Kind::Blank;
    });
    if (!m_lines.empty() && m_lines.back().lineBreak.empty()) {
        m_lines.back().lineBreak = "\n";
    }
    if (last != m_lines.rend()) {
        m_lines.insert(last.base(), std::move(line));
        return;
    }
    // A new section, after a blank line.
    Line header = line;
    header.kind = Kind::Header;
    header.text = "[" + line.section + "]";
    if (!m_lines.empty() && m_lines.back().kind != Kind::Blank) {
        m_lines.push_back(Line{});
        m_lines.back().lineBreak = "\n";
    }
    m_lines.push_back(std::move(header));
    m_lines.push_back(std::move(line));
}

std::vector<std::pair<std::string, std::string>> SettingsDocument::keys() const {
    std::set<std::pair<std::string, std::string>> seen;
    std::vector<std::pair<std::string, std::string>> names;
    for (const Line& line : m_lines) {
        if (line.kind == Kind::Key && seen.emplace(line.section, line.key).second) {
            names.emplace_back(line.section, line.key);
        }
    }
    return names;
}

std::vector<RepeatedKey> SettingsDocument::repeatedKeys() const {
    std::map<std::pair<std::string, std::string>, int> seen;
    std::vector<std::pair<std::string, std::string>> order;
    for (const Line& line : m_lines) {
        if (line.kind != Kind::Key) {
            continue;
        }
        std::pair<std::string, std::string> name{line.section, line.key};
        if (++seen[name] == 2) {
            order.push_back(std::move(name));
        }
    }
    std::vector<RepeatedKey> repeated;
    for (auto& name : order) {
        const int times = seen[name];
        repeated.push_back({std::move(name.first), std::move(name.second), times});
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
        text += line.text;
        text += line.lineBreak;
    }
    return text;
}

std::vector<RepeatedKey> findRepeatedKeys(std::string_view text) {
    return SettingsDocument(text).repeatedKeys();
}

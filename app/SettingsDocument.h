#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A key that a settings file gives more than once in one section; a section may also come
// back further down the file. The last one counts.
struct RepeatedKey {
    std::string section;
    std::string key;
    int times = 0;
    bool operator==(const RepeatedKey&) const = default;
};

// The text of a settings file as lines, kept exactly as they were read: a save changes the
// lines of the keys it writes and adds the keys that are missing, and carries every other
// line over byte for byte, those of other programs and damaged ones alike.
//
// A line is blank, a comment (";" or "#"), a section header ("[name]"), or a key ("name =
// value"); spaces around names and values are trimmed. Keys before the first header are in
// "General". Any other line is damaged: it names nothing, and stays where it is.
class SettingsDocument {
public:
    SettingsDocument() = default;
    explicit SettingsDocument(std::string_view text);

    // The text of a key, with the quotes of a quoted value taken off and its escapes ("\n",
    // "\"", ...) read; of a key given twice, the last.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Sets the last line of the key to "key=text", or adds that line at the end of the
    // section, or the section at the end of the file. `text` is one line of plain text.
    void setValue(std::string_view section, std::string_view key, std::string_view text);

    // Every key of the file as "section", "key", in the order they first appear.
    std::vector<std::pair<std::string, std::string>> keys() const;
    std::vector<RepeatedKey> repeatedKeys() const;
    // The numbers, from 1, of the damaged lines.
    std::vector<std::size_t> damagedLines() const;

    std::string text() const;

private:
    enum class Kind : std::uint8_t { Blank, Header, Key, Damaged };
    // A line, without its line break, as a span of m_text: a file of a million short lines
    // takes a few tens of megabytes. Names and values are cut from the line when asked.
    struct Line {
        std::uint32_t begin = 0;
        std::uint32_t size = 0;
        std::uint32_t section = 0; // of a key, the section it is in; of a header, the one it opens
        Kind kind = Kind::Blank;
        bool lineBreak = true;
    };

    std::string_view textOf(const Line& line) const;
    std::string_view keyOf(const Line& line) const;
    std::string_view valueOf(const Line& line) const;
    // A line of the given text, which is kept at the end of m_text.
    Line newLine(std::string_view text, Kind kind, std::uint32_t section);
    std::uint32_t sectionNumber(std::string_view name);
    std::optional<std::size_t> lastLineOf(std::string_view section, std::string_view key) const;

    // The file as read; the text of each line written since follows it.
    std::string m_text;
    std::vector<Line> m_lines;
    // The names of the sections, "General" first, each once, and their numbers.
    std::vector<std::string> m_sections{"General"};
    std::map<std::string, std::uint32_t, std::less<>> m_sectionNumbers{{"General", 0}};
};

// The repeated keys of a settings file's text, in the order of their first appearance.
std::vector<RepeatedKey> findRepeatedKeys(std::string_view text);

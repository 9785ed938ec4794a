#pragma once

#include <cstddef>
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
    enum class Kind { Blank, Header, Key, Damaged };
    struct Line {
        std::string text; // without its line break
        std::string lineBreak;
        Kind kind = Kind::Blank;
        std::string section; // of a key: the section it is in; of a header: the one it opens
        std::string key;
        std::string value; // as written, trimmed
    };

    std::optional<std::size_t> lastLineOf(std::string_view section, std::string_view key) const;

    std::vector<Line> m_lines;
};

// The repeated keys of a settings file's text, in the order of their first appearance.
std::vector<RepeatedKey> findRepeatedKeys(std::string_view text);

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

// A key's value as the file gives it.
struct StoredValue {
    // The text, with its quotes and escapes read ("\"a\\tb\"" is a, a tab, b); of a list
    // ("1, 2": a comma outside quotes) the text as it stands in the file.
    std::string text;
    bool isList = false;
    bool operator==(const StoredValue&) const = default;
};

// The text of a settings file as lines, kept exactly as they were read: a save changes the
// values of the keys it writes and adds the keys that are missing, and carries every other
// byte over as it was, other programs' lines and damaged ones alike, whatever their line ends.
//
// A line ends at a line feed, a carriage return and line feed, or a carriage return alone. A
// line is blank, a comment (";" or "#"), a section header ("[name]"), or a key ("name =
// value"); spaces around names and values are trimmed. Within a line, text in double quotes
// and a character after a backslash are taken as they are; outside them ";" starts a comment
// and "," makes the value a list. A backslash at the end of a key's line carries it on to the
// next. Keys before the first header are in "General". A UTF-8 byte-order mark at the start of
// the file, of a name or of a value's text is kept and otherwise passed over, as a UTF-8 reader
// does. Any other line is damaged: it names nothing, and stays where it is.
class SettingsDocument {
public:
    SettingsDocument() = default;
    explicit SettingsDocument(std::string_view text);

    // The value of a key; of a key given twice, the last.
    std::optional<StoredValue> value(std::string_view section, std::string_view key) const;

    // Sets the value of the last line of the key to `text`, keeping the rest of that line, or
    // adds "key=text" at the end of the section, or the section at the end of the file; an
    // added line ends as most lines of the file do. `text` is one line of plain text.
    void setValue(std::string_view section, std::string_view key, std::string_view text);

    // Every key of the file as "section", "key", in the order they first appear.
    std::vector<std::pair<std::string, std::string>> keys() const;
    std::vector<RepeatedKey> repeatedKeys() const;
    // The numbers, from 1, of the damaged lines.
    std::vector<std::size_t> damagedLines() const;

    // The lines of the file as they are now, each with its line end, and the one of them that
    // holds a key.
    std::vector<std::string_view> lines() const;
    std::optional<std::size_t> lineOf(std::string_view section, std::string_view key) const;

    std::string text() const;

private:
    enum class Kind : std::uint8_t { Blank, Header, Key, Damaged };
    // A line, with its line end, as a span of m_text: a file of a million short lines takes a
    // few tens of megabytes. Of a key, where its name and its value lie within the line.
    struct Line {
        std::uint32_t begin = 0;
        std::uint32_t size = 0;
        std::uint32_t number = 0;  // in the file as read, from 1
        std::uint32_t section = 0; // of a key, the section it is in; of a header, the one it opens
        std::uint32_t keyBegin = 0;
        std::uint32_t keyEnd = 0;
        std::uint32_t valueBegin = 0;
        std::uint32_t valueEnd = 0;
        Kind kind = Kind::Blank;
        // Whether a line end ends it, rather than the end of the file.
        bool ended = true;
    };

    // The line that starts at `begin` in m_text and ends at `end` at the latest; the file's
    // first line may start with a byte-order mark.
    Line parseLine(std::size_t begin, std::size_t end, bool fileStart) const;
    std::string_view textOf(const Line& line) const;
    std::string_view keyOf(const Line& line) const;
    std::string_view valueOf(const Line& line) const;
    // A line of the given text, which is kept at the end of m_text.
    Line newLine(const std::string& text, std::uint32_t section, bool fileStart = false);
    std::uint32_t sectionNumber(std::string_view name);
    std::optional<std::size_t> lastLineOf(std::string_view section, std::string_view key) const;
    // Gives the last line a line end, where the end of the file ended it.
    void endLastLine();

    // The file as read; the text of each line written since follows it.
    std::string m_text;
    std::vector<Line> m_lines;
    // What the lines that a save adds end with.
    std::string m_lineEnd = "\n";
    // The names of the sections, "General" first, each once, and their numbers.
    std::vector<std::string> m_sections{"General"};
    std::map<std::string, std::uint32_t, std::less<>> m_sectionNumbers{{"General", 0}};
};

// The repeated keys of a settings file's text, in the order of their first appearance.
std::vector<RepeatedKey> findRepeatedKeys(std::string_view text);

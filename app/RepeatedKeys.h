#pragma once

#include <string>
#include <string_view>
#include <vector>

// A key that a settings file gives more than once in one section; a section may also come
// back further down the file. The store takes the last.
struct RepeatedKey {
    std::string section;
    std::string key;
    int times = 0;
    bool operator==(const RepeatedKey&) const = default;
};

// The repeated keys of a settings file's text, in the order of their first appearance. Keys
// before the first section header are in "General"; blank lines, comments (";" or "#") and
// lines without "=" name no key. Names are compared as they are written, spaces around them
// trimmed.
std::vector<RepeatedKey> findRepeatedKeys(std::string_view text);

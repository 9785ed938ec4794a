#pragma once

#include "app/SettingsDocument.h"
#include "app/SettingsFile.h"
#include "ui/StoredPlace.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// What the program tells the user about the settings file, one fact each. Names, values and
// paths are kept as they came; the reporter alone puts the facts into words.

// The file is there but was not read: every setting takes its default.
struct FileNotRead {
    std::string path;
    FileFault fault;
};

// Lines that are not settings; they are kept as they are.
struct NotSettingLines {
    std::string path;
    std::vector<std::size_t> lines;
};

// A key of the file that the program neither reads nor writes; it is kept as it is.
struct UnknownKey {
    std::string section;
    std::string key;
};

// A stored value that the program cannot use, and the text of the value it uses instead. The
// text is the file's; of a value that does not fit, the number read, as the program writes it.
struct RejectedValue {
    enum class Why { NotWholeNumber, OutOfRange, NotTrueOrFalse, NotFiniteNumber, DoesNotFit };
    std::string section;
    std::string key;
    std::string text;
    Why why = Why::NotWholeNumber;
    // OutOfRange: the range.
    std::int32_t min = 0;
    std::int32_t max = 0;
    // DoesNotFit: the setting that the value must fit, and its value.
    std::string fits;
    std::string fitsValue;
    std::string used;
};

// A window's stored place leaves too little of it on its screen: the place used instead, its
// default place, or where that cannot be reached either (or was the place read), the default
// moved onto the screen.
struct UnreachablePlace {
    std::string section;
    std::string left;
    std::string top;
    std::string usedLeft;
    std::string usedTop;
    StoredPlace::PlaceUsed used = StoredPlace::PlaceUsed::Default;
};

// Of a file full of stray lines, the ones not told one by one.
struct MoreStrayLines {
    std::size_t count = 0;
};

// Quit could not save the values: the earlier file is as it was.
struct NotSaved {
    std::string path;
    FileFault fault;
};

using SettingsWarning = std::variant<FileNotRead, NotSettingLines, RepeatedKey, UnknownKey,
                                     RejectedValue, UnreachablePlace, MoreStrayLines, NotSaved>;

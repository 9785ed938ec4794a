#pragma once

#include <string>
#include <string_view>

// Text from outside (an argument, an environment variable) made safe for one line of a
// message on a terminal, in double quotes. Control characters, terminal escape sequences,
// the invisible marks that turn text around, bytes that are not UTF-8, quotes and
// backslashes are shown escaped ("\n", "\x1b", "\u202e", "\xff", "\"", "\\"), so nothing
// in it can act on the terminal or hide what it says. Text longer than `shownCharacters` is
// cut there and ends in "...", after the closing quote.
std::string quotedText(std::string_view text, int shownCharacters = 60);

// A path quoted as above, but whole: a path cut short would name another file.
std::string quotedPath(std::string_view path);

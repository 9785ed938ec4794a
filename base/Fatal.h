#pragma once

#include <string_view>

// Ends the program with a message on standard error. For states that the design keeps
// unreachable (a cell index with no cell, a body slot out of range): carrying on would
// corrupt the trains, so the program stops where the fault shows.
[[noreturn]] void stopWithError(std::string_view what);

#pragma once

#include <QString>

#include <optional>

// Quit: keeps the eleven values that outlive a run and ends the program at once, with a
// non-zero status when they could not be written.
[[noreturn]] void SaveSettingsAndQuit();

// The saving half of Quit: writes the values and flushes the store. Returns what went wrong,
// naming the file, or nothing when the file holds the values.
std::optional<QString> SaveSettings();

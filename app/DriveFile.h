#pragma once

#include "sim/Drive.h"

#include <cstddef>
#include <string>
#include <variant>

// A drive of hours of driving is a few megabytes; anything much larger is not one.
inline constexpr std::size_t kLargestDrive = std::size_t(16) << 20;

// Reads the drive at `path`, as the settings file is read: a regular file of at most
// kLargestDrive bytes, and nothing opened in a way that can block. Or one line that says why
// it cannot be played, with the number of the line at fault.
std::variant<Drive, std::string> readDriveFile(const std::string& path);

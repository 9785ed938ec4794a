#pragma once

#include <optional>
#include <string>

// The runtime folder, where the lock that keeps one program to a settings file and its socket
// live: XDG_RUNTIME_DIR, or where there is none (su, ssh without a session, cron) the folder
// Qt's programs fall back on, runtime-USER in the temporary folder, made if it is missing.
// Only a folder of the user's own, not a symbolic link, that no one else may use (mode 0700)
// is taken: in any other, another user could remove the lock or stand in for the socket, and
// two programs would run on one settings file. Where XDG_RUNTIME_DIR is not set, it is set to
// the fallback, so that Qt takes the same folder without a word.
// Returns why no folder could be taken, in words for the user, or nothing.
std::optional<std::string> settlePrivateRuntimeFolder();

#pragma once

#include <string>

// What the command line asks of the program. "--help" and "-h" ask for the usage,
// "--version" for the name and version; the first of them wins. Anything else is left to Qt,
// which takes its own options (-platform, -display, ...), and then to the program, which
// warns of what is left.
enum class CommandLineRequest { Run, Help, Version };

CommandLineRequest requestOf(int argc, const char* const argv[]);

// A drive that the command line asks for: the run recorded into a file, or a drive played in
// the windows, or checked without them.
struct DriveRequest {
    enum class Mode { None, Record, Play, Check };
    Mode mode = Mode::None;
    std::string file;
    std::string fault; // why the options cannot be taken, when they cannot: one line
};

// Takes "--record FILE", "--play FILE" and "--check" out of `argv`, leaving the rest to Qt.
DriveRequest takeDriveRequest(int& argc, char* argv[]);

// The usage that --help prints: what Varnok is, where it keeps its settings, the variables
// of the environment it heeds and where its manual is.
std::string usageText();

// "Varnok 0.1.0": the name and the version of the build.
std::string versionText();

// One warning line for each argument that neither Qt nor the program takes.
void warnOfUnknownArguments(int argc, const char* const argv[]);

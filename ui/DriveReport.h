#pragma once

#include "sim/Drive.h"
#include "sim/RunState.h"
#include "ui/DrivePlayer.h"

#include <QString>

#include <string>

// Every sentence that the program says of a drive's text and of how a played drive ended is
// made here, from the facts that the reader and the player give: whatever comes from the file
// is quoted so that nothing in it can act on the terminal.

// "line 6: throttle 101 is not within 0..100".
QString sentenceOf(const DriveFault& fault);

// "train 1's throttle is 12 where the drive has 11".
QString sentenceOf(const RunDifference& difference);

// One line that says how the drive ended.
std::string verdictText(const DriveVerdict& verdict);

#pragma once

// Starts the program `runs` times in fresh processes of this benchmark and prints the median
// time from each process's start to both main windows shown and to the track map's first
// frame drawn. The platform is the environment's (QT_QPA_PLATFORM).
int runStartup(int runs, const char* benchPath);

// One start, in the child process: the program's start-up with a watch on its windows. Prints
// the steady clock at both events and ends.
int runStartupChild(int argc, char* argv[]);

#pragma once

// Starts the program `runs` times in fresh processes of this benchmark and prints the median
// time from each process's start to both main windows shown and to the track map's first
// frame drawn, on the platform that the program would choose.
int runStartup(int runs, const char* benchPath);

// One start, in the child process: the program's start-up with a watch on its windows. Prints
// the steady clock at both events and ends.
int runStartupChild(int argc, char* argv[]);

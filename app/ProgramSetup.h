#pragma once

// Everything the program sets up between making its application object and building its
// windows: its name and icon, that only Quit ends it, whole key repeats, and a check of the
// track. Arguments that Qt left are reported and ignored; a window system that keeps windows'
// places to itself is named once.
// Returns false, having said why, when the track's node cells are inconsistent and the
// program cannot run.
bool prepareProgram(int argc, char* argv[]);

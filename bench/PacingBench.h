#pragma once

// Three trains of 501 cells at `throttle` with the overview open, for `seconds`: for each
// train the steps asked for and done; for the program its repaints, processor time and memory.
int runPacing(int throttle, int seconds);

// Every throttle at 0 and the overview open, for `seconds`: what the program costs at rest.
int runIdle(int seconds);

#pragma once

// Three trains of `length` cells at `throttle` with the overview open, for `seconds`: for each
// train the steps asked for and done; for the program its repaints, processor time and memory.
int runPacing(int throttle, int seconds, int length);

// Every throttle at 0 and the overview open, for `seconds`: what the program costs at rest.
int runIdle(int seconds);

#pragma once

// Start-up: loads the settings into the shared state, then shows the track map and the
// train control window. The overview waits for its first use.
void Main();

// Brings the program's shown windows to the front, as a second start asks.
void ShowWindowsInFront();

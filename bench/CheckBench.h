#pragma once

// Checks a recorded drive `runs` times, as varnok --play DRIVE --check does, and reports the
// time of each check: a drive of a minute of three 501-cell trains at full pace must check in
// under a second.
int runCheck(const char* drive, int runs);

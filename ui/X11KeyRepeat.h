#pragma once

// On X11 a held key repeats as a release and a press, and Qt cannot always tell such a pair
// from a real release followed by a real press. Asks the X server to send a held key's
// repeats as presses only, so a release is always a real one. Does nothing on other
// platforms. Returns whether the server now sends repeats that way.
bool requestWholeKeyRepeats();

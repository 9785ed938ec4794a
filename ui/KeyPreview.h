#pragma once

class QWidget;

// Every key pressed in a window with key preview goes to the trains' held-key code before
// the window's focused control sees it, and no further: its code is stored on a press, 0 on
// the release of any key. A held key's auto-repeat changes nothing, so the code stays steady
// from the real press to the real release. When the program loses the keyboard, whatever is
// held counts as released.
void installKeyPreview(QWidget& window);

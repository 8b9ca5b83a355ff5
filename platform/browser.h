#pragma once
// The browser control: a child control that stands in for an embedded web browser. It loads a
// blank page first and holds its creator until that page is complete, taking and dispatching
// the GUI thread's messages meanwhile (they never reach the loop's actions). Then, for a
// non-empty address, it requests the address in the background without waiting for it; the
// cookies of the answer land in the shared store. The page itself is never read or shown.
#include "gui.h"

void CreateBrowserControl(int control, ControlParent parent, int x, int y, int width, int height,
                          const std::string& address);

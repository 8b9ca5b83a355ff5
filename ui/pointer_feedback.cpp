#include "pointer_feedback.h"

#include "../app/program_state.h"
#include "../platform/gui.h"

bool PointerOverControl(int control) {
    ScreenRect rect = ControlScreenRect(control);
    int x = 0, y = 0;
    PointerScreenPosition(x, y);
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

void HandCursorFeedback(int eventKind) {
    if (eventKind != EventPointerMove) return;
    if (PointerOverControl(SearchButton) || PointerOverControl(PauseButton) || PointerOverControl(DownloadButton))
        ShowHandPointer();
}

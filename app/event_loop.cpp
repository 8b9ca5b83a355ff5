#include "core.h"

#include "../platform/gui.h"
#include "../search/search.h"
#include "../ui/pointer_feedback.h"
#include "program_state.h"

namespace {

struct DispatchEntry {
    int control;
    ControlAction action;
};

// Only the ResultsList's handler looks at the event type; the others act on every event.
const DispatchEntry DispatchTable[] = {
    {ResultsList, nullptr},
    {SearchButton, RunSearchCommand},
    {SaveButton, nullptr},
    {DownloadButton, nullptr},
    {PauseButton, nullptr},
};

} // namespace

ControlAction ActionForControl(int control) {
    for (const DispatchEntry& entry : DispatchTable)
        if (entry.control == control) return entry.action;
    return nullptr;
}

PassOutcome RunLoopPass() {
    GuiEvent event = WaitForEvent();
    LoopEventKind = event.kind;
    LoopEventWindow = event.window;
    LoopEventControl = event.control;
    if (event.kind == EventControl)
        if (ControlAction action = ActionForControl(event.control)) action(event.type);
    HandCursorFeedback(event.kind);
    if (event.kind != EventClose) return PassContinue;
    CloseWindow(event.window);
    return event.window == MainWindow ? PassLeaveLoop : PassContinue;
}

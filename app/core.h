#pragma once
// The application core: start-up, the event loop and the release order.

// Runs the start-up sequence up to the loop: state, skin, MainWindow and controls, login,
// audio output, the window shown and the UiTimer armed. The toolkit must be initialised.
void RunStartUp();

enum PassOutcome { PassContinue, PassLeaveLoop };
// One pass of the loop: wait for an event, advance an ended track, dispatch by control number,
// the pointer handlers, then close requests. Leaves the loop on a close request of window 0.
PassOutcome RunLoopPass();

// What a control event of a given control number runs (null: only the pointer handlers see it).
using ControlAction = void (*)(int eventType);
ControlAction ActionForControl(int control);

// Releases what start-up acquired, in order; the process then ends with exit code 0.
void RunReleaseOrder();

#pragma once
// The hand pointer over the image buttons.

// True when the pointer's screen position lies inside the control's screen rectangle: the left
// and top edges inside, the right and bottom edges outside.
bool PointerOverControl(int control);
// On a pointer move over the SearchButton, PauseButton or DownloadButton, shows the hand.
void HandCursorFeedback(int eventKind);

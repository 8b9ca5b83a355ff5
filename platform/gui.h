#pragma once
#include "colour.h"

#include <cstddef>
#include <string>

// The GUI toolkit: numbered top-level windows, numbered controls in one number space for all
// windows, and the one blocking event wait of the GUI thread. Texts cross this interface as
// Windows-1251 bytes. Making a window or control again under a number it already has replaces
// the old one. Everything here is for the GUI thread only.

// ---- Events ---------------------------------------------------------------------------------

// Event kinds are the system's message numbers for the messages the program tells apart.
enum EventKind {
    EventOther = 0,      // every other message that made a pass: keys, buttons, focus, paint ...
    EventClose = 16,     // a close request; the window stays open until CloseWindow
    EventKeyDown = 256,
    EventControl = 273,  // a control reports user input; see ControlEventType
    EventTimer = 275,    // a timer tick, after the timer's procedure has run
    EventPointerMove = 512,
};

enum ControlEventType {
    TypeLeftClick = 0,
    TypeRightClick = 1,
    TypeLeftDoubleClick = 2, // reported after the click of the same press
    TypeRightDoubleClick = 3,
    TypeSelectionChange = 768, // list views; edits report their changes with the same number
    TypeDragStart = 14002,     // left button held and moved beyond the system's drag distance
};

constexpr int NoNumber = -1;

struct GuiEvent {
    int kind = EventOther;
    int window = NoNumber;
    int control = NoNumber;
    int type = 0;
};

// Starts the toolkit; argv may carry the toolkit's own options.
void InitialiseGui(int& argc, char** argv);

// Sleeps until something happens, dispatches it (timer procedures and painting run here) and
// returns it. Every pointer movement over a window or control of the program is one event.
GuiEvent WaitForEvent();

// Takes and dispatches what is pending without sleeping; the events it yields are dropped.
// Used by nested waits, whose messages never reach the loop's actions.
void DispatchPendingMessages();

void ShutdownGui();

// Adds one size of the program's icon (PNG bytes); every window shows it.
void AddProgramIconImage(const unsigned char* png, std::size_t size);

// ---- Windows --------------------------------------------------------------------------------

enum WindowFrame { FrameWithMinimiseBox, FrameCloseBoxOnly };
enum WindowBackground { BackgroundPanel, BackgroundButtonFace };

// A top-level window with a caption and a system menu and no sizing border, whose client area
// has the given size, centred on the primary screen and invisible until shown.
void CreateTopLevelWindow(int window, const std::string& title, int clientWidth, int clientHeight,
                          WindowFrame frame, WindowBackground background);
void ShowWindow(int window);
void CloseWindow(int window); // destroys the window with all its controls
bool WindowExists(int window);
void SetWindowTitle(int window, const std::string& title);
std::string WindowTitle(int window);
// Tiles an image over the window's client area from (0, 0), under its controls.
void SetWindowBackgroundImage(int window, int image);
// Arms a repeating timer; procedure (may be null) runs inside the event wait before the tick's event.
void SetWindowTimer(int window, int timer, int periodMs, void (*procedure)());

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom lie just outside
};
// Top-left of a centred window: outer size clipped to the screen, halves divided towards zero.
void CentredWindowOrigin(int screenWidth, int screenHeight, int outerWidth, int outerHeight, int& left,
                         int& top);

// ---- Controls -------------------------------------------------------------------------------

// Controls are created on a window, or inside a container control of that window.
struct ControlParent {
    int window;
    int container = NoNumber;
};

// Paints its image at (0, 0) with per-pixel alpha over what lies below, nothing else. Takes the
// image's size every time an image is given; without one it keeps its creation size.
void CreateImageControl(int control, ControlParent parent, int x, int y, int width, int height, int image);
void SetImageControlPicture(int control, int image);

enum EditBorder { EditBorderless, EditSunken };
void CreateEdit(int control, ControlParent parent, int x, int y, int width, int height,
                const std::string& text, EditBorder border);
void SetEditColours(int control, Colour background, Colour text);

// A plain child window with no border whose children are clipped to it.
void CreateContainer(int control, ControlParent parent, int x, int y, int width, int height);

// Report-mode list: no header, single selection, the selected row highlighted in its first
// column only, grid lines drawn down to the bottom of the control where no rows stand too.
void CreateListView(int control, ControlParent parent, int x, int y, int width, int height,
                    const std::string& firstColumnTitle, int firstColumnWidth);
void SetListViewColours(int control, Colour background, Colour text, Colour grid);
void InsertListColumn(int control, int position, const std::string& title, int width);
int ListColumnWidth(int control, int column);
int ListColumnCount(int control);
void AppendListRow(int control, const std::string& columnTexts); // line feeds separate the columns
void DeleteAllListRows(int control);
int ListRowCount(int control);
int ListSelectedRow(int control); // -1 when none
void SelectListRow(int control, int row); // selects, focuses and scrolls into view; none if no such row
std::string ListCellText(int control, int row, int column); // empty when there is no such row

void CreateProgressBar(int control, ControlParent parent, int x, int y, int width, int height);
void SetProgressRange(int control, int minimum, int maximum);
void SetProgressPosition(int control, int position);
void CreateStaticText(int control, ControlParent parent, int x, int y, int width, int height,
                      const std::string& text);
void CreateGroupFrame(int control, ControlParent parent, int x, int y, int width, int height,
                      const std::string& caption);
void CreatePushButton(int control, ControlParent parent, int x, int y, int width, int height,
                      const std::string& text);

bool ControlExists(int control);
void SetControlText(int control, const std::string& text);
std::string ControlText(int control);
void SetControlSize(int control, int width, int height); // keeps the position
ScreenRect ControlScreenRect(int control); // an empty rectangle for a missing control
void ClearControlExtendedStyle(int control); // removes a sunken client edge

// A message box with one OK button and the warning icon, modal for the whole program.
void ShowWarningMessage(const std::string& title, const std::string& text);

// ---- Pointer --------------------------------------------------------------------------------

void PointerScreenPosition(int& x, int& y);
bool LeftButtonIsDown(); // as the system knows it, wherever the press began
// The hand pointer until the pointer next moves; the toolkit then shows its own shape again.
void ShowHandPointer();
bool HandPointerShown();

#include "main_window.h"

#include "../app/program_state.h"
#include "../platform/gui.h"
#include "skin.h"

void OpenMainWindow() {
    CreateTopLevelWindow(MainWindow, WindowTitleText(), 400, 520, FrameWithMinimiseBox, BackgroundPanel);
    SetWindowBackgroundImage(MainWindow, BackgroundImage);
}

void CreateSearchAndButtonControls() {
    const ControlParent onWindow{MainWindow};
    CreateEdit(SearchBox, onWindow, 55, 14, 195, 15, "Depeche Mode Remix", EditBorderless);
    SetEditColours(SearchBox, PanelColour, AccentColour);
    // The image buttons take their pictures' sizes; the sizes given here hold only without one.
    CreateImageControl(SearchButton, onWindow, 257, 13, 70, 20, SearchButtonImage);
    CreateImageControl(PauseButton, onWindow, 344, 14, 70, 20, PauseButtonImage);
    CreateImageControl(VolumeBar, onWindow, 240, 486, 15, 16, NoNumber);
    CreateImageControl(DownloadButton, onWindow, 366, 489, 15, 16, DownloadButtonImage);
}

void CreateResultsList() {
    CreateContainer(ResultsFrame, {MainWindow}, 10, 37, 380, 380);
    const ControlParent inFrame{MainWindow, ResultsFrame};
    CreateListView(ResultsList, inFrame, 0, 0, 0, 0, "--------", 50);
    SetListViewColours(ResultsList, PanelColour, AccentColour, GridColour);
    ClearControlExtendedStyle(ResultsList);
    // 400 x 400 inside a 380 x 380 frame: the frame cuts off the right and bottom 20 pixels.
    SetControlSize(ResultsList, 400, 400);
    InsertListColumn(ResultsList, 0, "", 330);
    AppendListRow(ResultsList, WindowTitleText());
}

void CreateSpectrumColumns() {
    for (int k = 0; k < SpectrumColumnCount; ++k)
        CreateImageControl(FirstSpectrumColumn + k, {MainWindow}, 20 + 2 * k, 486, 0, 0, SpectrumCanvas);
}

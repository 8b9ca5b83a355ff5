#include "core.h"

#include "../platform/gui.h"
#include "../platform/images.h"
#include "../platform/web.h"
#include "../ui/login.h"
#include "../ui/main_window.h"
#include "../ui/skin.h"
#include "program_state.h"

namespace {

constexpr int UiTimerPeriodMs = 55;

} // namespace

void RunStartUp() {
    InitialiseWeb();
    AssignLoginValues();
    for (int i = 0; i < TrackTableSize; ++i) TrackUrls[i].clear(), TrackTitles[i].clear();
    VolumeLevel = 0.5f;
    VolumePercent = 50;
    AccentColourValue = AccentColour;
    SpectrumCapColourValue = SpectrumCapColour;
    InstallProgramIcon();
    CreateSkinSurfaces();
    DecodeSkinPictures();
    OpenMainWindow();
    CreateLoginBrowser();
    CreateSearchAndButtonControls();
    CreateResultsList();
    CreateSpectrumColumns();
    CreateBlankBrowser();
    ShowWindow(MainWindow);
    // The tick's own work (clock, volume, spectrum) joins with playback; its events already
    // give the loop a pass every 55 ms.
    SetWindowTimer(MainWindow, 0, UiTimerPeriodMs, nullptr);
}

void RunReleaseOrder() {
    CloseWindow(DownloadWindow);
    CloseWindow(MainWindow);
    FreeAllImages();
    ShutdownWeb();
    ShutdownGui();
}

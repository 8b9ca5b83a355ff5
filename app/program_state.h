#pragma once
// The program-wide state. Strings are Windows-1251 bytes. Everything here belongs to the GUI
// thread unless a field says otherwise.
#include "../platform/colour.h"

#include <cstdint>
#include <string>

constexpr int TrackTableSize = 112; // indices 0 to 111

// The track table: written only by the search, read by the player and the download window.
extern std::string TrackUrls[TrackTableSize];
extern std::string TrackTitles[TrackTableSize];

// The player state: written by the player, read by the clock, the volume bar and the download window.
extern std::int32_t CurrentTrack;
extern std::int32_t PlayingTrack;
extern std::uint32_t StreamHandle; // 0: no stream
extern std::int32_t AutoAdvance;   // set to 1 by the first double-click play; never cleared
extern std::int32_t PausedFlag;

extern std::int32_t VolumePercent; // 0 to 101
extern float VolumeLevel;          // 0.0 to 1.0

// Computed once at start-up.
extern Colour AccentColourValue;
extern Colour SpectrumCapColourValue;

extern std::string DownloadUrl;
extern std::string DownloadFileName;
extern std::int32_t DownloadThread; // 0 until the first worker; worker numbers start at 1

// Assigned at start-up, never changed.
extern std::string LoginEmail;
extern std::string LoginPassword;

// The service's domain; every host name is built from it. Chosen before start-up.
extern std::string ServiceDomain;
// "Музыка в " followed by the domain.
std::string WindowTitleText();

// The event the loop is handling, overwritten at the start of every pass.
extern int LoopEventKind;
extern int LoopEventWindow;
extern int LoopEventControl;

// Numbers of the windows and controls, in one number space for all windows.
enum WindowNumber { MainWindow = 0, DownloadWindow = 10 };
enum ControlNumber {
    ResultsFrame = 1,
    LoginBrowser = 2,
    ResultsList = 3,
    SearchBox = 4,
    SearchButton = 5,
    BlankBrowser = 9,
    SaveButton = 11,
    DownloadProgress = 12,
    DownloadFrame = 13,
    SizeLabel = 14,
    ReceivedLabel = 15,
    AddressBox = 16,
    DownloadButton = 22,
    PauseButton = 23,
    VolumeBar = 24,
    FirstSpectrumColumn = 100,
    SpectrumColumnCount = 86, // controls 100 to 185
};

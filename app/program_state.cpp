#include "program_state.h"

std::string TrackUrls[TrackTableSize];
std::string TrackTitles[TrackTableSize];
std::int32_t CurrentTrack = 0;
std::int32_t PlayingTrack = 0;
std::uint32_t StreamHandle = 0;
std::int32_t AutoAdvance = 0;
std::int32_t PausedFlag = 0;
std::int32_t VolumePercent = 0;
float VolumeLevel = 0.0f;
Colour AccentColourValue = 0;
Colour SpectrumCapColourValue = 0;
std::string DownloadUrl;
std::string DownloadFileName;
std::int32_t DownloadThread = 0;
std::string LoginEmail;
std::string LoginPassword;
std::string ServiceDomain = "vk.com";
int LoopEventKind = 0;
int LoopEventWindow = 0;
int LoopEventControl = 0;

std::string WindowTitleText() {
    return "\xCC\xF3\xE7\xFB\xEA\xE0 \xE2 " + ServiceDomain; // "Музыка в "
}

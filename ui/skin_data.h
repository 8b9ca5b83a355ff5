#pragma once
// The PNG files of assets/, built into the program.
#include <cstddef>

#define MUZYKA_EMBEDDED(name)                                                                                  \
    extern const unsigned char name[];                                                                          \
    extern const std::size_t name##Size;
MUZYKA_EMBEDDED(BackgroundPng)
MUZYKA_EMBEDDED(VolumeKnobPng)
MUZYKA_EMBEDDED(VolumeTrackPng)
MUZYKA_EMBEDDED(SearchButtonPng)
MUZYKA_EMBEDDED(SpectrumBackdropPng)
MUZYKA_EMBEDDED(DownloadButtonPng)
MUZYKA_EMBEDDED(PauseButtonPng)
MUZYKA_EMBEDDED(Icon16Png)
MUZYKA_EMBEDDED(Icon32Png)
MUZYKA_EMBEDDED(Icon48Png)
MUZYKA_EMBEDDED(Icon256Png)
#undef MUZYKA_EMBEDDED

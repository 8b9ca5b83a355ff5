#pragma once
// The skin: numbered pictures, the two drawing surfaces and the colours.
#include "../platform/colour.h"

enum SkinImageNumber {
    BackgroundImage = 17,
    VolumeKnobImage = 18,
    VolumeTrackImage = 19,
    SearchButtonImage = 20,
    SpectrumBackdropImage = 21,
    DownloadButtonImage = 22,
    PauseButtonImage = 23,
    VolumeCanvas = 24,
    SpectrumCanvas = 25,
};

constexpr Colour AccentColour = Rgb(137, 127, 98);      // search text, list text, spectrum body
constexpr Colour SpectrumCapColour = Rgb(240, 241, 220); // top sixth of a spectrum column
constexpr Colour PanelColour = Rgb(21, 21, 21);          // behind the search text and the list
constexpr Colour GridColour = Rgb(35, 35, 35);
constexpr Colour VolumeFill1 = Rgb(154, 140, 97);
constexpr Colour VolumeFill2 = Rgb(136, 123, 82);
constexpr Colour VolumeFill3 = Rgb(109, 97, 61);
constexpr Colour VolumeFill4 = Rgb(80, 69, 37);
constexpr Colour VolumeFill5 = Rgb(53, 44, 15);

// The VolumeCanvas (117 x 16) and the SpectrumCanvas (1 x 15), black.
void CreateSkinSurfaces();
// Decodes the seven built-in pictures, 17 to 23 in order; one that fails stays empty.
void DecodeSkinPictures();
// The program's icon for every window.
void InstallProgramIcon();

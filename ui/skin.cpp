#include "skin.h"

#include "../platform/gui.h"
#include "../platform/images.h"
#include "skin_data.h"

void CreateSkinSurfaces() {
    CreateSurface(VolumeCanvas, 117, 16);
    CreateSurface(SpectrumCanvas, 1, 15);
}

void DecodeSkinPictures() {
    DecodePngImage(BackgroundImage, BackgroundPng, BackgroundPngSize);
    DecodePngImage(VolumeKnobImage, VolumeKnobPng, VolumeKnobPngSize);
    DecodePngImage(VolumeTrackImage, VolumeTrackPng, VolumeTrackPngSize);
    DecodePngImage(SearchButtonImage, SearchButtonPng, SearchButtonPngSize);
    DecodePngImage(SpectrumBackdropImage, SpectrumBackdropPng, SpectrumBackdropPngSize);
    DecodePngImage(DownloadButtonImage, DownloadButtonPng, DownloadButtonPngSize);
    DecodePngImage(PauseButtonImage, PauseButtonPng, PauseButtonPngSize);
}

void InstallProgramIcon() {
    AddProgramIconImage(Icon16Png, Icon16PngSize);
    AddProgramIconImage(Icon32Png, Icon32PngSize);
    AddProgramIconImage(Icon48Png, Icon48PngSize);
    AddProgramIconImage(Icon256Png, Icon256PngSize);
}

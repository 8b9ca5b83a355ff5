// The built-in pictures decoded from memory: sizes, formats and the regions the layout needs.
#include "../platform/images.h"
#include "../ui/skin.h"
#include "../ui/skin_data.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class SkinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateSkinSurfaces();
        DecodeSkinPictures();
    }
    void TearDown() override { FreeAllImages(); }
    static std::uint32_t Rgb24(const Image* image, int x, int y) { return image->pixels[y * image->width + x] & 0xFFFFFF; }
    static int Alpha(const Image* image, int x, int y) { return int(image->pixels[y * image->width + x] >> 24); }
};

TEST_F(SkinTest, PicturesKeepTheirSizesAndFormats) {
    struct Expected {
        int number, width, height;
        bool alpha;
    } pictures[] = {
        {BackgroundImage, 400, 520, false},  {VolumeKnobImage, 15, 16, true},      {VolumeTrackImage, 117, 16, false},
        {SearchButtonImage, 71, 16, true},   {SpectrumBackdropImage, 1, 18, false}, {DownloadButtonImage, 22, 11, true},
        {PauseButtonImage, 35, 16, true},    {VolumeCanvas, 117, 16, false},        {SpectrumCanvas, 1, 15, false},
    };
    for (const Expected& e : pictures) {
        const Image* image = FindImage(e.number);
        ASSERT_NE(image, nullptr) << e.number;
        EXPECT_EQ(image->width, e.width) << e.number;
        EXPECT_EQ(image->height, e.height) << e.number;
        EXPECT_EQ(image->hasAlpha, e.alpha) << e.number;
    }
    for (int number : {VolumeCanvas, SpectrumCanvas})
        for (std::uint32_t pixel : FindImage(number)->pixels) ASSERT_EQ(pixel, 0xFF000000u) << "surfaces start black";
}

TEST_F(SkinTest, TransparencyIsAllOrNothingOnlyForTheSearchButton) {
    auto alphaLevels = [](int number) {
        std::map<int, int> levels;
        for (std::uint32_t pixel : FindImage(number)->pixels) ++levels[int(pixel >> 24)];
        return levels;
    };
    auto search = alphaLevels(SearchButtonImage);
    EXPECT_EQ(search.size(), 2u);
    EXPECT_TRUE(search.count(0) && search.count(255));
    for (int number : {DownloadButtonImage, PauseButtonImage}) {
        auto levels = alphaLevels(number);
        EXPECT_GT(levels.size(), 3u) << number << ": soft shadows";
        EXPECT_TRUE(levels.count(0)) << number;
    }
    const Image* knob = FindImage(VolumeKnobImage);
    EXPECT_EQ(Alpha(knob, 0, 0), 0);
    EXPECT_EQ(Alpha(knob, 14, 15), 0);
    EXPECT_EQ(Alpha(knob, 7, 8), 255);
    int lettering = 0;
    for (std::uint32_t pixel : FindImage(SearchButtonImage)->pixels)
        if (pixel >> 24 == 255) lettering += (pixel & 0xFFFFFF) == 0x747474u;
    EXPECT_GT(lettering, 40) << "grey (116, 116, 116) lettering";
}

TEST_F(SkinTest, SpectrumBackdropHoldsItsExactGreyLevels) {
    const int levels[18] = {1, 2, 4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 25, 27, 29, 30};
    const Image* backdrop = FindImage(SpectrumBackdropImage);
    for (int row = 0; row < 18; ++row) {
        std::uint32_t pixel = Rgb24(backdrop, 0, row);
        EXPECT_EQ(int(pixel >> 8 & 255), levels[row]) << "row " << row; // green carries the level
    }
    EXPECT_EQ(Rgb24(backdrop, 0, 2), 0x040403u);  // RGB(4, 4, 3)
    EXPECT_EQ(Rgb24(backdrop, 0, 4), 0x060607u);  // RGB(6, 6, 7)
    EXPECT_EQ(Rgb24(backdrop, 0, 14), 0x19191Au); // RGB(25, 25, 26)
}

TEST_F(SkinTest, VolumeTrackHasPlainRowsAroundItsSlot) {
    const Image* track = FindImage(VolumeTrackImage);
    for (int y : {0, 1, 2, 3, 11, 12, 13, 14, 15})
        for (int x = 0; x < 117; ++x) {
            std::uint32_t pixel = Rgb24(track, x, y);
            for (int shift : {0, 8, 16}) {
                int level = int(pixel >> shift & 255);
                ASSERT_GE(level, 30) << x << "," << y;
                ASSERT_LE(level, 37) << x << "," << y;
            }
        }
    EXPECT_LT(Rgb24(track, 58, 4) & 255, Rgb24(track, 58, 10) & 255) << "black at the top, lighter at the bottom";
}

TEST_F(SkinTest, BackgroundRegionsAndPanelColour) {
    const Image* background = FindImage(BackgroundImage);
    std::map<std::uint32_t, int> counts;
    for (std::uint32_t pixel : background->pixels) ++counts[pixel & 0xFFFFFF];
    auto most = std::max_element(counts.begin(), counts.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_EQ(most->first, 0x151515u) << "PanelColour is the most frequent colour";
    EXPECT_EQ(Rgb24(background, 150, 20), 0x151515u) << "search slot";
    EXPECT_GT(Rgb24(background, 253, 20) & 255, 60u) << "light divider";
    EXPECT_EQ(Rgb24(background, 100, 483), 0u) << "groove top is black";
    EXPECT_EQ(Rgb24(background, 100, 502), 0x1F1F1Fu) << "groove bottom is RGB 31";
    EXPECT_EQ(Rgb24(background, 200, 8), Rgb24(background, 201, 8)); // a plain band, no stray pixels
    EXPECT_EQ(Rgb24(background, 5, 100), 0x333333u) << "the frame is RGB 51";
}

TEST_F(SkinTest, DrawingOnASurfaceBlendsByAlphaAndClips) {
    const Image* knob = FindImage(VolumeKnobImage);
    const Image* canvas = FindImage(VolumeCanvas);
    DrawImageOnSurface(VolumeCanvas, VolumeTrackImage, 0, 0);
    EXPECT_EQ(canvas->pixels, FindImage(VolumeTrackImage)->pixels) << "the groove covers the whole canvas";
    DrawImageOnSurface(VolumeCanvas, VolumeKnobImage, 110, 0); // partly beyond the right edge
    EXPECT_EQ(Rgb24(canvas, 110, 0), Rgb24(FindImage(VolumeTrackImage), 110, 0))
        << "a transparent corner leaves the groove";
    EXPECT_EQ(Rgb24(canvas, 110 + 6, 8), Rgb24(knob, 6, 8)) << "an opaque pixel replaces it";
    FillSurfaceBox(VolumeCanvas, -2, 5, 5, 1, VolumeFill1);
    EXPECT_EQ(Rgb24(canvas, 2, 5), 0x9A8C61u);
    EXPECT_NE(Rgb24(canvas, 3, 5), 0x9A8C61u);
    std::vector<std::uint32_t> before = canvas->pixels;
    FillSurfaceBox(VolumeCanvas, 3, 6, 0, 1, VolumeFill2);  // a box of width 0 draws nothing
    FillSurfaceBox(VolumeCanvas, 0, 15, 10, -4, VolumeFill2);
    EXPECT_EQ(canvas->pixels, before);
    // The backdrop drawn two rows up shows its rows 2 to 16 on the 15-row spectrum canvas.
    DrawImageOnSurface(SpectrumCanvas, SpectrumBackdropImage, 0, -2);
    EXPECT_EQ(Rgb24(FindImage(SpectrumCanvas), 0, 0), 0x040403u);
    EXPECT_EQ(Rgb24(FindImage(SpectrumCanvas), 0, 12), 0x19191Au);
}

TEST(SkinDecodeTest, APictureThatFailsToDecodeLeavesItsNumberEmpty) {
    DecodePngImage(BackgroundImage, BackgroundPng, BackgroundPngSize / 2); // truncated
    EXPECT_EQ(FindImage(BackgroundImage), nullptr);
    const unsigned char junk[] = "not a picture at all";
    DecodePngImage(SearchButtonImage, junk, sizeof junk);
    EXPECT_EQ(FindImage(SearchButtonImage), nullptr);
    CreateSurface(VolumeCanvas, 117, 16);
    DrawImageOnSurface(VolumeCanvas, SearchButtonImage, 0, 0); // draws nothing
    EXPECT_EQ(FindImage(VolumeCanvas)->pixels[0], 0xFF000000u);
    FreeAllImages();
}

} // namespace

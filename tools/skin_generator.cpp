// Draws the program's skin pictures and icon and writes them into a folder:
//   skin_generator OUTPUT_DIR
// The output is committed under assets/; the build embeds those files, so this runs only when
// the artwork changes.
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Picture {
    int width, height;
    bool alpha;
    std::vector<std::uint8_t> rgba; // 4 bytes a pixel
    Picture(int w, int h, bool a) : width(w), height(h), alpha(a), rgba(std::size_t(w) * h * 4, 0) {
        if (!a)
            for (std::size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
    }
    std::uint8_t* at(int x, int y) { return &rgba[(std::size_t(y) * width + x) * 4]; }
    void set(int x, int y, int r, int g, int b, int a = 255) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        std::uint8_t* p = at(x, y);
        p[0] = std::uint8_t(r), p[1] = std::uint8_t(g), p[2] = std::uint8_t(b), p[3] = std::uint8_t(a);
    }
    void grey(int x, int y, int v) { set(x, y, v, v, v); }
    void fill(int x0, int y0, int x1, int y1, int v) { // inclusive corners
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) grey(x, y, v);
    }
    void outline(int x0, int y0, int x1, int y1, int v) {
        for (int x = x0; x <= x1; ++x) grey(x, y0, v), grey(x, y1, v);
        for (int y = y0; y <= y1; ++y) grey(x0, y, v), grey(x1, y, v);
    }
    // A vertical gradient from top to bottom, inclusive corners.
    void gradient(int x0, int y0, int x1, int y1, int top, int bottom) {
        for (int y = y0; y <= y1; ++y) {
            int v = y1 == y0 ? top : top + (bottom - top) * (y - y0) / (y1 - y0);
            for (int x = x0; x <= x1; ++x) grey(x, y, v);
        }
    }
};

// A 5 x 7 pixel font with just the letters the skin needs.
const std::map<std::string, std::vector<const char*>> Glyphs = {
    {"П", {"#####", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#"}},
    {"о", {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {"и", {".....", ".....", "#...#", "#..##", "#.#.#", "##..#", "#...#"}},
    {"с", {".....", ".....", ".###.", "#....", "#....", "#....", ".###."}},
    {"к", {".....", ".....", "#..#.", "#.#..", "##...", "#.#..", "#..#."}},
    {"R", {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {"e", {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
    {"c", {".....", ".....", ".###.", "#....", "#....", "#....", ".###."}},
    {"S", {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {"t", {".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."}},
    {"o", {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {"p", {".....", ".....", "####.", "#...#", "####.", "#....", "#...."}},
    {"M", {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {"U", {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {"Z", {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {"Y", {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {"K", {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {"A", {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {"V", {"#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
    {"D", {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {"I", {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {"O", {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {" ", {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
};

std::vector<std::string> Letters(const std::string& utf8) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = (utf8[i] & 0x80) == 0 ? 1 : (utf8[i] & 0xE0) == 0xC0 ? 2 : 3;
        out.push_back(utf8.substr(i, n));
        i += n;
    }
    return out;
}

// Calls plot(x, y) for every lit pixel of the text; bold doubles each stroke to the right.
template <typename Plot> int Lettering(const std::string& text, int x, int y, int scale, bool bold, Plot plot) {
    for (const std::string& letter : Letters(text)) {
        const auto& rows = Glyphs.at(letter);
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 5; ++column)
                if (rows[row][column] == '#')
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale * (bold ? 2 : 1); ++dx)
                            plot(x + column * scale + dx, y + row * scale + dy);
        x += (5 + (bold ? 1 : 0) + 1) * scale;
    }
    return x;
}

// Grey lettering over a soft, blurred dark shadow, on a transparent picture.
void ShadowedLettering(Picture& picture, const std::string& text, int x, int y, bool bold, int level) {
    std::vector<float> mask(std::size_t(picture.width) * picture.height, 0.f);
    Lettering(text, x, y, 1, bold, [&](int px, int py) {
        if (px >= 0 && py >= 0 && px < picture.width && py < picture.height) mask[py * picture.width + px] = 1.f;
    });
    for (int py = 0; py < picture.height; ++py)
        for (int px = 0; px < picture.width; ++px) {
            float shadow = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int sx = px - 1 + dx, sy = py - 1 + dy; // the shadow falls one pixel down and right
                    if (sx >= 0 && sy >= 0 && sx < picture.width && sy < picture.height)
                        shadow += mask[sy * picture.width + sx] * (dx == 0 && dy == 0 ? 0.4f : 0.075f);
                }
            float text_ = mask[py * picture.width + px];
            float shadowAlpha = std::min(1.f, shadow) * 0.85f;
            float alpha = text_ + shadowAlpha * (1 - text_);
            int v = alpha > 0 ? int(std::lround(level * text_ / alpha)) : 0;
            picture.set(px, py, v, v, v, int(std::lround(alpha * 255)));
        }
}

Picture Background() {
    Picture p(400, 520, false);
    p.fill(0, 0, 399, 519, 30);
    // Upper panel: a frame from (5, 5) to (394, 468) with a mid-grey top band.
    p.gradient(6, 6, 393, 35, 44, 34);
    p.fill(6, 36, 393, 467, 28);
    p.outline(5, 5, 394, 468, 51);
    p.outline(4, 4, 395, 469, 18);
    // Recessed search slot with a magnifier at its left and a divider before the search button.
    p.fill(21, 11, 331, 30, 21);
    for (int x = 21; x <= 331; ++x) p.grey(x, 11, 12), p.grey(x, 30, 58);
    for (int y = 11; y <= 30; ++y) p.grey(21, y, 12), p.grey(331, y, 52);
    for (int y = 14; y <= 28; ++y)
        for (int x = 26; x <= 46; ++x) {
            double d = std::hypot(x - 34.0, y - 19.5);
            if (d >= 3.6 && d <= 5.4) p.grey(x, y, 112);
        }
    for (int i = 0; i < 6; ++i) p.grey(38 + i, 23 + i, 112), p.grey(39 + i, 23 + i, 112);
    for (int y = 13; y <= 29; ++y) p.grey(253, y, 86), p.grey(254, y, 14);
    // The list area with a faint pair of loudspeakers in its middle.
    p.fill(9, 37, 390, 425, 21);
    for (int cx : {135, 265})
        for (int y = 37; y <= 425; ++y)
            for (int x = 9; x <= 390; ++x) {
                double d = std::hypot(x - cx, y - 231.0);
                if (d < 58 && (int(d) % 9 == 0 || d < 14)) p.grey(x, y, 25);
            }
    // The lettering strip, engraved at both ends.
    p.fill(6, 427, 393, 467, 47);
    for (int x = 6; x <= 393; ++x) p.grey(x, 427, 58), p.grey(x, 467, 36);
    auto engrave = [&](const std::string& text, int x) {
        Lettering(text, x + 1, 441, 2, false, [&](int px, int py) { p.grey(px, py, 64); });
        Lettering(text, x, 440, 2, false, [&](int px, int py) { p.grey(px, py, 28); });
    };
    engrave("MUZYKA", 18);
    engrave("VK AUDIO", 262);
    // The bottom bar with the spectrum groove.
    p.gradient(2, 474, 397, 512, 42, 33);
    p.outline(1, 473, 398, 513, 55);
    for (int x = 2; x <= 397; ++x) p.grey(x, 474, 66);
    p.gradient(17, 483, 192, 502, 0, 31);
    for (int x = 17; x <= 192; ++x) p.grey(x, 503, 60);
    return p;
}

Picture VolumeKnob() {
    Picture p(15, 16, true);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 15; ++x) {
            double dx = x + 0.5 - 7.5, dy = y + 0.5 - 8.0, d = std::hypot(dx, dy);
            double coverage = std::clamp(7.3 - d + 0.5, 0.0, 1.0);
            if (coverage <= 0) continue;
            int v = int(150 - (y * 70) / 15);
            if (d > 5.8 && dy < 0) v = 205; // the light rim at the top
            if (d > 6.3 && dy >= 0) v = 45;
            p.set(x, y, v, v, v - 4, int(std::lround(coverage * 255)));
        }
    return p;
}

Picture VolumeTrack() {
    Picture p(117, 16, false);
    const int plain[16] = {37, 36, 35, 34, 0, 0, 0, 0, 0, 0, 0, 33, 32, 31, 30, 30};
    const int slot[7] = {0, 6, 12, 18, 24, 30, 40};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 117; ++x) {
            if (y < 4 || y > 10) {
                p.grey(x, y, plain[y]);
                continue;
            }
            bool corner = (y == 4 || y == 10) && (x < 2 || x > 114);
            bool edge = x < 1 || x > 115;
            p.grey(x, y, corner || edge ? 34 : slot[y - 4]);
        }
    return p;
}

Picture SearchButton() {
    Picture p(71, 16, true);
    Lettering("Поиск", 14, 5, 1, true, [&](int x, int y) { p.set(x, y, 116, 116, 116); });
    for (int i = 0; i < 4; ++i)
        for (int t = 0; t < 2; ++t) p.set(60 + i + t, 7 + i, 116, 116, 116), p.set(67 - i - t, 7 + i, 116, 116, 116);
    return p;
}

Picture SpectrumBackdrop() {
    Picture p(1, 18, false);
    const int levels[18] = {1, 2, 4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 25, 27, 29, 30};
    for (int y = 0; y < 18; ++y) p.grey(0, y, levels[y]);
    p.set(0, 2, 4, 4, 3);
    p.set(0, 4, 6, 6, 7);
    p.set(0, 14, 25, 25, 26);
    return p;
}

Picture DownloadButton() {
    Picture p(22, 11, true);
    ShadowedLettering(p, "Rec", 2, 1, false, 150);
    return p;
}

Picture PauseButton() {
    Picture p(35, 16, true);
    ShadowedLettering(p, "Stop", 3, 4, true, 150);
    return p;
}

// The icon: two white capitals on a glossy green square with rounded corners, at 256 pixels.
Picture IconMaster() {
    Picture p(256, 256, true);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            double cx = std::clamp(x + 0.5, 40.0, 216.0), cy = std::clamp(y + 0.5, 40.0, 216.0);
            double coverage = std::clamp(36.0 - std::hypot(x + 0.5 - cx, y + 0.5 - cy) + 0.5, 0.0, 1.0);
            if (coverage <= 0) continue;
            int g = 150 + (110 - y) / 3, r = 40 + (110 - y) / 6, b = 60 + (110 - y) / 6;
            if (y < 118) r += 40, g += 45, b += 40; // the gloss on the upper half
            p.set(x, y, std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255),
                  int(std::lround(coverage * 255)));
        }
    Lettering("VK", 38, 72, 16, false, [&](int x, int y) { p.set(x, y, 255, 255, 255); });
    return p;
}

Picture Shrink(const Picture& source, int size) {
    Picture out(size, size, true);
    int step = source.width / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double sum[4] = {0, 0, 0, 0};
            for (int sy = 0; sy < step; ++sy)
                for (int sx = 0; sx < step; ++sx) {
                    const std::uint8_t* s = &source.rgba[((std::size_t(y) * step + sy) * source.width + x * step + sx) * 4];
                    for (int c = 0; c < 3; ++c) sum[c] += s[c] * (s[3] / 255.0);
                    sum[3] += s[3];
                }
            double n = step * step, alpha = sum[3] / n;
            for (int c = 0; c < 3; ++c) out.at(x, y)[c] = alpha > 0 ? std::uint8_t(std::lround(sum[c] / n * 255 / alpha)) : 0;
            out.at(x, y)[3] = std::uint8_t(std::lround(alpha));
        }
    return out;
}

std::vector<std::uint8_t> EncodePng(const Picture& picture) {
    std::vector<std::uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &bytes,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
            out->insert(out->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, picture.width, picture.height, 8, picture.alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    std::vector<std::uint8_t> row(std::size_t(picture.width) * 4);
    for (int y = 0; y < picture.height; ++y) {
        std::size_t n = 0;
        for (int x = 0; x < picture.width; ++x)
            for (int c = 0; c < (picture.alpha ? 4 : 3); ++c) row[n++] = picture.rgba[(std::size_t(y) * picture.width + x) * 4 + c];
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

void Put16(std::vector<std::uint8_t>& out, unsigned v) { out.push_back(v & 255), out.push_back(v >> 8 & 255); }
void Put32(std::vector<std::uint8_t>& out, unsigned v) { Put16(out, v & 0xFFFF), Put16(out, v >> 16); }

// A palette of 16 (the classic system colours) or 256 (a 6 x 6 x 6 cube and 40 greys).
std::vector<std::array<int, 3>> Palette(int colours) {
    std::vector<std::array<int, 3>> palette;
    if (colours == 16) {
        const int classic[16][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                    {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                    {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                                    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (auto& c : classic) palette.push_back({c[0], c[1], c[2]});
        return palette;
    }
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) palette.push_back({r * 51, g * 51, b * 51});
    for (int i = 0; i < 40; ++i) palette.push_back({i * 255 / 39, i * 255 / 39, i * 255 / 39});
    return palette;
}

// One icon image as a bottom-up device-independent bitmap with its AND mask.
std::vector<std::uint8_t> IconBitmap(const Picture& picture, int bits) {
    int n = picture.width;
    std::vector<std::uint8_t> out;
    Put32(out, 40), Put32(out, n), Put32(out, n * 2), Put16(out, 1), Put16(out, bits);
    Put32(out, 0), Put32(out, 0), Put32(out, 0), Put32(out, 0);
    Put32(out, bits < 32 ? 1u << bits : 0), Put32(out, 0);
    auto palette = bits < 32 ? Palette(1 << bits) : std::vector<std::array<int, 3>>{};
    for (auto& c : palette) out.push_back(c[2]), out.push_back(c[1]), out.push_back(c[0]), out.push_back(0);
    int rowBytes = ((n * bits + 31) / 32) * 4;
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < n; ++x) {
            const std::uint8_t* s = &picture.rgba[(std::size_t(y) * n + x) * 4];
            if (bits == 32) {
                row[x * 4] = s[2], row[x * 4 + 1] = s[1], row[x * 4 + 2] = s[0], row[x * 4 + 3] = s[3];
                continue;
            }
            int best = 0, bestDistance = 1 << 30;
            for (int i = 0; i < int(palette.size()); ++i) {
                int d = 0;
                for (int c = 0; c < 3; ++c) d += (palette[i][c] - s[c]) * (palette[i][c] - s[c]);
                if (d < bestDistance) best = i, bestDistance = d;
            }
            if (bits == 8) row[x] = std::uint8_t(best);
            else row[x / 2] |= std::uint8_t(x % 2 ? best : best << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    int maskBytes = ((n + 31) / 32) * 4;
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskBytes, 0);
        for (int x = 0; x < n; ++x)
            if (picture.rgba[(std::size_t(y) * n + x) * 4 + 3] < 128) row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin_generator OUTPUT_DIR\n");
        return 2;
    }
    std::string dir = std::string(argv[1]) + "/";
    Write(dir + "background.png", EncodePng(Background()));
    Write(dir + "volume_knob.png", EncodePng(VolumeKnob()));
    Write(dir + "volume_track.png", EncodePng(VolumeTrack()));
    Write(dir + "search_button.png", EncodePng(SearchButton()));
    Write(dir + "spectrum_backdrop.png", EncodePng(SpectrumBackdrop()));
    Write(dir + "download_button.png", EncodePng(DownloadButton()));
    Write(dir + "pause_button.png", EncodePng(PauseButton()));

    Picture master = IconMaster();
    std::map<int, Picture> sizes{{256, master}};
    for (int size : {48, 32, 16}) sizes.emplace(size, Shrink(master, size));
    for (int size : {256, 48, 32, 16}) Write(dir + "icon_" + std::to_string(size) + ".png", EncodePng(sizes.at(size)));
    // The nine images of the icon group, in their order: size and bits per pixel (PNG for 256).
    const int entries[9][2] = {{32, 4}, {16, 4}, {48, 8}, {32, 8}, {16, 8}, {256, 32}, {48, 32}, {32, 32}, {16, 32}};
    std::vector<std::vector<std::uint8_t>> images;
    for (auto& entry : entries)
        images.push_back(entry[0] == 256 ? EncodePng(sizes.at(256)) : IconBitmap(sizes.at(entry[0]), entry[1]));
    std::vector<std::uint8_t> ico;
    Put16(ico, 0), Put16(ico, 1), Put16(ico, 9);
    unsigned offset = 6 + 16 * 9;
    for (int i = 0; i < 9; ++i) {
        int size = entries[i][0], bits = entries[i][1];
        ico.push_back(std::uint8_t(size == 256 ? 0 : size)), ico.push_back(std::uint8_t(size == 256 ? 0 : size));
        ico.push_back(std::uint8_t(bits == 4 ? 16 : 0)), ico.push_back(0);
        Put16(ico, 1), Put16(ico, bits), Put32(ico, unsigned(images[i].size())), Put32(ico, offset);
        offset += unsigned(images[i].size());
    }
    for (auto& image : images) ico.insert(ico.end(), image.begin(), image.end());
    Write(dir + "muzyka.ico", ico);
    return 0;
}

#include "cp1251.h"

#include <iconv.h>

#include <cerrno>

namespace {

enum Direction { ToUtf8, ToCp1251 };

// One pair of converters per thread, closed when the thread ends: iconv descriptors carry
// shift state and are not to be shared.
struct Converters {
    iconv_t toUtf8 = iconv_open("UTF-8", "WINDOWS-1251");
    iconv_t toCp1251 = iconv_open("WINDOWS-1251", "UTF-8");
    ~Converters() {
        if (toUtf8 != iconv_t(-1)) iconv_close(toUtf8);
        if (toCp1251 != iconv_t(-1)) iconv_close(toCp1251);
    }
};

std::string Convert(Direction direction, const std::string& in) {
    thread_local Converters converters;
    iconv_t cd = direction == ToUtf8 ? converters.toUtf8 : converters.toCp1251;
    if (cd == iconv_t(-1) || in.empty()) return in;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out(in.size() * 3 + 4, '\0');
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1)) break;
        if (errno != EILSEQ && errno != EINVAL) break;
        // Skip one undecodable byte (or one whole UTF-8 sequence) and mark it.
        size_t skip = 1;
        if (direction == ToCp1251)
            while (skip < inLeft && (static_cast<unsigned char>(inPtr[skip]) & 0xC0) == 0x80) ++skip;
        inPtr += skip;
        inLeft -= skip;
        if (outLeft == 0) break;
        *outPtr++ = '?';
        --outLeft;
    }
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

std::string Utf8FromCp1251(const std::string& bytes) { return Convert(ToUtf8, bytes); }
std::string Cp1251FromUtf8(const std::string& utf8) { return Convert(ToCp1251, utf8); }

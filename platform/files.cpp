#include "files.h"

#include "cp1251.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A directory that only its owner, this user, can enter and write; never a link.
bool IsPrivateDirectory(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) return false;
    if ((info.st_mode & 077) != 0 && chmod(path.c_str(), 0700) != 0) return false;
    return true;
}

} // namespace

std::string TemporaryDirectory() {
    std::string directory;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        directory = runtime;
    } else {
        const char* system = std::getenv("TMPDIR");
        directory = std::string(system && *system ? system : "/tmp") + "/muzyka-" + std::to_string(getuid());
        if (mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) directory.clear();
    }
    if (directory.empty() || !IsPrivateDirectory(directory)) {
        std::fprintf(stderr, "muzyka: no private temporary directory (%s is missing or not the user's own)\n",
                     directory.c_str());
        return {};
    }
    return Cp1251FromUtf8(directory) + "/";
}

struct TextFile {
    FILE* stream;
    char buffer[65536];
    std::size_t position = 0;
    std::size_t length = 0;

    bool fill() {
        if (position < length) return true;
        position = 0;
        length = std::fread(buffer, 1, sizeof buffer, stream);
        return length > 0;
    }
};

TextFile* OpenTextFileForReading(const std::string& path) {
    FILE* stream = std::fopen(Utf8FromCp1251(path).c_str(), "rb");
    if (!stream) return nullptr;
    auto* file = new TextFile;
    file->stream = stream;
    return file;
}

bool TextFileAtEnd(TextFile* file) { return !file->fill(); }

std::string ReadTextLine(TextFile* file) {
    std::string line;
    while (file->fill()) {
        const char* start = file->buffer + file->position;
        const char* end = file->buffer + file->length;
        const char* stop = start;
        while (stop < end && *stop != '\n' && *stop != '\r' && *stop != '\0') ++stop;
        line.append(start, stop);
        file->position = std::size_t(stop - file->buffer);
        if (stop == end) continue;
        ++file->position;
        if (*stop == '\r' && file->fill() && file->buffer[file->position] == '\n') ++file->position;
        return line;
    }
    return line;
}

void CloseTextFile(TextFile* file) {
    if (!file) return;
    std::fclose(file->stream);
    delete file;
}

// muzyka: searches and plays the audio of the service, and saves tracks as MP3 files.
#include "../platform/gui.h"
#include "core.h"
#include "program_state.h"

#include <cstdio>
#include <cstring>

#ifndef MUZYKA_VERSION
#define MUZYKA_VERSION "0.1.0"
#endif

namespace {

void PrintUsage() {
    std::printf("Usage: muzyka [--service DOMAIN]\n"
                "Searches and plays the audio of a VKontakte-style service.\n\n"
                "  --service DOMAIN  the service's domain (default vk.com); the login host is\n"
                "                    login.DOMAIN and the stream hosts csN.DOMAIN\n"
                "  --help            show this text and exit\n"
                "  --version         show the version and exit\n");
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            PrintUsage();
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::printf("muzyka %s\n", MUZYKA_VERSION);
            return 0;
        }
        if (!std::strcmp(argv[i], "--service")) {
            if (i + 1 >= argc || !argv[i + 1][0]) {
                std::fprintf(stderr, "muzyka: --service needs a domain\n");
                return 2;
            }
            ServiceDomain = argv[++i];
            continue;
        }
        if (!std::strncmp(argv[i], "--service=", 10) && argv[i][10]) {
            ServiceDomain = argv[i] + 10;
            continue;
        }
        std::fprintf(stderr, "muzyka: unknown option '%s' (try --help)\n", argv[i]);
        return 2;
    }
    InitialiseGui(argc, argv);
    RunStartUp();
    while (RunLoopPass() == PassContinue) {
    }
    RunReleaseOrder();
    return 0;
}

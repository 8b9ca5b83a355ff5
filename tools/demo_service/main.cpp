// demo_service [--domain DOMAIN] [--port PORT]: serves the demo service on 127.0.0.1 and prints
// "port N" once it listens; ends on SIGINT or SIGTERM.
#include "demo_service.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t stopRequested = 0;
void RequestStop(int) { stopRequested = 1; }
} // namespace

int main(int argc, char** argv) {
    std::string domain = "demo.localhost";
    int port = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--domain")) domain = argv[i + 1];
        else if (!std::strcmp(argv[i], "--port")) port = std::atoi(argv[i + 1]);
    }
    DemoService service(domain);
    service.echoLog = true;
    int bound = service.Start(port);
    if (bound < 0) {
        std::fprintf(stderr, "demo service: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::printf("port %d\n", bound);
    std::fflush(stdout);
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    while (!stopRequested) pause();
    service.Stop();
    return 0;
}

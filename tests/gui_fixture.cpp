#include "gui_fixture.h"

#include "../app/core.h"
#include "../app/program_state.h"
#include "../platform/qt/gui_widgets.h"

#include <QCursor>

#include <cstdlib>
#include <filesystem>

void EnsureProgramStarted(const std::string& serviceDomain) {
    static bool started = false;
    if (started) return;
    started = true;
    ServiceDomain = serviceDomain;
    // Test processes run side by side: each keeps its results page in a directory of its own.
    static char runtime[] = "/tmp/muzyka-test-XXXXXX";
    if (mkdtemp(runtime)) {
        setenv("XDG_RUNTIME_DIR", runtime, 1);
        std::atexit([] { std::filesystem::remove_all(runtime); });
    }
    static int argc = 1;
    static char name[] = "muzyka-test";
    static char* argv[] = {name, nullptr};
    InitialiseGui(argc, argv);
    RunStartUp();
}

QImage GrabMainWindow() { return WidgetForWindow(MainWindow)->grab().toImage(); }

void MovePointerTo(QPoint screenPosition) { QCursor::setPos(screenPosition); }

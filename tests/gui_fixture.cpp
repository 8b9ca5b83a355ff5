#include "gui_fixture.h"

#include "../app/core.h"
#include "../app/program_state.h"
#include "../platform/qt/gui_widgets.h"

#include <QCursor>

void EnsureProgramStarted(const std::string& serviceDomain) {
    static bool started = false;
    if (started) return;
    started = true;
    ServiceDomain = serviceDomain;
    static int argc = 1;
    static char name[] = "muzyka-test";
    static char* argv[] = {name, nullptr};
    InitialiseGui(argc, argv);
    RunStartUp();
}

QImage GrabMainWindow() { return WidgetForWindow(MainWindow)->grab().toImage(); }

void MovePointerTo(QPoint screenPosition) { QCursor::setPos(screenPosition); }

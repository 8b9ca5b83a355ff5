#pragma once
// The program started once under the offscreen platform, shared by the tests of one executable.
#include <QImage>
#include <QPoint>

#include <string>

// A domain under localhost whose port nobody listens on: the start-up's login goes to loopback
// and is refused, never to an outside address.
constexpr const char* OfflineServiceDomain = "offline.localhost:9";

// Runs the toolkit and the start-up sequence, against the given domain, the first time it is called.
void EnsureProgramStarted(const std::string& serviceDomain = OfflineServiceDomain);
// The MainWindow's client area as the screen would show it.
QImage GrabMainWindow();
// Moves the system pointer to a point of the screen.
void MovePointerTo(QPoint screenPosition);

#pragma once
// The program started once under the offscreen platform, shared by the tests of one executable.
#include <QImage>
#include <QPoint>

// Runs the toolkit and the start-up sequence the first time it is called.
void EnsureProgramStarted();
// The MainWindow's client area as the screen would show it.
QImage GrabMainWindow();
// Moves the system pointer to a point of the screen.
void MovePointerTo(QPoint screenPosition);

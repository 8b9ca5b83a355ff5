#pragma once
// Inside the Qt toolkit layer: the widgets behind the numbers, and the program's event queue.
// Tests include this header too, to drive real widgets with real input events.
#include "../gui.h"

#include <QImage>
#include <QString>
#include <QWidget>

QWidget* WidgetForWindow(int window);
QWidget* WidgetForControl(int control);

void RegisterWindow(int window, QWidget* widget); // deletes a window already under that number
void RegisterControl(int control, int window, QWidget* widget);
int WindowOfWidget(const QWidget* widget); // NoNumber for widgets outside the program's windows
QWidget* ParentWidget(ControlParent parent);

void PushEvent(const GuiEvent& event);
// For a double-click: the click that the same press already queued becomes the double-click.
void PushDoubleClick(int window, int control, int clickType, int doubleClickType);
// Control events of one widget: left and right clicks, double-clicks and the drag start.
void ReportPointerPress(QWidget* widget, int control, Qt::MouseButton button, QPoint position, bool doubleClick);
void ReportPointerMotion(QWidget* widget, int control, Qt::MouseButtons buttons, QPoint position);

QString ScreenText(const std::string& cp1251);
std::string ProgramText(const QString& text);
QImage QImageFromNumber(int image); // a null QImage when the number is empty
QColor QColorFrom(Colour colour);

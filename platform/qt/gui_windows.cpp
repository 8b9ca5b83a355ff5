// Numbered top-level windows and the registry of numbered widgets.
#include "gui_widgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <map>

namespace {

struct ControlRecord {
    QPointer<QWidget> widget;
    int window;
};

std::map<int, QPointer<QWidget>> windows;
std::map<int, ControlRecord> controls;

class TopLevelWindow : public QWidget {
  public:
    TopLevelWindow(int number, WindowBackground background) : number(number), background(background) {
        setMouseTracking(true);
    }
    QImage tile;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (tile.isNull()) {
            painter.fillRect(rect(), background == BackgroundButtonFace ? palette().button() : palette().window());
            return;
        }
        for (int y = 0; y < height(); y += tile.height())
            for (int x = 0; x < width(); x += tile.width()) painter.drawImage(x, y, tile);
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore(); // the program decides; the toolkit closes nothing by itself
        PushEvent({EventClose, number, NoNumber, 0});
    }

  private:
    int number;
    WindowBackground background;
};

// The outer size is the client area plus the frame's margins, which the window system tells only
// once it has framed the window: a window is centred at creation and again when first shown.
void CentreOnScreen(QWidget* widget) {
    QMargins margins = widget->windowHandle() ? widget->windowHandle()->frameMargins() : QMargins();
    QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    int left = 0, top = 0;
    CentredWindowOrigin(screen.width(), screen.height(), widget->width() + margins.left() + margins.right(),
                        widget->height() + margins.top() + margins.bottom(), left, top);
    widget->move(left, top);
}

} // namespace

QWidget* WidgetForWindow(int window) {
    auto found = windows.find(window);
    return found == windows.end() ? nullptr : found->second.data();
}

QWidget* WidgetForControl(int control) {
    auto found = controls.find(control);
    return found == controls.end() ? nullptr : found->second.widget.data();
}

void RegisterWindow(int window, QWidget* widget) {
    if (WindowExists(window)) CloseWindow(window);
    windows[window] = widget;
}

void RegisterControl(int control, int window, QWidget* widget) {
    delete WidgetForControl(control);
    widget->setMouseTracking(true);
    controls[control] = {widget, window};
}

int WindowOfWidget(const QWidget* widget) {
    const QWidget* top = widget ? widget->window() : nullptr;
    for (const auto& [number, window] : windows)
        if (window.data() == top) return number;
    return NoNumber;
}

QWidget* ParentWidget(ControlParent parent) {
    if (parent.container != NoNumber) return WidgetForControl(parent.container);
    return WidgetForWindow(parent.window);
}

void CentredWindowOrigin(int screenWidth, int screenHeight, int outerWidth, int outerHeight, int& left, int& top) {
    outerWidth = std::min(outerWidth, screenWidth);
    outerHeight = std::min(outerHeight, screenHeight);
    left = (screenWidth - outerWidth) / 2;
    top = (screenHeight - outerHeight) / 2;
}

void CreateTopLevelWindow(int window, const std::string& title, int clientWidth, int clientHeight, WindowFrame frame,
                          WindowBackground background) {
    auto* widget = new TopLevelWindow(window, background);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (frame == FrameWithMinimiseBox) flags |= Qt::WindowMinimizeButtonHint;
    widget->setWindowFlags(flags);
    widget->setWindowTitle(ScreenText(title));
    widget->setFixedSize(clientWidth, clientHeight);
    RegisterWindow(window, widget);
    CentreOnScreen(widget);
}

void ShowWindow(int window) {
    QWidget* widget = WidgetForWindow(window);
    if (!widget || widget->isVisible()) return;
    widget->show();
    CentreOnScreen(widget);
}

void CloseWindow(int window) {
    QWidget* widget = WidgetForWindow(window);
    windows.erase(window);
    for (auto it = controls.begin(); it != controls.end();)
        it = it->second.window == window ? controls.erase(it) : std::next(it);
    delete widget;
}

bool WindowExists(int window) { return WidgetForWindow(window) != nullptr; }

void SetWindowTitle(int window, const std::string& title) {
    if (QWidget* widget = WidgetForWindow(window)) widget->setWindowTitle(ScreenText(title));
}

std::string WindowTitle(int window) {
    QWidget* widget = WidgetForWindow(window);
    return widget ? ProgramText(widget->windowTitle()) : std::string();
}

void SetWindowBackgroundImage(int window, int image) {
    auto* widget = static_cast<TopLevelWindow*>(WidgetForWindow(window));
    if (!widget) return;
    widget->tile = QImageFromNumber(image);
    widget->repaint();
}

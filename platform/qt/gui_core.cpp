// The event queue, the wait, timers, the pointer and the message box.
#include "gui_widgets.h"

#include "../cp1251.h"
#include "../images.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleFactory>
#include <QTimer>

#include <deque>
#include <map>

namespace {

std::deque<GuiEvent> queue;
QApplication* application = nullptr;
bool handShown = false;

struct PressRecord {
    QPoint start;
    bool dragReported = true;
};
std::map<int, PressRecord> presses;

// Turns raw input anywhere in the program into passes of the loop. An event that a child leaves
// to its parent is offered to the filter again; it counts once. Events are told apart by their
// kind, time stamp, screen position and key (their addresses repeat: the toolkit builds them on the stack).
class ProgramEventFilter : public QObject {
  public:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!widget) return false;
        int kind = 0;
        switch (event->type()) {
        case QEvent::MouseMove: kind = EventPointerMove; break;
        case QEvent::KeyPress: kind = EventKeyDown; break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: kind = EventOther; break;
        default: return false;
        }
        auto* input = static_cast<QInputEvent*>(event);
        QPointF where = event->isPointerEvent() ? static_cast<QPointerEvent*>(event)->points().value(0).globalPosition()
                                                : QPointF();
        int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
        Seen seen{event->type(), input->timestamp(), where, key};
        if (seen == last) return false;
        last = seen;
        if (kind == EventPointerMove && handShown) {
            QGuiApplication::restoreOverrideCursor();
            handShown = false;
        }
        PushEvent({kind, WindowOfWidget(widget), NoNumber, 0});
        return false;
    }

  private:
    struct Seen {
        QEvent::Type type = QEvent::None;
        quint64 timestamp = 0;
        QPointF position;
        int key = 0;
        bool operator==(const Seen&) const = default;
    } last;
};

} // namespace

void InitialiseGui(int& argc, char** argv) {
    if (application) return;
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    application = new QApplication(argc, argv);
    QFont font("DejaVu Sans");
    font.setPixelSize(11); // the size of the system's default GUI font
    QApplication::setFont(font);
    application->installEventFilter(new ProgramEventFilter);
}

void PushEvent(const GuiEvent& event) { queue.push_back(event); }

void PushDoubleClick(int window, int control, int clickType, int doubleClickType) {
    if (!queue.empty() && queue.back().kind == EventControl && queue.back().control == control &&
        queue.back().type == clickType) {
        queue.back().type = doubleClickType;
        return;
    }
    PushEvent({EventControl, window, control, doubleClickType});
}

void ReportPointerPress(QWidget* widget, int control, Qt::MouseButton button, QPoint position, bool doubleClick) {
    int window = WindowOfWidget(widget);
    bool left = button == Qt::LeftButton;
    if (!left && button != Qt::RightButton) return;
    if (left) presses[control] = {position, false};
    if (doubleClick)
        PushDoubleClick(window, control, left ? TypeLeftClick : TypeRightClick,
                        left ? TypeLeftDoubleClick : TypeRightDoubleClick);
    else
        PushEvent({EventControl, window, control, left ? TypeLeftClick : TypeRightClick});
}

void ReportPointerMotion(QWidget* widget, int control, Qt::MouseButtons buttons, QPoint position) {
    auto found = presses.find(control);
    if (found == presses.end() || found->second.dragReported || !(buttons & Qt::LeftButton)) return;
    QPoint moved = position - found->second.start;
    int distance = QApplication::startDragDistance();
    if (std::abs(moved.x()) > distance || std::abs(moved.y()) > distance) {
        found->second.dragReported = true;
        PushEvent({EventControl, WindowOfWidget(widget), control, TypeDragStart});
    }
}

GuiEvent WaitForEvent() {
    while (queue.empty()) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    GuiEvent event = queue.front();
    queue.pop_front();
    return event;
}

void DispatchPendingMessages() {
    std::size_t before = queue.size();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    while (queue.size() > before) queue.pop_back();
}

void ShutdownGui() {
    queue.clear();
    presses.clear();
    if (handShown) QGuiApplication::restoreOverrideCursor();
    handShown = false;
}

void SetWindowTimer(int window, int timer, int periodMs, void (*procedure)()) {
    QWidget* owner = WidgetForWindow(window);
    if (!owner) return;
    QString name = QString("timer-%1").arg(timer);
    delete owner->findChild<QTimer*>(name, Qt::FindDirectChildrenOnly);
    auto* ticker = new QTimer(owner);
    ticker->setObjectName(name);
    ticker->setTimerType(Qt::PreciseTimer);
    QObject::connect(ticker, &QTimer::timeout, [window, procedure] {
        if (procedure) procedure();
        // Ticks are not queued up behind a busy loop: one waiting tick stands for all.
        for (const GuiEvent& waiting : queue)
            if (waiting.kind == EventTimer && waiting.window == window) return;
        PushEvent({EventTimer, window, NoNumber, 0});
    });
    ticker->start(periodMs);
}

void ShowWarningMessage(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, ScreenText(title), ScreenText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void PointerScreenPosition(int& x, int& y) {
    QPoint position = QCursor::pos();
    x = position.x();
    y = position.y();
}

bool LeftButtonIsDown() { return QGuiApplication::mouseButtons() & Qt::LeftButton; }

void ShowHandPointer() {
    if (handShown) QGuiApplication::changeOverrideCursor(Qt::PointingHandCursor);
    else QGuiApplication::setOverrideCursor(Qt::PointingHandCursor);
    handShown = true;
}

bool HandPointerShown() { return handShown; }

QString ScreenText(const std::string& cp1251) { return QString::fromStdString(Utf8FromCp1251(cp1251)); }
std::string ProgramText(const QString& text) { return Cp1251FromUtf8(text.toStdString()); }

QColor QColorFrom(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

QImage QImageFromNumber(int image) {
    const Image* source = FindImage(image);
    if (!source || source->width <= 0 || source->height <= 0) return {};
    QImage copy(reinterpret_cast<const uchar*>(source->pixels.data()), source->width, source->height,
                source->hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return copy.copy();
}

void AddProgramIconImage(const unsigned char* png, std::size_t size) {
    QPixmap pixmap;
    if (!pixmap.loadFromData(png, uint(size), "PNG")) return;
    QIcon icon = QApplication::windowIcon();
    icon.addPixmap(pixmap);
    QApplication::setWindowIcon(icon);
}

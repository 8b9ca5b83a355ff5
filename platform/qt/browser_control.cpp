#include "../browser.h"
#include "../web.h"
#include "gui_widgets.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

namespace {

const QEvent::Type DocumentComplete = QEvent::Type(QEvent::registerEventType());
constexpr int BlankPageWaitLimitMs = 5000;

class BrowserControl : public QWidget {
  public:
    using QWidget::QWidget;
    bool blankPageComplete = false;

  protected:
    bool event(QEvent* event) override {
        if (event->type() != DocumentComplete) return QWidget::event(event);
        blankPageComplete = true;
        return true;
    }
};

} // namespace

void CreateBrowserControl(int control, ControlParent parent, int x, int y, int width, int height,
                          const std::string& address) {
    QWidget* owner = ParentWidget(parent);
    if (!owner) return;
    auto* browser = new BrowserControl(owner);
    browser->setGeometry(x, y, width, height);
    RegisterControl(control, parent.window, browser);
    browser->show();
    // about:blank completes through the GUI's own queue, as an engine's load would.
    QCoreApplication::postEvent(browser, new QEvent(DocumentComplete));
    QElapsedTimer waited;
    waited.start();
    while (!browser->blankPageComplete && waited.elapsed() < BlankPageWaitLimitMs) {
        DispatchPendingMessages();
        if (!browser->blankPageComplete) QThread::msleep(1);
    }
    if (!address.empty()) StartBackgroundGet(address);
}

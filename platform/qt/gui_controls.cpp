// Image controls, edits, containers and the download window's plain controls.
#include "gui_widgets.h"

#include "../images.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace {

// Paints its picture at (0, 0) and nothing else, so the parent shows through transparent pixels.
class ImageControl : public QWidget {
  public:
    explicit ImageControl(int number, QWidget* parent) : QWidget(parent), number(number) {}
    void setPicture(int image) {
        picture = QImageFromNumber(image);
        if (!picture.isNull()) resize(picture.size());
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (picture.isNull()) return;
        QPainter(this).drawImage(0, 0, picture);
    }
    void mousePressEvent(QMouseEvent* event) override {
        ReportPointerPress(this, number, event->button(), event->position().toPoint(), false);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        ReportPointerPress(this, number, event->button(), event->position().toPoint(), true);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        ReportPointerMotion(this, number, event->buttons(), event->position().toPoint());
    }

  private:
    int number;
    QImage picture;
};

template <typename Widget> Widget* Place(int control, ControlParent parent, Widget* widget, int x, int y, int w, int h) {
    widget->setGeometry(x, y, w, h);
    RegisterControl(control, parent.window, widget);
    widget->show();
    return widget;
}

} // namespace

void CreateImageControl(int control, ControlParent parent, int x, int y, int width, int height, int image) {
    QWidget* owner = ParentWidget(parent);
    if (!owner) return;
    auto* widget = Place(control, parent, new ImageControl(control, owner), x, y, width, height);
    if (FindImage(image)) widget->setPicture(image);
}

void SetImageControlPicture(int control, int image) {
    if (auto* widget = dynamic_cast<ImageControl*>(WidgetForControl(control))) widget->setPicture(image);
}

void CreateEdit(int control, ControlParent parent, int x, int y, int width, int height, const std::string& text,
                EditBorder border) {
    QWidget* owner = ParentWidget(parent);
    if (!owner) return;
    auto* edit = new QLineEdit(ScreenText(text), owner);
    edit->setFrame(border == EditSunken);
    edit->setTextMargins(0, 0, 0, 0);
    if (border == EditBorderless) edit->setStyleSheet("QLineEdit { border: none; padding: 0px; }");
    int window = parent.window;
    QObject::connect(edit, &QLineEdit::textChanged,
                     [window, control] { PushEvent({EventControl, window, control, TypeSelectionChange}); });
    Place(control, parent, edit, x, y, width, height);
}

void SetEditColours(int control, Colour background, Colour text) {
    auto* edit = qobject_cast<QLineEdit*>(WidgetForControl(control));
    if (!edit) return;
    edit->setStyleSheet(QString("QLineEdit { border: none; padding: 0px; background: %1; color: %2; }")
                            .arg(QColorFrom(background).name(), QColorFrom(text).name()));
}

void CreateContainer(int control, ControlParent parent, int x, int y, int width, int height) {
    if (QWidget* owner = ParentWidget(parent)) Place(control, parent, new QWidget(owner), x, y, width, height);
}

void CreateProgressBar(int control, ControlParent parent, int x, int y, int width, int height) {
    QWidget* owner = ParentWidget(parent);
    if (!owner) return;
    auto* bar = new QProgressBar(owner);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    Place(control, parent, bar, x, y, width, height);
}

void SetProgressRange(int control, int minimum, int maximum) {
    if (auto* bar = qobject_cast<QProgressBar*>(WidgetForControl(control))) bar->setRange(minimum, maximum);
}

void SetProgressPosition(int control, int position) {
    if (auto* bar = qobject_cast<QProgressBar*>(WidgetForControl(control))) bar->setValue(position);
}

void CreateStaticText(int control, ControlParent parent, int x, int y, int width, int height,
                      const std::string& text) {
    if (QWidget* owner = ParentWidget(parent))
        Place(control, parent, new QLabel(ScreenText(text), owner), x, y, width, height);
}

void CreateGroupFrame(int control, ControlParent parent, int x, int y, int width, int height,
                      const std::string& caption) {
    QWidget* owner = ParentWidget(parent);
    if (!owner) return;
    auto* frame = Place(control, parent, new QGroupBox(ScreenText(caption), owner), x, y, width, height);
    frame->lower(); // a frame is drawn behind the controls it surrounds
}

void CreatePushButton(int control, ControlParent parent, int x, int y, int width, int height,
                      const std::string& text) {
    QWidget* owner = ParentWidget(parent);
    if (!owner) return;
    auto* button = new QPushButton(ScreenText(text), owner);
    int window = parent.window;
    QObject::connect(button, &QPushButton::clicked,
                     [window, control] { PushEvent({EventControl, window, control, TypeLeftClick}); });
    Place(control, parent, button, x, y, width, height);
}

bool ControlExists(int control) { return WidgetForControl(control) != nullptr; }

void SetControlText(int control, const std::string& text) {
    QWidget* widget = WidgetForControl(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(ScreenText(text));
    else if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(ScreenText(text));
    else if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(ScreenText(text));
    else if (auto* frame = qobject_cast<QGroupBox*>(widget)) frame->setTitle(ScreenText(text));
}

std::string ControlText(int control) {
    QWidget* widget = WidgetForControl(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return ProgramText(edit->text());
    if (auto* label = qobject_cast<QLabel*>(widget)) return ProgramText(label->text());
    if (auto* button = qobject_cast<QPushButton*>(widget)) return ProgramText(button->text());
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return ProgramText(frame->title());
    return {};
}

void SetControlSize(int control, int width, int height) {
    if (QWidget* widget = WidgetForControl(control)) widget->resize(width, height);
}

ScreenRect ControlScreenRect(int control) {
    QWidget* widget = WidgetForControl(control);
    if (!widget) return {};
    QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), origin.x() + widget->width(), origin.y() + widget->height()};
}

void ClearControlExtendedStyle(int control) {
    if (auto* frame = qobject_cast<QFrame*>(WidgetForControl(control))) frame->setFrameShape(QFrame::NoFrame);
}

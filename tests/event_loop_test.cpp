// Real input on real widgets becomes the loop's events: kinds, numbers and control event types.
#include "../app/core.h"
#include "../app/program_state.h"
#include "../platform/gui.h"
#include "../platform/qt/gui_widgets.h"
#include "gui_fixture.h"

#include <QTest>
#include <QTimer>
#include <QApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <gtest/gtest.h>

#include <vector>

namespace {

class EventLoopTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureProgramStarted();
        DispatchPendingMessages(); // start from a quiet queue
    }
    // The control events that the input produced, in order, ignoring every other kind.
    static std::vector<GuiEvent> ControlEventsOf(int control) {
        std::vector<GuiEvent> found;
        PushEvent({EventOther, NoNumber, NoNumber, -1}); // marks the end of what the input queued
        for (GuiEvent event = WaitForEvent(); event.type != -1 || event.kind != EventOther; event = WaitForEvent())
            if (event.kind == EventControl && event.control == control) found.push_back(event);
        return found;
    }
    static std::vector<int> Types(const std::vector<GuiEvent>& events) {
        std::vector<int> types;
        for (const GuiEvent& event : events) types.push_back(event.type);
        return types;
    }
};

TEST_F(EventLoopTest, ImageButtonReportsClicksDoubleClicksAndDragStart) {
    QWidget* button = WidgetForControl(SearchButton);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    auto events = ControlEventsOf(SearchButton);
    ASSERT_EQ(Types(events), std::vector<int>{TypeLeftClick});
    EXPECT_EQ(events[0].window, MainWindow);

    // The system sends a double-click as press, release, press, double-click, release.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Types(ControlEventsOf(SearchButton)), (std::vector<int>{TypeLeftClick, TypeLeftDoubleClick}));

    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Types(ControlEventsOf(SearchButton)), std::vector<int>{TypeRightClick});

    // Pressing and dragging away reports the click and the start of the drag.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent drag(QEvent::MouseMove, QPointF(40, 5), button->mapToGlobal(QPointF(40, 5)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &drag);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(Types(ControlEventsOf(SearchButton)), (std::vector<int>{TypeLeftClick, TypeDragStart}));
}

TEST_F(EventLoopTest, ListViewReportsClicksOnRowsAndEmptiesTheSelectionBelowThem) {
    QWidget* viewport = WidgetForControl(ResultsList)->findChild<QWidget*>("qt_scrollarea_viewport");
    ASSERT_NE(viewport, nullptr);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(ListSelectedRow(ResultsList), 0);
    std::vector<int> types = Types(ControlEventsOf(ResultsList));
    EXPECT_NE(std::find(types.begin(), types.end(), int(TypeSelectionChange)), types.end());
    EXPECT_NE(std::find(types.begin(), types.end(), int(TypeLeftClick)), types.end());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, 300));
    ControlEventsOf(ResultsList);
    EXPECT_EQ(ListSelectedRow(ResultsList), -1) << "a click below the rows selects nothing";
}

TEST_F(EventLoopTest, PointerMovesTimerTicksAndCloseRequestsAreEvents) {
    QWidget* window = WidgetForWindow(MainWindow);
    // Three movements, one of them over a control that leaves it to the window: three events.
    QTest::mouseMove(window, QPoint(100, 100));
    QTest::mouseMove(window, QPoint(101, 100));
    QTest::mouseMove(WidgetForControl(FirstSpectrumColumn), QPoint(0, 3));
    int moves = 0;
    bool tick = false;
    for (int pass = 0; pass < 200 && !tick; ++pass) {
        GuiEvent event = WaitForEvent();
        moves += event.kind == EventPointerMove;
        tick |= event.kind == EventTimer && event.window == MainWindow;
    }
    EXPECT_EQ(moves, 3);
    EXPECT_TRUE(tick);

    window->close(); // the close box: a request, the window stays
    EXPECT_TRUE(WindowExists(MainWindow));
    GuiEvent event;
    do event = WaitForEvent();
    while (event.kind != EventClose);
    EXPECT_EQ(event.window, MainWindow);
}

TEST_F(EventLoopTest, TypingInTheSearchBoxStartsNothing) {
    QWidget* box = WidgetForControl(SearchBox);
    QTest::keyClicks(box, "xy");
    QTest::keyClick(box, Qt::Key_Return);
    // Every key press is a pass of its own; the edit reports its changes and nothing acts on them.
    int keyPasses = 0;
    std::vector<GuiEvent> edits;
    PushEvent({EventOther, NoNumber, NoNumber, -1});
    for (GuiEvent event = WaitForEvent(); event.type != -1 || event.kind != EventOther; event = WaitForEvent()) {
        keyPasses += event.kind == EventKeyDown;
        if (event.kind == EventControl && event.control == SearchBox) edits.push_back(event);
    }
    EXPECT_EQ(keyPasses, 3);
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[0].type, TypeSelectionChange);
    EXPECT_EQ(ActionForControl(SearchBox), nullptr);
    EXPECT_EQ(ControlText(SearchBox), "Depeche Mode Remixxy");
}

// A close request of window 0 ends the loop; the process then ends with exit code 0.
void RunUntilClosed() {
    EnsureProgramStarted();
    QTimer::singleShot(100, [] { WidgetForWindow(MainWindow)->close(); });
    int passes = 0;
    while (RunLoopPass() == PassContinue) ++passes;
    bool closed = !WindowExists(MainWindow);
    RunReleaseOrder();
    std::exit(closed && passes > 0 ? 0 : 3);
}

TEST(ProgramEndTest, CloseRequestOfTheMainWindowEndsTheProcessWithCodeZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunUntilClosed(), ::testing::ExitedWithCode(0), "");
}

} // namespace

namespace {

// The plain controls of a second window: a push button's click, a progress bar, texts, and
// closing the window takes its controls with it.
TEST_F(EventLoopTest, ASecondWindowWithPlainControls) {
    CreateTopLevelWindow(10, "\xD2\xE5\xF1\xF2", 370, 130, FrameCloseBoxOnly, BackgroundButtonFace); // "Тест"
    CreateGroupFrame(13, {10}, 5, 0, 360, 120, "");
    CreateProgressBar(12, {10}, 15, 40, 340, 20);
    CreateStaticText(14, {10}, 15, 70, 250, 17, "\xD0\xE0\xE7\xEC\xE5\xF0 : "); // "Размер : "
    CreatePushButton(11, {10}, 280, 80, 70, 20, "OK");
    ShowWindow(10);
    EXPECT_EQ(WidgetForWindow(10)->size(), QSize(370, 130));
    EXPECT_EQ(ControlText(14), "\xD0\xE0\xE7\xEC\xE5\xF0 : ");
    SetControlText(14, "4.768372");
    EXPECT_EQ(ControlText(14), "4.768372");
    SetProgressRange(12, 0, 5000000);
    SetProgressPosition(12, 2500000);
    EXPECT_EQ(qobject_cast<QProgressBar*>(WidgetForControl(12))->value(), 2500000);

    QTest::mouseClick(WidgetForControl(11), Qt::LeftButton);
    auto events = ControlEventsOf(11);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].window, 10);
    EXPECT_EQ(events[0].type, TypeLeftClick);

    CloseWindow(10);
    EXPECT_FALSE(WindowExists(10));
    for (int control : {11, 12, 13, 14}) EXPECT_FALSE(ControlExists(control)) << control;
    EXPECT_TRUE(WindowExists(MainWindow));
}

TEST_F(EventLoopTest, TheWarningMessageIsModalForTheWholeProgram) {
    bool wasModal = false;
    QString text;
    QTimer::singleShot(50, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        wasModal = box->windowModality() == Qt::ApplicationModal;
        text = qobject_cast<QMessageBox*>(box)->text();
        box->close();
    });
    ShowWarningMessage("", "\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 \xE7\xE0\xED\xFF\xF2\xE0!"); // "Программа занята!"
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(text, QString::fromUtf8("Программа занята!"));
}

} // namespace

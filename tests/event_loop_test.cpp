// Real input on real widgets becomes the loop's events: kinds, numbers and control event types.
#include "../app/core.h"
#include "../app/program_state.h"
#include "../platform/gui.h"
#include "../platform/qt/gui_widgets.h"
#include "gui_fixture.h"

#include <QTest>
#include <QTimer>
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
    QTest::mouseMove(window, QPoint(100, 100));
    bool move = false, tick = false;
    for (int pass = 0; pass < 200 && !(move && tick); ++pass) {
        GuiEvent event = WaitForEvent();
        move |= event.kind == EventPointerMove;
        tick |= event.kind == EventTimer && event.window == MainWindow;
    }
    EXPECT_TRUE(move);
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
    QTest::keyClicks(box, "x");
    QTest::keyClick(box, Qt::Key_Return);
    auto events = ControlEventsOf(SearchBox);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0].type, TypeSelectionChange);
    EXPECT_EQ(ActionForControl(SearchBox), nullptr);
    EXPECT_EQ(ControlText(SearchBox), "Depeche Mode Remixx");
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

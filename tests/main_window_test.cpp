// The MainWindow on real widgets: geometry, controls, colours, routing and the pointer.
#include "../app/core.h"
#include "../app/program_state.h"
#include "../platform/gui.h"
#include "../platform/qt/gui_widgets.h"
#include "../search/search.h"
#include "../ui/pointer_feedback.h"
#include "../ui/skin.h"
#include "gui_fixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { EnsureProgramStarted(); }
};

TEST(CentredWindowOriginTest, HalvesTheFreeSpaceAndClipsToTheScreen) {
    struct Case {
        int screenWidth, screenHeight, outerWidth, outerHeight, left, top;
    } cases[] = {
        {1920, 1080, 406, 549, 757, 265}, // halves divided towards zero
        {800, 600, 400, 520, 200, 40},
        {300, 400, 406, 549, 0, 0},       // larger than the screen: clipped, so at the corner
        {401, 521, 400, 520, 0, 0},
    };
    for (const Case& c : cases) {
        int left = -1, top = -1;
        CentredWindowOrigin(c.screenWidth, c.screenHeight, c.outerWidth, c.outerHeight, left, top);
        EXPECT_EQ(left, c.left) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(top, c.top) << c.screenWidth << "x" << c.screenHeight;
    }
}

TEST_F(MainWindowTest, ClientAreaIs400By520AndCentred) {
    QWidget* window = WidgetForWindow(MainWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(400, 520));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // no sizing
    QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QRect frame = window->frameGeometry();
    EXPECT_EQ(frame.left(), (screen.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top(), (screen.height() - frame.height()) / 2);
    EXPECT_EQ(WindowTitle(MainWindow), WindowTitleText());
}

TEST_F(MainWindowTest, EveryControlStandsAtItsNumberWithItsSizeInEffect) {
    struct Expected {
        int control, x, y, width, height;
    } controls[] = {
        {SearchBox, 55, 14, 195, 15},   {SearchButton, 257, 13, 71, 16}, {PauseButton, 344, 14, 35, 16},
        {VolumeBar, 240, 486, 15, 16},  {DownloadButton, 366, 489, 22, 11}, {ResultsFrame, 10, 37, 380, 380},
        {ResultsList, 0, 0, 400, 400},  {FirstSpectrumColumn, 20, 486, 1, 15},
        {FirstSpectrumColumn + 85, 190, 486, 1, 15},
    };
    for (const Expected& e : controls) {
        QWidget* widget = WidgetForControl(e.control);
        ASSERT_NE(widget, nullptr) << e.control;
        EXPECT_EQ(widget->geometry(), QRect(e.x, e.y, e.width, e.height)) << "control " << e.control;
    }
    for (int k = 0; k < SpectrumColumnCount; ++k)
        EXPECT_EQ(WidgetForControl(FirstSpectrumColumn + k)->pos(), QPoint(20 + 2 * k, 486)) << k;
    EXPECT_FALSE(ControlExists(FirstSpectrumColumn + SpectrumColumnCount));
    EXPECT_EQ(WidgetForControl(ResultsList)->parentWidget(), WidgetForControl(ResultsFrame));
}

TEST_F(MainWindowTest, ResultsListHasTwoColumnsAndTheTitleRow) {
    ASSERT_EQ(ListColumnCount(ResultsList), 2);
    EXPECT_EQ(ListColumnWidth(ResultsList, 0), 330);
    EXPECT_EQ(ListColumnWidth(ResultsList, 1), 50);
    ASSERT_EQ(ListRowCount(ResultsList), 1);
    EXPECT_EQ(ListCellText(ResultsList, 0, 0), WindowTitleText());
    EXPECT_EQ(ListCellText(ResultsList, 0, 1), "");
    EXPECT_EQ(ListSelectedRow(ResultsList), -1);
    EXPECT_EQ(ControlText(SearchBox), "Depeche Mode Remix");
}

TEST_F(MainWindowTest, SkinColoursShowAtSamplePixels) {
    QImage shot = GrabMainWindow();
    auto rgb = [&](int x, int y) { return shot.pixelColor(x, y).rgb() & 0xFFFFFF; };
    EXPECT_EQ(rgb(200, 300), 0x151515u) << "list background";   // an empty part of the list
    EXPECT_EQ(rgb(251, 20), 0x151515u) << "search slot";        // the slot under the search button
    EXPECT_EQ(rgb(200, 450), 0x2F2F2Fu) << "lettering strip";
    EXPECT_EQ(rgb(0, 0), 0x1E1E1Eu) << "outside the panel";
    // The search text is drawn in the accent colour on the panel colour.
    int accent = 0;
    for (int y = 14; y < 29; ++y)
        for (int x = 55; x < 250; ++x) {
            QColor c = shot.pixelColor(x, y);
            accent += std::abs(c.red() - 137) + std::abs(c.green() - 127) + std::abs(c.blue() - 98) < 24;
        }
    EXPECT_GT(accent, 30);
    // The grid lines run down to the bottom of the list, also where no rows stand.
    EXPECT_EQ(rgb(10 + 100, 37 + 16 * 10 - 1), 0x232323u);
}

TEST_F(MainWindowTest, OnlyTheFiveActingControlsHaveAnEntry) {
    EXPECT_EQ(ActionForControl(SearchButton), &RunSearchCommand);
    for (int control : {1, 2, 4, 9, 12, 13, 14, 15, 16, 24}) EXPECT_EQ(ActionForControl(control), nullptr) << control;
    for (int control = 100; control <= 185; ++control) EXPECT_EQ(ActionForControl(control), nullptr) << control;
}

TEST_F(MainWindowTest, PointerOverControlIncludesLeftAndTopEdgesOnly) {
    ScreenRect button = ControlScreenRect(SearchButton);
    ASSERT_EQ(button.right - button.left, 71);
    struct Case {
        int x, y;
        bool over;
    } cases[] = {
        {button.left, button.top, true},          {button.right - 1, button.bottom - 1, true},
        {button.right, button.top, false},        {button.left, button.bottom, false},
        {button.left - 1, button.top + 3, false}, {button.left + 3, button.top - 1, false},
    };
    for (const Case& c : cases) {
        MovePointerTo({c.x, c.y});
        EXPECT_EQ(PointerOverControl(SearchButton), c.over) << c.x << "," << c.y;
    }
}

TEST_F(MainWindowTest, HandShowsOnPointerMovesOverTheImageButtonsOnly) {
    ScreenRect pause = ControlScreenRect(PauseButton);
    MovePointerTo({pause.left + 2, pause.top + 2});
    HandCursorFeedback(EventTimer);
    EXPECT_FALSE(HandPointerShown()) << "only pointer moves count";
    HandCursorFeedback(EventPointerMove);
    EXPECT_TRUE(HandPointerShown());
    ScreenRect list = ControlScreenRect(ResultsList);
    MovePointerTo({list.left + 50, list.top + 50});
    QCoreApplication::processEvents(); // the move itself gives the toolkit its own pointer back
    HandCursorFeedback(EventPointerMove);
    EXPECT_FALSE(HandPointerShown());
}

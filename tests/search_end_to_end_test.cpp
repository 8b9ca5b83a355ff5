// Login and search through the window, against the demo service on loopback.
#include "../app/core.h"
#include "../app/program_state.h"
#include "../platform/cp1251.h"
#include "../platform/gui.h"
#include "../platform/qt/gui_widgets.h"
#include "../tools/demo_service/demo_service.h"
#include "gui_fixture.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

DemoService* service = nullptr;
std::string domain;

class SearchEndToEndTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        service = new DemoService("demo.localhost");
        int port = service->Start();
        ASSERT_GT(port, 0);
        domain = "demo.localhost:" + std::to_string(port);
        EnsureProgramStarted(domain);
        // The login goes on in the background; the loop's messages keep flowing meanwhile.
        for (int waited = 0; waited < 5000 && !LoggedIn(); waited += 10) {
            DispatchPendingMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    static bool LoggedIn() {
        for (const std::string& line : service->RequestLog())
            if (line.rfind("login.demo.localhost / session", 0) == 0) return true;
        return false;
    }
    // Types the text and clicks the search button; the search runs inside the click's pass.
    static void Search(const QString& text) {
        qobject_cast<QLineEdit*>(WidgetForControl(SearchBox))->setText(text);
        QTest::mouseClick(WidgetForControl(SearchButton), Qt::LeftButton, {}, QPoint(3, 3));
        while (!(LoopEventKind == EventControl && LoopEventControl == SearchButton)) RunLoopPass();
        LoopEventKind = EventOther;
    }
};

TEST_F(SearchEndToEndTest, LoginThenSearchListsCleanedTitlesWithTheSession) {
    ASSERT_TRUE(LoggedIn());
    std::vector<std::string> log = service->RequestLog();
    EXPECT_EQ(log.front(), "login.demo.localhost / (login, password not shown) no-session");
    EXPECT_EQ(log.size(), 2u) << "the login and its redirect; the blank browser asks for nothing";
    for (const std::string& line : log) EXPECT_EQ(line.find(LoginPassword), std::string::npos) << line;

    Search("Depeche Mode Remix");
    std::vector<const DemoTrack*> expected = MatchDemoTracks("Depeche Mode Remix");
    ASSERT_EQ(expected.size(), 5u);
    ASSERT_EQ(ListRowCount(ResultsList), 5);
    EXPECT_EQ(ListCellText(ResultsList, 0, 0), "0       Depeche  Mode - Enjoy The Silence ( Remix)");
    EXPECT_EQ(ListCellText(ResultsList, 0, 1), "6:29");
    EXPECT_EQ(TrackUrls[0], "http://cs" + std::to_string(expected[0]->server) + "." + domain + "/u" +
                                std::to_string(expected[0]->user) + "/audio/" + expected[0]->file + ".mp3");
    EXPECT_EQ(service->RequestLog().back(), "demo.localhost /gsearch.php session");
}

TEST_F(SearchEndToEndTest, TheSearchTextArrivesWholeWithCyrillicAndSigns) {
    Search(QString::fromUtf8("Кино"));
    ASSERT_EQ(ListRowCount(ResultsList), 9);
    EXPECT_EQ(Utf8FromCp1251(ListCellText(ResultsList, 0, 0)), "0       Кино - Группа крови");
    Search("Don't Go");
    ASSERT_EQ(ListRowCount(ResultsList), 3);
    EXPECT_EQ(ListCellText(ResultsList, 0, 0), "0      Yazoo -  Don't  Go");
}

TEST_F(SearchEndToEndTest, ALargeResultFillsTheTableAndNoMore) {
    Search("e");
    EXPECT_GT(MatchDemoTracks("e").size(), 112u);
    EXPECT_EQ(ListRowCount(ResultsList), TrackTableSize);
    EXPECT_EQ(ListCellText(ResultsList, 111, 0).rfind("111    ", 0), 0u);
}

TEST_F(SearchEndToEndTest, AFailedFetchAfterAGoodOneLeavesTheListEmpty) {
    Search("Depeche Mode Remix");
    ASSERT_EQ(ListRowCount(ResultsList), 5);
    std::string firstUrl = TrackUrls[0];
    service->Stop();
    Search("Depeche Mode Remix");
    EXPECT_EQ(ListRowCount(ResultsList), 0);
    EXPECT_EQ(TrackUrls[0], firstUrl);
}

} // namespace

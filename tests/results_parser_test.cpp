// The results page parser on small fixture pages, filling the real list of the main window.
#include "../app/program_state.h"
#include "../platform/gui.h"
#include "../search/search.h"
#include "gui_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class ResultsParserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureProgramStarted();
        for (int i = 0; i < TrackTableSize; ++i) TrackUrls[i].clear(), TrackTitles[i].clear();
        DeleteAllListRows(ResultsList);
    }
    void Parse(const std::string& page) {
        std::filesystem::path path = std::filesystem::temp_directory_path() / ("muzyka-page-" + std::to_string(getpid()));
        std::ofstream(path, std::ios::binary) << page;
        ASSERT_TRUE(ParseResultsPage(path.string()));
        std::filesystem::remove(path);
    }
    static std::string Track(int server, int user, const std::string& file, const std::string& title,
                             const std::string& duration) {
        return "<img class=\"playimg\" onclick=\"operate(7," + std::to_string(server) + "," + std::to_string(user) +
               ",'" + file + "',20);\">\n<div class=\"performer\"><b><a href='/q' onclick='go(this);'>" + title +
               "</a></b></span></div>\n<div class=\"duration\">" + duration + "</div>\n";
    }
};

TEST_F(ResultsParserTest, WellFormedTracksGiveNumberedRows) {
    ServiceDomain = "demo.localhost:8080";
    std::string page = "<html>\n";
    for (int i = 0; i < 12; ++i) page += Track(51, 620 + i, "f" + std::to_string(i), "Song &#39;" + std::to_string(i), "3:4" + std::to_string(i % 10));
    Parse(page);
    ASSERT_EQ(ListRowCount(ResultsList), 12);
    EXPECT_EQ(ListCellText(ResultsList, 0, 0), "0      Song '0");
    EXPECT_EQ(ListCellText(ResultsList, 0, 1), "3:40");
    EXPECT_EQ(ListCellText(ResultsList, 10, 0), "10    Song '10");
    EXPECT_EQ(TrackUrls[0], "http://cs51.demo.localhost:8080/u620/audio/f0.mp3");
    EXPECT_EQ(TrackUrls[11], "http://cs51.demo.localhost:8080/u631/audio/f11.mp3");
    EXPECT_EQ(ListSelectedRow(ResultsList), -1);
}

TEST_F(ResultsParserTest, PlayButtonArgumentsMakeTheStreamAddress) {
    ServiceDomain = "vk.com";
    struct Case {
        const char* line;
        const char* address; // empty: nothing stored
    } cases[] = {
        {"<a class=\"playimg\" onclick=\"operate(7,51,620,'ab12',20)\">", "http://cs51.vk.com/u620/audio/ab12.mp3"},
        {"playimg (7,51,517,'ab12',20)", "http://cs51.vk.com/u517/audio/ab12.mp3"}, // user begins with the server
        {"(7,,620,'ab12',20) playimg", "http://cs.vk.com/u620/audio/ab12.mp3"},      // empty server, before the marker
        {"playimg (1,2,3,'x',4) playimg (5,6,7,'y',8)", "http://cs2.vk.com/u3/audio/x.mp3"},
        {"playimg (7,51,620,'',20)", ""},
        {"playimg 7,51,620,'ab12',20", ""},  // no parentheses
        {"playimg (7,51,620,ab12,20)", ""},  // no quotes
    };
    for (const Case& c : cases) {
        TrackUrls[0] = "earlier";
        Parse(std::string(c.line) + "\n");
        EXPECT_EQ(TrackUrls[0], *c.address ? c.address : "earlier") << c.line;
    }
}

TEST_F(ResultsParserTest, TitleAndDurationCuts) {
    struct Case {
        const char* line;
        const char* title; // empty: nothing stored
    } cases[] = {
        {"<div class=\"performer\"><b><a href='/q' onclick='go(this);'>A</a></b> &#8211; B</span></div>", "A - B"},
        {"<div class=\"performer\"><b>A~B</span>", "A"},          // cut at the "~"
        {"<div class=\"performer\">A</span>", ""},               // no second ">"
        {"performer without any markup", ""},
        {"<div class=\"performer\"><b><span class=\"match\">Mode</b> x</span>", " Mode x"},
    };
    for (const Case& c : cases) {
        TrackTitles[0] = "earlier";
        Parse(std::string(c.line) + "\n");
        EXPECT_EQ(TrackTitles[0], *c.title ? c.title : "earlier") << c.line;
    }
    Parse("<div class=\"duration\">3:45\n<div class=\"duration\"></div>\nduration\n");
    EXPECT_EQ(ListRowCount(ResultsList), 0) << "duration lines without their cut add no row";
}

TEST_F(ResultsParserTest, AMisalignedPageShiftsTitlesAgainstRows) {
    // The second track's title line yields nothing: its row reads an entry not yet written, the
    // third track's title lands at index 1, and row 2 shows what an earlier search left there.
    TrackTitles[2] = "Stale";
    std::string page = Track(1, 1, "a", "First", "1:00") + Track(1, 2, "b", "", "2:00") + Track(1, 3, "c", "Third", "3:00");
    Parse(page);
    ASSERT_EQ(ListRowCount(ResultsList), 3);
    EXPECT_EQ(ListCellText(ResultsList, 1, 0), "1      ");
    EXPECT_EQ(ListCellText(ResultsList, 2, 0), "2      Stale");
    EXPECT_EQ(TrackTitles[1], "Third");
    EXPECT_EQ(TrackUrls[2], "http://cs1." + ServiceDomain + "/u3/audio/c.mp3");
}

TEST_F(ResultsParserTest, ItemsBeyondTheTableAreIgnored) {
    std::string page;
    for (int i = 0; i < 130; ++i) page += Track(5, i, "f" + std::to_string(i), "T" + std::to_string(i), "0:01");
    TrackUrls[TrackTableSize - 1].clear();
    Parse(page);
    EXPECT_EQ(ListRowCount(ResultsList), TrackTableSize);
    EXPECT_EQ(TrackTitles[TrackTableSize - 1], "T111");
    EXPECT_EQ(ListCellText(ResultsList, 111, 0), "111    T111");
}

TEST_F(ResultsParserTest, ASecondShorterSearchKeepsTheFirstSearchsEntries) {
    Parse(Track(1, 1, "a", "One", "1:00") + Track(1, 2, "b", "Two", "2:00"));
    DeleteAllListRows(ResultsList);
    Parse(Track(1, 9, "z", "Nine", "9:00"));
    EXPECT_EQ(ListRowCount(ResultsList), 1);
    EXPECT_EQ(TrackTitles[1], "Two");
    EXPECT_EQ(TrackUrls[1], "http://cs1." + ServiceDomain + "/u2/audio/b.mp3");
}

} // namespace

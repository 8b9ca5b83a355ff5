#include "search.h"

#include "../app/program_state.h"
#include "../platform/files.h"
#include "../platform/gui.h"
#include "../platform/web.h"

namespace {

// The counters of one search; each advances only when its own kind of line yields a value, and
// items of a kind beyond the table's 112 entries are ignored.
struct SearchCounters {
    int UrlCount = 0;
    int TitleCount = 0;
    int RowCount = 0;
};

std::string RemoveFirst(const std::string& text, const std::string& find) {
    std::size_t at = find.empty() ? std::string::npos : text.find(find);
    return at == std::string::npos ? text : text.substr(0, at) + text.substr(at + find.size());
}

// The play handler's argument list: (kind,server,user,'file',...).
void PlayButtonTest(std::string& line, SearchCounters& counters) {
    line = TextBetween(line, "(", ")");
    std::string server = TextBetween(line, ",", ",");
    line = RemoveFirst(line, "," + server);
    std::string user = TextBetween(line, ",", ",");
    std::string file = TextBetween(line, "'", "'");
    if (file.empty() || counters.UrlCount >= TrackTableSize) return;
    TrackUrls[counters.UrlCount++] = "http://cs" + server + "." + ServiceDomain + "/u" + user + "/audio/" + file + ".mp3";
}

// Performer and title: the text between the line's second ">" and the first "</span>" after its
// first ">", without the performer link's opening up to its first ";".
void TitleTest(std::string& line, SearchCounters& counters) {
    for (const char* junk : {"<span>&nbsp;-&nbsp;</span><span id", "</b>", "</a>", "'>"}) line = ReplaceEvery(line, junk, "");
    line = TextBetween(line, ">", "</span>") + "~";
    line = TextBetween(line, ">", "~");
    std::string link = "<a" + TextBetween(line, "<a", ";") + ";";
    std::string title = ReplaceEvery(line, link, "");
    if (title.empty() || counters.TitleCount >= TrackTableSize) return;
    TrackTitles[counters.TitleCount++] = CleanMarkup(title);
}

// A row text is the number, six spaces below 10 or four from 10 on, and the title of that index.
void DurationTest(const std::string& line, SearchCounters& counters) {
    std::string duration = TextBetween(line, ">", "</div>");
    if (duration.empty() || counters.RowCount >= TrackTableSize) return;
    int row = counters.RowCount++;
    std::string rowText = std::to_string(row) + (row < 10 ? "      " : "    ") + TrackTitles[row];
    AppendListRow(ResultsList, rowText + "\n" + duration);
}

} // namespace

bool ParseResultsPage(const std::string& path) {
    TextFile* page = OpenTextFileForReading(path);
    if (!page) return false;
    SearchCounters counters;
    while (!TextFileAtEnd(page)) {
        std::string line = ReadTextLine(page);
        // Each test sees the line as the tests before it left it.
        if (line.find("playimg") != std::string::npos) PlayButtonTest(line, counters);
        if (line.find("performer") != std::string::npos) TitleTest(line, counters);
        if (line.find("duration") != std::string::npos) DurationTest(line, counters);
    }
    CloseTextFile(page);
    return true;
}

std::string ResultsPageFilePath() {
    std::string directory = TemporaryDirectory();
    return directory.empty() ? std::string() : directory + "audio.txt";
}

void RunSearch(const std::string& searchAddress) {
    DeleteAllListRows(ResultsList);
    std::string path = ResultsPageFilePath();
    // A failed fetch must not list an earlier search's page again.
    if (!URLDownloadToFileA(searchAddress, path)) return;
    ParseResultsPage(path);
}

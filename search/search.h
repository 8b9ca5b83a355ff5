#pragma once
// The search: the request built from the SearchBox, the fetch of the results page, the line
// parser that fills the track table and the list, and the cleanup of markup in titles.
// GUI thread only.
#include <string>

// The cut of text between the first start marker and the next end marker; empty when either
// is missing (an empty marker counts as missing) or when nothing lies between them.
std::string TextBetween(const std::string& text, const std::string& startMarker, const std::string& endMarker);
// Every non-overlapping occurrence of find replaced, scanning left to right; the inserted text
// is not searched again.
std::string ReplaceEvery(const std::string& text, const std::string& find, const std::string& replacement);

// Display text from a title cut out of the results page: a fixed chain of 19 replacements.
std::string CleanMarkup(const std::string& title);

// The query value as it goes into the address: every byte but letters, digits and "-._~"
// percent-encoded, so that "&", "#", "+" and spaces stay part of the search text.
std::string EncodeQueryValue(const std::string& text);
// "http://" + the main host + "/gsearch.php?section=audio&q=" + the encoded text + "&name=1".
std::string BuildSearchAddress(const std::string& searchText);
// "audio.txt" in the user's temporary directory; empty when there is no private directory.
std::string ResultsPageFilePath();

// Empties the list, fetches the page into the ResultsPageFile and parses it line by line into
// TrackUrls, TrackTitles and the rows of the list. A failed fetch leaves the list empty and the
// track table as it was.
void RunSearch(const std::string& searchAddress);
// The parse alone, of a page already on disk; false when the file cannot be opened.
bool ParseResultsPage(const std::string& path);

// The search command of the SearchButton: reads the SearchBox, builds the address, RunSearch.
void RunSearchCommand(int eventType);

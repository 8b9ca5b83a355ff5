#include "search.h"

#include "../app/program_state.h"
#include "../platform/gui.h"
#include "../platform/web.h"

std::string EncodeQueryValue(const std::string& text) {
    return PercentEncode(text, [](unsigned char byte) {
        return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
               byte == '-' || byte == '.' || byte == '_' || byte == '~';
    });
}

std::string BuildSearchAddress(const std::string& searchText) {
    return "http://" + ServiceDomain + "/gsearch.php?section=audio&q=" + EncodeQueryValue(searchText) + "&name=1";
}

void RunSearchCommand(int) { RunSearch(BuildSearchAddress(ControlText(SearchBox))); }

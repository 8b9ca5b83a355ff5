#include "search.h"

#include "../app/program_state.h"
#include "../platform/gui.h"

std::string EncodeQueryValue(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char byte : text) {
        bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
                     byte == '-' || byte == '.' || byte == '_' || byte == '~';
        if (plain) encoded += char(byte);
        else encoded += {'%', hex[byte >> 4], hex[byte & 15]};
    }
    return encoded;
}

std::string BuildSearchAddress(const std::string& searchText) {
    return "http://" + ServiceDomain + "/gsearch.php?section=audio&q=" + EncodeQueryValue(searchText) + "&name=1";
}

void RunSearchCommand(int) { RunSearch(BuildSearchAddress(ControlText(SearchBox))); }

#include "search.h"

std::string TextBetween(const std::string& text, const std::string& startMarker, const std::string& endMarker) {
    if (startMarker.empty() || endMarker.empty()) return {};
    std::size_t start = text.find(startMarker);
    if (start == std::string::npos) return {};
    start += startMarker.size();
    std::size_t end = text.find(endMarker, start);
    if (end == std::string::npos) return {};
    return text.substr(start, end - start);
}

std::string ReplaceEvery(const std::string& text, const std::string& find, const std::string& replacement) {
    if (find.empty()) return text;
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
        out.append(text, from, at - from);
        out += replacement;
        from = at + find.size();
    }
    out.append(text, from, std::string::npos);
    return out;
}

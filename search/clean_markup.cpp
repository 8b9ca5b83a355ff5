#include "search.h"

namespace {

struct Replacement {
    const char* find;
    const char* replacement;
};

// In this order: a later step works on what the earlier ones produced. "\x95" is the bullet,
// "\xAB" and "\xBB" the angle quotes of Windows-1251.
const Replacement MarkupReplacements[19] = {
    {"&#9679;", "\x95"}, {"&#39;", "'"},  {"&#9602;", "\x95"}, {"&#9603;", "\x95"}, {"&#036;", "$"},
    {"&#9733;", "\x95"}, {"&#33;", "!"},  {"#33;", "!"},       {"lt;", "<"},        {"gt;", ">"},
    {"&#8221;", "\""},   {"&#8220;", "\""}, {"&#8211;", "-"},  {"&#8230;", "..."},  {"&quot;", "\""},
    {"&laquo;", "\xAB"}, {"&raquo;", "\xBB"}, {"<span class=\"match\">", " "}, {"</span>", " "},
};

} // namespace

std::string CleanMarkup(const std::string& title) {
    std::string text = title;
    for (const Replacement& step : MarkupReplacements) text = ReplaceEvery(text, step.find, step.replacement);
    return text;
}

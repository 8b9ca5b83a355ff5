// The text routines of the search and the addresses built from the service's domain.
#include "../app/program_state.h"
#include "../platform/cp1251.h"
#include "../platform/web.h"
#include "../search/search.h"
#include "../ui/login.h"

#include <gtest/gtest.h>

namespace {

TEST(TextBetweenTest, CutsBetweenFirstStartAndNextEnd) {
    struct Case {
        const char *text, *start, *end, *expected;
    } cases[] = {
        {"a(b)c", "(", ")", "b"},
        {"a()c", "(", ")", ""},                 // end directly after start
        {"abc", "(", ")", ""},                  // no start marker
        {"a(bc", "(", ")", ""},                 // no end marker after it
        {"a)b(c", "(", ")", ""},                // the end before the start does not count
        {"x,51,620,", ",", ",", "51"},          // the same marker: first and second occurrence
        {"(1)(2)", "(", ")", "1"},
        {"abc", "", "c", ""},                   // an empty marker counts as missing
        {"abc", "a", "", ""},
        {"<b>x</span>y</span>", ">", "</span>", "x"},
    };
    for (const Case& c : cases) EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.expected) << c.text;
}

TEST(CleanMarkupTest, ReplacesItsTableInOrder) {
    struct Case {
        const char *title, *expected;
    } cases[] = {
        {"", ""},
        {"&#33;", "!"},
        {"#33;", "!"},
        {"&lt;", "&<"},                               // the ampersand stays
        {"&#9679;&#9733;", "\x95\x95"},
        {"&#8230;", "..."},
        {"&laquo;x&raquo;", "\xABx\xBB"},
        {"<span class=\"match\">word</span>", " word "},
        {"a <span class=\"match\">b</span> c", "a  b  c"}, // spaces are neither merged nor trimmed
        {"lt;/span>", " "},                           // a later step matches what an earlier one made
        {"&amp; &QUOT; &nbsp; &#1234;", "&amp; &QUOT; &nbsp; &#1234;"},
        {"Don&#39;t &quot;stop&#8221; &#036;5 &#8211; now", "Don't \"stop\" $5 - now"},
        {"&#9602;&#9603;", "\x95\x95"},
        {"salt;gt;", "sa<>"},
    };
    for (const Case& c : cases) EXPECT_EQ(CleanMarkup(c.title), c.expected) << c.title;
}

TEST(ReplaceEveryTest, DoesNotOverlapOrRescan) {
    EXPECT_EQ(ReplaceEvery("aaaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceEvery("abcabc", "abc", ""), "");
    EXPECT_EQ(ReplaceEvery("xyz", "", "q"), "xyz");
}

TEST(SearchAddressTest, TheSearchTextIsPercentEncodedFromItsBytes) {
    ServiceDomain = "demo.localhost:8080";
    EXPECT_EQ(BuildSearchAddress("Simon & Garfunkel"),
              "http://demo.localhost:8080/gsearch.php?section=audio&q=Simon%20%26%20Garfunkel&name=1");
    EXPECT_EQ(BuildSearchAddress(""), "http://demo.localhost:8080/gsearch.php?section=audio&q=&name=1");
    EXPECT_EQ(EncodeQueryValue("C# +1\xCA\xE8\xED\xEE"), "C%23%20%2B1%CA%E8%ED%EE"); // "Кино" in Windows-1251
    EXPECT_EQ(EncodeQueryValue("a-b.c_d~"), "a-b.c_d~");
}

TEST(LoginAddressTest, HoldsTheAccountUnencodedAndEndsWithTheSpacedParameter) {
    ServiceDomain = "vk.com";
    AssignLoginValues();
    std::string address = BuildLoginAddress();
    EXPECT_EQ(address, "http://login.vk.com/?act=login&email=" + LoginEmail + "&pass=" + LoginPassword + "&expire=&vk =");
    EXPECT_EQ(LoginPassword.size(), 6u);
    EXPECT_EQ(LoginPassword.find_first_not_of("0123456789"), std::string::npos);
    // On the wire the space becomes %20, as a browser sends it.
    std::string wire = EncodeAddressForWire(address);
    EXPECT_EQ(wire.substr(wire.size() - 15), "&expire=&vk%20=");
}

TEST(WireAddressTest, EncodesOnlyWhatAnAddressCannotCarry) {
    EXPECT_EQ(EncodeAddressForWire("http://h/p?q=a b&r=%41"), "http://h/p?q=a%20b&r=%41");
    EXPECT_EQ(EncodeAddressForWire(std::string("x\xC0\x01\x7F\"<>")), "x%C0%01%7F%22%3C%3E");
}

} // namespace

namespace {

TEST(Cp1251Test, ConvertsBothWaysAndMarksWhatItCannotCarry) {
    EXPECT_EQ(Utf8FromCp1251("\xCC\xF3\xE7\xFB\xEA\xE0 \x95\xAB\xBB"), "Музыка •«»");
    EXPECT_EQ(Cp1251FromUtf8("Музыка •«»"), "\xCC\xF3\xE7\xFB\xEA\xE0 \x95\xAB\xBB");
    EXPECT_EQ(Cp1251FromUtf8("a\xE2\x82\xACz"), "a\x88z");  // the euro sign has a byte of its own
    EXPECT_EQ(Cp1251FromUtf8("a\xE4\xB8\xADz"), "a?z");     // a CJK character has none
    EXPECT_EQ(Utf8FromCp1251("\x98"), "?");                 // the one unassigned byte
}

} // namespace

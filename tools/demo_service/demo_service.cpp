#include "demo_service.h"

#include "../../platform/web.h"

#include <httplib.h>

#include <cctype>

#include <cstdio>
#include <random>

struct DemoService::Server {
    httplib::Server http;
};

namespace {

// Lower case for ASCII and the Cyrillic letters of Windows-1251.
std::string Folded(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z') byte = byte - 'A' + 'a';
        else if (byte >= 0xC0 && byte <= 0xDF) byte += 0x20;
        else if (byte == 0xA8) byte = 0xB8;
        c = char(byte);
    }
    return out;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (c != ' ') word += c;
        else if (!word.empty()) words.push_back(Folded(word)), word.clear();
    }
    return words;
}

// The service's escaping: character references for quotes and a few signs and symbols.
std::string Escaped(unsigned char byte) {
    switch (byte) {
    case '\'': return "&#39;";
    case '"': return "&quot;";
    case '!': return "&#33;";
    case '$': return "&#036;";
    case 0x85: return "&#8230;";
    case 0x96: return "&#8211;";
    case 0xAB: return "&laquo;";
    case 0xBB: return "&raquo;";
    default: return std::string(1, char(byte));
    }
}

// The text with each matched word opened by the matched-word tag.
std::string Marked(const std::string& text, const std::vector<std::string>& words) {
    std::string folded = Folded(text);
    std::vector<bool> matched(text.size(), false);
    for (const std::string& word : words)
        for (std::size_t at = folded.find(word); at != std::string::npos; at = folded.find(word, at + word.size()))
            for (std::size_t i = at; i < at + word.size(); ++i) matched[i] = true;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (matched[i] && (i == 0 || !matched[i - 1])) out += "<span class=\"match\">";
        out += Escaped(static_cast<unsigned char>(text[i]));
        if (matched[i] && (i + 1 == text.size() || !matched[i + 1])) out += "</b>";
    }
    return out;
}

std::string QueryLink(const std::string& performer) {
    return PercentEncode(performer, [](unsigned char byte) { return byte < 0x80 && std::isalnum(byte) != 0; });
}

std::string HostOf(const httplib::Request& request) {
    std::string host = request.get_header_value("Host");
    return host.substr(0, host.rfind(':') == std::string::npos ? host.size() : host.rfind(':'));
}

std::string NewSessionToken() {
    static std::mt19937_64 random{std::random_device{}()};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(random()));
    return text;
}

} // namespace

std::vector<const DemoTrack*> MatchDemoTracks(const std::string& query) {
    std::vector<std::string> words = Words(query);
    std::vector<const DemoTrack*> found;
    if (words.empty()) return found;
    for (const DemoTrack& track : DemoCatalogue()) {
        std::string haystack = Folded(track.performer + " " + track.title);
        bool all = true;
        for (const std::string& word : words) all = all && haystack.find(word) != std::string::npos;
        if (all) found.push_back(&track);
    }
    return found;
}

std::string DemoResultsPage(const std::string& query, bool signedIn) {
    std::string page = "<html><head><title>Audio search</title></head>\n<body>\n<div id=\"results\">\n";
    std::vector<std::string> words = Words(query);
    int index = 0;
    for (const DemoTrack* track : signedIn ? MatchDemoTracks(query) : std::vector<const DemoTrack*>{}) {
        char duration[16];
        std::snprintf(duration, sizeof duration, "%d:%02d", track->seconds / 60, track->seconds % 60);
        page += "<div class=\"audio\" id=\"audio" + std::to_string(track->user) + "_" + std::to_string(index) + "\">\n";
        page += "<div class=\"play_btn\"><img class=\"playimg\" src=\"/images/play.gif\" onclick=\"operate(" +
                std::to_string(index) + "," + std::to_string(track->server) + "," + std::to_string(track->user) + ",'" +
                track->file + "'," + std::to_string(track->seconds) + ");\"></div>\n";
        page += "<div class=\"performer\"><b><a href='/gsearch.php?section=audio&q=" + QueryLink(track->performer) +
                "' onclick='return searchPerformer(this);'>" + Marked(track->performer, words) + "</a></b> &#8211; " +
                Marked(track->title, words) + "</span></div>\n";
        page += "<div class=\"duration\">" + std::string(duration) + "</div>\n</div>\n";
        ++index;
    }
    if (index == 0) page += "<div class=\"no_results\">Nothing found</div>\n";
    return page + "</div>\n</body></html>\n";
}

DemoService::DemoService(std::string domain) : domain(std::move(domain)), server(new Server) {
    httplib::Server& http = server->http;
    http.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        std::string host = HostOf(request);
        std::string cookies = request.get_header_value("Cookie");
        bool signedIn = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            for (const std::string& token : sessions) signedIn = signedIn || cookies.find("remixsid=" + token) != std::string::npos;
        }
        std::string shownPath = request.path;
        if (request.has_param("pass")) shownPath += " (login, password not shown)";
        Record(host + " " + shownPath + (signedIn ? " session" : " no-session"));

        if (host == "login." + this->domain) {
            if (request.get_param_value("act") != "login") {
                response.set_content("<html><body>Welcome</body></html>", "text/html");
                return;
            }
            if (request.get_param_value("email") != DemoLoginEmail || request.get_param_value("pass") != DemoLoginPassword) {
                response.set_content("<html><body>Wrong e-mail or password</body></html>", "text/html");
                return;
            }
            std::string token = NewSessionToken();
            {
                std::lock_guard<std::mutex> lock(mutex);
                sessions.insert(token);
            }
            response.set_header("Set-Cookie", "remixsid=" + token + "; Domain=" + this->domain + "; Path=/");
            response.set_redirect("/?act=welcome");
            return;
        }
        if (host == this->domain && request.path == "/gsearch.php") {
            response.set_content(DemoResultsPage(request.get_param_value("q"), signedIn), "text/html; charset=windows-1251");
            return;
        }
        std::string suffix = "." + this->domain;
        if (host.size() > suffix.size() + 2 && host.compare(0, 2, "cs") == 0 &&
            host.compare(host.size() - suffix.size(), suffix.size(), suffix) == 0 && request.path.find("/audio/") != std::string::npos) {
            response.set_content(std::string("ID3\x03\0\0\0\0\0\0", 10), "audio/mpeg");
            return;
        }
        response.status = 404;
        response.set_content("Not found", "text/plain");
    });
}

DemoService::~DemoService() { Stop(); }

int DemoService::Start(int port) {
    httplib::Server& http = server->http;
    int bound = port == 0 ? http.bind_to_any_port("127.0.0.1") : (http.bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound < 0) return -1;
    // The socket already listens once bound, so requests made from here on wait in its queue.
    serving = std::thread([&http] { http.listen_after_bind(); });
    return bound;
}

void DemoService::Stop() {
    server->http.stop();
    if (serving.joinable()) serving.join();
}

std::vector<std::string> DemoService::RequestLog() const {
    std::lock_guard<std::mutex> lock(mutex);
    return log;
}

void DemoService::Record(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex);
    log.push_back(line);
    if (echoLog) std::fprintf(stderr, "demo service: %s\n", line.c_str());
}

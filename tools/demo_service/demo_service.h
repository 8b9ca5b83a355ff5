#pragma once
// The demo service: every host of a VKontakte-style service on one loopback port, told apart
// by the Host header. The login host sets a session cookie for the whole domain; the main host
// answers the audio search page, with tracks only for requests that carry the session; the
// stream hosts csN serve the tracks. Texts are Windows-1251 bytes, as the real service sends.
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

// The account the service accepts; the player has it built in.
constexpr const char* DemoLoginEmail = "player@muzyka.example";
constexpr const char* DemoLoginPassword = "271828";

struct DemoTrack {
    std::string performer; // Windows-1251 display text
    std::string title;
    int seconds;
    int server;
    int user;
    std::string file;
};

const std::vector<DemoTrack>& DemoCatalogue();
// The tracks whose performer and title hold every word of the query, letters of either case alike.
std::vector<const DemoTrack*> MatchDemoTracks(const std::string& query);
// The results page for a query, in the service's markup; without tracks when signedIn is false.
std::string DemoResultsPage(const std::string& query, bool signedIn);

class DemoService {
  public:
    explicit DemoService(std::string domain);
    ~DemoService();
    // Listens on 127.0.0.1 only, on the given port or a free one (0), serving from a thread of
    // its own; returns the port, or -1 when it could not listen.
    int Start(int port = 0);
    void Stop();
    // One line a request, in arrival order: host, path without the password, and whether it
    // carried the session cookie.
    std::vector<std::string> RequestLog() const;
    bool echoLog = false; // also print each line on standard error

  private:
    struct Server;
    std::string domain;
    std::unique_ptr<Server> server;
    std::thread serving;
    mutable std::mutex mutex;
    std::vector<std::string> log;    // under mutex
    std::set<std::string> sessions;  // under mutex
    void Record(const std::string& line);
};

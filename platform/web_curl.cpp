#include "web.h"

#include "cp1251.h"

#include <curl/curl.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

CURLSH* cookieStore = nullptr;
std::mutex shareLocks[CURL_LOCK_DATA_LAST];
std::atomic<bool> stopping{false};
std::mutex backgroundMutex;

// Requests in flight; whatever still runs when the process ends is stopped and waited for.
struct BackgroundRequests {
    std::vector<std::thread> threads; // under backgroundMutex
    ~BackgroundRequests() {
        stopping = true;
        for (std::thread& thread : threads)
            if (thread.joinable()) thread.join();
    }
} backgroundRequests;

void LockShare(CURL*, curl_lock_data data, curl_lock_access, void*) { shareLocks[data].lock(); }
void UnlockShare(CURL*, curl_lock_data data, void*) { shareLocks[data].unlock(); }

int StopWhenAsked(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t) { return stopping ? 1 : 0; }

size_t WriteToFile(char* data, size_t size, size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<FILE*>(file)) * size;
}
size_t Discard(char*, size_t size, size_t count, void*) { return size * count; }

// One request with the program's common settings; the caller adds its output and performs it.
CURL* NewRequest(const std::string& address) {
    CURL* request = curl_easy_init();
    if (!request) return nullptr;
    std::string wire = EncodeAddressForWire(address);
    curl_easy_setopt(request, CURLOPT_URL, wire.c_str());
    curl_easy_setopt(request, CURLOPT_SHARE, cookieStore);
    curl_easy_setopt(request, CURLOPT_COOKIEFILE, ""); // the cookie engine, in memory only
    curl_easy_setopt(request, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(request, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(request, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(request, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(request, CURLOPT_LOW_SPEED_TIME, 30L);
    curl_easy_setopt(request, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(request, CURLOPT_USERAGENT, "Muzyka/0.1");
    curl_easy_setopt(request, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(request, CURLOPT_XFERINFOFUNCTION, StopWhenAsked);
    return request;
}

bool Succeeded(CURL* request, CURLcode result) {
    long status = 0;
    curl_easy_getinfo(request, CURLINFO_RESPONSE_CODE, &status);
    return result == CURLE_OK && status >= 200 && status < 300;
}

} // namespace

void InitialiseWeb() {
    if (cookieStore) return;
    curl_global_init(CURL_GLOBAL_DEFAULT);
    cookieStore = curl_share_init();
    curl_share_setopt(cookieStore, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    curl_share_setopt(cookieStore, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    curl_share_setopt(cookieStore, CURLSHOPT_LOCKFUNC, LockShare);
    curl_share_setopt(cookieStore, CURLSHOPT_UNLOCKFUNC, UnlockShare);
    stopping = false;
}

std::string PercentEncode(const std::string& bytes, bool (*keep)(unsigned char byte)) {
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(bytes.size());
    for (unsigned char byte : bytes) {
        if (keep(byte)) encoded += char(byte);
        else encoded += {'%', hex[byte >> 4], hex[byte & 15]};
    }
    return encoded;
}

std::string EncodeAddressForWire(const std::string& address) {
    return PercentEncode(address, [](unsigned char byte) {
        return byte > 0x20 && byte < 0x7F && byte != '"' && byte != '<' && byte != '>' && byte != '\\' &&
               byte != '^' && byte != '`' && byte != '{' && byte != '|' && byte != '}';
    });
}

bool URLDownloadToFileA(const std::string& address, const std::string& path) {
    InitialiseWeb();
    if (path.empty()) return false;
    std::string target = Utf8FromCp1251(path);
    std::string partial = target + ".partXXXXXX";
    int descriptor = mkstemp(partial.data());
    if (descriptor < 0) return false;
    FILE* file = fdopen(descriptor, "wb");
    if (!file) {
        close(descriptor);
        unlink(partial.c_str());
        return false;
    }
    CURL* request = NewRequest(address);
    bool complete = false;
    if (request) {
        curl_easy_setopt(request, CURLOPT_WRITEFUNCTION, WriteToFile);
        curl_easy_setopt(request, CURLOPT_WRITEDATA, file);
        complete = Succeeded(request, curl_easy_perform(request));
        curl_easy_cleanup(request);
    }
    complete = std::fclose(file) == 0 && complete;
    if (complete && std::rename(partial.c_str(), target.c_str()) == 0) return true;
    unlink(partial.c_str());
    return false;
}

void StartBackgroundGet(const std::string& address) {
    InitialiseWeb();
    std::lock_guard<std::mutex> lock(backgroundMutex);
    backgroundRequests.threads.emplace_back([address] {
        if (CURL* request = NewRequest(address)) {
            curl_easy_setopt(request, CURLOPT_WRITEFUNCTION, Discard);
            curl_easy_perform(request);
            curl_easy_cleanup(request);
        }
    });
}

void ShutdownWeb() {
    stopping = true;
    std::vector<std::thread> running;
    {
        std::lock_guard<std::mutex> lock(backgroundMutex);
        running.swap(backgroundRequests.threads);
    }
    for (std::thread& request : running) request.join();
    stopping = false;
}

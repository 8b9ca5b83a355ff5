#pragma once
// Web access over HTTP. Every request of the process, from any thread, shares one cookie store,
// so the cookies that the login sets go out with the search and the downloads; the program
// itself never handles a cookie. Redirects are followed, keeping cookies along the way. No
// request waits for ever: connecting gives up after 10 s, and a transfer that receives nothing
// for 30 s fails. Addresses are Windows-1251 bytes.
#include <string>

// Sets up the shared cookie store; call once, before any request.
void InitialiseWeb();

// Fetches the address into the file at path (Windows-1251). The body goes to a temporary file
// beside the target, which replaces the target only after a complete response with a 2xx
// status. True when that happened.
bool URLDownloadToFileA(const std::string& address, const std::string& path);

// Sends a GET in the background and forgets the answer (its cookies land in the store).
void StartBackgroundGet(const std::string& address);

// Waits for background requests to finish (at most a moment: they are told to stop).
void ShutdownWeb();

// The address as it goes on the wire: bytes that an address cannot carry as they stand
// (spaces, control bytes, bytes above 127 and a few others) are percent-encoded, as a browser does.
std::string EncodeAddressForWire(const std::string& address);

// Every byte for which keep is false written as "%" and two capital hex digits.
std::string PercentEncode(const std::string& bytes, bool (*keep)(unsigned char byte));

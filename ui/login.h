#pragma once
// The session login: a hidden browser requests the login address once at start-up, and the
// service's cookies then go out with every later request. Nothing looks at the answer.
#include <string>

// The built-in account.
void AssignLoginValues();
// "http://login." + domain + "/?act=login&email=" + LoginEmail + "&pass=" + LoginPassword +
// "&expire=&vk =", nothing encoded.
std::string BuildLoginAddress();
// Control 2, outside the client area, which requests the login address after its blank page.
void CreateLoginBrowser();
// Control 9, zero-sized, which loads its blank page and requests nothing else.
void CreateBlankBrowser();

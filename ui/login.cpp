#include "login.h"

#include "../app/program_state.h"
#include "../platform/browser.h"

void AssignLoginValues() {
    LoginEmail = "player@muzyka.example";
    LoginPassword = "271828";
}

std::string BuildLoginAddress() {
    return "http://login." + ServiceDomain + "/?act=login&email=" + LoginEmail + "&pass=" + LoginPassword +
           "&expire=&vk =";
}

void CreateLoginBrowser() { CreateBrowserControl(LoginBrowser, {MainWindow}, -1000, 0, 400, 300, BuildLoginAddress()); }

void CreateBlankBrowser() { CreateBrowserControl(BlankBrowser, {MainWindow}, 0, 0, 0, 0, ""); }

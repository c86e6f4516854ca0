#pragma once

#include <string>
#include <vector>

namespace vestra::webapp {

// The command line of vestra-web, as given; the values are checked by ParseWebOptions.
struct WebCommandLine {
    std::string db;
    std::string host = "127.0.0.1";
    int port = 8080;
    std::string tokenFile;
    std::string basePath; // "" or "/PREFIX" without a final slash
    float rise = 5;
    bool help = false;
    bool version = false;
};

// False with the first error in words (the option and what is wrong with its value).
bool ParseWebOptions(const std::vector<std::string>& args, WebCommandLine& options,
                     std::string& error);

// 127.0.0.0/8, ::1 and "localhost": the addresses that only this machine reaches.
bool IsLoopback(const std::string& host);

extern const char* const kWebUsage;

} // namespace vestra::webapp

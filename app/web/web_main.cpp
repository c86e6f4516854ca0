#include "HttpServer.h"
#include "WebOptions.h"
#include "WorkerStores.h"
#include "base/FileRead.h"
#include "base/ProgramVersion.h"
#include "base/VisibleText.h"
#include "history/DatabaseName.h"
#include "web/WebAccess.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <pthread.h>
#include <thread>

namespace {

using namespace vestra;

int fail(const std::string& text) {
    std::fprintf(stderr, "vestra-web: %s\n", text.c_str());
    return 1;
}

// The token file is small; anything larger is not one.
constexpr std::size_t kLargestTokenFile = 4096;

bool readToken(const std::string& path, std::optional<std::string>& token, std::string& reason) {
    if (path.empty()) {
        return true;
    }
    Expected<FileContents> contents = ReadRegularFile(path, kLargestTokenFile);
    if (!contents) {
        reason = contents.error().text;
        return false;
    }
    token = web::TokenOfFile(contents->whole ? contents->bytes : std::string(), reason);
    if (!token) {
        reason = path + ": " + reason;
    }
    return token.has_value();
}

// SIGTERM and SIGINT are taken by one thread of their own (they are blocked in every other):
// it stops the server, which then finishes the requests it accepted. The server may not yet
// be listening when the signal comes, so the stop is repeated until it has ended.
std::atomic<bool> gServed{false};

#ifdef __GLIBC__
constexpr int kLargeAllocation = 128 * 1024;
#endif

void waitForStop(sigset_t signals) {
    int signal = 0;
    sigwait(&signals, &signal);
    while (!gServed) {
        webapp::Stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace

int main(int argc, char** argv) {
    webapp::WebCommandLine options;
    std::string error;
    if (!webapp::ParseWebOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "vestra-web: %s\nvestra-web: see vestra-web --help\n", error.c_str());
        return 2;
    }
    if (options.version) {
        std::printf("%s\n", VersionLine("vestra-web").c_str());
        return 0;
    }
    if (options.help) {
        std::fputs(webapp::kWebUsage, stdout);
        return 0;
    }
    std::optional<history::DatabaseName> name = history::ParseDatabaseName(options.db, error);
    if (!name) {
        return fail("--db: " + error);
    }
    std::optional<std::string> token;
    if (!readToken(options.tokenFile, token, error)) {
        return fail(error);
    }
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    // A client that goes away mid-answer must not end the server.
    std::signal(SIGPIPE, SIG_IGN);
    std::thread stopper(waitForStop, signals);
    stopper.detach();

#ifdef __GLIBC__
    // Answers of a few hundred kilobytes come and go on eight workers: with the C library's
    // moving threshold they soon come from the workers' arenas, which keep growing a little with
    // every new mix of sizes; mapped and unmapped each time, the server's memory stays flat.
    mallopt(M_MMAP_THRESHOLD, kLargeAllocation);
#endif
    webapp::WorkerStores stores(*name);
    web::WebSite site({options.basePath, options.rise, token}, stores);
    std::fprintf(stderr, "vestra-web: serving %s\n",
                 history::RedactedDatabaseName(options.db).c_str());
    if (Expected<void> prepared = site.prepare(); !prepared) {
        // The pages say so too, and each request tries again.
        std::fprintf(stderr, "vestra-web: the history cannot be read yet: %s\n",
                     VisibleText(prepared.error().text).c_str());
    }
    bool served = webapp::Serve(site, {options.host, options.port}, error);
    gServed = true;
    if (!served) {
        return fail(error);
    }
    std::fputs("vestra-web: stopped\n", stderr);
    return 0;
}

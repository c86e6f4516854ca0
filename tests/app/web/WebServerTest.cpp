#include "base/TemperatureUnit.h"
#include "history/HistoryData.h"
#include "history/TestDatabase.h"
#include "support/ToolRun.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace vestra::testing {
namespace {

constexpr const char* kToken = "team-token-0123456789";

// vestra-web as a program of its own on a free loopback port, its log in the test's folder;
// ended by SIGTERM when the test is done with it.
class WebServer {
public:
    WebServer(const TempFolder& folder, std::vector<std::string> args) : log_(folder.file("log")) {
        args.insert(args.begin(), {VESTRA_WEB_PATH, "--listen", "127.0.0.1:0"});
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; i < 200 && pid_ > 0 && port_ == 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            std::string text = log();
            std::size_t at = text.find("listening on 127.0.0.1:");
            if (at != std::string::npos && text.find('\n', at) != std::string::npos) {
                port_ = std::stoi(text.substr(at + 23));
            }
        }
    }
    ~WebServer() {
        if (pid_ > 0) {
            stop();
        }
    }

    int port() const { return port_; }
    std::string log() const { return ReadBytes(log_); }

    // The exit status after SIGTERM; -1 when the server did not end by itself.
    int stop() {
        int status = TerminateAndWait(pid_);
        pid_ = -1;
        return status;
    }

private:
    std::string log_;
    pid_t pid_ = -1;
    int port_ = 0;
};

class WebServerTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (GetParam() == Backend::Postgresql && !TestServer()) {
            GTEST_SKIP() << kNoServer;
        }
        database_.emplace(GetParam());
        auto store = OpenTestStore(database_->location());
        ASSERT_TRUE(store) << store.error().text;
        for (int round : {1, 2}) {
            ASSERT_TRUE((*store)->add(RoundDataSet(round), TemperatureUnit::Celsius, "r.qmc"));
        }
        WriteBytes(folder_.file("token"), std::string(kToken) + "\n");
        chmod(folder_.file("token").c_str(), 0600);
    }

    std::optional<WebServer> start(std::vector<std::string> args) {
        args.insert(args.begin(), {"--db", database_->location()});
        std::optional<WebServer> server;
        server.emplace(folder_, args);
        EXPECT_NE(server->port(), 0) << server->log();
        return server;
    }

    TempFolder folder_{"vestra-web"};
    std::optional<TestDatabase> database_;
};

TEST_P(WebServerTest, ServesThePagesAndTheApiAndEndsOnSigterm) {
    auto server = start({});
    httplib::Client client("127.0.0.1", server->port());
    const std::tuple<std::string, int, std::string> cases[] = {
        {"/", 200, "2号炉 炉壁"},
        {"/tag?name=TAG2&unit=C", 200, "chart.svg?key=tag&amp;name=TAG2&amp;unit=C"},
        {"/chart.svg?key=tag&name=TAG2&unit=C", 200, "<svg"},
        {"/api/tags", 200, "\"kind\": \"overview\""},
        {"/api/readings?key=tag&name=TAG2&unit=C", 200, "\"value\": 252"},
        {"/data-sets", 200, "PLANT2"},
        {"/api/data-sets", 200, "\"total\": 2"},
        {"/no-<such>-page", 404, "このページはありません"},
    };
    for (const auto& [path, status, fragment] : cases) {
        auto response = client.Get(path.c_str());
        ASSERT_TRUE(response) << path;
        EXPECT_EQ(response->status, status) << path;
        EXPECT_NE(response->body.find(fragment), std::string::npos) << path;
        EXPECT_EQ(response->body.find("<such>"), std::string::npos) << path;
        EXPECT_TRUE(response->has_header("Content-Security-Policy")) << path;
    }
    EXPECT_EQ(server->stop(), 0);
    EXPECT_NE(server->log().find("GET /api/tags 200"), std::string::npos) << server->log();
}

TEST_P(WebServerTest, OnlyTheTokenOpensThePagesAndWrongOnesAreRefusedFor429) {
    auto server = start({"--token-file", folder_.file("token"), "--base-path", "/plant"});
    httplib::Client client("127.0.0.1", server->port());
    auto page = client.Get("/plant/");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 303);
    EXPECT_EQ(page->get_header_value("Location"), "/plant/login");
    EXPECT_EQ(client.Get("/plant/api/tags")->status, 401);

    httplib::Headers overTls{{"X-Forwarded-Proto", "https"}};
    auto login = client.Post("/plant/login", overTls, httplib::Params{{"token", kToken}});
    ASSERT_TRUE(login);
    EXPECT_EQ(login->status, 303);
    EXPECT_EQ(login->get_header_value("Set-Cookie"),
              std::string("vestra_token=") + kToken +
                  "; Path=/plant; HttpOnly; SameSite=Strict; Secure");
    httplib::Headers cookie{{"Cookie", std::string("vestra_token=") + kToken}};
    EXPECT_EQ(client.Get("/plant/", cookie)->status, 200);
    httplib::Headers bearer{{"Authorization", std::string("Bearer ") + kToken}};
    EXPECT_EQ(client.Get("/plant/api/tags", bearer)->status, 200);

    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(client.Post("/plant/login", httplib::Params{{"token", "wrong"}})->status, 401);
    }
    EXPECT_EQ(client.Post("/plant/login", httplib::Params{{"token", kToken}})->status, 429);
    EXPECT_EQ(client.Get("/plant/api/tags", bearer)->status, 429);
    EXPECT_EQ(server->stop(), 0);
    EXPECT_EQ(server->log().find(kToken), std::string::npos);
}

TEST_P(WebServerTest, AnyAddressButLoopbackNeedsAToken) {
    ToolOutcome refused = RunTool(folder_, VESTRA_WEB_PATH,
                                  "--listen 0.0.0.0:0 --db '" + database_->location() + "'");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.errors.find("needs --token-file"), std::string::npos) << refused.errors;
}

// A database file that goes away gives a page and a log line and is read again once it is back;
// a server that dropped the connections (as a restart does) costs no request.
TEST_P(WebServerTest, ADatabaseThatGoesAwayIsReadAgainOnceItIsBack) {
    auto server = start({});
    httplib::Client client("127.0.0.1", server->port());
    // Requests enough for every worker to have its connection.
    for (int i = 0; i < 16; ++i) {
        ASSERT_EQ(client.Get("/api/data-sets")->status, 200);
    }
    const std::string& location = database_->location();
    if (GetParam() == Backend::Sqlite) {
        ASSERT_EQ(std::rename(location.c_str(), (location + ".away").c_str()), 0);
        EXPECT_EQ(client.Get("/api/data-sets")->status, 503);
        EXPECT_NE(server->log().find("GET /api/data-sets 503"), std::string::npos) << server->log();
        ASSERT_EQ(std::rename((location + ".away").c_str(), location.c_str()), 0);
    } else {
        RawConnection(location)->query(
            "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = "
            "current_database() AND pid <> pg_backend_pid()");
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(client.Get("/api/data-sets")->status, 200) << server->log();
    }
}

// A second server on a port in use ends with the reason instead of sharing the port.
TEST_P(WebServerTest, ASecondServerOnAPortInUseSaysItCannotListen) {
    auto server = start({});
    std::string port = std::to_string(server->port());
    ToolOutcome second =
        RunTool(folder_, VESTRA_WEB_PATH,
                "--listen 127.0.0.1:" + port + " --db '" + database_->location() + "'");
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.errors.find("cannot listen on 127.0.0.1:" + port), std::string::npos)
        << second.errors;
}

INSTANTIATE_TEST_SUITE_P(Backends, WebServerTest,
                         ::testing::Values(Backend::Sqlite, Backend::Postgresql), BackendName);

} // namespace
} // namespace vestra::testing

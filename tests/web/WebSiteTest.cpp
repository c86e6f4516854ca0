#include "web/WebSite.h"

#include "base/TemperatureUnit.h"
#include "history/HistoryData.h"
#include "history/TestDatabase.h"

#include <gtest/gtest.h>

namespace vestra::web {
namespace {

constexpr const char* kToken = "0123456789abcdef";

// One store for every request; a failure is counted as the server counts it.
class OneStore : public StoreAccess {
public:
    explicit OneStore(history::HistoryStore* store) : store_(store) {}
    Expected<history::HistoryStore*> store() override {
        if (store_ == nullptr) {
            return unexpected(Error{"gone"});
        }
        return store_;
    }
    void lost() override { ++lost_; }
    int lost_ = 0;

private:
    history::HistoryStore* store_;
};

class WebSiteTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto opened = testing::OpenTestStore(database_.location());
        ASSERT_TRUE(opened) << opened.error().text;
        store_ = std::move(*opened);
        DataSet hostile = testing::RoundDataSet(2);
        hostile.group(2).tag = "<i>&";
        hostile.group(2).remarks[0] = "<script>x</script>";
        for (const DataSet& d : {testing::RoundDataSet(1), testing::RoundDataSet(2), hostile}) {
            auto outcome = store_->add(d, TemperatureUnit::Celsius, "r.qmc");
            ASSERT_TRUE(outcome) << outcome.error().text;
        }
    }

    WebResponse get(WebSite& site, const std::string& path, WebRequest request = {}) {
        request.method = request.method.empty() ? "GET" : request.method;
        request.path = path;
        request.address = "10.0.0.1";
        return site.handle(request);
    }

    // A request with one of its fields set: "method", "cookie", "authorization" or "token".
    static WebRequest with(const std::string& field, const std::string& value) {
        WebRequest request;
        request.method = field == "token" ? "POST" : "GET";
        if (field == "method") {
            request.method = value;
        } else if (field == "cookie") {
            request.cookie = value;
        } else if (field == "authorization") {
            request.authorization = value;
        } else {
            request.params["token"] = value;
        }
        return request;
    }

    static std::string header(const WebResponse& response, const std::string& name) {
        for (const auto& [key, value] : response.headers) {
            if (key == name) {
                return value;
            }
        }
        return "";
    }

    testing::TestDatabase database_{testing::Backend::Sqlite};
    std::unique_ptr<history::HistoryStore> store_;
};

TEST_F(WebSiteTest, PagesAndDocumentsAnswerWithTheirTypeAndSecurityHeaders) {
    OneStore stores(store_.get());
    WebSite site({"/h", 5, std::nullopt}, stores);
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {"/h/", 200, "text/html", "2号炉 炉壁"},
        {"/h/?sort=rise&rise=0.5&q=TAG", 200, "text/html", "<tr class=\"notable\">"},
        {"/h/tag?name=TAG2&unit=C", 200, "text/html", "/h/chart.svg?key=tag&amp;name=TAG2"},
        {"/h/object?name=%E7%82%89&unit=F", 404, "text/html", "記録がありません"},
        {"/h/chart.svg?key=tag&name=TAG2&unit=C", 200, "image/svg+xml", "<svg"},
        {"/h/readings.csv?key=tag&name=TAG2&unit=C", 200, "text/csv", "\"\xC0\xB8\xDE\""},
        {"/h/api/readings?key=object&name=2号炉 炉壁&unit=C", 200, "application/json",
         "\"kind\": \"history-readings\""},
        {"/h/api/tags", 200, "application/json", "\"kind\": \"overview\""},
        {"/h/api/data-sets", 200, "application/json", "\"total\": 3"},
        {"/h/data-sets", 200, "text/html", "/h/data-set?id="},
        {"/h/data-set?id=1", 200, "text/html", "最大値(ﾟC)"},
        {"/h/api/data-set?id=1", 200, "application/json", "\"kind\": \"data-set\""},
        {"/h/data-set?id=x", 400, "text/html", "パラメーター"},
        {"/h/style.css", 200, "text/css", "td.high"},
        {"/h", 303, "text/plain", "303"},
    };
    for (const auto& [target, status, type, fragment] : cases) {
        WebRequest request;
        std::string path = target.substr(0, target.find('?'));
        if (path.size() < target.size()) {
            std::string query = target.substr(path.size() + 1);
            for (std::size_t at = 0; at < query.size();) {
                std::size_t end = std::min(query.find('&', at), query.size());
                std::string pair = query.substr(at, end - at);
                std::size_t equals = pair.find('=');
                request.params[pair.substr(0, equals)] = pair.substr(equals + 1);
                at = end + 1;
            }
        }
        WebResponse response = get(site, path, request);
        EXPECT_EQ(response.status, status) << target;
        EXPECT_TRUE(response.contentType.starts_with(type)) << target;
        EXPECT_NE(response.body.find(fragment), std::string::npos) << target;
        EXPECT_NE(header(response, "Content-Security-Policy").find("default-src 'none'"),
                  std::string::npos);
        EXPECT_EQ(header(response, "X-Content-Type-Options"), "nosniff");
        EXPECT_FALSE(header(response, "Cache-Control").empty());
    }
}

TEST_F(WebSiteTest, TextOfTheHistoryIsEscapedAndUnknownPathsAreNotEchoed) {
    OneStore stores(store_.get());
    WebSite site({"", 5, std::nullopt}, stores);
    WebRequest request;
    request.params = {{"name", "<i>&"}, {"unit", "C"}};
    std::string overview = get(site, "/").body + get(site, "/tag", request).body;
    EXPECT_NE(overview.find("&lt;i&gt;&amp;"), std::string::npos);
    EXPECT_NE(overview.find("&lt;script&gt;x&lt;/script&gt;"), std::string::npos);
    EXPECT_EQ(overview.find("<i>"), std::string::npos);
    EXPECT_EQ(overview.find("<script"), std::string::npos);
    WebResponse missing = get(site, "/secret-<b>probe");
    EXPECT_EQ(missing.status, 404);
    EXPECT_EQ(missing.body.find("probe"), std::string::npos);
    EXPECT_EQ(get(site, "/tag", with("method", "DELETE")).status, 405);
}

TEST_F(WebSiteTest, WithATokenNothingButTheLoginIsAnsweredWithoutIt) {
    OneStore stores(store_.get());
    WebSite site({"/h", 5, kToken}, stores);
    WebResponse page = get(site, "/h/");
    EXPECT_EQ(page.status, 303);
    EXPECT_EQ(header(page, "Location"), "/h/login");
    EXPECT_EQ(get(site, "/h/api/tags").status, 401);
    EXPECT_EQ(get(site, "/h/login").status, 200);
    EXPECT_EQ(
        get(site, "/h/api/tags", with("authorization", std::string("Bearer ") + kToken)).status,
        200);
    EXPECT_EQ(get(site, "/h/", with("cookie", std::string("vestra_token=") + kToken)).status, 200);
    // A page kept for those who gave the token is still no answer for those who did not.
    EXPECT_EQ(get(site, "/h/").status, 303);

    WebRequest login = with("token", kToken);
    login.overTls = true;
    WebResponse in = get(site, "/h/login", login);
    EXPECT_EQ(in.status, 303);
    EXPECT_EQ(header(in, "Set-Cookie"), std::string("vestra_token=") + kToken +
                                            "; Path=/h; HttpOnly; SameSite=Strict; Secure");
}

TEST_F(WebSiteTest, RepeatedWrongTokensAreAnsweredWith429) {
    OneStore stores(store_.get());
    WebSite site({"", 5, kToken}, stores);
    WebRequest wrong = with("token", "guess-guess-guess");
    for (int i = 0; i < LoginLimiter::kMaxFailures; ++i) {
        EXPECT_EQ(get(site, "/login", wrong).status, 401);
    }
    WebRequest right = with("token", kToken);
    EXPECT_EQ(get(site, "/login", right).status, 429);
    EXPECT_EQ(get(site, "/api/tags", with("authorization", std::string("Bearer ") + kToken)).status,
              429);
}

// Pages are kept between requests, but a data set added shows on the next one.
TEST_F(WebSiteTest, ADataSetAddedShowsOnTheNextRequest) {
    OneStore stores(store_.get());
    WebSite site({"", 5, std::nullopt}, stores);
    WebRequest tag;
    tag.params = {{"name", "TAG2"}, {"unit", "C"}};
    auto prepared = site.prepare();
    ASSERT_TRUE(prepared) << prepared.error().text;
    std::string before = get(site, "/").body + get(site, "/tag", tag).body;
    ASSERT_EQ(before, get(site, "/").body + get(site, "/tag", tag).body);
    DataSet added = testing::RoundDataSet(3);
    added.group(2).tag = "NEWTAG";
    auto outcome = store_->add(added, TemperatureUnit::Celsius, "r.qmc");
    ASSERT_TRUE(outcome) << outcome.error().text;
    EXPECT_NE(get(site, "/").body.find("NEWTAG"), std::string::npos);
}

TEST_F(WebSiteTest, ADatabaseThatCannotBeReadGivesAPageAndTheReasonForTheLog) {
    OneStore stores(nullptr);
    WebSite site({"", 5, std::nullopt}, stores);
    auto prepared = site.prepare();
    ASSERT_FALSE(prepared);
    EXPECT_EQ(prepared.error().text, "gone");
    WebResponse page = get(site, "/");
    EXPECT_EQ(page.status, 503);
    EXPECT_EQ(page.note, "gone");
    EXPECT_NE(page.body.find("vestra-cli"), std::string::npos);
}

} // namespace
} // namespace vestra::web

#include "base/AppInfo.h"
#include "data/AlarmMarks.h"
#include "web/HtmlText.h"
#include "web/WebPages.h"

namespace vestra::web {

std::string PageFrame(const std::string& base, std::string_view title, std::string_view body) {
    std::string b = Html(base);
    return "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
           Html(title) + " - " + Html(kAppTitle) +
           " 履歴</title>\n<link rel=\"stylesheet\" href=\"" + b +
           "/style.css\">\n<link rel=\"icon\" type=\"image/svg+xml\" href=\"" + b +
           "/icon.svg\">\n</head>\n<body>\n<nav><a href=\"" + b + "/\">一覧</a> <a href=\"" + b +
           "/data-sets\">データセット</a></nav>\n<main>\n<h1>" + Html(title) + "</h1>\n" +
           std::string(body) + "</main>\n</body>\n</html>\n";
}

std::string AlarmCell(AlarmMark mark) {
    std::string text = AlarmMarkText(mark);
    return text.empty() ? "<td></td>" : "<td class=\"" + text + "\">" + text + "</td>";
}

std::string LoginPage(const std::string& base, bool wrong) {
    std::string body;
    if (wrong) {
        body += "<p class=\"error\">トークンが違います。</p>\n";
    }
    body += "<form method=\"post\" action=\"" + Html(base) +
            "/login\">\n<label>トークン <input type=\"password\" name=\"token\" "
            "autocomplete=\"current-password\" required autofocus></label>\n"
            "<button type=\"submit\">ログイン</button>\n</form>\n";
    return PageFrame(base, "ログイン", body);
}

std::string MessagePage(const std::string& base, std::string_view title, std::string_view text) {
    return PageFrame(base, title, "<p>" + Html(text) + "</p>\n");
}

std::string_view StyleSheet() {
    return "body { font-family: sans-serif; margin: 1em; color: #222; }\n"
           "nav a { margin-right: 1em; }\n"
           "table { border-collapse: collapse; margin: 1em 0; }\n"
           "th, td { border: 1px solid #bbb; padding: 0.2em 0.5em; white-space: nowrap; }\n"
           "th { background: #eee; }\n"
           "td.number { text-align: right; }\n"
           "td.high { color: #d00000; font-weight: bold; }\n"
           "td.low { color: #0000d0; font-weight: bold; }\n"
           "tr.notable { background: #fff3d0; }\n"
           ".error { color: #d00000; }\n"
           "svg.trend polyline { fill: none; stroke: #333; stroke-width: 1; }\n"
           "img.chart { max-width: 100%; border: 1px solid #bbb; }\n"
           "form.filter { margin: 1em 0; }\n";
}

std::string_view IconSvg() {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\" "
           "viewBox=\"0 0 16 16\"><rect x=\"6\" y=\"1\" width=\"4\" height=\"10\" rx=\"2\" "
           "fill=\"#d00000\"/><circle cx=\"8\" cy=\"12\" r=\"3.5\" fill=\"#d00000\"/></svg>\n";
}

} // namespace vestra::web

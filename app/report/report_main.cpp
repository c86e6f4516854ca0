// vestra-report: lays out the printed report with the program's printing code, for vestra-cli,
// which links no Qt and so starts in a few milliseconds for every other output. It is started
// only when a PDF is asked for.
//
//   vestra-report pdf --unit C|F --paper a4|letter
//   vestra-report chart-png --unit C|F --group G --width W --height H
//
// reads a native data file on standard input and writes the PDF, or the PNG chart of group G
// as the main window paints it, on standard output; on failure it writes the reason on
// standard error and exits 1 (2 for bad usage).
#include "chart/GroupChart.h"
#include "chart/QtChartPainter.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "print/ReportPdf.h"
#include "shell/Common.h"
#include "shell/FileRead.h"
#include "shell/MessageSink.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// The caller reports in its own words; only the reason is passed on.
class ReasonOnly : public vestra::MessageSink {
public:
    void showMessage(const std::string& text, vestra::MessageIcon) override { reason = text; }
    void showDetailedMessage(const std::string&, vestra::MessageIcon,
                             const std::string& detail) override {
        reason = detail;
    }
    bool askYesNo(const std::string&, vestra::MessageIcon) override { return true; }
    std::string reason;
};

int fail(const std::string& reason) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
}

bool writeAll(const QByteArray& bytes) {
    std::size_t done = 0;
    while (done < static_cast<std::size_t>(bytes.size())) {
        ssize_t n = ::write(STDOUT_FILENO, bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The data file on standard input, opened as the Open command does.
bool readData(std::string_view unit, vestra::DataStore& store, std::string& reason) {
    vestra::FileContents contents;
    if (!vestra::ReadDescriptor(STDIN_FILENO, vestra::kMaxDataFileBytes, contents, reason)) {
        return false;
    }
    ReasonOnly messages;
    if (!vestra::OpenDataBytes(contents.bytes, "-", store, unit, messages)) {
        reason = messages.reason;
        return false;
    }
    return true;
}

// The caller has checked the numbers; anything else here is bad usage.
int chartPng(int argc, char* argv[]) {
    auto arg = [argv](int i) { return std::string(argv[i]); };
    if (argc != 10 || arg(2) != "--unit" || arg(4) != "--group" || arg(6) != "--width" ||
        arg(8) != "--height") {
        std::fprintf(stderr, "usage: vestra-report chart-png --unit C|F --group G --width W "
                             "--height H\n");
        return 2;
    }
    std::string_view unit = arg(3) == "F" ? vestra::kUnitFahrenheit : vestra::kUnitCelsius;
    int group = std::atoi(argv[5]);
    if (group < 1 || group > vestra::kGroupCount) {
        return fail("group outside 1 to 15");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vestra::DataStore store;
    std::string reason;
    if (!readData(unit, store, reason)) {
        return fail(reason);
    }
    vestra::chart::GroupChart chart = vestra::chart::LayoutGroupChart(
        store.currentData, group, unit, std::atoi(argv[7]), std::atoi(argv[9]));
    QByteArray png = vestra::chart::RenderPng(chart.drawing);
    if (png.isEmpty()) {
        return fail("cannot make the PNG");
    }
    return writeAll(png) ? 0 : fail("cannot write the PNG");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::string(argv[1]) == "chart-png") {
        return chartPng(argc, argv);
    }
    if (argc != 6 || std::string(argv[1]) != "pdf" || std::string(argv[2]) != "--unit" ||
        std::string(argv[4]) != "--paper") {
        std::fprintf(stderr, "usage: vestra-report pdf --unit C|F --paper a4|letter\n");
        return 2;
    }
    std::string unitLetter = argv[3];
    std::string_view unit = unitLetter == "F" ? vestra::kUnitFahrenheit : vestra::kUnitCelsius;
    std::optional<vestra::ReportPaper> paper = vestra::ParseReportPaper(argv[5]);
    if (!paper) {
        return fail("unknown paper");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vestra::DataStore store;
    std::string reason;
    if (!readData(unit, store, reason)) {
        return fail(reason);
    }
    QByteArray pdf = vestra::ReportPdfBytes(store.currentData, unit, *paper, reason);
    if (pdf.isEmpty()) {
        return fail(reason);
    }
    return writeAll(pdf) ? 0 : fail("cannot write the PDF");
}

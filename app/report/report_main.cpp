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
#include "print/QtReportPdf.h"
#include "shell/Common.h"
#include "shell/FileRead.h"
#include "shell/MessageSink.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

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

// What a mode makes of the data: the bytes for standard output, or empty with the reason.
using Render =
    std::function<QByteArray(const vestra::DataSet&, std::string_view unit, std::string& reason)>;

// Reads the data, renders it and writes the result: the part every mode shares.
int renderInput(std::string_view unit, const Render& render) {
    vestra::DataStore store;
    std::string reason;
    if (!readData(unit, store, reason)) {
        return fail(reason);
    }
    QByteArray bytes = render(store.currentData, unit, reason);
    if (bytes.isEmpty()) {
        return fail(reason);
    }
    return writeAll(bytes) ? 0 : fail("cannot write to standard output");
}

std::string_view unitOf(const std::string& letter) {
    return letter == "F" ? vestra::kUnitFahrenheit : vestra::kUnitCelsius;
}

// The caller has checked the numbers; anything else here is bad usage.
int chartPng(const std::vector<std::string>& args) {
    if (args.size() != 9 || args[1] != "--unit" || args[3] != "--group" || args[5] != "--width" ||
        args[7] != "--height") {
        std::fprintf(stderr, "usage: vestra-report chart-png --unit C|F --group G --width W "
                             "--height H\n");
        return 2;
    }
    int group = std::atoi(args[4].c_str());
    if (group < 1 || group > vestra::kGroupCount) {
        return fail("group outside 1 to 15");
    }
    int width = std::atoi(args[6].c_str());
    int height = std::atoi(args[8].c_str());
    return renderInput(unitOf(args[2]), [&](const vestra::DataSet& data, std::string_view unit,
                                            std::string& reason) {
        QByteArray png = vestra::chart::RenderPng(
            vestra::chart::LayoutGroupChart(data, group, unit, width, height).drawing);
        reason = "cannot make the PNG";
        return png;
    });
}

int pdf(const std::vector<std::string>& args) {
    if (args.size() != 5 || args[1] != "--unit" || args[3] != "--paper") {
        std::fprintf(stderr, "usage: vestra-report pdf --unit C|F --paper a4|letter\n");
        return 2;
    }
    std::optional<vestra::ReportPaper> paper = vestra::ParseReportPaper(args[4]);
    if (!paper) {
        return fail("unknown paper");
    }
    return renderInput(unitOf(args[2]), [&](const vestra::DataSet& data, std::string_view unit,
                                            std::string& reason) {
        return vestra::ReportPdfBytes(data, unit, *paper, reason);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // The fonts need a GUI application; the program never shows a window, so no display either.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!args.empty() && args[0] == "chart-png") {
        return chartPng(args);
    }
    if (!args.empty() && args[0] == "pdf") {
        return pdf(args);
    }
    std::fprintf(stderr, "usage: vestra-report pdf|chart-png ...\n");
    return 2;
}

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
#include "OffscreenQt.h"
#include "base/FileRead.h"
#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "chart/GroupChart.h"
#include "chart/QtChartPainter.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "print/PdfStamps.h"
#include "print/QtReportPdf.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <functional>
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
bool readData(vestra::TemperatureUnit unit, vestra::DataStore& store, std::string& reason) {
    vestra::Expected<vestra::FileContents> contents =
        vestra::ReadDescriptor(STDIN_FILENO, vestra::kMaxDataFileBytes);
    if (!contents) {
        reason = contents.error().text;
        return false;
    }
    ReasonOnly messages;
    if (!vestra::OpenDataBytes(contents->bytes, "-", store, unit, messages)) {
        reason = messages.reason;
        return false;
    }
    return true;
}

// What a mode makes of the data: the bytes for standard output, or empty with the reason.
using Render = std::function<QByteArray(const vestra::DataSet&, vestra::TemperatureUnit unit,
                                        std::string& reason)>;

// Reads the data, renders it and writes the result: the part every mode shares.
int renderInput(vestra::TemperatureUnit unit, const Render& render) {
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

// The tool passes "C" or "F"; anything else is taken as Celsius.
vestra::TemperatureUnit unitOf(const std::string& letter) {
    return vestra::UnitFromLetter(letter).value_or(vestra::TemperatureUnit::Celsius);
}

// The caller has checked the numbers; the group is checked again since it indexes the data.
int chartPng(const std::string& unitLetter, int group, int width, int height) {
    if (group < 1 || group > vestra::kGroupCount) {
        return fail("group outside 1 to 15");
    }
    return renderInput(unitOf(unitLetter), [&](const vestra::DataSet& data,
                                               vestra::TemperatureUnit unit, std::string& reason) {
        QByteArray png = vestra::chart::RenderPng(
            vestra::chart::LayoutGroupChart(data, group, unit, width, height).drawing);
        reason = "cannot make the PNG";
        return png;
    });
}

int pdf(const std::string& unitLetter, const std::string& paperName) {
    std::optional<vestra::ReportPaper> paper = vestra::ParseReportPaper(paperName);
    if (!paper) {
        return fail("unknown paper");
    }
    return renderInput(unitOf(unitLetter), [&](const vestra::DataSet& data,
                                               vestra::TemperatureUnit unit, std::string& reason) {
        QByteArray pdf = vestra::ReportPdfBytes(data, unit, *paper, reason);
        // The same data gives the same file: dated by SOURCE_DATE_EPOCH, else by the data.
        std::optional<vestra::DateTime> epoch =
            vestra::SourceDateEpoch(std::getenv("SOURCE_DATE_EPOCH"));
        std::string fixed =
            vestra::WithFixedStamps(pdf.toStdString(), epoch ? *epoch : data.importedAt);
        return QByteArray(fixed.data(), static_cast<qsizetype>(fixed.size()));
    });
}

} // namespace

int main(int argc, char* argv[]) {
    CLI::App app{"", "vestra-report"};
    app.require_subcommand(1);
    std::string unit = "C";
    std::string paper;
    int group = 0;
    int width = 0;
    int height = 0;
    CLI::App* pdfMode = app.add_subcommand("pdf");
    pdfMode->add_option("--unit", unit)->required();
    pdfMode->add_option("--paper", paper)->required();
    CLI::App* pngMode = app.add_subcommand("chart-png");
    pngMode->add_option("--unit", unit)->required();
    pngMode->add_option("--group", group)->required();
    pngMode->add_option("--width", width)->required();
    pngMode->add_option("--height", height)->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        std::fprintf(stderr, "vestra-report: %s\n", error.what());
        return 2;
    }
    std::unique_ptr<QGuiApplication> qt = vestra::report::StartOffscreenQt(argc, argv);
    return pdfMode->parsed() ? pdf(unit, paper) : chartPng(unit, group, width, height);
}

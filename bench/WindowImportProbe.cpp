// One memory import through the application's own serial port and communication window
// (offscreen), timed from opening the port to the window's end. Prints "WALL CPU" in seconds:
// the wall time and the process's user + system time over that stretch.
//
//   window-import-probe DEVICE
#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "device/CommCtl.h"
#include "device/frmTerm.h"
#include "serial/PosixSerialPort.h"
#include "serial/QtPortWaiter.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class StderrMessages : public vestra::MessageSink {
public:
    void showMessage(const std::string& text, vestra::MessageIcon) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    bool askYesNo(const std::string&, vestra::MessageIcon) override { return true; }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window-import-probe DEVICE\n");
        return 2;
    }
    using namespace vestra;
    // In the application the main window is up before any import: fonts and styles are loaded.
    QWidget mainWindow;
    mainWindow.show();
    QApplication::processEvents();
    StderrMessages messages;
    QtPortWaiter waiter;
    PosixSerialPort port(argv[1], waiter);
    CommState state;
    DataStore store;
    auto start = std::chrono::steady_clock::now();
    double cpuBefore = CpuSeconds();
    if (!OpenCommPort(port, state, messages)) {
        return 3;
    }
    state.CurrentMode = ConnectionMode::ModeImportMemory;
    CommResult result =
        RunCommWindow(port, state, store, TemperatureUnit::Celsius, &mainWindow).result;
    double cpu = CpuSeconds() - cpuBefore;
    std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (result != CommResult::ResultOk) {
        std::fprintf(stderr, "the import failed with result %d\n", int(result));
        return 4;
    }
    std::printf("%.3f %.3f\n", wall.count(), cpu);
    return 0;
}

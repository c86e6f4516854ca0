// The least a Qt Widgets program does to show a window with one Japanese text, started and
// ended like the application's probe: the yardstick for its start-up time and its memory. The
// text makes Qt find a Japanese font, as the application's window does. Prints the peak
// resident memory of the process in KiB.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ")));
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    int status = QApplication::exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return status;
}

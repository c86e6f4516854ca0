#include "OffscreenQt.h"

#include <cstdlib>
#include <unistd.h>

namespace vestra::report {

std::unique_ptr<QGuiApplication> StartOffscreenQt(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // mkdtemp makes a new folder only the user may enter, never one someone placed there first.
    QByteArray temp = qgetenv("TMPDIR");
    QByteArray runtime =
        (temp.startsWith('/') ? temp : QByteArray("/tmp")) + "/vestra-report-XXXXXX";
    bool made = ::mkdtemp(runtime.data()) != nullptr;
    if (made) {
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    auto qt = std::make_unique<QGuiApplication>(argc, argv);
    if (made) {
        ::rmdir(runtime.constData());
    }
    return qt;
}

} // namespace vestra::report

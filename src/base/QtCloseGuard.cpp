#include "base/QtCloseGuard.h"

#include <QCloseEvent>
#include <QEvent>
#include <QWidget>

namespace vestra {
namespace {

class CloseBlocker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

constexpr const char* kBlockerName = "vestraCloseBlocker";

} // namespace

void DisableCloseCommand(QWidget* window) {
    if (window->findChild<CloseBlocker*>(kBlockerName, Qt::FindDirectChildrenOnly)) {
        return;
    }
    auto* blocker = new CloseBlocker(window);
    blocker->setObjectName(kBlockerName);
    window->installEventFilter(blocker);
    // Without CustomizeWindowHint most window managers ignore a missing close button hint.
    window->setWindowFlags((window->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                           ~Qt::WindowCloseButtonHint);
}

void ReleaseCloseCommand(QWidget* window) {
    delete window->findChild<CloseBlocker*>(kBlockerName, Qt::FindDirectChildrenOnly);
}

} // namespace vestra

#include "base/QtSelectAllText.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace vestra {
namespace {

class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* box = static_cast<QLineEdit*>(watched);
            // A mouse click that gave the focus would place the cursor after a direct
            // selection; selecting once the click has been handled keeps the selection.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
        return false;
    }
};

} // namespace

void SelectAllOnFocus(QLineEdit* box) {
    box->installEventFilter(new SelectAllFilter(box));
}

} // namespace vestra

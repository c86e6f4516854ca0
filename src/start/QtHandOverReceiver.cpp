#include "start/QtHandOverReceiver.h"

#include <QTimer>

namespace vestra {
namespace {

// Later starts read at once; the others wait in the socket's queue, so that a process opening
// connections without end cannot take every descriptor of the window.
constexpr int kMostOpen = 8;

} // namespace

// One connection while its line comes in.
class HandOverReceiver::Pending : public QObject {
public:
    Pending(std::unique_ptr<HandOverConnection> connection, QObject* parent)
        : QObject(parent), connection_(std::move(connection)),
          readable_(connection_->descriptor(), QSocketNotifier::Read) {
        deadline_.setSingleShot(true);
        deadline_.start(kHandOverLineMs);
    }

    HandOverConnection& connection() { return *connection_; }
    QSocketNotifier& readable() { return readable_; }
    QTimer& deadline() { return deadline_; }
    bool open() const { return readable_.isEnabled(); }
    void close() {
        readable_.setEnabled(false);
        deadline_.stop();
    }

private:
    std::unique_ptr<HandOverConnection> connection_;
    QSocketNotifier readable_; // declared after the connection: unwatched before it is closed
    QTimer deadline_;
};

HandOverReceiver::HandOverReceiver(std::unique_ptr<HandOverListener> listener,
                                   std::function<void(const QString& file)> take)
    : listener_(std::move(listener)), waiting_(listener_->descriptor(), QSocketNotifier::Read),
      take_(std::move(take)) {
    connect(&waiting_, &QSocketNotifier::activated, this, &HandOverReceiver::acceptWaiting);
}

HandOverReceiver::~HandOverReceiver() = default;

void HandOverReceiver::acceptWaiting() {
    while (open_ < kMostOpen) {
        std::unique_ptr<HandOverConnection> connection = listener_->accept();
        if (!connection) {
            break;
        }
        auto* pending = new Pending(std::move(connection), this);
        ++open_;
        connect(&pending->readable(), &QSocketNotifier::activated, pending,
                [this, pending] { readFrom(*pending); });
        connect(&pending->deadline(), &QTimer::timeout, pending,
                [this, pending] { drop(*pending); });
    }
    waiting_.setEnabled(open_ < kMostOpen);
}

void HandOverReceiver::readFrom(Pending& pending) {
    switch (pending.connection().readAvailable()) {
    case HandOverConnection::Progress::Waiting:
        return;
    case HandOverConnection::Progress::Whole:
        // Answered before it is taken, so that the later start ends while the window asks.
        if (pending.connection().answer()) {
            queue_.offer(pending.connection().file());
            QTimer::singleShot(0, this, &HandOverReceiver::takeQueued);
        }
        break;
    case HandOverConnection::Progress::Broken:
        break;
    }
    drop(pending);
}

void HandOverReceiver::drop(Pending& pending) {
    if (!pending.open()) {
        return;
    }
    pending.close();
    pending.deleteLater();
    --open_;
    waiting_.setEnabled(true);
}

void HandOverReceiver::takeQueued() {
    if (taking_) {
        return; // the loop below, further down the stack, takes it next
    }
    taking_ = true;
    while (std::optional<std::string> file = queue_.next()) {
        take_(QString::fromStdString(*file));
    }
    taking_ = false;
}

} // namespace vestra

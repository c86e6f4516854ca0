#include "start/QtSingleInstance.h"

#include "base/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>

namespace vestra {
namespace {

// The running copy answers at once unless a question of its own is open; a few seconds cover a
// loaded machine.
constexpr int kHandOverMs = 5000;

// Two names for one file (a settings file linked from a dotfiles folder) must share the lock.
QString lockPathFor(const QString& settingsFile) {
    QFileInfo file(settingsFile);
    QString real = file.canonicalFilePath();
    return (real.isEmpty() ? file.absoluteFilePath() : real) + QStringLiteral(".lock");
}

} // namespace

QtSingleInstance::QtSingleInstance(const QString& settingsFile) {
    QString path = lockPathFor(settingsFile);
    QDir().mkpath(QFileInfo(path).absolutePath());
    lock_ = std::make_unique<QLockFile>(path);
    // A lock whose process is gone is stale at once; a live one is never stale.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        state_ = InstanceLock::Acquired;
    } else if (lock_->error() == QLockFile::LockFailedError) {
        state_ = InstanceLock::HeldByRunningCopy;
    }
    // A relative runtime folder would put the socket under the current folder: none then.
    std::optional<std::string> runtime = UserFolder("XDG_RUNTIME_DIR", std::nullopt);
    socketPath_ =
        HandOverSocketPath(path.toStdString(), runtime.value_or("")).value_or(std::string());
}

QtSingleInstance::~QtSingleInstance() = default;

void QtSingleInstance::listen(std::function<void(const QString& file)> take) {
    if (state_ != InstanceLock::Acquired || socketPath_.empty()) {
        return;
    }
    listener_ = std::make_unique<HandOverListener>(socketPath_);
    if (listener_->descriptor() < 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(listener_->descriptor(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this, take = std::move(take)] {
                         if (std::optional<std::string> file = listener_->takeOne()) {
                             take(QString::fromStdString(*file));
                         }
                     });
}

bool QtSingleInstance::handOver(const QString& file) const {
    return state_ == InstanceLock::HeldByRunningCopy && !socketPath_.empty() &&
           SendHandOver(socketPath_, file.toStdString(), kHandOverMs);
}

} // namespace vestra

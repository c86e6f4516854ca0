#include "start/QtSingleInstance.h"

#include "base/UserFolders.h"
#include "start/QtHandOverReceiver.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

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
    std::optional<std::string> runtime = UserFolder(UserFolderKind::Runtime);
    place_ = HandOverPlaceFor(path.toStdString(), runtime.value_or(""));
}

QtSingleInstance::~QtSingleInstance() = default;

std::optional<HandOverFault>
QtSingleInstance::listen(std::function<void(const QString& file)> take) {
    if (state_ != InstanceLock::Acquired) {
        return std::nullopt;
    }
    if (place_.fault) {
        return place_.fault;
    }
    auto listener = std::make_unique<HandOverListener>(place_.socketPath);
    if (listener->fault()) {
        return listener->fault();
    }
    receiver_ = std::make_unique<HandOverReceiver>(std::move(listener), std::move(take));
    return std::nullopt;
}

bool QtSingleInstance::handOver(const QString& file) const {
    return state_ == InstanceLock::HeldByRunningCopy && !place_.socketPath.empty() &&
           SendHandOver(place_.socketPath, file.toStdString(), kHandOverMs);
}

} // namespace vestra

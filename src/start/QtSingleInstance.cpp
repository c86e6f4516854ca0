#include "start/QtSingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace vestra {
namespace {

// Two names for one file (a settings file linked from a dotfiles folder) must share the lock.
QString lockPathFor(const QString& settingsFile) {
    QFileInfo file(settingsFile);
    QString real = file.canonicalFilePath();
    return (real.isEmpty() ? file.absoluteFilePath() : real) + QStringLiteral(".lock");
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFile) {
    QString path = lockPathFor(settingsFile);
    QDir().mkpath(QFileInfo(path).absolutePath());
    lock_ = std::make_unique<QLockFile>(path);
    // A lock whose process is gone is stale at once; a live one is never stale.
    lock_->setStaleLockTime(0);
    acquired_ = lock_->tryLock(0);
}

SingleInstance::~SingleInstance() = default;

} // namespace vestra

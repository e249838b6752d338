#include "platform/instance.h"

#include <QDir>
#include <QLockFile>

namespace {
const QString kLockFileName = QStringLiteral("Dorvex.lock");
}

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock() {
    Release();
}

bool InstanceLock::Acquire(const QString& folder) {
    Release();
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(kLockFileName));
    // A running copy keeps its lock however old the file is; only a lock
    // whose process is gone is taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return true;
    }
    return lock->error() != QLockFile::LockFailedError;
}

bool InstanceLock::Held() const {
    return lock_ && lock_->isLocked();
}

void InstanceLock::Release() {
    if (lock_)
        lock_->unlock();
    lock_.reset();
}

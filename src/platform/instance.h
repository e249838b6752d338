#pragma once

#include <QString>
#include <memory>

class QLockFile;

// The single-instance guard: a lock file beside the database. The lock is
// held by a live process only, so a copy of the program that crashed does not
// block the next start.
class InstanceLock {
  public:
    InstanceLock();
    ~InstanceLock(); // gives the lock up
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock of the program running on `folder`. Returns false only
    // when another running copy holds it; a folder where no lock file can be
    // written does not count as another copy.
    bool Acquire(const QString& folder);
    bool Held() const;
    void Release();

  private:
    std::unique_ptr<QLockFile> lock_;
};

#pragma once

// One running copy per user: the first holds a lock file in the user's
// runtime directory for as long as it runs; a second start finds it held.
#include <QLockFile>
#include <QString>
#include <memory>

class SingleInstance {
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    // True when no other running copy holds the lock; this one then keeps it.
    bool acquire();

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};

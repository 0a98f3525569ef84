#include "platform/history/DiskFlush.h"

#include <fcntl.h>
#include <unistd.h>

DiskFlush::DiskFlush(std::string path) : path_(std::move(path)), thread_([this] { run(); }) {}

DiskFlush::~DiskFlush() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    asked_.notify_one();
    thread_.join();
}

void DiskFlush::ask() {
    {
        const std::lock_guard lock(mutex_);
        pending_ = true;
    }
    asked_.notify_one();
}

void DiskFlush::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        asked_.wait(lock, [this] { return pending_ || stopping_; });
        if (!pending_) return;
        pending_ = false;
        lock.unlock();
        // The same file's data, whichever descriptor wrote it.
        const int file = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (file >= 0) {
            ::fdatasync(file);
            ::close(file);
        }
        lock.lock();
    }
}

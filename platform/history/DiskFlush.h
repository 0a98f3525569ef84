#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Brings a file's written data to the disk on a thread of its own, soon after each ask, so that
// whoever wrote it never waits for the disk. Asks that come while a flush runs are served by
// one more flush. A file that cannot be opened is left alone; the next ask tries again.
class DiskFlush {
  public:
    explicit DiskFlush(std::string path);
    // Waits for the flush asked for last.
    ~DiskFlush();
    DiskFlush(const DiskFlush&) = delete;
    DiskFlush& operator=(const DiskFlush&) = delete;

    void ask();

  private:
    void run();

    const std::string path_;
    std::mutex mutex_;  // guards what follows
    std::condition_variable asked_;
    bool pending_ = false;
    bool stopping_ = false;
    std::thread thread_;  // last: it starts once everything above is there
};

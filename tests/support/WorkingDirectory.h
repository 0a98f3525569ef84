#pragma once

#include <QDir>
#include <QString>

// Makes `path` the working directory while it lives and restores the previous one however the
// test leaves the scope, a failed check included.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const QString& path)
        : previous_(QDir::currentPath()), entered_(QDir::setCurrent(path)) {}
    ~WorkingDirectory() { QDir::setCurrent(previous_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    bool entered() const { return entered_; }

  private:
    QString previous_;
    bool entered_;
};

// PipeFeeder: answers a reader of a named pipe put where a program's file belongs, so a reader that must
// never open it fails its test instead of hanging.
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <thread>

// While alive, hands `bytes` to any reader that opens the named pipe at `path`, so a reader that should
// never have opened it fails its test instead of hanging it.
class PipeFeeder {
public:
    PipeFeeder(const QString& path, QByteArray bytes);
    ~PipeFeeder();
    PipeFeeder(const PipeFeeder&) = delete;
    PipeFeeder& operator=(const PipeFeeder&) = delete;

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

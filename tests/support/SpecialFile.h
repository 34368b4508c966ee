// SpecialFile: a named pipe or a link to an endless device where a program's file belongs, for tests of
// readers that must neither block nor read without end.
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <thread>

namespace SpecialFile {
// kind "pipe": a named pipe; "zero": a link to /dev/zero. False when it cannot be made.
bool make(const QString& path, const QString& kind);
} // namespace SpecialFile

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

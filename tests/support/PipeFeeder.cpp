// PipeFeeder: writes to the pipe only once a reader holds it open.
#include "PipeFeeder.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PipeFeeder::PipeFeeder(const QString& path, QByteArray bytes)
    : thread_([this, name = QFile::encodeName(path), bytes = std::move(bytes)] {
          while (!stop_) {
              // Opening the writing end without blocking succeeds only while a reader has it open.
              struct stat st {};
              const bool pipe = ::stat(name.constData(), &st) == 0 && S_ISFIFO(st.st_mode);
              const int fd = pipe ? ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC) : -1;
              if (fd >= 0) {
                  (void)!::write(fd, bytes.constData(), size_t(bytes.size()));
                  ::close(fd);
                  return;
              }
              std::this_thread::sleep_for(std::chrono::milliseconds(20));
          }
      }) {}

PipeFeeder::~PipeFeeder() {
    stop_ = true;
    thread_.join();
}

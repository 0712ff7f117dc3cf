// fuel::Descriptor: a POSIX file descriptor closed when it goes out of scope, for the
// reader and the writer of fuel/.
#pragma once

#include <unistd.h>

#include <cerrno>

namespace fuel {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now; returns the errno of a failed close, 0 when it succeeded.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

}  // namespace fuel

// A full disk and a process that can open no file, for the tests: while one of these lives, the
// process's soft limit is lowered (and raised again at the end; root is bound by it too).
// Under FileSizeLimit no file can grow beyond `bytes`: writes past it fail with EFBIG instead of
// raising SIGXFSZ. Under NoFileOpens the open-file limit is the lowest free descriptor. Pipes
// and sockets already open are not affected.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace zak::testing {

class ResourceLimit {
 public:
  ResourceLimit(int resource, rlim_t soft) : resource_(resource) {
    previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(resource_, &previous_);
    rlimit lowered = previous_;
    lowered.rlim_cur = soft;
    setrlimit(resource_, &lowered);
  }
  ~ResourceLimit() {
    setrlimit(resource_, &previous_);
    std::signal(SIGXFSZ, previousSignal_);
  }
  ResourceLimit(const ResourceLimit&) = delete;
  ResourceLimit& operator=(const ResourceLimit&) = delete;

 private:
  int resource_;
  rlimit previous_{};
  void (*previousSignal_)(int) = nullptr;
};

class FileSizeLimit : public ResourceLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : ResourceLimit(RLIMIT_FSIZE, bytes) {}
};

class NoFileOpens : public ResourceLimit {
 public:
  NoFileOpens() : ResourceLimit(RLIMIT_NOFILE, LowestFreeDescriptor()) {}

 private:
  static rlim_t LowestFreeDescriptor() {
    const int lowest = open("/dev/null", O_RDONLY);
    close(lowest);
    return static_cast<rlim_t>(lowest);
  }
};

}  // namespace zak::testing

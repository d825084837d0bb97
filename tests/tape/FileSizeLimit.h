// A file-size limit for the time of a test, so that writing a file fails as a full disk would
// fail it, also for root (who passes every permission check). Used by the tape tests and the
// window tests of failed saves.
#pragma once

#include <sys/resource.h>
#include <csignal>

class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t Bytes) {
    // A write beyond the limit raises SIGXFSZ, which would end the test; ignored, the write
    // fails with EFBIG instead.
    fHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &fSaved);
    rlimit Limit = fSaved;
    Limit.rlim_cur = Bytes;
    setrlimit(RLIMIT_FSIZE, &Limit);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &fSaved);
    std::signal(SIGXFSZ, fHandler);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit fSaved{};
  void (*fHandler)(int) = nullptr;
};

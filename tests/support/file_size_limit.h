// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file-size limit makes writes fail as a full disk does, without root: past
// the limit a write fails (SIGXFSZ ignored), until the limit goes with this object.

#include <csignal>
#include <sys/resource.h>

namespace tovimar::testing {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace tovimar::testing

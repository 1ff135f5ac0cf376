#pragma once
// Guards against a second copy of the terminal: a lock keyed by a name, held
// for as long as the process runs (an advisory lock on a file in the user's
// runtime folder), so the operating system releases it even after a crash.
#include <string>

namespace pos {

class SingleInstanceGuard {
  public:
    // `folder` empty: the user's runtime folder ($XDG_RUNTIME_DIR, else /tmp).
    explicit SingleInstanceGuard(std::string name, std::string folder = {});
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when this process now holds the lock; false when another copy does.
    bool acquire();
    void release();

  private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace pos

#include "platform/singleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace pos {

SingleInstanceGuard::SingleInstanceGuard(std::string name, std::string folder) {
    if (folder.empty()) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        folder = runtime && *runtime ? runtime : "/tmp";
    }
    // Outside the per-user runtime folder the user's id keeps the name apart.
    path_ = folder + "/" + name + "-" + std::to_string(::getuid()) + ".lock";
}

SingleInstanceGuard::~SingleInstanceGuard() { release(); }

bool SingleInstanceGuard::acquire() {
    if (fd_ >= 0) return true;
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;  // no place for a lock: do not keep the terminal from starting
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void SingleInstanceGuard::release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

}  // namespace pos

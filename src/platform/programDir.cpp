#include "platform/programDir.h"

#include <filesystem>

namespace pos {

std::string programDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return exe.parent_path().string() + "/";
}

}  // namespace pos

#include "platform/program_folder.h"

#include <system_error>

namespace korvo {

std::filesystem::path ProgramFolder() {
  static const std::filesystem::path folder = [] {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error);
    return exe.parent_path();
  }();
  return folder;
}

}  // namespace korvo

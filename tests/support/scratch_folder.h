#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace korvo::testing {

// An empty folder of its own for one test, removed with everything in it when the object
// goes. The name holds the process, a running number and the test's name, so that tests run
// in parallel (ctest -j) never share one.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix = "korvocad") : path_(MakePath(prefix)) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  static std::filesystem::path MakePath(const std::string& prefix) {
    static int counter = 0;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::filesystem::temp_directory_path() /
           (prefix + "_" + std::to_string(::getpid()) + "_" + std::to_string(++counter) + "_" +
            (info ? info->name() : "outside_a_test"));
  }

  std::filesystem::path path_;
};

}  // namespace korvo::testing

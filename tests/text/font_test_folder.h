#pragma once

// A fresh font folder for one test, a recording message box, and no failure reported yet.

#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "tests/text/font_bytes.h"
#include "text/font_failure_report.h"
#include "text/font_files.h"

namespace korvo::test {

class FontFolderTest : public ::testing::Test {
 protected:
  FontFolderTest() : folder_(MakeFolder()), fontFolder_(folder_), messageBox_(messages_) {
    ResetFontFailureReports();
  }
  ~FontFolderTest() override {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
    ResetFontFailureReports();
  }

  void WriteFont(const std::string& fileName, const std::vector<uint8_t>& bytes) {
    WriteFile(folder_ / fileName, bytes);
  }
  void RemoveFont(const std::string& fileName) { std::filesystem::remove(folder_ / fileName); }
  const std::filesystem::path& Folder() const { return folder_; }

  RecordingMessageBox messages_;

 private:
  static std::filesystem::path MakeFolder() {
    static int counter = 0;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("korvocad_fonts_" + std::to_string(::getpid()) + "_" +
                                    std::to_string(++counter) + "_" + (info ? info->name() : "x"));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
  }

  std::filesystem::path folder_;
  ScopedFontFolder fontFolder_;
  ScopedMessageBox messageBox_;
};

}  // namespace korvo::test

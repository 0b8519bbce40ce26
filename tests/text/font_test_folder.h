#pragma once

// A fresh font folder for one test, a recording message box, and no failure reported yet.

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "tests/support/scratch_folder.h"
#include "tests/text/font_bytes.h"
#include "text/font_failure_report.h"
#include "text/font_files.h"

namespace korvo::test {

class FontFolderTest : public ::testing::Test {
 protected:
  FontFolderTest() : fontFolder_(folder_.path()), messageBox_(messages_) {
    ResetFontFailureReports();
  }
  ~FontFolderTest() override { ResetFontFailureReports(); }

  void WriteFont(const std::string& fileName, const std::vector<uint8_t>& bytes) {
    WriteFile(folder_ / fileName, bytes);
  }
  void RemoveFont(const std::string& fileName) { std::filesystem::remove(folder_ / fileName); }
  const std::filesystem::path& Folder() const { return folder_.path(); }

  RecordingMessageBox messages_;

 private:
  testing::ScratchFolder folder_{"korvocad_fonts"};
  ScopedFontFolder fontFolder_;
  ScopedMessageBox messageBox_;
};

}  // namespace korvo::test

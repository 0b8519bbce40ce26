#pragma once

#include <cstddef>
#include <string>

namespace korvo {

class FileWriter;

// Where the DXF writer sends its bytes, in large pieces.
class DxfSink {
 public:
  virtual ~DxfSink() = default;
  // False when the bytes could not be written.
  virtual bool Write(const char* data, std::size_t size) = 0;
};

// Collects the file in memory.
class StringDxfSink : public DxfSink {
 public:
  bool Write(const char* data, std::size_t size) override {
    text.append(data, size);
    return true;
  }

  std::string text;
};

// Passes the bytes to a buffered file.
class FileDxfSink : public DxfSink {
 public:
  explicit FileDxfSink(FileWriter& file) : file_(file) {}
  bool Write(const char* data, std::size_t size) override;

 private:
  FileWriter& file_;
};

}  // namespace korvo

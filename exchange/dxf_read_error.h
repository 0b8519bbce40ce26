#pragma once

#include <stdexcept>
#include <string>

namespace korvo {

// A DXF file that cannot be read: the message names the line (ASCII) or byte offset
// (binary) where reading stopped.
class DxfReadError : public std::runtime_error {
 public:
  explicit DxfReadError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace korvo

// A line type library is outside data: the reader must survive any bytes, and whatever line
// types it yields must be usable by the code that measures and walks patterns.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "text/line_type.h"
#include "text/line_type_library.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  std::vector<std::unique_ptr<korvo::LineType>> types;
  korvo::ParseLineTypeLibrary(bytes, types);
  volatile double sum = 0;
  for (const auto& type : types) {
    sum = sum + type->PatternLength() + double(type->name.size() + type->description.size());
    const korvo::LineType copy(*type);
    sum = sum + double(copy.IsContinuous());
  }
  return 0;
}

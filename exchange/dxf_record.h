#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "exchange/dxf_group.h"
#include "exchange/dxf_group_reader.h"
#include "geometry/point.h"

namespace korvo {

// One record: a 0 group (its value is the record's kind: "SECTION", "LINE", "ENDTAB", ...)
// and every group up to the next 0 group. Every part of a DXF file is a sequence of them.
struct DxfRecord {
  std::string_view kind;
  std::vector<DxfGroup> groups;  // in file order, the 0 group left out
  uint64_t position = 0;         // of the 0 group

  bool Is(std::string_view name) const { return kind == name; }
  // The first group of `code`; null when there is none.
  const DxfGroup* Find(int code) const;
  double Real(int code, double fallback = 0) const;
  int64_t Integer(int code, int64_t fallback = 0) const;
  std::string_view Text(int code, std::string_view fallback = {}) const;
  bool Has(int code) const { return Find(code) != nullptr; }
  // The point of groups `xCode` and `xCode + 10`; (0, 0) where missing.
  Point PointAt(int xCode) const { return Point(Real(xCode), Real(xCode + 10)); }
};

// Splits the groups of a file into records. Groups before the first 0 group form a record of
// no kind.
class DxfRecordReader {
 public:
  explicit DxfRecordReader(std::span<const uint8_t> bytes) : groups_(bytes) {}

  // The next record; false at the end of the data.
  bool Next(DxfRecord& record);
  // The kind of the record that Next gives next, without reading it; empty at the end.
  std::string_view PeekKind();
  const DxfGroupReader& groups() const { return groups_; }

 private:
  void Fill();

  DxfGroupReader groups_;
  DxfGroup pending_;
  bool hasPending_ = false;
  bool ended_ = false;
};

}  // namespace korvo

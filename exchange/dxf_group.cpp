#include "exchange/dxf_group.h"

#include <array>
#include <cstddef>

namespace korvo {

namespace {

struct Range {
  int first;
  int last;
  DxfValueKind kind;
};
// Codes not listed hold text.
constexpr Range kRanges[] = {
    {10, 59, DxfValueKind::Real},      {60, 79, DxfValueKind::Int16},
    {90, 99, DxfValueKind::Int32},     {110, 149, DxfValueKind::Real},
    {160, 169, DxfValueKind::Int64},   {170, 179, DxfValueKind::Int16},
    {210, 239, DxfValueKind::Real},    {270, 289, DxfValueKind::Int16},
    {290, 299, DxfValueKind::Bool},    {310, 319, DxfValueKind::Chunk},
    {370, 389, DxfValueKind::Int16},   {400, 409, DxfValueKind::Int16},
    {420, 429, DxfValueKind::Int32},   {440, 459, DxfValueKind::Int32},
    {460, 469, DxfValueKind::Real},    {1004, 1004, DxfValueKind::Chunk},
    {1010, 1059, DxfValueKind::Real},  {1060, 1070, DxfValueKind::Int16},
    {1071, 1071, DxfValueKind::Int32},
};
constexpr int kLastCode = 1071;

// Every group is looked up: a table rather than a walk over the ranges.
constexpr std::array<DxfValueKind, kLastCode + 1> MakeTable() {
  std::array<DxfValueKind, kLastCode + 1> table{};
  table.fill(DxfValueKind::Text);
  for (const Range& range : kRanges) {
    for (int code = range.first; code <= range.last; ++code) table[code] = range.kind;
  }
  return table;
}
constexpr std::array<DxfValueKind, kLastCode + 1> kTable = MakeTable();

}  // namespace

DxfValueKind KindOfGroup(int code) {
  return code >= 0 && code <= kLastCode ? kTable[static_cast<std::size_t>(code)]
                                        : DxfValueKind::Text;
}

}  // namespace korvo

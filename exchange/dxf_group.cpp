#include "exchange/dxf_group.h"

namespace korvo {

DxfValueKind KindOfGroup(int code) {
  struct Range {
    int first;
    int last;
    DxfValueKind kind;
  };
  // Codes not listed hold text.
  static constexpr Range kRanges[] = {
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
  for (const Range& range : kRanges) {
    if (code >= range.first && code <= range.last) return range.kind;
  }
  return DxfValueKind::Text;
}

}  // namespace korvo

#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/entity.h"
#include "core/entity_list.h"
#include "core/index_box.h"
#include "geometry/point.h"

namespace korvo::bench {

// The simpler structure: a uniform grid over the same boxes, cells about twice a typical
// line's size, each entity listed in every cell its box meets (cells and their members in
// two flat arrays). It answers a rectangle with the entities listed in the cells it meets,
// checked against their boxes and put in list order, as the index's query does.
class UniformGrid {
 public:
  UniformGrid(const EntityList& list, double side, double cell) : cell_(cell) {
    cells_ = std::max(1, static_cast<int>(side / cell) + 1);
    for (const Entity* entity : list) {
      Point min, max;
      GetIndexBox(*entity, min, max);
      boxes_.push_back({Down(min.x), Down(min.y), Up(max.x), Up(max.y)});
    }
    std::vector<uint32_t> counts(static_cast<std::size_t>(cells_) * cells_ + 1, 0);
    ForEachCell([&](uint32_t, std::size_t at) { ++counts[at + 1]; });
    for (std::size_t i = 1; i < counts.size(); ++i) counts[i] += counts[i - 1];
    start_ = counts;
    members_.resize(counts.back());
    ForEachCell([&](uint32_t id, std::size_t at) { members_[counts[at]++] = id; });
  }

  void Query(const Point& lowPoint, const Point& highPoint, std::vector<uint32_t>& out) const {
    out.clear();
    const FloatBox low{Down(lowPoint.x), Down(lowPoint.y), 0, 0};
    const FloatBox high{0, 0, Up(highPoint.x), Up(highPoint.y)};
    const int x0 = Clamp(low.x0), x1 = Clamp(high.x1), y0 = Clamp(low.y0), y1 = Clamp(high.y1);
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        const std::size_t at = static_cast<std::size_t>(y) * cells_ + x;
        for (uint32_t i = start_[at]; i < start_[at + 1]; ++i) {
          const uint32_t id = members_[i];
          const FloatBox& box = boxes_[id];
          if (box.x1 >= low.x0 && box.x0 <= high.x1 && box.y1 >= low.y0 && box.y0 <= high.y1)
            out.push_back(id);
        }
      }
    }
    // An entity in several cells is met once in each; ids are list positions here.
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
  }

  std::size_t Bytes() const {
    return boxes_.capacity() * sizeof(boxes_[0]) + start_.capacity() * sizeof(uint32_t) +
           members_.capacity() * sizeof(uint32_t);
  }

 private:
  int Clamp(double v) const {
    return std::clamp(static_cast<int>(std::floor(v / cell_)), 0, cells_ - 1);
  }
  template <class Visit>
  void ForEachCell(Visit visit) const {
    for (uint32_t id = 0; id < boxes_.size(); ++id) {
      const FloatBox& box = boxes_[id];
      for (int y = Clamp(box.y0); y <= Clamp(box.y1); ++y)
        for (int x = Clamp(box.x0); x <= Clamp(box.x1); ++x)
          visit(id, static_cast<std::size_t>(y) * cells_ + x);
    }
  }

  // Boxes as the index keeps them: floats rounded outward.
  struct FloatBox {
    float x0, y0, x1, y1;
  };
  static float Down(double v) {
    float f = static_cast<float>(v);
    return static_cast<double>(f) > v ? std::nextafter(f, -1e38f) : f;
  }
  static float Up(double v) {
    float f = static_cast<float>(v);
    return static_cast<double>(f) < v ? std::nextafter(f, 1e38f) : f;
  }

  double cell_;
  int cells_ = 1;
  std::vector<FloatBox> boxes_;
  std::vector<uint32_t> start_;
  std::vector<uint32_t> members_;
};

}  // namespace korvo::bench

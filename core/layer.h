#pragma once

#include <cstdint>
#include <string>

namespace korvo {

class LineType;

class Layer {
 public:
  static constexpr uint8_t kFrozen = 0x01;  // entities on it are not visible
  static constexpr uint8_t kLocked = 0x04;  // its entities cannot be selected

  Layer() = default;
  Layer(std::u16string layerName, int layerColorIndex, LineType* layerLineType,
        double layerLineWeight)
      : name(std::move(layerName)),
        lineType(layerLineType),
        colorIndex(static_cast<int16_t>(layerColorIndex)),
        lineWeight(layerLineWeight) {}
  // Copies everything but the file index.
  Layer(const Layer& other)
      : name(other.name),
        flags(other.flags),
        lineType(other.lineType),
        colorIndex(other.colorIndex),
        lineWeight(other.lineWeight) {}
  Layer& operator=(const Layer&) = delete;

  // Equal when name (exactly), flags, line type, colour and line weight are.
  friend bool operator==(const Layer& a, const Layer& b) {
    return a.name == b.name && a.flags == b.flags && a.lineType == b.lineType &&
           a.colorIndex == b.colorIndex && a.lineWeight == b.lineWeight;
  }

  void SetColorIndex(int index) { colorIndex = static_cast<int16_t>(index); }
  // The RGB colour; a negative index gives white.
  uint32_t GetColor() const;
  void SetFrozen(bool on) { flags = on ? (flags | kFrozen) : (flags & ~kFrozen); }
  bool IsFrozen() const { return (flags & kFrozen) != 0; }
  void SetLocked(bool on) { flags = on ? (flags | kLocked) : (flags & ~kLocked); }
  bool IsLocked() const { return (flags & kLocked) != 0; }

  std::u16string name;
  uint8_t flags = 0;
  LineType* lineType = nullptr;
  int16_t colorIndex = 7;
  double lineWeight = -3.0;  // the default line weight
};

}  // namespace korvo

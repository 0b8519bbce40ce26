#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// A named dash pattern. Elements 0, 2, 4, ... are dash lengths and 1, 3, 5, ... gap lengths
// in pattern units; signs from the pattern text are kept, the walk uses absolute values.
class LineType {
 public:
  LineType() = default;
  LineType(std::u16string name, std::u16string description, std::u16string_view patternText,
           bool builtIn = false);
  // A copy is never built in.
  LineType(const LineType& other);
  LineType& operator=(const LineType&) = delete;

  // Copies everything, the built-in mark included.
  void CopyFrom(const LineType& other);
  void AddElement(double value) { pattern.push_back(value); }
  // Sum of the absolute element values (DXF group 40).
  double PatternLength() const;
  // True when the pattern has no complete dash/gap pair and so draws continuous.
  bool IsContinuous() const { return pattern.size() < 2; }

  std::u16string name;
  std::u16string description;
  std::vector<double> pattern;
  uint8_t builtIn = 0;
};

// Every number of a pattern text ("2, -2", "0.5 -0.25 0 -0.25"), in order. Numbers are read
// as "%lf" reads them, whatever the process locale; reading stops at the first text that is
// neither a number nor a separator (comma or white space).
std::vector<double> ParsePattern(std::u16string_view text);

// The four line types built into the program: single objects shared by every drawing.
LineType& ContinuousLineType();
LineType& ByBlockLineType();
LineType& ByLayerLineType();
// The highlight pattern of selected entities; never in a table.
LineType& SelectedLineType();

// Gives the highlight pattern dashes and gaps of about 2.8 pixels at the current zoom; called
// for every new render context. A line type scale of 0 counts as 1.
void ResetSelectedPattern(double pixelSize, double linetypeScale);

}  // namespace korvo

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvo {

class LineType;
class LineTypeTable;

// What the "Line Type/Color/Weight" dialog leaves out, as bits of its restriction mask.
namespace LineTypeDialogMask {
inline constexpr int kNoColorButtons = 1;   // no "By layer" and "By block" buttons
inline constexpr int kNoByLineTypes = 2;    // no BYBLOCK and BYLAYER line types
inline constexpr int kNoByLineWeights = 4;  // no "By Layer" and "By Block" line weights
inline constexpr int kLayer = 7;            // what the layers dialog leaves out
}  // namespace LineTypeDialogMask

// The line type library as read from its file; the dialog offers the types a drawing lacks.
using LineTypeLibrary = std::vector<std::unique_ptr<LineType>>;

// The values the dialog edits. Colour index 256 is by layer and 0 by block; line weights
// -1, -2 and -3 are by layer, by block and default, others millimetres.
struct LineTypeValues {
  LineType* lineType = nullptr;
  int colorIndex = 256;
  double lineWeight = -1.0;
  double linetypeScale = 1.0;
};

// The logic of the "Line Type/Color/Weight" dialog: the line type list, the line weight entry,
// the scale (when the caller edits one) and the colour index with its two buttons. Fields hold
// text as typed; Accept reads them back and refuses values out of range with the framework's
// range messages, leaving the dialog open.
class LineTypeDialogModel {
 public:
  // `library` must outlive the model: a type chosen from it is returned as a pointer into it,
  // and the caller copies it into the drawing (IsFromLibrary says when).
  LineTypeDialogModel(const LineTypeTable& drawingTypes,
                      std::span<const std::unique_ptr<LineType>> library,
                      const LineTypeValues& values, int mask, bool editsScale);

  // --- line types: the built-in BYBLOCK and BYLAYER (unless masked), CONTINUOUS, the
  // drawing's others, then the library's that the drawing does not hold.
  const std::vector<LineType*>& LineTypes() const { return types_; }
  std::size_t SelectedLineType() const { return selectedType_; }
  bool SelectLineType(std::size_t index);
  // By name, without regard to case; false when the list has no such type.
  bool SelectLineType(std::u16string_view name);
  bool IsFromLibrary(std::size_t index) const { return index >= firstLibraryType_; }

  // --- line weight: the entries offered, and the text of the editable box.
  const std::vector<std::u16string>& LineWeightEntries() const { return weightEntries_; }
  const std::u16string& LineWeightText() const { return weightText_; }
  void SetLineWeightText(std::u16string text) { weightText_ = std::move(text); }

  // --- line type scale, shown only when the caller edits one.
  bool EditsScale() const { return editsScale_; }
  const std::u16string& ScaleText() const { return scaleText_; }
  void SetScaleText(std::u16string text) { scaleText_ = std::move(text); }

  // --- colour: the edit box, the two buttons and the swatch.
  bool HasColorButtons() const { return hasColorButtons_; }
  const std::u16string& ColorText() const { return colorText_; }
  // A number 1 to 255 shows in the swatch at once and releases the buttons.
  void SetColorText(std::u16string text);
  bool ByLayerPressed() const { return colorIndex_ == 256 && colorText_.empty(); }
  bool ByBlockPressed() const { return colorIndex_ == 0 && colorText_.empty(); }
  // Set 256 (resp. 0), empty the box and press the button; false without the buttons.
  bool PressByLayer();
  bool PressByBlock();
  // The colour index the swatch shows: what the box holds when it is 1 to 255, else the index
  // the buttons set.
  int SwatchIndex() const;

  // OK: reads every field; on success Result() holds the values. Otherwise ErrorMessage() says
  // why and nothing changes.
  bool Accept();
  const std::u16string& ErrorMessage() const { return error_; }
  const LineTypeValues& Result() const { return result_; }
  // Whether the accepted line type comes from the library.
  bool ResultFromLibrary() const { return IsFromLibrary(selectedType_); }

  // The line weight as the dialog shows it: an entry text or "%4.2f".
  static std::u16string LineWeightTextOf(double weight);

 private:
  std::vector<LineType*> types_;
  std::size_t firstLibraryType_ = 0;
  std::size_t selectedType_ = 0;
  std::vector<std::u16string> weightEntries_;
  std::u16string weightText_;
  bool editsScale_ = false;
  std::u16string scaleText_;
  bool hasColorButtons_ = true;
  std::u16string colorText_;
  int colorIndex_ = 256;
  LineTypeValues result_;
  std::u16string error_;
};

}  // namespace korvo

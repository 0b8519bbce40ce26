#pragma once

#include <string>

#include "exchange/bitmap_export.h"

namespace korvo {

// The logic of the "Output Bitmap options" dialog: a working copy of the options as the
// dialog shows them, written back only by Accept.
class BitmapOptionsModel {
 public:
  static constexpr std::u16string_view kCaption = u"Output Bitmap options";
  static constexpr std::u16string_view kWidthLabel = u"Width:";
  static constexpr std::u16string_view kHeightLabel = u"Height:";
  static constexpr std::u16string_view kBackgroundLabel = u"Background:";
  static constexpr std::u16string_view kBlack = u"Black";
  static constexpr std::u16string_view kWhite = u"White";
  static constexpr std::u16string_view kNotAnInteger = u"Please enter an integer.";

  explicit BitmapOptionsModel(const BitmapExportOptions& options);

  std::u16string widthText;
  std::u16string heightText;
  int backgroundChoice = 0;  // 0 black, 1 white

  // OK: the two texts must be whole numbers (any value: the dialog checks no range). On
  // success the options are replaced and true returned; otherwise `message` says why and
  // the options are left alone.
  bool Accept(BitmapExportOptions& options, std::u16string& message) const;
};

}  // namespace korvo

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/point_flags.h"

namespace korvo {

// A world point as the dialog exchanges it (the platform layer sits below the geometry).
struct DialogPoint {
  double x = 0;
  double y = 0;
};

// What a point question hands to the input dialog.
struct InputDialogRequest {
  bool hasBase = false;  // ignored (no base) when flags hold kPointNoBase
  DialogPoint base;
  DialogPoint defaultPoint;
  uint32_t flags = 0;          // kPoint* bits of the question
  std::u16string description;  // the dialog's caption
};

enum class InputDialogResult { Ok = 1, Cancel = 2, OnScreen = 7 };

struct InputDialogAnswer {
  InputDialogResult result = InputDialogResult::Cancel;
  DialogPoint point;  // set with Ok
};

// The input dialog of the platform: the shell shows a window around an InputDialogModel,
// headless runs answer from a script (platform/headless_input_dialog.h).
class InputDialogService {
 public:
  virtual ~InputDialogService() = default;
  virtual InputDialogAnswer Run(const InputDialogRequest& request) = 0;
};

// How the rows of the dialog are read:
//   Absolute  "X", "Y"     the point itself
//   Relative  "dX", "dY"   offsets from the base point
//   Polar     "A", "L"     angle in degrees (counter-clockwise from +x) and length from the base
//   Angle     "A"          a question about an angle (kPointShowAngle with a base point)
//   Distance  "L"          a question about a distance (kPointShowDistance with a base point)
enum class InputDialogMode : uint8_t { Absolute, Relative, Polar, Angle, Distance };

// The input dialog's logic, shown by any front end: which modes are offered, the rows of the
// chosen mode with their texts, the conversion to a point and the check of typed texts.
//
// Rows start from the default point. Switching modes carries the point the rows denote over
// (or the default point while a row does not read). An answer for an angle gives the point at
// that angle from the base, at the default point's distance from the base (or at distance 1
// when they coincide), so that the direction is all the question takes from it; an answer for
// a distance gives the point at that distance from the base along the direction towards the
// default point (along +x when they coincide). Negative lengths point the other way.
class InputDialogModel {
 public:
  explicit InputDialogModel(InputDialogRequest request);

  const InputDialogRequest& Request() const { return request_; }
  bool HasBase() const;

  // Absolute always; Relative and Polar only with a base point; a question for an angle or a
  // distance offers that mode alone (the angle wins when both bits are set).
  const std::vector<InputDialogMode>& Modes() const { return modes_; }
  InputDialogMode Mode() const { return mode_; }
  bool SetMode(InputDialogMode mode);  // false when the mode is not offered
  static std::u16string_view ModeLabel(InputDialogMode mode);

  // The rows of the current mode, 0-based.
  std::size_t RowCount() const { return rows_.size(); }
  std::u16string_view RowLabel(std::size_t row) const;  // without the colon: "X", "dY", "A"
  std::u16string RowCaption(std::size_t row) const;     // with it: "X:"
  std::u16string_view RowText(std::size_t row) const;
  bool SetRowText(std::size_t row, std::u16string_view text);  // false for a row out of range
  // The row of the current mode with that label (compared without regard to case).
  std::optional<std::size_t> FindRow(std::u16string_view label) const;
  // Sets the row by label; a label of another offered mode switches to that mode first.
  bool SetRowTextByLabel(std::u16string_view label, std::u16string_view text);

  // What the user typed before the dialog opened: "x,y" fills both rows of Absolute (in the
  // first row of a one-row mode, where the pair does not fit, so that OK names the fault);
  // anything else goes into the first row of the current mode. Blanks around it are dropped;
  // an empty text changes nothing.
  void TakeTypedText(std::u16string_view typed);

  // OK: the point the rows denote, or nothing with ErrorMessage() telling why (an empty row,
  // text that is not a finite number, a point out of range). Rows left as they were shown
  // give the point they were shown for, exactly.
  std::optional<DialogPoint> Accept();
  const std::u16string& ErrorMessage() const { return error_; }
  // The row ErrorMessage() is about; nothing when it is about the point as a whole.
  std::optional<std::size_t> ErrorRow() const { return errorRow_; }

  // How a number is shown in a row: angles rounded to a multiple of 0.0001 degree, lengths
  // and coordinates to a multiple of 0.000001.
  static std::u16string FormatAngle(double degrees);
  static std::u16string FormatLength(double value);

 private:
  struct Row {
    std::u16string_view label;
    std::u16string text;
    double shown = 0;  // the exact value the text was made from
    bool edited = false;
  };

  void Load(InputDialogMode mode, const DialogPoint& point);
  std::optional<DialogPoint> Evaluate(std::u16string* error,
                                      std::optional<std::size_t>* errorRow) const;
  DialogPoint FromValues(double first, double second) const;

  InputDialogRequest request_;
  std::vector<InputDialogMode> modes_;
  InputDialogMode mode_ = InputDialogMode::Absolute;
  std::vector<Row> rows_;
  DialogPoint loaded_;
  std::u16string error_;
  std::optional<std::size_t> errorRow_;
};

}  // namespace korvo

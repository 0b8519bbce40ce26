#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/text_style.h"

namespace korvo {

class Drawing;
class MessageBoxService;

// The text fields of the text styles dialog.
enum class TextStyleField { Name, Font, Height, WidthFactor, ObliqueAngle };

// What the fields show: texts as typed, the two check boxes.
struct TextStyleFields {
  std::u16string name;
  std::u16string font;
  std::u16string height;
  std::u16string widthFactor;
  std::u16string obliqueDegrees;
  bool upsideDown = false;
  bool backwards = false;
};

// The names of the stroke fonts in `folder` (files "*.kcdfnt", without the extension), in
// alphabetical order without regard to case; empty when the folder cannot be read.
std::vector<std::u16string> ListFontNames(const std::filesystem::path& folder);

// The logic of the text styles dialog. It works on copies of the drawing's text styles and on
// styles created here; the drawing changes only in Confirm, as one undoable step. Edits of the
// fields stay unapplied until "Apply changes" (or "New"), and switching styles asks what to do
// with them. Messages and questions go to `messages`.
class TextStylesDialogModel {
 public:
  TextStylesDialogModel(Drawing& drawing, MessageBoxService& messages,
                        std::vector<std::u16string> fonts);
  ~TextStylesDialogModel();
  TextStylesDialogModel(const TextStylesDialogModel&) = delete;
  TextStylesDialogModel& operator=(const TextStylesDialogModel&) = delete;

  // --- the style list, in the order of the drawing's table, then the styles created here
  std::size_t StyleCount() const { return rows_.size(); }
  const TextStyle& Style(std::size_t index) const { return *rows_[index].copy; }
  std::optional<std::size_t> SelectedStyle() const { return selected_; }
  // The exact name first, else one that differs in letter case only.
  std::optional<std::size_t> FindStyle(std::u16string_view name) const;
  // Shows another style. With unapplied edits it asks first: Cancel (or a refused apply)
  // keeps the previous style and its edits and returns false; Yes applies them; No drops them.
  bool SelectStyle(std::size_t index);

  const std::vector<std::u16string>& Fonts() const { return fonts_; }

  // --- the fields; every edit enables "Apply changes" and "New"
  const TextStyleFields& Fields() const { return fields_; }
  void SetField(TextStyleField field, std::u16string text);
  void SetUpsideDown(bool on);
  void SetBackwards(bool on);
  bool CanApply() const { return edited_; }
  bool CanNew() const { return edited_; }
  // The buttons; false when disabled or refused (with a message).
  bool New();
  bool Apply();

  // The style the fields describe, for a preview; values that do not read are the selected
  // style's.
  std::unique_ptr<TextStyle> PreviewStyle() const;

  // OK: unapplied edits are asked about as when switching styles; then the fields must read.
  // False leaves the dialog open.
  bool Accept();
  // Replaces the drawing's styles by the working set and makes the selected style current, as
  // one undoable step. The view is the caller's to repaint.
  void Confirm();

 private:
  struct WorkingStyle {
    TextStyle* original = nullptr;  // null for a style created here
    std::unique_ptr<TextStyle> copy;
  };
  // The fields read as a style's values.
  struct Reading {
    std::u16string name;
    std::u16string font;
    double height = 0;
    double widthFactor = 1.0;
    double obliqueAngle = 0;  // radians
    uint8_t flags = 0;
  };

  void ShowStyle(std::size_t index);
  std::optional<Reading> Read();
  bool Refuse(std::u16string_view message);
  bool NameTaken(std::u16string_view name, const TextStyle* except) const;
  bool ResolveEdits();
  void CheckFont(std::u16string_view name);

  Drawing& drawing_;
  MessageBoxService& messages_;
  std::vector<std::u16string> fonts_;
  std::vector<WorkingStyle> rows_;
  std::optional<std::size_t> selected_;
  TextStyleFields fields_;
  bool edited_ = false;
};

}  // namespace korvo

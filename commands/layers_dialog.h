#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/line_type_dialog.h"
#include "core/layer.h"

namespace korvo {

class Drawing;
class MessageBoxService;

// The row action columns of the layers dialog; the numbers are the columns the user taps.
enum class LayerColumn : int { LineType = 1, Frozen = 2, Locked = 3, Current = 4, Delete = 5 };

// The logic of the "Drawing layers" dialog. It works on copies of the drawing's layers (all
// fields but the file index) and on layers created here; the drawing changes only in Confirm,
// as one undoable step. Messages go to `messages`; column 1 opens the line type dialog through
// `runLineType`, which returns true when that dialog was confirmed.
class LayersDialogModel {
 public:
  using LineTypeRunner = std::function<bool(LineTypeDialogModel&)>;

  LayersDialogModel(Drawing& drawing, MessageBoxService& messages, LineTypeLibrary library,
                    LineTypeRunner runLineType);
  ~LayersDialogModel();
  LayersDialogModel(const LayersDialogModel&) = delete;
  LayersDialogModel& operator=(const LayersDialogModel&) = delete;

  // --- rows, in the order of the drawing's table, then the layers created here
  std::size_t RowCount() const { return rows_.size(); }
  const Layer& Row(std::size_t row) const { return *rows_[row].copy; }
  // The current layer's row; nothing when the drawing has no current layer in its table.
  std::optional<std::size_t> CurrentRow() const { return current_; }
  std::optional<std::size_t> SelectedRow() const { return selected_; }
  // The row of that name: the exact name first, else one that differs in letter case only.
  std::optional<std::size_t> FindRow(std::u16string_view name) const;
  // A tap on a row; false for a row out of range.
  bool SelectRow(std::size_t row);
  // A tap on one of the row's action columns. False when the tap changed nothing (a column
  // that is ignored on this row, a refused deletion, a cancelled line type dialog).
  bool RowAction(std::size_t row, LayerColumn column);

  // --- the name edit box and its buttons
  const std::u16string& EditText() const { return editText_; }
  void SetEditText(std::u16string text) { editText_ = std::move(text); }
  bool CanNew() const;
  bool CanRename() const;
  // The buttons; false when the button is disabled or the name is refused (with a message).
  bool New();
  bool Rename();

  // OK: every change becomes one undoable step of the drawing (nothing is recorded when
  // nothing changed). The view is the caller's to repaint.
  void Confirm();

 private:
  struct WorkingLayer {
    Layer* original = nullptr;  // null for a layer created here
    std::unique_ptr<Layer> copy;
  };

  bool NameTaken(std::u16string_view name, const Layer* except, bool ignoreCase) const;
  bool RefuseName(std::u16string_view name, const Layer* except);
  bool EditLineType(WorkingLayer& row);
  void DeleteRow(std::size_t row);
  bool Changes() const;
  LineType* TypeInDrawing(LineType* type);
  void ApplyModified();

  Drawing& drawing_;
  MessageBoxService& messages_;
  LineTypeLibrary library_;
  LineTypeRunner runLineType_;
  std::vector<WorkingLayer> rows_;
  std::optional<std::size_t> current_;
  std::optional<std::size_t> selected_;
  std::u16string editText_;
};

}  // namespace korvo

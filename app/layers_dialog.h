#pragma once

#include <QDialog>
#include <string_view>

#include "app/dialog_help.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace korvo {

class LayersDialogModel;

// The "Drawing layers" dialog over its model: one row per layer with the name, the line type
// and colour (column 1), frozen, locked, current and delete (columns 2 to 5), then the name
// box with "New" and "Rename". A click on a name selects the row; a click on another column
// is that column's action.
class LayersDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr std::u16string_view kHelpTopic = u"LAYERS";

  LayersDialog(LayersDialogModel& model, const DialogHelp& help, QWidget* parent);

  // The table, for tests that click its cells.
  QTableWidget* table() const { return table_; }

 private:
  void Fill();
  void UpdateButtons();
  void CellClicked(int row, int column);

  LayersDialogModel& model_;
  QTableWidget* table_;
  QLineEdit* name_;
  QPushButton* new_;
  QPushButton* rename_;
};

}  // namespace korvo

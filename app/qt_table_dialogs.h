#pragma once

#include <QPointer>
#include <QWidget>
#include <utility>

#include "app/dialog_help.h"
#include "commands/table_dialog_service.h"

namespace korvo {

class MessageBoxService;

// The layers, text styles and line type dialogs as modal Qt dialogs over their models.
class QtTableDialogs : public TableDialogService {
 public:
  // `messages` shows what the line type dialog refuses; it must outlive this object.
  explicit QtTableDialogs(MessageBoxService& messages) : messages_(messages) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  // What the dialogs' Help buttons call; they show none while it is empty.
  void SetHelp(DialogHelp help) { help_ = std::move(help); }

  bool RunLayers(LayersDialogModel& model) override;
  bool RunTextStyles(TextStylesDialogModel& model) override;
  bool RunLineType(LineTypeDialogModel& model) override;

 private:
  MessageBoxService& messages_;
  QPointer<QWidget> parent_;
  DialogHelp help_;
};

}  // namespace korvo

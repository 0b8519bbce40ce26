#pragma once

namespace korvo {

class LayersDialogModel;
class LineTypeDialogModel;
class TextStylesDialogModel;

// The platform's layers, text styles and line type dialogs: the shell shows windows around
// the models, headless runs answer from a script (commands/headless_table_dialogs.h). Each
// runs its dialog modally and returns true when it closed with OK, the model having accepted
// its values; the caller then confirms the model.
class TableDialogService {
 public:
  virtual ~TableDialogService() = default;
  virtual bool RunLayers(LayersDialogModel& model) = 0;
  virtual bool RunTextStyles(TextStylesDialogModel& model) = 0;
  virtual bool RunLineType(LineTypeDialogModel& model) = 0;
};

}  // namespace korvo

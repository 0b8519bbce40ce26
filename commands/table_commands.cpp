#include "commands/table_commands.h"

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/command_table.h"
#include "commands/layers_dialog.h"
#include "commands/line_type_dialog.h"
#include "commands/table_dialog_service.h"
#include "commands/text_styles_dialog.h"
#include "core/drawing.h"
#include "platform/command_bar.h"
#include "text/font_files.h"
#include "text/line_type_library.h"

namespace korvo {
namespace {

LineTypeLibrary LoadLibrary(const TableCommandOptions& options) {
  LineTypeLibrary library;
  // A missing or damaged library leaves the drawing's own types to choose from.
  LoadLineTypeLibrary(options.lineTypeLibrary.value_or(LineTypeLibraryPath()), library);
  return library;
}

// On its own a table command is recorded, shows its button while it runs and closes its undo
// group; inside another command it does neither, and its step joins that command's group.
template <typename Dialog>
void RunTableCommand(CommandEngine& engine, int id, Dialog dialog) {
  const bool alone = engine.CurrentCommandId() == 0;
  if (alone) {
    engine.commandBar().MoveToFront(CommandTable::NameOf(id));
    engine.view().currentCommandId = id;
    engine.SendButtonState(id, true, false);
  }
  if (dialog()) {
    engine.drawing().SetModifiedFlag(true);
    // Frozen layers, colours and fonts change how every entity looks: draw the picture anew.
    engine.view().InvalidatePicture(PictureBitmap::Delete);
    engine.RepaintNow();
  }
  if (alone) {
    engine.drawing().undo.EndUndoGroup();
    engine.SendButtonState(id, false, false);
    engine.view().currentCommandId = 0;
  }
}

bool RunLayers(CommandEngine& engine, TableDialogService& dialogs,
               const TableCommandOptions& options) {
  LayersDialogModel model(
      engine.drawing(), engine.messageBox(), LoadLibrary(options),
      [&dialogs](LineTypeDialogModel& lineType) { return dialogs.RunLineType(lineType); });
  if (!dialogs.RunLayers(model)) return false;
  model.Confirm();
  return true;
}

bool RunStyles(CommandEngine& engine, TableDialogService& dialogs,
               const TableCommandOptions& options) {
  TextStylesDialogModel model(engine.drawing(), engine.messageBox(),
                              ListFontNames(options.fontFolder.value_or(FontFolder())));
  if (!dialogs.RunTextStyles(model)) return false;
  model.Confirm();
  return true;
}

bool RunLineTypes(CommandEngine& engine, TableDialogService& dialogs,
                  const TableCommandOptions& options) {
  Drawing& drawing = engine.drawing();
  DrawingSettings& settings = drawing.settings;
  const LineTypeLibrary library = LoadLibrary(options);
  LineTypeValues values;
  values.lineType = settings.currentLineType;
  values.colorIndex = settings.currentColorIndex;
  values.lineWeight = settings.currentLineWeight;
  values.linetypeScale = settings.linetypeScale;
  LineTypeDialogModel model(drawing.lineTypes, library, values, 0, true);
  if (!dialogs.RunLineType(model)) return false;

  const LineTypeValues& chosen = model.Result();
  drawing.undo.RecordChange(UndoKind::SettingsChanged);
  LineType* type = chosen.lineType;
  if (model.ResultFromLibrary()) {
    if (LineType* held = drawing.lineTypes.Find(type->name)) {
      type = held;
    } else {
      type = new LineType(*type);
      drawing.lineTypes.Add(type);
      drawing.undo.RecordChange(UndoKind::LineTypeAdded, type);
    }
  }
  settings.linetypeScale = chosen.linetypeScale;
  settings.currentLineType = type;
  settings.currentColorIndex = static_cast<int16_t>(chosen.colorIndex);
  settings.currentLineWeight = chosen.lineWeight;
  return true;
}

}  // namespace

void RegisterTableCommands(CommandEngine& engine, TableDialogService& dialogs,
                           TableCommandOptions options) {
  engine.RegisterCommand(CommandId::Layers, [&dialogs, options](CommandEngine& e, int id) {
    RunTableCommand(e, id, [&] { return RunLayers(e, dialogs, options); });
  });
  engine.RegisterCommand(CommandId::Styles, [&dialogs, options](CommandEngine& e, int id) {
    RunTableCommand(e, id, [&] { return RunStyles(e, dialogs, options); });
  });
  engine.RegisterCommand(CommandId::LineTypes, [&dialogs, options](CommandEngine& e, int id) {
    RunTableCommand(e, id, [&] { return RunLineTypes(e, dialogs, options); });
  });
}

}  // namespace korvo

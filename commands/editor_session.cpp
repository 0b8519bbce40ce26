#include "commands/editor_session.h"

#include "commands/cut_commands.h"
#include "commands/draw_commands.h"
#include "commands/help_commands.h"
#include "commands/symbol_commands.h"
#include "commands/table_commands.h"
#include "commands/transform_commands.h"
#include "core/drawing_settings.h"
#include "platform/symbol_catalog.h"

namespace korvo {
namespace {

template <typename Service, typename Own>
Service* Choose(Service* given, std::unique_ptr<Own>& own) {
  if (given != nullptr) return given;
  own = std::make_unique<Own>();
  return own.get();
}

}  // namespace

EditorSession::EditorSession(const EditorSessionOptions& options)
    : profile_(Choose<Profile>(options.profile, ownProfile_)),
      inputDialog_(Choose<InputDialogService>(options.inputDialog, ownInputDialog_)),
      messageBox_(Choose<MessageBoxService>(options.messageBox, ownMessageBox_)),
      propertySheet_(Choose<PropertySheetService>(options.propertySheet, ownPropertySheet_)),
      helpViewer_(Choose<HelpViewer>(options.helpViewer, ownHelpViewer_)),
      fileDialog_(Choose<FileDialogService>(options.fileDialog, ownFileDialog_)),
      tableDialogs_(options.tableDialogs),
      view_(drawing_, *profile_),
      engine_(queue_, drawing_, view_,
              EditorServices{promptLine_, commandBar_, menus_, *inputDialog_, *messageBox_,
                             *profile_, *propertySheet_}),
      frame_(queue_, engine_, commandBar_, viewWindow_),
      viewWindow_(queue_, &frame_, view_, engine_),
      files_(engine_, *fileDialog_, options.bitmapOptionsDialog, [this] { DrawingLoaded(); }) {
  if (tableDialogs_ == nullptr) {
    ownTableDialogs_ = std::make_unique<HeadlessTableDialogs>(*messageBox_);
    tableDialogs_ = ownTableDialogs_.get();
  }
  drawing_.New();
  engine_.AttachWindows(&frame_, &viewWindow_);
  RegisterEditingCommands(engine_);
  RegisterSymbolCommands(engine_, {DefaultSymbolCatalog(), options.symbolDialog});
  RegisterDrawingCommands(engine_);
  RegisterCuttingCommands(engine_);
  RegisterHelpCommands(engine_, *helpViewer_);
  files_.Register();
  frame_.SetCloseQuery([this] { return files_.SaveModified(); });
  RegisterTableCommands(engine_, *tableDialogs_);
  commandBar_.MoveToFront(u"REDO");
  commandBar_.MoveToFront(u"UNDO");
  viewWindow_.SetClientSize(options.width, options.height);
  view_.Resize(options.width, options.height);
}

EditorSession::~EditorSession() {
  frame_.SetCloseQuery(nullptr);
  engine_.AttachWindows(nullptr, nullptr);
}

void EditorSession::DrawingLoaded() {
  view_.InvalidatePicture(PictureBitmap::Delete);
  engine_.SendModeStates();
}

int EditorSession::Run() {
  while (queue_.PumpMessage()) {
  }
  return queue_.ExitCode();
}

void EditorSession::PostCommand(int id) {
  frame_.Post(CommandMessage(&frame_, static_cast<uint32_t>(id)));
}

}  // namespace korvo

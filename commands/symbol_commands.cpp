#include "commands/symbol_commands.h"

#include <cmath>
#include <deque>
#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/insert_preview.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "commands/symbol_dialog.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "core/symbol_import.h"
#include "exchange/dxf_import.h"
#include "exchange/open_as.h"
#include "platform/property_sheet.h"
#include "platform/scoped_change.h"

namespace korvo {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

// BeginCommand on construction; on leaving, however it leaves, the undo group is closed and
// the command ends.
class CommandScope {
 public:
  CommandScope(CommandEngine& engine, int commandId) : engine_(engine) {
    engine.BeginCommand(commandId);
  }
  ~CommandScope() {
    engine_.drawing().undo.EndUndoGroup();
    engine_.EndCommand();
  }
  CommandScope(const CommandScope&) = delete;
  CommandScope& operator=(const CommandScope&) = delete;

 private:
  CommandEngine& engine_;
};

// Only the selected objects are written: the others are flagged erased for the length of the
// write, since a file never holds erased objects.
bool SaveSelection(Drawing& drawing, const std::filesystem::path& path,
                   MessageBoxService& messages) {
  std::deque<ScopedChange<uint8_t>> restore;
  for (Entity* entity : drawing.entities) {
    if (entity->IsSelected()) continue;
    restore.emplace_back(entity->flags);
    entity->flags |= EntityFlag::Erased;
  }
  return SaveDrawing(drawing, path, messages);
}

// The values of the "Select Drawing Block" dialog besides the symbol.
struct InsertOptions {
  double xScale = 1.0;
  double yScale = 1.0;
  double rotationDegrees = 0.0;
  uint8_t updateOnly = 0;
};

// A factor from the cursor: the picked point is where the block's opposite corner lands. A
// block without width (or height) cannot be measured along it, and a factor of 0 would
// flatten the reference; both count as 1.
double FactorOf(double picked, double insertion, double size) {
  if (!(size > 0)) return 1.0;
  const double factor = (picked - insertion) / size;
  return factor == 0 || !std::isfinite(factor) ? 1.0 : factor;
}

double AngleOf(const Point& from, const Point& to) {
  if (from == to) return 0;
  return std::atan2(to.y - from.y, to.x - from.x);
}

// Passes messages on and counts them.
class CountedMessages : public MessageBoxService {
 public:
  explicit CountedMessages(MessageBoxService& messages) : messages_(messages) {}
  MessageAnswer Show(std::u16string_view text, MessageButtons buttons, MessageIcon icon) override {
    ++count;
    return messages_.Show(text, buttons, icon);
  }
  int count = 0;

 private:
  MessageBoxService& messages_;
};

// The symbol file read as a drawing; its messages are the native file's. A file too short to
// hold a magic opens silently as an empty drawing there, which a symbol must not be.
bool ReadSymbol(const std::filesystem::path& path, Drawing& symbol, MessageBoxService& messages) {
  CountedMessages counted(messages);
  if (LowerCaseExtension(path) == ".dxf") {
    // The importer reports what it refuses; a file it takes is a drawing.
    const OpenResult imported = ImportDxf(path, symbol, counted);
    if (imported.opened) return true;
    if (counted.count == 0)
      messages.Show(kUnexpectedFileFormat, MessageButtons::Ok, MessageIcon::Exclamation);
    return false;
  }
  const OpenResult opened = OpenDrawing(path, symbol, counted);
  if (opened.opened && opened.version >= 0) return true;
  if (counted.count == 0)
    messages.Show(kUnexpectedFileFormat, MessageButtons::Ok, MessageIcon::Exclamation);
  return false;
}

// The three answers of one reference; false when the command is to end.
struct Placement {
  Point insertion;
  double xScale = 1.0;
  double yScale = 1.0;
  double rotation = 0.0;
};

// Asks a point while the preview follows the cursor as `shown` places it.
InputResult AskPlaced(CommandEngine& engine, InsertPreview& preview, const Point& base, Point& at,
                      int promptId, int descriptionId, uint32_t flags,
                      const std::function<Placement(const Point&)>& shown) {
  const PenMoveWaiting waiting = [&engine] { return engine.NewerPenMoveQueued(); };
  for (;;) {
    const InputResult result = GetPoint(engine, base, base, at, promptId, descriptionId, flags);
    if (result == InputResult::CursorMoved) {
      const Placement p = shown(at);
      preview.Show(p.insertion, p.xScale, p.yScale, p.rotation, waiting);
      continue;
    }
    if (result == InputResult::PenMoved) continue;
    preview.Hide();
    return result;
  }
}

bool AskPlacement(CommandEngine& engine, const BlockDefinition& block, const InsertOptions& options,
                  Placement& out) {
  InsertPreview preview(engine.view(), block, engine.drawing().settings);
  Placement p;
  p.xScale = options.xScale;
  p.yScale = options.yScale;
  p.rotation = options.rotationDegrees * kDegree;
  Point at;
  InputResult result =
      AskPlaced(engine, preview, {}, at, StringId::InsertPointPrompt,
                StringId::InsertPointDescription, kPointNoBase, [&](const Point& cursor) {
                  Placement moved = p;
                  moved.insertion = cursor;
                  return moved;
                });
  if (result != InputResult::Picked) return false;
  p.insertion = at;

  const auto scaled = [&](const Point& cursor) {
    Placement s = p;
    s.xScale = FactorOf(cursor.x, p.insertion.x, block.extent.width);
    s.yScale = FactorOf(cursor.y, p.insertion.y, block.extent.height);
    return s;
  };
  result = AskPlaced(engine, preview, p.insertion, at, StringId::InsertScalePrompt,
                     StringId::InsertScaleDescription, 0, scaled);
  if (result == InputResult::Picked) {
    p = scaled(at);
  } else if (result != InputResult::Default) {
    return false;
  }

  const auto rotated = [&](const Point& cursor) {
    Placement r = p;
    r.rotation = AngleOf(p.insertion, cursor);
    return r;
  };
  result = AskPlaced(engine, preview, p.insertion, at, StringId::InsertAnglePrompt,
                     StringId::InsertAngleDescription, kPointShowAngle, rotated);
  if (result == InputResult::Picked) {
    p = rotated(at);
  } else if (result != InputResult::Default) {
    return false;
  }
  out = p;
  return true;
}

void AddReference(CommandEngine& engine, const BlockDefinition& block, const Placement& p) {
  Drawing& drawing = engine.drawing();
  auto* insert =
      new InsertEntity(block.name, p.insertion, p.xScale, p.yScale, p.rotation, drawing.settings);
  insert->SetBlock(block);
  drawing.entities.AddTail(insert);
  drawing.undo.RecordEntityChange(UndoKind::EntityAdded, insert);
  drawing.SetModifiedFlag(true);
  engine.RepaintNow();
}

std::optional<SymbolLocation> ChooseSymbol(CommandEngine& engine,
                                           const SymbolCommandOptions& options,
                                           SymbolDialogModel& model,
                                           const SymbolSheetLayout& layout) {
  if (options.dialog != nullptr) return options.dialog->Run(model, engine.profile(), layout);
  return RunSymbolDialog(model, engine.propertySheet(), engine.profile(), layout);
}

}  // namespace

void RunSaveAsSymbol(CommandEngine& engine, const SymbolCommandOptions& options) {
  const CommandScope scope(engine, CommandId::SaveAsSymbol);
  const std::optional<std::u16string> catalog =
      PrepareCatalog(engine.profile(), options.defaultCatalog, engine.messageBox());
  if (!catalog) return;
  SymbolLocation start = ReadSymbolLocation(engine.profile(), false);
  start.catalog = *catalog;
  SymbolDialogModel model(SymbolDialogMode::Save, start, engine.messageBox());
  const std::optional<SymbolLocation> chosen =
      ChooseSymbol(engine, options, model, SymbolSheetLayout{});
  if (!chosen) return;
  Drawing& drawing = engine.drawing();
  const bool saved = drawing.selection.empty()
                         ? SaveDrawing(drawing, model.FilePath(), engine.messageBox())
                         : SaveSelection(drawing, model.FilePath(), engine.messageBox());
  if (saved) WriteSymbolLocation(engine.profile(), *chosen);
}

void RunInsertSymbol(CommandEngine& engine, const SymbolCommandOptions& options) {
  const CommandScope scope(engine, CommandId::DrawInsert);
  const std::optional<std::u16string> catalog =
      PrepareCatalog(engine.profile(), options.defaultCatalog, engine.messageBox());
  if (!catalog) return;
  SymbolLocation start = ReadSymbolLocation(engine.profile(), true);
  start.catalog = *catalog;
  SymbolDialogModel model(SymbolDialogMode::Open, start, engine.messageBox());
  InsertOptions insert;
  SymbolSheetLayout layout;
  layout.title = u"Select Drawing Block";
  layout.nameLabel = u"Symbol:";
  layout.addRows = [&insert](PropertySheetModel& sheet) {
    sheet.AddDoubleRow(u"X scale:", &insert.xScale);
    sheet.AddDoubleRow(u"Y scale:", &insert.yScale);
    sheet.AddDoubleRow(u"Rotation angle:", &insert.rotationDegrees);
    sheet.AddYesNoRow(u"Update Only:", &insert.updateOnly);
  };
  const std::optional<SymbolLocation> chosen = ChooseSymbol(engine, options, model, layout);
  if (!chosen) return;

  Drawing symbol;
  if (!ReadSymbol(model.FilePath(), symbol, engine.messageBox())) return;
  Drawing& drawing = engine.drawing();
  BlockDefinition* block = ImportSymbol(drawing, symbol, chosen->name);
  if (block == nullptr) return;
  drawing.SetModifiedFlag(true);
  engine.RepaintNow();
  if (insert.updateOnly != 0) return;

  Placement placement;
  while (AskPlacement(engine, *block, insert, placement)) AddReference(engine, *block, placement);
}

void RegisterSymbolCommands(CommandEngine& engine, SymbolCommandOptions options) {
  engine.RegisterCommand(CommandId::SaveAsSymbol,
                         [options](CommandEngine& e, int) { RunSaveAsSymbol(e, options); });
  engine.RegisterCommand(CommandId::DrawInsert,
                         [options](CommandEngine& e, int) { RunInsertSymbol(e, options); });
}

}  // namespace korvo

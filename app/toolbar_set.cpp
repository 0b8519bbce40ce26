#include "app/toolbar_set.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>
#include <limits>

#include "app/command_palette.h"
#include "app/main_window.h"
#include "app/prompt_bar.h"
#include "app/toolbar_widget.h"
#include "commands/command_id.h"
#include "commands/command_table.h"
#include "commands/editor_session.h"
#include "commands/toolbar_states.h"
#include "platform/program_folder.h"
#include "platform/scoped_change.h"

namespace korvo {
namespace {

constexpr int kLargeScreenHeight = 480;

QString Path(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

}  // namespace

ToolbarScreen ChooseToolbarScreen(const std::filesystem::path& programFolder, int screenHeight) {
  ToolbarScreen screen;
  screen.large = screenHeight >= kLargeScreenHeight;
  screen.toolbarFolder = programFolder / (screen.large ? "tbl" : "tbs");
  screen.paletteFolder = programFolder / (screen.large ? "cpl" : "cps");
  screen.buttonSize = screen.large ? 48 : 24;
  screen.paletteButtonSize = screen.large ? 80 : 40;
  return screen;
}

ToolbarSet::ToolbarSet(MainWindow& window)
    : QObject(&window), window_(window), session_(window.session()) {
  // Logical pixels: Qt scales images and sizes by the screen's device pixel ratio.
  const QScreen* display =
      window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  const int height = display != nullptr ? display->size().height() : kLargeScreenHeight;
  screen_ = ChooseToolbarScreen(ProgramFolder(), height);
  const int size = screen_.buttonSize;
  recent_.LoadToolbar(screen_.toolbarFolder / "Recent.mnu", size);
  assistant_.LoadToolbar(screen_.toolbarFolder / "Assistant.mnu", size);
  prompt_.LoadToolbar(screen_.toolbarFolder / "Prompt.mnu", size);

  recentWidget_ = new ToolbarWidget(recent_);
  recentWidget_->setObjectName(QStringLiteral("RecentToolBar"));
  assistantWidget_ = new ToolbarWidget(assistant_);
  assistantWidget_->setObjectName(QStringLiteral("Assistant"));
  promptWidget_ = new ToolbarWidget(prompt_);
  promptWidget_->setObjectName(QStringLiteral("PromptToolbar"));
  for (ToolbarWidget* widget : {recentWidget_, assistantWidget_, promptWidget_})
    widget->SetTapHandler([this](const ToolbarItem& item) { Tapped(item); });

  recentBar_ = new QToolBar(QStringLiteral("Recent commands"), &window);
  recentBar_->setObjectName(QStringLiteral("RecentToolBarArea"));
  recentBar_->setMovable(false);
  recentBar_->setFloatable(false);
  recentBar_->addWidget(recentWidget_);
  recentWidget_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  window.addToolBar(Qt::TopToolBarArea, recentBar_);

  PromptBar& bar = window.promptBar();
  bar.SetLook(QPixmap(Path(screen_.toolbarFolder / "promptBackground.bmp")), screen_.large);
  bar.SetToolbars(promptWidget_, assistantWidget_);

  session_.frame().SetButtonStateListener(
      [this](const ButtonState& state) { ShowButtonState(state); });
  session_.engine().RegisterCommand(CommandId::CommandPalette,
                                    [this](CommandEngine& engine, int) { RunPalette(engine); });
}

ToolbarSet::~ToolbarSet() {
  // The session outlives the window: nothing of it may call back into the toolbars.
  session_.frame().SetButtonStateListener(nullptr);
  session_.engine().RegisterCommand(CommandId::CommandPalette, [](CommandEngine&, int) {});
}

void ToolbarSet::Refresh() {
  const Drawing& drawing = session_.drawing();
  for (ToolbarModel* model : {&recent_, &assistant_, &prompt_})
    UpdateToolbarStates(*model, drawing);
  const CommandEngine& engine = session_.engine();
  prompt_.SetButtonEnabled(u"DialogInput", engine.dialogAllowed);
  prompt_.SetButtonEnabled(u"EnterDefault", engine.defaultAllowed);
  for (ToolbarWidget* widget : {recentWidget_, assistantWidget_, promptWidget_}) widget->Refresh();
}

void ToolbarSet::Tapped(const ToolbarItem& item) {
  Run(item.commandText);
}

void ToolbarSet::Run(std::u16string_view commandText) {
  const ToolbarCommand command = ResolveToolbarCommand(commandText);
  if (command.id == 0) return;
  if (command.id == CommandId::NestedCommandBar) {
    window_.promptBar().ToggleAssistant();
    return;
  }
  if (command.id == CommandId::RunScriptCommand) {
    if (runScript_) runScript_(command.scriptName);
    return;
  }
  window_.PostCommand(command.id);
}

void ToolbarSet::ShowButtonState(const ButtonState& state) {
  const int id = static_cast<int>(state.commandId);
  // An announced command moves on the recent toolbar; a script is known by its name only
  // once it runs, so it is recorded when it ends.
  if (id == CommandId::RunScriptCommand) {
    const auto& entries = session_.commandBar().Entries();
    if (!state.pressed && !entries.empty()) RecordRecentCommand(recent_, id, entries.front().name);
  } else if (state.pressed && !state.update) {
    RecordRecentCommand(recent_, id);
  }
  const std::u16string_view name = CommandTable::NameOf(id);
  if (name != CommandTable::kNoCommandName) {
    recent_.SetButtonChecked(name, state.pressed);
    prompt_.SetButtonChecked(name, state.pressed);
    assistant_.SetButtonChecked(name, state.pressed);
  }
  for (ToolbarWidget* widget : {recentWidget_, assistantWidget_, promptWidget_}) widget->Refresh();
}

void ToolbarSet::RunPalette(CommandEngine& engine) {
  ToolbarModel entries(std::numeric_limits<std::size_t>::max());
  if (entries.LoadToolbar(screen_.paletteFolder / "KorvoCAD.mnu", screen_.paletteButtonSize) ==
      ToolbarLoad::Failed)
    return;
  const bool hasEntities = HasEntities(engine.drawing());
  for (std::size_t i = 0; i < entries.Count(); ++i) {
    const std::u16string name(entries.ItemAt(i)->CommandName());
    const int id = CommandTable::IdOf(name);
    if (IsEditingCommand(id)) entries.SetButtonEnabled(name, hasEntities);
  }
  const DrawingSettings& settings = engine.drawing().settings;
  entries.SetButtonChecked(u"ORTHOSNAP", settings.orthoSnap != 0);
  entries.SetButtonChecked(u"GRID", settings.gridOn != 0);
  entries.SetButtonChecked(u"GRIDSNAP", settings.gridSnap != 0);
  entries.SetButtonChecked(u"OBJECTSNAP", settings.objectSnap != 0);
  entries.SetButtonChecked(u"INTSNAP", settings.intersectionSnap != 0);

  const ScopedChange suspend(engine.view().paintSuspended, true);
  std::u16string chosen;
  do {
    CommandPalette palette(entries, screen_.paletteButtonSize, paletteHelp_, &window_);
    if (palette.exec() != QDialog::Accepted) return;
    chosen = palette.Chosen();
  } while (ResolveToolbarCommand(chosen).id == CommandId::CommandPalette);
  Run(chosen);
}

}  // namespace korvo

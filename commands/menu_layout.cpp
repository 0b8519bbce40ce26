#include "commands/menu_layout.h"

#include "commands/command_id.h"
#include "commands/command_table.h"
#include "commands/file_commands.h"
#include "core/drawing_settings.h"
#include "platform/command_menus.h"

namespace korvo {
namespace {

constexpr MenuEntry Item(std::u16string_view text, int id, std::string_view shortcut = {}) {
  return {MenuEntryKind::Command, text, id, shortcut};
}
constexpr MenuEntry Toggle(std::u16string_view text, int id, std::string_view shortcut = {}) {
  return {MenuEntryKind::Toggle, text, id, shortcut};
}
constexpr MenuEntry kSeparator{MenuEntryKind::Separator, {}, 0, {}};

constexpr MenuEntry kFile[] = {
    Item(u"&New", CommandId::New, "Ctrl+N"),
    Item(u"&Open...", FileCommandId::Open, "Ctrl+O"),
    Item(u"&Save", FileCommandId::Save, "Ctrl+S"),
    Item(u"Save &As...", CommandId::SaveAs, "Ctrl+Shift+S"),
    Item(u"Export &DXF Drawing...", CommandId::DxfOut),
    kSeparator,
    Item(u"Save as S&ymbol...", CommandId::SaveAsSymbol),
    kSeparator,
    Item(u"E&xit", CommandId::Exit, "Ctrl+Q"),
};

constexpr MenuEntry kCreate[] = {
    Item(u"&Line", CommandId::DrawLine),
    Item(u"&Polyline", CommandId::DrawPolyline),
    Item(u"&Free Line", CommandId::DrawFreeLine),
    Item(u"&Rectangle", CommandId::DrawRectangle),
    Item(u"Pol&ygon", CommandId::DrawPolygon),
    kSeparator,
    Item(u"&Circle (Center, Radius)", CommandId::DrawCircleRadius),
    Item(u"Circle (Center, D&iameter)", CommandId::DrawCircleDiameter),
    Item(u"Circle (&3 Points)", CommandId::DrawCircle3Point),
    Item(u"&Arc (Center, Start, End)", CommandId::DrawArcCenter),
    Item(u"Arc (Center, Start, An&gle)", CommandId::DrawArcAngle),
    Item(u"Arc (3 P&oints)", CommandId::DrawArc3Point),
    Item(u"&Ellipse (Center, Radius)", CommandId::DrawEllipseRadius),
    Item(u"Ellipse (Dia&meter)", CommandId::DrawEllipseDiameter),
    kSeparator,
    Item(u"Poi&nt", CommandId::DrawPoint),
    Item(u"&Donut", CommandId::DrawDonut),
    Item(u"&Solid", CommandId::DrawSolid),
    Item(u"&Trace", CommandId::DrawTrace),
    Item(u"Te&xt", CommandId::DrawText),
    kSeparator,
    Item(u"Insert Sym&bol...", CommandId::DrawInsert),
};

constexpr MenuEntry kModify[] = {
    Item(u"&Undo", CommandId::Undo, "Ctrl+Z"),
    Item(u"&Redo", CommandId::Redo, "Ctrl+Y"),
    kSeparator,
    Item(u"&Erase", CommandId::Erase, "Del"),
    Item(u"&Move", CommandId::Move),
    Item(u"&Copy", CommandId::Copy),
    Item(u"R&otate", CommandId::Rotate),
    Item(u"&Scale", CommandId::Scale),
    Item(u"M&irror", CommandId::Mirror),
    kSeparator,
    Item(u"Bring to &Front", CommandId::BringToFront),
    Item(u"Send to &Back", CommandId::SendToBack),
    Item(u"Match &Properties", CommandId::MatchProperties),
    Item(u"E&xplode", CommandId::Explode),
};

constexpr MenuEntry kTools[] = {
    Item(u"&Trim", CommandId::Trim),
    Item(u"&Break", CommandId::Break),
    Item(u"&Chamfer", CommandId::Chamfer),
    Item(u"Edit &Polyline", CommandId::PolylineEdit),
    Item(u"&Rectangular Array", CommandId::ArrayRectangular),
    Item(u"Polar &Array", CommandId::ArrayPolar),
    kSeparator,
    Item(u"Insertion Base Poi&nt", CommandId::SetBase),
    Item(u"C&ustom Tool...", CommandId::RunScript),
    // Dimensions, hatching and leaders are named commands that nothing executes; they get
    // entries once they do.
};

constexpr MenuEntry kView[] = {
    Item(u"Zoom &All", CommandId::ZoomAll, "Home"),
    Item(u"Zoom &Window", CommandId::ZoomWindow),
    Item(u"&Zoom In/Out", CommandId::ZoomInOut),
    Item(u"Zoom &In", CommandId::ZoomInOnce, "Ctrl++"),
    Item(u"Zoom &Out", CommandId::ZoomOutOnce, "Ctrl+-"),
    kSeparator,
    Item(u"Command &Palette", CommandId::CommandPalette),
    Item(u"A&ssistant", CommandId::NestedCommandBar),
};

constexpr MenuEntry kSettings[] = {
    Toggle(u"&Grid", CommandId::Grid, "F7"),
    Toggle(u"&Ortho", CommandId::OrthoSnap, "F8"),
    Toggle(u"Grid &Snap", CommandId::GridSnap, "F9"),
    Toggle(u"O&bject Snap", CommandId::ObjectSnap, "F3"),
    Toggle(u"&Intersection Snap", CommandId::IntersectionSnap, "F4"),
    kSeparator,
    Item(u"&Layers...", CommandId::Layers),
    Item(u"&Text Styles...", CommandId::Styles),
    Item(u"Line T&ypes...", CommandId::LineTypes),
    Item(u"&Drawing Settings...", CommandId::Settings),
};

constexpr MenuEntry kHelp[] = {
    Item(u"&Contents", CommandId::HelpContents),
    Item(u"&Help on the Running Command", CommandId::HelpCurrentCommand, "F1"),
    Item(u"&Quick Start", CommandId::HelpQuickStart),
};

constexpr MenuDefinition kMainMenus[] = {
    {u"&File", MenuPart::Always, kFile},       {u"&Create", MenuPart::Commands, kCreate},
    {u"&Modify", MenuPart::Commands, kModify}, {u"&Tools", MenuPart::Commands, kTools},
    {u"&View", MenuPart::Always, kView},       {u"&Settings", MenuPart::Always, kSettings},
    {u"&Help", MenuPart::Always, kHelp},
};

// "This is..." is the help on the running command.
constexpr MenuEntry kCommandOptions[] = {
    Item(u"Dialog...", CommandId::DialogInput),
    Item(u"This is...", CommandId::HelpCurrentCommand),
};
constexpr MenuEntry kSelectionOptions[] = {
    Item(u"Select All", CommandId::SelectAll),
    Item(u"Delselect All", CommandId::DeselectAll),
    Item(u"Window", CommandId::SelectWindow),
    Item(u"This is...", CommandId::HelpCurrentCommand),
};
constexpr MenuEntry kPolylineOptions[] = {
    Item(u"Line", CommandId::PolylineLines),
    Item(u"Arc by Center", CommandId::PolylineArcsByCenter),
    Item(u"Tangential Arc", CommandId::PolylineTangentArcs),
    Item(u"Close", CommandId::PolylineClose),
    Item(u"Dialog...", CommandId::DialogInput),
    Item(u"This is...", CommandId::HelpCurrentCommand),
};

}  // namespace

bool IsModeToggle(int id) {
  for (const int toggle : kModeToggleCommands) {
    if (id == toggle) return true;
  }
  return false;
}

bool IsModeOn(const DrawingSettings& settings, int id) {
  switch (id) {
    case CommandId::Grid:
      return settings.gridOn != 0;
    case CommandId::OrthoSnap:
      return settings.orthoSnap != 0;
    case CommandId::GridSnap:
      return settings.gridSnap != 0;
    case CommandId::ObjectSnap:
      return settings.objectSnap != 0;
    case CommandId::IntersectionSnap:
      return settings.intersectionSnap != 0;
    default:
      return false;
  }
}

std::span<const MenuDefinition> MainMenus() {
  return kMainMenus;
}

std::span<const MenuEntry> CommandMenuOptions(int menuBar) {
  switch (menuBar) {
    case kCommandMenuBar:
      return kCommandOptions;
    case kSelectionMenuBar:
      return kSelectionOptions;
    case kPolylineMenuBar:
      return kPolylineOptions;
    default:
      return {};
  }
}

}  // namespace korvo

#include "commands/command_table.h"

#include <algorithm>

#include "platform/utf16.h"

namespace korvo {
namespace {

// The order is part of the table: lookups take the first match.
constexpr CommandRow kRows[] = {
    {u"CMDPALETTE", CommandId::CommandPalette},
    {u"EnterDefault", CommandId::EnterDefault},
    {u"DialogInput", CommandId::DialogInput},
    {u"NestedCommandBar", CommandId::NestedCommandBar},
    {u"new", CommandId::New},
    {u"file_DXFOUT", CommandId::DxfOut},
    {u"create_leader", CommandId::CreateLeader},
    {u"GRID", CommandId::Grid},
    {u"ORTHOSNAP", CommandId::OrthoSnap},
    {u"GRIDSNAP", CommandId::GridSnap},
    {u"OBJECTSNAP", CommandId::ObjectSnap},
    {u"INTSNAP", CommandId::IntersectionSnap},
    {u"save_as", CommandId::SaveAs},
    {u"draw_LINE", CommandId::DrawLine},
    {u"draw_FSOLID", CommandId::DrawSolid},
    {u"draw_TEXT", CommandId::DrawText},
    {u"draw_INSERT", CommandId::DrawInsert},
    {u"draw_FREELINE", CommandId::DrawFreeLine},
    {u"draw_ELLIPSERAD", CommandId::DrawEllipseRadius},
    {u"draw_POLYLINE", CommandId::DrawPolyline},
    {u"draw_RECTANGLE", CommandId::DrawRectangle},
    {u"draw_TRACE", CommandId::DrawTrace},
    {u"draw_COPY", CommandId::Copy},
    {u"draw_CIRCLERAD", CommandId::DrawCircleRadius},
    {u"draw_CIRCLE3PT", CommandId::DrawCircle3Point},
    {u"draw_CIRCLEDIA", CommandId::DrawCircleDiameter},
    {u"draw_ARCANG", CommandId::DrawArcAngle},
    {u"draw_ARCCEN", CommandId::DrawArcCenter},
    {u"draw_ARC3PT", CommandId::DrawArc3Point},
    {u"draw_POINT", CommandId::DrawPoint},
    {u"draw_ATTDEF", CommandId::DrawAttributeDefinition},
    {u"draw_ELLIPSEDIA", CommandId::DrawEllipseDiameter},
    {u"draw_DONUT", CommandId::DrawDonut},
    {u"draw_DONUT", CommandId::DrawDonut},
    {u"draw_POLYGON", CommandId::DrawPolygon},
    {u"modify_MOVE", CommandId::Move},
    {u"modify_MIRROR", CommandId::Mirror},
    {u"modify_ROTATE", CommandId::Rotate},
    {u"modify_SCALE", CommandId::Scale},
    {u"modify_FRONT", CommandId::BringToFront},
    {u"modify_BACK", CommandId::SendToBack},
    {u"modify_ERASE", CommandId::Erase},
    {u"modify_MATCHPROPS", CommandId::MatchProperties},
    {u"modify_EXPLODE", CommandId::Explode},
    {u"tool_BREAK", CommandId::Break},
    {u"tool_TRIM", CommandId::Trim},
    {u"tool_ARRAYRECT", CommandId::ArrayRectangular},
    {u"tool_ARRAYPOLAR", CommandId::ArrayPolar},
    {u"tool_CHAMFER", CommandId::Chamfer},
    {u"tool_DIMHORZ", CommandId::DimensionHorizontal},
    {u"tool_DIMVERT", CommandId::DimensionVertical},
    {u"tool_DIMALGN", CommandId::DimensionAligned},
    {u"tool_USERHATCH", CommandId::UserHatch},
    {u"tool_RUNSJSCRIPT", CommandId::RunScript},
    {u"tool_PEDIT", CommandId::PolylineEdit},
    {u"ZOOMALL", CommandId::ZoomAll},
    {u"ZOOMWIN", CommandId::ZoomWindow},
    {u"LAYERS", CommandId::Layers},
    {u"STYLES", CommandId::Styles},
    {u"SETTINGS", CommandId::Settings},
    {u"LINE_TYPES", CommandId::LineTypes},
    {u"SETBASE", CommandId::SetBase},
    {u"ZOOMINOUT", CommandId::ZoomInOut},
    {u"ZOOMIN", CommandId::ZoomIn},
    {u"ZOOMINONCE", CommandId::ZoomInOnce},
    {u"ZOOMOUTONCE", CommandId::ZoomOutOnce},
    {u"UNDO", CommandId::Undo},
    {u"REDO", CommandId::Redo},
    {u"ASSISTANT", CommandId::NestedCommandBar},
};

constexpr int kInterrupting[] = {CommandId::New,
                                 CommandId::DrawLine,
                                 CommandId::CreateLeader,
                                 CommandId::DrawCircleRadius,
                                 CommandId::DrawCircle3Point,
                                 CommandId::DrawCircleDiameter,
                                 CommandId::DrawArcCenter,
                                 CommandId::DrawArcAngle,
                                 CommandId::DrawArc3Point,
                                 CommandId::Move,
                                 CommandId::DrawRectangle,
                                 CommandId::DrawTrace,
                                 CommandId::DrawInsert,
                                 CommandId::DrawPoint,
                                 CommandId::DrawAttributeDefinition,
                                 CommandId::SaveAs,
                                 CommandId::DrawSolid,
                                 CommandId::DrawText,
                                 CommandId::Erase,
                                 CommandId::Copy,
                                 CommandId::Rotate,
                                 CommandId::DrawFreeLine,
                                 CommandId::Scale,
                                 CommandId::DrawEllipseRadius,
                                 CommandId::DrawEllipseDiameter,
                                 CommandId::BringToFront,
                                 CommandId::SendToBack,
                                 CommandId::DrawPolyline,
                                 CommandId::MatchProperties,
                                 CommandId::ZoomWindow,
                                 CommandId::SetBase,
                                 CommandId::Chamfer,
                                 CommandId::Mirror,
                                 CommandId::ZoomIn,
                                 CommandId::ZoomOut,
                                 CommandId::ZoomInOut,
                                 CommandId::Undo,
                                 CommandId::Redo,
                                 CommandId::RunScript,
                                 CommandId::RunScriptCommand,
                                 CommandId::Trim,
                                 CommandId::ArrayRectangular,
                                 CommandId::ArrayPolar,
                                 CommandId::Break,
                                 CommandId::DimensionHorizontal,
                                 CommandId::DimensionVertical,
                                 CommandId::DimensionAligned,
                                 CommandId::UserHatch,
                                 CommandId::ZoomReserved,
                                 CommandId::PolylineEdit,
                                 CommandId::Explode};
static_assert(std::size(kInterrupting) == kInterruptingCommandCount);

// Files, undo and redo, the palette, the interactive zooms, the insertion base point and
// saving as a symbol.
constexpr int kNeverRecorded[] = {
    CommandId::New,          CommandId::SaveAs,         CommandId::Undo,      CommandId::Redo,
    CommandId::SaveAsSymbol, CommandId::CommandPalette, CommandId::ZoomInOut, CommandId::SetBase,
    CommandId::ZoomReserved, CommandId::ZoomIn,         CommandId::ZoomOut};

constexpr int kEditing[] = {CommandId::Copy,         CommandId::Chamfer,
                            CommandId::Break,        CommandId::ArrayRectangular,
                            CommandId::ArrayPolar,   CommandId::Explode,
                            CommandId::BringToFront, CommandId::SendToBack,
                            CommandId::Erase,        CommandId::MatchProperties,
                            CommandId::Mirror,       CommandId::Move,
                            CommandId::Rotate,       CommandId::Scale,
                            CommandId::Trim,         CommandId::PolylineEdit};

constexpr std::u16string_view kEditingBarNames[] = {
    u"modify_SCALE",  u"modify_FRONT",      u"modify_BACK",     u"modify_ROTATE",
    u"modify_ERASE",  u"modify_MOVE",       u"modify_EXPLODE",  u"tool_BREAK",
    u"tool_TRIM",     u"tool_CHAMFER",      u"tool_PEDIT",      u"draw_COPY",
    u"modify_MIRROR", u"modify_MATCHPROPS", u"modify_ARRAYRECT"};

template <std::size_t N>
bool Contains(const int (&ids)[N], int id) {
  return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

}  // namespace

std::span<const CommandRow> CommandTable::Rows() {
  return kRows;
}

int CommandTable::IdOf(std::u16string_view name) {
  for (const CommandRow& row : kRows) {
    if (EqualsNoCase(row.name, name)) return row.id;
  }
  return 0;
}

std::u16string_view CommandTable::NameOf(int id) {
  for (const CommandRow& row : kRows) {
    if (row.id == id) return row.name;
  }
  return kNoCommandName;
}

bool IsInterruptingCommand(int id) {
  return Contains(kInterrupting, id);
}

bool IsNeverRecordedCommand(int id) {
  return Contains(kNeverRecorded, id);
}

bool IsAlwaysKeptCommandName(std::u16string_view name) {
  return name == u"UNDO" || name == u"REDO";
}

bool IsEditingCommand(int id) {
  return Contains(kEditing, id);
}

std::span<const std::u16string_view> EditingCommandBarNames() {
  return kEditingBarNames;
}

}  // namespace korvo

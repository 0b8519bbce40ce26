#pragma once

namespace korvo {

// The identifiers of the program's commands: what menus, toolbars, the palette and scripts
// send. Several identifiers have no row in the command table; they are handled by the view.
namespace CommandId {
// Input and prompt control.
inline constexpr int Ok = 1;  // OK / Enter
inline constexpr int DialogInput = 32817;
inline constexpr int EnterDefault = 32818;
inline constexpr int Stop = 32819;  // cancels the current operation

// Shell.
inline constexpr int CommandPalette = 32826;
inline constexpr int NestedCommandBar = 32897;  // also named "ASSISTANT"
inline constexpr int New = 57600;
inline constexpr int SaveAs = 57604;
inline constexpr int Exit = 57665;
inline constexpr int DxfOut = 32882;
inline constexpr int SaveAsSymbol = 32887;
inline constexpr int RunScript = 32906;         // asks for the script file
inline constexpr int RunScriptCommand = 32922;  // runs the script named by the command

// Mode toggles.
inline constexpr int Grid = 32776;
inline constexpr int GridSnap = 32777;
inline constexpr int ObjectSnap = 32822;
inline constexpr int IntersectionSnap = 32823;
inline constexpr int OrthoSnap = 32901;

// Drawing commands.
inline constexpr int DrawLine = 32778;
inline constexpr int DrawArcCenter = 32784;
inline constexpr int DrawCircleRadius = 32785;
inline constexpr int DrawArc3Point = 32786;
inline constexpr int DrawCircleDiameter = 32788;
inline constexpr int DrawCircle3Point = 32789;
inline constexpr int DrawSolid = 32791;
inline constexpr int DrawInsert = 32792;
inline constexpr int DrawText = 32793;
inline constexpr int DrawFreeLine = 32827;
inline constexpr int DrawEllipseDiameter = 32832;
inline constexpr int DrawEllipseRadius = 32833;
inline constexpr int DrawPolyline = 32838;
inline constexpr int DrawRectangle = 32867;
inline constexpr int DrawTrace = 32868;
inline constexpr int DrawDonut = 32881;
inline constexpr int DrawAttributeDefinition = 32898;  // no handler
inline constexpr int DrawPoint = 32902;
inline constexpr int DrawArcAngle = 32904;
inline constexpr int DrawPolygon = 32925;
inline constexpr int CreateLeader = 32854;  // no handler

// Editing commands.
inline constexpr int Erase = 32790;
inline constexpr int Move = 32814;
inline constexpr int Copy = 32815;
inline constexpr int Rotate = 32828;
inline constexpr int Scale = 32829;
inline constexpr int BringToFront = 32836;
inline constexpr int SendToBack = 32837;
inline constexpr int MatchProperties = 32840;
inline constexpr int Chamfer = 32866;
inline constexpr int Mirror = 32876;
inline constexpr int ArrayPolar = 32907;
inline constexpr int ArrayRectangular = 32908;
inline constexpr int PolylineEdit = 32909;
inline constexpr int Break = 32917;
inline constexpr int Trim = 32918;
inline constexpr int Explode = 32921;
inline constexpr int Undo = 57643;
inline constexpr int Redo = 57644;

// Commands that are named but have no handler.
inline constexpr int DimensionAligned = 32899;
inline constexpr int DimensionVertical = 32900;
inline constexpr int DimensionHorizontal = 32919;
inline constexpr int UserHatch = 32920;

// Views and tables.
inline constexpr int ZoomWindow = 32781;
inline constexpr int ZoomAll = 32783;
inline constexpr int LineTypes = 32787;
inline constexpr int Settings = 32794;
inline constexpr int Layers = 32824;
inline constexpr int Styles = 32825;
inline constexpr int ZoomInOut = 32861;
inline constexpr int SetBase = 32875;
// Sits with the two interactive zoom modes: it interrupts and is never recorded like them,
// but nothing handles it.
inline constexpr int ZoomReserved = 32877;
inline constexpr int ZoomIn = 32878;   // interactive zoom, zoom-in mode
inline constexpr int ZoomOut = 32879;  // interactive zoom, zoom-out mode
inline constexpr int ZoomInOnce = 32895;
inline constexpr int ZoomOutOnce = 32896;

// Sub-commands of a running selection or polyline.
inline constexpr int SelectWindow = 32888;
inline constexpr int SelectAll = 32911;
inline constexpr int DeselectAll = 32912;
inline constexpr int PolylineLines = 32913;
inline constexpr int PolylineArcsByCenter = 32914;
inline constexpr int PolylineTangentArcs = 32915;
inline constexpr int PolylineClose = 32916;

// Help. The command table names none of them, and no other identifier here or in the table
// uses these numbers: the block 32940..32942 is kept for help alone.
inline constexpr int HelpCurrentCommand = 32940;  // the topic of the running command
inline constexpr int HelpContents = 32941;        // the table of contents
inline constexpr int HelpQuickStart = 32942;      // the separate quick-start page
}  // namespace CommandId

}  // namespace korvo

#pragma once

#include <span>
#include <string_view>

namespace korvo {

// The host's own strings: prompts (printf-style formats whose default sits in angle
// brackets), the longer descriptions the input dialog shows as its caption, and messages.
// The plug-in module keeps a table of its own, whose identifiers overlap these.
// The identifiers of the host's prompt, description and message strings.
namespace StringId {
// View and point input.
inline constexpr int Coordinates = 104;
inline constexpr int ViewFirstCornerPrompt = 119;
inline constexpr int ViewOppositeCornerPrompt = 120;
inline constexpr int ViewFirstCornerDescription = 121;
inline constexpr int ViewOppositeCornerDescription = 122;
inline constexpr int ZoomInPrompt = 249;
inline constexpr int ZoomInDescription = 250;
inline constexpr int ZoomOutPrompt = 251;
inline constexpr int ZoomOutDescription = 252;
// Object selection.
inline constexpr int SelectObjectsPrompt = 150;
inline constexpr int WindowFirstCornerPrompt = 256;
inline constexpr int WindowOppositeCornerPrompt = 259;
inline constexpr int WindowFirstCornerDescription = 260;
inline constexpr int WindowOppositeCornerDescription = 261;
// Move, copy, rotate, scale and mirror.
inline constexpr int DisplacementBasePrompt = 151;
inline constexpr int DisplacementBaseDescription = 152;
inline constexpr int DisplacementSecondPrompt = 153;
inline constexpr int DisplacementSecondDescription = 154;
inline constexpr int CopySecondPrompt = 162;
inline constexpr int RotationAngleDescription = 187;
inline constexpr int RotationAnglePrompt = 188;
inline constexpr int RotationBaseDescription = 189;
inline constexpr int RotationBasePrompt = 190;
inline constexpr int ScalingBaseDescription = 191;
inline constexpr int ScalingBasePrompt = 192;
inline constexpr int ScaleFactorPrompt = 193;
inline constexpr int ScaleFactorDescription = 194;
inline constexpr int MirrorFirstPrompt = 239;
inline constexpr int MirrorFirstDescription = 240;
inline constexpr int MirrorSecondPrompt = 241;
inline constexpr int MirrorSecondDescription = 242;
inline constexpr int MirrorDeleteSourceQuestion = 243;
inline constexpr int RotateDeleteSourceQuestion = 244;
// Trim, break, chamfer and explode.
inline constexpr int TrimObjectPrompt = 286;
inline constexpr int TrimNoEdgeMessage = 287;
inline constexpr int BreakObjectPrompt = 146;
inline constexpr int BreakFirstPrompt = 280;
inline constexpr int BreakFirstDescription = 282;
inline constexpr int BreakSecondPrompt = 281;
inline constexpr int BreakSecondDescription = 283;
inline constexpr int BreakRefusedMessage = 284;
inline constexpr int ChamferFirstLinePrompt = 233;
inline constexpr int ChamferSecondLinePrompt = 234;
inline constexpr int ChamferTooLargeMessage = 235;
inline constexpr int ChamferParallelMessage = 236;
inline constexpr int ExplodeObjectPrompt = 124;
inline constexpr int ExplodeRefusedMessage = 114;
// The host's drawing commands.
inline constexpr int SolidFirstPrompt = 125;
inline constexpr int SolidSecondPrompt = 126;
inline constexpr int SolidThirdPrompt = 127;
inline constexpr int SolidFourthPrompt = 129;
inline constexpr int SolidFirstDescription = 130;
inline constexpr int SolidSecondDescription = 131;
inline constexpr int SolidThirdDescription = 132;
inline constexpr int SolidFourthDescription = 133;
inline constexpr int RectangleFirstPrompt = 222;
inline constexpr int RectangleFirstDescription = 221;
inline constexpr int RectangleOtherPrompt = 224;
inline constexpr int RectangleOtherDescription = 223;
inline constexpr int DonutCenterPrompt = 258;
inline constexpr int DonutCenterDescription = 257;
inline constexpr int FreeLinePrompt = 181;
inline constexpr int FreeLineLimitMessage = 182;
inline constexpr int PolylineStartPrompt = 105;
inline constexpr int PolylineStartDescription = 111;
inline constexpr int PolylineEndPrompt = 210;
inline constexpr int PolylineLineEndDescription = 209;
inline constexpr int PolylineArcEndDescription = 116;
inline constexpr int PolylineCenterPrompt = 220;
inline constexpr int PolylineCenterDescription = 118;
inline constexpr int PolylineArcEndPrompt = 117;
inline constexpr int PolylineZeroDistanceMessage = 169;
inline constexpr int PolylineBadArcEndMessage = 172;
inline constexpr int TextStartPrompt = 139;
inline constexpr int TextStartDescription = 140;
inline constexpr int TextHeightPrompt = 136;
inline constexpr int TextHeightDefaultPrompt = 163;
inline constexpr int TextHeightDescription = 141;
inline constexpr int TextAnglePrompt = 137;
inline constexpr int TextAngleDescription = 142;
inline constexpr int InsertPointPrompt = 156;
inline constexpr int InsertPointDescription = 157;
inline constexpr int InsertScalePrompt = 158;
inline constexpr int InsertScaleDescription = 159;
inline constexpr int InsertAnglePrompt = 160;
inline constexpr int InsertAngleDescription = 161;
inline constexpr int MatchSourcePrompt = 213;
inline constexpr int MatchTargetPrompt = 214;
inline constexpr int MatchTargetNoSourcePrompt = 215;
inline constexpr int InsertionBasePrompt = 237;
inline constexpr int InsertionBaseDescription = 238;
// The symbol library.
inline constexpr int NotEnoughMemoryMessage = 245;
inline constexpr int SymbolRenameFailedMessage = 263;
inline constexpr int SymbolReplaceQuestion = 264;
inline constexpr int SymbolDeleteQuestion = 265;
inline constexpr int SymbolDeleteFailedMessage = 266;
inline constexpr int SymbolNameMissingMessage = 267;
inline constexpr int RootSymbolLibrary = 269;
inline constexpr int SymbolCatalogTitle = 276;
// Toolbars.
inline constexpr int SelectCommandHint = 168;
// Plug-in modules.
inline constexpr int PluginLoadFailedMessage = 115;
inline constexpr int PluginEntryMissingMessage = 123;
}  // namespace StringId

struct StringRow {
  int id;
  std::u16string_view text;
};

// The text of `id`; empty when the host has no such string.
std::u16string_view LoadHostString(int id);
// Every row, for tools and tests.
std::span<const StringRow> HostStrings();

}  // namespace korvo

#include "commands/string_table.h"

#include "platform/symbol_catalog.h"

namespace korvo {
namespace {

// The interactive zoom prompts name the other mode as their default, because accepting the
// default switches between zooming in and out.
constexpr StringRow kRows[] = {
    // View and point input.
    {StringId::Coordinates, u"%6.2lf, %6.2lf"},
    {StringId::ViewFirstCornerPrompt, u"First corner? <%g, %g>"},
    {StringId::ViewOppositeCornerPrompt, u"Opposite corner? <%g, %g>"},
    {StringId::ViewFirstCornerDescription, u"First corner of the view"},
    {StringId::ViewOppositeCornerDescription, u"Opposite corner of the view"},
    {StringId::ZoomInPrompt, u"Zoom in at? <zoom out>"},
    {StringId::ZoomInDescription, u"Center of zooming in"},
    {StringId::ZoomOutPrompt, u"Zoom out at? <zoom in>"},
    {StringId::ZoomOutDescription, u"Center of zooming out"},
    // Object selection.
    {StringId::SelectObjectsPrompt, u"Select object? <no more>"},
    {StringId::WindowFirstCornerPrompt, u"First corner? <single>"},
    {StringId::WindowOppositeCornerPrompt, u"Opposite corner? <single>"},
    {StringId::WindowFirstCornerDescription, u"First corner of window"},
    {StringId::WindowOppositeCornerDescription, u"Opposite corner of window"},
    // Move, copy, rotate, scale and mirror.
    {StringId::DisplacementBasePrompt, u"Base point?"},
    {StringId::DisplacementBaseDescription, u"Base point of displacement"},
    {StringId::DisplacementSecondPrompt, u"Second point?"},
    {StringId::DisplacementSecondDescription, u"Second point of displacement"},
    {StringId::CopySecondPrompt, u"Second point? <no more>"},
    {StringId::RotationAngleDescription, u"Angle of rotation"},
    {StringId::RotationAnglePrompt, u"Angle?"},
    {StringId::RotationBaseDescription, u"Base point of rotation"},
    {StringId::RotationBasePrompt, u"Base point?"},
    {StringId::ScalingBaseDescription, u"Base point of scaling"},
    {StringId::ScalingBasePrompt, u"Base point?"},
    {StringId::ScaleFactorPrompt, u"Scale factor?"},
    {StringId::ScaleFactorDescription, u"Scale factor"},
    {StringId::MirrorFirstPrompt, u"First point of mirror line?"},
    {StringId::MirrorFirstDescription, u"First point of mirror line"},
    {StringId::MirrorSecondPrompt, u"Second point of mirror line?"},
    {StringId::MirrorSecondDescription, u"Second point of mirror line"},
    {StringId::MirrorDeleteSourceQuestion, u"Delete source objects?"},
    {StringId::RotateDeleteSourceQuestion, u"Delete source objects?"},
    // Trim, break, chamfer and explode.
    {StringId::TrimObjectPrompt, u"Select object to trim? <no more>"},
    {StringId::TrimNoEdgeMessage, u"Object does not intersect an edge!"},
    {StringId::BreakObjectPrompt, u"Select object to break? <done>"},
    {StringId::BreakFirstPrompt, u"First break point? <done>"},
    {StringId::BreakFirstDescription, u"First break point"},
    {StringId::BreakSecondPrompt, u"Second break point? <no point>"},
    {StringId::BreakSecondDescription, u"Second break point"},
    {StringId::BreakRefusedMessage, u"Selected object cannot be broken!"},
    {StringId::ChamferFirstLinePrompt, u"Select first line? <options>"},
    {StringId::ChamferSecondLinePrompt, u"Select second line? <select first>"},
    {StringId::ChamferTooLargeMessage, u"Distance is too large"},
    {StringId::ChamferParallelMessage, u"Lines are parallel"},
    {StringId::ExplodeObjectPrompt, u"Select object to explode? <done>"},
    {StringId::ExplodeRefusedMessage, u"Selected object cannot be exploded!"},
    // The host's drawing commands.
    {StringId::SolidFirstPrompt, u"First point?"},
    {StringId::SolidSecondPrompt, u"Second point?"},
    {StringId::SolidThirdPrompt, u"Third point?"},
    {StringId::SolidFourthPrompt, u"Fourth point? <triangle>"},
    {StringId::SolidFirstDescription, u"First vertex of filled solid"},
    {StringId::SolidSecondDescription, u"Second vertex of filled solid"},
    {StringId::SolidThirdDescription, u"Third vertex of filled solid"},
    {StringId::SolidFourthDescription, u"Fourth vertex of filled solid"},
    {StringId::RectangleFirstPrompt, u"First corner?"},
    {StringId::RectangleFirstDescription, u"First corner of rectangle"},
    {StringId::RectangleOtherPrompt, u"Other corner?"},
    {StringId::RectangleOtherDescription, u"Other corner of rectangle"},
    {StringId::DonutCenterPrompt, u"Center? <options>"},
    {StringId::DonutCenterDescription, u"Center point of donut"},
    {StringId::FreeLinePrompt, u"Draw free lines <new group>"},
    {StringId::FreeLineLimitMessage, u"Maximum number of free line blocks exceeded !"},
    {StringId::PolylineStartPrompt, u"Start?"},
    {StringId::PolylineStartDescription, u"Start point of line"},
    {StringId::PolylineEndPrompt, u"End? <done>"},
    {StringId::PolylineLineEndDescription, u"End point point of line"},
    {StringId::PolylineArcEndDescription, u"End point of arc"},
    {StringId::PolylineCenterPrompt, u"Center? <done>"},
    {StringId::PolylineCenterDescription, u"Center point of arc"},
    {StringId::PolylineArcEndPrompt, u"End?"},
    {StringId::PolylineZeroDistanceMessage, u"Distance between points must be greater than zero."},
    {StringId::PolylineBadArcEndMessage, u"Invalid end point of arc."},
    {StringId::TextStartPrompt, u"Start? <no more>"},
    {StringId::TextStartDescription, u"Start point of text"},
    {StringId::TextHeightPrompt, u"Height?"},
    {StringId::TextHeightDefaultPrompt, u"Height? <%g>"},
    {StringId::TextHeightDescription, u"Height of text"},
    {StringId::TextAnglePrompt, u"Angle? <%g>"},
    {StringId::TextAngleDescription, u"Rotation angle of text"},
    {StringId::InsertPointPrompt, u"Insertion point? <done>"},
    {StringId::InsertPointDescription, u"Reference point of insertion"},
    {StringId::InsertScalePrompt, u"Scale factor? <1>"},
    {StringId::InsertScaleDescription, u"Scale factor of insertion"},
    {StringId::InsertAnglePrompt, u"Rotation angle? <0>"},
    {StringId::InsertAngleDescription, u"Rotation angle of insertion"},
    {StringId::MatchSourcePrompt, u"Select source object? <Settings>"},
    {StringId::MatchTargetPrompt, u"Select target object? <done>"},
    {StringId::MatchTargetNoSourcePrompt, u"Select target object? <Settings>"},
    {StringId::InsertionBasePrompt, u"Insertion base point? <%g, %g>"},
    {StringId::InsertionBaseDescription, u"Base point of insertion of drawing"},
    // The symbol library. The doubled blanks of the rename message and the spelling of the
    // catalogue title are the program's own.
    {StringId::NotEnoughMemoryMessage, u"Not enough memory to complete the operation!"},
    {StringId::SymbolRenameFailedMessage, u"Cannot rename file  '%s'  to '%s'!"},
    {StringId::SymbolReplaceQuestion,
     u"The file %s already exists. Do you want to replace the existing file?"},
    {StringId::SymbolDeleteQuestion, u"Are you sure you want to delete '%s'?"},
    {StringId::SymbolDeleteFailedMessage, u"Cannot delete file: '%s'!"},
    {StringId::SymbolNameMissingMessage, u"Specify a correct name of Symbol!"},
    {StringId::RootSymbolLibrary, kRootSymbolLibrary},
    {StringId::SymbolCatalogTitle, u"Select Catalogue of the Drawing Symbol Libraraies"},
    // Toolbars.
    {StringId::SelectCommandHint, u"Select a command"},
    // Plug-in modules.
    {StringId::PluginLoadFailedMessage, u"Loading %s failed!"},
    {StringId::PluginEntryMissingMessage, u"Resolving <<KorvoCADPluginProc>> failed!"},
};

}  // namespace

std::u16string_view LoadHostString(int id) {
  for (const StringRow& row : kRows) {
    if (row.id == id) return row.text;
  }
  return {};
}

std::span<const StringRow> HostStrings() {
  return kRows;
}

}  // namespace korvo

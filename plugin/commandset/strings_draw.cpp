#include "plugin/commandset/draw_string_ids.h"
#include "plugin/commandset/strings.h"

namespace korvo::commandset {

namespace {

using namespace DrawString;

constexpr PluginString kDrawingStrings[] = {
    {ArcCenterHelp, u"Center point of arc"},
    {ArcCenterPrompt, u"Center?"},
    {LineStartPrompt, u"Start? <done>"},
    {LineClosePrompt, u"End? <%g,%g to close>"},
    {EllipseCenterPrompt, u"Center? <done>"},
    {EllipseCenterHelp, u"Center point of ellipse"},
    {LineStartHelp, u"Start point of line"},
    {LineEndHelp, u"End point of line"},
    {ArcStartPrompt, u"Start?"},
    {ArcStartHelp, u"Start point of arc"},
    {ArcEndHelp, u"End point of arc"},
    {ArcEndPrompt, u"End?"},
    {ArcAngleHelp, u"Included angle of arc"},
    {ArcAnglePrompt, u"Included angle?"},
    {ArcSecondPrompt, u"Second point?"},
    {ArcSecondHelp, u"Second point of arc"},
    {CircleCenterPrompt, u"Center?"},
    {CircleRadiusPrompt, u"Radius?"},
    {MajorEndPrompt, u"Major axis endpoint? <done>"},
    {MajorEndHelp, u"End point of major axis of ellipse"},
    {MinorRadiusHelp, u"Minor radius of ellipse"},
    {MinorRadiusPrompt, u"Minor radius? <%g>"},
    {OtherMajorEndHelp, u"Other end point of major axis of ellipse"},
    {OtherMajorEndPrompt, u"Other major axis endpoint?"},
    {LineEndPrompt, u"End?"},
    // The trailing blank is part of the text.
    {CircleCenterHelp, u"Center point of circle "},
    {CircleRadiusHelp, u"Radius of circle"},
    {CircleFirstPrompt, u"First point?"},
    {CircleSecondPrompt, u"Second point?"},
    {StartAnglePrompt, u"Start angle? <0>"},
    {EndAnglePrompt, u"End angle? <360>"},
    {StartAngleHelp, u"Start angle of ellipse"},
    {EndAngleHelp, u"End angle of ellipse"},
    {ZeroDistanceMessage, u"Distance between points must be greater than zero."},
    {ZeroLengthLineQuestion, u"Do you really want to create zero length line?"},
    {CircleFirstHelp, u"First point on circle"},
    {CircleSecondHelp, u"Second point on circle"},
    {DiameterFirstHelp, u"First end point of circle's diameter"},
    {DiameterSecondHelp, u"Second end point of circle's diameter"},
    {CircleThirdHelp, u"Third point on circle"},
    {CircleThirdPrompt, u"Third point?"},
    {PointPrompt, u"Point? <done>"},
    {PointHelp, u"Location of point object"},
};

}  // namespace

std::span<const PluginString> DrawingStrings() {
  return kDrawingStrings;
}

}  // namespace korvo::commandset

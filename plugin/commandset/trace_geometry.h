#pragma once

#include "plugin/plugin_api.h"

// The outline of a trace: each straight segment of constant width is a four-corner shape,
// and the shapes of neighbouring segments meet at shared corners.
namespace korvo::commandset::editing {

// The corners in the order AddTrace takes them.
struct TraceCorners {
  PluginPoint startLeft;
  PluginPoint startRight;
  PluginPoint endLeft;
  PluginPoint endRight;
};

// Half the width, perpendicular to a-b and pointing to its left.
PluginPoint HalfWidthNormal(PluginPoint a, PluginPoint b, double width);

// The segment a-b with square ends.
TraceCorners SegmentCorners(PluginPoint a, PluginPoint b, double width);

enum class TraceTurn {
  Normal,    // at most 90 degrees either way
  Sharp,     // more than 90 degrees
  Straight,  // the two segments are parallel or run back on each other
};

TraceTurn ClassifyTurn(PluginPoint a, PluginPoint b, PluginPoint c, double width);

// Re-shapes the end of `first` (segment a-b) and the start of `second` (segment b-c) so that
// the two shapes meet at b.
void JoinTraceSegments(PluginPoint a, PluginPoint b, PluginPoint c, double width,
                       TraceCorners& first, TraceCorners& second);

}  // namespace korvo::commandset::editing

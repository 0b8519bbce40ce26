#pragma once

namespace korvo {

class EntityList;
class PolylineEntity;

// Old drawings stored a polyline as its generated segments. Appends to `polyline` the
// vertices that give those segments again: a straight segment gives a vertex at its start,
// an arc segment a vertex at the end where the path enters it, its traversal direction
// (and so the bulge's sign and which widths come first) taken, for the first segment, from
// which of its ends lies nearer to the next segment and, for every later one, from where
// the path left the one before. An open polyline (even of a single segment) gets a last
// vertex at the end of its last segment. False, with nothing appended, when the list holds
// anything but segments.
bool AppendVerticesFromSegments(const EntityList& segments, bool closed, PolylineEntity& polyline);

}  // namespace korvo

#pragma once

namespace korvo {

class Drawing;
class Layer;

// Whether RemoveLayer can take `layer` out with everything on it: every entity on it must be
// one of the drawing's own entities. An entity on it inside a block definition, a block
// reference or a polyline that is not on it would be left pointing at a deleted layer.
bool CanRemoveLayer(const Drawing& drawing, const Layer* layer);

// Erases the drawing's entities on `layer` and takes the layer out of the table, each with its
// undo record; the layer itself is deleted when its record is discarded. The caller checks
// CanRemoveLayer first and keeps the current layer.
void RemoveLayer(Drawing& drawing, Layer* layer);

}  // namespace korvo

#pragma once

#include <cstdint>
#include <vector>

#include "plugin/commandset/trace_geometry.h"
#include "plugin/plugin_api.h"

// What the editing commands share when they talk to the user: point questions with the
// module's texts, previews, messages and the selection.
namespace korvo::commandset::editing {

struct PointQuestion {
  int32_t prompt;  // string ids
  int32_t help;
  uint32_t flags;
  PluginPoint base{};
  PluginPoint reference{};
};

// GetPoint with the question's texts; NotAvailable when the prompt cannot be loaded.
int32_t AskPoint(const PointQuestion& question, PluginPoint* out);

// MessageBoxId; the user's answer (ResultOk, ResultYes...), or 0 when no box could be shown.
int32_t ShowMessage(int32_t stringId, int32_t style);

// Temporary entities drawn in exclusive-or while the cursor moves; Clear erases and deletes
// them, as does the destructor, so that no preview outlives its question.
class Previews {
 public:
  Previews() = default;
  Previews(const Previews&) = delete;
  Previews& operator=(const Previews&) = delete;
  ~Previews() { Clear(); }

  // Draws `entity` (a temporary one; null is ignored) and keeps it until Clear.
  void Show(PluginEntity* entity);
  void Clear();

 private:
  std::vector<PluginEntity*> entities_;
};

// A temporary line with the drawing's current properties.
PluginEntity* TemporaryLine(PluginPoint a, PluginPoint b);
// A temporary line the arrays show as a guide: colour 7, weight 0, line type CONTINUOUS.
PluginEntity* GuideLine(PluginPoint a, PluginPoint b);
// A temporary trace with the drawing's current properties.
PluginEntity* TemporaryTrace(const TraceCorners& corners);

// The entities of the SelectionSet, in its order.
std::vector<PluginEntity*> SelectedEntities();
// Takes every entity out of the SelectionSet, drawing it again so that its highlight goes.
void DeselectAll();

}  // namespace korvo::commandset::editing

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "commands/edit_transform.h"
#include "commands/input_result.h"
#include "geometry/point.h"

namespace korvo {

class CommandEngine;
class Drawing;
class Entity;
class TransformPreview;

// The frame of an editing command: BeginCommand with the selection menu on construction;
// on leaving, however it leaves, the selection is cleared (and the window repainted) if any
// remains, the undo group is closed and the command ends.
class EditCommandScope {
 public:
  EditCommandScope(CommandEngine& engine, int commandId);
  ~EditCommandScope();
  EditCommandScope(const EditCommandScope&) = delete;
  EditCommandScope& operator=(const EditCommandScope&) = delete;

 private:
  CommandEngine& engine_;
};

// Which answers of the selection prompt go on to the command's step.
enum class SelectionAnswers {
  NoMore,          // only "<no more>"
  NoMoreOrPicked,  // "<no more>" or a pick (drawing order)
};

// One round of an editing command on the current (non-empty) selection: asks its points,
// applies, and answers false to end the command.
using EditStep = std::function<bool(CommandEngine& engine)>;

// The loop every editing command shares: select objects (prompt 150), run the step while
// the selection prompt is answered as `answers` allows with a non-empty selection, and stop
// once the drawing has no entity left.
void RunEditCommand(CommandEngine& engine, int commandId, const EditStep& step,
                    SelectionAnswers answers = SelectionAnswers::NoMore);

// After a step changed the drawing: selection cleared, drawing marked modified, repainted.
void FinishEditStep(CommandEngine& engine);

// True while the drawing holds an entity that is not erased.
bool HasLiveEntities(const Drawing& drawing);

// A point question of a transform: the prompt and the flags of GetPoint, from `base`.
struct TransformQuestion {
  Point base;
  int promptId = 0;
  int descriptionId = 0;
  uint32_t flags = 0;
  bool rubberBand = false;  // a band from the base to the cursor as well
};
// The transform that a cursor point defines; none shows nothing.
using TransformOf = std::function<std::optional<EditTransform>(const Point& cursor)>;

// Asks the question with `preview` following the cursor (asking again after each cursor or
// pen move) and takes the preview off before returning the answer; `at` is the point given.
InputResult AskWithPreview(CommandEngine& engine, TransformPreview& preview,
                           const TransformQuestion& question, const TransformOf& transformOf,
                           Point& at);

// Records entity-modified undo steps for `entities`, then transforms them in place and
// recomputes their out-of-view marks.
void TransformInPlace(Drawing& drawing, std::span<Entity* const> entities,
                      const EditTransform& transform);
// Appends transformed clones of `sources` (unselected) to the drawing, records each as
// added and returns them.
std::vector<Entity*> AddTransformedClones(Drawing& drawing, std::span<Entity* const> sources,
                                          const EditTransform& transform);
// The out-of-view marks of `entities` recomputed against the window of the last full
// picture. The view recomputes them only when the window changes, so entities that moved
// would otherwise keep the mark of their old place. Nothing before the first picture.
void RemarkOutOfView(Drawing& drawing, std::span<Entity* const> entities);

// The answer to "Delete source objects?".
enum class SourceChoice { Delete, Keep, Cancel };
SourceChoice AskDeleteSources(CommandEngine& engine, int questionId);

}  // namespace korvo

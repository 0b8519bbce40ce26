#pragma once

#include <cstdint>

#include "plugin/commandset/edit_questions.h"
#include "plugin/plugin_api.h"

// The questions the two array commands share.
namespace korvo::commandset::editing {

// Asks until the user answers: cursor movement shows guide lines from the question's base
// (when `guide` is set) and is asked again, as is a pen movement. Returns the last code; on
// Picked or Default `out` holds the answer.
int32_t AskWithGuide(const PointQuestion& question, bool guide, PluginPoint* out);

// An angle question about `base`: the reference lies in the direction `current`, so that the
// prompt shows it; on Picked or Default `direction` is the answer's direction from `base`.
int32_t AskAngle(int32_t prompt, int32_t help, uint32_t flags, PluginPoint base, double current,
                 double* direction);

// Answers of an array's questions that the command goes on with.
inline bool Answered(int32_t code) {
  return code == PluginInput::Picked || code == PluginInput::Default;
}

}  // namespace korvo::commandset::editing

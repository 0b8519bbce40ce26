#pragma once

namespace korvo {

class CommandEngine;

// What the "Chamfer distances" dialog edits. The two distances are the drawing's (kept in
// its settings, factorA and factorB); the check boxes are the user's and live in the
// profile, so that they hold from one chamfer and one session to the next.
struct ChamferOptions {
  double first = 0;
  double second = 0;
  bool polyline = false;  // segments of polylines may be chamfered
  bool trim = true;       // the pieces are cut back to the chamfer
};

// The options as the drawing and the profile hold them.
ChamferOptions LoadChamferOptions(CommandEngine& engine);

// Shows the dialog filled with the current options. On OK the values are stored (distances
// that changed with a settings undo record) and true returned; cancel changes nothing.
bool AskChamferOptions(CommandEngine& engine, ChamferOptions& options);

}  // namespace korvo

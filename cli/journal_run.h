#pragma once

#include <ostream>
#include <span>
#include <string>

namespace korvo {

// `run JOURNAL [DRAWING] [--size WxH] [--save OUT] [--transcript] [--symbols DIR]`: plays the input
// journal against DRAWING (a new drawing when none is given), then saves the drawing as OUT. `args`
// are the arguments after "run". Returns 0 when the journal ran, 1 when a file could not be
// read or saved, 2 for a usage error or a line of the journal that cannot be played, 3 when
// an expectation of the journal failed; errors go to `err` with the journal's line number.
// With --transcript, each change of the prompt line ("prompt: TEXT") and each message box
// ("message: TEXT") is written to `out`. --symbols makes DIR (created when missing) the symbol
// catalogue; without it the symbol commands use the one under the user's data folder.
int RunJournalCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace korvo

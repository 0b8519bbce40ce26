#pragma once

#include <ostream>
#include <span>
#include <string>

namespace korvo {

// The command-line tool: `dump FILE`, `convert IN OUT`, `run JOURNAL ...` and `--help`.
// `args` are the arguments after the program name. Returns the exit status: 0 success, 1 when
// a file could not be read or saved (messages are written to `err` in the order shown), 2 for
// a usage error or a journal line that cannot be played, 3 when a journal's expectation
// failed.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The text of --help.
std::string CliHelp();

}  // namespace korvo

#pragma once

#include <ostream>
#include <span>
#include <string>

namespace korvo {

// The command-line tool: `dump FILE`, `convert IN OUT` and `--help`. `args` are the
// arguments after the program name. Returns the exit status: 0 success, 1 when opening or
// saving showed a message (each written to `err` in the order shown), 2 for a usage error.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The text of --help.
std::string CliHelp();

}  // namespace korvo

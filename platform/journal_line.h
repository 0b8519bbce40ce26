#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Splitting one line of an input journal into tokens (see platform/journal.h for the format).
namespace korvo {

struct JournalToken {
  std::string text;  // UTF-8, quotes and escapes resolved
  // Position in `text` of the first '=' written outside quotes, or npos.
  std::size_t equalsAt = std::string::npos;
  bool quoted = false;  // some part of the token was written in quotes
};

// Fills `tokens` with the tokens of `line` (which holds no line break). Returns false with a
// message in `error` on an unterminated quote, a bad escape or a NUL character.
bool SplitJournalLine(std::string_view line, std::vector<JournalToken>& tokens, std::string& error);

}  // namespace korvo

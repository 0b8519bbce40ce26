#include "platform/journal_line.h"

namespace korvo {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "#12=" opens a reference to a dialog row; any other '#' at a token's start is a comment.
bool StartsRowReference(std::string_view line, std::size_t at) {
  std::size_t i = at + 1;
  while (i < line.size() && IsDigit(line[i])) ++i;
  return i > at + 1 && i < line.size() && line[i] == '=';
}

}  // namespace

bool SplitJournalLine(std::string_view line, std::vector<JournalToken>& tokens,
                      std::string& error) {
  tokens.clear();
  if (line.find('\0') != std::string_view::npos) {
    error = "NUL character in the line";
    return false;
  }
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) return true;
    if (line[i] == '#' && !StartsRowReference(line, i)) return true;

    JournalToken token;
    bool rowReference = line[i] == '#';
    while (i < line.size() && !IsBlank(line[i])) {
      const char c = line[i];
      if (c == '#' && !rowReference) break;  // a comment right after the token
      rowReference = false;
      if (c == '=' && token.equalsAt == std::string::npos) token.equalsAt = token.text.size();
      if (c != '"') {
        token.text.push_back(c);
        ++i;
        continue;
      }
      token.quoted = true;
      ++i;
      while (true) {
        if (i >= line.size()) {
          error = "unterminated quote";
          return false;
        }
        const char q = line[i++];
        if (q == '"') break;
        if (q == '\\') {
          if (i >= line.size() || (line[i] != '"' && line[i] != '\\')) {
            error = "bad escape in quoted text (only \\\" and \\\\ are allowed)";
            return false;
          }
          token.text.push_back(line[i++]);
          continue;
        }
        token.text.push_back(q);
      }
    }
    tokens.push_back(std::move(token));
    if (i < line.size() && line[i] == '#') return true;
  }
}

}  // namespace korvo

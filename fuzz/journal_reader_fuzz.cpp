// Journals are outside data: any bytes must give either events or an error with a line
// number inside the text, never a crash or a hang.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/journal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const korvo::JournalReadResult result = korvo::ReadJournal(text);

  std::size_t lines = 1;
  for (char c : text) lines += c == '\n' ? 1 : 0;
  if (result.error) {
    if (result.error->line == 0 || result.error->line > lines || result.error->message.empty()) {
      std::abort();
    }
  }
  std::size_t previous = 0;
  for (const korvo::JournalEvent& event : result.journal.events) {
    // Events come in line order, one a line at most, and inside the text.
    if (event.line <= previous || event.line > lines) std::abort();
    previous = event.line;
  }
  if (result.journal.width < 1 || result.journal.width > korvo::Journal::kMaxSize ||
      result.journal.height < 1 || result.journal.height > korvo::Journal::kMaxSize) {
    std::abort();
  }
  return 0;
}

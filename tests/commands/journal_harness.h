#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "commands/editor_session.h"
#include "commands/journal_player.h"
#include "core/drawing.h"
#include "platform/journal.h"
#include "tests/support/memory_profile.h"
#include "tests/support/one_unit_a_pixel.h"

namespace korvo::testing {

// A whole editing dialogue: a session on a new drawing, prepared by the test, driven by a
// journal. The default preparation shows the limits (0, 0)-(100, 100) on a window of 101 x
// 101 pixels, one world unit a pixel, with grid snap off, so that taps land exactly.
class JournalHarness {
 public:
  using Prepare = std::function<void(Drawing&)>;

  static void OneUnitAPixel(Drawing& drawing) {
    ShowOneUnitAPixel(drawing.settings, 101);
    drawing.settings.gridSnap = 0;
  }

  // `text` holds the events only; the harness puts the size line before them.
  explicit JournalHarness(std::string_view text, const Prepare& prepare = OneUnitAPixel,
                          int size = 101) {
    const std::string full =
        "size " + std::to_string(size) + " " + std::to_string(size) + "\n" + std::string(text);
    JournalReadResult read = ReadJournal(full);
    EXPECT_TRUE(read.ok()) << (read.error ? read.error->message : "");
    player = std::make_unique<JournalPlayer>(std::move(read.journal), &transcript);
    session = std::make_unique<EditorSession>(player->SessionOptions(&profile));
    if (prepare) prepare(session->drawing());
    session->DrawingLoaded();
  }

  JournalOutcome Run() { return outcome = player->Play(*session); }

  // Journal lines count from the size line, which is line 1.
  static std::size_t LineOfEvent(std::size_t eventLine) { return eventLine + 1; }

  Drawing& drawing() { return session->drawing(); }
  const DrawingSettings& settings() { return session->drawing().settings; }

  MemoryProfile profile;
  std::ostringstream transcript;
  std::unique_ptr<JournalPlayer> player;
  std::unique_ptr<EditorSession> session;
  JournalOutcome outcome;
};

}  // namespace korvo::testing

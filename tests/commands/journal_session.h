#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "cli/drawing_dump.h"
#include "cli/json_writer.h"
#include "commands/borrowed_list.h"
#include "commands/command_engine.h"
#include "commands/cut_commands.h"
#include "commands/editor_session.h"
#include "commands/journal_player.h"
#include "commands/transform_commands.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "platform/journal.h"
#include "tests/support/one_unit_a_pixel.h"

namespace korvo::testing {

// An editor session played by a journal, the way a user runs a command: a 200 x 200 view at
// one world unit a pixel (world (0, 0) is the bottom-left pixel, so integer taps land
// exactly), every snap off, the editing commands registered. Entities are added before
// Play; probes are commands of the test's own that look at the session from inside a run.
class JournalSession {
 public:
  static constexpr int kSize = 200;
  // First identifiers of the test's own commands; no command of the program uses them.
  static constexpr int kProbe = 1000;

  explicit JournalSession(std::string_view journal)
      : read_(ReadJournal("size 200 200\n" + std::string(journal))),
        player_(read_.journal),
        session_(player_.SessionOptions()) {
    EXPECT_TRUE(read_.ok()) << (read_.error ? read_.error->message : "");
    RegisterEditingCommands(session_.engine());
    RegisterCuttingCommands(session_.engine());
    DrawingSettings& s = session_.drawing().settings;
    ShowOneUnitAPixel(s, kSize);
    s.gridOn = 0;
    s.gridSnap = 0;
    s.objectSnap = 0;
    s.intersectionSnap = 0;
    s.orthoSnap = 0;
  }

  LineEntity* AddLine(const Point& a, const Point& b, Layer* layer = nullptr) {
    auto* line = new LineEntity(a, b, drawing().settings);
    if (layer != nullptr) line->layer = layer;
    drawing().entities.AddTail(line);
    return line;
  }
  // A block reference whose parts are the line a–b, as the picking tests build one.
  InsertEntity* AddReference(const Point& a, const Point& b) {
    auto* insert = new InsertEntity();
    insert->layer = drawing().settings.currentLayer;
    insert->expanded.AddTail(new LineEntity(a, b, drawing().settings));
    drawing().entities.AddTail(insert);
    return insert;
  }
  Layer* AddLayer(std::u16string name) {
    auto* layer = new Layer(std::move(name), 7, nullptr, -3.0);
    drawing().layers.Add(layer);
    return layer;
  }

  // A command of the test: runs `probe` with the engine when the journal says "command N".
  void AddProbe(int id, std::function<void(CommandEngine&)> probe) {
    session_.engine().RegisterCommand(
        id, [probe = std::move(probe)](CommandEngine& engine, int) { probe(engine); });
  }

  // Shows the drawing as set up, then plays the journal; the run must end normally.
  void Play() {
    session_.DrawingLoaded();
    session_.view().RepaintNow();
    before_ = session_.view().window();
    const JournalOutcome outcome = player_.Play(session_);
    EXPECT_EQ(outcome.status, JournalStatus::Ran)
        << "line " << outcome.line << ": " << outcome.message;
  }

  Drawing& drawing() { return session_.drawing(); }
  EditorSession& session() { return session_; }
  CommandEngine& engine() { return session_.engine(); }
  // The window as it was shown before the journal ran.
  const Bitmap& windowBefore() const { return before_; }
  const JournalPlayer& player() const { return player_; }

 private:
  JournalReadResult read_;
  JournalPlayer player_;
  EditorSession session_;
  Bitmap before_{0, 0};
};

// The entities that are not erased, in drawing order, with every field: what the user sees.
inline std::string LiveEntities(const Drawing& drawing) {
  std::vector<Entity*> live;
  for (Entity* entity : drawing.entities)
    if (!entity->IsErased()) live.push_back(entity);
  const BorrowedList borrowed(live);
  JsonWriter json;
  WriteEntities(json, borrowed.list());
  return json.text();
}

}  // namespace korvo::testing

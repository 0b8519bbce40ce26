#include <gtest/gtest.h>

#include <string>

#include "commands/command_engine.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "tests/commands/journal_session.h"

namespace korvo {
namespace {

using testing::JournalSession;
using testing::LiveEntities;

TEST(MatchPropertiesCommand, TheChosenPropertiesOfTheSourceGoToEachTarget) {
  struct Case {
    const char* name;
    const char* settings;  // answers before the source is picked
    bool colorCopied;
    bool layerCopied;
    bool weightCopied;
  } cases[] = {
      {"every property", "", true, true, true},
      {"settings leave the colour out",
       "default\ndialog ok Color=No\nexpect-prompt \"Select source object? <Settings>\"\n", false,
       true, true},
      {"settings cancelled keep the choice", "default\ndialog cancel\n", true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command modify_MATCHPROPS\n"
                                 "expect-prompt \"Select source object? <Settings>\"\n") +
                     c.settings +
                     "tap 100 100\nexpect-prompt \"Select target object? <done>\"\n"
                     "tap 100 40\ntap 100 160\ndefault\n");
    Layer* red = s.AddLayer(u"RED");
    LineEntity* source = s.AddLine({20, 100}, {180, 100}, red);
    source->SetColorIndex(1);
    source->lineWeight = 0.5;
    LineEntity* first = s.AddLine({20, 40}, {180, 40});
    LineEntity* second = s.AddLine({20, 160}, {180, 160});
    Layer* const original = first->layer;
    s.Play();
    for (const LineEntity* target : {first, second}) {
      EXPECT_EQ(target->colorIndex, c.colorCopied ? 1 : 256);
      EXPECT_EQ(target->layer, c.layerCopied ? red : original);
      EXPECT_EQ(target->lineWeight, c.weightCopied ? 0.5 : first->lineWeight);
    }
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
  }
}

TEST(MatchPropertiesCommand, UndoRestoresEveryTarget) {
  JournalSession s(
      "command modify_MATCHPROPS\ntap 100 100\ntap 100 40\ntap 100 160\ndefault\n"
      "command UNDO\n");
  Layer* red = s.AddLayer(u"RED");
  s.AddLine({20, 100}, {180, 100}, red)->SetColorIndex(1);
  s.AddLine({20, 40}, {180, 40});
  s.AddLine({20, 160}, {180, 160});
  const std::string before = LiveEntities(s.drawing());
  s.Play();
  EXPECT_EQ(LiveEntities(s.drawing()), before);
  EXPECT_TRUE(s.drawing().undo.CanRedo());
}

}  // namespace
}  // namespace korvo

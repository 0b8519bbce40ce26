#include "commands/help_commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "commands/journal_player.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "platform/help_viewer.h"
#include "platform/journal.h"

namespace korvo {
namespace {

using Shown = RecordingHelpViewer::Shown;

struct HelpRun {
  JournalOutcome outcome;
  std::size_t entities = 0;
  std::vector<RecordingHelpViewer::Request> requests;
  bool messageShown = false;
};

// Plays `events` in a session whose help viewer records; the help folder is `folder`.
HelpRun PlayWithHelp(const std::string& events, const char* folder) {
  JournalReadResult read = ReadJournal("size 200 200\n" + events);
  EXPECT_TRUE(read.ok()) << (read.error ? read.error->message : "");
  std::ostringstream transcript;
  JournalPlayer player(std::move(read.journal), &transcript);
  RecordingHelpViewer viewer(folder);
  EditorSessionOptions options = player.SessionOptions();
  options.helpViewer = &viewer;
  EditorSession session(options);
  HelpRun run;
  run.outcome = player.Play(session);
  for (const Entity* entity : session.drawing().entities) {
    if (!entity->IsErased()) ++run.entities;
  }
  run.requests = viewer.Requests();
  run.messageShown = transcript.str().find("message:") != std::string::npos;
  return run;
}

// A polyline that gets help while it waits for its end point, then ends normally: help must
// not cancel the command.
std::string PolylineWith(int helpCommand) {
  return "command draw_POLYLINE\n"
         "tap 10 10\n"
         "command " +
         std::to_string(helpCommand) +
         "\n"
         "expect-prompt \"End? <done>\"\n"
         "tap 50 10\n"
         "default\n";
}

TEST(HelpCommands, ShowTheirTopicsWithoutCancellingTheCommand) {
  struct Case {
    const char* name;
    std::string events;
    std::size_t entities;
    Shown shown;
    const char* file;
    std::u16string_view anchor;
  } cases[] = {
      {"help inside a command shows that command", PolylineWith(CommandId::HelpCurrentCommand), 1,
       Shown::HelpWindow, "/opt/korvo/KorvoCAD.htm", u"draw_POLYLINE"},
      {"help with no command shows the contents", "command 32940\n", 0, Shown::HelpWindow,
       "/opt/korvo/KorvoCAD.htm", u"Main_Contents"},
      {"help after a command ended shows the contents",
       "command draw_POLYLINE\ntap 10 10\ntap 50 10\ndefault\ncommand 32819\ncommand 32940\n", 1,
       Shown::HelpWindow, "/opt/korvo/KorvoCAD.htm", u"Main_Contents"},
      {"the contents inside a command", PolylineWith(CommandId::HelpContents), 1, Shown::HelpWindow,
       "/opt/korvo/KorvoCAD.htm", u"Main_Contents"},
      {"the quick-start page in the browser", PolylineWith(CommandId::HelpQuickStart), 1,
       Shown::Browser, "/opt/korvo/KorvoCAD_SM2DT.HTM", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HelpRun run = PlayWithHelp(c.events, "/opt/korvo");
    EXPECT_EQ(run.outcome.status, JournalStatus::Ran)
        << "line " << run.outcome.line << ": " << run.outcome.message;
    EXPECT_EQ(run.entities, c.entities);
    ASSERT_EQ(run.requests.size(), 1u);
    EXPECT_EQ(run.requests[0].shown, c.shown);
    EXPECT_EQ(run.requests[0].file.string(), c.file);
    EXPECT_EQ(run.requests[0].anchor, c.anchor);
  }
}

TEST(HelpCommands, WithoutAHelpFolderNothingHappens) {
  for (const int command :
       {CommandId::HelpCurrentCommand, CommandId::HelpContents, CommandId::HelpQuickStart}) {
    SCOPED_TRACE(command);
    const HelpRun run = PlayWithHelp(PolylineWith(command), "");
    EXPECT_EQ(run.outcome.status, JournalStatus::Ran)
        << "line " << run.outcome.line << ": " << run.outcome.message;
    EXPECT_EQ(run.entities, 1u);
    EXPECT_TRUE(run.requests.empty());
    EXPECT_FALSE(run.messageShown);
  }
}

}  // namespace
}  // namespace korvo

// The manual beside the program: every topic the program can ask for has its anchor, and
// every link and picture of the help pages leads somewhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "commands/command_table.h"
#include "commands/editor_session.h"
#include "commands/help_topics.h"
#include "platform/help_viewer.h"
#include "platform/utf16.h"
#include "plugin/plugin_commands.h"
#include "plugin/plugin_runner.h"

namespace korvo {
namespace {

const std::filesystem::path kDataFolder = std::filesystem::path(KORVOCAD_SOURCE_DIR) / "data";

std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every value of `attribute`="..." in `html`, in order.
std::vector<std::string> AttributeValues(const std::string& html, const std::string& attribute) {
  const std::regex pattern("\\b" + attribute + "\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
  std::vector<std::string> values;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), pattern);
       it != std::sregex_iterator(); ++it)
    values.push_back((*it)[1].str());
  return values;
}

// The anchors of a page: <a name="..."> and id="...".
std::multiset<std::string> Anchors(const std::string& html) {
  std::multiset<std::string> anchors;
  for (const std::string& name : AttributeValues(html, "name")) anchors.insert(name);
  for (const std::string& id : AttributeValues(html, "id")) anchors.insert(id);
  return anchors;
}

class HelpManual : public ::testing::Test {
 protected:
  void SetUp() override {
    manual_ = ReadText(kDataFolder / kHelpFileName);
    ASSERT_FALSE(manual_.empty()) << "no help file in " << kDataFolder;
    EXPECT_TRUE(IsValidUtf8(manual_));
    anchors_ = Anchors(manual_);
  }

  bool HasAnchor(std::u16string_view topic) const { return anchors_.contains(Utf16ToUtf8(topic)); }

  std::string manual_;
  std::multiset<std::string> anchors_;
};

TEST_F(HelpManual, HasAnAnchorForEveryCommandOfTheTable) {
  // The palette asks for any name of the table, so every row needs its section, even the
  // commands that do nothing in this edition.
  for (const CommandRow& row : CommandTable::Rows()) {
    EXPECT_TRUE(HasAnchor(row.name)) << "no anchor for the command " << Utf16ToUtf8(row.name);
  }
}

TEST_F(HelpManual, HasTheTopicOfEveryCommandASessionHandles) {
  // Help on the running command asks for the topic of whatever runs: every identifier with a
  // handler in a session set up as the editor's is.
  EditorSession session;
  PluginHost plugins;
  RegisterPluginCommands(session.engine(), plugins);
  int handled = 0;
  for (int id = 1; id <= 0xFFFF; ++id) {
    if (!session.engine().HasHandler(id)) continue;
    ++handled;
    const std::u16string_view topic = CommandHelpTopic(id);
    EXPECT_TRUE(HasAnchor(topic)) << "no anchor for " << Utf16ToUtf8(topic) << " of " << id;
  }
  EXPECT_GT(handled, 0);
}

TEST_F(HelpManual, HasAnAnchorForEveryDialogAndTheContents) {
  const char16_t* const topics[] = {u"Main_Contents",
                                    u"bmp_options_dialog",
                                    u"chamfer_options_dialog",
                                    u"donut_options_dialog",
                                    u"STYLES",
                                    u"draw_text_dialog",
                                    u"LAYERS",
                                    u"line_types",
                                    u"specify_points",
                                    u"select_block_dialog",
                                    u"open_symbol_dialog",
                                    u"save_symbol_dialog"};
  for (const char16_t* topic : topics) {
    EXPECT_TRUE(HasAnchor(topic)) << "no anchor for the topic " << Utf16ToUtf8(topic);
  }
}

TEST_F(HelpManual, AnchorsAreUnique) {
  // Two anchors of one name leave the help window at whichever it finds first.
  for (const std::string& anchor : std::set<std::string>(anchors_.begin(), anchors_.end())) {
    EXPECT_EQ(anchors_.count(anchor), 1u) << anchor;
  }
}

// Every local link of `page` (in the data folder) leads to a file that exists, and into the
// help file only at an anchor it has; every picture exists.
void ExpectLinksResolve(const std::string& page, const std::multiset<std::string>& manualAnchors) {
  const std::string html = ReadText(kDataFolder / page);
  ASSERT_FALSE(html.empty()) << page;
  const std::multiset<std::string> ownAnchors = Anchors(html);
  for (const std::string& link : AttributeValues(html, "href")) {
    SCOPED_TRACE(page + ": " + link);
    if (link.starts_with("http://") || link.starts_with("https://")) continue;
    const std::size_t hash = link.find('#');
    const std::string file = link.substr(0, hash);
    const std::string anchor = hash == std::string::npos ? "" : link.substr(hash + 1);
    if (file.empty()) {
      EXPECT_TRUE(ownAnchors.contains(anchor));
      continue;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(kDataFolder / file));
    if (file == kHelpFileName && !anchor.empty()) {
      EXPECT_TRUE(manualAnchors.contains(anchor));
    }
  }
  for (const std::string& picture : AttributeValues(html, "src")) {
    SCOPED_TRACE(page + ": " + picture);
    EXPECT_TRUE(std::filesystem::is_regular_file(kDataFolder / picture));
  }
}

TEST_F(HelpManual, LinksAndPicturesResolve) {
  ExpectLinksResolve(std::string(kHelpFileName), anchors_);
  ExpectLinksResolve(Utf16ToUtf8(HelpTopics::kQuickStartPage.substr(1)), anchors_);
}

TEST_F(HelpManual, TheContentsLinkEverySection) {
  // The contents are the way in: each anchor of the manual is linked from somewhere.
  std::set<std::string> linked;
  for (const std::string& link : AttributeValues(manual_, "href")) {
    if (link.starts_with("#")) linked.insert(link.substr(1));
  }
  for (const std::string& anchor : anchors_) {
    if (anchor == "Main_Contents") continue;
    EXPECT_TRUE(linked.contains(anchor)) << "nothing links to " << anchor;
  }
}

}  // namespace
}  // namespace korvo

#include "platform/help_viewer.h"

#include <gtest/gtest.h>

#include "platform/message_box.h"

namespace korvo {
namespace {

using Shown = RecordingHelpViewer::Shown;

TEST(ShowHelp, BuildsTheFileAndAnchorOfTheTopic) {
  struct Case {
    const char* name;
    const char* folder;
    std::u16string_view topic;
    Shown shown;
    const char* file;  // exactly as the viewer gets it
    std::u16string_view anchor;
  } cases[] = {
      {"a command opens the help file at its anchor", "/opt/korvo", u"draw_LINE", Shown::HelpWindow,
       "/opt/korvo/KorvoCAD.htm", u"draw_LINE"},
      {"a folder that ends in a slash gets no second one", "/opt/korvo/", u"modify_MOVE",
       Shown::HelpWindow, "/opt/korvo/KorvoCAD.htm", u"modify_MOVE"},
      {"a star opens the page in the browser, no anchor", "/opt/korvo", u"*KorvoCAD_SM2DT.HTM",
       Shown::Browser, "/opt/korvo/KorvoCAD_SM2DT.HTM", u""},
      {"only the first star is the marker", "/opt/korvo", u"**x.htm", Shown::Browser,
       "/opt/korvo/*x.htm", u""},
      {"a star later in the topic is part of the anchor", "/opt/korvo", u"a*b", Shown::HelpWindow,
       "/opt/korvo/KorvoCAD.htm", u"a*b"},
      {"an empty topic opens the file at its top", "/opt/korvo", u"", Shown::HelpWindow,
       "/opt/korvo/KorvoCAD.htm", u""},
      {"a non-ASCII folder is kept as UTF-8", "/home/j\xc3\xb8rn/k", u"LAYERS", Shown::HelpWindow,
       "/home/j\xc3\xb8rn/k/KorvoCAD.htm", u"LAYERS"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingHelpViewer viewer(c.folder);
    EXPECT_TRUE(ShowHelp(c.topic, viewer));
    ASSERT_EQ(viewer.Requests().size(), 1u);
    const RecordingHelpViewer::Request& request = viewer.Requests().front();
    EXPECT_EQ(request.shown, c.shown);
    EXPECT_EQ(request.file.string(), c.file);
    EXPECT_EQ(request.anchor, c.anchor);
  }
}

TEST(ShowHelp, FailsQuietlyWithoutStartingAnything) {
  struct Case {
    const char* name;
    const char* folder;
    std::u16string_view topic;
  } cases[] = {
      {"no folder", "", u"draw_LINE"},
      {"no folder for a page", "", u"*KorvoCAD_SM2DT.HTM"},
      {"a star without a page", "/opt/korvo", u"*"},
      {"a page in another folder", "/opt/korvo", u"*../etc/page.htm"},
      {"the parent folder as a page", "/opt/korvo", u"*.."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingMessageBox messages;
    ScopedMessageBox scope(messages);
    RecordingHelpViewer viewer(c.folder);
    EXPECT_FALSE(ShowHelp(c.topic, viewer));
    EXPECT_TRUE(viewer.Requests().empty());
    EXPECT_TRUE(messages.Messages().empty());
  }
}

TEST(ShowHelp, AViewerThatDoesNotStartGivesFalseAndNoMessage) {
  for (const std::u16string_view topic : {u"draw_LINE", u"*KorvoCAD_SM2DT.HTM"}) {
    RecordingMessageBox messages;
    ScopedMessageBox scope(messages);
    RecordingHelpViewer viewer("/opt/korvo");
    viewer.SetStarts(false);
    EXPECT_FALSE(ShowHelp(topic, viewer));
    EXPECT_EQ(viewer.Requests().size(), 1u);  // it was asked
    EXPECT_TRUE(messages.Messages().empty());
  }
}

TEST(ShowDialogHelp, ADialogWithoutATopicShowsNothingAndSucceeds) {
  RecordingHelpViewer viewer("/opt/korvo");
  EXPECT_TRUE(ShowDialogHelp(u"", viewer));
  EXPECT_TRUE(viewer.Requests().empty());

  EXPECT_TRUE(ShowDialogHelp(HelpTopics::kLayers, viewer));
  ASSERT_EQ(viewer.Requests().size(), 1u);
  EXPECT_EQ(viewer.Requests().front().anchor, u"LAYERS");

  viewer.SetFolder({});
  EXPECT_FALSE(ShowDialogHelp(HelpTopics::kChamferOptions, viewer));
}

}  // namespace
}  // namespace korvo

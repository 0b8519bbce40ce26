#include "core/entity_factory.h"

#include <gtest/gtest.h>

#include "platform/message_box.h"

namespace korvo {
namespace {

TEST(EntityFactory, RegisteredCodesGiveTheirKind) {
  struct Case {
    const char* name;
    int code;
    bool (*isKind)(const Entity&);
  } cases[] = {
      {"line", 1, [](const Entity& e) { return e.AsLine() != nullptr; }},
      {"text", 4, [](const Entity& e) { return e.AsText() != nullptr; }},
      {"solid", 5,
       [](const Entity& e) { return e.AsSolid() != nullptr && e.AsTrace() == nullptr; }},
      {"block reference", 7, [](const Entity& e) { return e.AsInsert() != nullptr; }},
      {"polyline", 9,
       [](const Entity& e) { return e.AsPolyline() != nullptr && e.AsInsert() != nullptr; }},
      {"wide straight segment", 10,
       [](const Entity& e) { return e.AsWideLineSegment() != nullptr && e.AsLine() != nullptr; }},
      {"wide arc segment", 11,
       [](const Entity& e) { return e.AsWideArcSegment() != nullptr && e.AsArc() != nullptr; }},
      {"point", 16, [](const Entity& e) { return e.AsPoint() != nullptr; }},
      {"vertex", 19,
       [](const Entity& e) { return e.AsVertex() != nullptr && e.AsPoint() != nullptr; }},
      {"trace", 18,
       [](const Entity& e) { return e.AsTrace() != nullptr && e.AsSolid() != nullptr; }},
  };
  RecordingMessageBox messages;
  ScopedMessageBox scope(messages);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::unique_ptr<Entity> entity = CreateEntity(c.code);
    ASSERT_NE(entity, nullptr);
    EXPECT_EQ(entity->GetElementCode(), c.code);
    EXPECT_TRUE(c.isKind(*entity));
    // Default-constructed: by layer, visible, no flags.
    EXPECT_EQ(entity->colorIndex, 256);
    EXPECT_EQ(entity->visible, 1);
    EXPECT_EQ(entity->flags, 0);
    EXPECT_EQ(entity->layer, nullptr);
  }
  EXPECT_TRUE(messages.Messages().empty());
}

TEST(EntityFactory, UnknownCodeIsReportedAndGivesNull) {
  struct Case {
    const char* name;
    int code;
    const char16_t* message;
  } cases[] = {
      {"zero", 0, u"Undetermined element code: 0"},
      {"gap between kinds", 6, u"Undetermined element code: 6"},
      {"one past the last kind", 17, u"Undetermined element code: 17"},
      {"largest byte", 255, u"Undetermined element code: 255"},
      {"negative", -3, u"Undetermined element code: -3"},
      {"beyond a byte", 100000, u"Undetermined element code: 100000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingMessageBox messages;
    ScopedMessageBox scope(messages);
    EXPECT_EQ(CreateEntity(c.code), nullptr);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, c.message);
    EXPECT_EQ(messages.Messages()[0].buttons, MessageButtons::Ok);
  }
}

}  // namespace
}  // namespace korvo

#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "commands/editor_session.h"
#include "platform/headless_property_sheet.h"
#include "platform/memory_profile.h"
#include "platform/message_box.h"
#include "plugin/plugin_context.h"
#include "plugin/service_table.h"

namespace korvo::testing {

// A plug-in context on a new drawing in a headless session, as a command of the plug-in
// sees it: services are fetched through GetService and called with the context. Property
// sheets answer from `sheets`, message boxes from `boxes`; the profile is `given`, else one
// held in memory.
struct ServiceFixture {
  explicit ServiceFixture(Profile* given = nullptr)
      : session(Options(given)), context(&session.engine(), u"") {}

  // Service `id` as the function type the boundary declares for it.
  template <typename Fn>
  Fn Service(int32_t id) {
    void* address = GetService(&context, id);
    EXPECT_NE(address, nullptr) << "service " << id;
    return reinterpret_cast<Fn>(address);
  }

  Drawing& drawing() { return session.drawing(); }

  EditorSessionOptions Options(Profile* given) {
    EditorSessionOptions options;
    options.profile = given != nullptr ? given : &profile;
    options.propertySheet = &sheets;
    options.messageBox = &boxes;
    return options;
  }

  MemoryProfile profile;
  HeadlessPropertySheet sheets;
  RecordingMessageBox boxes;
  EditorSession session;
  PluginContext context;
};

}  // namespace korvo::testing

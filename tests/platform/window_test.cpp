#include "platform/window.h"

#include <gtest/gtest.h>

#include "platform/message_queue.h"

namespace korvo {
namespace {

TEST(Window, SizeChangesPostASizeMessage) {
  MessageQueue queue;
  Window view(queue);
  view.SetClientSize(480, 640);
  view.SetClientSize(480, 640);  // unchanged: nothing posted
  view.SetClientSize(-5, 10);
  ASSERT_EQ(queue.size(), 2u);
  Message m;
  ASSERT_TRUE(queue.Get(m));
  EXPECT_EQ(m.kind, MessageKind::Size);
  EXPECT_EQ(m.target, &view);
  EXPECT_EQ(m.x, 480);
  EXPECT_EQ(m.y, 640);
  ASSERT_TRUE(queue.Get(m));
  EXPECT_EQ(m.x, 0);
  EXPECT_EQ(m.y, 10);
  EXPECT_EQ(view.ClientWidth(), 0);
}

TEST(Window, ClientAreaExcludesRightAndBottom) {
  MessageQueue queue;
  Window view(queue);
  view.SetClientSize(4, 3);
  EXPECT_TRUE(view.ClientContains(0, 0));
  EXPECT_TRUE(view.ClientContains(3, 2));
  EXPECT_FALSE(view.ClientContains(4, 2));
  EXPECT_FALSE(view.ClientContains(3, 3));
  EXPECT_FALSE(view.ClientContains(-1, 0));
}

TEST(Window, KeepsParentAndUserData) {
  MessageQueue queue;
  Window frame(queue);
  Window view(queue, &frame);
  EXPECT_EQ(view.Parent(), &frame);
  EXPECT_EQ(frame.Parent(), nullptr);
  view.SetUserData(0xFFFFFFFFu);
  EXPECT_EQ(view.UserData(), 0xFFFFFFFFu);
}

TEST(Window, CaptureBelongsToOneWindowOfItsQueue) {
  MessageQueue queue;
  MessageQueue other;
  Window frame(queue);
  Window view(queue, &frame);
  EXPECT_EQ(queue.GetCapture(), nullptr);
  view.SetCapture();
  EXPECT_TRUE(view.HasCapture());
  frame.SetCapture();
  EXPECT_FALSE(view.HasCapture());
  view.ReleaseCapture();  // not the holder: nothing changes
  EXPECT_TRUE(frame.HasCapture());
  frame.ReleaseCapture();
  EXPECT_EQ(queue.GetCapture(), nullptr);

  Window stranger(other);
  EXPECT_EQ(queue.SetCapture(&stranger), nullptr);
  EXPECT_EQ(queue.GetCapture(), nullptr) << "a window of another queue cannot take the pen";
}

}  // namespace
}  // namespace korvo

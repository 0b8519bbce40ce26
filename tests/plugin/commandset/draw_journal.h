#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/element_code.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "platform/message_box.h"
#include "tests/plugin/plugin_session.h"

namespace korvo::testing {

// Numbers as a person writes them: six digits, rounding noise below 1e-9 shown as 0.
inline std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", std::fabs(v) < 1e-9 ? 0.0 : v);
  return text;
}
inline std::string At(const Point& p) {
  return Number(p.x) + std::string(",") + Number(p.y);
}
inline std::string Degrees(double radians) {
  return Number(radians * 180 / std::numbers::pi);
}

// An entity's geometry in a line: "point 5,5", "line 1,2 3,4", "circle 50,50 r10",
// "arc 50,50 r10 0..90", "ellipse 50,50 r40 ratio 0.5 axis 90 0..360" (angles in degrees).
inline std::string Shape(const Entity& entity) {
  if (const PointEntity* p = entity.AsPoint()) return "point " + At(p->position);
  if (const LineEntity* l = entity.AsLine()) return "line " + At(l->start) + " " + At(l->end);
  if (const CircleEntity* c = entity.AsCircle()) {
    return "circle " + At(c->center) + " r" + Number(c->radius) +
           (c->ratio != 1 ? " ratio " + Number(c->ratio) : std::string());
  }
  if (const ArcEntity* a = entity.AsArc()) {
    const std::string angles = " " + Degrees(a->startAngle) + ".." + Degrees(a->endAngle);
    if (entity.GetElementCode() == ElementCode::Ellipse)
      return "ellipse " + At(a->center) + " r" + Number(a->radius) + " ratio " + Number(a->ratio) +
             " axis " + Degrees(a->rotation) + angles;
    return "arc " + At(a->center) + " r" + Number(a->radius) + angles;
  }
  return "kind " + std::to_string(entity.GetElementCode());
}

// The entities that are not erased, in drawing order.
inline std::vector<std::string> Shapes(const Drawing& drawing) {
  std::vector<std::string> shapes;
  for (const Entity* entity : drawing.entities)
    if (!entity->IsErased()) shapes.push_back(Shape(*entity));
  return shapes;
}

// A message box as the user saw it: its icon, buttons and text.
inline std::u16string BoxOf(const RecordingMessageBox::Message& m) {
  std::u16string box;
  if (m.icon == MessageIcon::Stop) box += u"stop ";
  box += m.buttons == MessageButtons::YesNoCancel ? u"yes/no/cancel: "
         : m.buttons == MessageButtons::Ok        ? u"ok: "
                                                  : u"other buttons: ";
  return box + m.text;
}
inline const std::u16string kZeroDistance =
    u"stop ok: Distance between points must be greater than zero.";
inline const std::u16string kZeroLength =
    u"yes/no/cancel: Do you really want to create zero length line?";

// One run of a drawing command as a user gives it: the journal (its expect-prompt lines check
// the prompts in order), the shapes the command makes and the message boxes it shows.
struct DrawCase {
  const char* name;
  std::string journal;
  std::vector<std::string> shapes;
  std::vector<std::u16string> messages = {};
};

// Esc: the Stop command, as the toolbar's Esc button gives it.
#define KORVO_ESC "command 32819\n"

// A line across the view, under the taps of every case, so that previews cross a picture.
inline const Point kPictureStart{0, 199};
inline const Point kPictureEnd{199, 0};

// Plays the case against a drawing holding the picture line, then checks what it left: the
// shapes after the picture line, the messages, a window that a fresh repaint reproduces (no
// preview left behind) and, when nothing was made, the window as it was before; and one undo
// step that takes away exactly what the command made.
inline void PlayDrawCase(const DrawCase& c) {
  SCOPED_TRACE(c.name);
  PluginSession s(c.journal);
  s.AddLine(kPictureStart, kPictureEnd);
  const std::string picture = Shapes(s.drawing()).front();
  s.Play();

  std::vector<std::string> shapes = Shapes(s.drawing());
  ASSERT_FALSE(shapes.empty());
  EXPECT_EQ(shapes.front(), picture);
  shapes.erase(shapes.begin());
  EXPECT_EQ(shapes, c.shapes);

  std::vector<std::u16string> messages;
  for (const auto& m : s.player().messageBox().Messages()) messages.push_back(BoxOf(m));
  EXPECT_EQ(messages, c.messages);

  View& view = s.session().view();
  const Bitmap shown = view.window();
  view.RepaintNow();
  EXPECT_EQ(shown, view.window()) << "the window keeps something a repaint does not draw";
  if (c.shapes.empty()) {
    EXPECT_EQ(shown, s.windowBefore());
  }

  UndoStack& undo = s.drawing().undo;
  EXPECT_FALSE(undo.IsGroupOpen());
  EXPECT_EQ(undo.Top(), c.shapes.empty() ? 0 : 1);
  if (undo.Undo()) {
    EXPECT_EQ(Shapes(s.drawing()), std::vector<std::string>{picture});
  }
}

}  // namespace korvo::testing

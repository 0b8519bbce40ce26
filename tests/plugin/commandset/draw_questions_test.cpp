// The drawing commands' conversation with the host, service by service, against a scripted
// host: which questions they ask with which texts, flags, base and reference points, how the
// previews come and go, what they make and when they stop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/plugin/commandset/scripted_host.h"

namespace korvo::testing {
namespace {

std::string Ask(const std::string& prompt, const std::string& help, const std::string& flags,
                const std::string& base = "0,0", const std::string& ref = "") {
  return Cat("ask \"", prompt, "\" \"", help, "\" ", flags, " base ", base, " ref ",
             ref.empty() ? base : ref);
}

// The questions, as the host receives them.
const std::string kLineStart = Ask("Start? <done>", "Start point of line", "0x53");
std::string LineEnd(const std::string& base, const std::string& start) {
  return Ask("End?", "End point of line", "0x2", base, start);
}
std::string LineClose(const std::string& base, const std::string& start) {
  return Ask("End? <%g,%g to close>", "End point of line", "0x0", base, start);
}
std::string PointAsk(const std::string& flags, const std::string& last = "0,0") {
  return Ask("Point? <done>", "Location of point object", flags, last);
}
const std::string kArcStart = Ask("Start?", "Start point of arc", "0x13");
const std::string kArcCenter = Ask("Center?", "Center point of arc", "0x13");
std::string ArcStartFrom(const std::string& center) {
  return Ask("Start?", "Start point of arc", "0x2", center);
}
std::string ArcEnd(const std::string& base) {
  return Ask("End?", "End point of arc", "0x2", base);
}
const std::string kCircleCenter = Ask("Center?", "Center point of circle ", "0x13");
const std::string kEllipseCenter = Ask("Center? <done>", "Center point of ellipse", "0x53");
std::string MajorEnd(const std::string& center) {
  return Ask("Major axis endpoint? <done>", "End point of major axis of ellipse", "0x2", center);
}
std::string Minor(const std::string& c, const std::string& m) {
  return Ask("Minor radius? <%g>", "Minor radius of ellipse", "0x8", c, m);
}
std::string StartAngle(const std::string& c, const std::string& m) {
  return Ask("Start angle? <0>", "Start angle of ellipse", "0x4", c, m);
}
std::string EndAngle(const std::string& c, const std::string& m) {
  return Ask("End angle? <360>", "End angle of ellipse", "0x4", c, m);
}
const std::string kZeroDistance = "message 169 style 16";
const std::string kZeroLength = "message 171 style 3";

struct Case {
  const char* name;
  const char16_t* command;
  std::vector<PointReply> replies;
  std::vector<int32_t> answers;  // of the message boxes
  std::vector<std::string> log;
};

void Play(const Case& c) {
  SCOPED_TRACE(c.name);
  ScriptedHost host;
  host.replies.assign(c.replies.begin(), c.replies.end());
  host.messageAnswers.assign(c.answers.begin(), c.answers.end());
  EXPECT_EQ(host.Run(c.command), 1);
  EXPECT_EQ(host.log, c.log);
  EXPECT_TRUE(host.replies.empty()) << "the command ended before its script";
}

constexpr int32_t kYes = PluginMessage::ResultYes;
constexpr int32_t kNo = PluginMessage::ResultNo;
constexpr int32_t kCancel = PluginMessage::ResultCancel;

TEST(LineQuestions, ChainsZeroLengthAndClosing) {
  const Case cases[] = {
      {"a preview follows the cursor; Enter at the closing question closes the chain",
       u"LINE",
       {Picked(0, 0), Moved(5, 0), Picked(5, 0), Picked(5, 5), Code(PluginInput::Default)},
       {},
       {kLineStart, LineEnd("0,0", "0,0"), "line 0,0 5,0 temp #1", "xor #1", LineEnd("0,0", "0,0"),
        "xor #1", "delete #1", "line 0,0 5,0 drawing #2", LineEnd("5,0", "0,0"),
        "line 5,0 5,5 drawing #3", LineClose("5,5", "0,0"), "line 5,5 0,0 drawing #4", kLineStart}},
      {"a tap on the last point asks; No asks again, Yes makes it, Cancel ends",
       u"LINE",
       {Picked(1, 1), Picked(1, 1), Picked(1, 1), Picked(1, 1)},
       {kNo, kYes, kCancel},
       {kLineStart, LineEnd("1,1", "1,1"), kZeroLength, LineEnd("1,1", "1,1"), kZeroLength,
        "line 1,1 1,1 drawing #1", LineEnd("1,1", "1,1"), kZeroLength}},
      {"back at the start after one segment the count starts again; after two it closes",
       u"LINE",
       {Picked(0, 0), Picked(4, 0), Picked(0, 0), Picked(4, 0), Picked(4, 4), Picked(0, 0)},
       {},
       {kLineStart, LineEnd("0,0", "0,0"), "line 0,0 4,0 drawing #1", LineEnd("4,0", "0,0"),
        "line 4,0 0,0 drawing #2", LineEnd("0,0", "0,0"), "line 0,0 4,0 drawing #3",
        LineEnd("4,0", "0,0"), "line 4,0 4,4 drawing #4", LineClose("4,4", "0,0"),
        "line 4,4 0,0 drawing #5", kLineStart}},
      {"Enter at the start question ends", u"LINE", {Code(PluginInput::Default)}, {}, {kLineStart}},
      {"pen moves ask again; Enter without a default ends",
       u"LINE",
       {Picked(0, 0), Code(PluginInput::PenMoved), Picked(2, 0), Code(PluginInput::Enter)},
       {},
       {kLineStart, LineEnd("0,0", "0,0"), LineEnd("0,0", "0,0"), "line 0,0 2,0 drawing #1",
        LineEnd("2,0", "0,0")}},
      {"Esc while a preview shows erases and deletes it",
       u"LINE",
       {Picked(0, 0), Moved(3, 0), Code(PluginInput::Cancel)},
       {},
       {kLineStart, LineEnd("0,0", "0,0"), "line 0,0 3,0 temp #1", "xor #1", LineEnd("0,0", "0,0"),
        "xor #1", "delete #1"}},
      {"a broken point queue ends",
       u"LINE",
       {Picked(0, 0), Code(PluginInput::QueueBroken)},
       {},
       {kLineStart, LineEnd("0,0", "0,0")}},
      {"the name is matched without regard to case",
       u"line",
       {Code(PluginInput::NotAvailable)},
       {},
       {kLineStart}},
  };
  for (const Case& c : cases) Play(c);
}

TEST(PointQuestions, EachPointIsAskedFromTheLastOne) {
  Play({"points with a preview, then done",
        u"POINT",
        {Moved(1, 2), Picked(1, 2), Moved(3, 3), Code(PluginInput::Default)},
        {},
        {PointAsk("0x43"), "point 1,2 temp #1", "xor #1", PointAsk("0x43"), "xor #1", "delete #1",
         "point 1,2 drawing #2", PointAsk("0x42", "1,2"), "point 3,3 temp #3", "xor #3",
         PointAsk("0x42", "1,2"), "xor #3", "delete #3"}});
}

TEST(ArcQuestions, RefuseEqualPointsAndPreviewTheArc) {
  const Case cases[] = {
      {"three points",
       u"ARC3PT",
       {Picked(0, 0), Moved(0, 0), Picked(0, 0), Picked(5, 5), Moved(5, 5), Moved(10, 0),
        Picked(0, 0), Picked(10, 0)},
       {},
       {kArcStart, Ask("Second point?", "Second point of arc", "0x2"),
        Ask("Second point?", "Second point of arc", "0x2"),
        Ask("Second point?", "Second point of arc", "0x2"), ArcEnd("5,5"), ArcEnd("5,5"),
        "arc-3p 0,0 5,5 10,0 temp #1", "xor #1", ArcEnd("5,5"), "xor #1", "delete #1",
        ArcEnd("5,5"), "arc-3p 0,0 5,5 10,0 drawing #2", kArcStart}},
      {"centre, start, end",
       u"ARCCEN",
       {Picked(0, 0), Moved(3, 4), Picked(3, 4), Moved(-5, 0), Picked(3, 4), Picked(-5, 0)},
       {},
       {kArcCenter,
        ArcStartFrom("0,0"),
        "circle 0,0 3,4 temp #1",
        "xor #1",
        "line 0,0 3,4 temp #2",
        "xor #2",
        ArcStartFrom("0,0"),
        "xor #1",
        "delete #1",
        "xor #2",
        "delete #2",
        ArcEnd("0,0"),
        "arc 0,0 3,4 -5,0 temp #3",
        "xor #3",
        "line 0,0 -5,0 temp #4",
        "xor #4",
        ArcEnd("0,0"),
        "xor #3",
        "delete #3",
        "xor #4",
        "delete #4",
        ArcEnd("0,0"),
        "arc 0,0 3,4 -5,0 drawing #5",
        kArcCenter}},
      {"included angle: straight right of the centre is refused, below is three quarters",
       u"ARCCSA",
       {Picked(0, 0), Picked(10, 0), Picked(50, 0), Moved(0, 5), Picked(0, -5)},
       {},
       {kArcCenter, ArcStartFrom("0,0"),
        Ask("Included angle?", "Included angle of arc", "0x6", "0,0", "10,0"),
        Ask("Included angle?", "Included angle of arc", "0x6", "0,0", "10,0"),
        "arc 0,0 10,0 0,10 temp #1", "xor #1", "line 0,0 0,10 temp #2", "xor #2",
        Ask("Included angle?", "Included angle of arc", "0x6", "0,0", "10,0"), "xor #1",
        "delete #1", "xor #2", "delete #2", "arc 0,0 10,0 0,-10 drawing #3", kArcCenter}},
  };
  for (const Case& c : cases) Play(c);
}

TEST(CircleQuestions, RefuseEqualPointsAndPreviewTheCircle) {
  const Case cases[] = {
      {"centre and radius",
       u"CIRCLECEN",
       {Picked(1, 1), Moved(1, 1), Picked(1, 1), Picked(4, 5)},
       {},
       {kCircleCenter, Ask("Radius?", "Radius of circle", "0xA", "1,1"),
        Ask("Radius?", "Radius of circle", "0xA", "1,1"),
        Ask("Radius?", "Radius of circle", "0xA", "1,1"), "circle 1,1 4,5 drawing #1",
        kCircleCenter}},
      {"diameter",
       u"CIRCLEDIA",
       {Picked(0, 0), Moved(4, 0), Picked(4, 0)},
       {},
       {Ask("First point?", "First end point of circle's diameter", "0x13"),
        Ask("Second point?", "Second end point of circle's diameter", "0xA"),
        "circle-diameter 0,0 4,0 temp #1", "xor #1", "line 0,0 4,0 temp #2", "xor #2",
        Ask("Second point?", "Second end point of circle's diameter", "0xA"), "xor #1", "delete #1",
        "xor #2", "delete #2", "circle-diameter 0,0 4,0 drawing #3",
        Ask("First point?", "First end point of circle's diameter", "0x13")}},
      {"three points",
       u"CIRCLE3PT",
       {Picked(0, 0), Picked(4, 0), Moved(0, 0), Moved(2, 2), Picked(4, 0), Picked(2, 2)},
       {},
       {Ask("First point?", "First point on circle", "0x13"),
        Ask("Second point?", "Second point on circle", "0x2"),
        Ask("Third point?", "Third point on circle", "0x2", "4,0"),
        Ask("Third point?", "Third point on circle", "0x2", "4,0"), "circle-3p 0,0 4,0 2,2 temp #1",
        "xor #1", Ask("Third point?", "Third point on circle", "0x2", "4,0"), "xor #1", "delete #1",
        Ask("Third point?", "Third point on circle", "0x2", "4,0"),
        "circle-3p 0,0 4,0 2,2 drawing #2", Ask("First point?", "First point on circle", "0x13")}},
  };
  for (const Case& c : cases) Play(c);
}

TEST(EllipseQuestions, AxesAnglesAndRefusals) {
  const Case cases[] = {
      {"centre: a minor point farther out than the major end turns the axis to it",
       u"ELLIPSECEN",
       {Picked(0, 0), Picked(0, 0), Moved(4, 0), Picked(4, 0), Moved(0, 8), Picked(0, 8),
        Picked(0, 3), Picked(-3, 0)},
       {},
       {kEllipseCenter,
        MajorEnd("0,0"),
        kZeroDistance,
        MajorEnd("0,0"),
        "circle 0,0 4,0 temp #1",
        "xor #1",
        "line 0,0 4,0 temp #2",
        "xor #2",
        MajorEnd("0,0"),
        "xor #1",
        "delete #1",
        "xor #2",
        "delete #2",
        Minor("0,0", "4,0"),
        "ellipse 0,0 major 8 ratio 0.5 axis 90 from 0 to 360 temp #3",
        "xor #3",
        "line 0,0 0,8 temp #4",
        "xor #4",
        Minor("0,0", "4,0"),
        "xor #3",
        "delete #3",
        "xor #4",
        "delete #4",
        StartAngle("0,0", "4,0"),
        EndAngle("0,0", "4,0"),
        "ellipse 0,0 major 8 ratio 0.5 axis 90 from 0 to 90 drawing #5",
        kEllipseCenter}},
      {"diameter: Enter takes the major end as minor point and as end angle",
       u"ELLIPSEDIA",
       {Picked(0, 0), Picked(0, 0), Picked(10, 0), Code(PluginInput::Default), Moved(5, 3),
        Picked(5, 3), Code(PluginInput::Default)},
       {},
       {Ask("Major axis endpoint? <done>", "End point of major axis of ellipse", "0x53"),
        Ask("Other major axis endpoint?", "Other end point of major axis of ellipse", "0x2"),
        kZeroDistance,
        Ask("Other major axis endpoint?", "Other end point of major axis of ellipse", "0x2"),
        Minor("5,0", "10,0"), StartAngle("5,0", "10,0"),
        "ellipse 5,0 major 5 ratio 1 axis 0 from 90 to 360 temp #1", "xor #1",
        "line 5,0 5,3 temp #2", "xor #2", StartAngle("5,0", "10,0"), "xor #1", "delete #1",
        "xor #2", "delete #2", EndAngle("5,0", "10,0"),
        "ellipse 5,0 major 5 ratio 1 axis 0 from 90 to 360 drawing #3",
        Ask("Major axis endpoint? <done>", "End point of major axis of ellipse", "0x53")}},
      {"a minor point at the centre shows no preview and is refused",
       u"ELLIPSECEN",
       {Picked(0, 0), Picked(4, 0), Moved(0, 0), Picked(0, 0), Code(PluginInput::Cancel)},
       {},
       {kEllipseCenter, MajorEnd("0,0"), Minor("0,0", "4,0"), Minor("0,0", "4,0"), kZeroDistance,
        Minor("0,0", "4,0")}},
      {"start and end on the major axis give the whole ellipse",
       u"ELLIPSECEN",
       {Picked(0, 0), Picked(6, 0), Picked(0, 2), Picked(1, 0), Picked(9, 0),
        Code(PluginInput::Enter)},
       {},
       {kEllipseCenter, MajorEnd("0,0"), Minor("0,0", "6,0"), StartAngle("0,0", "6,0"),
        EndAngle("0,0", "6,0"),
        "ellipse 0,0 major 6 ratio 0.333333 axis 0 from 0 to 360 drawing #1", kEllipseCenter}},
  };
  for (const Case& c : cases) Play(c);
}

TEST(DrawQuestions, AHostWithoutTheServiceEndsTheCommandQuietly) {
  ScriptedHost host;
  host.missing = {PluginService::GetPoint};
  EXPECT_EQ(host.Run(u"CIRCLECEN"), 1);
  EXPECT_TRUE(host.log.empty());
}

TEST(DrawQuestions, APreviewTheHostDidNotDrawIsNotErasedByDrawing) {
  ScriptedHost host;
  host.missing = {PluginService::DrawEntity};
  host.replies = {Picked(0, 0), Moved(3, 0), Picked(3, 0)};
  EXPECT_EQ(host.Run(u"LINE"), 1);
  const std::vector<std::string> expected = {
      kLineStart,  LineEnd("0,0", "0,0"),     "line 0,0 3,0 temp #1", LineEnd("0,0", "0,0"),
      "delete #1", "line 0,0 3,0 drawing #2", LineEnd("3,0", "0,0")};
  EXPECT_EQ(host.log, expected);
}

TEST(DrawQuestions, AnUnknownNameRunsNothing) {
  ScriptedHost host;
  EXPECT_EQ(host.Run(u"LINES"), 0);
  EXPECT_TRUE(host.log.empty());
}

}  // namespace
}  // namespace korvo::testing

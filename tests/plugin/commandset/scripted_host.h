#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <numbers>
#include <string>
#include <vector>

#include "plugin/plugin_api.h"

namespace korvo::testing {

// Joins the parts into one string. (Chains of + starting from a literal make GCC 12 warn
// wrongly about overlapping copies.)
template <typename... Parts>
std::string Cat(const Parts&... parts) {
  std::string s;
  ((s += parts), ...);
  return s;
}

// One reply of the scripted point input.
struct PointReply {
  int32_t code;
  PluginPoint point{};
};
inline PointReply Picked(double x, double y) {
  return {PluginInput::Picked, {x, y}};
}
inline PointReply Moved(double x, double y) {
  return {PluginInput::CursorMoved, {x, y}};
}
// A reply without a point; Default answers with the reference point, as the host does.
inline PointReply Code(int32_t code) {
  return {code, {}};
}

// A host of the command-set module that plays a script: GetPoint takes the next reply (Cancel
// when the script has run out), message boxes take the next answer, and every service the
// drawing commands call writes one line to a log, so a test compares the whole conversation
// with one written by hand. Entities are numbers (#1, #2, ...) the module never looks into.
class ScriptedHost {
 public:
  ScriptedHost() {
    module_ = dlopen(KORVOCAD_COMMANDSET_PATH, RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(module_, nullptr) << dlerror();
  }
  ~ScriptedHost() {
    if (module_ != nullptr) dlclose(module_);
  }
  ScriptedHost(const ScriptedHost&) = delete;
  ScriptedHost& operator=(const ScriptedHost&) = delete;

  std::deque<PointReply> replies;
  std::deque<int32_t> messageAnswers;
  std::vector<std::string> log;
  // Services this host pretends not to have.
  std::vector<int32_t> missing;

  // Runs `command` through the module's entry point; its result.
  int Run(const char16_t* command) {
    if (module_ == nullptr) return -1;
    auto proc = reinterpret_cast<PluginProc>(dlsym(module_, kPluginProcName));
    EXPECT_NE(proc, nullptr);
    if (proc == nullptr) return -1;
    return proc(reinterpret_cast<PluginContext*>(&context_), command);
  }

 private:
  struct Context {
    const PluginServiceTable* table;
    ScriptedHost* host;
  };

  static ScriptedHost& Of(PluginContext* context) {
    return *reinterpret_cast<Context*>(context)->host;
  }

  // Numbers as a person writes them: rounding noise below 1e-9 shown as 0.
  static std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", std::fabs(v) < 1e-9 ? 0.0 : v);
    return text;
  }
  static std::string At(const PluginPoint* p) {
    return p == nullptr ? "null" : Cat(Number(p->x), ",", Number(p->y));
  }
  static std::string Degrees(double radians) { return Number(radians * 180 / std::numbers::pi); }
  static std::string Text(const char16_t* s) {
    std::string out;
    for (; s != nullptr && *s != 0; ++s) out += *s < 128 ? static_cast<char>(*s) : '?';
    return out;
  }

  // Logs an entity service: its shape, where it goes, and the entity it answers.
  static PluginEntity* Made(PluginContext* context, const std::string& shape, int16_t color,
                            double weight, const char16_t* layer, const char16_t* lineType,
                            const char16_t* target) {
    ScriptedHost& host = Of(context);
    std::string where = target == nullptr                   ? "drawing"
                        : target == PluginTemporaryTarget() ? "temp"
                                                            : "block?";
    if (color != kPluginCurrentColor || weight != kPluginDefaultLineWeight || layer != nullptr ||
        lineType != nullptr)
      where += " with properties of its own";
    const auto id = ++host.entities_;
    host.log.push_back(Cat(shape, " ", where, " #", std::to_string(id)));
    return reinterpret_cast<PluginEntity*>(static_cast<uintptr_t>(id));
  }
  static std::string Id(PluginEntity* entity) {
    return Cat("#", std::to_string(reinterpret_cast<uintptr_t>(entity)));
  }

  static int32_t GetPoint(PluginContext* context, const PluginPoint* base,
                          const PluginPoint* reference, PluginPoint* out, const char16_t* prompt,
                          const char16_t* help, uint32_t flags) {
    ScriptedHost& host = Of(context);
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", flags);
    host.log.push_back(Cat("ask \"", Text(prompt), "\" \"", Text(help), "\" ", hex, " base ",
                           At(base), " ref ", At(reference)));
    if (host.replies.empty()) return PluginInput::Cancel;
    const PointReply reply = host.replies.front();
    host.replies.pop_front();
    if (reply.code == PluginInput::Default && reference != nullptr) *out = *reference;
    if (reply.code == PluginInput::Picked || reply.code == PluginInput::CursorMoved)
      *out = reply.point;
    return reply.code;
  }
  static PluginEntity* AddPoint(PluginContext* c, const PluginPoint* p, int16_t color,
                                double weight, const char16_t* layer, const char16_t* lineType,
                                const char16_t* target) {
    return Made(c, Cat("point ", At(p)), color, weight, layer, lineType, target);
  }
  static PluginEntity* AddLine(PluginContext* c, const PluginPoint* a, const PluginPoint* b,
                               int16_t color, double weight, const char16_t* layer,
                               const char16_t* lineType, const char16_t* target) {
    return Made(c, Cat("line ", At(a), " ", At(b)), color, weight, layer, lineType, target);
  }
  static PluginEntity* AddCircleDiameter(PluginContext* c, const PluginPoint* a,
                                         const PluginPoint* b, int16_t color, double weight,
                                         const char16_t* layer, const char16_t* lineType,
                                         const char16_t* target) {
    return Made(c, Cat("circle-diameter ", At(a), " ", At(b)), color, weight, layer, lineType,
                target);
  }
  static PluginEntity* AddCircle3P(PluginContext* c, const PluginPoint* a, const PluginPoint* b,
                                   const PluginPoint* p, int16_t color, double weight,
                                   const char16_t* layer, const char16_t* lineType,
                                   const char16_t* target) {
    return Made(c, Cat("circle-3p ", At(a), " ", At(b), " ", At(p)), color, weight, layer, lineType,
                target);
  }
  static PluginEntity* AddCircleCenterPoint(PluginContext* c, const PluginPoint* a,
                                            const PluginPoint* b, int16_t color, double weight,
                                            const char16_t* layer, const char16_t* lineType,
                                            const char16_t* target) {
    return Made(c, Cat("circle ", At(a), " ", At(b)), color, weight, layer, lineType, target);
  }
  static PluginEntity* AddArc3P(PluginContext* c, const PluginPoint* a, const PluginPoint* b,
                                const PluginPoint* p, int16_t color, double weight,
                                const char16_t* layer, const char16_t* lineType,
                                const char16_t* target) {
    return Made(c, Cat("arc-3p ", At(a), " ", At(b), " ", At(p)), color, weight, layer, lineType,
                target);
  }
  static PluginEntity* AddArcCenterStartEnd(PluginContext* c, const PluginPoint* a,
                                            const PluginPoint* b, const PluginPoint* p,
                                            int16_t color, double weight, const char16_t* layer,
                                            const char16_t* lineType, const char16_t* target) {
    return Made(c, Cat("arc ", At(a), " ", At(b), " ", At(p)), color, weight, layer, lineType,
                target);
  }
  static PluginEntity* AddEllipticArc(PluginContext* c, const PluginPoint* center, double major,
                                      double ratio, double axisAngle, double start, double end,
                                      int16_t color, double weight, const char16_t* layer,
                                      const char16_t* lineType, const char16_t* target) {
    return Made(c,
                Cat("ellipse ", At(center), " major ", Number(major), " ratio ", Number(ratio),
                    " axis ", Degrees(axisAngle), " from ", Degrees(start), " to ", Degrees(end)),
                color, weight, layer, lineType, target);
  }
  static int32_t DrawEntity(PluginContext* c, PluginEntity* entity, int32_t xorMode) {
    Of(c).log.push_back(Cat(xorMode == 1 ? "xor " : "draw ", Id(entity)));
    return 1;
  }
  static int32_t DeleteTemporary(PluginContext* c, PluginEntity* entity) {
    Of(c).log.push_back(Cat("delete ", Id(entity)));
    return 1;
  }
  static int32_t MessageBoxId(PluginContext* c, int32_t id, int32_t style, int32_t* result) {
    ScriptedHost& host = Of(c);
    host.log.push_back(Cat("message ", std::to_string(id), " style ", std::to_string(style)));
    *result = PluginMessage::ResultOk;
    if (!host.messageAnswers.empty()) {
      *result = host.messageAnswers.front();
      host.messageAnswers.pop_front();
    }
    return 1;
  }

  static void* GetService(PluginContext* context, int32_t id) {
    for (int32_t m : Of(context).missing)
      if (m == id) return nullptr;
    switch (id) {
      case PluginService::GetPoint:
        return reinterpret_cast<void*>(&GetPoint);
      case PluginService::AddPoint:
        return reinterpret_cast<void*>(&AddPoint);
      case PluginService::AddLine:
        return reinterpret_cast<void*>(&AddLine);
      case PluginService::AddCircleDiameter:
        return reinterpret_cast<void*>(&AddCircleDiameter);
      case PluginService::AddCircle3P:
        return reinterpret_cast<void*>(&AddCircle3P);
      case PluginService::AddCircleCenterPoint:
        return reinterpret_cast<void*>(&AddCircleCenterPoint);
      case PluginService::AddArc3P:
        return reinterpret_cast<void*>(&AddArc3P);
      case PluginService::AddArcCenterStartEnd:
        return reinterpret_cast<void*>(&AddArcCenterStartEnd);
      case PluginService::AddEllipticArc:
        return reinterpret_cast<void*>(&AddEllipticArc);
      case PluginService::DrawEntity:
        return reinterpret_cast<void*>(&DrawEntity);
      case PluginService::DeleteTemporary:
        return reinterpret_cast<void*>(&DeleteTemporary);
      case PluginService::MessageBoxId:
        return reinterpret_cast<void*>(&MessageBoxId);
      default:
        // Anything else the drawing commands must not need.
        Of(context).log.push_back(Cat("unexpected service ", std::to_string(id)));
        return nullptr;
    }
  }

  static constexpr PluginServiceTable kTable{&GetService};
  void* module_ = nullptr;
  Context context_{&kTable, this};
  uintptr_t entities_ = 0;
};

}  // namespace korvo::testing

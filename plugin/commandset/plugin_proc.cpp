#include <cstdint>

#include "plugin/commandset/commands.h"
#include "plugin/commandset/host.h"
#include "plugin/plugin_api.h"

namespace korvo::commandset {

namespace {

struct CommandEntry {
  const char16_t* name;
  int (*run)();
};

// Compared in this order; the first match runs.
constexpr CommandEntry kCommands[] = {
    {u"SETTINGS", RunSettings},
    {u"ARC3PT", RunArc3Point},
    {u"ARCCEN", RunArcCenter},
    {u"ARCCSA", RunArcCenterStartAngle},
    {u"CIRCLECEN", RunCircleCenter},
    {u"CIRCLEDIA", RunCircleDiameter},
    {u"CIRCLE3PT", RunCircle3Point},
    {u"POINT", RunPoint},
    {u"LINE", RunLine},
    {u"TRACE", RunTrace},
    {u"PEDIT", RunPolylineEdit},
    {u"ELLIPSECEN", RunEllipseCenter},
    {u"ELLIPSEDIA", RunEllipseDiameter},
    {u"RECTARRAY", RunRectangularArray},
    {u"POLARARRAY", RunPolarArray},
};

char16_t Upper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// Letter case ignored for ASCII letters only: the names are ASCII and no locale applies.
bool SameName(const char16_t* a, const char16_t* b) {
  for (; *a != 0 && *b != 0; ++a, ++b) {
    if (Upper(*a) != Upper(*b)) return false;
  }
  return *a == *b;
}

}  // namespace

}  // namespace korvo::commandset

extern "C" __attribute__((visibility("default"))) int KorvoCADPluginProc(
    korvo::PluginContext* context, const char16_t* commandName) {
  using namespace korvo::commandset;
  if (commandName == nullptr) return 0;
  korvo::PluginContext* saved = CurrentContext();
  SetCurrentContext(context);
  int result = 0;
  for (const CommandEntry& entry : kCommands) {
    if (SameName(commandName, entry.name)) {
      result = entry.run();
      break;
    }
  }
  SetCurrentContext(saved);
  return result;
}

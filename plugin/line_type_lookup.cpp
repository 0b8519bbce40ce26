#include "plugin/line_type_lookup.h"

#include <algorithm>

#include "core/drawing.h"
#include "platform/utf16.h"
#include "plugin/plugin_context.h"
#include "text/line_type_library.h"

namespace korvo {
namespace {

void LoadLibraryOnce(PluginContext& context) {
  if (context.lineTypeLibraryLoaded) return;
  context.lineTypeLibraryLoaded = true;
  std::vector<std::unique_ptr<LineType>> read;
  LoadLineTypeLibrary(LineTypeLibraryPath(), read);
  for (auto& type : read) {
    if (context.drawing->lineTypes.Find(type->name) == nullptr)
      context.libraryLineTypes.push_back(std::move(type));
  }
}

}  // namespace

LineType* FindPluginLineType(PluginContext& context, std::u16string_view name) {
  if (!context.IsLive()) return nullptr;
  Drawing& drawing = *context.drawing;
  if (name.empty()) return drawing.settings.currentLineType;
  if (LineType* found = drawing.lineTypes.Find(name)) return found;
  LoadLibraryOnce(context);
  auto& library = context.libraryLineTypes;
  const auto match = std::find_if(library.begin(), library.end(), [name](const auto& type) {
    return EqualsNoCase(type->name, name);
  });
  if (match == library.end()) return nullptr;
  LineType* type = match->release();
  library.erase(match);
  drawing.lineTypes.Add(type);
  return type;
}

}  // namespace korvo

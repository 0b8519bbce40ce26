#pragma once

#include <string_view>

namespace korvo {

class LineType;
class PluginContext;

// The line type a plug-in names: an empty name gives the current line type; otherwise the
// drawing's table is searched, then the line-type library beside the program (read once per
// context; the line types the drawing lacks are kept in the context). A library line type
// that matches is moved into the drawing's table. Null when none has the name or the context
// is not live.
LineType* FindPluginLineType(PluginContext& context, std::u16string_view name);

}  // namespace korvo

// Line types (214, 215, 227, 228) and text styles (221-226) of the drawing.
#include <cmath>
#include <memory>
#include <vector>

#include "core/drawing.h"
#include "plugin/plugin_context.h"
#include "plugin/service_support.h"
#include "plugin/service_table.h"
#include "plugin/services_table.h"
#include "text/line_type.h"
#include "text/line_type_library.h"

namespace korvo {
namespace {

namespace Code {
inline constexpr int32_t Name = 2;
inline constexpr int32_t Font = 3;
inline constexpr int32_t Height = 40;
inline constexpr int32_t WidthFactor = 41;
inline constexpr int32_t ObliqueAngle = 51;  // radians, as the style keeps it
inline constexpr int32_t Flags = 71;
}  // namespace Code

Drawing* DrawingOf(PluginContext* context) {
  return context != nullptr && context->IsLive() ? context->drawing : nullptr;
}

// The library's line types the drawing lacks, read once per context as the line type lookup
// reads them, for the enumeration to walk after the drawing's.
void LoadLibraryOnce(PluginContext& context) {
  if (context.lineTypeLibraryLoaded) return;
  context.lineTypeLibraryLoaded = true;
  std::vector<std::unique_ptr<LineType>> read;
  LoadLineTypeLibrary(LineTypeLibraryPath(), read);
  for (auto& lineType : read) {
    if (context.drawing->lineTypes.Find(lineType->name) == nullptr)
      context.libraryLineTypes.push_back(std::move(lineType));
  }
}

PluginLineType* FindLineType(PluginContext* context, const char16_t* name) {
  Drawing* drawing = DrawingOf(context);
  if (drawing == nullptr) return nullptr;
  const auto text = ReadServiceText(name);
  if (name != nullptr && !text) return nullptr;
  LineType* lineType = !text || text->empty() ? drawing->settings.currentLineType
                                              : TakePluginLineType(*context, *text);
  return lineType != nullptr ? context->Issue(lineType) : nullptr;
}

int32_t GetLineTypeName(PluginContext* context, PluginLineType* handle, char16_t* out) {
  LineType* lineType = DrawingOf(context) != nullptr ? context->CheckLineType(handle) : nullptr;
  return lineType != nullptr && WriteServiceText(out, lineType->name) ? 1 : 0;
}

// The drawing's line types, then those of the library not yet taken into the drawing.
int32_t NextLineType(PluginContext* context, char16_t* out) {
  Drawing* drawing = DrawingOf(context);
  if (drawing == nullptr || out == nullptr) return 0;
  if (context->lineTypeCursorInDrawing) {
    if (WalkNames(drawing->lineTypes, context->lineTypeCursor, out)) return 1;
    context->lineTypeCursorInDrawing = false;
    context->lineTypeCursor = 0;
    LoadLibraryOnce(*context);
  }
  const auto& library = context->libraryLineTypes;
  if (context->lineTypeCursor >= library.size()) return 0;
  WriteServiceText(out, library[context->lineTypeCursor++]->name);
  return 1;
}

int32_t FirstLineType(PluginContext* context, char16_t* out) {
  if (DrawingOf(context) == nullptr) return 0;
  context->lineTypeCursorInDrawing = true;
  context->lineTypeCursor = 0;
  return NextLineType(context, out);
}

bool StyleValuesHold(double height, double widthFactor, double obliqueAngle) {
  return std::isfinite(height) && height >= 0 && std::isfinite(widthFactor) && widthFactor > 0 &&
         std::isfinite(obliqueAngle);
}

PluginTextStyle* AddTextStyle(PluginContext* context, const char16_t* name, const char16_t* font,
                              double height, double widthFactor, double obliqueAngle,
                              int32_t flags) {
  Drawing* drawing = DrawingOf(context);
  const auto text = ReadServiceText(name);
  const auto fontName = ReadServiceText(font);
  if (drawing == nullptr || !text || text->empty() || (font != nullptr && !fontName) ||
      drawing->textStyles.Find(*text) != nullptr ||
      !StyleValuesHold(height, widthFactor, obliqueAngle) || flags < 0 || flags > 0xFF) {
    return nullptr;
  }
  // An absent font name takes the default font.
  auto* style = new TextStyle(*text, fontName.value_or(std::u16string()), height, widthFactor,
                              obliqueAngle, static_cast<uint8_t>(flags));
  drawing->textStyles.Add(style);
  drawing->undo.RecordChange(UndoKind::TextStyleAdded, style);
  drawing->SetModifiedFlag(true);
  return context->Issue(style);
}

PluginTextStyle* FindTextStyle(PluginContext* context, const char16_t* name) {
  Drawing* drawing = DrawingOf(context);
  if (drawing == nullptr) return nullptr;
  const auto text = ReadServiceText(name);
  if (name != nullptr && !text) return nullptr;
  TextStyle* style =
      !text || text->empty() ? drawing->settings.currentTextStyle : drawing->textStyles.Find(*text);
  return style != nullptr ? context->Issue(style) : nullptr;
}

TextStyle* StyleOf(PluginContext* context, PluginTextStyle* handle) {
  return DrawingOf(context) != nullptr ? context->CheckTextStyle(handle) : nullptr;
}

int32_t GetTextStyleProperty(PluginContext* context, PluginTextStyle* handle, int32_t code,
                             void* out) {
  TextStyle* style = StyleOf(context, handle);
  if (style == nullptr || out == nullptr) return 0;
  switch (code) {
    case Code::Name:
      return WriteServiceText(static_cast<char16_t*>(out), style->name) ? 1 : 0;
    case Code::Font:
      return WriteServiceText(static_cast<char16_t*>(out), style->FontName()) ? 1 : 0;
    case Code::Height:
      *static_cast<double*>(out) = style->height;
      return 1;
    case Code::WidthFactor:
      *static_cast<double*>(out) = style->widthFactor;
      return 1;
    case Code::ObliqueAngle:
      *static_cast<double*>(out) = style->obliqueAngle;
      return 1;
    case Code::Flags:
      *static_cast<int32_t*>(out) = style->flags;
      return 1;
    default:
      return 0;
  }
}

// The new value of a style, checked before anything is recorded.
bool ApplyStyleValue(Drawing& drawing, TextStyle& style, int32_t code, const void* value,
                     bool apply) {
  switch (code) {
    case Code::Name:
    case Code::Font: {
      const auto text = ReadServiceText(static_cast<const char16_t*>(value));
      if (!text || (code == Code::Name && text->empty())) return false;
      if (code == Code::Font) {
        if (apply) style.font = FontRef(text->empty() ? kDefaultFontName : *text);
        return true;
      }
      TextStyle* holder = drawing.textStyles.Find(*text);
      if (holder != nullptr && holder != &style) return false;
      return !apply || RenameEntry(drawing.textStyles, &style, *text);
    }
    case Code::Height:
    case Code::WidthFactor:
    case Code::ObliqueAngle: {
      double height = style.height;
      double widthFactor = style.widthFactor;
      double obliqueAngle = style.obliqueAngle;
      double& field = code == Code::Height        ? height
                      : code == Code::WidthFactor ? widthFactor
                                                  : obliqueAngle;
      field = *static_cast<const double*>(value);
      if (!StyleValuesHold(height, widthFactor, obliqueAngle)) return false;
      if (apply) {
        style.height = height;
        style.widthFactor = widthFactor;
        style.obliqueAngle = obliqueAngle;
      }
      return true;
    }
    case Code::Flags: {
      const int32_t flags = *static_cast<const int32_t*>(value);
      if (flags < 0 || flags > 0xFF) return false;
      if (apply) style.flags = static_cast<uint8_t>(flags);
      return true;
    }
    default:
      return false;
  }
}

// FIXME: the context keeps no set of styles already recorded, so every change takes a copy
// of the style table; undo is right, but a command that changes many values keeps many.
int32_t SetTextStyleProperty(PluginContext* context, PluginTextStyle* handle, int32_t code,
                             const void* value) {
  TextStyle* style = StyleOf(context, handle);
  if (style == nullptr || value == nullptr) return 0;
  Drawing& drawing = *context->drawing;
  if (!ApplyStyleValue(drawing, *style, code, value, false)) return 0;
  drawing.undo.RecordChange(UndoKind::TextStylesReplaced);
  ApplyStyleValue(drawing, *style, code, value, true);
  drawing.SetModifiedFlag(true);
  return 1;
}

int32_t FirstTextStyle(PluginContext* context, char16_t* out) {
  Drawing* drawing = DrawingOf(context);
  if (drawing == nullptr) return 0;
  context->textStyleCursor = 0;
  return WalkNames(drawing->textStyles, context->textStyleCursor, out) ? 1 : 0;
}

int32_t NextTextStyle(PluginContext* context, char16_t* out) {
  Drawing* drawing = DrawingOf(context);
  return drawing != nullptr && WalkNames(drawing->textStyles, context->textStyleCursor, out) ? 1
                                                                                             : 0;
}

}  // namespace

void* StyleService(int32_t id) {
  switch (id) {
    case PluginService::FindLineType:
      return ServiceAddressOf<FindLineTypeFn>(&FindLineType);
    case PluginService::GetLineTypeName:
      return ServiceAddressOf<GetLineTypeNameFn>(&GetLineTypeName);
    case PluginService::FirstLineType:
      return ServiceAddressOf<NameWalkFn>(&FirstLineType);
    case PluginService::NextLineType:
      return ServiceAddressOf<NameWalkFn>(&NextLineType);
    case PluginService::AddTextStyle:
      return ServiceAddressOf<AddTextStyleFn>(&AddTextStyle);
    case PluginService::FindTextStyle:
      return ServiceAddressOf<FindTextStyleFn>(&FindTextStyle);
    case PluginService::GetTextStyleProperty:
      return ServiceAddressOf<GetTextStylePropertyFn>(&GetTextStyleProperty);
    case PluginService::SetTextStyleProperty:
      return ServiceAddressOf<SetTextStylePropertyFn>(&SetTextStyleProperty);
    case PluginService::FirstTextStyle:
      return ServiceAddressOf<NameWalkFn>(&FirstTextStyle);
    case PluginService::NextTextStyle:
      return ServiceAddressOf<NameWalkFn>(&NextTextStyle);
    default:
      return nullptr;
  }
}

}  // namespace korvo

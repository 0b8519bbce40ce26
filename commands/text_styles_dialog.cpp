#include "commands/text_styles_dialog.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <system_error>

#include "commands/table_dialog_strings.h"
#include "commands/table_name_check.h"
#include "core/drawing.h"
#include "platform/message_box.h"
#include "platform/text_format.h"
#include "platform/utf16.h"
#include "text/font_loading.h"

namespace korvo {
namespace {

using namespace TableDialogString;

constexpr double kPi = 3.14159265358979323846;
constexpr std::string_view kFontExtension = ".kcdfnt";
constexpr uint8_t kDialogFlags = TextStyle::kBackwards | TextStyle::kUpsideDown;

// Fifteen significant digits, as the framework shows a double: 15 degrees shows as "15"
// although its round trip through radians is not exact.
std::u16string Show(double value) {
  return Ascii(FormatGeneral(value, 15));
}

std::optional<double> ReadNumber(std::u16string_view text) {
  const auto parsed = ParseNumber(text);
  if (!parsed || !std::isfinite(parsed->value)) return std::nullopt;
  if (text.substr(parsed->length).find_first_not_of(u" \t") != std::u16string_view::npos)
    return std::nullopt;
  return parsed->value;
}

void AssignStyle(TextStyle& to, const TextStyle& from) {
  to.height = from.height;
  to.widthFactor = from.widthFactor;
  to.obliqueAngle = from.obliqueAngle;
  to.flags = from.flags;
  to.name = from.name;
  to.font = from.font;
}

}  // namespace

std::vector<std::u16string> ListFontNames(const std::filesystem::path& folder) {
  std::vector<std::u16string> names;
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) return names;
  for (const auto& entry : entries) {
    std::error_code kind;
    if (!entry.is_regular_file(kind)) continue;
    const std::string file = entry.path().filename().string();
    if (file.size() <= kFontExtension.size()) continue;
    const std::string tail = file.substr(file.size() - kFontExtension.size());
    if (ToUpper(Utf8ToUtf16(tail)) != ToUpper(Utf8ToUtf16(kFontExtension))) continue;
    names.push_back(Utf8ToUtf16(file.substr(0, file.size() - kFontExtension.size())));
  }
  std::sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
    const std::u16string upperA = ToUpper(a), upperB = ToUpper(b);
    return upperA != upperB ? upperA < upperB : a < b;
  });
  return names;
}

TextStylesDialogModel::TextStylesDialogModel(Drawing& drawing, MessageBoxService& messages,
                                             std::vector<std::u16string> fonts)
    : drawing_(drawing), messages_(messages), fonts_(std::move(fonts)) {
  for (TextStyle* style : drawing.textStyles) {
    if (style == drawing.settings.currentTextStyle) selected_ = rows_.size();
    rows_.push_back({style, std::make_unique<TextStyle>(*style)});
  }
  if (!selected_ && !rows_.empty()) selected_ = 0;
  if (selected_) ShowStyle(*selected_);
}

TextStylesDialogModel::~TextStylesDialogModel() = default;

std::optional<std::size_t> TextStylesDialogModel::FindStyle(std::u16string_view name) const {
  return FindRowByName(rows_, name);
}

void TextStylesDialogModel::ShowStyle(std::size_t index) {
  const TextStyle& style = *rows_[index].copy;
  const std::u16string_view font = style.FontName();
  fields_.name = style.name;
  fields_.font = std::u16string(font.substr(0, font.find(u'.')));
  fields_.height = Show(style.height);
  fields_.widthFactor = Show(style.widthFactor);
  fields_.obliqueDegrees = Show(style.obliqueAngle * 180.0 / kPi);
  fields_.upsideDown = (style.flags & TextStyle::kUpsideDown) != 0;
  fields_.backwards = (style.flags & TextStyle::kBackwards) != 0;
  edited_ = false;
}

bool TextStylesDialogModel::ResolveEdits() {
  if (!edited_) return true;
  const MessageAnswer answer =
      messages_.Show(kApplyStyleChanges, MessageButtons::YesNoCancel, MessageIcon::Question);
  if (answer == MessageAnswer::Cancel) return false;
  if (answer == MessageAnswer::Yes) return Apply();
  if (selected_) ShowStyle(*selected_);
  return true;
}

bool TextStylesDialogModel::SelectStyle(std::size_t index) {
  if (index >= rows_.size()) return false;
  if (!ResolveEdits()) return false;
  selected_ = index;
  ShowStyle(index);
  return true;
}

void TextStylesDialogModel::SetField(TextStyleField field, std::u16string text) {
  switch (field) {
    case TextStyleField::Name:
      fields_.name = std::move(text);
      break;
    case TextStyleField::Font:
      if (ToUpper(text) != ToUpper(fields_.font)) CheckFont(text);
      fields_.font = std::move(text);
      break;
    case TextStyleField::Height:
      fields_.height = std::move(text);
      break;
    case TextStyleField::WidthFactor:
      fields_.widthFactor = std::move(text);
      break;
    case TextStyleField::ObliqueAngle:
      fields_.obliqueDegrees = std::move(text);
      break;
  }
  edited_ = true;
}

void TextStylesDialogModel::SetUpsideDown(bool on) {
  fields_.upsideDown = on;
  edited_ = true;
}

void TextStylesDialogModel::SetBackwards(bool on) {
  fields_.backwards = on;
  edited_ = true;
}

// A chosen font is read at once, so that a damaged file is reported while the user can still
// choose another; the report names each font once.
void TextStylesDialogModel::CheckFont(std::u16string_view name) {
  if (name.empty()) return;
  const ScopedMessageBox scope(messages_);
  FontRef font(name);
  EnsureGlyphIndex(*font);
}

bool TextStylesDialogModel::Refuse(std::u16string_view message) {
  messages_.Show(message, MessageButtons::Ok, MessageIcon::Exclamation);
  return false;
}

std::optional<TextStylesDialogModel::Reading> TextStylesDialogModel::Read() {
  const auto refuse = [this](std::u16string_view message) {
    Refuse(message);
    return std::nullopt;
  };
  if (const auto why = CheckTableName(fields_.name, kEnterStyleName)) return refuse(*why);
  if (fields_.font.empty()) return refuse(kEnterFontName);
  Reading reading;
  reading.name = fields_.name;
  reading.font = fields_.font;
  const auto height = ReadNumber(fields_.height);
  const auto width = ReadNumber(fields_.widthFactor);
  const auto oblique = ReadNumber(fields_.obliqueDegrees);
  if (!height || !width || !oblique) return refuse(kEnterNumber);
  if (*height < 0) {
    return refuse(FormatMessage(kEnterNumberBetween, {std::u16string_view(u"0"), Show(DBL_MAX)}));
  }
  if (*width <= 0) {
    const std::u16string low = Show(1e-15), high = Show(DBL_MAX);
    return refuse(
        FormatMessage(kEnterNumberBetween, {std::u16string_view(low), std::u16string_view(high)}));
  }
  reading.height = *height;
  reading.widthFactor = *width;
  reading.obliqueAngle = *oblique * kPi / 180.0;
  reading.flags = (fields_.backwards ? TextStyle::kBackwards : 0) |
                  (fields_.upsideDown ? TextStyle::kUpsideDown : 0);
  return reading;
}

bool TextStylesDialogModel::NameTaken(std::u16string_view name, const TextStyle* except) const {
  const std::u16string key = ToUpper(name);
  return std::any_of(rows_.begin(), rows_.end(), [&](const WorkingStyle& row) {
    return row.copy.get() != except && ToUpper(row.copy->name) == key;
  });
}

bool TextStylesDialogModel::New() {
  if (!CanNew()) return false;
  const auto reading = Read();
  if (!reading) return false;
  if (NameTaken(reading->name, nullptr))
    return Refuse(FormatMessage(kStyleNameInUse, {std::u16string_view(reading->name)}));
  rows_.push_back({nullptr, std::make_unique<TextStyle>(reading->name, reading->font,
                                                        reading->height, reading->widthFactor,
                                                        reading->obliqueAngle, reading->flags)});
  selected_ = rows_.size() - 1;
  edited_ = false;
  return true;
}

bool TextStylesDialogModel::Apply() {
  if (!CanApply() || !selected_) return false;
  const auto reading = Read();
  if (!reading) return false;
  TextStyle& style = *rows_[*selected_].copy;
  if (reading->name != style.name && NameTaken(reading->name, &style))
    return Refuse(FormatMessage(kStyleNameInUse, {std::u16string_view(reading->name)}));
  style.font = FontRef(reading->font);
  style.height = reading->height;
  style.widthFactor = reading->widthFactor;
  style.obliqueAngle = reading->obliqueAngle;
  style.flags = static_cast<uint8_t>((style.flags & ~kDialogFlags) | reading->flags);
  style.name = reading->name;
  edited_ = false;
  return true;
}

std::unique_ptr<TextStyle> TextStylesDialogModel::PreviewStyle() const {
  auto style = selected_ ? std::make_unique<TextStyle>(*rows_[*selected_].copy)
                         : std::make_unique<TextStyle>();
  if (!fields_.font.empty()) style->font = FontRef(fields_.font);
  if (const auto height = ReadNumber(fields_.height); height && *height >= 0)
    style->height = *height;
  if (const auto width = ReadNumber(fields_.widthFactor); width && *width > 0)
    style->widthFactor = *width;
  if (const auto oblique = ReadNumber(fields_.obliqueDegrees))
    style->obliqueAngle = *oblique * kPi / 180.0;
  style->flags = static_cast<uint8_t>((style->flags & ~kDialogFlags) |
                                      (fields_.backwards ? TextStyle::kBackwards : 0) |
                                      (fields_.upsideDown ? TextStyle::kUpsideDown : 0));
  return style;
}

bool TextStylesDialogModel::Accept() {
  if (!ResolveEdits()) return false;
  // The exchange of the values checks the fields once more.
  return Read().has_value();
}

void TextStylesDialogModel::Confirm() {
  Drawing& drawing = drawing_;
  drawing.undo.RecordChange(UndoKind::TextStylesReplaced);
  std::vector<TextStyle*> members;
  for (WorkingStyle& row : rows_) {
    if (row.original != nullptr) {
      AssignStyle(*row.original, *row.copy);
    } else {
      row.original = row.copy.release();
      row.copy = std::make_unique<TextStyle>(*row.original);
    }
    members.push_back(row.original);
  }
  // Rebuilt from scratch: renamed styles take their new keys, and no name is ever held twice
  // on the way.
  const std::vector<TextStyle*> present(drawing.textStyles.begin(), drawing.textStyles.end());
  for (TextStyle* style : present) drawing.textStyles.Remove(style, TableRemoval::Keep);
  for (TextStyle* style : members) drawing.textStyles.Add(style);
  if (selected_) drawing.settings.currentTextStyle = rows_[*selected_].original;
}

}  // namespace korvo

#include "commands/table_name_check.h"

#include "commands/table_dialog_strings.h"
#include "platform/text_format.h"

namespace korvo {
namespace {

bool IsForbidden(char16_t c) {
  if (c < 0x20 || c == 0x7F) return true;
  constexpr std::u16string_view kForbidden = u"<>/\\\":;?*|=`";
  return kForbidden.find(c) != std::u16string_view::npos;
}

}  // namespace

std::optional<std::u16string> CheckTableName(std::u16string_view name,
                                             std::u16string_view emptyMessage) {
  using namespace TableDialogString;
  if (name.empty()) return std::u16string(emptyMessage);
  if (name.find_first_not_of(u" \t") == std::u16string_view::npos)
    return std::u16string(kNameBlank);
  if (name.size() > kMaxTableNameLength)
    return FormatMessage(kNameTooLong, {static_cast<int64_t>(kMaxTableNameLength)});
  for (const char16_t c : name) {
    if (IsForbidden(c)) return std::u16string(kNameBadCharacter);
  }
  return std::nullopt;
}

}  // namespace korvo

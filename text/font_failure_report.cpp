#include "text/font_failure_report.h"

#include <set>

#include "platform/message_box.h"
#include "platform/text_format.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

std::set<std::u16string>& ReportedNames() {
  static std::set<std::u16string> names;
  return names;
}

}  // namespace

void ReportFontFailure(const std::vector<std::u16string>& names) {
  bool anyNew = false;
  std::u16string list;
  for (const std::u16string& name : names) {
    anyNew |= ReportedNames().insert(ToUpper(name)).second;
    list += u"\n\t";
    list += name;
  }
  if (!anyNew) return;
  ShowMessage(FormatMessage(kLoadingFontFailureMessage, {std::u16string_view(list)}),
              MessageIcon::Exclamation);
}

void ResetFontFailureReports() {
  ReportedNames().clear();
}

}  // namespace korvo

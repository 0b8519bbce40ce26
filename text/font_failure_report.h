#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// The message shown when font files cannot be opened; %s lists the names.
inline constexpr char16_t kLoadingFontFailureMessage[] = u"Loading font failure!\nFonts:%s\n";

// Tells the user that the files of `names` could not be opened (exclamation icon), each name
// on its own line after a tab. A font name is reported once per process (letter case
// ignored): a message shows when at least one of `names` has not been reported before, and
// then lists all of them. So a missing font is reported when it is first needed, never again
// for each string drawn with it.
void ReportFontFailure(const std::vector<std::u16string>& names);

// Forgets which names were reported (tests).
void ResetFontFailureReports();

}  // namespace korvo

#pragma once

#include <string_view>

namespace korvo {

// The help topic of a command: its name in the command table; the table of contents when the
// identifier has no name there (no command runs, say) or the name is empty.
std::u16string_view CommandHelpTopic(int commandId);

// The help topic of a command palette entry. The entry's first character is a marker: an at
// sign marks a script command, whose topic is the script's name, the rest of the text; after
// any other marker the rest names a command of the table, whose topic it gives (the table of
// contents for a name the table lacks). Nothing follows a lone "@", so its topic is empty:
// the help file opens at its top. A script's topic is a view into `entry`.
std::u16string_view PaletteEntryHelpTopic(std::u16string_view entry);

}  // namespace korvo

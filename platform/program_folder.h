#pragma once

#include <filesystem>

namespace korvo {

// The folder of the running executable: fonts, line types and the plug-in lie beside it.
std::filesystem::path ProgramFolder();

}  // namespace korvo

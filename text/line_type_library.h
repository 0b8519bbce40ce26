#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "text/line_type.h"

namespace korvo {

// The library file's name in the program folder.
inline constexpr char kLineTypeLibraryName[] = "KorvoCAD.lts";

// Reads a line type library: UTF-16LE text, the first line ignored, then records of three
// lines (name, description, pattern). Appends one new line type per complete record to
// `types`. False when the file cannot be opened; a damaged file yields its complete records.
bool LoadLineTypeLibrary(const std::filesystem::path& path,
                         std::vector<std::unique_ptr<LineType>>& types);

// The same over bytes already read.
void ParseLineTypeLibrary(const std::vector<uint8_t>& bytes,
                          std::vector<std::unique_ptr<LineType>>& types);

// The library beside the program.
std::filesystem::path LineTypeLibraryPath();

}  // namespace korvo

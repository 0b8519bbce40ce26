#include "exchange/open_as.h"

#include "exchange/dxf_import.h"

namespace korvo {

std::string LowerCaseExtension(const std::filesystem::path& path) {
  const std::string name = path.string();
  const std::size_t separator = name.find_last_of("/\\");
  const std::size_t start = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t dot = name.rfind('.');
  std::string extension =
      dot == std::string::npos || dot < start ? std::string() : name.substr(dot);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension;
}

OpenResult OpenDrawingAs(const std::filesystem::path& path, Drawing& drawing,
                         MessageBoxService& messages) {
  if (LowerCaseExtension(path) == ".dxf") return ImportDxf(path, drawing, messages);
  return OpenDrawing(path, drawing, messages);
}

}  // namespace korvo

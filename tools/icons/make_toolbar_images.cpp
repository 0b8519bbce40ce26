// Draws the buttons of the toolbars and the command palette, the prompt bar's background and
// the program's icon, and writes them with the definition files into a data folder:
//
//   make_toolbar_images <data folder>
//
// tbs/ and cps/ hold the small-screen files (24 and 40 pixels), tbl/ and cpl/ the large-screen
// ones (48 and 80 pixels); the icon goes to icon/korvocad_<size>.bmp for the script that turns
// it into PNG.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "command_icons.h"
#include "exchange/bitmap_file.h"
#include "icon_canvas.h"

namespace korvo::icons {
namespace {

struct Folder {
  const char* name;
  int buttonSize;
};

// The toolbars, each a list of buttons: the first ones fill the visible places.
constexpr std::string_view kRecent[] = {"ZOOMALL",
                                        "UNDO",
                                        "REDO",
                                        "draw_LINE",
                                        "draw_POLYLINE",
                                        "draw_CIRCLERAD",
                                        "draw_ARC3PT",
                                        "draw_RECTANGLE",
                                        "draw_TEXT",
                                        "modify_MOVE",
                                        "modify_ERASE",
                                        "draw_COPY",
                                        "modify_ROTATE",
                                        "modify_SCALE",
                                        "modify_MIRROR",
                                        "tool_TRIM",
                                        "tool_BREAK",
                                        "tool_CHAMFER",
                                        "modify_EXPLODE",
                                        "tool_PEDIT",
                                        "tool_ARRAYRECT",
                                        "tool_ARRAYPOLAR",
                                        "modify_MATCHPROPS",
                                        "modify_FRONT",
                                        "modify_BACK",
                                        "draw_FREELINE",
                                        "draw_POLYGON",
                                        "draw_CIRCLEDIA",
                                        "draw_CIRCLE3PT",
                                        "draw_ARCCEN",
                                        "draw_ARCANG",
                                        "draw_ELLIPSERAD",
                                        "draw_ELLIPSEDIA",
                                        "draw_POINT",
                                        "draw_TRACE",
                                        "draw_FSOLID",
                                        "draw_DONUT",
                                        "draw_INSERT",
                                        "ZOOMWIN",
                                        "ZOOMINOUT",
                                        "ZOOMIN",
                                        "ZOOMINONCE",
                                        "ZOOMOUTONCE",
                                        "LAYERS",
                                        "STYLES",
                                        "LINE_TYPES",
                                        "SETTINGS",
                                        "SETBASE",
                                        "tool_RUNSJSCRIPT",
                                        "CMDPALETTE"};
constexpr std::string_view kAssistant[] = {"ASSISTANT",  "GRID",        "GRIDSNAP", "ORTHOSNAP",
                                           "OBJECTSNAP", "INTSNAP",     "ZOOMALL",  "ZOOMWIN",
                                           "ZOOMINONCE", "ZOOMOUTONCE", "LAYERS",   "LINE_TYPES",
                                           "SETTINGS",   "UNDO",        "REDO"};
constexpr std::string_view kPrompt[] = {"DialogInput", "EnterDefault", "ASSISTANT"};

// The palette offers every command but the ones that only answer a question.
bool InPalette(std::string_view name) {
  return name != "DialogInput" && name != "EnterDefault" && name != "ASSISTANT" &&
         name != "CMDPALETTE";
}

bool WriteIcon(const std::filesystem::path& path, const Bitmap& picture) {
  if (WriteTrueColorBitmap(path, picture)) return true;
  std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
  return false;
}

// Every button image of one folder.
bool WriteButtons(const std::filesystem::path& folder, int size) {
  for (const CommandIcon& icon : CommandIcons()) {
    IconCanvas canvas(size);
    icon.draw(canvas);
    if (!WriteIcon(folder / (std::string(icon.name) + ".bmp"), canvas.Result())) return false;
  }
  return true;
}

// A definition file: the background colour, then image, item text and "-" + name per button.
template <typename Names>
bool WriteDefinition(const std::filesystem::path& file, const char* colour, const Names& names) {
  std::string text = std::string(colour) + "\n";
  for (const std::string_view name : names) {
    const CommandIcon* icon = FindCommandIcon(name);
    if (icon == nullptr) {
      std::fprintf(stderr, "no icon for %.*s\n", static_cast<int>(name.size()), name.data());
      return false;
    }
    text +=
        std::string(name) + ".bmp\n" + std::string(icon->text) + "\n-" + std::string(name) + "\n";
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

// The prompt bar's background: a dark band, lighter at the top edge, tiled along the bar.
Bitmap PromptBackground(int height) {
  Bitmap band(64, height);
  for (int y = 0; y < height; ++y) {
    const int shade = y == 0 ? 0x70 : 0x3A - 0x14 * y / height;
    const uint32_t value = static_cast<uint32_t>(shade) | static_cast<uint32_t>(shade + 6) << 8 |
                           static_cast<uint32_t>(shade + 18) << 16;
    for (int x = 0; x < band.width(); ++x) band.SetPixel(x, y, value);
  }
  return band;
}

int Run(const std::filesystem::path& data) {
  const Folder toolbars[] = {{"tbs", 24}, {"tbl", 48}};
  const Folder palettes[] = {{"cps", 40}, {"cpl", 80}};
  constexpr const char* kFaceColour = "236 239 243";
  for (const Folder& folder : toolbars) {
    const std::filesystem::path path = data / folder.name;
    std::filesystem::create_directories(path);
    if (!WriteButtons(path, folder.buttonSize)) return 1;
    if (!WriteDefinition(path / "Recent.mnu", kFaceColour, kRecent) ||
        !WriteDefinition(path / "Assistant.mnu", kFaceColour, kAssistant) ||
        !WriteDefinition(path / "Prompt.mnu", "46 52 64", kPrompt))
      return 1;
    if (!WriteIcon(path / "promptBackground.bmp", PromptBackground(folder.buttonSize + 4)))
      return 1;
  }
  std::vector<std::string_view> palette;
  for (const CommandIcon& icon : CommandIcons())
    if (InPalette(icon.name)) palette.push_back(icon.name);
  for (const Folder& folder : palettes) {
    const std::filesystem::path path = data / folder.name;
    std::filesystem::create_directories(path);
    if (!WriteButtons(path, folder.buttonSize)) return 1;
    if (!WriteDefinition(path / "KorvoCAD.mnu", kFaceColour, palette)) return 1;
  }
  std::filesystem::create_directories(data / "icon");
  for (const int size : {64, 256}) {
    IconCanvas canvas(size, 0xFFFFFF);
    DrawApplicationIcon(canvas);
    if (!WriteIcon(data / "icon" / ("korvocad_" + std::to_string(size) + ".bmp"), canvas.Result()))
      return 1;
  }
  return 0;
}

}  // namespace
}  // namespace korvo::icons

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_toolbar_images <data folder>\n");
    return 2;
  }
  return korvo::icons::Run(argv[1]);
}

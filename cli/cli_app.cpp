#include "cli/cli_app.h"

#include <climits>
#include <filesystem>

#include "cli/drawing_dump.h"
#include "cli/journal_run.h"
#include "cli/stream_message_box.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "exchange/open_as.h"
#include "exchange/save_as.h"
#include "platform/message_box.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

// Paths are taken byte for byte, as the system gives them.
std::filesystem::path PathOf(const std::string& argument) {
  return std::filesystem::path(argument);
}

int Dump(const std::string& file, std::ostream& out, std::ostream& err) {
  StreamMessageBox messages(err);
  Drawing drawing;
  const OpenResult result = OpenDrawingAs(PathOf(file), drawing, messages);
  if (result.opened) out << DumpDrawing(drawing, result.version) << std::flush;
  // A full disk or a closed pipe must not pass for a dump.
  if (!out) messages.Show(u"Failed to write the output.", MessageButtons::Ok, MessageIcon::Stop);
  return messages.count() == 0 ? 0 : 1;
}

int Convert(const std::string& input, const std::string& output, const SaveAsOptions& options,
            std::ostream& err) {
  StreamMessageBox messages(err);
  Drawing drawing;
  const OpenResult result = OpenDrawingAs(PathOf(input), drawing, messages);
  // A file that could not be read is not turned into an empty drawing elsewhere.
  if (!result.opened || messages.count() != 0) return 1;
  return SaveDrawingAs(drawing, PathOf(output), options, messages) ? 0 : 1;
}

// A whole decimal number that fits an int, nothing else.
bool ParseSize(const std::string& text, int& value) {
  if (text.empty() || text.size() > 11) return false;
  std::size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return false;
  long long result = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i] - '0');
  }
  if (text[0] == '-') result = -result;
  if (result < INT_MIN || result > INT_MAX) return false;
  value = static_cast<int>(result);
  return true;
}

// The options after `convert IN OUT`: --width W, --height H and --white, each at most once.
bool ParseConvertOptions(std::span<const std::string> args, SaveAsOptions& options) {
  bool width = false, height = false, white = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--white" && !white) {
      white = options.whiteBackground = true;
    } else if (args[i] == "--width" && !width && i + 1 < args.size()) {
      width = ParseSize(args[++i], options.bitmapWidth);
      if (!width) return false;
    } else if (args[i] == "--height" && !height && i + 1 < args.size()) {
      height = ParseSize(args[++i], options.bitmapHeight);
      if (!height) return false;
    } else {
      return false;
    }
  }
  return true;
}

int Usage(std::ostream& err) {
  err << CliHelp();
  return 2;
}

}  // namespace

std::string CliHelp() {
  return "Usage:\n"
         "  korvocad-cli dump FILE\n"
         "      Prints the drawing FILE (.KorvoDWG, any version, or .dxf) as one JSON\n"
         "      document: version (null for DXF), settings, lineTypes, layers,\n"
         "      textStyles, blocks and entities, in table and list order. Each entity\n"
         "      has kind (its element code), layer, lineType, colorIndex, lineWeight and\n"
         "      the fields of its kind. Points are [x, y]; numbers read back exactly;\n"
         "      NaN and infinities are the strings \"NaN\", \"Infinity\" and \"-Infinity\".\n"
         "  korvocad-cli convert IN OUT [--width W] [--height H] [--white]\n"
         "      Opens the drawing IN (a name ending in .dxf is imported as DXF) and\n"
         "      saves it as OUT. The extension of OUT chooses the format as Save As\n"
         "      does; any extension the tool does not export is saved as a native\n"
         "      drawing file (version 4) under exactly that name. OUT is\n"
         "      replaced only when the whole file was written. An OUT ending in .bmp\n"
         "      gets the drawing's view window as an 8-bit bitmap of W x H pixels\n"
         "      (640 x 480 unless given) on a black background, or white with --white.\n"
         "  korvocad-cli run JOURNAL [DRAWING] [--size WxH] [--save OUT] [--transcript]\n"
         "                   [--symbols DIR]\n"
         "      Plays the input journal JOURNAL (see README: the journal format) against\n"
         "      the drawing DRAWING, or a new drawing, in a view of W x H pixels (--size,\n"
         "      else the journal's size line, else 480 x 640), then saves the drawing as\n"
         "      OUT (by extension, as convert). A command still waiting when the journal\n"
         "      ends is cancelled. --transcript prints \"prompt: TEXT\" for each change of\n"
         "      the prompt line and \"message: TEXT\" for each message box. Exit status:\n"
         "      0 ran, 1 a file could not be read or saved, 2 usage error or a journal\n"
         "      line that cannot be played, 3 an expect-prompt or expect-message failed;\n"
         "      errors name the journal line. --symbols makes DIR (created when missing)\n"
         "      the symbol catalogue; else it is KorvoCAD/Symbols in the user's data\n"
         "      folder.\n"
         "  korvocad-cli --help\n"
         "      Shows this text.\n"
         "Messages shown while opening or saving go to standard error, one per line, in\n"
         "the order shown; the exit status is then 1, except for the note of what a DXF\n"
         "import left out. Usage errors exit with 2.\n";
}

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << CliHelp();
    return 0;
  }
  if (args.size() == 2 && args[0] == "dump") return Dump(args[1], out, err);
  if (args.size() >= 3 && args[0] == "convert") {
    SaveAsOptions options;
    if (!ParseConvertOptions(args.subspan(3), options)) return Usage(err);
    return Convert(args[1], args[2], options, err);
  }
  if (!args.empty() && args[0] == "run") return RunJournalCommand(args.subspan(1), out, err);
  return Usage(err);
}

}  // namespace korvo

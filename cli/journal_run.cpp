#include "cli/journal_run.h"
#include "cli/stream_message_box.h"

#include <filesystem>
#include <optional>

#include "commands/editor_session.h"
#include "commands/journal_player.h"
#include "core/drawing_file.h"
#include "exchange/open_as.h"
#include "exchange/save_as.h"
#include "platform/file_io.h"
#include "platform/journal.h"
#include "platform/memory_profile.h"
#include "platform/symbol_catalog.h"
#include "platform/utf16.h"
#include "plugin/plugin_commands.h"
#include "plugin/plugin_runner.h"

namespace korvo {
namespace {

// What a plug-in asks for as the program's command line: the arguments of "run".
std::string CommandLineOf(std::span<const std::string> args) {
  std::string line;
  for (const std::string& arg : args) {
    if (!line.empty()) line += ' ';
    line += arg;
  }
  return line;
}

struct RunArguments {
  std::string journal;
  std::optional<std::string> drawing;
  std::optional<std::string> save;
  int width = 0;  // 0: as the journal says
  int height = 0;
  bool transcript = false;
  std::optional<std::string> symbols;  // the symbol catalogue folder
};

// "WxH" with both in 1..Journal::kMaxSize.
bool ParseClientSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos || x == 0 || x + 1 == text.size() || x > 5 || text.size() - x > 6)
    return false;
  auto number = [](std::string_view digits, int& value) {
    value = 0;
    for (const char c : digits) {
      if (c < '0' || c > '9') return false;
      value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= Journal::kMaxSize;
  };
  return number(std::string_view(text).substr(0, x), width) &&
         number(std::string_view(text).substr(x + 1), height);
}

bool ParseRunArguments(std::span<const std::string> args, RunArguments& run) {
  bool journal = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--transcript" && !run.transcript) {
      run.transcript = true;
    } else if (arg == "--size" && run.width == 0 && i + 1 < args.size()) {
      if (!ParseClientSize(args[++i], run.width, run.height)) return false;
    } else if (arg == "--save" && !run.save && i + 1 < args.size()) {
      run.save = args[++i];
    } else if (arg == "--symbols" && !run.symbols && i + 1 < args.size()) {
      run.symbols = args[++i];
    } else if (arg.starts_with("--")) {
      return false;
    } else if (!journal) {
      run.journal = arg;
      journal = true;
    } else if (!run.drawing) {
      run.drawing = arg;
    } else {
      return false;
    }
  }
  return journal;
}

}  // namespace

int RunJournalCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  RunArguments run;
  if (!ParseRunArguments(args, run)) {
    err << "usage: korvocad-cli run JOURNAL [DRAWING] [--size WxH] [--save OUT] [--transcript] "
           "[--symbols DIR]\n";
    return 2;
  }
  const auto bytes = ReadFileBytes(std::filesystem::path(run.journal));
  if (!bytes) {
    err << run.journal << ": cannot be read\n";
    return 1;
  }
  JournalReadResult read =
      ReadJournal(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  if (!read.ok()) {
    err << run.journal << ":" << read.error->line << ": " << read.error->message << '\n';
    return 2;
  }
  if (run.width != 0) {
    read.journal.width = run.width;
    read.journal.height = run.height;
  }

  JournalPlayer player(std::move(read.journal), run.transcript ? &out : nullptr);
  // A headless run keeps the user's stored settings out of it.
  MemoryProfile profile;
  if (run.symbols) {
    if (PrepareSymbolCatalog(std::filesystem::path(*run.symbols)) != CatalogStatus::Ready) {
      err << *run.symbols << ": cannot be used as the symbol catalogue\n";
      return 1;
    }
    profile.SetString(kSettingsSection, kSymbolCatalogKey, Utf8ToUtf16(*run.symbols));
  }
  PluginHost plugins;
  plugins.commandLine = Utf8ToUtf16(CommandLineOf(args));
  EditorSession session(player.SessionOptions(&profile));
  plugins.fileDialog = &session.fileDialog();
  plugins.files = &session.files();
  RegisterPluginCommands(session.engine(), plugins);
  StreamMessageBox messages(err);
  if (run.drawing) {
    const OpenResult opened =
        OpenDrawingAs(std::filesystem::path(*run.drawing), session.drawing(), messages);
    if (!opened.opened || messages.count() != 0) return 1;
    session.DrawingLoaded();
  }
  const JournalOutcome outcome = player.Play(session);
  out << std::flush;
  if (outcome.status != JournalStatus::Ran) {
    err << run.journal << ":" << outcome.line << ": " << outcome.message << '\n';
    return static_cast<int>(outcome.status);
  }
  if (run.save && !SaveDrawingAs(session.drawing(), std::filesystem::path(*run.save),
                                 SaveAsOptions{}, messages))
    return 1;
  return 0;
}

}  // namespace korvo

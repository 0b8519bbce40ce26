#include "commands/symbol_dialog.h"

#include <algorithm>
#include <array>
#include <vector>

#include "commands/string_table.h"
#include "core/drawing.h"
#include "exchange/dxf_import.h"
#include "platform/profile.h"
#include "platform/property_sheet.h"
#include "platform/text_format.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

constexpr std::u16string_view kLibraryLabel = u"Symbol Library:";
// A file name of the platform the symbols come from holds at most this many characters.
constexpr int kMaxSymbolName = 260;
constexpr int kMaxCatalog = 4096;
constexpr std::u16string_view kCatalogLabel = u"Catalogue:";
constexpr std::u16string_view kCatalogFailedMessage = u"Cannot create folder: '%s'!";
constexpr std::u16string_view kNotEnoughMemory = u"Not enough memory to complete the operation!";

std::u16string Format(int id, const std::vector<FormatArg>& args) {
  return FormatMessage(LoadHostString(id), args);
}

std::u16string TextOf(const std::filesystem::path& path) {
  return Utf8ToUtf16(path.string());
}

std::u16string JoinLines(const std::vector<std::u16string>& items) {
  std::u16string joined;
  for (const std::u16string& item : items) {
    if (!joined.empty()) joined += u'\n';
    joined += item;
  }
  return joined;
}

bool EndsWithNoCase(std::u16string_view text, std::u16string_view tail) {
  return text.size() > tail.size() &&
         ToUpper(text.substr(text.size() - tail.size())) == ToUpper(tail);
}

// A DXF symbol is imported into a drawing of its own and drawn as a native one is.
SymbolPreview PreviewDxfFile(const std::filesystem::path& file, int width, int height,
                             MessageBoxService& messages) {
  SymbolPreview preview;
  Drawing symbol;
  RecordingMessageBox silent;
  if (!ImportDxf(file, symbol, silent).opened) return preview;
  preview.picture = RenderSymbolPreview(symbol, width, height);
  if (!preview.picture) {
    messages.Show(kNotEnoughMemory, MessageButtons::Ok, MessageIcon::Stop);
    return preview;
  }
  preview.shown = true;
  return preview;
}

}  // namespace

bool IsValidSymbolName(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u"..") return false;
  // Blanks alone would list as an empty row that nobody can tell from nothing.
  if (std::all_of(name.begin(), name.end(), [](char16_t c) { return c == u' ' || c == u'\t'; }))
    return false;
  return std::none_of(name.begin(), name.end(),
                      [](char16_t c) { return c < 0x20 || c == u'/' || c == u'\\'; });
}

SymbolDialogModel::SymbolDialogModel(SymbolDialogMode mode, SymbolLocation start,
                                     MessageBoxService& messages)
    : mode_(mode), location_(std::move(start)), messages_(messages) {
  libraries_ = ListSymbolLibraries(location_.catalog);
  if (!LibraryIndex()) location_.library = kRootSymbolLibrary;
  FillSymbols();
}

std::optional<std::size_t> SymbolDialogModel::LibraryIndex() const {
  for (std::size_t i = 0; i < libraries_.size(); ++i) {
    const bool root = IsRootLibrary(libraries_[i]);
    if (root ? IsRootLibrary(location_.library) : libraries_[i] == location_.library) return i;
  }
  return std::nullopt;
}

void SymbolDialogModel::SetCatalog(std::u16string catalog) {
  location_.catalog = std::move(catalog);
  location_.library = kRootSymbolLibrary;
  libraries_ = ListSymbolLibraries(location_.catalog);
  preview_ = {};
  FillSymbols();
}

bool SymbolDialogModel::SelectLibrary(std::u16string_view library) {
  if (std::find(libraries_.begin(), libraries_.end(), library) == libraries_.end()) return false;
  location_.library = library;
  preview_ = {};
  FillSymbols();
  return true;
}

void SymbolDialogModel::SelectSymbol(std::u16string_view name, int previewWidth,
                                     int previewHeight) {
  location_.name = name;
  preview_ = {};
  // A name that is no file name of the library reads nothing from elsewhere.
  if (IsValidSymbolName(name))
    preview_ = IsDxfSymbol(name)
                   ? PreviewDxfFile(FileOf(name), previewWidth, previewHeight, messages_)
                   : PreviewSymbolFile(FileOf(name), previewWidth, previewHeight, messages_);
}

bool SymbolDialogModel::DeleteSymbol(std::u16string_view name) {
  const std::filesystem::path file = FileOf(name);
  std::error_code error;
  // Removed meanwhile by someone else: nothing to ask about.
  if (!IsValidSymbolName(name) || !std::filesystem::exists(file, error)) return false;
  const MessageAnswer answer = messages_.Show(Format(StringId::SymbolDeleteQuestion, {name}),
                                              MessageButtons::YesNo, MessageIcon::Exclamation);
  if (answer != MessageAnswer::Yes) return false;
  const SymbolFileRemoval removal = DeleteSymbolFile(file);
  if (removal == SymbolFileRemoval::Failed) {
    messages_.Show(Format(StringId::SymbolDeleteFailedMessage, {TextOf(file)}), MessageButtons::Ok,
                   MessageIcon::Exclamation);
    return false;
  }
  preview_ = {};
  FillSymbols();
  return removal == SymbolFileRemoval::Deleted;
}

bool SymbolDialogModel::RenameSymbol(std::u16string_view from, std::u16string_view to) {
  // A DXF file stays one: the new name gets the extension when it lacks it.
  std::u16string target(to);
  if (IsDxfSymbol(from) && !EndsWithNoCase(target, kDxfSymbolExtension))
    target += kDxfSymbolExtension;
  const std::filesystem::path targetFile =
      IsDxfSymbol(from) ? SymbolFolder(location_.catalog, location_.library) / target
                        : FileOf(target);
  const bool moved = IsValidSymbolName(from) && IsValidSymbolName(to) &&
                     RenameSymbolFile(FileOf(from), targetFile);
  if (!moved) {
    messages_.Show(Format(StringId::SymbolRenameFailedMessage, {from, to}), MessageButtons::Ok,
                   MessageIcon::Exclamation);
    return false;
  }
  if (location_.name == from) location_.name = target;
  FillSymbols();
  return true;
}

bool SymbolDialogModel::Accept() {
  if (!IsValidSymbolName(location_.name) || location_.catalog.empty()) {
    messages_.Show(LoadHostString(StringId::SymbolNameMissingMessage), MessageButtons::Ok,
                   MessageIcon::Exclamation);
    return false;
  }
  if (mode_ == SymbolDialogMode::Save) {
    std::error_code error;
    if (std::filesystem::exists(FilePath(), error)) {
      const MessageAnswer answer =
          messages_.Show(Format(StringId::SymbolReplaceQuestion, {TextOf(FilePath())}),
                         MessageButtons::YesNo, MessageIcon::Exclamation);
      if (answer != MessageAnswer::Yes) return false;
    }
  }
  return true;
}

std::filesystem::path SymbolDialogModel::FilePath() const {
  return FileOf(location_.name);
}

bool SymbolDialogModel::IsDxfSymbol(std::u16string_view name) const {
  return std::find(dxfSymbols_.begin(), dxfSymbols_.end(), name) != dxfSymbols_.end();
}

std::u16string_view SymbolDialogModel::HelpTopic() const {
  return mode_ == SymbolDialogMode::Open ? u"open_symbol_dialog" : u"save_symbol_dialog";
}

void SymbolDialogModel::FillSymbols() {
  symbols_ = ListSymbols(location_.catalog, location_.library);
  dxfSymbols_.clear();
  // A symbol is saved as a drawing file; DXF files are only ever read.
  if (mode_ != SymbolDialogMode::Open) return;
  dxfSymbols_ = ListSymbolFiles(location_.catalog, location_.library, kDxfSymbolExtension);
  symbols_.insert(symbols_.end(), dxfSymbols_.begin(), dxfSymbols_.end());
}

std::filesystem::path SymbolDialogModel::FileOf(std::u16string_view name) const {
  if (IsDxfSymbol(name))
    return SymbolFolder(location_.catalog, location_.library) / std::u16string(name);
  SymbolLocation location = location_;
  location.name = name;
  return SymbolFilePath(location, SymbolFormat::Native);
}

std::optional<std::u16string> PrepareCatalog(Profile& profile,
                                             const std::optional<std::filesystem::path>& fallback,
                                             MessageBoxService& messages) {
  std::u16string catalog = profile.GetString(kSettingsSection, kSymbolCatalogKey, u"");
  if (!catalog.empty()) return catalog;
  if (!fallback || PrepareSymbolCatalog(*fallback) != CatalogStatus::Ready) {
    const std::u16string folder = fallback ? TextOf(*fallback) : std::u16string();
    messages.Show(FormatMessage(kCatalogFailedMessage, {folder}), MessageButtons::Ok,
                  MessageIcon::Exclamation);
    return std::nullopt;
  }
  catalog = TextOf(*fallback);
  profile.SetString(kSettingsSection, kSymbolCatalogKey, catalog);
  return catalog;
}

std::optional<SymbolLocation> RunSymbolDialog(SymbolDialogModel& model,
                                              PropertySheetService& sheets, Profile& profile,
                                              const SymbolSheetLayout& layout) {
  for (;;) {
    int32_t library = static_cast<int32_t>(model.LibraryIndex().value_or(0));
    std::array<char16_t, kMaxSymbolName + 1> name{};
    const std::u16string_view start =
        std::u16string_view(model.location().name).substr(0, kMaxSymbolName);
    std::copy(start.begin(), start.end(), name.begin());

    PropertySheetModel sheet{std::u16string(layout.title), std::u16string(model.HelpTopic())};
    const bool hasLibraries = !model.libraries().empty();
    if (hasLibraries)
      sheet.AddListRow(std::u16string(kLibraryLabel), &library, JoinLines(model.libraries()));
    sheet.AddTextRow(std::u16string(layout.nameLabel), name.data(), kMaxSymbolName);
    if (layout.addRows) layout.addRows(sheet);
    // The "..." button's answer: a catalogue typed here fills the lists anew and shows the
    // dialog again. The row is wide enough for the catalogue it starts with.
    const std::u16string& catalog = model.location().catalog;
    const int32_t catalogLength = std::max<int32_t>(kMaxCatalog, int32_t(catalog.size()));
    std::vector<char16_t> chosenCatalog(std::size_t(catalogLength) + 1, u'\0');
    std::copy(catalog.begin(), catalog.end(), chosenCatalog.begin());
    sheet.AddTextRow(std::u16string(kCatalogLabel), chosenCatalog.data(), catalogLength);
    if (sheets.Run(sheet) != PropertySheetResult::Ok) return std::nullopt;

    model.SetName(std::u16string(name.data()));
    if (std::u16string_view(chosenCatalog.data()) != catalog) {
      model.SetCatalog(std::u16string(chosenCatalog.data()));
      continue;
    }

    if (hasLibraries && library >= 0 &&
        static_cast<std::size_t>(library) < model.libraries().size())
      model.SelectLibrary(model.libraries()[static_cast<std::size_t>(library)]);
    if (!model.Accept()) continue;
    if (model.mode() == SymbolDialogMode::Open) WriteSymbolLocation(profile, model.location());
    return model.location();
  }
}

}  // namespace korvo

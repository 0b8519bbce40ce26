// The command's arguments, the document, the main window (100-103) and the profile (104-109).
#include <cstring>
#include <string>
#include <vector>

#include "commands/command_engine.h"
#include "platform/profile.h"
#include "platform/utf16.h"
#include "plugin/plugin_context.h"
#include "plugin/service_support.h"
#include "plugin/service_table.h"
#include "plugin/service_text.h"

namespace korvo {
namespace {

// Binary values are kept as hexadecimal text; more than this many bytes is refused, so that a
// plug-in cannot swell the profile file past what the profile reads back.
constexpr uint32_t kMaxProfileBinary = 64 * 1024;

const char16_t* GetArguments(PluginContext* context) {
  return Live(context) != nullptr ? context->arguments.c_str() : nullptr;
}

const char16_t* GetDocumentPath(PluginContext* context) {
  return Live(context) != nullptr ? context->documentPath.c_str() : nullptr;
}

const char16_t* GetDocumentTitle(PluginContext* context) {
  return Live(context) != nullptr ? context->documentTitle.c_str() : nullptr;
}

void* GetMainWindow(PluginContext* context) {
  return context != nullptr ? static_cast<void*>(context->mainWindow) : nullptr;
}

// A section and entry of the plug-in's own: the program's section "SETTINGS" is refused in
// any letter case, and with blanks around it too, since the file would not tell them apart.
struct ProfilePlace {
  std::u16string section;
  std::u16string entry;
};

std::optional<ProfilePlace> PlaceOf(PluginContext* context, const char16_t* section,
                                    const char16_t* entry) {
  if (Live(context) == nullptr) return std::nullopt;
  auto sectionText = ReadServiceText(section);
  auto entryText = ReadServiceText(entry);
  if (!sectionText || !entryText) return std::nullopt;
  std::u16string_view trimmed = *sectionText;
  while (!trimmed.empty() && (trimmed.front() == u' ' || trimmed.front() == u'\t'))
    trimmed.remove_prefix(1);
  while (!trimmed.empty() && (trimmed.back() == u' ' || trimmed.back() == u'\t'))
    trimmed.remove_suffix(1);
  if (EqualsNoCase(trimmed, kSettingsSection)) return std::nullopt;
  return ProfilePlace{std::move(*sectionText), std::move(*entryText)};
}

Profile& ProfileOf(PluginContext* context) {
  return context->engine->profile();
}

int32_t GetProfileInt(PluginContext* context, const char16_t* section, const char16_t* entry,
                      int32_t defaultValue, int32_t* out) {
  const auto place = PlaceOf(context, section, entry);
  if (!place || out == nullptr) return 0;
  *out = ProfileOf(context).GetInt(place->section, place->entry, defaultValue);
  return 1;
}

int32_t WriteProfileInt(PluginContext* context, const char16_t* section, const char16_t* entry,
                        int32_t value) {
  const auto place = PlaceOf(context, section, entry);
  return place && ProfileOf(context).SetInt(place->section, place->entry, value) ? 1 : 0;
}

int32_t GetProfileString(PluginContext* context, const char16_t* section, const char16_t* entry,
                         const char16_t* defaultValue, char16_t* out) {
  const auto place = PlaceOf(context, section, entry);
  if (!place || out == nullptr) return 0;
  const std::u16string fallback = ReadServiceText(defaultValue).value_or(std::u16string());
  return WriteServiceText(out, ProfileOf(context).GetString(place->section, place->entry, fallback))
             ? 1
             : 0;
}

int32_t WriteProfileString(PluginContext* context, const char16_t* section, const char16_t* entry,
                           const char16_t* value) {
  const auto place = PlaceOf(context, section, entry);
  const auto text = ReadServiceText(value, kPluginListCapacity - 1);
  return place && text && ProfileOf(context).SetString(place->section, place->entry, *text) ? 1 : 0;
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// A text no profile value can be (values hold no line breaks): the entry is missing.
constexpr std::u16string_view kMissing = u"\n";

int32_t GetProfileBinary(PluginContext* context, const char16_t* section, const char16_t* entry,
                         void* buffer, uint32_t* size) {
  const auto place = PlaceOf(context, section, entry);
  if (!place || size == nullptr) return 0;
  const std::u16string hex = ProfileOf(context).GetString(place->section, place->entry, kMissing);
  if (hex == kMissing || hex.size() % 2 != 0 || hex.size() / 2 > kMaxProfileBinary) return 0;
  std::u16string_view digits = hex;
  std::vector<uint8_t> bytes;
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    const int high = HexDigit(digits[i]);
    const int low = HexDigit(digits[i + 1]);
    if (high < 0 || low < 0) return 0;
    bytes.push_back(static_cast<uint8_t>(high * 16 + low));
  }
  const uint32_t stored = static_cast<uint32_t>(bytes.size());
  if (stored > *size || (buffer == nullptr && stored > 0)) {
    *size = stored;  // what the caller needs
    return 0;
  }
  if (stored > 0) std::memcpy(buffer, bytes.data(), stored);
  *size = stored;
  return 1;
}

int32_t WriteProfileBinary(PluginContext* context, const char16_t* section, const char16_t* entry,
                           const void* buffer, uint32_t size) {
  const auto place = PlaceOf(context, section, entry);
  if (!place || size > kMaxProfileBinary || (buffer == nullptr && size > 0)) return 0;
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string hex;
  hex.reserve(std::size_t{size} * 2);
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  for (uint32_t i = 0; i < size; ++i) {
    hex.push_back(kDigits[bytes[i] >> 4]);
    hex.push_back(kDigits[bytes[i] & 0x0F]);
  }
  return ProfileOf(context).SetString(place->section, place->entry, hex) ? 1 : 0;
}

}  // namespace

void* DocumentService(int32_t id) {
  switch (id) {
    case PluginService::GetArguments:
      return ServiceAddressOf<GetArgumentsFn>(&GetArguments);
    case PluginService::GetDocumentPath:
      return ServiceAddressOf<GetDocumentPathFn>(&GetDocumentPath);
    case PluginService::GetDocumentTitle:
      return ServiceAddressOf<GetDocumentTitleFn>(&GetDocumentTitle);
    case PluginService::GetMainWindow:
      return ServiceAddressOf<GetMainWindowFn>(&GetMainWindow);
    case PluginService::GetProfileInt:
      return ServiceAddressOf<GetProfileIntFn>(&GetProfileInt);
    case PluginService::WriteProfileInt:
      return ServiceAddressOf<WriteProfileIntFn>(&WriteProfileInt);
    case PluginService::GetProfileString:
      return ServiceAddressOf<GetProfileStringFn>(&GetProfileString);
    case PluginService::WriteProfileString:
      return ServiceAddressOf<WriteProfileStringFn>(&WriteProfileString);
    case PluginService::GetProfileBinary:
      return ServiceAddressOf<GetProfileBinaryFn>(&GetProfileBinary);
    case PluginService::WriteProfileBinary:
      return ServiceAddressOf<WriteProfileBinaryFn>(&WriteProfileBinary);
    default:
      return nullptr;
  }
}

}  // namespace korvo

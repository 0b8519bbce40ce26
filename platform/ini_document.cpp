#include "platform/ini_document.h"

#include "platform/utf16.h"

namespace korvo {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNone = std::string::npos;

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsPlainName(std::u16string_view name) {
  return !name.empty() && Trim(name).size() == name.size() &&
         name.find_first_of(u"\r\n") == std::u16string_view::npos;
}

// A value keeps its outer blanks and quotes only when written in quotes.
std::u16string Encode(std::u16string_view value) {
  const bool padded = Trim(value).size() != value.size();
  const bool looksQuoted = value.size() >= 2 && value.front() == u'"' && value.back() == u'"';
  if (padded || looksQuoted) return u"\"" + std::u16string(value) + u"\"";
  return std::u16string(value);
}

std::u16string Decode(std::u16string_view raw) {
  std::u16string_view value = Trim(raw);
  if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"') {
    value = value.substr(1, value.size() - 2);
  }
  return std::u16string(value);
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view utf8) {
  IniDocument document;
  if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    document.byteOrderMark_ = true;
    utf8.remove_prefix(kByteOrderMark.size());
  }
  std::size_t section = kNone;
  std::size_t start = 0;
  while (start < utf8.size()) {
    std::size_t end = utf8.find('\n', start);
    if (end == std::string_view::npos) end = utf8.size();
    std::string_view raw = utf8.substr(start, end - start);
    start = end + 1;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

    Line line;
    line.raw = std::string(raw);
    const std::u16string text = Utf8ToUtf16(raw);
    const std::u16string_view trimmed = Trim(text);
    if (trimmed.size() >= 2 && trimmed.front() == u'[' && trimmed.back() == u']') {
      line.kind = LineKind::Section;
      line.name = std::u16string(Trim(trimmed.substr(1, trimmed.size() - 2)));
      section = document.lines_.size();
    } else if (!trimmed.empty() && trimmed.front() != u';' && trimmed.front() != u'#') {
      const std::size_t equals = trimmed.find(u'=');
      if (equals != std::u16string_view::npos && equals > 0) {
        line.kind = LineKind::Entry;
        line.name = std::u16string(Trim(trimmed.substr(0, equals)));
        line.value = Decode(trimmed.substr(equals + 1));
        line.section = section;
      }
    }
    document.lines_.push_back(std::move(line));
  }
  return document;
}

std::size_t IniDocument::FindSection(std::u16string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == LineKind::Section && EqualsNoCase(lines_[i].name, section)) return i;
  }
  return kNone;
}

std::size_t IniDocument::FindEntry(std::u16string_view section, std::u16string_view key) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind != LineKind::Entry || line.section == kNone) continue;
    if (EqualsNoCase(line.name, key) && EqualsNoCase(lines_[line.section].name, section)) {
      return i;
    }
  }
  return kNone;
}

std::optional<std::u16string> IniDocument::Get(std::u16string_view section,
                                               std::u16string_view key) const {
  const std::size_t entry = FindEntry(section, key);
  if (entry == kNone) return std::nullopt;
  return lines_[entry].value;
}

bool IniDocument::Set(std::u16string_view section, std::u16string_view key,
                      std::u16string_view value) {
  if (!IsPlainName(section) || section.find(u']') != std::u16string_view::npos) return false;
  if (!IsPlainName(key) || key.find(u'=') != std::u16string_view::npos) return false;
  if (key.front() == u';' || key.front() == u'#' || key.front() == u'[') return false;
  if (value.find_first_of(u"\r\n") != std::u16string_view::npos) return false;

  std::size_t entry = FindEntry(section, key);
  if (entry == kNone) {
    std::size_t header = FindSection(section);
    if (header == kNone) {
      Line line;
      line.kind = LineKind::Section;
      line.name = std::u16string(section);
      line.raw = Utf16ToUtf8(section);
      line.raw.insert(line.raw.begin(), '[');
      line.raw.push_back(']');
      header = lines_.size();
      lines_.push_back(std::move(line));
    }
    // After the section's last entry, so that comments and blank lines before the next
    // section stay where they were.
    std::size_t at = header + 1;
    for (std::size_t i = header + 1; i < lines_.size() && lines_[i].kind != LineKind::Section;
         ++i) {
      if (lines_[i].kind == LineKind::Entry) at = i + 1;
    }
    Line line;
    line.kind = LineKind::Entry;
    line.name = std::u16string(key);
    line.section = header;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    for (Line& later : lines_) {
      if (later.kind == LineKind::Entry && later.section != kNone && later.section >= at) {
        ++later.section;
      }
    }
    entry = at;
  }
  Line& line = lines_[entry];
  line.value = std::u16string(value);
  line.raw = Utf16ToUtf8(line.name) + "=" + Utf16ToUtf8(Encode(value));
  return true;
}

std::string IniDocument::Serialize() const {
  std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
  for (const Line& line : lines_) {
    text += line.raw;
    text += '\n';
  }
  return text;
}

}  // namespace korvo

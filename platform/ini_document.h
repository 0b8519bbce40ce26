#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// The text of an INI file held as its lines, so that writing it back keeps everything the
// program does not understand (comments, other programs' keys, damaged lines) as it was.
// Section and key names compare without regard to case; the first match wins when a name
// is repeated. Values are trimmed of blanks; a value in double quotes loses the quotes.
class IniDocument {
 public:
  // Never fails: a line that is neither a section header, a key=value pair nor a comment is
  // kept as it is and otherwise ignored.
  static IniDocument Parse(std::string_view utf8);

  std::optional<std::u16string> Get(std::u16string_view section, std::u16string_view key) const;
  // Replaces the value of an existing key in place, or adds the key at the end of its
  // section, or a new section at the end. False (and nothing changed) for names or values
  // the file cannot hold: an empty or padded name, a line break, '=' in a key, ']' in a
  // section name.
  bool Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  // The file's text: lines end in '\n' whatever they ended in when read.
  std::string Serialize() const;

 private:
  enum class LineKind { Section, Entry, Other };
  struct Line {
    LineKind kind = LineKind::Other;
    std::string raw;          // the line as read, or as written for a changed entry
    std::u16string name;      // section name, or key of an entry
    std::u16string value;     // value of an entry
    std::size_t section = 0;  // entries: index of their section header line, or npos
  };

  std::size_t FindSection(std::u16string_view section) const;
  std::size_t FindEntry(std::u16string_view section, std::u16string_view key) const;

  std::vector<Line> lines_;
  bool byteOrderMark_ = false;
};

}  // namespace korvo

#include "platform/journal.h"

#include <charconv>
#include <cmath>

#include "platform/journal_line.h"
#include "platform/text_format.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

// How the arguments of a word are read.
enum class Shape {
  Size,
  World,
  Screen,
  OneValue,
  None,
  Command,
  Key,
  Answer,
  Dialog,
  Text,
  Path,
  BitmapPath,
  FileAnswer,
  Name,
  RowAction,
  Fields,
};

struct Word {
  std::string_view name;
  Shape shape;
  JournalEventKind kind;
};

constexpr Word kWords[] = {
    {"size", Shape::Size, JournalEventKind::Default},
    {"command", Shape::Command, JournalEventKind::Command},
    {"tap", Shape::World, JournalEventKind::Tap},
    {"tap-screen", Shape::Screen, JournalEventKind::TapScreen},
    {"press", Shape::World, JournalEventKind::Press},
    {"move", Shape::World, JournalEventKind::Move},
    {"release", Shape::World, JournalEventKind::Release},
    {"press-screen", Shape::Screen, JournalEventKind::PressScreen},
    {"move-screen", Shape::Screen, JournalEventKind::MoveScreen},
    {"release-screen", Shape::Screen, JournalEventKind::ReleaseScreen},
    {"key", Shape::Key, JournalEventKind::Key},
    {"point", Shape::World, JournalEventKind::Point},
    {"relative", Shape::World, JournalEventKind::Relative},
    {"polar", Shape::World, JournalEventKind::Polar},
    {"value", Shape::OneValue, JournalEventKind::Value},
    {"default", Shape::None, JournalEventKind::Default},
    {"answer", Shape::Answer, JournalEventKind::Answer},
    {"dialog", Shape::Dialog, JournalEventKind::Dialog},
    {"expect-prompt", Shape::Text, JournalEventKind::ExpectPrompt},
    {"expect-message", Shape::Text, JournalEventKind::ExpectMessage},
    {"save", Shape::Path, JournalEventKind::Save},
    {"screenshot", Shape::BitmapPath, JournalEventKind::Screenshot},
    {"file", Shape::FileAnswer, JournalEventKind::File},
    {"select", Shape::Name, JournalEventKind::Select},
    {"row", Shape::RowAction, JournalEventKind::RowAction},
    {"set", Shape::Fields, JournalEventKind::SetFields},
    {"button", Shape::Name, JournalEventKind::PushButton},
};

struct KeyName {
  std::string_view name;
  KeyCode key;
};

constexpr KeyName kKeys[] = {
    {"enter", KeyCode::Enter}, {"space", KeyCode::Space}, {"escape", KeyCode::Escape},
    {"left", KeyCode::Left},   {"right", KeyCode::Right}, {"up", KeyCode::Up},
    {"down", KeyCode::Down},
};

struct AnswerName {
  std::string_view name;
  MessageAnswer answer;
};

constexpr AnswerName kAnswers[] = {
    {"ok", MessageAnswer::Ok},
    {"cancel", MessageAnswer::Cancel},
    {"yes", MessageAnswer::Yes},
    {"no", MessageAnswer::No},
};

// A dialog lists a handful of rows; a larger number is a typing error.
constexpr std::size_t kMaxDialogRow = 64;

bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// User text quoted in a message, cut short (on a character boundary) when it is long.
std::string Quote(std::string_view text) {
  constexpr std::size_t kLimit = 40;
  std::string quoted(1, '\'');
  if (text.size() <= kLimit) {
    quoted.append(text);
  } else {
    std::size_t end = kLimit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    quoted.append(text.substr(0, end));
    quoted.append("...");
  }
  quoted.push_back('\'');
  return quoted;
}

class LineParser {
 public:
  LineParser(const std::vector<JournalToken>& tokens, const Word& word, std::string& error)
      : tokens_(tokens), word_(word), error_(error) {}

  bool Parse(JournalEvent& event);
  bool ParseSize(int& width, int& height);

 private:
  bool Arguments(std::size_t count, std::string_view names);
  bool Number(const JournalToken& token, double& value);
  bool Pixel(const JournalToken& token, int minimum, int maximum, int& value);
  bool Fail(std::string message) {
    error_ = std::string(word_.name) + ": " + std::move(message);
    return false;
  }
  bool ParseCommand(JournalEvent& event);
  bool ParseDialog(JournalEvent& event);
  bool ParseFileAnswer(JournalEvent& event);
  bool ParseFields(std::size_t first, JournalEvent& event);

  const std::vector<JournalToken>& tokens_;
  const Word& word_;
  std::string& error_;
};

bool LineParser::Arguments(std::size_t count, std::string_view names) {
  const std::size_t found = tokens_.size() - 1;
  if (found == count) return true;
  std::string message = found < count ? "missing argument" : "too many arguments";
  message += count == 0 ? " (it takes none)" : " (expected " + std::string(names) + ")";
  return Fail(std::move(message));
}

bool LineParser::Number(const JournalToken& token, double& value) {
  const std::string& text = token.text;
  const auto parsed = ParseNumber(std::string_view(text));
  if (text.empty() || text.front() == ' ' || !parsed || parsed->length != text.size()) {
    return Fail(Quote(text) + " is not a number");
  }
  if (!std::isfinite(parsed->value)) return Fail(Quote(text) + " is not a finite number");
  value = parsed->value;
  return true;
}

bool LineParser::Pixel(const JournalToken& token, int minimum, int maximum, int& value) {
  const std::string& text = token.text;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (begin != end && *begin == '+') ++begin;
  long long parsed = 0;
  const auto result = std::from_chars(begin, end, parsed);
  if (text.empty() || result.ptr != end || result.ec == std::errc::invalid_argument) {
    return Fail(Quote(text) + " is not a whole number");
  }
  if (result.ec == std::errc::result_out_of_range || parsed < minimum || parsed > maximum) {
    return Fail(Quote(text) + " is out of range (" + std::to_string(minimum) + " to " +
                std::to_string(maximum) + ")");
  }
  value = static_cast<int>(parsed);
  return true;
}

bool LineParser::ParseSize(int& width, int& height) {
  return Arguments(2, "W H") && Pixel(tokens_[1], 1, Journal::kMaxSize, width) &&
         Pixel(tokens_[2], 1, Journal::kMaxSize, height);
}

bool LineParser::ParseCommand(JournalEvent& event) {
  if (!Arguments(1, "a command name or number")) return false;
  const JournalToken& token = tokens_[1];
  if (token.text.empty()) return Fail("empty command name");
  const bool digits = token.text.find_first_not_of("0123456789") == std::string::npos;
  if (digits && !token.quoted) {
    int id = 0;
    if (!Pixel(token, 1, 0xFFFF, id)) return false;
    event.commandId = static_cast<uint32_t>(id);
    return true;
  }
  event.text = Utf8ToUtf16(token.text);
  return true;
}

bool LineParser::ParseDialog(JournalEvent& event) {
  if (tokens_.size() < 2) return Fail("missing argument (expected ok or cancel)");
  const std::string& button = tokens_[1].text;
  if (EqualsAsciiNoCase(button, "ok")) {
    event.answer = MessageAnswer::Ok;
  } else if (EqualsAsciiNoCase(button, "cancel")) {
    event.answer = MessageAnswer::Cancel;
  } else {
    return Fail("expected ok or cancel, found " + Quote(button));
  }
  return ParseFields(2, event);
}

bool LineParser::ParseFields(std::size_t first, JournalEvent& event) {
  for (std::size_t i = first; i < tokens_.size(); ++i) {
    const JournalToken& token = tokens_[i];
    if (token.equalsAt == std::string::npos) {
      return Fail("expected NAME=VALUE, found " + Quote(token.text));
    }
    const std::string_view name = std::string_view(token.text).substr(0, token.equalsAt);
    JournalDialogField field;
    field.value = Utf8ToUtf16(std::string_view(token.text).substr(token.equalsAt + 1));
    if (name.empty()) return Fail("a field without a name in " + Quote(token.text));
    if (name.front() == '#') {
      const std::string_view digits = name.substr(1);
      std::size_t row = 0;
      const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), row);
      if (digits.empty() || result.ptr != digits.data() + digits.size() || row == 0 ||
          row > kMaxDialogRow) {
        return Fail("bad row number " + Quote(name) + " (rows are #1 to #" +
                    std::to_string(kMaxDialogRow) + ")");
      }
      field.row = row;
    } else {
      field.label = Utf8ToUtf16(name);
    }
    event.fields.push_back(std::move(field));
  }
  return true;
}

bool LineParser::ParseFileAnswer(JournalEvent& event) {
  if (tokens_.size() < 2) return Fail("missing argument (expected ok PATH or cancel)");
  const std::string& button = tokens_[1].text;
  if (EqualsAsciiNoCase(button, "cancel")) {
    event.answer = MessageAnswer::Cancel;
    return Arguments(1, "cancel alone");
  }
  if (!EqualsAsciiNoCase(button, "ok"))
    return Fail("expected ok or cancel, found " + Quote(button));
  event.answer = MessageAnswer::Ok;
  if (!Arguments(2, "ok and one path; quote it when it holds blanks")) return false;
  if (tokens_[2].text.empty()) return Fail("empty path");
  event.text = Utf8ToUtf16(tokens_[2].text);
  return true;
}

bool LineParser::Parse(JournalEvent& event) {
  event.kind = word_.kind;
  switch (word_.shape) {
    case Shape::Size:
      return Fail("internal: size is read apart");
    case Shape::World:
      return Arguments(2, "two numbers") && Number(tokens_[1], event.x) &&
             Number(tokens_[2], event.y);
    case Shape::Screen:
      return Arguments(2, "two pixel coordinates") &&
             Pixel(tokens_[1], -Journal::kMaxScreenCoordinate, Journal::kMaxScreenCoordinate,
                   event.screenX) &&
             Pixel(tokens_[2], -Journal::kMaxScreenCoordinate, Journal::kMaxScreenCoordinate,
                   event.screenY);
    case Shape::OneValue:
      return Arguments(1, "a number") && Number(tokens_[1], event.x);
    case Shape::None:
      return Arguments(0, "");
    case Shape::Command:
      return ParseCommand(event);
    case Shape::Key:
      if (!Arguments(1, "a key name")) return false;
      for (const KeyName& key : kKeys) {
        if (EqualsAsciiNoCase(tokens_[1].text, key.name)) {
          event.key = key.key;
          return true;
        }
      }
      return Fail("unknown key " + Quote(tokens_[1].text) +
                  " (Enter, Space, Escape, Left, Right, Up or Down)");
    case Shape::Answer:
      if (!Arguments(1, "ok, cancel, yes or no")) return false;
      for (const AnswerName& answer : kAnswers) {
        if (EqualsAsciiNoCase(tokens_[1].text, answer.name)) {
          event.answer = answer.answer;
          return true;
        }
      }
      return Fail("unknown answer " + Quote(tokens_[1].text) + " (ok, cancel, yes or no)");
    case Shape::Dialog:
      return ParseDialog(event);
    case Shape::FileAnswer:
      return ParseFileAnswer(event);
    case Shape::Name:
      if (!Arguments(1, "one name; quote it when it holds blanks")) return false;
      if (tokens_[1].text.empty()) return Fail("empty name");
      event.text = Utf8ToUtf16(tokens_[1].text);
      return true;
    case Shape::RowAction:
      if (!Arguments(2, "a row name and a column")) return false;
      if (tokens_[1].text.empty()) return Fail("empty row name");
      event.text = Utf8ToUtf16(tokens_[1].text);
      event.column = Utf8ToUtf16(tokens_[2].text);
      return true;
    case Shape::Fields:
      if (tokens_.size() < 2) return Fail("missing argument (expected NAME=VALUE)");
      return ParseFields(1, event);
    case Shape::Text:
      if (!Arguments(1, "one text; quote it when it holds blanks")) return false;
      event.text = Utf8ToUtf16(tokens_[1].text);
      return true;
    case Shape::Path:
    case Shape::BitmapPath: {
      if (!Arguments(1, "one path; quote it when it holds blanks")) return false;
      const std::string& path = tokens_[1].text;
      if (path.empty()) return Fail("empty path");
      if (word_.shape == Shape::BitmapPath &&
          (path.size() < 4 ||
           !EqualsAsciiNoCase(std::string_view(path).substr(path.size() - 4), ".bmp"))) {
        return Fail("the file name must end in .bmp");
      }
      event.text = Utf8ToUtf16(path);
      return true;
    }
  }
  return Fail("internal: unknown shape");
}

const Word* FindWord(std::string_view name) {
  for (const Word& word : kWords) {
    if (EqualsAsciiNoCase(name, word.name)) return &word;
  }
  return nullptr;
}

}  // namespace

JournalReadResult ReadJournal(std::string_view text) {
  JournalReadResult result;
  Journal& journal = result.journal;
  std::vector<JournalToken> tokens;
  std::string message;
  bool sized = false;
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    ++lineNumber;
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;

    const auto fail = [&](std::string why) {
      result.error = JournalError{lineNumber, std::move(why)};
      return std::move(result);
    };
    if (!IsValidUtf8(line)) return fail("invalid UTF-8");
    if (!SplitJournalLine(line, tokens, message)) return fail(message);
    if (tokens.empty()) continue;

    const Word* word = FindWord(tokens[0].text);
    if (word == nullptr) return fail("unknown word " + Quote(tokens[0].text));
    LineParser parser(tokens, *word, message);
    if (word->shape == Shape::Size) {
      if (sized) return fail("size is given twice");
      if (!journal.events.empty()) return fail("size must come before the first event");
      if (!parser.ParseSize(journal.width, journal.height)) return fail(message);
      sized = true;
      continue;
    }
    JournalEvent event;
    event.line = lineNumber;
    if (!parser.Parse(event)) return fail(message);
    journal.events.push_back(std::move(event));
  }
  return result;
}

}  // namespace korvo

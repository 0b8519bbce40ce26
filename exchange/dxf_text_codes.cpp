#include "exchange/dxf_text_codes.h"

namespace korvo {
namespace {

// Formatting codes that take a value up to a semicolon.
bool TakesValue(char16_t code) {
  switch (code) {
    case 'A':
    case 'C':
    case 'c':
    case 'F':
    case 'f':
    case 'H':
    case 'h':
    case 'Q':
    case 'q':
    case 'T':
    case 't':
    case 'W':
    case 'w':
    case 'p':
      return true;
    default:
      return false;
  }
}

// Switches without a value: underline, overline, strike-through.
bool IsSwitch(char16_t code) {
  switch (code) {
    case 'L':
    case 'l':
    case 'O':
    case 'o':
    case 'K':
    case 'k':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::u16string ReplaceDxfSpecialCodes(std::u16string_view text) {
  if (text.find(u"%%") == std::u16string_view::npos) return std::u16string(text);
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] != '%' || i + 2 >= text.size() || text[i + 1] != '%') {
      out.push_back(text[i++]);
      continue;
    }
    const char16_t code = text[i + 2];
    switch (code) {
      case 'd':
      case 'D':
        out.push_back(0x00B0);
        break;
      case 'p':
      case 'P':
        out.push_back(0x00B1);
        break;
      case 'c':
      case 'C':
        out.push_back(0x2300);
        break;
      case '%':
        out.push_back('%');
        break;
      case 'u':
      case 'U':
      case 'o':
      case 'O':
      case 'k':
      case 'K':
        break;
      default:
        if (code >= '0' && code <= '9') {
          int number = 0;
          std::size_t k = i + 2;
          for (; k < text.size() && k < i + 5 && text[k] >= '0' && text[k] <= '9'; ++k) {
            number = number * 10 + (text[k] - '0');
          }
          if (number > 0) out.push_back(static_cast<char16_t>(number));
          i = k;
          continue;
        }
        out.push_back(text[i]);
        ++i;
        continue;
    }
    i += 3;
  }
  return out;
}

std::vector<std::u16string> PlainMTextLines(std::u16string_view text) {
  std::vector<std::u16string> lines(1);
  for (std::size_t i = 0; i < text.size();) {
    const char16_t c = text[i];
    if (c == '\n') {
      lines.emplace_back();
      ++i;
      continue;
    }
    if (c == '{' || c == '}' || c == '\r') {
      ++i;
      continue;
    }
    if (c == '\t') {
      lines.back().push_back(' ');
      ++i;
      continue;
    }
    if (c != '\\' || i + 1 >= text.size()) {
      lines.back().push_back(c);
      ++i;
      continue;
    }
    const char16_t code = text[i + 1];
    i += 2;
    if (code == 'P' || code == 'X' || code == 'N') {
      lines.emplace_back();
    } else if (code == '~') {
      lines.back().push_back(0x00A0);
    } else if (code == '\\' || code == '{' || code == '}') {
      lines.back().push_back(code);
    } else if (code == 'S') {
      // A stacked fraction up to ';': its parts joined by '/', whatever the stacking mark.
      for (; i < text.size() && text[i] != ';'; ++i) {
        const char16_t s = text[i];
        lines.back().push_back(s == '^' || s == '#' ? u'/' : s);
      }
      if (i < text.size()) ++i;
    } else if (TakesValue(code)) {
      while (i < text.size() && text[i] != ';') ++i;
      if (i < text.size()) ++i;
    } else if (!IsSwitch(code)) {
      // Not a code: the backslash stands for itself.
      lines.back().push_back('\\');
      lines.back().push_back(code);
    }
  }
  for (std::u16string& line : lines) line = ReplaceDxfSpecialCodes(line);
  return lines;
}

}  // namespace korvo

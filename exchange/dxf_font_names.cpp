#include "exchange/dxf_font_names.h"

#include "platform/utf16.h"

namespace korvo {
namespace {

struct FontAlias {
  std::u16string_view stem;  // upper case
  std::u16string_view font;
};
// The shipped fonts under their own names, then the names of fonts drawn alike.
constexpr FontAlias kAliases[] = {
    {u"TXT", u"TXT"},        {u"SIMPLEX", u"SIMPLEX"}, {u"DUPLEX", u"DUPLEX"},
    {u"SCRIPT", u"SCRIPT"},  {u"GREEK", u"GREEK"},     {u"ROMANS", u"SIMPLEX"},
    {u"ROMAND", u"DUPLEX"},  {u"ROMANC", u"DUPLEX"},   {u"SCRIPTS", u"SCRIPT"},
    {u"SCRIPTC", u"SCRIPT"}, {u"GREEKS", u"GREEK"},    {u"GREEKC", u"GREEK"},
    {u"MONOTXT", u"TXT"},
};

}  // namespace

std::u16string_view ShippedFontFor(std::u16string_view fileName) {
  const std::size_t slash = fileName.find_last_of(u"/\\");
  if (slash != std::u16string_view::npos) fileName.remove_prefix(slash + 1);
  const std::size_t dot = fileName.rfind(u'.');
  if (dot != std::u16string_view::npos) fileName = fileName.substr(0, dot);
  const std::u16string stem = ToUpper(fileName);
  for (const FontAlias& alias : kAliases) {
    if (alias.stem == stem) return alias.font;
  }
  return kDefaultFontName;
}

}  // namespace korvo

#include "tests/support/decimal_comma_locale.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>

namespace korvo::testing {
namespace {

bool TrySet() {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
    if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',')
      return true;
  }
  return false;
}

// Generates de_DE.UTF-8 once per process into a temporary folder and points LOCPATH at it.
bool Generate() {
  static const bool generated = [] {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "korvocad-test-locales";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(folder / "de_DE.UTF-8"))
      return false;
    return setenv("LOCPATH", folder.c_str(), 1) == 0;
  }();
  return generated;
}

}  // namespace

DecimalCommaLocale::DecimalCommaLocale() {
  previous_ = std::setlocale(LC_ALL, nullptr);
  active_ = TrySet() || (Generate() && TrySet());
  if (!active_) std::setlocale(LC_ALL, previous_.c_str());
}

DecimalCommaLocale::~DecimalCommaLocale() {
  std::setlocale(LC_ALL, previous_.c_str());
}

}  // namespace korvo::testing

#pragma once

#include <string>

namespace korvo::testing {

// Switches the process to a locale whose decimal separator is a comma for the lifetime of
// the object. When the machine has none installed, one is generated with localedef into a
// temporary folder (the locales package ships the sources). `active()` tells whether it
// worked.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale();
  ~DecimalCommaLocale();
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

  bool active() const { return active_; }

 private:
  std::string previous_;
  bool active_ = false;
};

}  // namespace korvo::testing

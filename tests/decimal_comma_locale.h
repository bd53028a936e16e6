// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// For tests that show a text does not depend on the process locale: switches the whole process
// (as QApplication does with setlocale(LC_ALL, "")) to a locale whose decimal point is a comma,
// and back to "C" when it goes. On Linux the test setup makes de_DE.UTF-8 in the build tree
// (make_comma_locale, found through LOCPATH); Windows has German_Germany.1252.
#pragma once

#include <clocale>
#include <cstring>

namespace velmora {

class DecimalCommaLocale {
 public:
  DecimalCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252"}) {
      if (std::setlocale(LC_ALL, name) != nullptr &&
          std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
        name_ = name;
        return;
      }
    }
    std::setlocale(LC_ALL, "C");
  }
  ~DecimalCommaLocale() { std::setlocale(LC_ALL, "C"); }
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

  // The locale in force, or nullptr when none with a decimal comma could be set: a test that
  // needs one fails then, since it would otherwise show nothing.
  const char* name() const { return name_; }

 private:
  const char* name_ = nullptr;
};

}  // namespace velmora

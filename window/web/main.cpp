// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The page's program: builds the window Form1 in the page, runs its Load, shows it and leaves it
// to the page's events. The window lives as long as the page, as the desktop window lives as long
// as the program, so it is made once and never destroyed.
#include <emscripten/val.h>

#include "window/web/form1.h"

int main() {
  static velmora::web::Form1 form(emscripten::val::global("document"));
  form.Load();
  form.Show();
  return 0;
}

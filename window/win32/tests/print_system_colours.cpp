// Prints the desktop's system colours that the window paints with, as "index RRGGBB" lines, so
// that the end-to-end check compares a screenshot with what this desktop really uses.
#include <windows.h>

#include <cstdio>

int main() {
  const int indices[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_GRAYTEXT,
                         COLOR_BTNTEXT};
  for (int index : indices) {
    const COLORREF colour = GetSysColor(index);
    std::printf("%d %02X%02X%02X\n", index, GetRValue(colour), GetGValue(colour),
                GetBValue(colour));
  }
  return 0;
}

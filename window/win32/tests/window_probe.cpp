// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What the end-to-end run needs to know from inside Wine, printed as "key values..." lines:
//   colour INDEX RRGGBB      the desktop's system colours the window paints with (GetSysColor)
//   dpi X Y                  the screen's pixels per inch
//   client X Y               the screen position of Form1's client area (when it is open)
//   thumb X Y                the screen position of the middle of `Scroll_T`'s scroll box
#include <windows.h>

#include <cstdio>

namespace {

BOOL CALLBACK FindScrollBar(HWND child, LPARAM found) {
  wchar_t class_name[32] = {};
  GetClassNameW(child, class_name, 32);
  if (lstrcmpiW(class_name, L"ScrollBar") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

}  // namespace

int main() {
  const int indices[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_GRAYTEXT,
                         COLOR_BTNTEXT};
  for (int index : indices) {
    const COLORREF colour = GetSysColor(index);
    std::printf("colour %d %02X%02X%02X\n", index, GetRValue(colour), GetGValue(colour),
                GetBValue(colour));
  }
  HDC screen = GetDC(nullptr);
  std::printf("dpi %d %d\n", GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);

  HWND form = FindWindowW(L"VelmoraForm1", nullptr);
  if (!form) return 0;
  POINT origin{0, 0};
  ClientToScreen(form, &origin);
  std::printf("client %ld %ld\n", origin.x, origin.y);
  HWND bar = nullptr;
  EnumChildWindows(form, &FindScrollBar, reinterpret_cast<LPARAM>(&bar));
  // The scroll box's place from the bar's position and the system's arrow and box widths, as
  // the bar control lays itself out (GetScrollBarInfo does not answer across processes).
  SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_RANGE | SIF_POS};
  RECT bar_place;
  if (bar && GetScrollInfo(bar, SB_CTL, &info) && GetWindowRect(bar, &bar_place)) {
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const int box = GetSystemMetrics(SM_CXHTHUMB);
    const int travel = bar_place.right - bar_place.left - 2 * arrow - box;
    const int box_left = arrow + MulDiv(info.nPos - info.nMin, travel, info.nMax - info.nMin);
    std::printf("thumb %d %ld\n", static_cast<int>(bar_place.left) + box_left + box / 2,
                (bar_place.top + bar_place.bottom) / 2);
  }
  return 0;
}

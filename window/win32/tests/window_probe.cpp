// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What the end-to-end run needs to know from inside Wine, printed as "key values..." lines:
//   colour INDEX RRGGBB      the desktop's system colours the window paints with (GetSysColor)
//   dpi X Y                  the screen's pixels per inch
//   client X Y               the screen position of Form1's client area (when it is open)
//   thumb X Y                the screen position of the middle of `Scroll_T`'s scroll box
// With the argument `accessible`, what a screen reader in another process reads instead, through
// AccessibleObjectFromWindow on the client area of the cells captioned H, Hg and Mt:
//   accessible CAPTION NAME|DESCRIPTION   (line breaks written as \n)
#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct CaptionSearch {
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK FindCaption(HWND child, LPARAM search) {
  auto& wanted = *reinterpret_cast<CaptionSearch*>(search);
  wchar_t caption[32] = {};
  InternalGetWindowText(child, caption, 32);  // no message to a window of another process
  if (lstrcmpW(caption, wanted.caption) != 0) return TRUE;
  wanted.found = child;
  return FALSE;
}

// A text of the object, in UTF-8 with line breaks escaped; the failure's code if it fails.
std::string Spoken(IAccessible* object, bool description) {
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  const HRESULT got = description ? object->get_accDescription(self, &text)
                                  : object->get_accName(self, &text);
  if (got != S_OK || !text) {
    char code[32];
    std::snprintf(code, sizeof code, "<%08lX>", static_cast<unsigned long>(got));
    return code;
  }
  std::string spoken;
  for (const wchar_t* c = text; *c; ++c) {
    if (*c == L'\n') spoken += "\\n";
    else spoken += *c < 0x80 ? static_cast<char>(*c) : '?';
  }
  SysFreeString(text);
  return spoken;
}

int PrintAccessible(HWND form) {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  for (const wchar_t* caption : {L"H", L"Hg", L"Mt"}) {
    CaptionSearch search{caption, nullptr};
    EnumChildWindows(form, &FindCaption, reinterpret_cast<LPARAM>(&search));
    IAccessible* object = nullptr;
    if (search.found && SUCCEEDED(AccessibleObjectFromWindow(search.found, OBJID_CLIENT,
                                                             __uuidof(IAccessible),
                                                             reinterpret_cast<void**>(&object)))) {
      std::printf("accessible %ls %s|%s\n", caption, Spoken(object, false).c_str(),
                  Spoken(object, true).c_str());
      object->Release();
    }
  }
  CoUninitialize();
  return 0;
}

BOOL CALLBACK FindScrollBar(HWND child, LPARAM found) {
  wchar_t class_name[32] = {};
  GetClassNameW(child, class_name, 32);
  if (lstrcmpiW(class_name, L"ScrollBar") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "accessible") == 0) {
    HWND form = FindWindowW(L"VelmoraForm1", nullptr);
    return form ? PrintAccessible(form) : 1;
  }
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

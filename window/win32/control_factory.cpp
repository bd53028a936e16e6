// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/control_factory.h"

#include <cstddef>

#include "window/win32/wide_text.h"

namespace velmora::win32 {
namespace {

constexpr int kFirstControlId = 100;

struct WindowStyle {
  const wchar_t* window_class;
  DWORD style;
  DWORD extended_style;
};

WindowStyle StyleOf(const ControlDescription& control) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  DWORD extended = 0;
  if (control.tab_index >= 0) style |= WS_TABSTOP;
  switch (control.border) {
    case BorderStyle::FlatLine: style |= WS_BORDER; break;
    case BorderStyle::SunkenLabel: extended |= WS_EX_STATICEDGE; break;
    case BorderStyle::SunkenEdit: extended |= WS_EX_CLIENTEDGE; break;
    case BorderStyle::None:
    case BorderStyle::Standard: break;
  }
  switch (control.kind) {
    case ControlKind::TextBox:
      return {L"EDIT", style | ES_LEFT | ES_AUTOHSCROLL, extended};
    case ControlKind::HScrollBar:
      return {L"SCROLLBAR", style | SBS_HORZ, extended};
    case ControlKind::Label: break;
  }
  const DWORD alignment = control.alignment == TextAlignment::Centre ? SS_CENTER : SS_LEFT;
  // Element cells take the mouse (SS_NOTIFY) so that their tooltips see it pointing at them.
  const DWORD mouse = control.atomic_number > 0 ? SS_NOTIFY : 0;
  return {L"STATIC", style | alignment | SS_NOPREFIX | mouse, extended};
}

void SetUpScrollBar(HWND bar, const ScrollRange& range) {
  SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_RANGE | SIF_POS,
                  .nMin = range.minimum, .nMax = range.maximum, .nPos = range.value};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

}  // namespace

ScreenResolution ResolutionOf(HWND window) {
  HDC screen = GetDC(window);
  ScreenResolution resolution{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
  ReleaseDC(window, screen);
  return resolution;
}

RECT PixelRect(const TwipRect& place, ScreenResolution resolution) {
  const PixelPlace pixels = PlaceInPixels(place, resolution.x, resolution.y);
  return {pixels.left, pixels.top, pixels.right, pixels.bottom};
}

bool CreateControls(HWND parent, const WindowFonts& fonts, ScreenResolution resolution,
                    Win32Controls& controls) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  int id = kFirstControlId;
  for (const ControlDescription& control : WindowDescription()) {
    const WindowStyle style = StyleOf(control);
    const RECT place = PixelRect(control.place, resolution);
    HWND window = CreateWindowExW(style.extended_style, style.window_class,
                                  Widen(control.content).c_str(), style.style, place.left,
                                  place.top, place.right - place.left, place.bottom - place.top,
                                  parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)),
                                  instance, nullptr);
    if (!window) return false;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(control.font)), FALSE);
    if (control.kind == ControlKind::TextBox) SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
    if (control.kind == ControlKind::HScrollBar) SetUpScrollBar(window, control.scroll);
    controls.Add(control, window);
  }
  return true;
}

}  // namespace velmora::win32

// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/element_tooltips.h"

#include "elements/element_summary.h"
#include "window/win32/wide_text.h"

namespace velmora::win32 {
namespace {

// Wide enough for the longest summary line in the dialog font; the width also turns on the
// tooltip's line breaks at '\n'.
constexpr int kTooltipWidthTwips = 4500;

}  // namespace

void ElementTooltips::Create(HWND parent, const Win32Controls& controls) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent,
                             nullptr, instance, nullptr);
  if (!tooltip_) return;
  HDC screen = GetDC(parent);
  const int width = MulDiv(kTooltipWidthTwips, GetDeviceCaps(screen, LOGPIXELSX), kTwipsPerInch);
  ReleaseDC(parent, screen);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, width);
  for (const ControlDescription& control : WindowDescription()) {
    if (control.atomic_number == 0) continue;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(controls.WindowOf(control.name));
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

bool ElementTooltips::OnGetText(NMTTDISPINFOW& request, const Win32Controls& controls,
                                std::int16_t t) {
  if (request.hdr.hwndFrom != tooltip_ || request.hdr.code != TTN_GETDISPINFOW) return false;
  const NativeControl* cell = controls.FindByWindow(reinterpret_cast<HWND>(request.hdr.idFrom));
  if (!cell || cell->description->atomic_number == 0) return false;
  text_ = Widen(ElementSummary(ElementRow(cell->description->atomic_number), t));
  request.lpszText = text_.data();
  return true;
}

}  // namespace velmora::win32

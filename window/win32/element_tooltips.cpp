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

bool ElementTooltips::Create(HWND parent, const Win32Controls& controls) {
  registered_ = 0;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent,
                             nullptr, instance, nullptr);
  if (!tooltip_) {
    OutputDebugStringW(L"Velmora: the tooltip window could not be made; the element cells have "
                       L"no tooltips.\n");
    return false;
  }
  HDC screen = GetDC(parent);
  const int width = MulDiv(kTooltipWidthTwips, GetDeviceCaps(screen, LOGPIXELSX), kTwipsPerInch);
  ReleaseDC(parent, screen);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, width);
  int cells = 0;
  for (const ControlDescription& control : WindowDescription()) {
    if (control.atomic_number == 0) continue;
    ++cells;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // up to lParam: the layout of version 5, read by 6 too
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(controls.WindowOf(control.name));
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) ++registered_;
  }
  if (registered_ == cells) return true;
  const std::wstring report = L"Velmora: the tooltip control took " +
                              std::to_wstring(registered_) + L" of the " + std::to_wstring(cells) +
                              L" element cells; the others have no tooltip.\n";
  OutputDebugStringW(report.c_str());
  return false;
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

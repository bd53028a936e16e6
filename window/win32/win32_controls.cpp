// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_controls.h"

#include "window/win32/wide_text.h"

namespace velmora::win32 {

void Win32Controls::Add(const ControlDescription& description, HWND window) {
  std::string name(description.name);
  by_name_[name] = NativeControl{window, &description, description.fore_colour};
  name_of_window_[window] = std::move(name);
}

const NativeControl* Win32Controls::Find(std::string_view name) const {
  auto found = by_name_.find(std::string(name));
  return found == by_name_.end() ? nullptr : &found->second;
}

const NativeControl* Win32Controls::FindByWindow(HWND window) const {
  auto found = name_of_window_.find(window);
  return found == name_of_window_.end() ? nullptr : Find(found->second);
}

HWND Win32Controls::WindowOf(std::string_view name) const {
  const NativeControl* control = Find(name);
  return control ? control->window : nullptr;
}

NativeControl* Win32Controls::Lookup(std::string_view name, ControlKind kind,
                                     AccessStatus& status) {
  auto found = by_name_.find(std::string(name));
  if (found == by_name_.end()) {
    status = AccessStatus::NoSuchControl;
    return nullptr;
  }
  if (found->second.description->kind != kind) {
    status = AccessStatus::WrongKind;
    return nullptr;
  }
  status = AccessStatus::Ok;
  return &found->second;
}

AccessStatus Win32Controls::SetCaption(std::string_view control, std::string_view caption) {
  AccessStatus status;
  NativeControl* label = Lookup(control, ControlKind::Label, status);
  if (!label) return status;
  return SetWindowTextW(label->window, Widen(caption).c_str()) ? AccessStatus::Ok
                                                                 : AccessStatus::Failed;
}

AccessStatus Win32Controls::SetForeColor(std::string_view control, ColourValue colour) {
  AccessStatus status;
  NativeControl* label = Lookup(control, ControlKind::Label, status);
  if (!label) return status;
  if (label->fore_colour != colour) {
    label->fore_colour = colour;
    InvalidateRect(label->window, nullptr, TRUE);
  }
  return AccessStatus::Ok;
}

AccessStatus Win32Controls::GetText(std::string_view control, std::string& text) {
  AccessStatus status;
  NativeControl* box = Lookup(control, ControlKind::TextBox, status);
  if (!box) return status;
  text = Narrow(WindowTextOf(box->window));
  return AccessStatus::Ok;
}

AccessStatus Win32Controls::SetText(std::string_view control, std::string_view text) {
  AccessStatus status;
  NativeControl* box = Lookup(control, ControlKind::TextBox, status);
  if (!box) return status;
  const std::wstring wide = Widen(text);
  // The lengths first: a long text in the box is not copied only to learn that it differs.
  if (static_cast<std::size_t>(GetWindowTextLengthW(box->window)) == wide.size() &&
      WindowTextOf(box->window) == wide) {
    return AccessStatus::Ok;
  }
  // EN_CHANGE, and with it the nested Change event, runs inside this call.
  if (!SetWindowTextW(box->window, wide.c_str())) return AccessStatus::Failed;
  const auto end = static_cast<WPARAM>(wide.size());
  SendMessageW(box->window, EM_SETSEL, end, static_cast<LPARAM>(end));
  return AccessStatus::Ok;
}

AccessStatus Win32Controls::GetValue(std::string_view control, std::int16_t& value) {
  AccessStatus status;
  NativeControl* bar = Lookup(control, ControlKind::HScrollBar, status);
  if (!bar) return status;
  SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_POS};
  if (!GetScrollInfo(bar->window, SB_CTL, &info)) return AccessStatus::Failed;
  value = static_cast<std::int16_t>(info.nPos);
  return AccessStatus::Ok;
}

AccessStatus Win32Controls::SetValue(std::string_view control, std::int16_t value) {
  AccessStatus status;
  NativeControl* bar = Lookup(control, ControlKind::HScrollBar, status);
  if (!bar) return status;
  const ScrollRange& range = bar->description->scroll;
  if (value < range.minimum || value > range.maximum) return AccessStatus::OutOfRange;
  SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_POS, .nPos = value};
  SetScrollInfo(bar->window, SB_CTL, &info, TRUE);
  return AccessStatus::Ok;
}

}  // namespace velmora::win32

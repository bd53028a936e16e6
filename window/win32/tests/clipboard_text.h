// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Puts a text on the clipboard as Unicode text, as a program that copies it does, or empties the
// clipboard (nothing); for the tests and benchmarks that paste into the window.
#pragma once

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>

namespace velmora::win32 {

inline bool PutOnClipboard(HWND owner, const std::optional<std::wstring>& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  bool put = !text;
  if (text) {
    const std::size_t bytes = (text->size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
      std::memcpy(GlobalLock(memory), text->c_str(), bytes);
      GlobalUnlock(memory);
      put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
  }
  CloseClipboard();
  return put;
}

}  // namespace velmora::win32

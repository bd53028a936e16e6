// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The program's entry: creates Form1 (whose Load runs before it is shown), shows it and runs the
// message loop until the window closes. The thread is a COM apartment, through which the window
// hands its objects to screen readers; without it the program runs on and the system's standard
// objects answer them. Tab and Shift+Tab move the focus between `Scroll_T` and
// `Text_T` through the dialog manager's keyboard handling. Nothing is read or saved.
// The process is aware of the screen's real pixels per inch through the program's manifest
// (velmora.manifest.in), which Windows applies before any of the program's code runs.
#include <windows.h>
#include <objbase.h>

#include <string>

#include "window/win32/form_window.h"
#include "window/win32/resource_ids.h"
#include "window/win32/wide_text.h"

namespace {

void ShowHandlerError(HWND owner, const std::string& message) {
  const std::wstring text =
      L"The temperature could not be applied.\n\n" + velmora::win32::Widen(message);
  MessageBoxW(owner, text.c_str(), L"Velmora", MB_OK | MB_ICONWARNING);
}

class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }

 private:
  HRESULT result_;
};

HICON LoadProgramIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(velmora::win32::kProgramIconId),
                                       IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
  using velmora::win32::FormWindow;
  HICON icon = LoadProgramIcon(instance, GetSystemMetrics(SM_CXICON));
  HICON small_icon = LoadProgramIcon(instance, GetSystemMetrics(SM_CXSMICON));
  if (!FormWindow::RegisterWindowClass(instance, icon, small_icon)) return 1;

  const ComApartment apartment;  // outlives the window
  FormWindow form(&ShowHandlerError);
  HWND window = form.Create(instance);
  if (!window) return 1;
  form.Show(show_command);

  // This loop decides when the program ends: once Form1 is gone (the user closed it), or on a
  // quit request from outside. The window itself asks for no quit when it is destroyed.
  MSG message{};
  while (IsWindow(window)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got < 0) return 1;
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

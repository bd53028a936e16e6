// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/form_window.h"

#include "window/control_names.h"
#include "window/win32/control_factory.h"
#include "window/win32/scroll_steps.h"
#include "window/win32/wide_text.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"VelmoraForm1";
constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Posted when an event ended with an error: shows the oldest error not yet shown.
constexpr UINT kShowError = WM_APP + 1;
constexpr UINT_PTR kControlSubclass = 1;

// A WM_SETTINGCHANGE that changes the colours controls are painted in.
bool ChangesColours(WPARAM setting, LPARAM area) {
  if (setting == SPI_SETHIGHCONTRAST) return true;
  const auto* name = reinterpret_cast<const wchar_t*>(area);
  return name && lstrcmpW(name, L"ImmersiveColorSet") == 0;
}

}  // namespace

FormWindow::FormWindow(ErrorReporter report_error) : report_error_(std::move(report_error)) {}

FormWindow::~FormWindow() {
  if (window_) DestroyWindow(window_);
  if (accessible_) accessible_->Disconnect();
}

bool FormWindow::RegisterWindowClass(HINSTANCE instance, HICON icon, HICON small_icon) {
  const INITCOMMONCONTROLSEX tooltip_classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&tooltip_classes);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = &FormWindow::WindowProcedure;
  window_class.hInstance = instance;
  window_class.hIcon = icon;
  window_class.hIconSm = small_icon;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  // The colour's index, not a brush: the background follows a change of the system's colours.
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  window_class.lpszClassName = kWindowClass;
  return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND FormWindow::Create(HINSTANCE instance) {
  const ScreenResolution screen = ResolutionOf(nullptr);
  RECT frame{0, 0, TwipsToPixels(kClientWidthTwips, screen.x),
             TwipsToPixels(kClientHeightTwips, screen.y)};
  AdjustWindowRectEx(&frame, kFrameStyle, FALSE, 0);
  const std::wstring title = Widen(kFormTitle);
  CreateWindowExW(0, kWindowClass, title.c_str(), kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                  this);
  return window_;
}

void FormWindow::Show(int show_command) {
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  SetFocus(controls_.WindowOf(control::Scroll_T));
}

LRESULT CALLBACK FormWindow::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  FormWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT CALLBACK FormWindow::ControlProcedure(HWND control, UINT message, WPARAM wparam,
                                              LPARAM lparam, UINT_PTR, DWORD_PTR form) {
  // The controls go before the FormWindow does (its destructor destroys the window).
  auto* self = reinterpret_cast<FormWindow*>(form);
  switch (message) {
    case WM_GETOBJECT:
      if (auto answer = AnswerGetObject(self->accessible_, control, wparam, lparam)) {
        return *answer;
      }
      break;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      // The edit control and the scroll bar would keep the wheel to themselves.
      if (self->window_) return SendMessageW(self->window_, message, wparam, lparam);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // the bar takes a second click as a press too
      if (control == self->controls_.WindowOf(velmora::control::Scroll_T)) {
        self->box_press_.Begin(static_cast<std::int16_t>(GetScrollPos(control, SB_CTL)));
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, &FormWindow::ControlProcedure, kControlSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(control, message, wparam, lparam);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (LRESULT brush = OnControlColour(reinterpret_cast<HDC>(wparam),
                                          reinterpret_cast<HWND>(lparam))) {
        return brush;
      }
      return DefWindowProcW(window_, message, wparam, lparam);
    case WM_HSCROLL:
      OnHorizontalScroll(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      OnMouseWheel(message == WM_MOUSEHWHEEL ? WheelAxis::Horizontal : WheelAxis::Vertical,
                   GET_WHEEL_DELTA_WPARAM(wparam), GET_KEYSTATE_WPARAM(wparam));
      return 0;
    case WM_SYSCOLORCHANGE:
      OnSystemColoursChanged();
      return 0;
    case WM_SETTINGCHANGE:
      if (ChangesColours(wparam, lparam)) OnSystemColoursChanged();
      return DefWindowProcW(window_, message, wparam, lparam);
    case WM_GETOBJECT:
      if (auto answer = AnswerGetObject(accessible_, window_, wparam, lparam)) return *answer;
      return DefWindowProcW(window_, message, wparam, lparam);
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case WM_COMMAND:
      OnCommand(HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lparam));
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case kShowError:
      OnShowError();
      return 0;
    default:
      return DefWindowProcW(window_, message, wparam, lparam);
  }
}

bool FormWindow::OnCreate() {
  const ScreenResolution resolution = ResolutionOf(window_);
  fonts_ = std::make_unique<WindowFonts>(resolution.y);
  if (!CreateControls(window_, *fonts_, resolution, controls_)) return false;
  tooltips_.Create(window_, controls_);
  accessible_ = std::make_shared<AccessibleForm>(
      window_, controls_, dispatcher_,
      [this](std::int16_t position) { Finish(dispatcher_.UserMovedBar(position)); });
  for (const ControlDescription& control : WindowDescription()) {
    SetWindowSubclass(controls_.WindowOf(control.name), &FormWindow::ControlProcedure,
                      kControlSubclass, reinterpret_cast<DWORD_PTR>(this));
  }
  Finish(dispatcher_.Load());
  return true;
}

LRESULT FormWindow::OnControlColour(HDC dc, HWND control) {
  const NativeControl* found = controls_.FindByWindow(control);
  if (!found) return 0;
  SetTextColor(dc, ToColorRef(found->fore_colour));
  SetBkColor(dc, ToColorRef(found->description->back_colour));
  return reinterpret_cast<LRESULT>(BackgroundBrush(found->description->back_colour));
}

void FormWindow::OnHorizontalScroll(int code, int box_position, HWND bar) {
  const NativeControl* found = controls_.FindByWindow(bar);
  if (!found || found->description->name != control::Scroll_T) return;
  if (code == SB_ENDSCROLL) box_press_.End();
  if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
    // Nothing until the box leaves where it was pressed; exactly the bar's position at the press
    // when it comes back there.
    const std::optional<int> where = box_press_.Where(box_position);
    if (!where) return;
    box_position = *where;
  }
  SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_POS};
  GetScrollInfo(bar, SB_CTL, &info);
  const std::optional<std::int16_t> target =
      ScrollTarget(code, static_cast<std::int16_t>(info.nPos), box_position,
                   found->description->scroll);
  // A key or arrow at the end of the range moves nothing, and nothing is applied, as on a bar
  // that reports only changes of its value.
  if (target && *target != info.nPos) Finish(dispatcher_.UserMovedBar(*target));
}

void FormWindow::OnMouseWheel(WheelAxis axis, int delta, int keys) {
  const NativeControl* bar = controls_.Find(control::Scroll_T);
  if (!bar) return;
  const bool sideways = axis == WheelAxis::Horizontal;
  WheelSetting setting{.page_per_notch = (keys & (MK_CONTROL | MK_SHIFT)) != 0, .axis = axis};
  UINT lines = 0;
  if (SystemParametersInfoW(sideways ? SPI_GETWHEELSCROLLCHARS : SPI_GETWHEELSCROLLLINES, 0,
                            &lines, 0)) {
    setting.lines = lines;
  }
  SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_POS};
  if (!GetScrollInfo(bar->window, SB_CTL, &info)) return;
  const std::optional<std::int16_t> target =
      WheelTarget(delta, setting, static_cast<std::int16_t>(info.nPos), bar->description->scroll,
                  sideways ? tilt_remainder_ : wheel_remainder_);
  if (target) Finish(dispatcher_.UserMovedBar(*target));
}

void FormWindow::OnSystemColoursChanged() {
  // Common controls learn of new colours only from their parent.
  if (tooltips_.window()) SendMessageW(tooltips_.window(), WM_SYSCOLORCHANGE, 0, 0);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void FormWindow::OnActivate(bool active) {
  if (!active) {
    focus_when_inactive_ = GetFocus();
    return;
  }
  HWND focus = focus_when_inactive_ ? focus_when_inactive_ : controls_.WindowOf(control::Scroll_T);
  if (IsWindow(focus) && IsChild(window_, focus)) SetFocus(focus);
}

void FormWindow::OnCommand(int notification, HWND control) {
  if (notification != EN_CHANGE) return;
  const NativeControl* found = controls_.FindByWindow(control);
  if (found && found->description->name == control::Text_T) Finish(dispatcher_.TextChanged());
}

LRESULT FormWindow::OnNotify(NMHDR& notification) {
  if (notification.code == TTN_GETDISPINFOW) {
    tooltips_.OnGetText(reinterpret_cast<NMTTDISPINFOW&>(notification), controls_,
                        dispatcher_.TemperatureInForce());
  }
  return 0;
}

void FormWindow::OnDestroy() {
  if (accessible_) accessible_->Disconnect();
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
}

void FormWindow::Finish(std::optional<EventEnd> end) {
  // Cells repaint themselves: a colour write invalidates the cell whose colour changed.
  if (!end) return;
  // Once per event, and only for a new temperature: a move while the box holds text passes the
  // label through 0 in the middle of the event, which nobody should hear.
  if (dispatcher_.TemperatureInForce() != announced_temperature_) {
    announced_temperature_ = dispatcher_.TemperatureInForce();
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, controls_.WindowOf(control::Label_T), OBJID_CLIENT,
                   CHILDID_SELF);
  }
  if (!end->message) return;
  unshown_errors_.push_back(std::move(*end->message));
  PostMessageW(window_, kShowError, 0, 0);
}

void FormWindow::OnShowError() {
  if (unshown_errors_.empty()) return;
  const std::string message = std::move(unshown_errors_.front());
  unshown_errors_.pop_front();
  if (report_error_) report_error_(window_, message);
}

}  // namespace velmora::win32

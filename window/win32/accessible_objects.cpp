// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/accessible_objects.h"

#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <charconv>
#include <new>
#include <string>
#include <system_error>
#include <utility>

#include "elements/element_summary.h"
#include "window/bar_value.h"
#include "window/control_names.h"
#include "window/win32/wide_text.h"

namespace velmora::win32 {

void AccessibleForm::Disconnect() {
  controls_ = nullptr;
  dispatcher_ = nullptr;
  move_bar_ = nullptr;
}

const NativeControl* AccessibleForm::ControlOf(HWND window) const {
  if (!controls_ || !IsWindow(window)) return nullptr;
  return controls_->FindByWindow(window);
}

std::vector<HWND> AccessibleForm::ChildrenInReadingOrder() const {
  std::vector<HWND> children;
  if (!controls_) return children;
  for (std::string_view name : ReadingOrder()) {
    HWND child = controls_->WindowOf(name);
    if (child && IsWindow(child)) children.push_back(child);
  }
  return children;
}

namespace {

// Interface ids are taken from the headers (__uuidof), not from a library: MinGW's 64-bit oleacc
// import library defines IID_IAccessible as well, as a function stub that a link may pick.

constexpr wchar_t kTemperatureName[] = L"Temperature in kelvin";

// What the object answers for itself beyond the standard object.
enum class Speaks { Form, Cell, TemperatureInput, ValueLabel, Caption };

HRESULT ToBstr(const std::wstring& text, BSTR* out) {
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

VARIANT Self() {
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

// Outputs left empty, for an answer that fails before anyone sets them.
void Clear(BSTR* out) {
  if (out) *out = nullptr;
}
void Clear(VARIANT* out) {
  if (out) VariantInit(out);
}
void Clear(IDispatch** out) {
  if (out) *out = nullptr;
}
void Clear(LONG* out) {
  if (out) *out = 0;
}

// The answers of an object whose window or form is gone; outputs are left empty.
template <typename... Out>
HRESULT Gone(Out*... outs) {
  (Clear(outs), ...);
  return CO_E_OBJNOTCONNECTED;
}

// The number a value written to the scroll bar states: the whole text, blanks around it
// allowed, in the notation of the C locale, as the Qt window reads it; nothing when it is not
// one or lies beyond a double.
std::optional<double> NumberIn(BSTR value) {
  if (!value) return std::nullopt;
  std::string text = Narrow(std::wstring_view(value, SysStringLen(value)));
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first);
  if (text.front() == '+') text.erase(0, 1);
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

class AccessibleObject final : public IAccessible, public IOleWindow, public IEnumVARIANT {
 public:
  static HRESULT Create(std::shared_ptr<AccessibleForm> form, HWND window,
                        AccessibleObject** made) {
    *made = nullptr;
    if (!form || !form->connected() || !IsWindow(window)) return CO_E_OBJNOTCONNECTED;
    Speaks speaks = Speaks::Form;
    int atomic_number = 0;
    if (window != form->form()) {
      const NativeControl* control = form->ControlOf(window);
      if (!control) return E_INVALIDARG;
      const ControlDescription& description = *control->description;
      atomic_number = description.atomic_number;
      if (atomic_number > 0) {
        speaks = Speaks::Cell;
      } else if (description.name == control::Text_T || description.name == control::Scroll_T) {
        speaks = Speaks::TemperatureInput;
      } else if (description.name == control::Label_T) {
        speaks = Speaks::ValueLabel;
      } else {
        speaks = Speaks::Caption;
      }
    }
    IAccessible* standard = nullptr;
    const HRESULT made_standard = CreateStdAccessibleObject(
        window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard));
    if (FAILED(made_standard)) return made_standard;
    if (!standard) return E_FAIL;
    *made = new (std::nothrow) AccessibleObject(std::move(form), window, speaks, atomic_number,
                                                standard);
    if (*made) return S_OK;
    standard->Release();
    return E_OUTOFMEMORY;
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
    } else if (iid == __uuidof(IOleWindow)) {
      *object = static_cast<IOleWindow*>(this);
    } else if (iid == __uuidof(IEnumVARIANT) && speaks_ == Speaks::Form) {
      *object = static_cast<IEnumVARIANT*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch, over the standard object's type information, so that a late-bound call reaches
  // the answers below too.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!Alive()) return Gone();
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    if (!Alive()) return Gone();
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    ITypeInfo* info = nullptr;
    const HRESULT found = GetTypeInfo(0, locale, &info);
    if (FAILED(found) || !info) return FAILED(found) ? found : E_NOTIMPL;
    const HRESULT result = DispGetIDsOfNames(info, names, count, ids);
    info->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result,
                                   EXCEPINFO* exception, UINT* wrong_argument) override {
    ITypeInfo* info = nullptr;
    const HRESULT found = GetTypeInfo(0, locale, &info);
    if (FAILED(found) || !info) return FAILED(found) ? found : E_NOTIMPL;
    const HRESULT invoked = DispInvoke(static_cast<IAccessible*>(this), info, member, flags,
                                       parameters, result, exception, wrong_argument);
    info->Release();
    return invoked;
  }

  // IAccessible. On Form1's client area a child id other than CHILDID_SELF is a place in the
  // reading order, from 1, in every method: the child's own object answers (AskChild).
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!Alive()) return Gone(parent);
    if (speaks_ == Speaks::Form) return standard_->get_accParent(parent);
    if (!parent) return E_POINTER;
    return MakeDispatch(form_->form(), parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!Alive()) return Gone(count);
    if (speaks_ != Speaks::Form) return standard_->get_accChildCount(count);
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(form_->ChildrenInReadingOrder().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    if (!Alive()) return Gone(object);
    if (speaks_ != Speaks::Form || child.vt != VT_I4 || child.lVal == CHILDID_SELF) {
      return standard_->get_accChild(child, object);
    }
    if (!object) return E_POINTER;
    *object = nullptr;
    const HWND window = ChildWindow(child.lVal);
    return window ? MakeDispatch(window, object) : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!Alive()) return Gone(name);
    if (auto answer = AskChild(child, [&](IAccessible& of) { return of.get_accName(Self(), name); },
                               name)) {
      return *answer;
    }
    if (!IsSelf(child) || !name) return standard_->get_accName(child, name);
    switch (speaks_) {
      case Speaks::Cell: return ToBstr(Widen(ElementRow(atomic_number_).name), name);
      case Speaks::TemperatureInput: return ToBstr(kTemperatureName, name);
      case Speaks::ValueLabel:
        return ToBstr(L"Temperature in force: " + WindowTextOf(window_) + L" K", name);
      case Speaks::Form:
      case Speaks::Caption: break;
    }
    return standard_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!Alive()) return Gone(value);
    if (auto answer = AskChild(
            child, [&](IAccessible& of) { return of.get_accValue(Self(), value); }, value)) {
      return *answer;
    }
    if (!IsSelf(child) || !value || !IsBar()) return standard_->get_accValue(child, value);
    SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_POS};
    if (!GetScrollInfo(window_, SB_CTL, &info)) return Gone(value);
    return ToBstr(std::to_wstring(info.nPos), value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (!Alive()) return Gone(description);
    if (auto answer = AskChild(
            child, [&](IAccessible& of) { return of.get_accDescription(Self(), description); },
            description)) {
      return *answer;
    }
    if (!IsSelf(child) || !description || speaks_ != Speaks::Cell) {
      return standard_->get_accDescription(child, description);
    }
    const std::string summary = ElementSummary(ElementRow(atomic_number_),
                                               form_->TemperatureInForce());
    return ToBstr(Widen(summary), description);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (!Alive()) return Gone(end);
    if (!end || start.vt != VT_I4) return standard_->accNavigate(direction, start, end);
    const bool sideways = direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS;
    const bool downwards = direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD;
    if (!sideways) {
      // From a child, the child's own object goes up, down, left, right or into itself.
      if (auto answer = AskChild(
              start, [&](IAccessible& of) { return of.accNavigate(direction, Self(), end); },
              end)) {
        return *answer;
      }
    }
    const std::vector<HWND> order = form_->ChildrenInReadingOrder();
    std::ptrdiff_t from = -1;
    if (speaks_ == Speaks::Form && downwards && start.lVal == CHILDID_SELF) {
      from = direction == NAVDIR_FIRSTCHILD ? -1 : static_cast<std::ptrdiff_t>(order.size());
    } else if (speaks_ == Speaks::Form && sideways && start.lVal != CHILDID_SELF) {
      if (start.lVal < 1 || static_cast<std::size_t>(start.lVal) > order.size()) {
        VariantInit(end);
        return E_INVALIDARG;
      }
      from = start.lVal - 1;
    } else if (speaks_ != Speaks::Form && sideways && start.lVal == CHILDID_SELF) {
      const auto self = std::find(order.begin(), order.end(), window_);
      if (self == order.end()) return Gone(end);
      from = self - order.begin();
    } else {
      return standard_->accNavigate(direction, start, end);
    }
    const bool forward = direction == NAVDIR_NEXT || direction == NAVDIR_FIRSTCHILD;
    const std::ptrdiff_t to = from + (forward ? 1 : -1);
    VariantInit(end);
    if (to < 0 || to >= static_cast<std::ptrdiff_t>(order.size())) return S_FALSE;
    return MakeVariant(order[static_cast<std::size_t>(to)], end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    if (!Alive()) return Gone(child);
    if (speaks_ != Speaks::Form) return standard_->accHitTest(x, y, child);
    if (!child) return E_POINTER;
    VariantInit(child);
    const HWND form = form_->form();
    POINT point{x, y};
    RECT client{};
    if (!GetClientRect(form, &client) || !ScreenToClient(form, &point) ||
        !PtInRect(&client, point)) {
      return S_FALSE;
    }
    // The control on top at that point, as the mouse finds it.
    const HWND hit = ChildWindowFromPointEx(form, point, CWP_SKIPINVISIBLE);
    if (hit && hit != form && form_->ControlOf(hit)) return MakeVariant(hit, child);
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    if (!Alive()) return Gone(child);
    if (speaks_ != Speaks::Form) return standard_->get_accFocus(child);
    if (!child) return E_POINTER;
    VariantInit(child);
    const HWND focus = GetFocus();
    if (focus && focus == form_->form()) {
      child->vt = VT_I4;
      child->lVal = CHILDID_SELF;
      return S_OK;
    }
    for (HWND window = focus; window && window != form_->form(); window = GetParent(window)) {
      if (form_->ControlOf(window)) return MakeVariant(window, child);
    }
    return S_FALSE;  // the focus is elsewhere
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    if (!Alive()) return Gone(children);
    if (speaks_ != Speaks::Form) return standard_->get_accSelection(children);
    // None of Form1's children can be selected.
    Clear(children);
    return children ? S_FALSE : E_POINTER;
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    if (!Alive()) return Gone();
    if (auto answer =
            AskChild(child, [&](IAccessible& of) { return of.put_accValue(Self(), value); })) {
      return *answer;
    }
    if (!IsSelf(child) || !IsBar()) return standard_->put_accValue(child, value);
    const std::optional<double> wanted = NumberIn(value);
    const std::optional<std::int16_t> position =
        wanted ? BarPositionForValue(*wanted, form_->ControlOf(window_)->description->scroll)
               : std::nullopt;
    if (!position) return E_INVALIDARG;
    form_->MoveBar(*position);
    return S_OK;
  }

  // IAccessible: the system's answers, for a child through the child's own object.
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!Alive()) return Gone(role);
    if (auto answer = AskChild(child, [&](IAccessible& of) { return of.get_accRole(Self(), role); },
                               role)) {
      return *answer;
    }
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!Alive()) return Gone(state);
    if (auto answer = AskChild(
            child, [&](IAccessible& of) { return of.get_accState(Self(), state); }, state)) {
      return *answer;
    }
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    if (!Alive()) return Gone(help);
    if (auto answer = AskChild(child, [&](IAccessible& of) { return of.get_accHelp(Self(), help); },
                               help)) {
      return *answer;
    }
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    if (!Alive()) return Gone(file, topic);
    if (auto answer = AskChild(
            child, [&](IAccessible& of) { return of.get_accHelpTopic(file, Self(), topic); },
            file, topic)) {
      return *answer;
    }
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    if (!Alive()) return Gone(shortcut);
    if (auto answer = AskChild(
            child, [&](IAccessible& of) { return of.get_accKeyboardShortcut(Self(), shortcut); },
            shortcut)) {
      return *answer;
    }
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!Alive()) return Gone(action);
    if (auto answer = AskChild(
            child, [&](IAccessible& of) { return of.get_accDefaultAction(Self(), action); },
            action)) {
      return *answer;
    }
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    if (!Alive()) return Gone();
    if (auto answer =
            AskChild(child, [&](IAccessible& of) { return of.accSelect(flags, Self()); })) {
      return *answer;
    }
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (!Alive()) return Gone(left, top, width, height);
    if (auto answer = AskChild(
            child,
            [&](IAccessible& of) { return of.accLocation(left, top, width, height, Self()); },
            left, top, width, height)) {
      return *answer;
    }
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!Alive()) return Gone();
    if (auto answer =
            AskChild(child, [&](IAccessible& of) { return of.accDoDefaultAction(Self()); })) {
      return *answer;
    }
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    if (!Alive()) return Gone();
    if (auto answer =
            AskChild(child, [&](IAccessible& of) { return of.put_accName(Self(), name); })) {
      return *answer;
    }
    return standard_->put_accName(child, name);
  }

  // IOleWindow: the window the object stands for (WindowFromAccessibleObject asks this).
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IEnumVARIANT, Form1's client area only: its children in reading order.
  HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* children, ULONG* fetched) override {
    if (fetched) *fetched = 0;
    if (!children) return E_POINTER;
    if (!Alive()) return Gone();
    const std::vector<HWND> order = form_->ChildrenInReadingOrder();
    ULONG got = 0;
    while (got < wanted && next_child_ < order.size()) {
      VariantInit(&children[got]);
      const HRESULT made = MakeVariant(order[next_child_], &children[got]);
      if (FAILED(made)) {
        while (got > 0) VariantClear(&children[--got]);
        return made;
      }
      ++got;
      ++next_child_;
    }
    if (fetched) *fetched = got;
    return got == wanted ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    if (!Alive()) return Gone();
    const std::size_t before = next_child_;
    next_child_ = std::min<std::size_t>(before + count, form_->ChildrenInReadingOrder().size());
    return next_child_ - before == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_child_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
    if (!copy) return E_POINTER;
    *copy = nullptr;
    AccessibleObject* made = nullptr;
    const HRESULT result = Create(form_, window_, &made);
    if (FAILED(result)) return result;
    made->next_child_ = next_child_;
    *copy = static_cast<IEnumVARIANT*>(made);
    return S_OK;
  }

 private:
  AccessibleObject(std::shared_ptr<AccessibleForm> form, HWND window, Speaks speaks,
                   int atomic_number, IAccessible* standard)
      : form_(std::move(form)), window_(window), speaks_(speaks),
        atomic_number_(atomic_number), standard_(standard) {}
  ~AccessibleObject() { standard_->Release(); }

  // The form is still there and so is this object's window, one of the form's.
  bool Alive() const {
    return form_->connected() && IsWindow(window_) &&
           (window_ == form_->form() || form_->ControlOf(window_) != nullptr);
  }

  bool IsBar() const {
    const NativeControl* control = form_->ControlOf(window_);
    return control && control->description->kind == ControlKind::HScrollBar;
  }

  // The window of Form1's child at `place` in the reading order (from 1); null for none.
  HWND ChildWindow(LONG place) const {
    const std::vector<HWND> children = form_->ChildrenInReadingOrder();
    if (place < 1 || static_cast<std::size_t>(place) > children.size()) return nullptr;
    return children[static_cast<std::size_t>(place) - 1];
  }

  // On Form1's client area, a question about the child at place `child` in the reading order:
  // `ask` puts it to the child's own object, about itself. Nothing when `child` is CHILDID_SELF or
  // this is not the form; E_INVALIDARG, with `outs` left empty, for a place with no child.
  template <typename Ask, typename... Out>
  std::optional<HRESULT> AskChild(const VARIANT& child, Ask ask, Out*... outs) {
    if (speaks_ != Speaks::Form || child.vt != VT_I4 || child.lVal == CHILDID_SELF) {
      return std::nullopt;
    }
    (Clear(outs), ...);
    const HWND window = ChildWindow(child.lVal);
    if (!window) return E_INVALIDARG;
    AccessibleObject* object = nullptr;
    const HRESULT made = Create(form_, window, &object);
    if (FAILED(made)) return made;
    const HRESULT answer = ask(static_cast<IAccessible&>(*object));
    object->Release();
    return answer;
  }

  HRESULT MakeDispatch(HWND window, IDispatch** out) {
    *out = nullptr;
    AccessibleObject* made = nullptr;
    const HRESULT result = Create(form_, window, &made);
    if (SUCCEEDED(result)) *out = static_cast<IAccessible*>(made);
    return result;
  }
  HRESULT MakeVariant(HWND window, VARIANT* out) {
    IDispatch* object = nullptr;
    const HRESULT result = MakeDispatch(window, &object);
    if (FAILED(result)) return result;
    out->vt = VT_DISPATCH;
    out->pdispVal = object;
    return S_OK;
  }

  LONG references_ = 1;
  std::shared_ptr<AccessibleForm> form_;
  HWND window_;
  Speaks speaks_;
  int atomic_number_;
  IAccessible* standard_;
  std::size_t next_child_ = 0;  // the enumeration's place
};

}  // namespace

std::optional<LRESULT> AnswerGetObject(const std::shared_ptr<AccessibleForm>& form, HWND window,
                                       WPARAM wparam, LPARAM lparam) {
  // The object id travels in the low 32 bits, whatever the width of LPARAM.
  if (static_cast<DWORD>(lparam) != static_cast<DWORD>(OBJID_CLIENT)) return std::nullopt;
  AccessibleObject* object = nullptr;
  if (FAILED(AccessibleObject::Create(form, window, &object))) return std::nullopt;
  const LRESULT answer = LresultFromObject(__uuidof(IAccessible), wparam,
                                           static_cast<IAccessible*>(object));
  object->Release();
  // A failure comes back as a negative HRESULT; the system's object answers instead.
  if (answer <= 0) return std::nullopt;
  return answer;
}

}  // namespace velmora::win32

// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/accessible_objects.h"

#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <new>
#include <string>
#include <utility>

#include "elements/element_summary.h"
#include "window/control_names.h"
#include "window/win32/wide_text.h"

namespace velmora::win32 {

void AccessibleForm::Disconnect() {
  controls_ = nullptr;
  dispatcher_ = nullptr;
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

// The answers of an object whose window or form is gone; outputs are left empty.
HRESULT Gone() { return CO_E_OBJNOTCONNECTED; }
HRESULT Gone(BSTR* out) {
  if (out) *out = nullptr;
  return CO_E_OBJNOTCONNECTED;
}
HRESULT Gone(VARIANT* out) {
  if (out) VariantInit(out);
  return CO_E_OBJNOTCONNECTED;
}
HRESULT Gone(IDispatch** out) {
  if (out) *out = nullptr;
  return CO_E_OBJNOTCONNECTED;
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

  // IAccessible: the window's own answers.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!Alive()) return Gone(parent);
    if (speaks_ == Speaks::Form) return standard_->get_accParent(parent);
    if (!parent) return E_POINTER;
    return MakeDispatch(form_->form(), parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!Alive()) return Gone();
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
    const std::vector<HWND> children = form_->ChildrenInReadingOrder();
    if (child.lVal < 1 || static_cast<std::size_t>(child.lVal) > children.size()) {
      return E_INVALIDARG;
    }
    return MakeDispatch(children[static_cast<std::size_t>(child.lVal) - 1], object);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!Alive()) return Gone(name);
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
    const NativeControl* control = form_->ControlOf(window_);
    if (!IsSelf(child) || !value || !control ||
        control->description->kind != ControlKind::HScrollBar) {
      return standard_->get_accValue(child, value);
    }
    SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_POS};
    if (!GetScrollInfo(window_, SB_CTL, &info)) return Gone(value);
    return ToBstr(std::to_wstring(info.nPos), value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (!Alive()) return Gone(description);
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
    const std::vector<HWND> order = form_->ChildrenInReadingOrder();
    std::ptrdiff_t from = -1;
    if (speaks_ == Speaks::Form && downwards && start.lVal == CHILDID_SELF) {
      from = direction == NAVDIR_FIRSTCHILD ? -1 : static_cast<std::ptrdiff_t>(order.size());
    } else if (speaks_ == Speaks::Form && sideways && start.lVal >= 1 &&
               static_cast<std::size_t>(start.lVal) <= order.size()) {
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

  // IAccessible: the system's answers.
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!Alive()) return Gone(role);
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!Alive()) return Gone(state);
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    if (!Alive()) return Gone(help);
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    if (!Alive()) return Gone(file);
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    if (!Alive()) return Gone(shortcut);
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    if (!Alive()) return Gone(child);
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    if (!Alive()) return Gone(children);
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!Alive()) return Gone(action);
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    if (!Alive()) return Gone();
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (!Alive()) return Gone();
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    if (!Alive()) return Gone(child);
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!Alive()) return Gone();
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    if (!Alive()) return Gone();
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    if (!Alive()) return Gone();
    return standard_->put_accValue(child, value);
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

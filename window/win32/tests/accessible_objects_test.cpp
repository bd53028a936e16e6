// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What a screen reader reads from the window, asked for as a reader asks:
// AccessibleObjectFromWindow on a client area, which sends the window WM_GETOBJECT and unmarshals
// its answer (Wine's oleacc does both, so nothing is read around the window's own answer), in
// this process and, through the marshalled path, from another. Literal texts, the reading order
// of Form1's children and their numbers in every question, a value written to the bar, and
// objects outliving their window.
#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "window/win32/tests/form_window_fixture.h"

namespace velmora::win32 {
namespace {

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, Releaser>;

VARIANT Child(LONG id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

// The object of a VT_DISPATCH result, taken over.
Accessible Take(VARIANT& variant) {
  IAccessible* object = nullptr;
  if (variant.vt == VT_DISPATCH && variant.pdispVal) {
    variant.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
  }
  VariantClear(&variant);
  return Accessible(object);
}

HWND WindowOf(IAccessible* object) {
  HWND window = nullptr;
  return object && SUCCEEDED(WindowFromAccessibleObject(object, &window)) ? window : nullptr;
}

enum class Text { Name, Description, Value };

// A text of the object itself, or of its child `id`; nothing when it has none or the call fails
// (its code in `result`).
std::optional<std::string> Read(IAccessible* object, Text text, HRESULT* result = nullptr,
                                LONG id = CHILDID_SELF) {
  BSTR answer = nullptr;
  const VARIANT self = Child(id);
  const HRESULT got = text == Text::Name          ? object->get_accName(self, &answer)
                      : text == Text::Description ? object->get_accDescription(self, &answer)
                                                  : object->get_accValue(self, &answer);
  if (result) *result = got;
  if (got != S_OK || !answer) return std::nullopt;
  std::string read = Narrow(std::wstring_view(answer, SysStringLen(answer)));
  SysFreeString(answer);
  return read;
}

class AccessibleObjectsTest : public FormWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    FormWindowTest::SetUp();
  }
  void TearDown() override {
    if (form_.window()) DestroyWindow(form_.window());
    CoUninitialize();
  }

  Accessible ObjectOf(HWND window) {
    IAccessible* object = nullptr;
    EXPECT_EQ(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&object)), S_OK);
    return Accessible(object);
  }

  struct Spoken {
    const char* control;
    std::optional<std::string> name, description, value;
  };
  void ExpectSpoken(const std::vector<Spoken>& controls) {
    for (const Spoken& spoken : controls) {
      const Accessible object = ObjectOf(Control(spoken.control));
      ASSERT_NE(object, nullptr) << spoken.control;
      EXPECT_EQ(Read(object.get(), Text::Name), spoken.name) << spoken.control;
      EXPECT_EQ(Read(object.get(), Text::Description), spoken.description) << spoken.control;
      EXPECT_EQ(Read(object.get(), Text::Value), spoken.value) << spoken.control;
    }
  }
};

TEST_F(AccessibleObjectsTest, ControlsAreNamedDescribedAndValuedAtTheTemperatureInForce) {
  ExpectSpoken({
      {"Label_001_H", "Hydrogen",
       "Hydrogen, atomic number 1\nMelts at 13.81 K, boils at 20.28 K\nAt 298 K: gas", {}},
      {"Label_080_Hg", "Mercury",
       "Mercury, atomic number 80\nMelts at 234.31 K, boils at 629.88 K\nAt 298 K: liquid", {}},
      {"Label_109_Mt", "Meitnerium",
       "Meitnerium, atomic number 109\nMelting and boiling points: no data\nAt 298 K: no data", {}},
      {"Text_T", "Temperature in kelvin", {}, ""},
      {"Scroll_T", "Temperature in kelvin", {}, "298"},
      {"Label_T", "Temperature in force: 298 K", {}, {}},
      {"Label2", "Temperature, in Kelvin (6000 K max)", {}, {}}});  // the system's answer
  // An object taken before the temperature changes answers for the new one.
  const Accessible hydrogen = ObjectOf(Control("Label_001_H"));
  Type("1000");
  EXPECT_EQ(Read(hydrogen.get(), Text::Description),
            "Hydrogen, atomic number 1\nMelts at 13.81 K, boils at 20.28 K\nAt 1000 K: gas");
  ExpectSpoken({
      {"Label_080_Hg", "Mercury",
       "Mercury, atomic number 80\nMelts at 234.31 K, boils at 629.88 K\nAt 1000 K: gas", {}},
      {"Scroll_T", "Temperature in kelvin", {}, "1000"},
      {"Label_T", "Temperature in force: 1000 K", {}, {}}});
}

// Form1's children by enumeration (AccessibleChildren), by index with each child naming the form
// as its parent, and by navigation from the first child on.
TEST_F(AccessibleObjectsTest, FormListsItsControlsInReadingOrder) {
  std::vector<HWND> expected;
  for (std::string_view name : ReadingOrder()) expected.push_back(Control(name));
  const Accessible form = ObjectOf(form_.window());
  ASSERT_NE(form, nullptr);

  std::vector<VARIANT> children(expected.size() + 1);
  LONG got = 0;
  EXPECT_EQ(AccessibleChildren(form.get(), 0, static_cast<LONG>(children.size()),
                               children.data(), &got), S_FALSE);  // one asked for beyond the end
  std::vector<HWND> enumerated, by_index, navigated;
  for (std::size_t i = 0; i < static_cast<std::size_t>(got); ++i) {
    enumerated.push_back(WindowOf(Take(children[i]).get()));
  }

  IDispatch* child = nullptr;
  for (LONG i = 1; form->get_accChild(Child(i), &child) == S_OK; ++i) {
    VARIANT variant{.vt = VT_DISPATCH};
    variant.pdispVal = child;
    const Accessible object = Take(variant);
    IDispatch* parent = nullptr;
    variant.vt = VT_DISPATCH;
    variant.pdispVal = object->get_accParent(&parent) == S_OK ? parent : nullptr;
    by_index.push_back(WindowOf(Take(variant).get()) == form_.window() ? WindowOf(object.get())
                                                                       : nullptr);
  }

  VARIANT next;
  HRESULT moved = form->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &next);
  for (Accessible object; moved == S_OK && navigated.size() <= expected.size();) {
    object = Take(next);
    navigated.push_back(WindowOf(object.get()));
    moved = object->accNavigate(NAVDIR_NEXT, Child(CHILDID_SELF), &next);
  }
  EXPECT_EQ(moved, S_FALSE);  // past the last one
  EXPECT_EQ(enumerated, expected);
  EXPECT_EQ(by_index, expected);
  EXPECT_EQ(navigated, expected);
}

// Every question to Form1 about its child number N is answered for the Nth control in reading
// order, as that control's own object answers it, and the next and previous from child N are the
// controls after and before it (nothing, S_FALSE, past either end); pointing at a place gives the
// control on top there (Ra lies on Fr's edge), and the focus the focused control, each as its own
// object.
TEST_F(AccessibleObjectsTest, FormNumbersItsChildrenInReadingOrderInEveryQuestion) {
  SetFocus(Control("Text_T"));
  const Accessible form = ObjectOf(form_.window());
  ASSERT_NE(form, nullptr);
  const auto order = ReadingOrder();
  LONG id = 0;
  for (std::string_view name : order) {
    const Accessible child = ObjectOf(Control(name));
    ++id;
    for (const auto& [direction, neighbour] : {std::pair{NAVDIR_NEXT, id + 1},
                                               std::pair{NAVDIR_PREVIOUS, id - 1}}) {
      SCOPED_TRACE(std::string(name) + (direction == NAVDIR_NEXT ? ", next" : ", previous"));
      const bool beyond = neighbour < 1 || neighbour > static_cast<LONG>(order.size());
      VARIANT end{};
      EXPECT_EQ(form->accNavigate(direction, Child(id), &end), beyond ? S_FALSE : S_OK);
      EXPECT_EQ(end.vt, beyond ? VT_EMPTY : VT_DISPATCH);
      EXPECT_EQ(WindowOf(Take(end).get()),
                beyond ? nullptr : Control(order[static_cast<std::size_t>(neighbour) - 1]));
    }
    for (Text text : {Text::Name, Text::Description, Text::Value}) {
      EXPECT_EQ(Read(form.get(), text, nullptr, id), Read(child.get(), text)) << name;
    }
    std::array<LONG, 4> place[2] = {};
    EXPECT_EQ(form->accLocation(&place[0][0], &place[0][1], &place[0][2], &place[0][3], Child(id)),
              S_OK) << name;
    child->accLocation(&place[1][0], &place[1][1], &place[1][2], &place[1][3], Child(CHILDID_SELF));
    EXPECT_EQ(place[0], place[1]) << name;
    EXPECT_GT(place[0][2], 0) << name;
  }
  HRESULT result = S_OK;
  EXPECT_EQ(Read(form.get(), Text::Name, &result, id + 1), std::nullopt);
  EXPECT_EQ(result, E_INVALIDARG);

  for (const auto& [control, at_left_edge, name] :
       {std::tuple{"Label_026_Fe", false, "Iron"}, std::tuple{"Label_088_Ra", true, "Radium"}}) {
    RECT cell;
    GetWindowRect(Control(control), &cell);
    VARIANT hit;
    ASSERT_EQ(form->accHitTest(at_left_edge ? cell.left : (cell.left + cell.right) / 2,
                               (cell.top + cell.bottom) / 2, &hit), S_OK) << control;
    EXPECT_EQ(Read(Take(hit).get(), Text::Name), name);
  }
  VARIANT focus;
  ASSERT_EQ(form->get_accFocus(&focus), S_OK);
  EXPECT_EQ(Read(Take(focus).get(), Text::Name), "Temperature in kelvin");
}

// Through the bar's number in Form1, as the Qt window takes a value: a number, clamped, rounded
// to the nearest kelvin (a half to the even one) and applied as a user move, which empties the
// box even where the bar stands already; anything else is refused and changes nothing.
TEST_F(AccessibleObjectsTest, AValueWrittenToTheBarIsAUserMove) {
  const struct { const wchar_t* value; int applied; } cases[] = {
      {L" 1000.4 ", 1000}, {L"1000.6", 1001}, {L"998.5", 998}, {L"42", 42}, {L"-5", 0},
      {L"+1e9", 6000}, {L"nan", -1}, {L"warm", -1}, {L"12abc", -1}};
  const Accessible form = ObjectOf(form_.window());
  const LONG bar = 4;  // in reading order: Label2, Text_T, Label_T, Scroll_T
  ASSERT_EQ(ReadingOrder()[bar - 1], "Scroll_T");
  for (const auto& c : cases) {
    SetWindowTextW(Control("Text_T"), L"");
    Type("42");
    BSTR value = SysAllocString(c.value);
    EXPECT_EQ(form->put_accValue(Child(bar), value), c.applied >= 0 ? S_OK : E_INVALIDARG);
    SysFreeString(value);
    ExpectShowing(c.applied >= 0 ? c.applied : 42, c.applied >= 0 ? "" : "42");
  }
}

// A screen reader reads from a process of its own: the program, started as another process,
// answers every name, description and value, child by child, as this process's window does
// (both at the start temperature), through the marshalled path.
TEST_F(AccessibleObjectsTest, AnotherProcessReadsTheSameTexts) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring program = path;  // the tests are in the program's folder's tests folder
  program.resize(program.rfind(L'\\', program.rfind(L'\\') - 1) + 1);
  STARTUPINFOW startup{.cb = sizeof(STARTUPINFOW)};
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW((program + L"velmora.exe").c_str(), nullptr, nullptr, nullptr, FALSE,
                             0, nullptr, nullptr, &startup, &process));
  WaitForInputIdle(process.hProcess, 20000);
  HWND window = nullptr;
  for (int tries = 0; !window && tries < 400; ++tries) {
    if (tries > 0) Sleep(50);
    while ((window = FindWindowExW(nullptr, window, L"VelmoraForm1", nullptr))) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == process.dwProcessId) break;
    }
  }
  IAccessible* remote = nullptr;
  const HRESULT got = window ? AccessibleObjectFromWindow(window, OBJID_CLIENT,
                                                          __uuidof(IAccessible),
                                                          reinterpret_cast<void**>(&remote))
                             : E_HANDLE;
  const Accessible there(remote);
  if (got == S_OK) {
    const Accessible here = ObjectOf(form_.window());
    for (LONG id = 1; id <= static_cast<LONG>(ReadingOrder().size()); ++id) {
      for (Text text : {Text::Name, Text::Description, Text::Value}) {
        EXPECT_EQ(Read(there.get(), text, nullptr, id), Read(here.get(), text, nullptr, id))
            << ReadingOrder()[static_cast<std::size_t>(id) - 1];
      }
    }
    EXPECT_EQ(Read(there.get(), Text::Name, nullptr, 5), "Hydrogen");
  }
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
#ifdef _WIN64
  // A 64-bit Wine that cannot unmarshal IAccessible between processes refuses every object so.
  if (got == E_NOINTERFACE) {
    GTEST_SKIP() << "skipped: this 64-bit Wine cannot marshal IAccessible between processes "
                    "(E_NOINTERFACE); the 32-bit build reads the program from another process";
  }
#endif
  EXPECT_EQ(got, S_OK) << (window ? "" : "velmora.exe opened no window");
}

// A reader may hold objects after their window has gone: they answer "not connected" and the
// program goes on.
TEST_F(AccessibleObjectsTest, ObjectsOutlivingTheirWindowsAnswerNotConnected) {
  const Accessible hydrogen = ObjectOf(Control("Label_001_H"));
  const Accessible bar = ObjectOf(Control("Scroll_T"));
  const Accessible form = ObjectOf(form_.window());
  HRESULT result = S_OK;
  DestroyWindow(Control("Label_001_H"));  // a control gone while the window lives
  EXPECT_EQ(Read(hydrogen.get(), Text::Description, &result), std::nullopt);
  EXPECT_EQ(result, CO_E_OBJNOTCONNECTED);
  LONG count = 0;
  EXPECT_EQ(form->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 115);

  HWND form_window = form_.window();
  DestroyWindow(form_window);
  for (IAccessible* object : {hydrogen.get(), bar.get(), form.get()}) {
    for (Text text : {Text::Name, Text::Description, Text::Value}) {
      EXPECT_EQ(Read(object, text, &result), std::nullopt);
      EXPECT_EQ(result, CO_E_OBJNOTCONNECTED);
    }
    VARIANT next;
    EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, Child(CHILDID_SELF), &next), CO_E_OBJNOTCONNECTED);
  }
  IDispatch* child = nullptr;
  EXPECT_EQ(form->get_accChild(Child(1), &child), CO_E_OBJNOTCONNECTED);
  IAccessible* none = nullptr;
  EXPECT_TRUE(FAILED(AccessibleObjectFromWindow(form_window, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&none))));
}

// The name changes of one window that screen readers are told of, while the test runs.
std::vector<HWND>* name_changes = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                         DWORD) {
  if (name_changes && event == EVENT_OBJECT_NAMECHANGE && object == OBJID_CLIENT &&
      child == CHILDID_SELF) {
    name_changes->push_back(window);
  }
}

TEST_F(FormWindowTest, ScreenReadersHearOfEachNewTemperatureOnce) {
  std::vector<HWND> heard;
  name_changes = &heard;
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                       &OnWinEvent, GetCurrentProcessId(), 0,
                                       WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  // Typed keys: 4, then 42. A move with text in the box passes the label through 0 inside the
  // event: one announcement, 43. Home: 0. Left at 0 moves nothing: none.
  const struct { const char* action; std::size_t announcements; } steps[] = {
      {"type 42", 2}, {"Right", 1}, {"Home", 1}, {"Left at 0", 0},
  };
  for (const auto& step : steps) {
    heard.clear();
    if (step.action[0] == 't') Type("42");
    else PressOnScrollBar(step.action[0] == 'R' ? VK_RIGHT : step.action[0] == 'H' ? VK_HOME : VK_LEFT);
    PumpMessages();
    EXPECT_EQ(heard.size(), step.announcements) << step.action;
    for (HWND window : heard) EXPECT_EQ(window, Control("Label_T")) << step.action;
  }
  UnhookWinEvent(hook);
  name_changes = nullptr;
}

}  // namespace
}  // namespace velmora::win32

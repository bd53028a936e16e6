// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What a screen reader reads from the window, asked for as a reader asks:
// AccessibleObjectFromWindow on a control's client area, which sends the window WM_GETOBJECT and
// unmarshals its answer (Wine's oleacc does both, so nothing is read around it). Literal texts, the reading order of
// Form1's children by every way a reader walks them, the system's roles and states kept, and
// objects outliving their window.
#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

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
Accessible FromVariant(VARIANT& variant) {
  IAccessible* object = nullptr;
  if (variant.vt == VT_DISPATCH && variant.pdispVal) {
    variant.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
  }
  VariantClear(&variant);
  return Accessible(object);
}

Accessible Take(IDispatch* object) {
  VARIANT variant;
  variant.vt = VT_DISPATCH;
  variant.pdispVal = object;
  return FromVariant(variant);
}

HWND WindowOf(IAccessible* object) {
  HWND window = nullptr;
  return object && SUCCEEDED(WindowFromAccessibleObject(object, &window)) ? window : nullptr;
}

enum class Text { Name, Description, Value };

// A text property of the object itself; nothing when it has none (S_FALSE).
std::optional<std::string> Read(IAccessible* object, Text text, HRESULT* result = nullptr) {
  BSTR answer = nullptr;
  const VARIANT self = Child(CHILDID_SELF);
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
  Accessible ObjectOf(std::string_view control) { return ObjectOf(Control(control)); }

  std::vector<HWND> ReadingOrderWindows() {
    std::vector<HWND> windows;
    for (std::string_view name : ReadingOrder()) windows.push_back(Control(name));
    return windows;
  }
};

struct SpokenCase {
  const char* control;
  std::optional<std::string> name, description, value;
};

TEST_F(AccessibleObjectsTest, ControlsAreNamedDescribedAndValuedAtTheTemperatureInForce) {
  const auto expect = [&](const std::vector<SpokenCase>& cases) {
    for (const SpokenCase& spoken : cases) {
      const Accessible object = ObjectOf(spoken.control);
      ASSERT_NE(object, nullptr) << spoken.control;
      EXPECT_EQ(Read(object.get(), Text::Name), spoken.name) << spoken.control;
      EXPECT_EQ(Read(object.get(), Text::Description), spoken.description) << spoken.control;
      EXPECT_EQ(Read(object.get(), Text::Value), spoken.value) << spoken.control;
    }
  };
  // Hydrogen's object, taken before the temperature changes, answers for the new one.
  const Accessible hydrogen = ObjectOf("Label_001_H");
  expect({{"Label_001_H", "Hydrogen",
           "Hydrogen, atomic number 1\nMelts at 13.81 K, boils at 20.28 K\nAt 298 K: gas", {}},
          {"Label_080_Hg", "Mercury",
           "Mercury, atomic number 80\nMelts at 234.31 K, boils at 629.88 K\nAt 298 K: liquid", {}},
          {"Label_109_Mt", "Meitnerium",
           "Meitnerium, atomic number 109\nMelting and boiling points: no data\nAt 298 K: no data",
           {}},
          {"Text_T", "Temperature in kelvin", {}, ""},
          {"Scroll_T", "Temperature in kelvin", {}, "298"},
          {"Label_T", "Temperature in force: 298 K", {}, {}},
          // The system's answer stands for the other labels: their captions.
          {"Label2", "Temperature, in Kelvin (6000 K max)", {}, {}},
          {"Label_LanthanideReference", "La-Lu", {}, {}}});
  Type("1000");
  expect({{"Label_080_Hg", "Mercury",
           "Mercury, atomic number 80\nMelts at 234.31 K, boils at 629.88 K\nAt 1000 K: gas", {}},
          {"Text_T", "Temperature in kelvin", {}, "1000"},
          {"Scroll_T", "Temperature in kelvin", {}, "1000"},
          {"Label_T", "Temperature in force: 1000 K", {}, {}}});
  EXPECT_EQ(Read(hydrogen.get(), Text::Description),
            "Hydrogen, atomic number 1\nMelts at 13.81 K, boils at 20.28 K\nAt 1000 K: gas");
}

TEST_F(AccessibleObjectsTest, RolesStatesAndPlacesAreTheSystems) {
  for (std::string_view name : {"Label_001_H", "Text_T", "Scroll_T", "Label_T"}) {
    const Accessible object = ObjectOf(name);
    IAccessible* raw = nullptr;
    ASSERT_EQ(CreateStdAccessibleObject(Control(name), OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&raw)), S_OK);
    const Accessible standard(raw);
    VARIANT ours, theirs;
    ASSERT_EQ(object->get_accRole(Child(CHILDID_SELF), &ours), S_OK);
    ASSERT_EQ(standard->get_accRole(Child(CHILDID_SELF), &theirs), S_OK);
    EXPECT_EQ(ours.lVal, theirs.lVal) << name;
    ASSERT_EQ(object->get_accState(Child(CHILDID_SELF), &ours), S_OK);
    ASSERT_EQ(standard->get_accState(Child(CHILDID_SELF), &theirs), S_OK);
    EXPECT_EQ(ours.lVal, theirs.lVal) << name;
    LONG place[4], standard_place[4];
    ASSERT_EQ(object->accLocation(&place[0], &place[1], &place[2], &place[3],
                                  Child(CHILDID_SELF)), S_OK);
    standard->accLocation(&standard_place[0], &standard_place[1], &standard_place[2],
                          &standard_place[3], Child(CHILDID_SELF));
    EXPECT_TRUE(std::equal(place, place + 4, standard_place)) << name;
    EXPECT_EQ(WindowOf(object.get()), Control(name));
  }
}

// Each way a screen reader walks Form1's client area, as the windows of the objects met.
struct WalkCase {
  const char* name;
  std::function<std::vector<HWND>(IAccessible* form)> walk;
};
void PrintTo(const WalkCase& row, std::ostream* out) { *out << row.name; }

std::vector<HWND> Navigate(IAccessible* form, LONG first, LONG then) {
  std::vector<HWND> met;
  VARIANT next;
  if (form->accNavigate(first, Child(CHILDID_SELF), &next) != S_OK) return met;
  for (Accessible child = FromVariant(next); child && met.size() <= 200;) {
    met.push_back(WindowOf(child.get()));
    if (child->accNavigate(then, Child(CHILDID_SELF), &next) != S_OK) break;
    child = FromVariant(next);
  }
  return met;
}

class ReadingOrderTest : public AccessibleObjectsTest,
                         public testing::WithParamInterface<WalkCase> {};

TEST_P(ReadingOrderTest, MeetsTheControlsInReadingOrder) {
  const Accessible form = ObjectOf(form_.window());
  ASSERT_NE(form, nullptr);
  std::vector<HWND> expected = ReadingOrderWindows();
  if (std::string_view(GetParam().name) == "LastChildThenPrevious") {
    std::reverse(expected.begin(), expected.end());
  }
  EXPECT_EQ(GetParam().walk(form.get()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Walks, ReadingOrderTest,
    testing::Values(
        WalkCase{"AccessibleChildren",
                 [](IAccessible* form) {
                   LONG count = 0;
                   EXPECT_EQ(form->get_accChildCount(&count), S_OK);
                   std::vector<VARIANT> children(static_cast<std::size_t>(count));
                   LONG got = 0;
                   EXPECT_EQ(AccessibleChildren(form, 0, count, children.data(), &got), S_OK);
                   std::vector<HWND> met;
                   for (std::size_t i = 0; i < static_cast<std::size_t>(got); ++i) {
                     met.push_back(WindowOf(FromVariant(children[i]).get()));
                   }
                   return met;
                 }},
        // Each child also names the form's client area as its parent.
        WalkCase{"ChildByIndex",
                 [](IAccessible* form) {
                   std::vector<HWND> met;
                   IDispatch* child = nullptr;
                   for (LONG i = 1; form->get_accChild(Child(i), &child) == S_OK; ++i) {
                     const Accessible object = Take(child);
                     IDispatch* parent = nullptr;
                     const bool parent_is_form = object->get_accParent(&parent) == S_OK &&
                                                 WindowOf(Take(parent).get()) == WindowOf(form);
                     met.push_back(parent_is_form ? WindowOf(object.get()) : nullptr);
                   }
                   return met;
                 }},
        WalkCase{"NextOfEachChildId",
                 [](IAccessible* form) {
                   std::vector<HWND> met;
                   IDispatch* first = nullptr;
                   if (form->get_accChild(Child(1), &first) != S_OK) return met;
                   met.push_back(WindowOf(Take(first).get()));
                   VARIANT next;
                   for (LONG i = 1; form->accNavigate(NAVDIR_NEXT, Child(i), &next) == S_OK; ++i) {
                     met.push_back(WindowOf(FromVariant(next).get()));
                   }
                   return met;
                 }},
        WalkCase{"FirstChildThenNext",
                 [](IAccessible* form) { return Navigate(form, NAVDIR_FIRSTCHILD, NAVDIR_NEXT); }},
        WalkCase{"LastChildThenPrevious",
                 [](IAccessible* form) {
                   return Navigate(form, NAVDIR_LASTCHILD, NAVDIR_PREVIOUS);
                 }}),
    [](const testing::TestParamInfo<WalkCase>& param) { return std::string(param.param.name); });

// A reader may hold objects after their window has gone: they answer "not connected" and the
// program goes on.
TEST_F(AccessibleObjectsTest, ObjectsOutlivingTheirWindowsAnswerNotConnected) {
  const Accessible hydrogen = ObjectOf("Label_001_H");
  const Accessible bar = ObjectOf("Scroll_T");
  const Accessible form = ObjectOf(form_.window());
  IEnumVARIANT* children = nullptr;
  ASSERT_EQ(form->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&children)),
            S_OK);
  const std::unique_ptr<IEnumVARIANT, Releaser> enumeration(children);
  HWND hydrogen_window = Control("Label_001_H");

  // A cell gone while the window lives: it leaves the reading order.
  DestroyWindow(hydrogen_window);
  HRESULT result = S_OK;
  EXPECT_EQ(Read(hydrogen.get(), Text::Name, &result), std::nullopt);
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
    VARIANT answer;
    EXPECT_EQ(object->get_accRole(Child(CHILDID_SELF), &answer), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, Child(CHILDID_SELF), &answer), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(answer.vt, VT_EMPTY);
  }
  EXPECT_EQ(form->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
  IDispatch* child = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(form->get_accChild(Child(1), &child), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(child, nullptr);
  VARIANT next;
  ULONG fetched = 1;
  EXPECT_EQ(enumeration->Next(1, &next, &fetched), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(fetched, 0u);
  // A new request for a window that is gone is refused by the system.
  IAccessible* none = nullptr;
  EXPECT_TRUE(FAILED(AccessibleObjectFromWindow(form_window, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&none))));
  EXPECT_EQ(none, nullptr);
}

}  // namespace
}  // namespace velmora::win32

// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Shared by the window's QtTest suites: a fresh, loaded and shown Form1 for each test function,
// and typed access to its controls by their names.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string_view>

#include "elements/recolour.h"
#include "window/control_names.h"
#include "window/qt/app_setup.h"
#include "window/qt/form1.h"
#include "window/qt/form_label.h"
#include "window/qt/temperature_scroll_bar.h"

namespace velmora::qt {

class FormFixture {
 public:
  // Creates the window, runs Load and shows it; false when the window never became visible.
  bool Open() {
    form_ = std::make_unique<Form1>();
    form_->Load();
    form_->show();
    return QTest::qWaitForWindowExposed(form_.get());
  }
  void Close() { form_.reset(); }

  Form1& form() { return *form_; }
  FormLabel* Label(std::string_view name) { return static_cast<FormLabel*>(form_->Control(name)); }
  FormLabel* Cell(int atomic_number) { return Label(ElementRow(atomic_number).cell_name()); }
  QLineEdit* Text() { return static_cast<QLineEdit*>(form_->Control(control::Text_T)); }
  TemperatureScrollBar* Scroll() {
    return static_cast<TemperatureScrollBar*>(form_->Control(control::Scroll_T));
  }
  QString Shown() { return Label(control::Label_T)->caption(); }

  // True when every cell shows its state at t (elements without data: the no-data colour).
  bool CellsShow(std::int16_t t) {
    for (const ElementStateRow& row : kElementStateTable) {
      if (Cell(row.atomic_number)->fore_colour() != ToColourValue(StateAt(row, t))) {
        qWarning("%s is not in its colour at %d K", row.symbol.data(), t);
        return false;
      }
    }
    return true;
  }

 private:
  std::unique_ptr<Form1> form_;
};

}  // namespace velmora::qt

// The main of a suite: the application set up as the program sets it up, then the tests.
#define VELMORA_QT_TEST_MAIN(TestClass)                  \
  int main(int argc, char* argv[]) {                     \
    QApplication application(argc, argv);                \
    velmora::qt::SetUpApplication(application);          \
    TestClass test;                                      \
    return QTest::qExec(&test, argc, argv);              \
  }

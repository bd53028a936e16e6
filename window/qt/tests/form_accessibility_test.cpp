// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window as a screen reader's client library sees it through Qt's accessibility interfaces:
// the controls in reading order while the stacking stays as created, the scroll bar's value set
// by an assistive technology applied as a user move, and queries about controls that are gone
// answered "not available". The offscreen platform has no accessibility backend, so no
// accessibility event is ever delivered here: the value label's announcements are checked by the
// AT-SPI client (atspi_client.py) against the running program.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QTest>
#include <limits>

#include "elements/recolour.h"
#include "window/qt/tests/form_fixture.h"

namespace velmora::qt {
namespace {

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

class FormAccessibilityTest : public QObject {
  Q_OBJECT
  FormFixture fixture_;

  QAccessibleInterface* Form() { return QAccessible::queryAccessibleInterface(&fixture_.form()); }

  QAccessibleValueInterface* BarValue() {
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(fixture_.Scroll());
    return bar ? bar->valueInterface() : nullptr;
  }

 private Q_SLOTS:
  void init() { QVERIFY(fixture_.Open()); }
  void cleanup() { fixture_.Close(); }

  void ChildrenFollowTheReadingOrderWhileTheStackingStays() {
    QAccessibleInterface* form = Form();
    QVERIFY(form);
    QCOMPARE(form->role(), QAccessible::Window);
    const auto order = ReadingOrder();
    QCOMPARE(form->childCount(), int(order.size()));
    for (int i = 0; i < form->childCount(); ++i) {
      QAccessibleInterface* child = form->child(i);
      QVERIFY(child);
      QCOMPARE(child->object()->objectName(), Name(order[std::size_t(i)]));
      QCOMPARE(form->indexOfChild(child), i);
      QCOMPARE(child->parent(), form);
    }
    QCOMPARE(form->child(0)->text(QAccessible::Name),
             QString("Temperature, in Kelvin (6000 K max)"));
    QCOMPARE(form->child(2)->text(QAccessible::Name), QString("Temperature in force: 298 K"));
    QCOMPARE(form->child(4)->text(QAccessible::Name), QString("Hydrogen"));
    QCOMPARE(form->child(115)->text(QAccessible::Name), QString("(c) The Velmora developers"));
    QVERIFY(!form->child(-1));
    QVERIFY(!form->child(form->childCount()));
    // The widgets themselves keep the creation order, which is the stacking order.
    int created = 0;
    for (QObject* child : fixture_.form().children()) {
      if (!qobject_cast<QWidget*>(child) || static_cast<QWidget*>(child)->isWindow()) continue;
      QCOMPARE(child->objectName(), Name(WindowDescription()[std::size_t(created++)].name));
    }
    QCOMPARE(created, 116);
  }

  // Where two cells share their border line, a reader pointing there gets the one on top, as the
  // mouse does; the reading order would give the other one in some of these.
  void PointingGivesTheControlOnTop_data() {
    QTest::addColumn<int>("x_twips");
    QTest::addColumn<int>("y_twips");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Fr | Ra: Ra lies on Fr") << 720 << 3360 << "Label_088_Ra";
    QTest::newRow("Li | Be: Li lies on Be") << 720 << 960 << "Label_003_Li";
    QTest::newRow("H over Li: H lies on Li") << 480 << 720 << "Label_001_H";
    QTest::newRow("inside Fe") << 3840 << 1920 << "Label_026_Fe";
  }
  void PointingGivesTheControlOnTop() {
    QFETCH(int, x_twips);
    QFETCH(int, y_twips);
    QFETCH(QString, expected);
    const QPoint inside(x_twips / 15, y_twips / 15);  // 96 dpi on the offscreen screen
    const QPoint global = fixture_.form().mapToGlobal(inside);
    QAccessibleInterface* hit = Form()->childAt(global.x(), global.y());
    QVERIFY(hit);
    QCOMPARE(hit->object()->objectName(), expected);
  }

  void AValueSetByAssistiveTechnologyIsAUserMove_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("expected");  // -1: ignored
    QTest::newRow("1000") << QVariant(1000.0) << 1000;
    QTest::newRow("an int") << QVariant(3000) << 3000;
    QTest::newRow("rounded down") << QVariant(1000.4) << 1000;
    QTest::newRow("rounded up") << QVariant(1000.6) << 1001;
    QTest::newRow("a half to the even kelvin") << QVariant(998.5) << 998;
    QTest::newRow("where the bar is already: applied") << QVariant(42.0) << 42;
    QTest::newRow("below the range") << QVariant(-5.0) << 0;
    QTest::newRow("above the range") << QVariant(1e9) << 6000;
    QTest::newRow("infinity") << QVariant(std::numeric_limits<double>::infinity()) << 6000;
    QTest::newRow("minus infinity") << QVariant(-std::numeric_limits<double>::infinity()) << 0;
    QTest::newRow("NaN") << QVariant(std::numeric_limits<double>::quiet_NaN()) << -1;
    QTest::newRow("not a number") << QVariant(QString("warm")) << -1;
    QTest::newRow("no value") << QVariant() << -1;
  }
  void AValueSetByAssistiveTechnologyIsAUserMove() {
    QFETCH(QVariant, value);
    QFETCH(int, expected);
    QTest::keyClicks(fixture_.Text(), "42");  // the bar at 42, the box holding the text
    QAccessibleValueInterface* bar = BarValue();
    QVERIFY(bar);
    QCOMPARE(bar->minimumValue().toInt(), 0);
    QCOMPARE(bar->maximumValue().toInt(), 6000);
    bar->setCurrentValue(value);
    const bool applied = expected >= 0;
    const int t = applied ? expected : 42;
    QCOMPARE(fixture_.Scroll()->value(), t);
    QCOMPARE(bar->currentValue().toInt(), t);
    QCOMPARE(fixture_.Shown(), QString::number(t));
    QCOMPARE(fixture_.Text()->text(), applied ? QString() : QString("42"));
    QVERIFY(fixture_.CellsShow(std::int16_t(t)));
  }

  // A reader may hold on to an object that has gone; asking about it must give "not
  // available", never a dangling interface.
  void ControlsThatAreGoneAreNotAvailable() {
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(fixture_.Cell(26));
    QVERIFY(cell);
    const QAccessible::Id cell_id = QAccessible::uniqueId(cell);
    delete fixture_.Cell(26);
    QVERIFY(!QAccessible::accessibleInterface(cell_id));
    QAccessibleInterface* form = Form();
    QCOMPARE(form->childCount(), 115);
    for (int i = 0; i < form->childCount(); ++i) {
      QVERIFY(form->child(i));
      QVERIFY(form->child(i)->object()->objectName() != QString("Label_026_Fe"));
    }

    const QAccessible::Id form_id = QAccessible::uniqueId(form);
    const QAccessible::Id bar_id = QAccessible::uniqueId(Form()->child(3));
    fixture_.Close();
    QVERIFY(!QAccessible::accessibleInterface(form_id));
    QVERIFY(!QAccessible::accessibleInterface(bar_id));
    QVERIFY(!QAccessible::queryAccessibleInterface(nullptr));
  }
};

}  // namespace velmora::qt

VELMORA_QT_TEST_MAIN(velmora::qt::FormAccessibilityTest)
#include "form_accessibility_test.moc"

// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What the cells tell beyond their colour (tooltip and screen reader texts, computed at the
// temperature in force), that a recolour repaints only the cells whose colour changed, and that
// system colours follow a change of the palette.
#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QTest>

#include "elements/element_summary.h"
#include "elements/recolour.h"
#include "window/qt/app_setup.h"
#include "window/qt/tests/form_fixture.h"

namespace velmora::qt {

// Records which widgets receive a paint event.
class PaintRecorder : public QObject {
 public:
  QSet<QObject*> painted;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted.insert(watched);
    return false;
  }
};

class FormCellsTest : public QObject {
  Q_OBJECT
  FormFixture fixture_;

  QString Accessible(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(kind) : QString("<no interface>");
  }

 private Q_SLOTS:
  void init() { QVERIFY(fixture_.Open()); }
  void cleanup() { fixture_.Close(); }

  void CellsDescribeThemselvesAtTheTemperatureInForce_data() {
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("typed");
    QTest::newRow("iron at start") << 26 << "";
    QTest::newRow("mercury typed 700") << 80 << "700";
    QTest::newRow("carbon corrected to 6000") << 6 << "9000";
    QTest::newRow("berkelium") << 97 << "42";
  }
  void CellsDescribeThemselvesAtTheTemperatureInForce() {
    QFETCH(int, z);
    QFETCH(QString, typed);
    QTest::keyClicks(fixture_.Text(), typed);
    const auto t = std::int16_t(fixture_.Shown().toInt());
    const QString expected = QString::fromStdString(ElementSummary(ElementRow(z), t));
    FormLabel* cell = fixture_.Cell(z);
    QCOMPARE(cell->SpokenDescription(), expected);
    QCOMPARE(Accessible(cell, QAccessible::Description), expected);
    QCOMPARE(Accessible(cell, QAccessible::Name), QString::fromUtf8(ElementRow(z).name.data()).left(
                                                      int(ElementRow(z).name.size())));
    QCOMPARE(QAccessible::queryAccessibleInterface(cell)->role(), QAccessible::StaticText);
  }

  void TemperatureControlsHaveSpokenNames() {
    QCOMPARE(Accessible(fixture_.Scroll(), QAccessible::Name), QString("Temperature in kelvin"));
    QCOMPARE(Accessible(fixture_.Text(), QAccessible::Name), QString("Temperature in kelvin"));
    QCOMPARE(Accessible(fixture_.Label(control::Label_T), QAccessible::Name),
             QString("Temperature in force: 298 K"));
    QCOMPARE(Accessible(fixture_.Label("Label2"), QAccessible::Name),
             QString("Temperature, in Kelvin (6000 K max)"));
  }

  void ARecolourRepaintsOnlyTheCellsThatChanged_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("298 again") << "298";
    QTest::newRow("300: caesium, gallium, francium melt") << "303";
    QTest::newRow("3000: many") << "3000";
  }
  void ARecolourRepaintsOnlyTheCellsThatChanged() {
    QFETCH(QString, typed);
    PaintRecorder recorder;
    for (int z = 1; z <= kElementCount; ++z) fixture_.Cell(z)->installEventFilter(&recorder);
    // One edit that applies the whole number at once.
    fixture_.Text()->setText(typed);
    QCoreApplication::processEvents();
    QSet<QObject*> changed;
    for (const ElementStateRow& row : kElementStateTable) {
      if (StateAt(row, 298) != StateAt(row, std::int16_t(typed.toInt())))
        changed.insert(fixture_.Cell(row.atomic_number));
    }
    QCOMPARE(recorder.painted, changed);
  }

  void SystemColoursFollowThePalette() {
    QPalette themed = QApplication::palette();
    themed.setColor(QPalette::ButtonText, QColor(0, 128, 0));
    QApplication::setPalette(themed);
    QCoreApplication::processEvents();
    const QImage shot = fixture_.Cell(26)->grab().toImage();  // iron, solid
    bool green = false;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) green = green || shot.pixelColor(x, y) == QColor(0, 128, 0);
    QApplication::setPalette(QPalette());
    QVERIFY(green);
  }
};

}  // namespace velmora::qt

VELMORA_QT_TEST_MAIN(velmora::qt::FormCellsTest)

#include "form_cells_test.moc"

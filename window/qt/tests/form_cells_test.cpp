// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What the cells tell beyond their colour (tooltip and screen reader texts, computed at the
// temperature in force), that a recolour repaints only the cells whose colour changed, and that
// system colours follow a change of the palette.
#include <QAccessible>
#include <QApplication>
#include <QMap>
#include <QSet>
#include <QTest>
#include <QToolTip>

#include "elements/recolour.h"
#include "tests/decimal_comma_locale.h"
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

  // The tooltip a cell shows now, asked for as the pointer resting on it asks.
  QString ToolTip(QWidget* cell) {
    QToolTip::hideText();
    const QPoint inside(cell->width() / 2, cell->height() / 2);
    QHelpEvent help(QEvent::ToolTip, inside, cell->mapToGlobal(inside));
    QApplication::sendEvent(cell, &help);
    const QString text = QToolTip::text();
    QToolTip::hideText();
    return text;
  }

  void CellsDescribeThemselvesAtTheTemperatureInForce_data() {
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const QString hydrogen = "Hydrogen, atomic number 1\nMelts at 13.81 K, boils at 20.28 K\n";
    const QString mercury = "Mercury, atomic number 80\nMelts at 234.31 K, boils at 629.88 K\n";
    const QString meitnerium = "Meitnerium, atomic number 109\nMelting and boiling points: no data\n";
    QTest::newRow("hydrogen at start") << 1 << "" << "Hydrogen" << hydrogen + "At 298 K: gas";
    QTest::newRow("hydrogen typed 1000") << 1 << "1000" << "Hydrogen" << hydrogen + "At 1000 K: gas";
    QTest::newRow("mercury at start") << 80 << "" << "Mercury" << mercury + "At 298 K: liquid";
    QTest::newRow("mercury typed 1000") << 80 << "1000" << "Mercury" << mercury + "At 1000 K: gas";
    QTest::newRow("mercury typed 700") << 80 << "700" << "Mercury" << mercury + "At 700 K: gas";
    QTest::newRow("meitnerium at start")
        << 109 << "" << "Meitnerium" << meitnerium + "At 298 K: no data";
    QTest::newRow("meitnerium typed 1000")
        << 109 << "1000" << "Meitnerium" << meitnerium + "At 1000 K: no data";
    QTest::newRow("iron at start") << 26 << "" << "Iron"
                                   << "Iron, atomic number 26\nMelts at 1809 K, boils at 3136 K\n"
                                      "At 298 K: solid";
    QTest::newRow("carbon corrected to 6000")
        << 6 << "9000" << "Carbon"
        << "Carbon, atomic number 6\nTurns to gas at 4240 K\nAt 6000 K: gas";
    QTest::newRow("berkelium")
        << 97 << "42" << "Berkelium"
        << "Berkelium, atomic number 97\nMelting and boiling points: no data\nAt 42 K: no data";
  }
  void CellsDescribeThemselvesAtTheTemperatureInForce() {
    QFETCH(int, z);
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QTest::keyClicks(fixture_.Text(), typed);
    FormLabel* cell = fixture_.Cell(z);
    QCOMPARE(ToolTip(cell), expected);
    QCOMPARE(cell->SpokenDescription(), expected);
    QCOMPARE(Accessible(cell, QAccessible::Description), expected);
    QCOMPARE(Accessible(cell, QAccessible::Name), name);
    QCOMPARE(QAccessible::queryAccessibleInterface(cell)->role(), QAccessible::StaticText);
  }

  // QApplication switches the process to the user's locale; a decimal comma there must not
  // reach the texts, which write numbers as the text box reads them.
  void CellsWriteTheFullStopUnderADecimalCommaLocale() {
    const DecimalCommaLocale locale;
    QVERIFY2(locale.name() != nullptr, "no locale with a decimal comma could be set (LOCPATH?)");
    const QString expected = "Hydrogen, atomic number 1\nMelts at 13.81 K, boils at 20.28 K\n"
                             "At 298 K: gas";
    QCOMPARE(ToolTip(fixture_.Cell(1)), expected);
    QCOMPARE(Accessible(fixture_.Cell(1), QAccessible::Description), expected);
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

  // Pixels of exactly that colour inside a cell, its border left out.
  static int CountColour(QWidget* cell, const QColor& colour) {
    const QImage shot = cell->grab().toImage();
    int count = 0;
    for (int y = 1; y < shot.height() - 1; ++y)
      for (int x = 1; x < shot.width() - 1; ++x) count += shot.pixelColor(x, y) == colour;
    return count;
  }

  // Each state colour that refers to the desktop comes from its own palette role: solid from
  // ButtonText, no data (97 to 109) from the disabled Text. With every role that could be taken
  // for another given a colour of its own, a cell shows its role's colour and no other.
  void SystemStateColoursComeFromTheirOwnPaletteRoles_data() {
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("role");
    QTest::newRow("berkelium, no data") << 97 << "grey text";
    QTest::newRow("meitnerium, no data") << 109 << "grey text";
    QTest::newRow("iron, solid") << 26 << "button text";
  }
  void SystemStateColoursComeFromTheirOwnPaletteRoles() {
    QFETCH(int, z);
    QFETCH(QString, role);
    const QPalette original = QApplication::palette();
    QPalette themed = original;
    const QMap<QString, QColor> colours = {{"button text", QColor(0, 128, 0)},
                                           {"grey text", QColor(128, 0, 128)},
                                           {"text", QColor(160, 96, 0)},
                                           {"window text", QColor(0, 96, 160)}};
    themed.setColor(QPalette::ButtonText, colours["button text"]);
    themed.setColor(QPalette::Disabled, QPalette::Text, colours["grey text"]);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      themed.setColor(group, QPalette::Text, colours["text"]);
      themed.setColor(group, QPalette::WindowText, colours["window text"]);
    }
    themed.setColor(QPalette::Disabled, QPalette::ButtonText, colours["window text"]);
    themed.setColor(QPalette::Disabled, QPalette::WindowText, colours["window text"]);
    QApplication::setPalette(themed);
    QCoreApplication::processEvents();
    QMap<QString, int> counts;
    for (auto colour = colours.begin(); colour != colours.end(); ++colour)
      counts[colour.key()] = CountColour(fixture_.Cell(z), colour.value());
    QApplication::setPalette(original);
    for (auto count = counts.begin(); count != counts.end(); ++count) {
      if (count.key() == role) QVERIFY2(count.value() > 20, qPrintable(count.key()));
      else QVERIFY2(count.value() == 0, qPrintable(count.key()));
    }
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

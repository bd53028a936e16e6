// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window as created: places at 96 dpi, stacking, fonts, focus, and what a paint shows.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QTest>

#include "window/qt/app_setup.h"
#include "window/qt/tests/form_fixture.h"

namespace velmora::qt {

class FormLayoutTest : public QObject {
  Q_OBJECT
  FormFixture fixture_;

 private Q_SLOTS:
  void init() { QVERIFY(fixture_.Open()); }
  void cleanup() { fixture_.Close(); }

  void RunsAtNinetySixDpi() { QCOMPARE(fixture_.form().pixels_per_inch(), 96); }

  void ApplicationStatesItsVersionAndIcon() {
    QCOMPARE(QCoreApplication::applicationVersion(), QString("2.00.0001"));
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
    QCOMPARE(fixture_.form().windowTitle(), QString("Velmora"));
  }

  void ClientAreaIs611By385() { QCOMPARE(fixture_.form().size(), QSize(611, 385)); }

  void EveryControlSitsAtItsTwipsOverFifteen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    for (const ControlDescription& control : WindowDescription()) {
      const TwipRect& t = control.place;
      const QString name = QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
      QTest::newRow(qPrintable(name))
          << name << QRect(t.left / 15, t.top / 15, t.width / 15, t.height / 15);
    }
  }
  void EveryControlSitsAtItsTwipsOverFifteen() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QWidget* control = fixture_.form().Control(name.toStdString());
    QVERIFY(control);
    QCOMPARE(control->geometry(), expected);
  }

  // Literal pixels from the drawn layout, independent of the twips arithmetic.
  void KnownPlacesAndTheSharedBorderLine() {
    QCOMPARE(fixture_.Cell(1)->geometry(), QRect(16, 16, 33, 33));
    QCOMPARE(fixture_.Cell(109)->geometry(), QRect(272, 208, 33, 33));
    QCOMPARE(fixture_.Scroll()->geometry(), QRect(16, 336, 577, 17));
    const QRect iron = fixture_.Cell(26)->geometry();
    const QRect cobalt = fixture_.Cell(27)->geometry();
    const QRect ruthenium = fixture_.Cell(44)->geometry();
    QCOMPARE(iron.right(), cobalt.left());   // last pixel column = neighbour's first
    QCOMPARE(iron.bottom(), ruthenium.top());
  }

  void StackingFollowsCreationOrder() {
    QStringList stacked;
    for (QObject* child : fixture_.form().children()) {
      if (child->isWidgetType() && !child->objectName().isEmpty()) stacked << child->objectName();
    }
    QStringList described;
    for (const ControlDescription& control : WindowDescription()) {
      described << QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
    }
    QCOMPARE(stacked, described);
  }

  void ControlsKeepTheirPlaceWhenResized() {
    const QRect before = fixture_.Cell(2)->geometry();
    fixture_.form().resize(1000, 700);
    QCoreApplication::processEvents();
    QCOMPARE(fixture_.Cell(2)->geometry(), before);
    fixture_.form().resize(300, 200);
    QCoreApplication::processEvents();
    QCOMPARE(fixture_.Cell(2)->geometry(), before);
  }

  void FontsOfEachRole_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("pixels");
    QTest::newRow("element cell") << "Label_026_Fe" << "Liberation Serif" << true << 21;
    QTest::newRow("reference cell") << "Label_LanthanideReference" << "Liberation Serif" << false << 12;
    QTest::newRow("caption") << "Label2" << "Liberation Sans" << false << 12;
    QTest::newRow("value label") << "Label_T" << "Liberation Sans" << false << 12;
    QTest::newRow("text box") << "Text_T" << "Liberation Sans" << false << 12;
  }
  void FontsOfEachRole() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(int, pixels);
    const QFontInfo font(fixture_.form().Control(name.toStdString())->font());
    QCOMPARE(font.family(), family);  // "Times New Roman" resolves to its metric twin
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.pixelSize(), pixels);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
  }

  void CaptionFitsItsLabel() {
    FormLabel* caption = fixture_.Label("Label2");
    QVERIFY(QFontMetrics(caption->font()).horizontalAdvance(caption->caption()) <= caption->width());
    FormLabel* notice = fixture_.Label("Label1");
    QVERIFY(QFontMetrics(notice->font()).horizontalAdvance(notice->caption()) <= notice->width());
  }

  void OnlyScrollBarAndTextBoxTakeFocusScrollBarFirst() {
    for (const ControlDescription& control : WindowDescription()) {
      const bool focusable = fixture_.form().Control(control.name)->focusPolicy() != Qt::NoFocus;
      QCOMPARE(focusable, control.kind != ControlKind::Label);
    }
    fixture_.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fixture_.form()));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(fixture_.Scroll()));
    QTest::keyClick(fixture_.Scroll(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(fixture_.Text()));
    QTest::keyClick(fixture_.Text(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(fixture_.Scroll()));
  }

  // The paint itself: state colours in the glyphs, and one border line between neighbours.
  void PaintShowsStateColoursAndSingleBorderLines() {
    const QImage shot = fixture_.form().grab().toImage();
    auto has = [&](int z, QColor colour) {
      const QRect cell = fixture_.Cell(z)->geometry().adjusted(1, 1, -1, -1);
      for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
          if (shot.pixelColor(x, y) == colour) return true;
      return false;
    };
    QVERIFY(has(1, Qt::red));     // hydrogen, gas
    QVERIFY(has(35, Qt::blue));   // bromine, liquid
    QVERIFY(!has(26, Qt::red) && !has(26, Qt::blue));
    const QColor line = shot.pixelColor(fixture_.Cell(26)->geometry().right(), 1700 / 15);
    QCOMPARE(shot.pixelColor(fixture_.Cell(26)->geometry().right() - 1, 1700 / 15),
             fixture_.form().palette().color(QPalette::Base));
    QCOMPARE(line, fixture_.form().palette().color(QPalette::WindowText));
  }
};

}  // namespace velmora::qt

VELMORA_QT_TEST_MAIN(velmora::qt::FormLayoutTest)

#include "form_layout_test.moc"

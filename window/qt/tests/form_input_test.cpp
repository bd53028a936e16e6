// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window driven the way a user drives it: QTest mouse and key events on the real controls,
// checked against the scroll bar's value, the text box, the value label and the cell colours.
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>

#include "elements/recolour.h"
#include "window/qt/app_setup.h"
#include "window/qt/tests/form_driving.h"
#include "window/qt/tests/form_fixture.h"
#include "window/startup.h"

namespace velmora::qt {

class FormInputTest : public QObject {
  Q_OBJECT
  FormFixture fixture_;

  QRect SliderBox() { return BarPart(*fixture_.Scroll(), QStyle::SC_ScrollBarSlider); }

  QMessageBox* OpenMessage() {
    for (QMessageBox* box : fixture_.form().findChildren<QMessageBox*>()) {
      if (box->isVisible()) return box;
    }
    return nullptr;
  }

 private Q_SLOTS:
  void init() { QVERIFY(fixture_.Open()); }
  void cleanup() { fixture_.Close(); }

  void OpensAt298WithStartUpColours() {
    QCOMPARE(fixture_.Scroll()->value(), 298);
    QCOMPARE(fixture_.Shown(), QString("298"));
    QVERIFY(fixture_.Text()->text().isEmpty());
    for (int z = 1; z <= kElementCount; ++z) {
      QCOMPARE(fixture_.Cell(z)->fore_colour(), ToColourValue(kStartUpColours[std::size_t(z - 1)]));
    }
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(fixture_.Scroll()));
    QCOMPARE(fixture_.Text()->maxLength(), std::numeric_limits<int>::max());
  }

  void TypingSevenThousandKeyByKey() {
    // The fourth key makes 7000, which the box replaces by 6000 before applying it.
    const char* const after_each_key[] = {"7", "70", "700", "6000"};
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(fixture_.Text(), "7000"[i]);
      QCOMPARE(fixture_.Text()->text(), QString(after_each_key[i]));
      QCOMPARE(fixture_.Shown(), QString(after_each_key[i]));
      QCOMPARE(fixture_.Scroll()->value(), fixture_.Shown().toInt());
    }
    QVERIFY(fixture_.CellsShow(6000));
  }

  // The nested case: the first drag step empties the box, whose Change writes 0 to the bar; the
  // bar is put back at once, so it reads the drag position, as the label and the colours show.
  void DragWhileTheBoxHoldsText() {
    QTest::keyClicks(fixture_.Text(), "12");
    QCOMPARE(fixture_.Scroll()->value(), 12);
    const QPoint grip = SliderBox().center();
    QTest::mousePress(fixture_.Scroll(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(fixture_.Scroll(), grip + QPoint(200, 0));
    const int t = fixture_.Shown().toInt();
    QVERIFY(t > 12);
    QVERIFY(fixture_.Text()->text().isEmpty());
    QCOMPARE(fixture_.Scroll()->value(), t);
    QVERIFY(fixture_.CellsShow(std::int16_t(t)));
    QTest::mouseMove(fixture_.Scroll(), grip + QPoint(250, 0));
    const int later = fixture_.Shown().toInt();
    QVERIFY(later > t);
    QCOMPARE(fixture_.Scroll()->value(), later);
    QTest::mouseRelease(fixture_.Scroll(), Qt::LeftButton, {}, grip + QPoint(250, 0));
    QCOMPARE(fixture_.Scroll()->value(), later);
    QVERIFY(fixture_.CellsShow(std::int16_t(later)));
  }

  // Holding the scroll box and letting it go where it was is no move: nothing changes.
  void PressAndReleaseWithoutMovingChangesNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("t");
    QTest::newRow("empty box") << QString() << 298;
    QTest::newRow("box holding 12") << QString("12") << 12;
  }
  void PressAndReleaseWithoutMovingChangesNothing() {
    QFETCH(QString, typed);
    QFETCH(int, t);
    if (!typed.isEmpty()) QTest::keyClicks(fixture_.Text(), typed);
    const QPoint grip = SliderBox().center();
    QTest::mousePress(fixture_.Scroll(), Qt::LeftButton, {}, grip);
    QTest::mouseRelease(fixture_.Scroll(), Qt::LeftButton, {}, grip);
    QCOMPARE(fixture_.Scroll()->value(), t);
    QCOMPARE(fixture_.Shown(), QString::number(t));
    QCOMPARE(fixture_.Text()->text(), typed);
    QVERIFY(fixture_.CellsShow(std::int16_t(t)));
  }

  void KeysOnTheScrollBarApplyTheTemperature_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("Left") << QString() << int(Qt::Key_Left) << 297;
    QTest::newRow("Up") << QString() << int(Qt::Key_Up) << 297;
    QTest::newRow("Right") << QString() << int(Qt::Key_Right) << 299;
    QTest::newRow("Down") << QString() << int(Qt::Key_Down) << 299;
    QTest::newRow("PageUp") << QString() << int(Qt::Key_PageUp) << 248;
    QTest::newRow("PageDown") << QString() << int(Qt::Key_PageDown) << 348;
    QTest::newRow("Home") << QString() << int(Qt::Key_Home) << 0;
    QTest::newRow("End") << QString() << int(Qt::Key_End) << 6000;
    // Emptying the box runs a nested Change that writes 0; the bar stays where the key moved it.
    QTest::newRow("Right, box holding 12") << QString("12") << int(Qt::Key_Right) << 13;
    QTest::newRow("PageDown, box holding 12") << QString("12") << int(Qt::Key_PageDown) << 62;
  }
  void KeysOnTheScrollBarApplyTheTemperature() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, expected);
    if (!typed.isEmpty()) QTest::keyClicks(fixture_.Text(), typed);
    QTest::keyClick(fixture_.Scroll(), Qt::Key(key));
    QVERIFY(fixture_.Text()->text().isEmpty());
    QCOMPARE(fixture_.Scroll()->value(), expected);
    QCOMPARE(fixture_.Shown(), QString::number(expected));
    QVERIFY(fixture_.CellsShow(std::int16_t(expected)));
  }

  void ClickInTheTrackAndWheelApplyTheTemperature() {
    const QRect box = SliderBox();
    QTest::mouseClick(fixture_.Scroll(), Qt::LeftButton, {}, QPoint(box.right() + 40, box.center().y()));
    QCOMPARE(fixture_.Scroll()->value(), 348);
    QCOMPARE(fixture_.Shown(), QString("348"));
    QWheelEvent wheel(QPointF(box.center()), fixture_.Scroll()->mapToGlobal(QPointF(box.center())),
                      QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(fixture_.Scroll(), &wheel);
    QVERIFY(fixture_.Scroll()->value() != 348);
    QCOMPARE(fixture_.Shown(), QString::number(fixture_.Scroll()->value()));
    QVERIFY(fixture_.CellsShow(std::int16_t(fixture_.Scroll()->value())));
  }

  void WritesOfValueFromCodeApplyNothing() {
    QVERIFY(fixture_.form().SetValue(control::Scroll_T, 4000) == AccessStatus::Ok);
    QCOMPARE(fixture_.Shown(), QString("298"));
    QVERIFY(fixture_.form().SetValue(control::Scroll_T, 6001) == AccessStatus::OutOfRange);
    QVERIFY(fixture_.form().SetValue(control::Scroll_T, -1) == AccessStatus::OutOfRange);
    QCOMPARE(fixture_.Scroll()->value(), 4000);
  }

  // An overflow is reported once, changes nothing, and the window goes on working.
  void PastedOverflowShowsOneMessageAndChangesNothing() {
    QTest::keyClicks(fixture_.Text(), "450");
    QApplication::clipboard()->setText("1e400");
    fixture_.Text()->selectAll();
    QTest::keyClick(fixture_.Text(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(fixture_.Text()->text(), QString("1e400"));
    QCOMPARE(fixture_.Scroll()->value(), 450);
    QCOMPARE(fixture_.Shown(), QString("450"));
    QVERIFY(fixture_.CellsShow(450));
    QMessageBox* box = OpenMessage();
    QVERIFY(box);
    QVERIFY(box->informativeText().contains("1e400"));
    QCOMPARE(fixture_.form().findChildren<QMessageBox*>().size(), 1);
    box->accept();
    fixture_.Text()->selectAll();
    QTest::keyClicks(fixture_.Text(), "300");
    QCOMPARE(fixture_.Shown(), QString("300"));
    QVERIFY(fixture_.CellsShow(300));
  }
};

}  // namespace velmora::qt

VELMORA_QT_TEST_MAIN(velmora::qt::FormInputTest)

#include "form_input_test.moc"

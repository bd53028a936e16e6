// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/window_description.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace velmora {
namespace {

constexpr int kTableOriginTwips = 240;
constexpr int kLanthanideRowTop = 3960;  // period 7 plus the pitch plus a gap of 360
constexpr int kActinideRowTop = 4440;

constexpr ColourValue kWindowBackground = SystemColourReference(SystemColour::WindowBackground);
constexpr ColourValue kWindowText = SystemColourReference(SystemColour::WindowText);

constexpr TwipRect PlaceCell(TableRow row, int column) {
  int top = kTableOriginTwips + kCellPitchTwips * (static_cast<int>(row) - 1);
  if (row == TableRow::Lanthanides) top = kLanthanideRowTop;
  if (row == TableRow::Actinides) top = kActinideRowTop;
  return {kTableOriginTwips + kCellPitchTwips * (column - 1), top, kCellSizeTwips, kCellSizeTwips};
}

// Defaults of every cell; a row below states only what differs.
constexpr ControlDescription Cell(std::string_view name, TwipRect place, std::string_view caption,
                                  FontRole font) {
  ControlDescription cell;
  cell.name = name;
  cell.place = place;
  cell.content = caption;
  cell.font = font;
  cell.border = BorderStyle::FlatLine;
  cell.alignment = TextAlignment::Centre;
  cell.back_colour = kWindowBackground;
  cell.fore_colour = kWindowText;
  return cell;
}

constexpr ControlDescription ElementCell(int atomic_number) {
  const ElementStateRow& element = ElementRow(atomic_number);
  ControlDescription cell = Cell(element.cell_name(), PlaceCell(element.row, element.column),
                                 element.symbol, FontRole::ElementCell);
  cell.atomic_number = atomic_number;
  return cell;
}

constexpr ControlDescription LanthanideReference() {
  return Cell("Label_LanthanideReference", PlaceCell(TableRow::Period6, 3), "La-Lu",
              FontRole::ReferenceCell);
}

constexpr ControlDescription ActinideReference() {
  return Cell("Label_ActinideReference", PlaceCell(TableRow::Period7, 3), "Ac-Lr",
              FontRole::ReferenceCell);
}

// The input area, the scroll bar and the notice; window font and dialog colours unless stated.
constexpr std::array<ControlDescription, 5> kInputControls = [] {
  ControlDescription text{.name = "Text_T", .kind = ControlKind::TextBox,
                          .place = {1920, 720, 1335, 375}, .border = BorderStyle::SunkenEdit,
                          .back_colour = kWindowBackground, .fore_colour = kWindowText,
                          .tab_index = 1};
  ControlDescription scroll{.name = "Scroll_T", .kind = ControlKind::HScrollBar,
                            .place = {240, 5040, 8655, 255}, .border = BorderStyle::Standard,
                            .tab_index = 0, .scroll = kTemperatureBar};
  ControlDescription caption{.name = "Label2", .place = {1920, 240, 3015, 375},
                             .content = "Temperature, in Kelvin (6000 K max)"};
  ControlDescription notice{.name = "Label1", .place = {240, 5400, 2655, 255},
                            .content = "(c) The Velmora developers"};
  ControlDescription value{.name = "Label_T", .place = {3600, 720, 1335, 375},
                           .border = BorderStyle::SunkenLabel};
  return std::array{text, scroll, caption, notice, value};
}();

// The cells in creation order: a run of atomic numbers from `first` to `last` (either way), or
// one reference cell.
struct CellRun {
  int first = 0;
  int last = 0;
  bool lanthanide_reference = false;
  bool actinide_reference = false;
};

constexpr CellRun kCellCreationOrder[] = {
    {89, 103},                                    // actinide row
    {57, 71},                                     // lanthanide row
    {87, 88},                                     // Fr, Ra
    {.actinide_reference = true},                 // Ac-Lr
    {104, 109},                                   // Rf to Mt
    {55, 56},                                     // Cs, Ba
    {.lanthanide_reference = true},               // La-Lu
    {72, 86},                                     // Hf to Rn
    {37, 54},                                     // Rb to Xe
    {36, 19},                                     // Kr down to K
    {18, 1},                                      // Ar down to H
};

constexpr std::size_t kControlCount = kInputControls.size() + kElementCount + 2;

constexpr std::array<ControlDescription, kControlCount> kControls = [] {
  std::array<ControlDescription, kControlCount> controls{};
  std::size_t next = 0;
  for (const ControlDescription& control : kInputControls) controls[next++] = control;
  for (const CellRun& run : kCellCreationOrder) {
    if (run.lanthanide_reference) {
      controls[next++] = LanthanideReference();
    } else if (run.actinide_reference) {
      controls[next++] = ActinideReference();
    } else {
      const int step = run.first <= run.last ? 1 : -1;
      for (int z = run.first; z != run.last + step; z += step) controls[next++] = ElementCell(z);
    }
  }
  if (next != kControlCount) throw "every control is placed exactly once";
  return controls;
}();

// Windows paint backgrounds with the desktop's own brushes, which only exist for system colours.
// (The iterator forms of the algorithms: not every standard library has them as ranges in
// constant expressions.)
static_assert(std::all_of(kControls.begin(), kControls.end(), [](const ControlDescription& control) {
  return IsSystemColourReference(control.back_colour);
}), "every background is a system colour");

// Read before the table and after it; every other control is a cell, read by its place.
constexpr std::string_view kReadBeforeTable[] = {"Label2", "Text_T", "Label_T", "Scroll_T"};
constexpr std::string_view kReadAfterTable[] = {"Label1"};

constexpr bool Listed(std::span<const std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr std::array<std::string_view, kControlCount> kReadingOrder = [] {
  std::array<std::string_view, kControlCount> order{};
  std::size_t next = 0;
  for (std::string_view name : kReadBeforeTable) order[next++] = name;
  std::array<const ControlDescription*, kControlCount> cells{};
  std::size_t cell_count = 0;
  for (const ControlDescription& control : kControls) {
    if (!Listed(kReadBeforeTable, control.name) && !Listed(kReadAfterTable, control.name)) {
      cells[cell_count++] = &control;
    }
  }
  // Row by row from the top; within a row from the left.
  std::sort(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(cell_count),
            [](const ControlDescription* a, const ControlDescription* b) {
              return a->place.top != b->place.top ? a->place.top < b->place.top
                                                  : a->place.left < b->place.left;
            });
  for (std::size_t i = 0; i < cell_count; ++i) order[next++] = cells[i]->name;
  for (std::string_view name : kReadAfterTable) order[next++] = name;
  // A name read first or last that no control has would push a cell out of the list.
  if (next != kControlCount) throw "every control is read exactly once";
  return order;
}();

}  // namespace

std::span<const ControlDescription> WindowDescription() { return kControls; }

std::span<const std::string_view> ReadingOrder() { return kReadingOrder; }

const ControlDescription* FindControl(std::string_view name) {
  for (const ControlDescription& control : kControls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

}  // namespace velmora

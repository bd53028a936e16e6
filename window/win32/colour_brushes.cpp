// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/colour_brushes.h"

namespace velmora::win32 {

COLORREF ToColorRef(ColourValue colour) {
  if (IsSystemColourReference(colour)) return GetSysColor(SystemColourIndex(colour));
  return static_cast<COLORREF>(colour);
}

HBRUSH BrushCache::Get(ColourValue colour) {
  if (IsSystemColourReference(colour)) return GetSysColorBrush(SystemColourIndex(colour));
  auto found = solid_brushes_.find(colour);
  if (found != solid_brushes_.end()) return found->second;
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour));
  solid_brushes_.emplace(colour, brush);
  return brush;
}

void BrushCache::Clear() {
  for (auto& [colour, brush] : solid_brushes_) DeleteObject(brush);
  solid_brushes_.clear();
}

}  // namespace velmora::win32

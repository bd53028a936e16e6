// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Turns the window description's colour values into what GDI paints with: a value with the top
// bit set is the desktop's system colour of its low byte (GetSysColor / GetSysColorBrush, so a
// theme change shows at the next paint), any other value is a 0x00BBGGRR COLORREF as it stands.
// Solid brushes for plain RGB values are made once per colour and freed with the cache; system
// colour brushes belong to the system and are never freed.
#pragma once

#include <windows.h>

#include <unordered_map>

#include "window/colour_value.h"

namespace velmora::win32 {

COLORREF ToColorRef(ColourValue colour);

class BrushCache {
 public:
  BrushCache() = default;
  BrushCache(const BrushCache&) = delete;
  BrushCache& operator=(const BrushCache&) = delete;
  ~BrushCache() { Clear(); }

  // A brush that paints `colour`; valid until Clear() or the cache's end.
  HBRUSH Get(ColourValue colour);
  void Clear();

 private:
  std::unordered_map<ColourValue, HBRUSH> solid_brushes_;
};

}  // namespace velmora::win32

// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The two input handlers that keep the scroll bar `Scroll_T`, the text box `Text_T` and the
// value label `Label_T` in step and recolour the cells for the temperature they establish.
//
// They are straight sequences of control reads and writes, re-reading a control whenever they
// need its content again. A text write inside them raises `Text_T_Change` nested in the write;
// the texts such a nested run sees ("", "0", "6000") never call for a correction, so nesting is
// at most one level deep. Errors (a failing access, an overflow in TextToNumber) propagate.
// Each tells `shown` the temperature it has written to `Label_T`, once the write succeeded.
#pragma once

#include "window/control_services.h"
#include "window/temperature_shown.h"

namespace velmora {

// A drag step of the scroll box, `Value` already at its position: empties the text box, shows
// the position in `Label_T` and recolours for it.
void Scroll_T_Scroll(ControlServices& services, const TemperatureShown& shown = {});

// Any change of the box text: reads the number at its start, replaces a negative one by "0" and
// one above 6000 by "6000" (each replacement runs this handler nested), writes it rounded to the
// scroll bar, shows the scroll bar's value in `Label_T` and recolours for it.
void Text_T_Change(ControlServices& services, const TemperatureShown& shown = {});

}  // namespace velmora

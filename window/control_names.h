// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Names of the controls the handlers address. Element cells are named by the element table
// (`Label_026_Fe`); the labels that nothing addresses after creation are named in the window
// description alone.
#pragma once

#include <string_view>

namespace velmora::control {

inline constexpr std::string_view Text_T = "Text_T";
inline constexpr std::string_view Scroll_T = "Scroll_T";
inline constexpr std::string_view Label_T = "Label_T";

}  // namespace velmora::control

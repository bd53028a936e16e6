// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What the application states about itself before any window opens: name, version
// (2.00.0001), desktop entry name, the program icon built from the three icon pictures, and the
// screen reader interfaces of the hand-drawn labels, the window and its scroll bar. Shared by the
// program, its tests and its start-up benchmark so that they all run the same application.
#pragma once

class QApplication;

namespace velmora::qt {

void SetUpApplication(QApplication& application);

}  // namespace velmora::qt

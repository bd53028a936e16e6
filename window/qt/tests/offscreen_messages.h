// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// For programs that drive the Qt window with message boxes on the offscreen platform (the
// user-action fuzzer, the long-run and paste benchmarks): that platform says at every message box
// that it cannot pass on size hints; this drops that line and passes every other message on.
#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace velmora::qt {

inline void DropSizeHintNotice(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace velmora::qt

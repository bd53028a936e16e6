// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The process's resident memory as Linux reports it in /proc/self/status, for the window's
// benchmark mains: now (VmRSS) and at its peak (VmHWM), in MiB; and resetting the peak to the
// present, so that the peak of one step can be read on its own.
#pragma once

#include <cstdio>
#include <cstring>

namespace velmora::qt {

// The "Vm...:" line of /proc/self/status in MiB, or -1 when it cannot be read.
inline double StatusMiB(const char* field) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char line[256];
  double kib = -1;
  const std::size_t length = std::strlen(field);
  while (std::fgets(line, sizeof line, status)) {
    if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
      std::sscanf(line + length + 1, "%lf", &kib);
      break;
    }
  }
  std::fclose(status);
  return kib < 0 ? -1 : kib / 1024.0;
}

inline double ResidentMiB() { return StatusMiB("VmRSS"); }
inline double PeakResidentMiB() { return StatusMiB("VmHWM"); }

// Sets VmHWM back to VmRSS (Linux's clear_refs "5"); false where that is not allowed.
inline bool ResetPeakResident() {
  std::FILE* refs = std::fopen("/proc/self/clear_refs", "w");
  if (!refs) return false;
  const bool written = std::fputs("5", refs) >= 0;
  return std::fclose(refs) == 0 && written;
}

}  // namespace velmora::qt

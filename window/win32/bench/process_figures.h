// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What the window's benchmarks read of their own process: GDI and USER objects, private bytes and
// peak memory, and the spread of a set of times. Windows counts the objects and private bytes
// itself; Wine answers GetGuiResources and PrivateUsage with 0, so there they are counted here:
// GDI objects by asking the type of every handle in Wine's table (which takes a bare index),
// USER objects as the windows of the thread, private bytes as the committed private memory.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "bench/bench_stats.h"

namespace velmora::win32 {

struct ProcessFigures {
  DWORD gdi_objects = 0;
  DWORD user_objects = 0;
  SIZE_T private_bytes = 0;
  SIZE_T peak_working_set = 0;
  SIZE_T peak_pagefile = 0;
};

// Where each figure comes from; decided once, by whether the system answers.
struct FigureSources {
  bool gdi_by_system = true;
  bool user_by_system = true;
  bool private_by_system = true;
};

inline BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  EnumChildWindows(window, &CountWindow, count);
  return TRUE;
}

inline DWORD CountGdiHandles() {
  DWORD count = 0;
  for (ULONG_PTR index = 0; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  }
  return count;
}

inline SIZE_T CommittedPrivateBytes() {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  SIZE_T total = 0;
  auto* address = static_cast<char*>(system.lpMinimumApplicationAddress);
  MEMORY_BASIC_INFORMATION region;
  while (address < system.lpMaximumApplicationAddress &&
         VirtualQuery(address, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    address = static_cast<char*>(region.BaseAddress) + region.RegionSize;
  }
  return total;
}

inline PROCESS_MEMORY_COUNTERS_EX MemoryCounters() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return counters;
}

inline FigureSources FindFigureSources() {
  return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) != 0,
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS) != 0,
          MemoryCounters().PrivateUsage != 0};
}

inline void DescribeFigureSources(const FigureSources& sources) {
  if (!sources.gdi_by_system) {
    std::printf("GDI objects: the system does not count them (GetGuiResources returns 0); "
                "counted as the live handles in the GDI handle table\n");
  }
  if (!sources.user_by_system) {
    std::printf("USER objects: the system does not count them (GetGuiResources returns 0); "
                "counted as the thread's windows\n");
  }
  if (!sources.private_by_system) {
    std::printf("private bytes: the system does not count them (PrivateUsage is 0); counted as "
                "the committed private memory (VirtualQuery)\n");
  }
}

inline ProcessFigures ReadProcessFigures(const FigureSources& sources) {
  ProcessFigures figures;
  const PROCESS_MEMORY_COUNTERS_EX memory = MemoryCounters();
  figures.gdi_objects = sources.gdi_by_system
                            ? GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)
                            : CountGdiHandles();
  if (sources.user_by_system) {
    figures.user_objects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  } else {
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow,
                      reinterpret_cast<LPARAM>(&figures.user_objects));
  }
  figures.private_bytes = sources.private_by_system ? memory.PrivateUsage : CommittedPrivateBytes();
  figures.peak_working_set = memory.PeakWorkingSetSize;
  figures.peak_pagefile = memory.PeakPagefileUsage;
  return figures;
}

inline double MiB(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

inline double Median(std::vector<double> samples) { return SpreadOf(std::move(samples)).median; }

// User and kernel time of this process so far.
inline double ProcessorMilliseconds() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;  // 100 ns ticks
}

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_;
  LARGE_INTEGER start_;
};

}  // namespace velmora::win32

// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Start-up time of velmora.exe: from CreateProcess until the program waits for input, which is
// after its window was created, loaded and painted once (the first paint happens before its
// message loop asks for input). Prints min / median / max over the runs; not a test.
// Usage: velmora_startup_bench PROGRAM.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_stats.h"

namespace {

constexpr DWORD kWaitMilliseconds = 30000;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

BOOL CALLBACK CloseWindowsOf(HWND window, LPARAM process_id) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(process_id)) PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

// One start: the time to input idle, or a negative number when the program did not get there.
double TimeOneStart(const std::wstring& program, LARGE_INTEGER frequency) {
  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW startup{.cb = sizeof(STARTUPINFOW)};
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start, ready;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1.0;
  }
  const DWORD idle = WaitForInputIdle(process.hProcess, kWaitMilliseconds);
  QueryPerformanceCounter(&ready);
  EnumWindows(&CloseWindowsOf, static_cast<LPARAM>(process.dwProcessId));
  if (WaitForSingleObject(process.hProcess, kWaitMilliseconds) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return idle == 0 ? Seconds(start, ready, frequency) : -1.0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: velmora_startup_bench PROGRAM.exe [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 15;
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  TimeOneStart(argv[1], frequency);  // warm-up: fills the file cache, not counted
  std::vector<double> millis;
  for (int run = 0; run < runs; ++run) {
    const double seconds = TimeOneStart(argv[1], frequency);
    if (seconds < 0) {
      std::fprintf(stderr, "velmora_startup_bench: run %d did not reach input idle\n", run + 1);
      return 1;
    }
    millis.push_back(seconds * 1000);
  }
  velmora::PrintSpread("start-up to first painted frame", "ms", millis);
  return 0;
}

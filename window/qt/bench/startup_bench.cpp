// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Start-up time and peak memory of the window against a bare Qt window of the same size, and
// against that bare window with one line of text, measured in the same run, in turn: each sample is process launch (fork) to the "painted" line of
// velmora_startup_probe, and the child's peak resident set size from wait4.
// Usage: velmora_startup_bench path/to/velmora_startup_probe [rounds]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_stats.h"

namespace {

struct Sample {
  double millis = 0;
  double peak_mib = 0;
  bool ok = false;
};

Sample Launch(const char* probe, const char* mode) {
  int out[2];
  if (pipe(out) != 0) return {};
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execl(probe, probe, mode, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  char line[64] = {};
  std::size_t used = 0;
  while (used < sizeof line - 1) {
    const ssize_t got = read(out[0], line + used, sizeof line - 1 - used);
    if (got <= 0 || std::strchr(line, '\n')) break;
    used += std::size_t(got);
  }
  const auto painted = std::chrono::steady_clock::now();
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  Sample sample;
  sample.millis = std::chrono::duration<double, std::milli>(painted - start).count();
  sample.peak_mib = double(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
  sample.ok = std::strncmp(line, "painted", 7) == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return sample;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: velmora_startup_bench path/to/velmora_startup_probe [rounds]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 20;
  const char* const modes[] = {"velmora", "bare", "bare-text"};
  std::vector<double> millis[3], mebibytes[3];
  for (int i = 0; i < rounds; ++i) {
    for (int m = 0; m < 3; ++m) {
      const Sample s = Launch(argv[1], modes[m]);
      if (!s.ok) {
        std::fprintf(stderr, "startup_bench: the %s probe did not paint\n", modes[m]);
        return 1;
      }
      millis[m].push_back(s.millis);
      mebibytes[m].push_back(s.peak_mib);
    }
  }
  using velmora::PrintSpread;
  using velmora::SpreadOf;
  for (int m = 0; m < 3; ++m) {
    const std::string what = std::string("start-up to first frame, ") + modes[m];
    PrintSpread(what.c_str(), "ms", millis[m]);
  }
  for (int m = 0; m < 3; ++m) {
    const std::string what = std::string("peak resident memory, ") + modes[m];
    PrintSpread(what.c_str(), "MiB", mebibytes[m]);
  }
  for (int m = 1; m < 3; ++m) {
    std::printf("velmora against %s (medians): start-up %.2fx, memory %+.2f MiB\n", modes[m],
                SpreadOf(millis[0]).median / SpreadOf(millis[m]).median,
                SpreadOf(mebibytes[0]).median - SpreadOf(mebibytes[m]).median);
  }
  return 0;
}

// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Min / median / max of a set of samples, for the benchmark mains of every window.
#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

namespace velmora {

struct Spread {
  double min = 0;
  double median = 0;
  double max = 0;
};

inline Spread SpreadOf(std::vector<double> samples) {
  if (samples.empty()) return {};
  std::sort(samples.begin(), samples.end());
  const std::size_t n = samples.size();
  const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
  return {samples.front(), median, samples.back()};
}

inline void PrintSpread(const char* what, const char* unit, const std::vector<double>& samples) {
  const Spread s = SpreadOf(samples);
  std::printf("%-34s n=%-5zu min %9.3f  median %9.3f  max %9.3f %s\n", what, samples.size(), s.min,
              s.median, s.max, unit);
}

}  // namespace velmora

// Small timing helpers shared by the benchmarks.
#pragma once

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace fv::bench {

using Clock = std::chrono::steady_clock;

inline double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

inline double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

// CPU time the process has used, in seconds.
inline double cpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// Peak resident memory of the process, in MiB.
inline double peakMiB() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return double(ru.ru_maxrss) / 1024.0;
}

}  // namespace fv::bench

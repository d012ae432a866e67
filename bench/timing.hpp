// Small timing helpers shared by the benchmarks.
#pragma once

#include <QString>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "forms/form.hpp"

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
// The return buttons, which the benchmarks leave unpressed.
inline bool isReturn(const QString& text) {
  const QString t = text.trimmed().toUpper();
  return t == "RETORNA" || t == "VOLTA" || t == "VOLVER" || t == "FIM" || t == "RETORNAR" || t == "SALIR" ||
         t == "SAIR";
}

inline double peakMiB() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return double(ru.ru_maxrss) / 1024.0;
}

inline double maxOf(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end()); }

// Handler and paint times of a button pressed `runs` times, in ms: the
// handler's own time, then the repaint of the surface it draws on.
struct ClickTimes {
  std::vector<double> handler, paint;
};

inline ClickTimes timeClicks(Form& f, const QString& button, const QString& surface, int runs) {
  ClickTimes times;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = Clock::now();
    f.button(button).click();
    const auto t1 = Clock::now();
    f.surface(surface).repaint();
    const auto t2 = Clock::now();
    times.handler.push_back(ms(t1 - t0));
    times.paint.push_back(ms(t2 - t1));
  }
  return times;
}

}  // namespace fv::bench

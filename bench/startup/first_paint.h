// What the start-up programs measure: the process's CPU time and peak memory once its window has
// first been painted.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <functional>
#include <utility>

namespace corvane::bench {

struct ResourceUse {
  double cpuMs = 0;   //!< user and system CPU time of the process so far
  long maxRssKb = 0;  //!< peak resident set size so far
};

inline ResourceUse ResourceUseNow() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto milliseconds = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
  };
  return {milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss};
}

//! One machine-readable line: "cpu_ms=41.2 maxrss_kb=52344".
inline void PrintResourceUse(const ResourceUse& use) {
  std::printf("cpu_ms=%.1f maxrss_kb=%ld\n", use.cpuMs, use.maxRssKb);
  std::fflush(stdout);
}

//! Calls `then` once, from the event loop, right after the window's first paint has completed
//! (the paint and the flush of the window's backing store both run inside the event that the
//! filter sees, so a zero-time timer fires only after them).
class FirstPaint : public QObject {
 public:
  FirstPaint(QWidget& window, std::function<void()> then) : then_(std::move(then)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, then_);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> then_;
};

}  // namespace corvane::bench

// Starts through the calculator's own start-up routine (application, price book, window, load
// step, show) and prints the CPU time and peak memory at the window's first paint. The display
// check of main is left out: the measurements run only where a window can open.
//
// With --price-book FILE it starts with that book, as the program's own option does.
//
// With --choice-latency [N] it then chooses To packages in the real window N times (default 200),
// through the same signal a choice in the list raises, and prints the median wall-clock time from
// the choice until both cross-grade price boxes have been repainted.
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QObject>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/run_quote_window.h"
#include "bench/startup/first_paint.h"
#include "window/headless/headless_controls.h"
#include "window/qt/frm_tindrel.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes which of the two price boxes have been painted since the last Reset.
class PaintWatch : public QObject {
 public:
  PaintWatch(QWidget& excluding, QWidget& including)
      : excluding_(excluding), including_(including) {
    excluding_.installEventFilter(this);
    including_.installEventFilter(this);
  }
  void Reset() { excludingPainted_ = includingPainted_ = false; }
  bool BothPainted() const { return excludingPainted_ && includingPainted_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      if (watched == &excluding_) excludingPainted_ = true;
      if (watched == &including_) includingPainted_ = true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& excluding_;
  QWidget& including_;
  bool excludingPainted_ = false;
  bool includingPainted_ = false;
};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "corvane_startup_window: %s\n", what);
  std::exit(EXIT_FAILURE);
}

// A choice as the list makes it: the entry becomes current, then the list reports it activated.
void Choose(QComboBox& combo, int position) {
  combo.setCurrentIndex(position);
  Q_EMIT combo.activated(position);
}

void SettleEvents() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MeasureChoiceLatency(corvane::FrmTindrel& window, int repetitions) {
  auto* from = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
  auto* to = window.findChild<QComboBox*>(QStringLiteral("Combo2"));
  auto* excluding = window.findChild<QLineEdit*>(QStringLiteral("txtExclPrice"));
  auto* including = window.findChild<QLineEdit*>(QStringLiteral("txtInclPrice"));
  if (from == nullptr || to == nullptr || excluding == nullptr || including == nullptr) {
    Fail("the window lacks Combo1, Combo2, txtExclPrice or txtInclPrice");
  }
  // Warnings and error reports are recorded: a message box would wait for a click.
  corvane::RecordingMessageSink messages;
  window.RouteMessagesTo(&messages);

  const int fromPosition = from->findText(QStringLiteral("Windows HB 1"));
  if (fromPosition < 0) Fail("the From list lacks Windows HB 1");
  Choose(*from, fromPosition);
  SettleEvents();
  // Two To packages with different prices, so that every choice changes both boxes.
  const std::array<int, 2> toPositions = {to->findText(QStringLiteral("Windows HB 3")),
                                          to->findText(QStringLiteral("Windows HB 4"))};
  if (toPositions[0] < 0 || toPositions[1] < 0) Fail("the To list lacks Windows HB 3 or HB 4");
  std::array<QString, 2> shown;
  for (std::size_t i = 0; i < toPositions.size(); ++i) {
    Choose(*to, toPositions[i]);
    SettleEvents();
    shown[i] = excluding->text() + including->text();
  }
  if (shown[0].isEmpty() || shown[0] == shown[1]) Fail("the two choices did not show two prices");

  PaintWatch watch(*excluding, *including);
  constexpr int kWarmUp = 10;
  std::vector<double> microseconds;
  for (int repetition = 0; repetition < kWarmUp + repetitions; ++repetition) {
    SettleEvents();
    watch.Reset();
    const Clock::time_point start = Clock::now();
    Choose(*to, toPositions[static_cast<std::size_t>(repetition % 2)]);
    while (!watch.BothPainted()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
      if (Clock::now() - start > std::chrono::seconds(5))
        Fail("the price boxes were not repainted");
    }
    const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
    if (repetition >= kWarmUp) microseconds.push_back(elapsed.count());
  }
  window.RouteMessagesTo(nullptr);
  if (!messages.Warnings().empty() || !messages.Errors().empty()) {
    Fail("a choice raised a warning or an error");
  }

  std::sort(microseconds.begin(), microseconds.end());
  const std::size_t middle = microseconds.size() / 2;
  const double median = microseconds.size() % 2 != 0
                            ? microseconds[middle]
                            : (microseconds[middle - 1] + microseconds[middle]) / 2;
  std::printf(
      "choice_latency_us_median=%.1f choice_latency_us_min=%.1f choice_latency_us_max=%.1f "
      "repetitions=%zu\n",
      median, microseconds.front(), microseconds.back(), microseconds.size());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
  int choiceRepetitions = 0;
  std::string priceBook;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--price-book") == 0 && i + 1 < argc) priceBook = argv[++i];
    if (std::strcmp(argv[i], "--choice-latency") == 0) {
      choiceRepetitions = 200;
      if (i + 1 < argc && std::atoi(argv[i + 1]) > 0) choiceRepetitions = std::atoi(argv[++i]);
    }
  }

  QApplication application(argc, argv);
  std::optional<corvane::bench::FirstPaint> firstPaint;
  return corvane::RunQuoteWindow(
      "corvane_startup_window",
      [&firstPaint, choiceRepetitions](corvane::FrmTindrel& window) {
        firstPaint.emplace(window, [&window, choiceRepetitions] {
          corvane::bench::PrintResourceUse(corvane::bench::ResourceUseNow());
          if (choiceRepetitions > 0) MeasureChoiceLatency(window, choiceRepetitions);
          QApplication::quit();
        });
      },
      priceBook);
}

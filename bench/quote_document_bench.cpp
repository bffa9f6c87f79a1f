// The quotation's document: a 40-line quote at two rates set on A4 pages as a PDF (goal: 150 ms),
// and its copied text and HTML.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "money/format_price.h"
#include "sheet/qt/quote_document.h"
#include "sheet/sheet_text.h"
#include "sheet/tests/document_quotes.h"

namespace corvane {
namespace {

void QuotationPdfOfFortyLines(benchmark::State& state) {
  const Quotation quotation = TwoRateQuotation(37);
  for (auto _ : state) benchmark::DoNotOptimize(QuotationPdf(quotation, Separators{}));
}
BENCHMARK(QuotationPdfOfFortyLines)->Unit(benchmark::kMillisecond);

void CopiedTextAndHtmlOfFortyLines(benchmark::State& state) {
  const Quotation quotation = TwoRateQuotation(37);
  for (auto _ : state) {
    benchmark::DoNotOptimize(SheetPlainText(quotation, Separators{}));
    benchmark::DoNotOptimize(SheetHtml(quotation, Separators{}));
  }
}
BENCHMARK(CopiedTextAndHtmlOfFortyLines)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}

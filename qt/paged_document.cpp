#include "qt/paged_document.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

#include "money/program_title.h"
#include "qt/qt_text.h"

namespace corvane {

PagePainter::PagePainter(QPainter& painter, QPaintDevice& device)
    : painter_(painter),
      device_(device),
      unit_(device.logicalDpiY() / 72.0),
      page_(device.width() / unit_, device.height() / unit_) {}

QRectF PagePainter::Scaled(const QRectF& points) const {
  return {points.x() * unit_, points.y() * unit_, points.width() * unit_, points.height() * unit_};
}

void PagePainter::Text(const QFont& font, const QRectF& points, int flags, const QString& text) {
  painter_.setFont(font);
  painter_.drawText(Scaled(points), flags, text);
}

double PagePainter::BoundingHeight(const QFont& font, const QString& text, double width,
                                   int flags) const {
  const QFontMetricsF metrics(font, &device_);
  return metrics.boundingRect(QRectF(0, 0, width * unit_, 1e6), flags, text).height() / unit_;
}

double PagePainter::Paragraph(const QFont& font, const QString& text, double x, double y,
                              double width, Qt::Alignment alignment, bool paint) {
  QTextLayout layout(text, font, &device_);
  QTextOption option(alignment);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  double height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width * unit_);
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  if (paint) {
    painter_.setPen(Qt::black);
    layout.draw(&painter_, QPointF(x * unit_, y * unit_));
  }
  return height / unit_;
}

void PagePainter::Rule(double x, double y, double width, double thickness) {
  painter_.fillRect(Scaled(QRectF(x, y, width, thickness)), Qt::black);
}

void PagePainter::Fill(const QRectF& points, const QColor& colour) {
  painter_.fillRect(Scaled(points), colour);
}

bool PaintPages(PagedDocument& document, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  PagePainter pages(painter, device);
  const int count = std::max(1, document.Layout(pages));
  for (int page = 0; page < count; ++page) {
    if (page > 0) device.newPage();
    document.PaintPage(pages, page, count);
  }
  painter.end();
  return true;
}

QByteArray A4Pdf(PagedDocument& document, const QString& title, double marginMm) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(720);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(ToQString(kProgramTitle));
    if (!PaintPages(document, writer)) return {};
  }
  return pdf;
}

}  // namespace corvane

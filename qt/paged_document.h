// Documents set on pages for the printer and PDF files alike, the quotation and the price list:
// laid out in points, painted a page at a time, with one way to place, wrap and measure text.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace corvane {

//! Paints in points on a device whose own units are finer; measures text as the device sets it.
class PagePainter {
 public:
  PagePainter(QPainter& painter, QPaintDevice& device);

  //! The page's printable area in points.
  QSizeF Page() const { return page_; }

  //! The text in the rectangle, with QPainter::drawText's flags (alignment, Qt::TextWordWrap).
  void Text(const QFont& font, const QRectF& points, int flags, const QString& text);
  //! The height the text takes within the width with those flags, as Text would set it.
  double BoundingHeight(const QFont& font, const QString& text, double width, int flags) const;

  //! The text wrapped within the width, between words and, where one word is wider than the
  //! width, within it, so that it never runs past its place; painted from (x, y) when `paint`.
  //! Returns the height it takes.
  double Paragraph(const QFont& font, const QString& text, double x, double y, double width,
                   Qt::Alignment alignment, bool paint);

  //! A black bar across from x, `thickness` points high.
  void Rule(double x, double y, double width, double thickness);
  void Fill(const QRectF& points, const QColor& colour);

 private:
  QRectF Scaled(const QRectF& points) const;

  QPainter& painter_;
  QPaintDevice& device_;
  double unit_;  // device units to the point
  QSizeF page_;
};

//! A document that lays itself out on pages of the device's size and paints one page at a time.
class PagedDocument {
 public:
  virtual ~PagedDocument() = default;
  //! Lays the document out with the painter's measures; returns its number of pages.
  virtual int Layout(PagePainter& painter) = 0;
  virtual void PaintPage(PagePainter& painter, int page, int pageCount) = 0;
};

//! Paints the document on the device's pages from its current page on. False when the device
//! cannot be painted on.
bool PaintPages(PagedDocument& document, QPagedPaintDevice& device);

//! The document as an A4 portrait PDF with its fonts embedded, at ten device units to the point
//! (fine enough that right-aligned amounts line up exactly), with the title and the program as
//! its creator in the file's properties. Empty when it could not be made.
QByteArray A4Pdf(PagedDocument& document, const QString& title, double marginMm);

}  // namespace corvane

#include "sheet/qt/quote_document.h"

#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <string>
#include <vector>

#include "money/vat.h"
#include "qt/qt_text.h"
#include "sheet/sheet_text.h"

namespace corvane {
namespace {

constexpr double kMarginMm = 18;
constexpr double kAmountWidth = 86;  // each of the three amount columns, in points
constexpr double kQuantityWidth = 34;
constexpr double kPadding = 3;
constexpr double kFooterHeight = 22;

struct Fonts {
  QFont title;
  QFont seller;
  QFont text;
  QFont bold;
  QFont small;
};

// Arial where it is installed, else the faces with its metrics, as the window and price list.
QFont MakeFont(double points, bool bold) {
  QFont font;
  const QStringList installed = QFontDatabase::families();
  for (const QString& family :
       {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}) {
    if (installed.contains(family, Qt::CaseInsensitive)) {
      font.setFamilies({family});
      break;
    }
  }
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QStringList Texts(const std::vector<std::string>& lines) {
  QStringList texts;
  for (const std::string& line : lines) texts << ToQString(line);
  return texts;
}

// Lays out and paints in points; the device's own units are `unit` to the point.
class Pages {
 public:
  Pages(QPainter& painter, const Fonts& fonts, double unit, double width)
      : painter_(painter), fonts_(fonts), unit_(unit), width_(width) {}

  double Height(const QFont& font, const QString& text, double width) const {
    const QFontMetricsF metrics(font, painter_.device());
    return metrics.boundingRect(QRectF(0, 0, width * unit_, 1e7), Qt::TextWordWrap, text).height() /
           unit_;
  }
  void Text(const QFont& font, const QString& text, double x, double y, double width,
            Qt::Alignment alignment = Qt::AlignLeft) const {
    painter_.setFont(font);
    painter_.drawText(QRectF(x * unit_, y * unit_, width * unit_, 1e7),
                      static_cast<int>((alignment | Qt::AlignTop).toInt()) | Qt::TextWordWrap,
                      text);
  }
  void Rule(double y, double weight = 0.5) const {
    QPen pen(Qt::black);
    pen.setWidthF(weight * unit_);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(0, y * unit_), QPointF(width_ * unit_, y * unit_));
  }
  double Width() const { return width_; }

 private:
  QPainter& painter_;
  const Fonts& fonts_;
  double unit_;
  double width_;
};

struct Column {
  double x;
  double width;
  Qt::Alignment alignment;
};

class QuotationLayout {
 public:
  QuotationLayout(const Quotation& quotation, const Separators& separators, const Pages& pages,
                  const Fonts& fonts, double pageHeight)
      : q_(quotation),
        separators_(separators),
        pages_(pages),
        fonts_(fonts),
        bodyBottom_(pageHeight - kFooterHeight) {
    const double descriptionWidth = pages.Width() - kQuantityWidth - 3 * kAmountWidth;
    columns_ = {Column{0, descriptionWidth, Qt::AlignLeft},
                Column{descriptionWidth, kQuantityWidth, Qt::AlignRight}};
    for (int i = 0; i < 3; ++i) {
      columns_.push_back(Column{descriptionWidth + kQuantityWidth + i * kAmountWidth, kAmountWidth,
                                Qt::AlignRight});
    }
    headings_ = {QStringLiteral("Description"), QStringLiteral("Qty")};
    headings_ << ToQString(WithCurrency("Unit price", q_)) << QStringLiteral("VAT")
              << ToQString(WithCurrency("Amount", q_));
    headingHeight_ = RowHeight(fonts_.bold, headings_);
    for (const QuoteLine& line : q_.lines) {
      rows_.push_back({ToQString(line.description), QString::number(line.quantity),
                       ToQString(UnitPriceText(line, separators_)),
                       ToQString(VatPercentText(line.vat) + "%"),
                       ToQString(LineAmountText(line, separators_))});
      rowHeights_.push_back(RowHeight(fonts_.text, rows_.back()));
    }
    closingHeight_ = Closing(0, false);
    Paginate();
  }

  int PageCount() const { return static_cast<int>(pageStarts_.size()); }

  void PaintPage(int page) const {
    double y = page == 0 ? FirstPageTop(true) : RunningHead(true);
    y = Row(fonts_.bold, headings_, y, true);
    pages_.Rule(y);
    const std::size_t end =
        page + 1 < PageCount() ? pageStarts_[static_cast<std::size_t>(page) + 1] : rows_.size();
    for (std::size_t i = pageStarts_[static_cast<std::size_t>(page)]; i < end; ++i) {
      y = Row(fonts_.text, rows_[i], y, true);
    }
    if (page + 1 == PageCount()) Closing(y, true);
    pages_.Rule(bodyBottom_ + 4, 0.3);
    pages_.Text(fonts_.small, ToQString(QuotationTitle(q_)), 0, bodyBottom_ + 7, pages_.Width());
    pages_.Text(fonts_.small, QStringLiteral("Page %1 of %2").arg(page + 1).arg(PageCount()), 0,
                bodyBottom_ + 7, pages_.Width(), Qt::AlignRight);
  }

 private:
  QString Price(Money amount) const { return ToQString(FormatPrice(amount, separators_)); }

  double RowHeight(const QFont& font, const QStringList& cells) const {
    double height = 0;
    for (int i = 0; i < cells.size(); ++i) {
      height = std::max(height,
                        pages_.Height(font, cells[i],
                                      columns_[static_cast<std::size_t>(i)].width - 2 * kPadding));
    }
    return height + 2 * kPadding;
  }

  double Row(const QFont& font, const QStringList& cells, double y, bool paint) const {
    const double height = RowHeight(font, cells);
    if (paint) {
      for (int i = 0; i < cells.size(); ++i) {
        const Column& column = columns_[static_cast<std::size_t>(i)];
        pages_.Text(font, cells[i], column.x + kPadding, y + kPadding, column.width - 2 * kPadding,
                    column.alignment);
      }
    }
    return y + height;
  }

  // The seller on the left, the title, number and dates on the right, then the customer.
  double FirstPageTop(bool paint) const {
    const QStringList seller = Texts(SellerLines(q_.dealer));
    double left = 0;
    for (int i = 0; i < seller.size(); ++i) {
      const QFont& font = i == 0 ? fonts_.seller : fonts_.text;
      if (paint) pages_.Text(font, seller[i], 0, left, pages_.Width() * 0.55);
      left += pages_.Height(font, seller[i], pages_.Width() * 0.55);
    }
    const double rightX = pages_.Width() * 0.55;
    const double rightWidth = pages_.Width() - rightX;
    const QString title = ToQString(std::string(kQuotationHeading));
    if (paint) pages_.Text(fonts_.title, title, rightX, 0, rightWidth, Qt::AlignRight);
    double right = pages_.Height(fonts_.title, title, rightWidth) + 4;
    QStringList facts;
    if (!q_.number.empty()) facts << QStringLiteral("Number: %1").arg(ToQString(q_.number));
    facts << Texts(QuoteFacts(q_));
    for (const QString& fact : facts) {
      if (paint) pages_.Text(fonts_.text, fact, rightX, right, rightWidth, Qt::AlignRight);
      right += pages_.Height(fonts_.text, fact, rightWidth);
    }
    double y = std::max(left, right) + 12;
    for (const QString& line : Texts(CustomerLines(q_))) {
      if (paint) pages_.Text(fonts_.bold, line, 0, y, pages_.Width());
      y += pages_.Height(fonts_.bold, line, pages_.Width());
    }
    return y + 12;
  }

  double RunningHead(bool paint) const {
    const QString text = ToQString(QuotationTitle(q_)) + QStringLiteral(" (continued)");
    if (paint) pages_.Text(fonts_.bold, text, 0, 0, pages_.Width());
    return pages_.Height(fonts_.bold, text, pages_.Width()) + 10;
  }

  // The totals, the validity and the terms; returns their height when not painted.
  double Closing(double y, bool paint) const {
    const double top = y;
    if (paint) pages_.Rule(y);
    y += 2;
    const double labelWidth = pages_.Width() - kAmountWidth;
    for (const TotalRow& row : TotalRows(q_, separators_)) {
      const QString label = ToQString(row.label);
      if (paint) {
        pages_.Text(fonts_.bold, label, 0, y + kPadding, labelWidth - kPadding, Qt::AlignRight);
        pages_.Text(fonts_.bold, Price(row.amount), labelWidth, y + kPadding,
                    kAmountWidth - kPadding, Qt::AlignRight);
      }
      y += pages_.Height(fonts_.bold, label, labelWidth - kPadding) + 2 * kPadding;
    }
    y += 12;
    const QString validity = ToQString(ValidityText(q_));
    if (paint) pages_.Text(fonts_.bold, validity, 0, y, pages_.Width());
    y += pages_.Height(fonts_.bold, validity, pages_.Width()) + 6;
    const QString terms = ToQString(q_.dealer.terms).trimmed();
    if (!terms.isEmpty()) {
      if (paint) pages_.Text(fonts_.text, terms, 0, y, pages_.Width());
      y += pages_.Height(fonts_.text, terms, pages_.Width());
    }
    return y - top;
  }

  // Rows fill each page; the last row goes to the next page with the closing block when the two
  // do not fit together, so that no page holds the totals or the terms alone.
  void Paginate() {
    double y = FirstPageTop(false) + headingHeight_;
    pageStarts_ = {0};
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      const double needed = rowHeights_[i] + (i + 1 == rows_.size() ? closingHeight_ : 0);
      if (y + needed > bodyBottom_ && i > pageStarts_.back()) {
        pageStarts_.push_back(i);
        y = RunningHead(false) + headingHeight_;
      }
      y += rowHeights_[i];
    }
  }

  const Quotation& q_;
  const Separators& separators_;
  const Pages& pages_;
  const Fonts& fonts_;
  double bodyBottom_;
  std::vector<Column> columns_;
  QStringList headings_;
  double headingHeight_ = 0;
  std::vector<QStringList> rows_;
  std::vector<double> rowHeights_;
  double closingHeight_ = 0;
  std::vector<std::size_t> pageStarts_;
};

}  // namespace

void PaintQuotation(const Quotation& quotation, const Separators& separators,
                    QPagedPaintDevice& device) {
  const QRectF page = device.pageLayout().paintRect(QPageLayout::Point);
  QPainter painter(&device);
  const double unit = device.logicalDpiY() / 72.0;
  const Fonts fonts{MakeFont(18, true), MakeFont(12, true), MakeFont(9.5, false),
                    MakeFont(9.5, true), MakeFont(8, false)};
  const Pages pages(painter, fonts, unit, page.width());
  const QuotationLayout layout(quotation, separators, pages, fonts, page.height());
  for (int i = 0; i < layout.PageCount(); ++i) {
    if (i > 0) device.newPage();
    layout.PaintPage(i);
  }
}

QByteArray QuotationPdf(const Quotation& quotation, const Separators& separators) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(720);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
    writer.setTitle(ToQString(QuotationTitle(quotation)));
    writer.setCreator(QStringLiteral("Corvane Cross-grade Price Calculator"));
    PaintQuotation(quotation, separators, writer);
  }
  return bytes;
}

}  // namespace corvane

#include "sheet/qt/quote_document.h"

#include <QFont>
#include <QPagedPaintDevice>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "qt/font_family.h"
#include "qt/paged_document.h"
#include "qt/qt_text.h"
#include "sheet/sheet_text.h"

namespace corvane {
namespace {

constexpr double kMarginMm = 18;
constexpr double kPadding = 3;
constexpr double kFooterHeight = 22;
constexpr double kBlockGap = 12;

// The fixed columns' widths in points; the description takes what is left.
constexpr std::array<double, kDocumentColumns> kColumnWidths = {0, 26, 60, 50, 66, 30, 76};
static_assert(kColumnWidths[0] == 0, "the description's width is what the others leave");

struct Fonts {
  QFont title;
  QFont seller;
  QFont text;
  QFont bold;
  QFont small;
};

Fonts MakeFonts() {
  const QString family = InstalledFamily(ArialOrLookAlikes());
  return Fonts{DocumentFont(family, 18, true), DocumentFont(family, 12, true),
               DocumentFont(family, 9, false), DocumentFont(family, 9, true),
               DocumentFont(family, 8, false)};
}

// A text in its place across the page.
struct Piece {
  QString text;
  const QFont* font;
  double x;
  double width;
  Qt::Alignment alignment;
};

// What stands side by side on the page, one above the other down it: a pair of lines of the
// first page's blocks, a row of the table, a total, a paragraph.
struct Item {
  enum class Kind { Block, Row, Closing };
  Kind kind = Kind::Block;
  std::vector<Piece> pieces;
  double gapBefore = 0;
  double padding = 0;
  bool ruleAbove = false;
  bool lineToFill = false;  // a rule to write on beside the text: the acceptance block's fields
  double height = 0;        // gap, padding and the tallest piece
};

class QuotationDocument final : public PagedDocument {
 public:
  QuotationDocument(const Quotation& quotation, const Separators& separators)
      : q_(quotation), separators_(separators), fonts_(MakeFonts()) {}

  int Layout(PagePainter& painter) override {
    width_ = painter.Page().width();
    bodyBottom_ = painter.Page().height() - kFooterHeight;
    double x = 0;
    for (std::size_t i = 0; i < kDocumentColumns; ++i) {
      const double width = i == 0 ? width_ - Sum(kColumnWidths) : kColumnWidths[i];
      columns_[i] = {x, width};
      x += width;
    }
    Build();
    for (Item& item : items_) Measure(painter, item);
    Measure(painter, heading_);
    Measure(painter, runningHead_);
    Paginate();
    return static_cast<int>(pages_.size());
  }

  void PaintPage(PagePainter& painter, int page, int pageCount) override {
    double y = 0;
    if (page > 0) y = Paint(painter, runningHead_, y);
    bool headed = false;
    for (const std::size_t index : pages_[static_cast<std::size_t>(page)]) {
      const Item& item = items_[index];
      if (item.kind == Item::Kind::Row && !headed) {
        y = Paint(painter, heading_, y);
        painter.Rule(0, y, width_, 0.5);
        headed = true;
      }
      y = Paint(painter, item, y);
    }
    painter.Rule(0, bodyBottom_ + 4, width_, 0.3);
    const QRectF foot(0, bodyBottom_ + 7, width_, 12);
    painter.Text(fonts_.small, foot, Qt::AlignLeft | Qt::AlignTop, ToQString(QuotationTitle(q_)));
    painter.Text(fonts_.small, foot, Qt::AlignRight | Qt::AlignTop,
                 QStringLiteral("Page %1 of %2").arg(page + 1).arg(pageCount));
  }

 private:
  struct Column {
    double x = 0;
    double width = 0;
  };

  static double Sum(const std::array<double, kDocumentColumns>& widths) {
    double sum = 0;
    for (double width : widths) sum += width;
    return sum;
  }

  QString Price(Money amount) const { return ToQString(FormatPrice(amount, separators_)); }

  // Lines side by side in two columns, a pair to an item, so that a long block flows on to the
  // next page instead of running off this one.
  void AddBlock(const std::vector<Piece>& left, const std::vector<Piece>& right, double gap) {
    const std::size_t count = std::max(left.size(), right.size());
    for (std::size_t i = 0; i < count; ++i) {
      Item item{Item::Kind::Block, {}, i == 0 ? gap : 0, 0, false, false, 0};
      if (i < left.size()) item.pieces.push_back(left[i]);
      if (i < right.size()) item.pieces.push_back(right[i]);
      items_.push_back(std::move(item));
    }
  }

  std::vector<Piece> Lines(const std::vector<std::string>& lines, const QFont& first,
                           const QFont& rest, double x, double width,
                           Qt::Alignment alignment = Qt::AlignLeft) const {
    std::vector<Piece> pieces;
    for (const std::string& line : lines) {
      pieces.push_back({ToQString(line), pieces.empty() ? &first : &rest, x, width, alignment});
    }
    return pieces;
  }

  Item TableRow(const DocumentRow& cells, const QFont& font, Item::Kind kind) const {
    Item item{kind, {}, 0, kPadding, false, false, 0};
    for (std::size_t i = 0; i < kDocumentColumns; ++i) {
      item.pieces.push_back({ToQString(cells[i]), &font, columns_[i].x + kPadding,
                             columns_[i].width - 2 * kPadding,
                             i == 0 ? Qt::AlignLeft : Qt::AlignRight});
    }
    return item;
  }

  Item Paragraph(const std::string& text, const QFont& font, double gap) const {
    return {Item::Kind::Closing,
            {{ToQString(text), &font, 0, width_, Qt::AlignLeft}},
            gap,
            0,
            false,
            false,
            0};
  }

  void Build() {
    items_.clear();
    const double half = width_ * 0.55;
    std::vector<Piece> right = {{ToQString(std::string(kQuotationHeading)), &fonts_.title, half,
                                 width_ - half, Qt::AlignRight}};
    for (Piece& fact :
         Lines(QuoteFacts(q_), fonts_.text, fonts_.text, half, width_ - half, Qt::AlignRight)) {
      right.push_back(std::move(fact));
    }
    AddBlock(Lines(SellerLines(q_.dealer), fonts_.seller, fonts_.text, 0, half - kBlockGap), right,
             0);
    AddBlock(Lines(BuyerLines(q_.customer), fonts_.bold, fonts_.text, 0, half - kBlockGap), {},
             kBlockGap);

    heading_ = TableRow(ColumnHeadings(q_), fonts_.bold, Item::Kind::Row);
    heading_.gapBefore = kBlockGap;
    firstRow_ = items_.size();
    for (const QuoteLine& line : q_.lines) {
      items_.push_back(TableRow(LineCells(line, separators_), fonts_.text, Item::Kind::Row));
    }
    lastRow_ = items_.size();

    const double labelWidth = width_ - kColumnWidths.back();
    bool first = true;
    for (const TotalRow& row : TotalRows(q_, separators_)) {
      items_.push_back(
          {Item::Kind::Closing,
           {{ToQString(row.label), &fonts_.bold, 0, labelWidth - kPadding, Qt::AlignRight},
            {Price(row.amount), &fonts_.bold, labelWidth, kColumnWidths.back() - kPadding,
             Qt::AlignRight}},
           first ? 2.0 : 0.0,
           kPadding,
           first,
           false,
           0});
      first = false;
    }
    if (const std::string note = IncludingNote(q_); !note.empty()) {
      items_.push_back(Paragraph(note, fonts_.small, 4));
    }
    items_.push_back(Paragraph(ValidityText(q_), fonts_.bold, kBlockGap));
    double gap = 6;
    for (const std::string& line : TermsLines(q_)) {
      items_.push_back(Paragraph(line, fonts_.text, gap));
      gap = 0;
    }
    const std::vector<std::string> payment = PaymentLines(q_.dealer);
    for (std::size_t i = 0; i < payment.size(); ++i) {
      items_.push_back(
          Paragraph(payment[i], i == 0 ? fonts_.bold : fonts_.text, i == 0 ? kBlockGap : 0));
    }
    items_.push_back(Paragraph(AcceptanceHeading(q_), fonts_.bold, kBlockGap + 4));
    for (std::string_view field : kAcceptanceFields) {
      Item blank = Paragraph(std::string(field) + ":", fonts_.text, 14);
      blank.pieces.front().width = 80;
      blank.lineToFill = true;
      items_.push_back(std::move(blank));
    }

    const QString continued = ToQString(QuotationTitle(q_)) + QStringLiteral(" (continued)");
    runningHead_ = {Item::Kind::Block,
                    {{continued, &fonts_.bold, 0, width_, Qt::AlignLeft}},
                    0,
                    0,
                    false,
                    false,
                    0};
    runningHead_.padding = 5;
  }

  static void Measure(PagePainter& painter, Item& item) {
    double tallest = 0;
    for (const Piece& piece : item.pieces) {
      tallest = std::max(tallest, painter.Paragraph(*piece.font, piece.text, piece.x, 0,
                                                    piece.width, piece.alignment, false));
    }
    item.height = item.gapBefore + tallest + 2 * item.padding;
  }

  double Paint(PagePainter& painter, const Item& item, double y) const {
    const double top = y + item.gapBefore;
    if (item.ruleAbove) painter.Rule(0, top - 1, width_, 0.5);
    for (const Piece& piece : item.pieces) {
      painter.Paragraph(*piece.font, piece.text, piece.x, top + item.padding, piece.width,
                        piece.alignment, true);
    }
    if (item.lineToFill) painter.Rule(90, y + item.height - 2, 200, 0.4);
    return y + item.height;
  }

  // Items fill each page top to bottom. The last line takes the closing items (totals, VAT,
  // validity, terms, payment, acceptance) with it to the next page when they do not all fit
  // after it, so that they never stand on a page of their own; only when they could not fit on
  // any one page with it do they flow on, an item at a time.
  void Paginate() {
    double closing = 0;
    for (std::size_t i = lastRow_; i < items_.size(); ++i) closing += items_[i].height;
    const double top = runningHead_.height;
    pages_ = {{}};
    double y = 0;
    bool headed = false;
    const auto newPage = [&] {
      pages_.emplace_back();
      y = top;
      headed = false;
    };
    for (std::size_t i = 0; i < items_.size(); ++i) {
      const Item& item = items_[i];
      const bool row = i >= firstRow_ && i < lastRow_;
      double needed = item.height + (row && !headed ? heading_.height : 0);
      if (row && i + 1 == lastRow_) {
        const double together = needed + closing;
        const bool fitsOnAPage = top + heading_.height + item.height + closing <= bodyBottom_;
        if (fitsOnAPage) needed = together;
      }
      if (y + needed > bodyBottom_ && !pages_.back().empty()) newPage();
      if (row && !headed) {
        y += heading_.height;
        headed = true;
      }
      pages_.back().push_back(i);
      y += item.height;
    }
  }

  const Quotation& q_;
  const Separators& separators_;
  Fonts fonts_;
  double width_ = 0;
  double bodyBottom_ = 0;
  std::array<Column, kDocumentColumns> columns_{};
  std::vector<Item> items_;
  Item heading_;
  Item runningHead_;
  std::size_t firstRow_ = 0;
  std::size_t lastRow_ = 0;
  std::vector<std::vector<std::size_t>> pages_;
};

}  // namespace

bool PaintQuotation(const Quotation& quotation, const Separators& separators,
                    QPagedPaintDevice& device) {
  QuotationDocument document(quotation, separators);
  return PaintPages(document, device);
}

QByteArray QuotationPdf(const Quotation& quotation, const Separators& separators) {
  QuotationDocument document(quotation, separators);
  return A4Pdf(document, ToQString(QuotationTitle(quotation)), kMarginMm);
}

}  // namespace corvane

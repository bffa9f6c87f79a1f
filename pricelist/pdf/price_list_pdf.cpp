#include "pricelist/pdf/price_list_pdf.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QRectF>

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "pricebook/effective_date.h"
#include "pricelist/price_list_sections.h"
#include "qt/font_family.h"
#include "qt/paged_document.h"
#include "qt/qt_text.h"
#include "qt/save_file.h"

namespace corvane {
namespace {

// The page is laid out in points.
constexpr double kMarginMm = 15;

constexpr double kRunningHeight = 24;  // the running header above the body, and the footer below
constexpr double kAmountWidth = 78;    // each amount column, right-aligned
constexpr double kRowHeight = 12.5;

// A short phrase for the reason a price was refused; the notes give the warning whole. An error
// that stopped the quote has no reason of its own.
QString PhraseFor(const std::vector<Refusal>& reasons) {
  if (reasons.size() != 1) return QStringLiteral("not quoted");
  switch (reasons.front()) {
    case Refusal::NotInDatabase:
      return QStringLiteral("not in the price book");
    case Refusal::FewerTerminals:
      return QStringLiteral("fewer terminals");
    case Refusal::DiscountOutOfRange:
      return QStringLiteral("discount out of range");
    case Refusal::SamePackage:
      return QStringLiteral("same package");
    case Refusal::ToPipwick:
      return QStringLiteral("no upgrade to PIPWICK");
  }
  return QStringLiteral("not quoted");
}

struct Fonts {
  QFont title;
  QFont running;
  QFont runningBold;
  QFont text;
  QFont small;
  QFont section;
  QFont bold;
  QFont smallBold;
  QFont italic;
};

Fonts MakeFonts() {
  // Arial where it is installed, else a font with its metrics, as in the window.
  const QString family = InstalledFamily(ArialOrLookAlikes());
  return Fonts{DocumentFont(family, 18, true),        DocumentFont(family, 8, false),
               DocumentFont(family, 8, true),         DocumentFont(family, 9.5, false),
               DocumentFont(family, 8.5, false),      DocumentFont(family, 12, true),
               DocumentFont(family, 9.5, true),       DocumentFont(family, 8.5, true),
               DocumentFont(family, 9.5, false, true)};
}

// One line of the body, or one wrapped paragraph for the title block and the notes.
struct Line {
  enum class Kind { Title, Heading, SectionTitle, ColumnHeads, Group, Row, Note };
  Kind kind = Kind::Row;
  QString text;                       // the label, the heading or the note
  const PriceListRow* row = nullptr;  // Row: the prices or the refusal
  int note = 0;                       // Row: the refusal's note; Note: its number
  double height = 0;
  bool shaded = false;
};

// Lines that stay on one page when they fit on one; `section` names the section they belong to,
// so that a page that continues it repeats its heading.
struct Block {
  std::vector<Line> lines;
  QString section;
  double Height() const {
    double height = 0;
    for (const Line& line : lines) height += line.height;
    return height;
  }
};

class Layout {
 public:
  Layout(const Fonts& fonts, const PagePainter& pages, double width)
      : fonts_(fonts), pages_(pages), width_(width) {}

  double WrappedHeight(const QFont& font, const QString& text, double width) const {
    return pages_.BoundingHeight(font, text, width, Qt::TextWordWrap | Qt::AlignLeft);
  }

  Line Title(const QString& text) const { return {Line::Kind::Title, text, nullptr, 0, 30, false}; }
  Line Gap() const { return {Line::Kind::Heading, {}, nullptr, 0, 6, false}; }
  Line Heading(const QString& text) const {
    return {
        Line::Kind::Heading, text, nullptr, 0, WrappedHeight(fonts_.text, text, width_) + 3, false};
  }
  Line SectionTitle(const QString& text) const {
    return {Line::Kind::SectionTitle, text, nullptr, 0, 26, false};
  }
  Line ColumnHeads() const { return {Line::Kind::ColumnHeads, {}, nullptr, 0, 14, false}; }
  Line Group(const QString& text) const {
    return {Line::Kind::Group, text, nullptr, 0, kRowHeight + 5, false};
  }
  Line Row(const QString& label, const PriceListRow& row, int note, bool shaded) const {
    return {Line::Kind::Row, label, &row, note, kRowHeight, shaded};
  }
  Line Note(int number, const QString& text) const {
    return {Line::Kind::Note,
            text,
            nullptr,
            number,
            WrappedHeight(fonts_.small, text, width_ - 24) + 6,
            false};
  }

 private:
  const Fonts& fonts_;
  const PagePainter& pages_;
  double width_;
};

// The notes number the distinct warnings in the order they first appear.
class Notes {
 public:
  int NumberFor(const PriceListRow& row) {
    std::string text;
    for (const std::string& warning : row.warnings) {
      if (!text.empty()) text += "\n\n";
      text += warning;
    }
    const auto [found, added] = numbers_.try_emplace(text, static_cast<int>(texts_.size()) + 1);
    if (added) texts_.push_back(text);
    return found->second;
  }
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  std::map<std::string, int> numbers_;
  std::vector<std::string> texts_;
};

// Warnings separate their lines with CR LF, as message boxes do.
QString NoteText(const std::string& warning) {
  QString text = ToQString(warning);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::vector<Block> BuildBlocks(const PriceList& list, const Layout& layout) {
  std::vector<Block> blocks;
  blocks.push_back({{layout.Title(ToQString(TitleText(list.title))),
                     layout.Heading(ToQString(FootnoteText(list.title.effective))),
                     layout.Heading(ToQString(TermsText(list)))},
                    {}});
  Notes notes;
  // A block for each From package's group of cross-grades, and for each row of the other
  // sections; the first block of a section opens with its title and column heads.
  for (const PriceListSection& section : Sections(list.rows)) {
    const QString title = ToQString(section.title);
    bool first = true;
    bool shaded = false;
    const auto newBlock = [&] {
      blocks.push_back({{}, title});
      if (first) blocks.back().lines = {layout.SectionTitle(title), layout.ColumnHeads()};
      first = false;
    };
    for (const PriceListGroup& group : section.groups) {
      if (!group.heading.empty()) {
        newBlock();
        shaded = false;
        blocks.back().lines.push_back(layout.Group(ToQString(group.heading)));
      }
      for (const PriceListRow* row : group.rows) {
        const int note = row->Refused() ? notes.NumberFor(*row) : 0;
        if (group.heading.empty()) newBlock();
        blocks.back().lines.push_back(layout.Row(ToQString(RowLabel(*row)), *row, note, shaded));
        shaded = !shaded;
      }
    }
    if (section.kind == PriceKind::CrossGrade && !list.leftOut.empty()) {
      blocks.push_back({{layout.Gap(), layout.Heading(ToQString(LeftOutNote(list)))}, {}});
    }
  }
  if (!notes.Texts().empty()) {
    blocks.push_back({{layout.SectionTitle(QStringLiteral("Notes"))}, {}});
    int number = 0;
    for (const std::string& text : notes.Texts()) {
      blocks.back().lines.push_back(layout.Note(++number, NoteText(text)));
      blocks.push_back({{}, {}});
    }
    blocks.pop_back();
  }
  return blocks;
}

struct PlacedLine {
  Line line;
  double top = 0;
};
using Page = std::vector<PlacedLine>;

// Fills pages top to bottom. A block that does not fit in what is left of a page starts the next
// one, unless it would not fit on a whole page either; a page that continues a section opens with
// its title and column heads.
std::vector<Page> Paginate(const std::vector<Block>& blocks, const Layout& layout,
                           double bodyHeight) {
  std::vector<Page> pages(1);
  double y = 0;
  const auto newPage = [&](const QString& section) {
    pages.emplace_back();
    y = 0;
    if (section.isEmpty()) return;
    for (Line line :
         {layout.SectionTitle(section + QStringLiteral(" (continued)")), layout.ColumnHeads()}) {
      pages.back().push_back({line, y});
      y += line.height;
    }
  };
  for (const Block& block : blocks) {
    const bool startsSection =
        !block.lines.empty() && block.lines.front().kind == Line::Kind::SectionTitle;
    const QString continued = startsSection ? QString() : block.section;
    if (y > 0 && y + block.Height() > bodyHeight && block.Height() <= bodyHeight) {
      newPage(continued);
    }
    for (const Line& line : block.lines) {
      if (y > 0 && y + line.height > bodyHeight) newPage(continued);
      pages.back().push_back({line, y});
      y += line.height;
    }
  }
  return pages;
}

class Painter {
 public:
  Painter(PagePainter& painter, const Fonts& fonts, double width, double height,
          const PriceList& list)
      : painter_(painter),
        fonts_(fonts),
        width_(width),
        height_(height),
        title_(ToQString(TitleText(list.title))),
        terms_(
            QStringLiteral("Prices effective %1, in %2")
                .arg(ToQString(LongDate(list.title.effective)), ToQString(list.title.currency))) {}

  void RunningHeadAndFoot(int page, int pages) {
    Text(fonts_.runningBold, QRectF(0, 0, width_ * 0.6, 12), Qt::AlignLeft, title_);
    Text(fonts_.running, QRectF(0, 0, width_, 12), Qt::AlignRight, terms_);
    Rule(14, 0.5);
    Rule(height_ - 16, 0.5);
    Text(fonts_.running, QRectF(0, height_ - 12, width_, 12), Qt::AlignLeft,
         QStringLiteral("Prices are recommended retail prices and are subject to change without "
                        "notice."));
    Text(fonts_.running, QRectF(0, height_ - 12, width_, 12), Qt::AlignRight,
         QStringLiteral("Page %1 of %2").arg(page).arg(pages));
  }

  void Draw(const Line& line, double top) {
    const double excludingLeft = width_ - 2 * kAmountWidth;
    switch (line.kind) {
      case Line::Kind::Title:
        Text(fonts_.title, QRectF(0, top, width_, 24), Qt::AlignLeft | Qt::AlignTop, line.text);
        break;
      case Line::Kind::Heading:
        Text(fonts_.text, QRectF(0, top, width_, line.height), Qt::AlignLeft | Qt::AlignTop,
             line.text, true);
        break;
      case Line::Kind::SectionTitle:
        Text(fonts_.section, QRectF(0, top + 8, width_, 16), Qt::AlignLeft | Qt::AlignVCenter,
             line.text);
        break;
      case Line::Kind::ColumnHeads:
        Text(fonts_.smallBold, QRectF(excludingLeft, top, kAmountWidth, 12),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Excl. VAT"));
        Text(fonts_.smallBold, QRectF(width_ - kAmountWidth, top, kAmountWidth, 12),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Incl. VAT"));
        Rule(top + 13, 0.5);
        break;
      case Line::Kind::Group:
        Text(fonts_.bold, QRectF(4, top + 5, width_, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
             line.text);
        break;
      case Line::Kind::Row:
        DrawRow(line, top, excludingLeft);
        break;
      case Line::Kind::Note:
        Text(fonts_.smallBold, QRectF(0, top + 3, 20, line.height), Qt::AlignRight | Qt::AlignTop,
             QString::number(line.note));
        Text(fonts_.small, QRectF(24, top + 3, width_ - 24, line.height),
             Qt::AlignLeft | Qt::AlignTop, line.text, true);
        break;
    }
  }

 private:
  void DrawRow(const Line& line, double top, double excludingLeft) {
    const PriceListRow& row = *line.row;
    if (line.shaded) {
      painter_.Fill(QRectF(0, top, width_, kRowHeight), QColor(0xf0, 0xf0, 0xf0));
    }
    const double indent = row.kind == PriceKind::CrossGrade ? 16 : 4;
    const auto vertical = Qt::AlignVCenter;
    Text(fonts_.text, QRectF(indent, top, excludingLeft - indent - 6, kRowHeight),
         Qt::AlignLeft | vertical, line.text);
    if (row.Refused()) {
      Text(fonts_.italic, QRectF(excludingLeft - 40, top, 2 * kAmountWidth + 40, kRowHeight),
           Qt::AlignRight | vertical,
           QStringLiteral("%1 (note %2)").arg(PhraseFor(row.reasons)).arg(line.note));
      return;
    }
    Text(fonts_.text, QRectF(excludingLeft, top, kAmountWidth, kRowHeight),
         Qt::AlignRight | vertical, ToQString(row.excludingVat));
    Text(fonts_.text, QRectF(width_ - kAmountWidth, top, kAmountWidth, kRowHeight),
         Qt::AlignRight | vertical, ToQString(row.includingVat));
  }

  void Text(const QFont& font, const QRectF& points, Qt::Alignment alignment, const QString& text,
            bool wrap = false) {
    const int flags = static_cast<int>(alignment.toInt()) | (wrap ? Qt::TextWordWrap : 0);
    painter_.Text(font, points, flags, text);
  }

  void Rule(double y, double thickness) { painter_.Rule(0, y, width_, thickness); }

  PagePainter& painter_;
  const Fonts& fonts_;
  double width_;
  double height_;
  QString title_;
  QString terms_;
};

// The list as a paged document: laid out once the page's measures are known.
class PriceListDocument final : public PagedDocument {
 public:
  explicit PriceListDocument(const PriceList& list) : list_(list), fonts_(MakeFonts()) {}

  int Layout(PagePainter& painter) override {
    width_ = painter.Page().width();
    height_ = painter.Page().height();
    const class Layout layout(fonts_, painter, width_);
    pages_ = Paginate(BuildBlocks(list_, layout), layout, height_ - 2 * kRunningHeight);
    return static_cast<int>(pages_.size());
  }

  void PaintPage(PagePainter& painter, int page, int pageCount) override {
    Painter draw(painter, fonts_, width_, height_, list_);
    draw.RunningHeadAndFoot(page + 1, pageCount);
    for (const PlacedLine& placed : pages_[static_cast<std::size_t>(page)]) {
      draw.Draw(placed.line, kRunningHeight + placed.top);
    }
  }

 private:
  const PriceList& list_;
  Fonts fonts_;
  double width_ = 0;
  double height_ = 0;
  std::vector<Page> pages_;
};

}  // namespace

QString WritePriceListPdf(const PriceList& list, const QString& path) {
  PriceListDocument document(list);
  const QByteArray pdf = A4Pdf(document, ToQString(TitleText(list.title)), kMarginMm);
  if (pdf.isEmpty()) return QStringLiteral("the PDF could not be made");
  return SaveFile(path, pdf).value_or(QString());
}

}  // namespace corvane

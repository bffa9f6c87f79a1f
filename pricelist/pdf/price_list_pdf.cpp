#include "pricelist/pdf/price_list_pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "pricebook/effective_date.h"
#include "pricelist/price_list_sections.h"
#include "qt/font_family.h"
#include "qt/qt_text.h"
#include "qt/save_file.h"

namespace corvane {
namespace {

// The page is laid out in points; the writer's resolution is ten device units to the point, fine
// enough that right-aligned amounts line up exactly.
constexpr int kResolution = 720;
constexpr double kUnit = kResolution / 72.0;
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

QFont MakeFont(const QString& family, double points, bool bold, bool italic = false) {
  QFont font;
  if (!family.isEmpty()) font.setFamilies({family});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

Fonts MakeFonts() {
  // Arial where it is installed, else a font with its metrics, as in the window.
  const QString family = InstalledFamily(ArialOrLookAlikes());
  return Fonts{MakeFont(family, 18, true),        MakeFont(family, 8, false),
               MakeFont(family, 8, true),         MakeFont(family, 9.5, false),
               MakeFont(family, 8.5, false),      MakeFont(family, 12, true),
               MakeFont(family, 9.5, true),       MakeFont(family, 8.5, true),
               MakeFont(family, 9.5, false, true)};
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
  Layout(const Fonts& fonts, QPaintDevice& device, double width)
      : fonts_(fonts), device_(device), width_(width) {}

  double WrappedHeight(const QFont& font, const QString& text, double width) const {
    const QFontMetricsF metrics(font, &device_);
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, width * kUnit, 1e6),
                                               Qt::TextWordWrap | Qt::AlignLeft, text);
    return bounds.height() / kUnit;
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
  QPaintDevice& device_;
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
  Painter(QPainter& painter, const Fonts& fonts, double width, double height, const PriceList& list)
      : painter_(painter),
        fonts_(fonts),
        width_(width),
        height_(height),
        title_(ToQString(TitleText(list.title))),
        terms_(
            QStringLiteral("Prices effective %1, in %2")
                .arg(ToQString(LongDate(list.title.effective)), ToQString(list.title.currency))) {}

  void RunningHeadAndFoot(int page, int pages) {
    painter_.setPen(Qt::black);
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
      painter_.fillRect(Scaled(QRectF(0, top, width_, kRowHeight)), QColor(0xf0, 0xf0, 0xf0));
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

  static QRectF Scaled(const QRectF& points) {
    return {points.x() * kUnit, points.y() * kUnit, points.width() * kUnit,
            points.height() * kUnit};
  }

  void Text(const QFont& font, const QRectF& points, Qt::Alignment alignment, const QString& text,
            bool wrap = false) {
    painter_.setFont(font);
    const int flags = static_cast<int>(alignment.toInt()) | (wrap ? Qt::TextWordWrap : 0);
    painter_.drawText(Scaled(points), flags, text);
  }

  void Rule(double y, double thickness) {
    painter_.fillRect(Scaled(QRectF(0, y, width_, thickness)), Qt::black);
  }

  QPainter& painter_;
  const Fonts& fonts_;
  double width_;
  double height_;
  QString title_;
  QString terms_;
};

}  // namespace

QString WritePriceListPdf(const PriceList& list, const QString& path) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(ToQString(TitleText(list.title)));
    writer.setCreator(QStringLiteral("corvane-pricelist"));

    QPainter painter;
    if (!painter.begin(&writer)) return QStringLiteral("the PDF could not be started");
    const Fonts fonts = MakeFonts();
    const double width = writer.width() / kUnit;
    const double height = writer.height() / kUnit;
    const Layout layout(fonts, writer, width);
    const std::vector<Page> pages =
        Paginate(BuildBlocks(list, layout), layout, height - 2 * kRunningHeight);
    Painter draw(painter, fonts, width, height, list);
    const int pageCount = static_cast<int>(pages.size());
    for (int index = 0; index < pageCount; ++index) {
      if (index > 0) writer.newPage();
      draw.RunningHeadAndFoot(index + 1, pageCount);
      for (const PlacedLine& placed : pages[static_cast<std::size_t>(index)]) {
        draw.Draw(placed.line, kRunningHeight + placed.top);
      }
    }
    painter.end();
  }
  if (pdf.isEmpty()) return QStringLiteral("the PDF could not be made");
  return SaveFile(path, pdf).value_or(QString());
}

}  // namespace corvane

#include "window/qt/frm_tindrel.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "pricebook/effective_date.h"
#include "qt/announcer.h"
#include "qt/fit_to_screen.h"
#include "qt/font_family.h"
#include "qt/qt_text.h"
#include "sheet/qt/quote_sheet_window.h"
#include "window/event_boundary.h"
#include "window/qt/accessible_widgets.h"
#include "window/qt/caption_button.h"
#include "window/qt/corvane.xpm"
#include "window/qt/field_keys.h"
#include "window/qt/keyboard_habits.h"
#include "window/qt/price_book_actions.h"
#include "window/qt/quote_actions.h"
#include "window/window_texts.h"

namespace corvane {
namespace {

// Positions and sizes are laid out in twips, 15 to the pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;
constexpr int ToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

// Font sizes are given in hundredths of a point and drawn at 96 dots per inch.
constexpr int PixelsAt96Dpi(int centipoints) {
  return (centipoints * 96 + 3600) / 7200;
}

const QColor kDarkGrey(64, 64, 64);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kLightGreen(128, 255, 128);
const QColor kLightCyan(128, 255, 255);
const QColor kLightGrey(224, 224, 224);
const QColor kGreyedText(150, 150, 150);  // a disabled caption on the dark grey

constexpr const char* kTitleText =
    "Select the \"From\" and \"To\" Corvane packages for the cross-grade. Also set the Dealer "
    "Discount (if any).";

// Each distinct font is built once: matching a font against the installed ones is the costly
// part of opening a window. Liberation Sans has Arial's metrics and stands in where the Windows
// fonts are not installed.
struct WindowFonts {
  QFont arial;           // Arial 12 pt
  QFont arialBold;       // Arial 12 pt bold
  QFont arialSmallBold;  // Arial 9.75 pt bold
  QFont sans;            // MS Sans Serif 12 pt
  QFont sansBold;        // MS Sans Serif 12 pt bold
  QFont sansSmall;       // MS Sans Serif 9.75 pt
};

QFont MakeFont(const QString& family, int centipoints, bool bold) {
  QFont font = UnhintedFont(family, bold);
  font.setPixelSize(PixelsAt96Dpi(centipoints));
  return font;
}

WindowFonts MakeWindowFonts() {
  const QStringList installed = QFontDatabase::families();
  const QString arial = InstalledFamily(ArialOrLookAlikes(), installed);
  const QString sans = InstalledFamily(
      QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")} +
          ArialOrLookAlikes().mid(1),
      installed);
  return WindowFonts{MakeFont(arial, 1200, false), MakeFont(arial, 1200, true),
                     MakeFont(arial, 975, true),   MakeFont(sans, 1200, false),
                     MakeFont(sans, 1200, true),   MakeFont(sans, 975, false)};
}

void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, colour);
  widget.setPalette(palette);
}

// A control is made inside its container and given its font before its text: a text set earlier
// would be measured in the desktop's font, which would have to be loaded for that alone.
template <typename Control>
Control* Add(QWidget& parent, const char* name, Twips at, const QFont& font) {
  auto* control = new Control(&parent);
  control->setObjectName(QLatin1String(name));
  control->setGeometry(ToPixels(at.left), ToPixels(at.top), ToPixels(at.width),
                       ToPixels(at.height));
  control->setFont(font);
  return control;
}

// A caption on a transparent background; it wraps at its width and never takes the focus.
QLabel* AddLabel(QWidget& parent, const char* name, const QString& text, Twips at,
                 const QFont& font, const QColor& colour, Qt::Alignment alignment) {
  auto* label = Add<QLabel>(parent, name, at, font);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setWordWrap(true);
  label->setAlignment(alignment | Qt::AlignTop);
  label->setFocusPolicy(Qt::NoFocus);
  SetColour(*label, QPalette::WindowText, colour);
  return label;
}

QGroupBox* AddFrame(QWidget& parent, const char* name, const QString& caption, Twips at,
                    const QFont& font) {
  auto* frame = Add<QGroupBox>(parent, name, at, font);
  frame->setTitle(caption);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, kDarkGrey);
  palette.setColor(QPalette::WindowText, kWhite);
  frame->setPalette(palette);
  frame->setAutoFillBackground(true);
  return frame;
}

QComboBox* AddComboBox(QWidget& parent, const char* name, std::string_view text, Twips at,
                       const QFont& font, const QString& accessibleName) {
  auto* combo = Add<QComboBox>(parent, name, at, font);
  // Giving the combo box its edit field makes it editable without building its popup list, which
  // waits until the list is first opened.
  auto* edit = new QLineEdit(combo);
  edit->setAccessibleName(accessibleName);  // a screen reader lands in the field, not the box
  combo->setLineEdit(edit);
  combo->setEditText(ToQString(text));
  combo->setAccessibleName(accessibleName);
  return combo;
}

QLineEdit* AddPriceBox(QWidget& parent, const char* name, Twips at, const QFont& font,
                       const QString& accessibleName) {
  auto* box = Add<QLineEdit>(parent, name, at, font);
  box->setReadOnly(true);  // the window writes prices here and never reads them back
  box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  box->setAccessibleName(accessibleName);
  return box;
}

QPushButton* AddButton(QWidget& parent, const char* name, const QString& caption, Twips at,
                       const QFont& font) {
  auto* button = Add<CaptionButton>(parent, name, at, font);
  button->setText(caption);
  button->setAutoDefault(false);
  button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
  return button;
}

// An age button: white on the frame's dark grey, hidden and disabled from the start.
QRadioButton* AddAgeButton(QWidget& parent, const char* name, std::string_view caption, Twips at,
                           const QFont& font, bool selected) {
  auto* button = Add<QRadioButton>(parent, name, at, font);
  button->setText(AgeCaptionWithAccessKey(caption));
  QPalette palette = button->palette();
  palette.setColor(QPalette::WindowText, kWhite);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, kGreyedText);
  button->setPalette(palette);
  button->setChecked(selected);
  button->setEnabled(false);
  button->setVisible(false);
  return button;
}

}  // namespace

FrmTindrel::Widgets FrmTindrel::CreateWidgets(QWidget& window) {
  // Qt keeps the first interface it makes for a widget, so the window's own come first.
  InstallAccessibleInterfaces();
  window.setObjectName(QStringLiteral("frmTindrel"));
  window.setWindowTitle(ToQString(kWindowCaption));
  window.setFixedSize(ToPixels(6480), ToPixels(7455));
  SetColour(window, QPalette::Window, kDarkGrey);
  window.setAutoFillBackground(true);

  const WindowFonts fonts = MakeWindowFonts();
  const Qt::Alignment left = Qt::AlignLeft;
  const Qt::Alignment centred = Qt::AlignHCenter;
  Widgets w{};

  w.lblTitle = AddLabel(window, "lblTitle", QString::fromLatin1(kTitleText), {240, 120, 6135, 975},
                        fonts.arial, kRed, centred);

  w.fmeFrom = AddFrame(window, "fmeFrom", QStringLiteral("Cross-grade FROM (or New package)"),
                       {240, 1080, 6015, 2415}, fonts.arialBold);
  QGroupBox& from = *w.fmeFrom;
  w.Combo1 = AddComboBox(from, "Combo1", "", {120, 480, 5655, 420}, fonts.sansBold,
                         QStringLiteral("From package"));
  w.lblAge = AddLabel(from, "lblAge", QStringLiteral("How old is the package being traded-in?"),
                      {120, 940, 4695, 400}, fonts.sans, kLightCyan, left);
  w.lblAge->setEnabled(false);
  w.lblAge->setVisible(false);
  w.optAge[0] =
      AddAgeButton(from, "optAge0", kStartAgeCaptions[0], {480, 1250, 3375, 375}, fonts.sans, true);
  w.optAge[1] = AddAgeButton(from, "optAge1", kStartAgeCaptions[1], {480, 1570, 4095, 375},
                             fonts.sans, false);
  w.optAge[2] = AddAgeButton(from, "optAge2", kStartAgeCaptions[2], {480, 1920, 4095, 375},
                             fonts.sans, false);

  w.fmeTo = AddFrame(window, "fmeTo", QStringLiteral("Cross-grade TO"), {240, 3600, 6015, 2295},
                     fonts.arialBold);
  QGroupBox& to = *w.fmeTo;
  w.Combo2 = AddComboBox(to, "Combo2", kNothingSelected, {120, 480, 5655, 420}, fonts.sansBold,
                         QStringLiteral("To package"));
  w.lblDisc = AddLabel(to, "lblDisc", QStringLiteral("Discount%"), {2880, 1125, 1695, 375},
                       fonts.sansBold, kLightGrey, Qt::AlignRight);
  w.Combo3 = AddComboBox(to, "Combo3", kStartDiscountText, {4680, 1080, 1095, 420}, fonts.sansBold,
                         QStringLiteral("Dealer discount"));
  w.lblDisc->setBuddy(w.Combo3);
  w.Label2 = AddLabel(to, "Label2", QStringLiteral("EXcl.VAT"), {120, 1710, 1215, 375},
                      fonts.sansBold, kLightGrey, left);
  w.txtExclPrice = AddPriceBox(to, "txtExclPrice", {1320, 1680, 1575, 375}, fonts.sansBold,
                               QStringLiteral("Price excluding VAT"));
  w.Label2->setBuddy(w.txtExclPrice);
  w.Label3 = AddLabel(to, "Label3", QStringLiteral("INcl.VAT"), {3080, 1710, 1215, 375},
                      fonts.sansBold, kLightGrey, left);
  w.txtInclPrice = AddPriceBox(to, "txtInclPrice", {4200, 1680, 1575, 375}, fonts.sansBold,
                               QStringLiteral("Price including VAT"));
  w.Label3->setBuddy(w.txtInclPrice);

  w.Label6 = AddLabel(window, "Label6", ToQString(kFootnoteText), {240, 6000, 6015, 615},
                      fonts.arialSmallBold, kLightGreen, centred);
  w.cmdOther = AddButton(window, "cmdOther", QStringLiteral("&Other Prices"),
                         {360, 6600, 1215, 735}, fonts.arial);
  w.cmdSupport = AddButton(window, "cmdSupport", QStringLiteral("&Support contracts"),
                           {1920, 6600, 1215, 735}, fonts.arial);
  w.cmdUpgrade = AddButton(window, "cmdUpgrade", QStringLiteral("&Upgrade Prices"),
                           {3480, 6600, 1215, 735}, fonts.arial);
  w.cmdClose =
      AddButton(window, "cmdClose", QStringLiteral("&Close"), {5040, 6600, 1215, 735}, fonts.arial);

  // The item frame lies over the instruction line and both other frames while it is shown.
  w.fmeSupport = AddFrame(window, "fmeSupport", QStringLiteral("Click required Item for Price"),
                          {240, 70, 6015, 5895}, fonts.arialBold);
  QGroupBox& items = *w.fmeSupport;
  w.List1 = Add<QListWidget>(items, "List1", {120, 360, 5775, 4860}, fonts.sansSmall);
  w.List1->setAccessibleName(QStringLiteral("Item"));
  w.Label4 = AddLabel(items, "Label4", QStringLiteral("EXcl.VAT"), {120, 5430, 1215, 375},
                      fonts.sansBold, kLightGrey, left);
  w.txtSuppExcl = AddPriceBox(items, "txtSuppExcl", {1320, 5400, 1575, 375}, fonts.sansBold,
                              QStringLiteral("Item price excluding VAT"));
  w.Label4->setBuddy(w.txtSuppExcl);
  w.Label1 = AddLabel(items, "Label1", QStringLiteral("INcl.VAT"), {3075, 5430, 1215, 375},
                      fonts.sansBold, kLightGrey, left);
  w.txtSuppIncl = AddPriceBox(items, "txtSuppIncl", {4200, 5400, 1575, 375}, fonts.sansBold,
                              QStringLiteral("Item price including VAT"));
  w.Label1->setBuddy(w.txtSuppIncl);
  w.fmeSupport->setVisible(false);
  w.fmeSupport->raise();
  return w;
}

// A price written away from the focus is told to a screen reader once, as the eye sees it appear;
// switching between the modes shows prices too, but the reader hears the new frame instead.
template <typename Handler>
void FrmTindrel::Deliver(Handler handler) {
  const bool itemsShown = !w_.fmeSupport->isHidden();
  const QString said = PricesToSay();
  DeliverEvent(messages_, handler);
  const QString toSay = PricesToSay();
  if (!toSay.isEmpty() && toSay != said && itemsShown == !w_.fmeSupport->isHidden()) {
    announcer_->Announce(toSay);
  }
}

QString FrmTindrel::PricesToSay() const {
  const bool items = !w_.fmeSupport->isHidden();
  const QLineEdit& excluding = items ? *w_.txtSuppExcl : *w_.txtExclPrice;
  const QLineEdit& including = items ? *w_.txtSuppIncl : *w_.txtInclPrice;
  if (excluding.text().isEmpty()) return excluding.accessibleDescription();
  return QStringLiteral("%1 excluding VAT, %2 including VAT")
      .arg(excluding.text(), including.text());
}

FrmTindrel::FrmTindrel(PriceBook book, Separators separators, QWidget* parent)
    : QWidget(parent),
      book_(std::move(book)),
      w_(CreateWidgets(*this)),
      combo1_(*w_.Combo1),
      combo2_(*w_.Combo2),
      combo3_(*w_.Combo3),
      list1_(*w_.List1),
      txtExclPrice_(*w_.txtExclPrice),
      txtInclPrice_(*w_.txtInclPrice),
      txtSuppExcl_(*w_.txtSuppExcl),
      txtSuppIncl_(*w_.txtSuppIncl),
      fmeSupport_(*w_.fmeSupport),
      lblTitle_(*w_.lblTitle),
      fmeFrom_(*w_.fmeFrom),
      fmeTo_(*w_.fmeTo),
      optAge_{QtOptionButton(*w_.optAge[0]), QtOptionButton(*w_.optAge[1]),
              QtOptionButton(*w_.optAge[2])},
      messageBoxes_(*this),
      messages_(messageBoxes_),
      form_(*this),
      behaviour_(book_,
                 WindowControls{combo1_,
                                combo2_,
                                combo3_,
                                list1_,
                                txtExclPrice_,
                                txtInclPrice_,
                                txtSuppExcl_,
                                txtSuppIncl_,
                                fmeSupport_,
                                lblTitle_,
                                fmeFrom_,
                                fmeTo_,
                                {&optAge_[0], &optAge_[1], &optAge_[2]},
                                messages_,
                                form_},
                 std::move(separators)),
      quoteActions_(new QuoteActions(*this, behaviour_, messages_)),
      bookActions_(new PriceBookActions(*this, messages_)),
      announcer_(new Announcer(*this)) {
  for (QAction* action : bookActions_->MenuActions()) quoteActions_->AddMenuAction(action);
  connect(quoteActions_, &QuoteActions::Done, this, &FrmTindrel::Say);
  ShowBookFacts();
  // Built straight from the compiled-in picture: reading it as a file would first look through
  // every installed image format plugin.
  setWindowIcon(QIcon(QPixmap(corvane_xpm)));
  SetTabOrder(w_.cmdSupport);
  ConnectEvents();
  w_.Combo1->setFocus();
  ShrinkToScreen();
  FitToScreen(*this, size());
}

// The layout is fixed, drawn for a client area that a small or highly scaled screen may not hold:
// then every control, and its font, shrinks alike, so that all of it, the buttons too, stays on
// the screen and in its place.
void FrmTindrel::ShrinkToScreen() {
  const double factor = ShrinkToFit(size(), RoomOnScreen(*this));
  if (factor >= 1.0) return;
  const auto scaled = [factor](int pixels) { return static_cast<int>(pixels * factor); };
  for (QWidget* control : findChildren<QWidget*>()) {
    if (control->isWindow() || control->objectName().isEmpty() ||
        control->objectName().startsWith(QLatin1String("qt_")))
      continue;
    const QRect at = control->geometry();
    control->setGeometry(scaled(at.x()), scaled(at.y()), scaled(at.width()), scaled(at.height()));
    QFont font = control->font();
    font.setPixelSize(std::max(1, scaled(font.pixelSize())));
    control->setFont(font);
  }
  setFixedSize(scaled(width()), scaled(height()));
}

FrmTindrel::~FrmTindrel() {
  // The widgets go after the behaviour they report to: nothing they signal while they are
  // destroyed may reach it.
  for (QWidget* child : findChildren<QWidget*>()) child->disconnect(this);
}

void FrmTindrel::UsePriceBook(PriceBook book, QString file) {
  book_ = std::move(book);
  bookFile_ = std::move(file);
  ShowBookFacts();
  if (QuoteSheetWindow* sheet = quoteActions_->Sheet()) sheet->SetPriceBook(book_);
  Deliver([this] { behaviour_.BookChanged(); });
}

void FrmTindrel::Say(const QString& text) {
  announcer_->Announce(text);
}

void FrmTindrel::ShowBookFacts() {
  w_.Label6->setText(ToQString(FootnoteText(book_.effectiveDate)));
  w_.Label6->setToolTip(bookActions_->Description());
}

void FrmTindrel::Load() {
  Deliver([this] { behaviour_.Form_Load(); });
}

void FrmTindrel::closeEvent(QCloseEvent* event) {
  if (closing_) return event->accept();
  if (!quoteActions_->ConfirmClose()) return event->ignore();
  // Hiding the window takes the focus from its field, which would commit what the field holds;
  // from here on nothing is said, so no message box is left behind without its window.
  closing_ = true;
  messages_.RouteTo(&discarded_);
  Deliver([this] { behaviour_.Form_Unload(); });
  event->accept();
}

// Pressing Close (the mouse on it, or Alt+C) takes the focus from a field before the button is
// clicked. Leaving for it commits nothing yet: once closed, there is nothing to warn about; if the
// window stays (the press let go elsewhere, the quote sheet's question cancelled), what the field
// holds waits for the next Enter or departure as it would have.
std::function<void()> FrmTindrel::CommitOnLeaving(std::function<void()> commit) {
  return [this, commit = std::move(commit)] {
    if (closing_ || w_.cmdClose->isDown()) return;
    commit();
  };
}

// Tab goes where the eye reads, top to bottom and left to right: with Enter pressing the focused
// button, a Tab from the To list onto Close would let "Tab, 10%, Enter" close the window. Hidden
// and disabled controls, among them those the item frame covers, are passed over.
void FrmTindrel::SetTabOrder(QWidget* itemsAfter) {
  std::vector<QWidget*> order = {w_.Combo1,   w_.optAge[0],  w_.optAge[1],    w_.optAge[2],
                                 w_.Combo2,   w_.Combo3,     w_.txtExclPrice, w_.txtInclPrice,
                                 w_.cmdOther, w_.cmdSupport, w_.cmdUpgrade,   w_.cmdClose};
  const auto after = std::find(order.begin(), order.end(), itemsAfter) + 1;
  order.insert(after, {w_.List1, w_.txtSuppExcl, w_.txtSuppIncl});
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// Only what the user does raises a handler: choosing an entry (again, too), selecting an item,
// pressing a button. Filling lists and writing tags raise nothing.
void FrmTindrel::ConnectEvents() {
  const auto raise = [this](void (QuoteWindow::*handler)()) {
    return [this, handler] { Deliver([this, handler] { (behaviour_.*handler)(); }); };
  };
  ConnectFieldEvents(raise);
  connect(w_.cmdOther, &QPushButton::clicked, this, raise(&QuoteWindow::cmdOther_Click));
  connect(w_.cmdSupport, &QPushButton::clicked, this, raise(&QuoteWindow::cmdSupport_Click));
  connect(w_.cmdUpgrade, &QPushButton::clicked, this, raise(&QuoteWindow::cmdUpgrade_Click));
  connect(w_.cmdClose, &QPushButton::clicked, this, raise(&QuoteWindow::cmdClose_Click));
  for (QPushButton* shows : {w_.cmdOther, w_.cmdSupport}) {
    connect(shows, &QPushButton::clicked, this, [this, shows] { SetTabOrder(shows); });
  }
  // A selection the user removes (Ctrl and click) is no choice of an item.
  connect(w_.List1, &QListWidget::itemSelectionChanged, this, [this] {
    if (list1_.ListIndex() >= 0) Deliver([this] { behaviour_.List1_Click(); });
  });
  for (std::size_t i = 0; i < w_.optAge.size(); ++i) {
    const auto index = static_cast<std::int16_t>(i);
    connect(w_.optAge[i], &QRadioButton::clicked, this,
            [this, index] { Deliver([this, index] { behaviour_.optAge_Click(index); }); });
  }
}

// The lists' events and the keys a keyboard user expects: the From and To lists find entries by
// part of their text; Enter presses the focused button; Ctrl+Q and Ctrl+W close as cmdClose does.
template <typename Raise>
void FrmTindrel::ConnectFieldEvents(Raise raise) {
  using W = QuoteWindow;
  new FieldKeys(*w_.Combo1,
                {raise(&W::Combo1_Click), raise(&W::Combo1_Step), raise(&W::Combo1_Change),
                 raise(&W::Combo1_Enter), CommitOnLeaving(raise(&W::Combo1_LostFocus))},
                true);
  new FieldKeys(*w_.Combo2,
                {raise(&W::Combo2_Click), raise(&W::Combo2_Step), raise(&W::Combo2_Change),
                 raise(&W::Combo2_Enter), CommitOnLeaving(raise(&W::Combo2_LostFocus))},
                true);
  new FieldKeys(*w_.Combo3,
                {raise(&W::Combo3_Click), raise(&W::Combo3_Step), raise(&W::Combo3_Change),
                 raise(&W::Combo3_Enter), CommitOnLeaving(raise(&W::Combo3_LostFocus))},
                false);
  PressButtonsWithEnter(*this);
  AddCloseKeys(*this, raise(&W::cmdClose_Click));
}

}  // namespace corvane

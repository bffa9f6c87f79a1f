// The window as it is first shown: every control's place, caption, font, colour and start state.
#include <QAbstractButton>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>

#include <functional>
#include <string>
#include <vector>

#include "window/qt/tests/window_fixture.h"

namespace corvane {
namespace {

QString Caption(const QWidget* w) {
  if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
  return {};
}

// The six fonts of the window: the families wished for, best first, size in pixels at 96 dots per
// inch, bold.
enum Font { kArial16, kArial16Bold, kArial13Bold, kSans16, kSans16Bold, kSans13 };
const QStringList kArialWishes = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                  QStringLiteral("Arimo")};
const QStringList kSansWishes = {QStringLiteral("MS Sans Serif"),
                                 QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
const struct {
  const QStringList& wishes;
  int pixels;
  bool bold;
} kFonts[] = {{kArialWishes, 16, false}, {kArialWishes, 16, true}, {kArialWishes, 13, true},
              {kSansWishes, 16, false},  {kSansWishes, 16, true},  {kSansWishes, 13, false}};

// The first wished-for family that is installed; a font asks for that one alone.
QString FirstInstalled(const QStringList& wishes, const QStringList& installed) {
  for (const QString& family : wishes) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return {};
}

struct Placed {
  const char* name;
  const char* parent;
  int x, y, w, h;  // pixels at 15 twips each, in the container's client area
  const char* caption;
  Font font;
  const char* accessibleName;  // empty where the caption names the control
};

const Placed kLayout[] = {
    {"lblTitle", "frmTindrel", 16, 8, 409, 65,
     "Select the \"From\" and \"To\" Corvane packages for the cross-grade. Also set the Dealer "
     "Discount (if any).",
     kArial16, ""},
    {"fmeFrom", "frmTindrel", 16, 72, 401, 161, "Cross-grade FROM (or New package)", kArial16Bold,
     ""},
    {"fmeTo", "frmTindrel", 16, 240, 401, 153, "Cross-grade TO", kArial16Bold, ""},
    {"fmeSupport", "frmTindrel", 16, 5, 401, 393, "Click required Item for Price", kArial16Bold,
     ""},
    {"Label6", "frmTindrel", 16, 400, 401, 41,
     "Prices are recommended retail prices and are subject to change without notice. Eff:  28 "
     "May 2012",
     kArial13Bold, ""},
    {"cmdOther", "frmTindrel", 24, 440, 81, 49, "&Other Prices", kArial16, "Other Prices"},
    {"cmdSupport", "frmTindrel", 128, 440, 81, 49, "&Support contracts", kArial16,
     "Support contracts"},
    {"cmdUpgrade", "frmTindrel", 232, 440, 81, 49, "&Upgrade Prices", kArial16, "Upgrade Prices"},
    {"cmdClose", "frmTindrel", 336, 440, 81, 49, "&Close", kArial16, "Close"},
    {"Combo1", "fmeFrom", 8, 32, 377, 28, "", kSans16Bold, "From package"},
    {"lblAge", "fmeFrom", 8, 63, 313, 27, "How old is the package being traded-in?", kSans16, ""},
    {"optAge0", "fmeFrom", 32, 83, 225, 25, "O&ver 2 Years", kSans16, ""},
    {"optAge1", "fmeFrom", 32, 105, 273, 25, "&Between 1 and 2 years", kSans16, ""},
    {"optAge2", "fmeFrom", 32, 128, 273, 25, "&Less than 1 year", kSans16, ""},
    {"Combo2", "fmeTo", 8, 32, 377, 28, "Nothing Selected", kSans16Bold, "To package"},
    {"lblDisc", "fmeTo", 192, 75, 113, 25, "Discount%", kSans16Bold, ""},
    {"Combo3", "fmeTo", 312, 72, 73, 28, "0%", kSans16Bold, "Dealer discount"},
    {"Label2", "fmeTo", 8, 114, 81, 25, "EXcl.VAT", kSans16Bold, ""},
    {"txtExclPrice", "fmeTo", 88, 112, 105, 25, "", kSans16Bold, "Price excluding VAT"},
    {"Label3", "fmeTo", 205, 114, 81, 25, "INcl.VAT", kSans16Bold, ""},
    {"txtInclPrice", "fmeTo", 280, 112, 105, 25, "", kSans16Bold, "Price including VAT"},
    {"List1", "fmeSupport", 8, 24, 385, 324, "", kSans13, "Item"},
    {"Label4", "fmeSupport", 8, 362, 81, 25, "EXcl.VAT", kSans16Bold, ""},
    {"txtSuppExcl", "fmeSupport", 88, 360, 105, 25, "", kSans16Bold, "Item price excluding VAT"},
    {"Label1", "fmeSupport", 205, 362, 81, 25, "INcl.VAT", kSans16Bold, ""},
    {"txtSuppIncl", "fmeSupport", 280, 360, 105, 25, "", kSans16Bold, "Item price including VAT"},
};

TEST_F(WindowTest, EveryControlHasItsPlaceCaptionFontAndName) {
  const QStringList installed = QFontDatabase::families();
  for (const Placed& c : kLayout) {
    SCOPED_TRACE(c.name);
    QWidget* w = Find(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.parent));
    EXPECT_EQ(w->geometry(), QRect(c.x, c.y, c.w, c.h));
    EXPECT_EQ(Caption(w), QString::fromUtf8(c.caption));
    EXPECT_EQ(w->accessibleName(), QLatin1String(c.accessibleName));
    const QFont font = w->font();
    const QString family = FirstInstalled(kFonts[c.font].wishes, installed);
    ASSERT_FALSE(family.isEmpty()) << "the set-up installs Liberation Sans";
    EXPECT_EQ(font.families(), QStringList{family});
    EXPECT_EQ(font.pixelSize(), kFonts[c.font].pixels);
    const QFontInfo resolved(font);  // what the installed fonts make of it
    EXPECT_TRUE(font.families().contains(resolved.family())) << resolved.family().toStdString();
    EXPECT_TRUE(installed.contains(resolved.family()));
    EXPECT_EQ(resolved.bold(), kFonts[c.font].bold);
  }
}

TEST_F(WindowTest, WindowHasItsCaptionSizeIconColoursAndPlace) {
  EXPECT_EQ(window_->objectName(), QStringLiteral("frmTindrel"));
  EXPECT_EQ(window_->windowTitle(),
            QStringLiteral("Corvane Cross-grade Price Calculator  v20120528"));
  EXPECT_EQ(window_->size(), QSize(432, 497));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_EQ(window_->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
  const QPoint offCentre =
      window_->geometry().center() - window_->screen()->availableGeometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 2);

  const struct {
    const char* name;
    QPalette::ColorRole role;
    QColor colour;
  } colours[] = {{"frmTindrel", QPalette::Window, QColor(64, 64, 64)},
                 {"lblTitle", QPalette::WindowText, QColor(255, 0, 0)},
                 {"fmeFrom", QPalette::WindowText, QColor(255, 255, 255)},
                 {"fmeSupport", QPalette::Window, QColor(64, 64, 64)},
                 {"Label6", QPalette::WindowText, QColor(128, 255, 128)},
                 {"lblAge", QPalette::WindowText, QColor(128, 255, 255)},
                 {"Label3", QPalette::WindowText, QColor(224, 224, 224)},
                 {"optAge0", QPalette::WindowText, QColor(255, 255, 255)}};
  for (const auto& c : colours) {
    QWidget* w = window_->objectName() == QLatin1String(c.name) ? window_.get() : Find(c.name);
    EXPECT_EQ(w->palette().color(QPalette::Active, c.role), c.colour) << c.name;
  }
  EXPECT_TRUE(Find<QLabel>("lblTitle")->alignment() & Qt::AlignHCenter);
  EXPECT_TRUE(Find<QLabel>("lblDisc")->alignment() & Qt::AlignRight);
  EXPECT_TRUE(Find<QLineEdit>("txtInclPrice")->alignment() & Qt::AlignRight);
}

TEST_F(WindowTest, StartsInUpgradeModeWithTheListsFilled) {
  EXPECT_FALSE(Find("fmeSupport")->isVisible());
  for (const char* name : {"lblAge", "optAge0", "optAge1", "optAge2"}) {
    EXPECT_FALSE(Find(name)->isVisible()) << name;
    EXPECT_FALSE(Find(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Find<QRadioButton>("optAge0")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>("optAge1")->isChecked());
  const struct {
    const char* name;
    int count;
  } lists[] = {{"Combo1", 31}, {"Combo2", 0}, {"Combo3", 17}};
  for (const auto& l : lists) {
    EXPECT_EQ(Find<QComboBox>(l.name)->count(), l.count) << l.name;
    EXPECT_EQ(Find<QComboBox>(l.name)->currentIndex(), -1) << l.name;
  }
  EXPECT_EQ(Find<QListWidget>("List1")->count(), 0);
  EXPECT_EQ(FocusedControl(), "Combo1");
  // The item frame lies above what it covers.
  const QObjectList stack = window_->children();
  for (const char* covered : {"lblTitle", "fmeFrom", "fmeTo"}) {
    EXPECT_LT(stack.indexOf(Find(covered)), stack.indexOf(Find("fmeSupport"))) << covered;
  }
}

TEST_F(WindowTest, TabFollowsTheLayout) {
  const char* const order[] = {"Combo2",       "Combo3",   "txtExclPrice",
                               "txtInclPrice", "cmdOther", "cmdSupport",
                               "cmdUpgrade",   "cmdClose", "Combo1"};
  for (const char* expected : order) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusedControl(), expected);
  }
  // In a list mode the item frame's controls follow the button that showed it and the covered
  // ones drop out.
  struct Mode {
    const char* button;
    std::vector<std::string> order;
  };
  const Mode modes[] = {
      {"cmdSupport",
       {"cmdOther", "cmdSupport", "List1", "txtSuppExcl", "txtSuppIncl", "cmdUpgrade", "cmdClose"}},
      {"cmdOther",
       {"cmdOther", "List1", "txtSuppExcl", "txtSuppIncl", "cmdSupport", "cmdUpgrade",
        "cmdClose"}}};
  for (const Mode& mode : modes) {
    SCOPED_TRACE(mode.button);
    QTest::mouseClick(Find(mode.button), Qt::LeftButton);
    Find("cmdClose")->setFocus();
    for (const std::string& expected : mode.order) {
      Press(Qt::Key_Tab);
      EXPECT_EQ(FocusedControl(), expected);
    }
  }
}

TEST_F(WindowTest, AccessKeysPressTheirButtons) {
  // An access key presses its button the way Qt shows it: down for a moment, then clicked.
  const auto pressed = [](const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 2000);
  };
  Press(Qt::Key_O, Qt::AltModifier);
  ASSERT_TRUE(pressed([this] { return Find("fmeSupport")->isVisible(); }));
  EXPECT_EQ(Find<QListWidget>("List1")->count(), 22);
  EXPECT_EQ(Shown("txtSuppExcl"), "0.00");
  Press(Qt::Key_U, Qt::AltModifier);
  ASSERT_TRUE(pressed([this] { return !Find("fmeSupport")->isVisible(); }));
  EXPECT_TRUE(Find("fmeTo")->isVisible());
  Press(Qt::Key_S, Qt::AltModifier);
  ASSERT_TRUE(pressed([this] { return Find("fmeSupport")->isVisible(); }));
  EXPECT_EQ(Find<QListWidget>("List1")->count(), 36);
  Press(Qt::Key_U, Qt::AltModifier);
  ASSERT_TRUE(pressed([this] { return !Find("fmeSupport")->isVisible(); }));

  // Alt+C closes the window, and with it the program leaves its event loop.
  QTimer::singleShot(0, [] { Press(Qt::Key_C, Qt::AltModifier); });
  QTimer stuck;
  QObject::connect(&stuck, &QTimer::timeout, [] { QApplication::exit(1); });
  stuck.start(5000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace corvane

// What a screen reader learns about the window: the accessibility interfaces Qt hands it.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>
#include <string>
#include <vector>

#include "qt/announcer.h"
#include "window/qt/quote_actions.h"
#include "window/qt/tests/window_fixture.h"

namespace corvane {
namespace {

QAccessibleInterface* Interface(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

std::string Text(const QAccessibleInterface* iface, QAccessible::Text text) {
  return iface->text(text).toStdString();
}

// Every interface under the root, the root first.
void Walk(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& seen) {
  seen.push_back(root);
  for (int i = 0; i < root->childCount(); ++i) {
    if (QAccessibleInterface* child = root->child(i)) Walk(child, seen);
  }
}

//! The accessibility events raised while it exists, as a screen reader would be told of them.
class Listener {
 public:
  struct Heard {
    std::string control;  // the object's name
    QAccessible::Event type;
    std::string inserted;
    std::string removed;
    std::string className;
  };

  Listener() : previous_(QAccessible::installUpdateHandler(&Record)) { heard_ = &heard; }
  ~Listener() {
    QAccessible::installUpdateHandler(previous_);
    heard_ = nullptr;
  }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  //! The text events of one control, in order.
  std::vector<Heard> TextEvents(const std::string& control) const {
    std::vector<Heard> events;
    for (const Heard& h : heard) {
      if (h.control == control &&
          (h.type == QAccessible::TextInserted || h.type == QAccessible::TextRemoved ||
           h.type == QAccessible::TextUpdated)) {
        events.push_back(h);
      }
    }
    return events;
  }

  std::vector<Heard> heard;

 private:
  static void Record(QAccessibleEvent* event) {
    if (heard_ == nullptr) return;
    Heard h{{}, event->type(), {}, {}, {}};
    if (QObject* object = event->object()) {
      h.control = object->objectName().toStdString();
      h.className = object->metaObject()->className();
    }
    if (event->type() == QAccessible::ObjectShow && event->object() != nullptr) {
      // What a reader reads of the object as it shows: its name.
      h.inserted = event->accessibleInterface()->text(QAccessible::Name).toStdString();
    } else if (event->type() == QAccessible::TextInserted) {
      h.inserted = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted().toStdString();
    } else if (event->type() == QAccessible::TextRemoved) {
      h.removed = static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved().toStdString();
    } else if (event->type() == QAccessible::TextUpdated) {
      const auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
      h.inserted = update->textInserted().toStdString();
      h.removed = update->textRemoved().toStdString();
    }
    heard_->push_back(h);
  }

  static inline std::vector<Heard>* heard_ = nullptr;
  QAccessible::UpdateHandler previous_;
};

// Qt tells of changes only while a screen reader listens; offscreen none ever does, so the tests
// stand in for one.
void SetAccessibilityActive(bool active) {
  QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
  ASSERT_NE(platform, nullptr);
  platform->setActive(active);
}

class AccessibilityTest : public WindowTest {
 protected:
  void SetUp() override {
    SetAccessibilityActive(true);
    ASSERT_TRUE(QAccessible::isActive());
    WindowTest::SetUp();
  }
  void TearDown() override { SetAccessibilityActive(false); }

  QAccessibleInterface* Of(const char* name) const { return Interface(Find(name)); }

  //! Chooses the entry at a position as the keyboard does: F4 opens the list, Enter chooses the
  //! entry it marks.
  void Choose(const char* comboName, int position) const {
    auto* combo = Find<QComboBox>(comboName);
    QTest::keyClick(combo, Qt::Key_F4);
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }, 2000));
    list->setCurrentIndex(combo->model()->index(position, 0));
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }, 2000));
    ASSERT_EQ(combo->currentIndex(), position);
  }

  //! The names of the objects related to a control by the relation.
  std::vector<std::string> Related(const char* name, QAccessible::Relation relation) const {
    std::vector<std::string> names;
    for (const auto& [iface, r] : Of(name)->relations(relation)) {
      EXPECT_EQ(r, relation);
      names.push_back(iface->object()->objectName().toStdString());
    }
    return names;
  }

  //! Types the text key by key where the user's keys go.
  static void Type(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
      Press(*c);
      QCoreApplication::processEvents();  // the finder opens as a user sees it
    }
  }

  std::vector<QAccessibleInterface*> Tree() const {
    std::vector<QAccessibleInterface*> seen;
    Walk(Interface(window_.get()), seen);
    return seen;
  }
};

TEST_F(AccessibilityTest, ControlsHaveRoleConstantNameAndTheirTextAsValue) {
  Choose("Combo1", 2);  // Windows HB 1
  Choose("Combo2", 2);  // Windows HB 3
  ASSERT_EQ(Shown("txtExclPrice"), "1,600.00");
  const std::vector<QAccessibleInterface*> tree = Tree();
  const struct {
    const char* name;
    QAccessible::Role role;
    const char* accessibleName;
    const char* value;
  } controls[] = {
      {"Combo1", QAccessible::ComboBox, "From package", "Windows HB 1"},
      {"Combo2", QAccessible::ComboBox, "To package", "Windows HB 3"},
      {"Combo3", QAccessible::ComboBox, "Dealer discount", "0%"},
      {"txtExclPrice", QAccessible::EditableText, "Price excluding VAT", "1,600.00"},
      {"txtInclPrice", QAccessible::EditableText, "Price including VAT", "1,824.00"},
      {"cmdOther", QAccessible::Button, "Other Prices", ""},
      {"cmdSupport", QAccessible::Button, "Support contracts", ""},
      {"cmdUpgrade", QAccessible::Button, "Upgrade Prices", ""},
      {"cmdClose", QAccessible::Button, "Close", ""},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.name);
    QAccessibleInterface* iface = Of(c.name);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), c.role);
    EXPECT_EQ(Text(iface, QAccessible::Name), c.accessibleName);
    EXPECT_EQ(Text(iface, QAccessible::Value), c.value);
    EXPECT_TRUE(iface->state().focusable);
    EXPECT_NE(std::find(tree.begin(), tree.end(), iface), tree.end()) << "not in the window's tree";
    if (c.role != QAccessible::ComboBox) continue;
    // The edit field, where the focus lands, is named like its combo box.
    QAccessibleInterface* field = iface->child(1);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->object(), Find<QComboBox>(c.name)->lineEdit());
    EXPECT_EQ(field->role(), QAccessible::EditableText);
    EXPECT_EQ(Text(field, QAccessible::Name), c.accessibleName);
    EXPECT_EQ(Text(field, QAccessible::Value), c.value);
    EXPECT_EQ(iface->indexOfChild(field), 1);
  }
  // The price boxes show their text to a screen reader but take none.
  QAccessibleTextInterface* price = Of("txtInclPrice")->textInterface();
  ASSERT_NE(price, nullptr);
  EXPECT_EQ(price->text(0, price->characterCount()), QStringLiteral("1,824.00"));
  EXPECT_TRUE(Of("txtInclPrice")->state().readOnly);

  // The item list and its price boxes, once their frame is shown.
  QTest::mouseClick(Find("cmdSupport"), Qt::LeftButton);
  EXPECT_EQ(Of("List1")->role(), QAccessible::List);
  EXPECT_EQ(Text(Of("List1"), QAccessible::Name), "Item");
  EXPECT_EQ(Text(Of("txtSuppExcl"), QAccessible::Name), "Item price excluding VAT");
  EXPECT_EQ(Text(Of("txtSuppIncl"), QAccessible::Name), "Item price including VAT");
}

TEST_F(AccessibilityTest, LabelsAndFrameCaptionsLabelTheirControls) {
  QTest::mouseClick(Find("cmdSupport"), Qt::LeftButton);  // the item frame, shown
  using Names = std::vector<std::string>;
  const struct {
    const char* control;
    Names labelledBy;
  } controls[] = {
      {"Combo1", {"fmeFrom"}},      {"Combo2", {"fmeTo"}},        {"Combo3", {"lblDisc"}},
      {"txtExclPrice", {"Label2"}}, {"txtInclPrice", {"Label3"}}, {"txtSuppExcl", {"Label4"}},
      {"txtSuppIncl", {"Label1"}},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.control);
    EXPECT_EQ(Related(c.control, QAccessible::Label), c.labelledBy);
    const Names labels = Related(c.labelledBy.front().c_str(), QAccessible::Labelled);
    EXPECT_NE(std::find(labels.begin(), labels.end(), c.control), labels.end());
  }
  // A frame's caption labels the list it holds and nothing its own labels name. (The item list
  // itself, a Qt item view, tells no labels of its own.)
  EXPECT_EQ(Related("fmeFrom", QAccessible::Labelled), Names{"Combo1"});
  EXPECT_EQ(Related("fmeTo", QAccessible::Labelled), Names{"Combo2"});
  EXPECT_EQ(Related("fmeSupport", QAccessible::Labelled), Names{"List1"});
  EXPECT_EQ(Text(Of("fmeTo"), QAccessible::Name), "Cross-grade TO");
  EXPECT_EQ(Of("fmeTo")->role(), QAccessible::Grouping);
}

TEST_F(AccessibilityTest, WindowIsAWindowAndWarningsAreAlerts) {
  QAccessibleInterface* window = Interface(window_.get());
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(Text(window, QAccessible::Name), "Corvane Cross-grade Price Calculator  v20120528");

  struct Alert {
    QAccessible::Role role;
    std::string name;
    std::string value;
  };
  std::vector<Alert> alerts;
  QTimer reader;
  QObject::connect(&reader, &QTimer::timeout, [&alerts] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    QAccessibleInterface* iface = Interface(box);
    alerts.push_back(
        {iface->role(), Text(iface, QAccessible::Name), Text(iface, QAccessible::Value)});
    box->accept();
  });
  reader.start(10);
  const Listener listener;
  Choose("Combo1", 3);  // Windows HB 2
  Choose("Combo2", 4);  // Windows Tessaline 1: fewer terminals
  ASSERT_FALSE(alerts.empty());
  EXPECT_EQ(alerts[0].role, QAccessible::AlertMessage);
  EXPECT_EQ(alerts[0].name, "Tindrel");
  EXPECT_EQ(alerts[0].value.rfind("YOU MAY NOT REDUCE THE NUMBER OF TERMINALS.\n\nRefer to ", 0),
            0u)
      << alerts[0].value;
  EXPECT_EQ(alerts[0].value.back(), '.');  // the whole message, to its last line
  const auto alerted = std::count_if(listener.heard.begin(), listener.heard.end(), [](auto& h) {
    return h.type == QAccessible::Alert && h.className == "QMessageBox";
  });
  EXPECT_EQ(alerted, static_cast<std::ptrdiff_t>(alerts.size()));
}

TEST_F(AccessibilityTest, ShownPricesRaiseTextChangedEvents) {
  const Listener listener;
  Choose("Combo1", 2);  // Windows HB 1: its new price
  Choose("Combo2", 2);  // Windows HB 3: the cross-grade price
  // The new-package price goes into the empty box, the cross-grade price replaces it.
  const auto excl = listener.TextEvents("txtExclPrice");
  ASSERT_GE(excl.size(), 2u);
  EXPECT_EQ(excl.front().type, QAccessible::TextInserted);
  EXPECT_EQ(excl.front().inserted, "4,200.00");
  EXPECT_EQ(excl.back().type, QAccessible::TextUpdated);
  EXPECT_EQ(excl.back().removed, "4,200.00");
  EXPECT_EQ(excl.back().inserted, "1,600.00");
  const auto incl = listener.TextEvents("txtInclPrice");
  ASSERT_FALSE(incl.empty());
  EXPECT_EQ(incl.back().inserted, "1,824.00");

  QTest::mouseClick(Find("cmdOther"), Qt::LeftButton);  // the first item's price, at once
  const auto item = listener.TextEvents("txtSuppIncl");
  ASSERT_EQ(item.size(), 1u);
  EXPECT_EQ(item[0].inserted, "0.00");
}

// A choice, Enter in a field or an applied discount tells the reader the new prices once, and
// Copy price that it copied, as a notification that shows, while the focus stays where it is;
// typing tells nothing.
TEST_F(AccessibilityTest, NewPricesAreAnnouncedOnceWithoutMovingTheFocus) {
  const Listener listener;
  const auto* announcer = Find<Announcer>("announcer");
  std::size_t seen = 0;
  // What the reader was told since it was last asked, once the announcer has told it.
  const auto told = [&] {
    QCoreApplication::processEvents();  // leaving a field waits for the focus to settle
    EXPECT_TRUE(QTest::qWaitFor([announcer] { return !announcer->Waiting(); }));
    std::vector<std::string> names;
    for (; seen < listener.heard.size(); ++seen) {
      const auto& h = listener.heard[seen];
      if (h.type == QAccessible::ObjectShow && h.control == "announcer")
        names.push_back(h.inserted);
    }
    return names;
  };
  using Said = std::vector<std::string>;
  Type("hb 1");
  EXPECT_EQ(told(), Said{});
  Press(Qt::Key_Return);
  EXPECT_EQ(told(), Said{"4,200.00 excluding VAT, 4,788.00 including VAT"});
  Press(Qt::Key_Return);  // the same price again: nothing new to hear
  EXPECT_EQ(told(), Said{});
  Type("x");  // empties the boxes
  EXPECT_EQ(told(), Said{});
  Press(Qt::Key_Backspace);
  EXPECT_EQ(told(), Said{});
  Press(Qt::Key_Tab);  // leaving chooses the package the text names, as Enter does
  EXPECT_EQ(told(), Said{"4,200.00 excluding VAT, 4,788.00 including VAT"});
  EXPECT_EQ(FocusedControl(), "Combo2");
  Type("hb 3");
  Press(Qt::Key_Tab);
  EXPECT_EQ(told(), Said{"1,600.00 excluding VAT, 1,824.00 including VAT"});
  Type("10%");
  Press(Qt::Key_Return);
  EXPECT_EQ(told(), Said{"1,440.00 excluding VAT, 1,641.60 including VAT"});
  EXPECT_EQ(FocusedControl(), "Combo3");
  window_->Quote().CopyPrice();
  EXPECT_EQ(told(), Said{"The price was copied."});
  EXPECT_EQ(Interface(Find("announcer"))->role(), QAccessible::Notification);
}

// A text that names no package leaves the boxes reading "no price", with the reason told and kept
// where the reader finds it.
TEST_F(AccessibilityTest, ATextNamingNothingLeavesNoPriceAndSaysWhy) {
  const Listener listener;
  Type("zzz");
  Press(Qt::Key_Tab);
  QCoreApplication::processEvents();
  for (const char* box : {"txtExclPrice", "txtInclPrice"}) {
    EXPECT_EQ(Text(Of(box), QAccessible::Value), "no price") << box;
    EXPECT_EQ(Text(Of(box), QAccessible::Description), "No package matches 'zzz'") << box;
    EXPECT_EQ(Shown(box), "") << box;
  }
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return std::any_of(listener.heard.begin(), listener.heard.end(), [](const auto& h) {
      return h.type == QAccessible::ObjectShow && h.inserted == "No package matches 'zzz'";
    });
  }));
}

TEST_F(AccessibilityTest, HiddenControlsStayOutOfTheTree) {
  // Any control in the tree is one the user can see; the frames count only shown children.
  const auto named = [this](const std::string& name) {
    std::vector<QAccessibleInterface*> found;
    for (QAccessibleInterface* iface : Tree()) {
      auto* widget = qobject_cast<QWidget*>(iface->object());
      if (widget != nullptr && !widget->objectName().isEmpty() &&
          !widget->objectName().startsWith(QLatin1String("qt_"))) {
        EXPECT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
      }
      if (Text(iface, QAccessible::Name) == name) found.push_back(iface);
    }
    return found;
  };
  EXPECT_TRUE(named("Click required Item for Price").empty());  // the hidden item frame
  Choose("Combo1", 2);  // Windows HB 1: two age bands, both buttons hidden
  EXPECT_TRUE(named("Less than 1 year").empty());
  EXPECT_EQ(Of("fmeFrom")->childCount(), 1);  // Combo1 alone

  Choose("Combo1", 20);  // Windows Garrowin Manager: three bands, the third button shown greyed
  ASSERT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("Windows Garrowin Manager"));
  const auto greyed = named("Less than 1 year");
  ASSERT_EQ(greyed.size(), 1u);
  EXPECT_EQ(greyed[0]->object(), Find("optAge2"));
  EXPECT_EQ(greyed[0]->role(), QAccessible::RadioButton);
  EXPECT_TRUE(greyed[0]->state().disabled);
  EXPECT_EQ(greyed[0]->parent(), Of("fmeFrom"));
  EXPECT_EQ(Of("fmeFrom")->indexOfChild(greyed[0]), 1);
}

}  // namespace
}  // namespace corvane

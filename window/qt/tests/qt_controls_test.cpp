// The Qt adapters keep to the control operations as the headless controls do.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

#include "window/headless/headless_controls.h"
#include "window/qt/qt_controls.h"

namespace corvane {
namespace {

TEST(QtComboBoxTest, ItemsAreAddedUnselectedWithTheirTags) {
  QComboBox widget;
  QtComboBox combo(widget);
  widget.setEditText(QStringLiteral("0%"));
  for (const char* text : {"0%", "5%", "10%"}) combo.AddItem(text);
  EXPECT_EQ(combo.ListCount(), 3);
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(combo.Text(), "0%");
  EXPECT_EQ(combo.ItemData(2), 0);
  const std::int32_t tags[] = {std::numeric_limits<std::int32_t>::min(), -1, 70};
  for (int position = 0; position < 3; ++position) combo.SetItemData(position, tags[position]);
  for (int position = 0; position < 3; ++position)
    EXPECT_EQ(combo.ItemData(position), tags[position]);
  for (int outside : {-1, 3, 100}) {
    SCOPED_TRACE(outside);
    EXPECT_THROW(combo.ItemData(outside), ControlError);
    EXPECT_THROW(combo.SetItemData(outside, 1), ControlError);
  }
  EXPECT_THROW(combo.SetListIndex(3), ControlError);
}

TEST(QtComboBoxTest, SettingThePositionShowsTheItemAndSignalsNothing) {
  QComboBox widget;
  QtComboBox combo(widget);
  for (const char* text : {"Nothing Selected", "Windows HB 3"}) combo.AddItem(text);
  QSignalSpy activated(&widget, &QComboBox::activated);
  QSignalSpy changed(&widget, &QComboBox::currentIndexChanged);
  combo.SetListIndex(1);
  EXPECT_EQ(combo.ListIndex(), 1);
  EXPECT_EQ(combo.Text(), "Windows HB 3");
  combo.SetListIndex(-1);  // nothing selected; the field keeps its text
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(combo.Text(), "Windows HB 3");
  EXPECT_EQ(activated.count() + changed.count(), 0);
  combo.Clear();
  EXPECT_EQ(combo.ListCount(), 0);
  EXPECT_EQ(combo.Text(), "");
}

TEST(QtListBoxTest, RefillingDropsTheSelectionSilently) {
  QListWidget widget;
  QtListBox list(widget);
  list.AddItem("Support Contract (monthly): Tessaline 1");
  list.AddItem("Support Contract (monthly): Tessaline 2");
  widget.setCurrentRow(1);
  EXPECT_EQ(list.ListIndex(), 1);
  QSignalSpy selection(&widget, &QListWidget::itemSelectionChanged);
  list.Clear();
  list.AddItem("Multi-Warehouse - Win.Tessaline 1 User");
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(selection.count(), 0);
}

TEST(MessageRouterTest, SendsToTheChosenSinkUntilReset) {
  RecordingMessageSink standard;
  RecordingMessageSink other;
  MessageRouter router(standard);
  router.ShowWarning("first");
  router.RouteTo(&other);
  router.ShowError("second");
  router.RouteTo(nullptr);
  router.ShowWarning("third");
  EXPECT_EQ(standard.Warnings(), (std::vector<std::string>{"first", "third"}));
  EXPECT_EQ(other.Errors(), std::vector<std::string>{"second"});
  EXPECT_TRUE(standard.Errors().empty());
}

}  // namespace
}  // namespace corvane

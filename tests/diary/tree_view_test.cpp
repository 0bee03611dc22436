// The calendar tree pane: it shows the model in the model's order, follows
// every change, and what selection, the right button and the keys do.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>

#include "app/title_view.h"
#include "diary/left_view.h"
#include "diary/main_view.h"
#include "gui_support/frame_fixture.h"
#include "platform/cp932.h"

namespace kivor::test {
namespace {

class TreeViewTest : public FrameFixture {
  protected:
    CLeftView* Tree() { return m_frame->LeftView(); }

    // Widget labels and model labels, walked in display order, side by side.
    void ExpectWidgetMirrorsModel() {
        std::vector<std::string> widget, model;
        std::vector<QTreeWidgetItem*> items{Tree()->topLevelItem(0)};
        while (!items.empty()) {
            QTreeWidgetItem* item = items.back();
            items.pop_back();
            widget.push_back(item->text(0).toStdString());
            EXPECT_EQ(Tree()->ItemOf(*Tree()->NodeOf(item)), item);
            for (int i = item->childCount() - 1; i >= 0; --i) items.push_back(item->child(i));
        }
        std::vector<const TreeNode*> nodes{&Tree()->Model().Root()};
        while (!nodes.empty()) {
            const TreeNode* node = nodes.back();
            nodes.pop_back();
            model.push_back(Cp932ToUtf8Lossy(node->label));
            for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
                nodes.push_back(it->get());
            }
        }
        EXPECT_EQ(widget, model);
    }
};

TEST_F(TreeViewTest, filesShowInDisplayOrder_andTheWidgetFollowsEveryChange) {
    WriteDay("20031231", "a");
    WriteDay("20040105", "b");
    WriteDay("20040102", "c");
    Start();
    ExpectWidgetMirrorsModel();
    std::vector<std::string> labels;
    for (QTreeWidgetItem* item = Tree()->topLevelItem(0); item; item = Tree()->itemBelow(item)) {
        labels.push_back(item->text(0).toStdString());
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"TOP", "2004年", "01月", "02日", "05日", "2003年",
                                                "12月", "31日"}));

    m_frame->AddNewEntry("20040103");
    m_frame->AddNewEntry("20051111");
    m_frame->AddNewEntry("20040301");
    ExpectWidgetMirrorsModel();

    m_settings.YearOrderOlder = 1;
    Tree()->SortYearsAndMonths();
    ExpectWidgetMirrorsModel();
    EXPECT_EQ(Tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("2003年"));
    // Still open, the selection kept.
    EXPECT_TRUE(ItemByLabels({"2004年", "01月"})->isExpanded());
    EXPECT_EQ(Tree()->currentItem(), ItemOfDay("20040301"));
    EXPECT_EQ(m_frame->MainView()->m_szDateKey, "20040301");
}

TEST_F(TreeViewTest, emptyFolder_showsTopAlone) {
    Start();
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), QStringLiteral("TOP"));
    EXPECT_EQ(Tree()->topLevelItem(0)->childCount(), 0);
}

TEST_F(TreeViewTest, selectingTopYearOrMonth_emptiesAndDisablesEditorAndBanner) {
    WriteDay("20040514", "text");
    Start();
    for (const std::vector<std::string>& labels :
         {std::vector<std::string>{"2004年", "05月"}, std::vector<std::string>{"2004年"},
          std::vector<std::string>{}}) {
        ClickDay("20040514");
        EXPECT_TRUE(m_frame->MainView()->isEnabled());
        ClickNode(labels);
        EXPECT_FALSE(m_frame->MainView()->isEnabled());
        EXPECT_TRUE(m_frame->MainView()->toPlainText().isEmpty());
        EXPECT_TRUE(m_frame->MainView()->m_szDateKey.empty());
        EXPECT_TRUE(m_frame->TitleView()->m_editDate->text().isEmpty());
        EXPECT_TRUE(m_frame->TitleView()->m_editWeekday->text().isEmpty());
    }
}

TEST_F(TreeViewTest, keyboardMovesTheSelectionAndOpensTheDay) {
    WriteDay("20040514", "十四");
    WriteDay("20040515", "十五");
    Start();
    ClickDay("20040514");
    QTest::keyClick(Tree(), Qt::Key_Down);
    EXPECT_EQ(m_frame->MainView()->m_szDateKey, "20040515");
    EXPECT_EQ(m_frame->MainView()->toPlainText(), QStringLiteral("十五"));
}

TEST_F(TreeViewTest, rightClick_changesNoSelection_andMenuDeletesTheSelectedDay) {
    WriteDay("20040514", "a");
    WriteDay("20040515", "b");
    Start();
    ClickDay("20040514");
    QTreeWidgetItem* other = ItemOfDay("20040515");
    const QPoint at = Tree()->visualItemRect(other).center();
    QTest::mouseClick(Tree()->viewport(), Qt::RightButton, {}, at);
    EXPECT_EQ(Tree()->currentItem(), ItemOfDay("20040514"));

    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* action : menu->actions()) seen << action->text();
        for (QAction* action : menu->actions()) {
            if (action->text() == QStringLiteral("削除")) {
                menu->close();
                action->trigger();
            }
        }
    });
    m_boxes.Answer(MbAnswer::no);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, Tree()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(Tree()->viewport(), &event);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("追加"), QStringLiteral("削除")}));
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_EQ(m_boxes.m_shown[0].TextUtf8(), "2004年/05月/14日の日記を削除してもよろしいですか。");
}

TEST_F(TreeViewTest, deleteKey_runsTheDeleteCommand) {
    WriteDay("20040514", "a");
    Start();
    ClickNode({"2004年", "05月"});
    QTest::keyClick(Tree(), Qt::Key_Delete);
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_EQ(m_boxes.m_shown[0].TextUtf8(),
              "削除したい日を選択してから削除してください。(年あるいは月をまとめて削除する"
              "ことはできません。)");
    ClickDay("20040514");
    m_boxes.Answer(MbAnswer::yes);
    QTest::keyClick(Tree(), Qt::Key_Delete);
    EXPECT_FALSE(DayFile("20040514").has_value());
    EXPECT_EQ(ItemByLabels({"2004年"}), nullptr);
    EXPECT_EQ(Tree()->topLevelItem(0)->childCount(), 0);
}

}  // namespace
}  // namespace kivor::test

// The calendar tree pane: it shows the model in the model's order, follows
// every change, and what selection, the right button and the keys do.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

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

    // What the pane shows (walking its rows) and the model's nodes, in
    // display order, side by side.
    void ExpectPaneMirrorsModel() {
        const QAbstractItemModel* shown = Tree()->model();
        std::vector<std::string> pane, model;
        std::vector<QModelIndex> indexes{shown->index(0, 0)};
        while (!indexes.empty()) {
            const QModelIndex index = indexes.back();
            indexes.pop_back();
            pane.push_back(index.data().toString().toStdString());
            EXPECT_EQ(Tree()->IndexOf(*Tree()->NodeOf(index)), index);
            for (int i = shown->rowCount(index) - 1; i >= 0; --i) {
                indexes.push_back(shown->index(i, 0, index));
            }
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
        EXPECT_EQ(pane, model);
    }
    std::vector<std::string> VisibleLabels() {
        std::vector<std::string> labels;
        for (QModelIndex index = Tree()->model()->index(0, 0); index.isValid();
             index = Tree()->indexBelow(index)) {
            labels.push_back(index.data().toString().toStdString());
        }
        return labels;
    }
};

TEST_F(TreeViewTest, filesShowInDisplayOrder_andThePaneFollowsEveryChange) {
    WriteDay("20031231", "a");
    WriteDay("20040105", "b");
    WriteDay("20040102", "c");
    Start();
    ExpectPaneMirrorsModel();
    EXPECT_EQ(VisibleLabels(), (std::vector<std::string>{"TOP", "2004年", "01月", "02日", "05日",
                                                         "2003年", "12月", "31日"}));

    m_frame->AddNewEntry("20040103");
    m_frame->AddNewEntry("20051111");
    m_frame->AddNewEntry("20040301");
    ExpectPaneMirrorsModel();

    m_settings.YearOrderOlder = 1;
    Tree()->SortYearsAndMonths();
    ExpectPaneMirrorsModel();
    EXPECT_EQ(VisibleLabels(),
              (std::vector<std::string>{"TOP", "2003年", "12月", "31日", "2004年", "01月", "02日",
                                        "03日", "05日", "03月", "01日", "2005年", "11月", "11日"}));
    // The selection kept.
    EXPECT_EQ(Tree()->currentIndex(), IndexOfDay("20040301"));
    EXPECT_EQ(m_frame->MainView()->m_szDateKey, "20040301");
}

TEST_F(TreeViewTest, atStart_smallDiaryOpensEverything_largeOneTheFirstYearsMonths) {
    WriteDay("20030105", "a");
    WriteDay("20040214", "b");
    Start();
    for (const char* month : {"01月"}) {
        EXPECT_TRUE(Tree()->isExpanded(IndexByLabels({"2003年", month})));
    }
    EXPECT_TRUE(Tree()->isExpanded(IndexByLabels({"2004年", "02月"})));

    // 4,001 days: the newest year shows its months open, older years closed
    // months.
    for (EntryDate d{1994, 1, 1}; d <= EntryDate{2004, 12, 15}; d = d.AddDays(1)) {
        WriteFileBytes(EntryPath(FormatDateKey(d)), "x");
    }
    Start();
    EXPECT_TRUE(Tree()->isExpanded(IndexByLabels({})));
    EXPECT_TRUE(Tree()->isExpanded(IndexByLabels({"1994年"})));
    EXPECT_TRUE(Tree()->isExpanded(IndexByLabels({"2004年", "12月"})));
    EXPECT_TRUE(Tree()->isExpanded(IndexByLabels({"2004年", "01月"})));
    EXPECT_FALSE(Tree()->isExpanded(IndexByLabels({"2003年", "12月"})));
    EXPECT_FALSE(Tree()->isExpanded(IndexByLabels({"1994年", "01月"})));
}

TEST_F(TreeViewTest, emptyFolder_showsTopAlone) {
    Start();
    ASSERT_EQ(Tree()->model()->rowCount(), 1);
    EXPECT_EQ(VisibleLabels(), std::vector<std::string>{"TOP"});
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
    const QPoint at = Tree()->visualRect(IndexOfDay("20040515")).center();
    QTest::mouseClick(Tree()->viewport(), Qt::RightButton, {}, at);
    EXPECT_EQ(Tree()->currentIndex(), IndexOfDay("20040514"));

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
    EXPECT_EQ(VisibleLabels(), std::vector<std::string>{"TOP"});
    // The root is selected now: the editor is empty and disabled.
    EXPECT_EQ(Tree()->currentIndex(), IndexByLabels({}));
    EXPECT_FALSE(m_frame->MainView()->isEnabled());
}

}  // namespace
}  // namespace kivor::test

#include "diary/calendar_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "platform/cp932.h"

namespace kivor {
namespace {

using Labels = std::vector<std::string>;

// The labels (UTF-8) in display order, pre-order, the root first.
void WalkInto(const TreeNode& node, Labels& out) {
    out.push_back(Cp932ToUtf8Lossy(node.label));
    for (const auto& child : node.children) WalkInto(*child, out);
}

Labels Walk(const CalendarTree& tree) {
    Labels out;
    WalkInto(tree.Root(), out);
    return out;
}

Labels Utf8(const Labels& cp932) {
    Labels out;
    for (const auto& label : cp932) out.push_back(Cp932ToUtf8Lossy(label));
    return out;
}

std::vector<EntryDate> DaysOf(const TreeNode& root) {
    std::vector<EntryDate> dates;
    for (const auto& year : root.children) {
        for (const auto& month : year->children) {
            for (const auto& day : month->children) {
                dates.push_back(ParseDateKey(GetSelectedDateKey(*day)));
            }
        }
    }
    return dates;
}

// A view's stand-in: keeps its own copy of the tree from the listener's
// events alone, as the tree control does.
class MirrorListener : public TreeListener {
  public:
    struct Node {
        std::string label;
        int image = 0;
        int selectedImage = 0;
        std::vector<std::unique_ptr<Node>> children;
    };

    explicit MirrorListener(const TreeNode& root) {
        m_root.label = root.label;
        m_root.image = root.image;
        m_root.selectedImage = root.selectedImage;
        m_map[&root] = &m_root;
    }

    void NodeInserted(const TreeNode& parent, int index) override {
        ++inserted;
        Node* mirrorParent = m_map.at(&parent);
        ASSERT_GE(index, 0);
        ASSERT_LE(static_cast<std::size_t>(index), mirrorParent->children.size());
        const TreeNode& node = *parent.children[static_cast<std::size_t>(index)];
        EXPECT_TRUE(node.children.empty()) << "inserted with children the view never saw";
        auto copy = std::make_unique<Node>();
        copy->label = node.label;
        copy->image = node.image;
        copy->selectedImage = node.selectedImage;
        m_map[&node] = copy.get();
        mirrorParent->children.insert(mirrorParent->children.begin() + index, std::move(copy));
    }

    void NodeAboutToBeRemoved(const TreeNode& node) override {
        ++removed;
        ASSERT_NE(node.parent, nullptr);
        Node* mirrorParent = m_map.at(node.parent);
        const int index = node.IndexInParent();
        ASSERT_GE(index, 0);
        ASSERT_EQ(mirrorParent->children.at(static_cast<std::size_t>(index)).get(),
                  m_map.at(&node));
        Unmap(node);
        mirrorParent->children.erase(mirrorParent->children.begin() + index);
    }

    void ChildrenReordered(const TreeNode& parent) override {
        ++reordered;
        Node* mirrorParent = m_map.at(&parent);
        std::vector<std::unique_ptr<Node>> old = std::move(mirrorParent->children);
        std::vector<Node*> oldOrder;
        for (const auto& n : old) oldOrder.push_back(n.get());
        mirrorParent->children.clear();
        for (const auto& child : parent.children) {
            Node* wanted = m_map.at(child.get());
            auto it = std::find_if(old.begin(), old.end(), [&](const std::unique_ptr<Node>& n) {
                return n.get() == wanted;
            });
            ASSERT_NE(it, old.end()) << "re-ordering brought a node the view never saw";
            mirrorParent->children.push_back(std::move(*it));
        }
        std::vector<Node*> newOrder;
        for (const auto& n : mirrorParent->children) newOrder.push_back(n.get());
        EXPECT_EQ(newOrder.size(), oldOrder.size());
        EXPECT_NE(newOrder, oldOrder) << "told of a re-ordering that changed nothing";
    }

    // Label and images of every node, pre-order.
    Labels Walk() const {
        Labels out;
        WalkMirror(m_root, out);
        return out;
    }
    static Labels WalkModel(const TreeNode& node) {
        Labels out;
        WalkModelInto(node, out);
        return out;
    }

    int inserted = 0;
    int removed = 0;
    int reordered = 0;

  private:
    static std::string Describe(const std::string& label, int image, int selected) {
        return Cp932ToUtf8Lossy(label) + "/" + std::to_string(image) + "/" +
               std::to_string(selected);
    }
    static void WalkMirror(const Node& node, Labels& out) {
        out.push_back(Describe(node.label, node.image, node.selectedImage));
        for (const auto& child : node.children) WalkMirror(*child, out);
    }
    static void WalkModelInto(const TreeNode& node, Labels& out) {
        out.push_back(Describe(node.label, node.image, node.selectedImage));
        for (const auto& child : node.children) WalkModelInto(*child, out);
    }
    void Unmap(const TreeNode& node) {
        for (const auto& child : node.children) Unmap(*child);
        m_map.erase(&node);
    }

    Node m_root;
    std::map<const TreeNode*, Node*> m_map;
};

class CalendarTreeTest : public ::testing::Test {
  protected:
    Settings settings;  // YearOrderOlder 0, as by default
};

TEST_F(CalendarTreeTest, EmptyListingGivesTheRootAlone) {
    CalendarTree tree(settings);
    tree.Build({});
    EXPECT_EQ(Walk(tree), Labels{"TOP"});
    EXPECT_EQ(tree.Root().image, kImageClosedBook);
    EXPECT_EQ(tree.Root().selectedImage, kImageOpenBook);
}

TEST_F(CalendarTreeTest, LabelsAndImagesByKind) {
    CalendarTree tree(settings);
    tree.Build({{2004, 5, 4}});
    const TreeNode& year = *tree.Root().children.at(0);
    const TreeNode& month = *year.children.at(0);
    const TreeNode& day = *month.children.at(0);
    EXPECT_EQ(Walk(tree), (Labels{"TOP", "2004年", "05月", "04日"}));
    EXPECT_EQ(std::make_pair(year.image, year.selectedImage), std::make_pair(1, 2));
    EXPECT_EQ(std::make_pair(month.image, month.selectedImage), std::make_pair(1, 2));
    EXPECT_EQ(std::make_pair(day.image, day.selectedImage), std::make_pair(3, 4));
    EXPECT_EQ(day.Depth(), 3);
    EXPECT_TRUE(day.IsDay());
    EXPECT_FALSE(year.IsDay());
    EXPECT_FALSE(month.IsDay());
    EXPECT_EQ(day.parent, &month);
    EXPECT_EQ(GetSelectedDateKey(day), "20040504");
}

struct OrderCase {
    int yearOrderOlder;
    std::vector<EntryDate> dates;
    Labels expected;
};

TEST_F(CalendarTreeTest, DisplayOrderByYearOrderOlder) {
    const std::vector<EntryDate> acrossYears = {{2003, 12, 31}, {2004, 1, 5}, {2004, 1, 2}};
    const std::vector<EntryDate> months = {
        {2004, 11, 30}, {2004, 1, 20}, {2004, 3, 5}, {2004, 1, 3}, {2004, 11, 1}};
    const OrderCase cases[] = {
        {0, acrossYears, {"TOP", "2004年", "01月", "02日", "05日", "2003年", "12月", "31日"}},
        {1, acrossYears, {"TOP", "2003年", "12月", "31日", "2004年", "01月", "02日", "05日"}},
        {0,
         months,
         {"TOP", "2004年", "11月", "01日", "30日", "03月", "05日", "01月", "03日", "20日"}},
        {1,
         months,
         {"TOP", "2004年", "01月", "03日", "20日", "03月", "05日", "11月", "01日", "30日"}},
    };
    for (const OrderCase& c : cases) {
        settings.YearOrderOlder = c.yearOrderOlder;
        // Built at once, from the listing in every order, and inserted one
        // by one: the same tree.
        std::vector<EntryDate> dates = c.dates;
        std::sort(dates.begin(), dates.end());
        do {
            CalendarTree built(settings);
            built.Build(dates);
            EXPECT_EQ(Walk(built), c.expected) << c.yearOrderOlder;
            CalendarTree inserted(settings);
            for (const EntryDate& d : dates) EXPECT_NE(inserted.InsertDate(d), nullptr);
            EXPECT_EQ(Walk(inserted), c.expected) << c.yearOrderOlder;
        } while (std::next_permutation(dates.begin(), dates.end()));
    }
}

TEST_F(CalendarTreeTest, BuildMatchesInsertingOneByOneAndIgnoresDuplicates) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<long> offset(0, 8000);
    for (int order : {0, 1, 5}) {
        settings.YearOrderOlder = order;
        std::vector<EntryDate> dates;
        for (int i = 0; i < 3000; ++i) dates.push_back(EntryDate{1990, 1, 1}.AddDays(offset(rng)));
        CalendarTree built(settings);
        built.Build(dates);
        CalendarTree inserted(settings);
        for (const EntryDate& d : dates) inserted.InsertDate(d);
        EXPECT_EQ(Walk(built), Walk(inserted));
        std::sort(dates.begin(), dates.end());
        dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
        EXPECT_EQ(DaysOf(built.Root()).size(), dates.size());
    }
}

TEST_F(CalendarTreeTest, InsertingAnExistingDayChangesNothing) {
    CalendarTree tree(settings);
    tree.Build({{2003, 12, 31}, {2004, 1, 5}, {2004, 1, 2}});
    const Labels before = Walk(tree);
    MirrorListener mirror(tree.Root());
    tree.SetListener(&mirror);
    EXPECT_EQ(tree.InsertDate({2004, 1, 5}), nullptr);
    EXPECT_EQ(Walk(tree), before);
    EXPECT_EQ(mirror.inserted + mirror.removed + mirror.reordered, 0);
}

TEST_F(CalendarTreeTest, InsertDateGivesTheNewDayAtItsPlace) {
    CalendarTree tree(settings);
    tree.Build({{2004, 1, 2}, {2004, 1, 20}});
    TreeNode* day = tree.InsertDate({2004, 1, 9});
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(GetSelectedDateKey(*day), "20040109");
    EXPECT_EQ(day->IndexInParent(), 1);
    EXPECT_EQ(tree.FindDay({2004, 1, 9}), day);
    EXPECT_EQ(tree.FindDay({2004, 1, 10}), nullptr);
    EXPECT_EQ(tree.FindDay({2005, 1, 9}), nullptr);
    // Dates that are no real supported dates never enter the tree.
    EXPECT_EQ(tree.InsertDate({2004, 2, 30}), nullptr);
    EXPECT_EQ(tree.InsertDate({1899, 12, 31}), nullptr);
    EXPECT_EQ(Walk(tree), (Labels{"TOP", "2004年", "01月", "02日", "09日", "20日"}));
}

TEST_F(CalendarTreeTest, DeleteDayRemovesMonthsAndYearsThatBecomeEmpty) {
    CalendarTree tree(settings);
    tree.Build({{2004, 1, 2}, {2004, 1, 5}, {2004, 3, 1}, {2003, 12, 31}});

    tree.DeleteDay(*tree.FindDay({2004, 1, 2}));  // one of two days: the month stays
    EXPECT_EQ(Walk(tree),
              (Labels{"TOP", "2004年", "03月", "01日", "01月", "05日", "2003年", "12月", "31日"}));
    tree.DeleteDay(*tree.FindDay({2004, 3, 1}));  // the only day of a month
    EXPECT_EQ(Walk(tree), (Labels{"TOP", "2004年", "01月", "05日", "2003年", "12月", "31日"}));
    tree.DeleteDay(*tree.FindDay({2003, 12, 31}));  // the only day of a year
    EXPECT_EQ(Walk(tree), (Labels{"TOP", "2004年", "01月", "05日"}));
    tree.DeleteDay(*tree.FindDay({2004, 1, 5}));  // the last day: the root stays
    EXPECT_EQ(Walk(tree), Labels{"TOP"});
}

TEST_F(CalendarTreeTest, ChangingYearOrderOlderReordersYearsAndMonthsOnly) {
    const std::vector<EntryDate> dates = {
        {2003, 12, 31}, {2004, 1, 5}, {2004, 1, 2}, {2004, 11, 3}, {2004, 11, 1}};
    CalendarTree tree(settings);
    tree.Build(dates);
    settings.YearOrderOlder = 1;
    CalendarTree fresh(settings);
    fresh.Build(dates);
    ASSERT_NE(Walk(tree), Walk(fresh));
    tree.SortYearsAndMonths();
    EXPECT_EQ(Walk(tree), Walk(fresh));
    EXPECT_EQ(Walk(tree), (Labels{"TOP", "2003年", "12月", "31日", "2004年", "01月", "02日", "05日",
                                  "11月", "01日", "03日"}));

    // An insertion too puts everything in the current order.
    settings.YearOrderOlder = 0;
    tree.InsertDate({2004, 11, 2});
    EXPECT_EQ(Walk(tree), (Labels{"TOP", "2004年", "11月", "01日", "02日", "03日", "01月", "02日",
                                  "05日", "2003年", "12月", "31日"}));
}

TEST_F(CalendarTreeTest, FindOrAddChildAppendsLastAndFindsCaseInsensitively) {
    CalendarTree tree(settings);
    TreeNode& root = tree.Root();
    TreeNode* a = tree.FindOrAddChild("2003" + kYearMark(), root);
    TreeNode* b = tree.FindOrAddChild("2004" + kYearMark(), root);
    TreeNode* c = tree.FindOrAddChild("1999" + kYearMark(), root);
    EXPECT_EQ(tree.FindOrAddChild("2004" + kYearMark(), root), b);
    EXPECT_EQ(Walk(tree), (Labels{"TOP", "2003年", "2004年", "1999年"}));
    EXPECT_EQ(c->IndexInParent(), 2);
    EXPECT_EQ(a->parent, &root);
    EXPECT_EQ(tree.FindOrAddChild("top", *a)->label, "top");
    EXPECT_TRUE(tree.HasChild("TOP", *a));
    EXPECT_FALSE(tree.HasChild("TOP", *b));
    EXPECT_TRUE(tree.HasChild("1999" + kYearMark(), root));
}

TEST_F(CalendarTreeTest, CompareLabelsDescendingPutsTheGreaterLabelFirst) {
    TreeNode y2003, y2004;
    y2003.label = YearLabel(2003);
    y2004.label = YearLabel(2004);
    EXPECT_LT(CompareLabelsDescending(y2004, y2003), 0);
    EXPECT_GT(CompareLabelsDescending(y2003, y2004), 0);
    EXPECT_EQ(CompareLabelsDescending(y2003, y2003), 0);
}

TEST_F(CalendarTreeTest, SelectedDateKeyComesFromTheNodeAndItsAncestors) {
    CalendarTree tree(settings);
    tree.Build({{2004, 1, 5}, {2004, 1, 2}, {2003, 12, 31}});
    EXPECT_EQ(GetSelectedDateKey(*tree.FindDay({2004, 1, 5})), "20040105");
    EXPECT_EQ(GetSelectedDateKey(tree.Root()), "");
}

TEST_F(CalendarTreeTest, TheListenerSeesEnoughToMirrorEveryChange) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<long> offset(0, 3 * 366);
    std::uniform_int_distribution<int> pick(0, 99);
    auto randomDate = [&] { return EntryDate{2002, 1, 1}.AddDays(offset(rng)); };

    CalendarTree tree(settings);
    MirrorListener mirror(tree.Root());
    tree.SetListener(&mirror);
    std::vector<EntryDate> first;
    for (int i = 0; i < 40; ++i) first.push_back(randomDate());
    tree.Build(first);
    ASSERT_EQ(mirror.Walk(), MirrorListener::WalkModel(tree.Root()));

    for (int step = 0; step < 1500; ++step) {
        const int what = pick(rng);
        if (what < 45) {
            tree.InsertDate(randomDate());
        } else if (what < 85) {
            const auto days = DaysOf(tree.Root());
            if (!days.empty()) {
                tree.DeleteDay(
                    *tree.FindDay(days[static_cast<std::size_t>(pick(rng)) % days.size()]));
            }
        } else if (what < 93) {
            settings.YearOrderOlder = settings.YearOrderOlder ? 0 : 1;
            tree.SortYearsAndMonths();
        } else if (what < 98) {
            const int reorderedBefore = mirror.reordered;
            tree.SortYearsAndMonths();  // already in order: nothing to tell
            EXPECT_EQ(mirror.reordered, reorderedBefore);
        } else {
            std::vector<EntryDate> dates;
            for (int i = 0; i < 30; ++i) dates.push_back(randomDate());
            tree.Build(dates);
        }
        ASSERT_EQ(mirror.Walk(), MirrorListener::WalkModel(tree.Root())) << "step " << step;
        // And the model itself is always in display order.
        CalendarTree fresh(settings);
        fresh.Build(DaysOf(tree.Root()));
        ASSERT_EQ(Walk(tree), Walk(fresh)) << "step " << step;
    }
    EXPECT_GT(mirror.inserted, 0);
    EXPECT_GT(mirror.removed, 0);
    EXPECT_GT(mirror.reordered, 0);
}

TEST_F(CalendarTreeTest, LabelWalkInDisplayOrderWithAndWithoutNewerDaysFirst) {
    settings.YearOrderOlder = 1;
    CalendarTree tree(settings);
    tree.Build({{2004, 4, 9}, {2004, 5, 3}, {2004, 4, 1}});
    tree.ClearLabels();
    tree.CollectLabels(tree.Root());
    EXPECT_EQ(Utf8(tree.Labels()), (Labels{"2004年", "04月", "01日", "09日", "05月", "03日"}));
    tree.PutNewerDaysFirst();
    EXPECT_EQ(Utf8(tree.Labels()), (Labels{"2004年", "04月", "09日", "01日", "05月", "03日"}));

    // Collecting appends until cleared; a walk may start below the root.
    tree.CollectLabels(*tree.Root().children[0]->children[1]);
    EXPECT_EQ(Utf8(tree.Labels()).back(), "03日");
    EXPECT_EQ(tree.Labels().size(), 7u);
    tree.ClearLabels();
    EXPECT_TRUE(tree.Labels().empty());

    // The default order, newest years and months first.
    settings.YearOrderOlder = 0;
    tree.InsertDate({2003, 12, 31});
    tree.CollectLabels(tree.Root());
    tree.PutNewerDaysFirst();
    EXPECT_EQ(Utf8(tree.Labels()),
              (Labels{"2004年", "05月", "03日", "04月", "09日", "01日", "2003年", "12月", "31日"}));
}

TEST_F(CalendarTreeTest, PutNewerDaysFirstReversesEveryRunOfDays) {
    Labels labels;
    for (const char* l : {"2004年", "05月", "01日", "09日", "20日", "04月", "02日", "03日"}) {
        labels.push_back(Sjis(l));
    }
    PutNewerDaysFirst(labels);
    EXPECT_EQ(Utf8(labels),
              (Labels{"2004年", "05月", "20日", "09日", "01日", "04月", "03日", "02日"}));
    Labels empty;
    PutNewerDaysFirst(empty);
    EXPECT_TRUE(empty.empty());
}

}  // namespace
}  // namespace kivor

// The calendar tree as a model: the root "TOP", one node per year, month of
// that year and day with an entry; labels, image indexes, display order and
// the operations on it. The tree view mirrors it through TreeListener; the
// export walks it for its labels.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "diary/entry_date.h"
#include "platform/cp932.h"
#include "settings/settings.h"

namespace kivor {

// Image indexes of the tree's image list.
enum TreeImage {
    kImageClosedBook = 0,     // the root
    kImageClosedBookAlt = 1,  // years and months
    kImageOpenBook = 2,       // root, year or month when selected
    kImageWhitePage = 3,      // a day
    kImageBluePage = 4,       // a day when selected
};

struct TreeNode {
    std::string label;  // CP932: "TOP", "2004年", "05月", "14日"
    int image = 0;
    int selectedImage = 0;
    TreeNode* parent = nullptr;
    std::vector<std::unique_ptr<TreeNode>> children;

    int Depth() const;          // 0 root, 1 year, 2 month, 3 day
    int IndexInParent() const;  // -1 for the root
    bool IsDay() const;         // the label contains "日"
};

// Told about every change of the model, so a view can mirror it.
class TreeListener {
  public:
    virtual ~TreeListener() = default;
    // parent.children[index] was just inserted.
    virtual void NodeInserted(const TreeNode& parent, int index) = 0;
    // `node` is about to be removed together with everything below it (it
    // and its parent are still whole).
    virtual void NodeAboutToBeRemoved(const TreeNode& node) = 0;
    // The children of `parent` were re-ordered (same nodes, new order); told
    // only when the order really changed.
    virtual void ChildrenReordered(const TreeNode& parent) = 0;
};

std::string YearLabel(int year);    // "%.4d年"
std::string MonthLabel(int month);  // "%.2d月"
std::string DayLabel(int day);      // "%.2d日"

KIVOR_CP932_TEXT(kYearMark, "年")
KIVOR_CP932_TEXT(kMonthMark, "月")
KIVOR_CP932_TEXT(kDayMark, "日")

class CalendarTree {
  public:
    // YearOrderOlder is read from `settings` whenever the order is made.
    explicit CalendarTree(const Settings& settings);

    const TreeNode& Root() const { return *m_root; }
    TreeNode& Root() { return *m_root; }
    void SetListener(TreeListener* listener) { m_listener = listener; }

    // Builds the tree from the listed dates (any order, duplicates allowed),
    // giving the display order directly without re-sorting after each date.
    // What the tree held before is removed first. Dates that are not real
    // supported dates are left out.
    void Build(const std::vector<EntryDate>& dates);

    // The day's node, or nullptr.
    TreeNode* FindDay(const EntryDate& date);

    // Adds the day (with its month and year when missing) at its place in
    // display order, then puts all years and months in the order of the
    // current YearOrderOlder; nullptr when the day is already in the tree or
    // the date is no real supported date (then nothing changes).
    TreeNode* InsertDate(const EntryDate& date);

    // The child with the label (case-insensitive), appended as the last
    // child when missing.
    TreeNode* FindOrAddChild(const std::string& label, TreeNode& parent);
    bool HasChild(const std::string& label, const TreeNode& parent) const;

    // Removes the day node, then its month and its year when they became
    // empty. The root stays.
    void DeleteDay(TreeNode& day);

    // Orders the years and the months of every year by YearOrderOlder
    // (0: newest first; otherwise oldest first). Days are not touched.
    void SortYearsAndMonths();

    // Labels of the walk for the export, in pre-order of display order.
    void ClearLabels() { m_labels.clear(); }
    void CollectLabels(const TreeNode& from);
    void PutNewerDaysFirst();
    const std::vector<std::string>& Labels() const { return m_labels; }

  private:
    const Settings& m_settings;
    std::unique_ptr<TreeNode> m_root;
    TreeListener* m_listener = nullptr;
    std::vector<std::string> m_labels;
};

// The DateKey of a node and its two ancestors: the first four characters of
// the grandparent's label, two of the parent's and two of the node's.
std::string GetSelectedDateKey(const TreeNode& node);

// strcmp of label2 with label1: negative when label 2 sorts before label 1.
int CompareLabelsDescending(const TreeNode& item1, const TreeNode& item2);

// Reverses every maximal run of day labels in place.
void PutNewerDaysFirst(std::vector<std::string>& labels);

}  // namespace kivor

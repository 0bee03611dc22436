#include "diary/calendar_tree.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace kivor {

namespace {

const char kRootLabel[] = "TOP";

// "%.Nd" of the value followed by the mark ("年", "月" or "日").
std::string NumberLabel(int value, int width, const std::string& mark) {
    std::string label;
    if (value >= 0 && value < 10000) {
        const char digits[4] = {char('0' + value / 1000), char('0' + value / 100 % 10),
                                char('0' + value / 10 % 10), char('0' + value % 10)};
        const int used = value >= 1000 ? 4 : value >= 100 ? 3 : value >= 10 ? 2 : 1;
        const int shown = std::min(std::max(used, width), 4);
        label.reserve(static_cast<std::size_t>(shown) + mark.size());
        label.append(digits + 4 - shown, digits + 4);
    } else {
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "%.*d", width, value);
        label = buffer;
    }
    label += mark;
    return label;
}

// The tree control's own order: the labels compared case-insensitively as
// multibyte text (only single-byte letters fold; a double-byte character
// compares as it stands), ascending.
int CompareLabelsNoCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    bool trail = false;
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (!trail) {
            if (ca >= 'A' && ca <= 'Z') ca = static_cast<unsigned char>(ca - 'A' + 'a');
            if (cb >= 'A' && cb <= 'Z') cb = static_cast<unsigned char>(cb - 'A' + 'a');
        }
        if (ca != cb) return ca < cb ? -1 : 1;
        trail = !trail && IsCp932LeadByte(ca);
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// Whether label `a` goes before label `b` among years or months: newest
// first when `newestFirst`, else the control's ascending order.
bool GoesBefore(const std::string& a, const std::string& b, bool newestFirst) {
    return newestFirst ? std::strcmp(b.c_str(), a.c_str()) < 0 : CompareLabelsNoCase(a, b) < 0;
}

bool DayGoesBefore(const std::string& a, const std::string& b) {
    return CompareLabelsNoCase(a, b) < 0;
}

std::unique_ptr<TreeNode> MakeNode(std::string label, TreeNode* parent, bool isDay) {
    auto node = std::make_unique<TreeNode>();
    node->label = std::move(label);
    node->parent = parent;
    if (isDay) {
        node->image = kImageWhitePage;
        node->selectedImage = kImageBluePage;
    } else {
        node->image = kImageClosedBookAlt;
        node->selectedImage = kImageOpenBook;
    }
    return node;
}

// A new child at `index`; `isDay` chooses its images (a label holding "日").
TreeNode* InsertChild(TreeNode& parent, std::size_t index, std::string label, bool isDay,
                      TreeListener* listener) {
    auto it = parent.children.insert(parent.children.begin() + static_cast<long>(index),
                                     MakeNode(std::move(label), &parent, isDay));
    if (listener) listener->NodeInserted(parent, static_cast<int>(index));
    return it->get();
}

TreeNode* AppendChild(TreeNode& parent, std::string label, bool isDay, TreeListener* listener) {
    return InsertChild(parent, parent.children.size(), std::move(label), isDay, listener);
}

TreeNode* FindChild(const std::string& label, const TreeNode& parent) {
    for (const auto& child : parent.children) {
        if (EqualsNoCaseMb(child->label, label)) return child.get();
    }
    return nullptr;
}

// The child with the label, or a new one inserted before the first child
// that `before` places after it.
template <typename Before>
TreeNode* FindOrInsertInOrder(const std::string& label, TreeNode& parent, Before before,
                              TreeListener* listener) {
    if (TreeNode* found = FindChild(label, parent)) return found;
    std::size_t index = 0;
    while (index < parent.children.size() && !before(label, parent.children[index]->label)) {
        ++index;
    }
    return InsertChild(parent, index, label, ContainsMb(label, kDayMark()), listener);
}

void RemoveNode(TreeNode& node, TreeListener* listener) {
    TreeNode* parent = node.parent;
    if (!parent) return;
    if (listener) listener->NodeAboutToBeRemoved(node);
    auto& siblings = parent->children;
    siblings.erase(siblings.begin() + node.IndexInParent());
}

// Sorts the children of `parent`; the listener hears of it only when the
// order changed.
template <typename Before>
void SortChildren(TreeNode& parent, Before before, TreeListener* listener) {
    auto less = [&](const std::unique_ptr<TreeNode>& a, const std::unique_ptr<TreeNode>& b) {
        return before(a->label, b->label);
    };
    if (std::is_sorted(parent.children.begin(), parent.children.end(), less)) return;
    std::stable_sort(parent.children.begin(), parent.children.end(), less);
    if (listener) listener->ChildrenReordered(parent);
}

}  // namespace

int TreeNode::Depth() const {
    int depth = 0;
    for (const TreeNode* p = parent; p; p = p->parent) ++depth;
    return depth;
}

int TreeNode::IndexInParent() const {
    if (!parent) return -1;
    const auto& siblings = parent->children;
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

bool TreeNode::IsDay() const {
    return ContainsMb(label, kDayMark());
}

std::string YearLabel(int year) {
    return NumberLabel(year, 4, kYearMark());
}
std::string MonthLabel(int month) {
    return NumberLabel(month, 2, kMonthMark());
}
std::string DayLabel(int day) {
    return NumberLabel(day, 2, kDayMark());
}

CalendarTree::CalendarTree(const Settings& settings)
    : m_settings(settings), m_root(std::make_unique<TreeNode>()) {
    m_root->label = kRootLabel;
    m_root->image = kImageClosedBook;
    m_root->selectedImage = kImageOpenBook;
}

void CalendarTree::Build(const std::vector<EntryDate>& dates) {
    while (!m_root->children.empty()) RemoveNode(*m_root->children.back(), m_listener);

    // The dates go into display order in one pass without sorting: each
    // date becomes a number that orders as the display does (years and
    // months as YearOrderOlder puts them, days ascending; for the
    // fixed-width labels the label orders are the numeric ones), and a bit
    // set over the span of those numbers orders them and drops duplicates.
    const bool newestFirst = m_settings.YearOrderOlder == 0;
    std::vector<uint32_t> packedDates;
    packedDates.reserve(dates.size());
    uint32_t low = UINT32_MAX;
    uint32_t high = 0;
    for (const EntryDate& d : dates) {
        if (!IsSupportedDate(d)) continue;
        const uint32_t year = static_cast<uint32_t>(newestFirst ? 9999 - d.year : d.year);
        const uint32_t month = static_cast<uint32_t>(newestFirst ? 12 - d.month : d.month);
        const uint32_t packed = year << 9 | month << 5 | static_cast<uint32_t>(d.day);
        packedDates.push_back(packed);
        low = std::min(low, packed);
        high = std::max(high, packed);
    }
    std::vector<uint64_t> present(packedDates.empty() ? 0 : (high - low) / 64 + 1);
    for (uint32_t packed : packedDates)
        present[(packed - low) / 64] |= uint64_t{1} << (packed - low) % 64;
    std::vector<uint32_t> order;
    order.reserve(packedDates.size());
    for (std::size_t word = 0; word < present.size(); ++word) {
        for (uint64_t bits = present[word]; bits; bits &= bits - 1) {
            order.push_back(low + static_cast<uint32_t>(word * 64 + std::countr_zero(bits)));
        }
    }

    TreeNode* yearNode = nullptr;
    TreeNode* monthNode = nullptr;
    uint32_t lastYear = UINT32_MAX;
    uint32_t lastMonth = UINT32_MAX;
    for (uint32_t packed : order) {
        const uint32_t yearField = packed >> 9;
        const uint32_t monthField = packed >> 5 & 0xF;
        if (yearField != lastYear) {
            const int year = static_cast<int>(newestFirst ? 9999 - yearField : yearField);
            yearNode = AppendChild(*m_root, YearLabel(year), false, m_listener);
            yearNode->children.reserve(12);
            lastYear = yearField;
            lastMonth = UINT32_MAX;
        }
        if (monthField != lastMonth) {
            const int month = static_cast<int>(newestFirst ? 12 - monthField : monthField);
            monthNode = AppendChild(*yearNode, MonthLabel(month), false, m_listener);
            monthNode->children.reserve(31);
            lastMonth = monthField;
        }
        AppendChild(*monthNode, DayLabel(static_cast<int>(packed & 0x1F)), true, m_listener);
    }
}

TreeNode* CalendarTree::FindDay(const EntryDate& date) {
    TreeNode* year = FindChild(YearLabel(date.year), *m_root);
    if (!year) return nullptr;
    TreeNode* month = FindChild(MonthLabel(date.month), *year);
    if (!month) return nullptr;
    return FindChild(DayLabel(date.day), *month);
}

TreeNode* CalendarTree::InsertDate(const EntryDate& date) {
    if (!IsSupportedDate(date)) return nullptr;
    const bool newestFirst = m_settings.YearOrderOlder == 0;
    auto yearsAndMonths = [newestFirst](const std::string& a, const std::string& b) {
        return GoesBefore(a, b, newestFirst);
    };
    // A new year or month goes straight to its place, so the order usually
    // needs no further work; an existing day implies its month and year, so
    // a day already present changes nothing.
    TreeNode* year = FindOrInsertInOrder(YearLabel(date.year), *m_root, yearsAndMonths, m_listener);
    TreeNode* month =
        FindOrInsertInOrder(MonthLabel(date.month), *year, yearsAndMonths, m_listener);
    const std::string dayLabel = DayLabel(date.day);
    if (HasChild(dayLabel, *month)) return nullptr;
    TreeNode* day = FindOrInsertInOrder(dayLabel, *month, DayGoesBefore, m_listener);
    SortChildren(*month, DayGoesBefore, m_listener);
    // Every insertion re-establishes the order of all years and months with
    // the YearOrderOlder of this moment.
    SortYearsAndMonths();
    return day;
}

TreeNode* CalendarTree::FindOrAddChild(const std::string& label, TreeNode& parent) {
    if (TreeNode* found = FindChild(label, parent)) return found;
    return AppendChild(parent, label, ContainsMb(label, kDayMark()), m_listener);
}

bool CalendarTree::HasChild(const std::string& label, const TreeNode& parent) const {
    return FindChild(label, parent) != nullptr;
}

void CalendarTree::DeleteDay(TreeNode& day) {
    TreeNode* month = day.parent;
    TreeNode* year = month ? month->parent : nullptr;
    if (!year || year->parent != m_root.get()) return;  // not a day of this tree
    RemoveNode(day, m_listener);
    if (month->children.empty()) RemoveNode(*month, m_listener);
    if (year->children.empty()) RemoveNode(*year, m_listener);
}

void CalendarTree::SortYearsAndMonths() {
    const bool newestFirst = m_settings.YearOrderOlder == 0;
    auto before = [newestFirst](const std::string& a, const std::string& b) {
        return GoesBefore(a, b, newestFirst);
    };
    SortChildren(*m_root, before, m_listener);
    for (auto& year : m_root->children) SortChildren(*year, before, m_listener);
}

void CalendarTree::CollectLabels(const TreeNode& from) {
    for (const auto& child : from.children) {
        m_labels.push_back(child->label);
        CollectLabels(*child);
    }
}

void CalendarTree::PutNewerDaysFirst() {
    kivor::PutNewerDaysFirst(m_labels);
}

std::string GetSelectedDateKey(const TreeNode& node) {
    const TreeNode* month = node.parent;
    const TreeNode* year = month ? month->parent : nullptr;
    if (!year) return {};
    return year->label.substr(0, 4) + month->label.substr(0, 2) + node.label.substr(0, 2);
}

int CompareLabelsDescending(const TreeNode& item1, const TreeNode& item2) {
    return std::strcmp(item2.label.c_str(), item1.label.c_str());
}

void PutNewerDaysFirst(std::vector<std::string>& labels) {
    auto isDay = [](const std::string& label) { return ContainsMb(label, kDayMark()); };
    auto it = labels.begin();
    while (it != labels.end()) {
        auto runStart = std::find_if(it, labels.end(), isDay);
        auto runEnd = std::find_if_not(runStart, labels.end(), isDay);
        std::reverse(runStart, runEnd);
        it = runEnd;
    }
}

}  // namespace kivor

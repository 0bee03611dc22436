// The calendar tree pane: shows the CalendarTree model (TOP > year > month
// > day) and mirrors each of its changes; selecting a day opens it in the
// editor and the banner.
#pragma once

#include <QTreeView>
#include <string>

#include "diary/calendar_tree.h"
#include "diary/calendar_tree_model.h"
#include "platform/cp932.h"
#include "settings/settings.h"

class CLeftView : public QTreeView, public kivor::TreeListener {
    Q_OBJECT

  public:
    CLeftView(kivor::Settings& settings, QWidget* parent = nullptr);
    ~CLeftView() override;

    // Fills the tree from the entry files of the diary folder, or from the
    // dates already listed from it.
    void OnInitialUpdate();
    void OnInitialUpdate(const std::vector<kivor::EntryDate>& listed);

    // Adds the day; false (and nothing changes) when it is already in the
    // tree. saveFirst: the editor saves the open entry before the tree
    // changes. select: the new day becomes the selection, which opens it.
    bool InsertDate(const kivor::EntryDate& date, bool select, bool saveFirst);

    // Removes the day node (and a month and year left empty), then the
    // day's entry file. Always true.
    bool DeleteDay(kivor::TreeNode& day, const std::string& key);

    // The DateKey formed from the selected node and its two ancestors.
    std::string GetSelectedDateKey() const;

    // Orders years and months by the current YearOrderOlder.
    void SortYearsAndMonths();

    kivor::CalendarTree& Model() { return m_tree; }
    kivor::CalendarTreeModel& ItemModel() { return *m_model; }
    // The node an index shows, and the reverse.
    const kivor::TreeNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const kivor::TreeNode& node) const;
    // The selected node (the current one), or nullptr.
    const kivor::TreeNode* SelectedNode() const;
    // Makes the node the selection (runs OnSelchanged).
    void SelectNode(const kivor::TreeNode& node);

    // The selection changed: opens the selected day, or empties the editor.
    void OnSelchanged();

    // TreeListener: the pane follows the model.
    void NodeInserted(const kivor::TreeNode& parent, int index) override;
    void NodeAboutToBeRemoved(const kivor::TreeNode& node) override;
    void ChildrenReordered(const kivor::TreeNode& parent) override;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

    void OnContextMenu(const QPoint& globalPos);
    void OnKeyDown(QKeyEvent* event);

  private:
    // A node's removal is told before the node goes; the views hear that it
    // went at the next change, or when the model's operation returns.
    void FinishRemoval();
    void ExpandPath(const kivor::TreeNode& day);
    void ExpandAtStart();

    kivor::Settings& m_settings;
    kivor::CalendarTree m_tree;
    kivor::CalendarTreeModel* m_model;
    bool m_removalPending = false;
};

namespace kivor {
KIVOR_CP932_TEXT(kBadDateMessage, "エラー。日付が異常です。")
}  // namespace kivor

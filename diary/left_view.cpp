#include "diary/left_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "app/main_frame.h"
#include "app/title_view.h"
#include "app/window_globals.h"
#include "diary/entry_store.h"
#include "diary/main_view.h"
#include "platform/message_box.h"

using namespace kivor;

namespace {

// The label of a node, or the empty text for a missing one.
std::string LabelOf(const TreeNode* node) {
    return node ? node->label : std::string();
}

}  // namespace

CLeftView::CLeftView(Settings& settings, QWidget* parent)
    : QTreeView(parent),
      m_settings(settings),
      m_tree(settings),
      m_model(new CalendarTreeModel(m_tree, this)) {
    setModel(m_model);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setIconSize(QSize(16, 16));
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { OnSelchanged(); });
    m_tree.SetListener(this);
    g_pLeftView = this;
}

CLeftView::~CLeftView() {
    m_tree.SetListener(nullptr);
}

const TreeNode* CLeftView::NodeOf(const QModelIndex& index) const {
    return m_model->NodeOf(index);
}

QModelIndex CLeftView::IndexOf(const TreeNode& node) const {
    return m_model->IndexOf(node);
}

const TreeNode* CLeftView::SelectedNode() const {
    return NodeOf(currentIndex());
}

void CLeftView::SelectNode(const TreeNode& node) {
    setCurrentIndex(IndexOf(node));
}

void CLeftView::OnInitialUpdate() {
    OnInitialUpdate(ListEntryDates(m_settings.ProgramFolder));
}

void CLeftView::OnInitialUpdate(const std::vector<EntryDate>& listed) {
    g_pLeftView = this;
    // The whole tree at once: the views hear of it in one reset.
    m_tree.SetListener(nullptr);
    m_model->BeginReset();
    m_tree.Build(listed);
    m_model->EndReset();
    m_tree.SetListener(this);
    ExpandAtStart();
}

void CLeftView::ExpandAtStart() {
    // The root and every year open; the months too while the diary is of a
    // size one reads by scrolling. A larger diary opens the months of its
    // first year only, so a century of days does not have to be laid out
    // before the window shows.
    constexpr std::size_t kOpenAllMonthsUpTo = 4000;  // days
    const TreeNode& root = m_tree.Root();
    std::size_t days = 0;
    for (const auto& year : root.children) {
        for (const auto& month : year->children) days += month->children.size();
    }
    expand(IndexOf(root));
    bool first = true;
    for (const auto& year : root.children) {
        expand(IndexOf(*year));
        if (first || days <= kOpenAllMonthsUpTo) {
            for (const auto& month : year->children) expand(IndexOf(*month));
        }
        first = false;
    }
}

void CLeftView::FinishRemoval() {
    if (!m_removalPending) return;
    m_removalPending = false;
    m_model->EndRemove();
}

void CLeftView::ExpandPath(const TreeNode& day) {
    for (const TreeNode* node = day.parent; node; node = node->parent) expand(IndexOf(*node));
}

bool CLeftView::InsertDate(const EntryDate& date, bool select, bool saveFirst) {
    if (const TreeNode* existing = m_tree.FindDay(date)) {
        // The root, the year and the month open also for a day already in
        // the tree; nothing else changes.
        ExpandPath(*existing);
        return false;
    }
    // The open entry is written before the tree and the editor change.
    if (saveFirst && g_pMainView) g_pMainView->SaveEntry(false);
    const TreeNode* day = m_tree.InsertDate(date);
    FinishRemoval();
    if (!day) return false;
    ExpandPath(*day);
    if (select) SelectNode(*day);
    return true;
}

bool CLeftView::DeleteDay(TreeNode& day, const std::string& key) {
    m_tree.DeleteDay(day);
    FinishRemoval();
    DeleteEntry(m_settings.ProgramFolder, key, CurrentMessageBoxService());
    return true;
}

std::string CLeftView::GetSelectedDateKey() const {
    const TreeNode* node = SelectedNode();
    if (!node) return std::string();
    return kivor::GetSelectedDateKey(*node);
}

void CLeftView::SortYearsAndMonths() {
    m_tree.SortYearsAndMonths();
    FinishRemoval();
}

void CLeftView::OnSelchanged() {
    const TreeNode* selected = SelectedNode();
    const TreeNode* parentNode = selected ? selected->parent : nullptr;
    const TreeNode* grandparent = parentNode ? parentNode->parent : nullptr;
    const std::string day = LabelOf(selected);
    const std::string month = LabelOf(parentNode);
    const std::string year = LabelOf(grandparent);
    const std::string top = "TOP";
    CMainView* editor = g_pMainView;
    if (day.empty() || month.empty() || year.empty() || day == top || month == top || year == top) {
        // Not a day: the root, a year, a month or nothing.
        if (editor) {
            editor->SetWindowText(QString());
            editor->setEnabled(false);
        }
        if (g_pTitleView) g_pTitleView->SetDate(std::string());
        if (editor) editor->m_szDateKey.clear();
        return;
    }
    if (editor) editor->setEnabled(true);
    const std::string key = year.substr(0, 4) + month.substr(0, 2) + day.substr(0, 2);
    if (key.size() != 8) {
        AppMessageBox(CurrentMessageBoxService(), kBadDateMessage());
        return;
    }
    if (editor) {
        editor->m_szDateKey = key;
        editor->LoadEntry(ParseDateKey(key));
    }
    if (g_pTitleView) g_pTitleView->SetDate(key);
}

void CLeftView::NodeInserted(const TreeNode& parent, int index) {
    FinishRemoval();
    m_model->Inserted(parent, index);
}

void CLeftView::NodeAboutToBeRemoved(const TreeNode& node) {
    FinishRemoval();
    // The views drop the row now (the tree moves its selection to a
    // neighbour, which runs the selection handler) while the node is whole.
    m_model->BeginRemove(node);
    m_removalPending = true;
}

void CLeftView::ChildrenReordered(const TreeNode& parent) {
    FinishRemoval();
    m_model->Reordered(parent);
}

void CLeftView::contextMenuEvent(QContextMenuEvent* event) {
    OnContextMenu(event->globalPos());
    event->accept();
}

void CLeftView::OnContextMenu(const QPoint& globalPos) {
    if (!g_pMainFrame) return;
    QMenu menu(this);
    CMainFrame* frame = g_pMainFrame;
    menu.addAction(QStringLiteral("追加"), frame, [frame] { frame->ExecuteCommand(1009); });
    menu.addAction(QStringLiteral("削除"), frame, [frame] { frame->ExecuteCommand(1010); });
    menu.exec(globalPos);
}

void CLeftView::mousePressEvent(QMouseEvent* event) {
    // The right button neither selects nor starts anything of the tree's own.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void CLeftView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void CLeftView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void CLeftView::keyPressEvent(QKeyEvent* event) {
    OnKeyDown(event);
}

void CLeftView::OnKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        if (g_pMainFrame) g_pMainFrame->OnDeleteEntry();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CLeftView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    if (g_pMainFrame) g_pMainFrame->SetActivePane(this);
}

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
#include "res/icons.h"

using namespace kivor;

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

QString LabelText(const TreeNode& node) {
    return QString::fromStdString(Cp932ToUtf8Lossy(node.label));
}

// The label of a node, or the empty text for a missing one.
std::string LabelOf(const TreeNode* node) {
    return node ? node->label : std::string();
}

}  // namespace

CLeftView::CLeftView(Settings& settings, QWidget* parent)
    : QTreeWidget(parent), m_settings(settings), m_tree(settings) {
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setIconSize(QSize(16, 16));
    setFont(QFont(font().family(), font().pointSize()));

    QTreeWidgetItem* root = MakeItem(m_tree.Root());
    addTopLevelItem(root);
    connect(this, &QTreeWidget::currentItemChanged, this, [this] {
        if (m_quiet == 0) OnSelchanged();
    });
    g_pLeftView = this;
}

CLeftView::~CLeftView() {
    m_tree.SetListener(nullptr);
}

QTreeWidgetItem* CLeftView::MakeItem(const TreeNode& node) {
    auto* item = new QTreeWidgetItem(QStringList(LabelText(node)));
    item->setIcon(0, TreeNodeIcon(node.image, node.selectedImage));
    item->setData(0, kNodeRole, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(&node)));
    m_items[&node] = item;
    MirrorChildren(node, item);
    return item;
}

void CLeftView::MirrorChildren(const TreeNode& node, QTreeWidgetItem* item) {
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(node.children.size()));
    for (const auto& child : node.children) children.append(MakeItem(*child));
    if (!children.isEmpty()) item->addChildren(children);
}

TreeNode* CLeftView::NodeOf(const QTreeWidgetItem* item) const {
    if (!item) return nullptr;
    return reinterpret_cast<TreeNode*>(item->data(0, kNodeRole).value<quintptr>());
}

QTreeWidgetItem* CLeftView::ItemOf(const TreeNode& node) const {
    auto it = m_items.find(&node);
    return it == m_items.end() ? nullptr : it->second;
}

TreeNode* CLeftView::SelectedNode() const {
    return NodeOf(currentItem());
}

void CLeftView::SelectNode(const TreeNode& node) {
    if (QTreeWidgetItem* item = ItemOf(node)) setCurrentItem(item);
}

void CLeftView::OnInitialUpdate() {
    g_pLeftView = this;
    m_tree.SetListener(nullptr);
    m_tree.Build(ListEntryDates(m_settings.ProgramFolder));
    // Mirror the whole model at once: the detached items are built first and
    // added to the widget in one step.
    ++m_quiet;
    QTreeWidgetItem* root = ItemOf(m_tree.Root());
    qDeleteAll(root->takeChildren());
    m_items.clear();
    m_items[&m_tree.Root()] = root;
    MirrorChildren(m_tree.Root(), root);
    expandAll();
    --m_quiet;
    m_tree.SetListener(this);
}

void CLeftView::ExpandPath(const TreeNode& day) {
    for (const TreeNode* node = day.parent; node; node = node->parent) {
        if (QTreeWidgetItem* item = ItemOf(*node)) item->setExpanded(true);
    }
}

bool CLeftView::InsertDate(const EntryDate& date, bool select, bool saveFirst) {
    if (m_tree.FindDay(date)) return false;
    // The open entry is written before the tree and the editor change.
    if (saveFirst && g_pMainView) g_pMainView->SaveEntry(false);
    TreeNode* day = m_tree.InsertDate(date);
    if (!day) return false;
    ExpandPath(*day);
    if (select) SelectNode(*day);
    return true;
}

bool CLeftView::DeleteDay(TreeNode& day, const std::string& key) {
    m_tree.DeleteDay(day);
    DeleteEntry(m_settings.ProgramFolder, key, CurrentMessageBoxService());
    return true;
}

std::string CLeftView::GetSelectedDateKey() const {
    const TreeNode* node = SelectedNode();
    if (!node || !node->parent || !node->parent->parent) return std::string();
    return kivor::GetSelectedDateKey(*node);
}

void CLeftView::SortYearsAndMonths() {
    m_tree.SortYearsAndMonths();
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
    QTreeWidgetItem* parentItem = ItemOf(parent);
    if (!parentItem || index < 0 || index >= static_cast<int>(parent.children.size())) return;
    parentItem->insertChild(index, MakeItem(*parent.children[static_cast<size_t>(index)]));
}

void CLeftView::NodeAboutToBeRemoved(const TreeNode& node) {
    QTreeWidgetItem* item = ItemOf(node);
    if (!item) return;
    // Forget the node and everything under it.
    std::vector<const TreeNode*> stack{&node};
    while (!stack.empty()) {
        const TreeNode* n = stack.back();
        stack.pop_back();
        m_items.erase(n);
        for (const auto& child : n->children) stack.push_back(child.get());
    }
    // Deleting the item lets the widget choose the next selection, which
    // runs the selection handler.
    delete item;
}

void CLeftView::ChildrenReordered(const TreeNode& parent) {
    QTreeWidgetItem* parentItem = ItemOf(parent);
    if (!parentItem) return;
    ++m_quiet;
    QTreeWidgetItem* current = currentItem();
    // Keep what was open: taking the items out of the widget closes them.
    std::vector<QTreeWidgetItem*> expanded;
    std::vector<QTreeWidgetItem*> stack;
    for (int i = 0; i < parentItem->childCount(); ++i) stack.push_back(parentItem->child(i));
    while (!stack.empty()) {
        QTreeWidgetItem* item = stack.back();
        stack.pop_back();
        if (item->isExpanded()) expanded.push_back(item);
        for (int i = 0; i < item->childCount(); ++i) stack.push_back(item->child(i));
    }
    const QList<QTreeWidgetItem*> taken = parentItem->takeChildren();
    (void)taken;
    QList<QTreeWidgetItem*> ordered;
    ordered.reserve(static_cast<qsizetype>(parent.children.size()));
    for (const auto& child : parent.children) ordered.append(ItemOf(*child));
    parentItem->addChildren(ordered);
    for (QTreeWidgetItem* item : expanded) item->setExpanded(true);
    if (current && currentItem() != current) setCurrentItem(current);
    --m_quiet;
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
    QTreeWidget::mousePressEvent(event);
}

void CLeftView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CLeftView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
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
    QTreeWidget::keyPressEvent(event);
}

void CLeftView::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    if (g_pMainFrame) g_pMainFrame->SetActivePane(this);
}

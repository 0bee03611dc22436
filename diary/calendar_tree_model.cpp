#include "diary/calendar_tree_model.h"

#include "platform/cp932.h"
#include "platform/qt_text.h"
#include "res/icons.h"

namespace kivor {

namespace {

TreeNode* Mutable(const TreeNode* node) {
    return const_cast<TreeNode*>(node);
}

}  // namespace

CalendarTreeModel::CalendarTreeModel(CalendarTree& tree, QObject* parent)
    : QAbstractItemModel(parent), m_tree(tree) {}

const TreeNode* CalendarTreeModel::NodeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) return nullptr;
    return static_cast<const TreeNode*>(index.internalPointer());
}

QModelIndex CalendarTreeModel::IndexOf(const TreeNode& node) const {
    if (!node.parent) return createIndex(0, 0, Mutable(&node));
    return createIndex(node.IndexInParent(), 0, Mutable(&node));
}

QModelIndex CalendarTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    if (!parent.isValid()) {
        return row == 0 ? createIndex(0, 0, Mutable(&m_tree.Root())) : QModelIndex();
    }
    const TreeNode* node = NodeOf(parent);
    if (!node || row >= static_cast<int>(node->children.size())) return {};
    return createIndex(row, 0, node->children[static_cast<size_t>(row)].get());
}

QModelIndex CalendarTreeModel::parent(const QModelIndex& index) const {
    const TreeNode* node = NodeOf(index);
    if (!node || !node->parent) return {};
    return IndexOf(*node->parent);
}

int CalendarTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return 1;  // the root "TOP"
    if (parent.column() != 0) return 0;
    const TreeNode* node = NodeOf(parent);
    return node ? static_cast<int>(node->children.size()) : 0;
}

int CalendarTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool CalendarTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QString CalendarTreeModel::LabelText(const TreeNode& node) const {
    const QByteArray key = QByteArray::fromStdString(node.label);
    auto it = m_labelTexts.constFind(key);
    if (it != m_labelTexts.constEnd()) return *it;
    const QString text = FromCp932(node.label);
    m_labelTexts.insert(key, text);
    return text;
}

QVariant CalendarTreeModel::data(const QModelIndex& index, int role) const {
    const TreeNode* node = NodeOf(index);
    if (!node) return {};
    switch (role) {
        case Qt::DisplayRole:
            return LabelText(*node);
        case Qt::DecorationRole:
            return TreeNodeIcon(node->image, node->selectedImage);
        default:
            return {};
    }
}

Qt::ItemFlags CalendarTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void CalendarTreeModel::Inserted(const TreeNode& parent, int index) {
    // The node is in place already; the views learn of it now.
    beginInsertRows(IndexOf(parent), index, index);
    endInsertRows();
}

void CalendarTreeModel::BeginRemove(const TreeNode& node) {
    const int row = node.parent ? node.IndexInParent() : 0;
    beginRemoveRows(node.parent ? IndexOf(*node.parent) : QModelIndex(), row, row);
}

void CalendarTreeModel::EndRemove() {
    endRemoveRows();
}

void CalendarTreeModel::Reordered(const TreeNode& parent) {
    const QModelIndex parentIndex = IndexOf(parent);
    emit layoutAboutToBeChanged({QPersistentModelIndex(parentIndex)},
                                QAbstractItemModel::VerticalSortHint);
    // The persistent indexes (selection, current item, open nodes) follow
    // their nodes to the new rows.
    const QModelIndexList persistent = persistentIndexList();
    for (const QModelIndex& old : persistent) {
        const TreeNode* node = NodeOf(old);
        if (node && node->parent == &parent) {
            changePersistentIndex(old, createIndex(node->IndexInParent(), 0, Mutable(node)));
        }
    }
    emit layoutChanged({QPersistentModelIndex(parentIndex)}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace kivor

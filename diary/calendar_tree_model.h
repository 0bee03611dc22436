// The calendar tree as the tree pane shows it: a Qt item model over the
// CalendarTree's nodes, without an object per item, so a diary of a
// hundred years shows at once. The pane tells it of every change of the
// CalendarTree (see CLeftView).
#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QString>
#include <string>

#include "diary/calendar_tree.h"

namespace kivor {

class CalendarTreeModel : public QAbstractItemModel {
    Q_OBJECT

  public:
    explicit CalendarTreeModel(CalendarTree& tree, QObject* parent = nullptr);

    const TreeNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const TreeNode& node) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The changes, told by the pane. parent.children[index] was inserted.
    void Inserted(const TreeNode& parent, int index);
    // `node` (and what is under it) is about to go; EndRemove when it went.
    void BeginRemove(const TreeNode& node);
    void EndRemove();
    // The children of `parent` have a new order.
    void Reordered(const TreeNode& parent);
    // The whole tree was built anew.
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }

    // The label as shown (the stored label is CP932).
    QString LabelText(const TreeNode& node) const;

  private:
    CalendarTree& m_tree;
    mutable QHash<QByteArray, QString> m_labelTexts;
};

}  // namespace kivor

#include "settings/page_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kivor {

namespace {
template <typename Control>
Control* Place(Control* control, int id, const QRect& rect) {
    if (id != 0) control->setObjectName(QString::number(id));
    control->setGeometry(rect);
    return control;
}
}  // namespace

QCheckBox* MakeCheckBox(QWidget* parent, int id, const QString& text, const QRect& rect) {
    return Place(new QCheckBox(text, parent), id, rect);
}

QRadioButton* MakeRadioButton(QWidget* parent, int id, const QString& text, const QRect& rect) {
    return Place(new QRadioButton(text, parent), id, rect);
}

QPushButton* MakeButton(QWidget* parent, int id, const QString& text, const QRect& rect) {
    auto* button = Place(new QPushButton(text, parent), id, rect);
    return button;
}

QLineEdit* MakeLineEdit(QWidget* parent, int id, const QRect& rect) {
    return Place(new QLineEdit(parent), id, rect);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& rect) {
    auto* label = Place(new QLabel(text, parent), 0, rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QGroupBox* MakeGroupBox(QWidget* parent, const QString& text, const QRect& rect) {
    auto* group = Place(new QGroupBox(text, parent), 0, rect);
    group->lower();
    return group;
}

QComboBox* MakeDropDownList(QWidget* parent, int id, const QRect& rect) {
    auto* list = Place(new QComboBox(parent), id, rect);
    list->setEditable(false);
    return list;
}

void SetCheck(QCheckBox* box, int32_t value) {
    box->setChecked(value != 0);
}

int32_t GetCheck(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

}  // namespace kivor

#include "platform/property_sheet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kivor {

QFont PageFont() {
    return DialogFont(9);
}

PropertyPage::PropertyPage(const QString& tabText, QSize templateSize)
    : m_tabText(tabText), m_units(PageFont()) {
    setFont(PageFont());
    setMinimumSize(m_units.X(templateSize.width()), m_units.Y(templateSize.height()));
}

void PropertyPage::SetModified(bool modified) {
    if (m_modified == modified) return;
    m_modified = modified;
    emit ModifiedChanged(modified);
}

void PropertyPage::Create() {
    if (m_created) return;
    m_created = true;
    OnInitDialog();
    // Controls made on a page that is already on screen are shown here,
    // unless the page hid one on purpose.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->testAttribute(Qt::WA_WState_ExplicitShowHide)) control->show();
    }
}

PropertySheet::PropertySheet(const QString& caption, QWidget* parent, int startPage)
    : QDialog(parent), m_startPage(startPage) {
    setWindowTitle(caption);
    setFont(PageFont());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_tabs = new QTabWidget(this);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    m_apply = new QPushButton(QStringLiteral("適用(&A)"), this);
    m_ok->setObjectName(QStringLiteral("1"));
    m_cancel->setObjectName(QStringLiteral("2"));
    m_apply->setObjectName(QStringLiteral("12321"));
    m_ok->setDefault(true);
    m_apply->setEnabled(false);

    const DialogUnits units(PageFont());
    for (QPushButton* button : {m_ok, m_cancel, m_apply}) {
        button->setFixedSize(units.X(50), units.Y(14));
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_apply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &PropertySheet::OnOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, &PropertySheet::OnApplyNow);
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::OnCurrentChanged);
}

void PropertySheet::AddPage(PropertyPage* page) {
    m_pages.push_back(page);
    connect(page, &PropertyPage::ModifiedChanged, this, &PropertySheet::UpdateApplyButton);
    m_tabs->addTab(page, page->TabText());
}

void PropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= PageCount()) return;
    m_tabs->setCurrentIndex(index);
    if (m_opened) m_pages[index]->Create();
}

int PropertySheet::ActivePageIndex() const {
    return m_tabs->currentIndex();
}

void PropertySheet::showEvent(QShowEvent* event) {
    if (!m_opened) {
        m_opened = true;
        // The sheet opens on its start page; only that page is created now.
        const int start = (m_startPage >= 0 && m_startPage < PageCount()) ? m_startPage : 0;
        if (PageCount() > 0) {
            SetActivePage(start);
            // The focus starts on the first control of that page that takes
            // it, as the page's OnInitDialog leaves it to the sheet.
            PropertyPage* page = m_pages[start];
            for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
                if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
                    w->isVisibleTo(page)) {
                    w->setFocus();
                    break;
                }
            }
        }
    }
    QDialog::showEvent(event);
}

void PropertySheet::OnCurrentChanged(int index) {
    // Before the sheet opens, adding the first tab selects it; the page is
    // created only when the sheet is really shown.
    if (m_opened && index >= 0 && index < PageCount()) m_pages[index]->Create();
}

bool PropertySheet::ApplyAll() {
    for (PropertyPage* page : m_pages) {
        if (page->IsCreated() && !page->OnApply()) {
            m_tabs->setCurrentWidget(page);
            return false;
        }
    }
    for (PropertyPage* page : m_pages) page->SetModified(false);
    return true;
}

void PropertySheet::OnOk() {
    if (ApplyAll()) accept();
}

void PropertySheet::OnApplyNow() {
    ApplyAll();
    UpdateApplyButton();
}

void PropertySheet::UpdateApplyButton() {
    const bool anyModified =
        std::any_of(m_pages.begin(), m_pages.end(),
                    [](const PropertyPage* page) { return page->IsModified(); });
    m_apply->setEnabled(anyModified);
}

}  // namespace kivor

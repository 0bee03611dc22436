// Our stand-in for the platform's property sheet: a modal dialog with one
// tab per page and the buttons OK, キャンセル and 適用.
//
// The pages rely on exactly this behaviour:
// - a page's controls are created (OnInitDialog) the first time the page is
//   shown, and live until the sheet is destroyed; a page never shown has no
//   controls and stores nothing;
// - OK and Apply call OnApply of every created page, in page order; OK then
//   closes the sheet with QDialog::Accepted, Apply keeps it open;
// - Apply starts disabled, is enabled as soon as a page marks itself changed
//   (SetModified(true)) and is disabled again after an Apply;
// - Cancel (also Esc and the close box) calls no page;
// - the sheet opens on its start page (the first, unless told otherwise),
//   with the focus on the first control of that page that takes it.
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

#include "platform/dialog_units.h"

class QPushButton;
class QTabWidget;

namespace kivor {

class PropertySheet;

class PropertyPage : public QWidget {
    Q_OBJECT
  public:
    // `tabText` is the tab's caption; `templateSize` the page's size in
    // dialog units of the page font.
    PropertyPage(const QString& tabText, QSize templateSize);

    const QString& TabText() const { return m_tabText; }
    bool IsCreated() const { return m_created; }
    bool IsModified() const { return m_modified; }

    // Marks the page changed or unchanged; the sheet enables Apply while any
    // page is changed.
    void SetModified(bool modified);

    // Creates the page's controls once (the sheet calls it when the page is
    // first shown).
    void Create();

    // Stores the page's values. False keeps the sheet open and stops the
    // OK or Apply at this page.
    virtual bool OnApply() { return true; }

  signals:
    void ModifiedChanged(bool modified);

  protected:
    // Creates the controls and fills them. Called once, by Create.
    virtual void OnInitDialog() = 0;

    // The handler that the pages bind to their controls' change
    // notifications: marks the page changed.
    void OnSettingChanged() { SetModified(true); }

    // A rectangle given in dialog units, in pixels of this page.
    QRect Dlu(int x, int y, int width, int height) const {
        return m_units.Rect(x, y, width, height);
    }
    const DialogUnits& Units() const { return m_units; }

  private:
    QString m_tabText;
    DialogUnits m_units;
    bool m_created = false;
    bool m_modified = false;
};

class PropertySheet : public QDialog {
    Q_OBJECT
  public:
    PropertySheet(const QString& caption, QWidget* parent = nullptr, int startPage = 0);

    // Adds a page as the last tab; the sheet takes ownership.
    void AddPage(PropertyPage* page);
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    PropertyPage* Page(int index) const { return m_pages.at(index); }

    // Shows the page, creating its controls when it is shown the first time.
    void SetActivePage(int index);
    int ActivePageIndex() const;

    // Runs the sheet modally; QDialog::Accepted after OK.
    int DoModal() { return exec(); }

    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* ApplyButton() const { return m_apply; }
    QTabWidget* Tabs() const { return m_tabs; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnOk();
    void OnApplyNow();
    void OnCurrentChanged(int index);
    bool ApplyAll();
    void UpdateApplyButton();

    std::vector<PropertyPage*> m_pages;
    QTabWidget* m_tabs;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_apply;
    int m_startPage;
    bool m_opened = false;
};

// The font of the option pages and dialogs.
QFont PageFont();

}  // namespace kivor

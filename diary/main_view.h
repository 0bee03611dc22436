// The entry editor: the lower right pane, a plain-text editor of the open
// day's entry that writes the entry back whenever it loses the focus.
#pragma once

#include <QPlainTextEdit>
#include <string>

#include "diary/entry_date.h"
#include "platform/cp932.h"
#include "settings/settings.h"

class CMainView : public QPlainTextEdit {
    Q_OBJECT

  public:
    // How the open day's file fared at its last load.
    enum class LoadState {
        none,        // nothing loaded since the key was set
        loaded,      // read and shown
        missing,     // no file yet: a new, empty entry
        unreadable,  // exists but could not be read whole: shown read-only, never written
    };

    CMainView(kivor::Settings& settings, QWidget* parent = nullptr);
    ~CMainView() override;

    // Shows the day's stored text. Always true.
    bool LoadEntry(const kivor::EntryDate& date);

    // Writes the open day's file with what the editor shows, asking first or
    // noting it afterwards as PromptToSave selects. True when the write was
    // attempted; false when the user declined, no day is open, the day is
    // shown read-only, or another save is in progress.
    bool SaveEntry(bool force);

    // Sets the whole text (the placeholder of a new entry, the empty text).
    void SetWindowText(const QString& text);

    // Pasted or dropped text (no key press: the entry stays unmodified).
    void insertFromMimeData(const QMimeData* source) override;

    LoadState GetLoadState() const { return m_loadState; }

    // The window is closing and the entry has been saved for the last time:
    // later focus losses write nothing.
    void EndEditing() { m_ended = true; }

    int m_bModified = 0;      // a key was pressed since the last save attempt
    std::string m_szDateKey;  // DateKey of the open day; empty when none is open

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

    void OnKillFocus();
    void OnKeyDown(QKeyEvent* event);
    void OnActivateView();

  private:
    // Whether `text` may replace the selection: every character can be
    // stored and the text limit holds. Says why not in the status bar.
    bool AcceptInsertion(const QString& text);
    void ShowStatus(const QString& text);
    void SetUnreadable(const QString& notice);

    kivor::Settings& m_settings;
    LoadState m_loadState = LoadState::none;
    bool m_saving = false;
    bool m_ended = false;  // a save is in progress; a nested one is suppressed
};

namespace kivor {
KIVOR_CP932_TEXT(kAskSaveChanges, "変更内容を保存しますか。")
KIVOR_CP932_TEXT(kConfirmCaption, "確認")
KIVOR_CP932_TEXT(kSelectDayToSave,
                 "保存する日記を選択した状態で押してください。(日記は日ごとに保存します)")
}  // namespace kivor

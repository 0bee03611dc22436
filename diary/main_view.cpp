#include "diary/main_view.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <cerrno>

#include "app/main_frame.h"
#include "app/window_globals.h"
#include "diary/editor_notices.h"
#include "diary/editor_text.h"
#include "diary/entry_store.h"
#include "platform/dialog_units.h"
#include "platform/error_text.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"

using namespace kivor;

CMainView::CMainView(Settings& settings, QWidget* parent)
    : QPlainTextEdit(parent), m_settings(settings) {
    // Multi-line, both scroll bars as needed, no word wrap, the selection
    // kept visible.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(DialogFont(11));
    setEnabled(false);
    g_pMainView = this;
}

CMainView::~CMainView() = default;

bool CMainView::LoadEntry(const EntryDate& date) {
    int error = 0;
    bool hadNul = false;
    std::optional<std::string> stored = ReadEntry(m_settings.ProgramFolder, date, &error, &hadNul);
    setReadOnly(false);
    if (!stored) {
        if (error == ENOENT) {
            // No file yet: a new, empty entry.
            m_loadState = LoadState::missing;
            SetWindowText(QString());
        } else {
            SetWindowText(QString());
            SetUnreadable(UnreadableEntryNotice());
        }
        return true;
    }
    std::optional<QString> text = EntryTextToEditor(*stored);
    if (!text) {
        SetWindowText(FromCp932(*stored).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        SetUnreadable(UnshowableEntryNotice());
        return true;
    }
    SetWindowText(*text);
    if (hadNul) {
        // The NUL bytes cannot be shown; writing back would drop them.
        SetUnreadable(UnshowableEntryNotice());
        return true;
    }
    m_loadState = LoadState::loaded;
    return true;
}

void CMainView::SetUnreadable(const QString& notice) {
    m_loadState = LoadState::unreadable;
    setReadOnly(true);
    ShowStatus(notice);
}

void CMainView::SetWindowText(const QString& text) {
    setPlainText(text);
}

bool CMainView::SaveEntry(bool force) {
    // A message box shown below takes the focus from the editor; the save
    // its focus loss would start is this one.
    if (m_saving) return false;
    m_saving = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_saving};

    MessageBoxService& boxes = CurrentMessageBoxService();
    if (!m_szDateKey.empty() && m_loadState == LoadState::unreadable) {
        // The day is shown read-only and is never written: nothing to ask.
        m_bModified = 0;
        return false;
    }
    if (m_bModified && !force && m_settings.PromptToSave == 1) {
        MbAnswer answer =
            boxes.Show(kAskSaveChanges(), kConfirmCaption(), MbButtons::yesNo, MbIcon::question);
        if (answer != MbAnswer::yes) {
            m_bModified = 0;
            return false;
        }
    }
    const bool wasModified = m_bModified != 0;
    m_bModified = 0;
    if (m_szDateKey.empty()) {
        AppMessageBox(boxes, kSelectDayToSave());
        return false;
    }
    std::optional<std::string> bytes = EditorTextToEntry(document()->toRawText());
    const QString fileName = QString::fromStdString(
        Cp932ToUtf8Lossy(EntryFilePath(m_settings.ProgramFolder, m_szDateKey)));
    if (!bytes) {
        ShowStatus(SaveFailedNotice(CannotStoreCharacterNotice(), fileName));
        return false;
    }
    const int error = WriteEntry(m_settings.ProgramFolder, m_szDateKey, *bytes);
    if (error != 0) {
        ShowStatus(SaveFailedNotice(FromCp932(SystemErrorText(error)), fileName));
        return true;
    }
    if (m_loadState == LoadState::missing) m_loadState = LoadState::loaded;
    if (wasModified && !force && m_settings.PromptToSave != 1) ShowStatus(AutoSavedNotice());
    return true;
}

void CMainView::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    OnActivateView();
}

void CMainView::OnActivateView() {
    g_bEditorActive = 1;
    if (g_pMainFrame) g_pMainFrame->SetActivePane(this);
}

void CMainView::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // A menu opening keeps the editor the focused pane; it is no focus loss.
    if (event->reason() == Qt::PopupFocusReason) return;
    if (!isEnabled()) {
        // Disabling the editor (the tree's selection is no day) pushes the
        // focus on; the text is already emptied for that selection and is
        // not the open day's: nothing is written.
        g_bEditorActive = 0;
        if (g_pMainFrame) g_pMainFrame->UpdateCommandUI();
        return;
    }
    OnKillFocus();
}

void CMainView::OnKillFocus() {
    if (!m_ended) SaveEntry(false);
    g_bEditorActive = 0;
    if (g_pMainFrame) g_pMainFrame->UpdateCommandUI();
}

void CMainView::keyPressEvent(QKeyEvent* event) {
    OnKeyDown(event);
}

namespace {

// Alt, F10 and the keys pressed while Alt is held (without Ctrl) are the
// system's keys for the menu and the window manager (Alt+Tab), no key
// presses of the editor's.
bool IsSystemKey(const QKeyEvent* event) {
    if (event->key() == Qt::Key_F10) return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ControlModifier) return false;
    return event->key() == Qt::Key_Alt || (modifiers & Qt::AltModifier);
}

}  // namespace

void CMainView::OnKeyDown(QKeyEvent* event) {
    // Every key press counts, also arrows and modifiers alone.
    if (!IsSystemKey(event)) m_bModified = 1;
    const QString text = event->text();
    // Text the key would insert (not the control characters of Backspace,
    // Delete or Escape; a character beyond the BMP comes as two halves).
    const char16_t first = text.isEmpty() ? 0 : text.at(0).unicode();
    const bool insertsText = !text.isEmpty() && !isReadOnly() &&
                             !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) &&
                             ((first >= 0x20 && first != 0x7F) || first == u'\r' || first == u'\t');
    if (insertsText && !AcceptInsertion(text)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CMainView::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && !isReadOnly() &&
        !AcceptInsertion(event->commitString())) {
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QPlainTextEdit::inputMethodEvent(&withoutCommit);
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void CMainView::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    if (!AcceptInsertion(source->text())) return;
    QPlainTextEdit::insertFromMimeData(source);
}

bool CMainView::AcceptInsertion(const QString& text) {
    if (!CanStoreText(text)) {
        ShowStatus(CannotStoreCharacterNotice());
        return false;
    }
    const long added = StoredByteLength(text);
    // Cheap bound first: no character takes more than two bytes.
    const long upperBound = 2L * document()->characterCount() + added;
    if (upperBound > kEditorTextLimit) {
        const QTextCursor cursor = textCursor();
        const long removed = StoredByteLength(cursor.selectedText());
        const long current = StoredByteLength(document()->toRawText());
        if (current - removed + added > kEditorTextLimit) {
            ShowStatus(TextLimitNotice());
            return false;
        }
    }
    return true;
}

void CMainView::ShowStatus(const QString& text) {
    if (g_pMainFrame) g_pMainFrame->SetMessageText(text);
}

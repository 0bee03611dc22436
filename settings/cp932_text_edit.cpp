#include "settings/cp932_text_edit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include "platform/cp932.h"
#include "platform/qt_text.h"

namespace kivor {

namespace {
int StoredLength(const QString& text) {
    // A line break is stored as CR LF: two characters.
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')) +
                            text.count(QChar::ParagraphSeparator));
}
}  // namespace

Cp932TextEdit::Cp932TextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void Cp932TextEdit::SetTextBytes(const std::string& cp932) {
    m_loadedBytes = cp932;
    QString shown = FromCp932(cp932);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    document()->setModified(false);
}

std::string Cp932TextEdit::TextBytes() const {
    if (!document()->isModified()) return m_loadedBytes;
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToCp932Lossy(text);
}

int Cp932TextEdit::LimitedLength() const {
    return StoredLength(toPlainText());
}

QString Cp932TextEdit::Fitting(const QString& text) const {
    if (!ToCp932(text)) return QString();
    const int selected = StoredLength(textCursor().selectedText());
    int room = m_limit - (LimitedLength() - selected);
    QString fitting;
    for (QChar c : text) {
        const int size = (c == QLatin1Char('\n')) ? 2 : 1;
        if (size > room) break;
        room -= size;
        fitting += c;
    }
    return fitting;
}

void Cp932TextEdit::keyPressEvent(QKeyEvent* event) {
    const bool newLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString text = newLine ? QStringLiteral("\n") : event->text();
    const bool inserts =
        newLine || (!text.isEmpty() && text.at(0).category() != QChar::Other_Control);
    if (inserts && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (Fitting(text) != text) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Cp932TextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        const QString fitting = Fitting(event->commitString());
        if (fitting != event->commitString()) {
            QInputMethodEvent cut(event->preeditString(), event->attributes());
            cut.setCommitString(fitting, event->replacementStart(), event->replacementLength());
            QApplication::beep();
            QPlainTextEdit::inputMethodEvent(&cut);
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void Cp932TextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString fitting = Fitting(text);
    if (fitting != text) QApplication::beep();
    if (fitting.isEmpty()) return;
    QTextCursor cursor = textCursor();
    cursor.insertText(fitting);
    setTextCursor(cursor);
}

}  // namespace kivor

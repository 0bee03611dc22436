// A multi-line edit whose text is kept as CP932 bytes with CR LF line
// breaks. The program's text is shown and kept whole; the user's typing and
// pasting is limited to a number of characters (a line break counts as its
// two characters CR LF) and may not bring in characters CP932 cannot hold.
#pragma once

#include <QPlainTextEdit>
#include <string>

namespace kivor {

class Cp932TextEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit Cp932TextEdit(QWidget* parent = nullptr);

    // Limit on typing, in characters; a longer loaded text stays whole.
    void SetTypingLimit(int characters) { m_limit = characters; }
    int TypingLimit() const { return m_limit; }

    // Shows CP932 bytes (CR LF pairs become line breaks). Not reported as a
    // change by textChanged when the page connects after loading.
    void SetTextBytes(const std::string& cp932);

    // The text as CP932 bytes with CR LF line breaks; while the user has not
    // changed the text, exactly the bytes SetTextBytes was given.
    std::string TextBytes() const;

    // The length the typing limit measures.
    int LimitedLength() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // The part of `text` that may be inserted in place of the selection.
    QString Fitting(const QString& text) const;

    int m_limit = 0x7FFFFFFE;
    std::string m_loadedBytes;
};

}  // namespace kivor

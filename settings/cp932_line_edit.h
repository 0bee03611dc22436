// Single-line edit boxes whose text is kept as CP932 bytes.
//
// LimitBox attaches a validator that refuses characters CP932 cannot hold
// (and, for number boxes, anything but digits) and cuts what the user types
// or pastes so that the text stays within a number of CP932 bytes; the cut
// falls on a character boundary. A text the program puts into the box with
// SetBoxBytes stays whole even when it is longer: the limit applies to
// typing only.
#pragma once

#include <QString>
#include <QValidator>
#include <cstddef>
#include <string>

class QLineEdit;

namespace kivor {

class Cp932ByteValidator : public QValidator {
    Q_OBJECT
  public:
    Cp932ByteValidator(std::size_t maxBytes, bool digitsOnly, QObject* parent);

    State validate(QString& input, int& pos) const override;

    // The program is about to show these bytes: the next text is accepted
    // whole, and BoxBytes gives these bytes back while the text is unchanged.
    void Load(const std::string& bytes, const QString& shown);

    const std::string& LoadedBytes() const { return m_loadedBytes; }
    const QString& LoadedText() const { return m_loadedShown; }
    std::size_t MaxBytes() const { return m_maxBytes; }

  private:
    std::size_t m_maxBytes;
    bool m_digitsOnly;
    std::string m_loadedBytes;
    QString m_loadedShown;
    mutable QString m_last;
    mutable bool m_loading = false;
};

// Gives the box a typing limit of `maxBytes` CP932 bytes.
void LimitBox(QLineEdit* box, std::size_t maxBytes, bool digitsOnly = false);

// Shows CP932 bytes in the box (bytes that are not CP932 show as U+FFFD).
void SetBoxBytes(QLineEdit* box, const std::string& cp932);

// The box's text as CP932 bytes. While the text is the one SetBoxBytes put
// there, these are the very bytes it was given.
std::string BoxBytes(const QLineEdit* box);

// The number of CP932 bytes of a text (a character CP932 cannot hold
// counts as one).
std::size_t Cp932Size(const QString& text);

}  // namespace kivor

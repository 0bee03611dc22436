#include "settings/cp932_line_edit.h"

#include <QLineEdit>
#include <algorithm>

#include "platform/cp932.h"
#include "platform/qt_text.h"

namespace kivor {

std::size_t Cp932Size(const QString& text) {
    return ToCp932Lossy(text).size();
}

Cp932ByteValidator::Cp932ByteValidator(std::size_t maxBytes, bool digitsOnly, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes), m_digitsOnly(digitsOnly) {}

void Cp932ByteValidator::Load(const std::string& bytes, const QString& shown) {
    m_loadedBytes = bytes;
    m_loadedShown = shown;
    m_loading = true;
}

QValidator::State Cp932ByteValidator::validate(QString& input, int& pos) const {
    if (m_loading) {
        m_loading = false;
        m_last = input;
        return Acceptable;
    }

    // The part of the text that the edit inserted: what lies between the
    // prefix and the suffix it shares with the previous text.
    const qsizetype shorter = std::min(input.size(), m_last.size());
    qsizetype prefix = 0;
    while (prefix < shorter && input[prefix] == m_last[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           input[input.size() - 1 - suffix] == m_last[m_last.size() - 1 - suffix]) {
        ++suffix;
    }
    QString inserted = input.mid(prefix, input.size() - prefix - suffix);

    if (m_digitsOnly) {
        for (QChar c : inserted) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
        }
    }
    if (!inserted.isEmpty() && !ToCp932(inserted)) return Invalid;

    if (Cp932Size(input) > m_maxBytes) {
        // Keep as much of the insertion as fits, cut between characters.
        const std::size_t kept = Cp932Size(input.left(prefix) + input.right(suffix));
        std::size_t total = kept;
        qsizetype fits = 0;
        for (; fits < inserted.size(); ++fits) {
            const std::size_t size = Cp932Size(QString(inserted[fits]));
            if (total + size > m_maxBytes) break;
            total += size;
        }
        inserted.truncate(fits);
        input = input.left(prefix) + inserted + input.right(suffix);
        pos = static_cast<int>(prefix + inserted.size());
    }
    m_last = input;
    return Acceptable;
}

namespace {
Cp932ByteValidator* ValidatorOf(const QLineEdit* box) {
    return const_cast<Cp932ByteValidator*>(
        qobject_cast<const Cp932ByteValidator*>(box->validator()));
}
}  // namespace

void LimitBox(QLineEdit* box, std::size_t maxBytes, bool digitsOnly) {
    auto* validator = new Cp932ByteValidator(maxBytes, digitsOnly, box);
    validator->Load(BoxBytes(box), box->text());
    box->setValidator(validator);
    // The validator sees the current text as its starting point.
    QString text = box->text();
    int pos = 0;
    validator->validate(text, pos);
}

void SetBoxBytes(QLineEdit* box, const std::string& cp932) {
    const QString shown = FromCp932(cp932);
    Cp932ByteValidator* validator = ValidatorOf(box);
    if (validator) validator->Load(cp932, shown);
    box->setText(shown);
    if (validator) {
        // setText validates only when the text changes: start the next check
        // from what is shown now in any case.
        validator->Load(cp932, shown);
        QString text = box->text();
        int pos = 0;
        validator->validate(text, pos);
    }
}

std::string BoxBytes(const QLineEdit* box) {
    const QString text = box->text();
    if (const Cp932ByteValidator* validator = ValidatorOf(box)) {
        if (text == validator->LoadedText()) return validator->LoadedBytes();
    }
    return ToCp932Lossy(text);
}

}  // namespace kivor

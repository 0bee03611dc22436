// Conversion between an entry's stored text (CP932 bytes with CR LF line
// ends) and the editor's text (Unicode with one line break per line), so
// that what the editor shows is exactly what gets written back.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <string>

namespace kivor {

// The editor's text limit, in bytes of the stored text.
inline constexpr long kEditorTextLimit = 1048575;

// The stored text as the editor shows it: CR LF becomes a line break; a
// lone LF or CR shows as its control picture (U+240A, U+240D) and is written
// back as it was. nullopt when the bytes are not valid CP932 (the editor
// could not show them faithfully).
std::optional<QString> EntryTextToEditor(const std::string& cp932);

// The editor's text as stored: every line break (also U+2028 and U+2029)
// becomes CR LF; the pictures of a lone LF or CR become those bytes again.
// nullopt when it holds a character CP932 cannot hold.
std::optional<std::string> EditorTextToEntry(QStringView text);

// Whether every character of typed or pasted text can be stored and reads
// back as the same character (U+00A5, for one, would come back as '\').
bool CanStoreText(QStringView text);

// Bytes the text takes when stored (line breaks count two), for text made
// only of characters CanStoreText accepts.
long StoredByteLength(QStringView text);

}  // namespace kivor

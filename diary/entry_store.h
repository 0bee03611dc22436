// The entry store: one CP932 text file per day, DateKey + ".kv1", directly
// in the diary folder. Free functions without state; `folder` is
// ProgramFolder (CP932, ends in '/').
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "diary/entry_date.h"
#include "platform/message_box.h"

namespace kivor {

// folder + key + ".kv1".
std::string EntryFilePath(const std::string& folder, const std::string& key);

// A file whose extension differs only in case (20040514.KV1, copied from
// Windows) is read, written and deleted under its own name.

// The date of every entry file, in the order the folder listing gives them.
// Only names of eight digits forming a supported date followed by ".kv1" in
// any case count; directories and other names are skipped; no file is
// opened.
std::vector<EntryDate> ListEntryDates(const std::string& folder);

// The whole text of an entry. The file is read in chunks of 100 bytes and
// each chunk contributes its bytes up to its first NUL byte. nullopt on any
// failure (missing file, no access, read error); *error then holds errno.
// *hadNul, when given, tells whether a NUL byte was dropped.
std::optional<std::string> ReadEntry(const std::string& folder, const EntryDate& date,
                                     int* error = nullptr, bool* hadNul = nullptr);

// Replaces the entry file atomically with the text. 0 on success, errno on
// failure (the old file then stays whole). Nothing is reported here.
int WriteEntry(const std::string& folder, const std::string& key, const std::string& text);

// Deletes the entry file; on failure shows "ファイルの削除に失敗しました:022 "
// and then the system's text for the error. True when the file was deleted.
bool DeleteEntry(const std::string& folder, const std::string& key, MessageBoxService& boxes);

KIVOR_CP932_TEXT(kDeleteFailed022, "ファイルの削除に失敗しました:022 ")

}  // namespace kivor

#include "diary/entry_store.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/dir_listing.h"
#include "platform/file.h"

namespace kivor {

namespace {

constexpr std::string_view kExtension = ".kv1";
constexpr std::size_t kKeyLength = 8;
// An entry is read in chunks of this size; a NUL byte ends the text of its
// chunk, and the next chunk starts afresh.
constexpr std::size_t kChunk = 100;
// Reads go to the system in blocks of this size (a multiple of the chunk,
// so chunks never straddle two blocks).
constexpr std::size_t kBlock = 160 * kChunk;

bool EndsWithExtensionNoCase(std::string_view name) {
    if (name.size() < kExtension.size()) return false;
    std::string_view tail = name.substr(name.size() - kExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kExtension[i]) return false;
    }
    return true;
}

// Fills the buffer as far as the file goes; fewer bytes only at its end.
std::size_t ReadFull(File& file, char* buffer, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        const std::size_t n = file.Read(buffer + got, count - got);
        if (n == 0) break;
        got += n;
    }
    return got;
}

bool PathExists(const std::string& pathCp932) {
    const std::optional<std::string> native = NativePath(pathCp932);
    std::error_code ec;
    return native && std::filesystem::exists(*native, ec);
}

// An existing file for the same key whose extension differs in case.
std::optional<std::string> OtherCaseEntryPath(const std::string& path) {
    const std::size_t ext = path.size() - kExtension.size();
    for (const char* variant : {".KV1", ".Kv1", ".kV1"}) {
        std::string other = path;
        other.replace(ext, kExtension.size(), variant);
        if (PathExists(other)) return other;
    }
    return std::nullopt;
}

// The file that holds the key's entry. The listing also accepts names whose
// extension differs in case (20040514.KV1, copied from Windows); such a file
// is read, written and deleted under its own name, so it is neither hidden
// behind an empty entry nor left beside a second file for the same day.
std::string ResolveEntryPath(const std::string& folder, const std::string& key) {
    std::string path = EntryFilePath(folder, key);
    if (PathExists(path)) return path;
    return OtherCaseEntryPath(path).value_or(path);
}

void OpenEntryForRead(File& file, const std::string& path) {
    try {
        file.Open(path, File::modeRead);
    } catch (const FileException& e) {
        if (e.m_lOsError != ENOENT) throw;
        const std::optional<std::string> other = OtherCaseEntryPath(path);
        if (!other) throw;
        file.Open(*other, File::modeRead);
    }
}

}  // namespace

std::string EntryFilePath(const std::string& folder, const std::string& key) {
    std::string path;
    path.reserve(folder.size() + key.size() + kExtension.size());
    path += folder;
    path += key;
    path += kExtension;
    return path;
}

std::vector<EntryDate> ListEntryDates(const std::string& folder) {
    std::vector<EntryDate> dates;
    const std::vector<DirEntry> entries = ListDirectory(folder);
    dates.reserve(entries.size());
    for (const DirEntry& entry : entries) {
        if (entry.isDirectory) continue;
        const std::string_view name = entry.name;
        if (name.size() != kKeyLength + kExtension.size() || !EndsWithExtensionNoCase(name)) {
            continue;
        }
        if (auto date = ParseStrictDateKey(name.substr(0, kKeyLength))) dates.push_back(*date);
    }
    return dates;
}

std::optional<std::string> ReadEntry(const std::string& folder, const EntryDate& date, int* error,
                                     bool* hadNul) {
    if (error) *error = 0;
    if (hadNul) *hadNul = false;
    std::string text;
    bool sawNul = false;
    try {
        File file;
        OpenEntryForRead(file, EntryFilePath(folder, FormatDateKey(date)));
        char block[kBlock];
        for (;;) {
            const std::size_t got = ReadFull(file, block, kBlock);
            if (got == 0) break;
            if (!std::memchr(block, '\0', got)) {
                text.append(block, got);
            } else {
                sawNul = true;
                for (std::size_t at = 0; at < got; at += kChunk) {
                    const std::size_t len = std::min(kChunk, got - at);
                    const char* chunk = block + at;
                    const void* nul = std::memchr(chunk, '\0', len);
                    text.append(chunk, nul ? static_cast<const char*>(nul) - chunk : len);
                }
            }
            if (got < kBlock) break;
        }
        file.Close();
    } catch (const FileException& e) {
        if (error) *error = e.m_lOsError;
        return std::nullopt;
    }
    if (hadNul) *hadNul = sawNul;
    return text;
}

int WriteEntry(const std::string& folder, const std::string& key, const std::string& text) {
    return ReplaceFileAtomically(ResolveEntryPath(folder, key), text);
}

bool DeleteEntry(const std::string& folder, const std::string& key, MessageBoxService& boxes) {
    const int err = RemoveFile(ResolveEntryPath(folder, key));
    if (err == 0) return true;
    AppMessageBox(boxes, kDeleteFailed022());
    ShowLastError(boxes, err);
    return false;
}

}  // namespace kivor

#include "export/page_file.h"

namespace kivor {

void PageFile::Create(const std::string& path) {
    m_path = path;
    m_bytes.clear();
    m_file.Open(path, File::modeCreate | File::modeWrite);
}

void PageFile::OpenAtEnd(const std::string& path) {
    m_path = path;
    m_bytes.clear();
    m_file.Open(path, File::modeWrite);
    m_file.SeekToEnd();
}

void PageFile::Close() {
    if (!m_file.IsOpen()) return;
    try {
        if (!m_bytes.empty()) m_file.Write(m_bytes);
    } catch (...) {
        m_bytes.clear();
        try {
            m_file.Close();
        } catch (const FileException&) {
        }
        throw;
    }
    m_bytes.clear();
    m_file.Close();
}

std::optional<FileException> PageFile::Abandon() {
    try {
        Close();
        return std::nullopt;
    } catch (const FileException& e) {
        return e;
    }
}

}  // namespace kivor

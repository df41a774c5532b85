#include "base/registry_store.h"

#include <sys/stat.h>

namespace tkv {
namespace {

IniRegistryStore::FileStamp stampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return {true,
            static_cast<unsigned long long>(st.st_dev),
            static_cast<unsigned long long>(st.st_ino),
            static_cast<unsigned long long>(st.st_size),
            static_cast<long long>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
            static_cast<long long>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec};
}

}  // namespace

IniRegistryStore::IniRegistryStore(std::string path) : m_backed(true) {
    m_ini.setPath(std::move(path));
    reload();
}

void IniRegistryStore::createKey(std::string_view keyPath) {
    if (!m_ini.hasSectionTree(keyPath)) {
        m_ini.createSection(keyPath);
        m_dirty = true;
    }
}

bool IniRegistryStore::keyExists(std::string_view keyPath) const {
    return m_ini.hasSectionTree(keyPath);
}

std::optional<std::string> IniRegistryStore::readValue(std::string_view keyPath,
                                                       std::string_view name) const {
    return m_ini.readRaw(keyPath, name);
}

void IniRegistryStore::writeValue(std::string_view keyPath, std::string_view name,
                                  std::string_view bytes) {
    m_ini.writeRaw(keyPath, name, bytes);
    m_dirty = true;
}

bool IniRegistryStore::deleteValue(std::string_view keyPath, std::string_view name) {
    const bool deleted = m_ini.deleteKey(keyPath, name);
    m_dirty = m_dirty || deleted;
    return deleted;
}

void IniRegistryStore::deleteKey(std::string_view keyPath) {
    if (m_ini.deleteSectionTree(keyPath))
        m_dirty = true;
}

IoResult IniRegistryStore::reload() {
    if (!m_backed)
        return IoResult::success();
    const std::string path = m_ini.path();
    // The stamp is taken before reading: a write that lands during the read
    // changes the file after it, so the next reload reads again.
    const FileStamp before = stampOf(path);
    if (m_known && !m_dirty && before == m_stamp && m_loadResult.ok())
        return m_loadResult;
    const IoResult r = m_ini.load(path);
    ++m_parses;
    m_dirty = false;
    m_stamp = before;
    m_known = r.ok() || r.error == IoError::NotFound;
    m_loadResult = r.error == IoError::NotFound ? IoResult::success() : r;
    return m_loadResult;
}

IoResult IniRegistryStore::flush() {
    if (!m_backed)
        return IoResult::success();
    const IoResult r = m_ini.flush(0600);
    if (r.ok()) {
        // What is on disk now is what is in memory.
        m_dirty = false;
        m_stamp = stampOf(m_ini.path());
        m_known = true;
        m_loadResult = IoResult::success();
    }
    return r;
}

}  // namespace tkv

#include "base/registry_store.h"

namespace tkv {

IniRegistryStore::IniRegistryStore(std::string path) : m_backed(true) {
    m_ini.setPath(std::move(path));
    reload();
}

void IniRegistryStore::createKey(std::string_view keyPath) {
    if (!m_ini.hasSectionTree(keyPath))
        m_ini.createSection(keyPath);
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
}

bool IniRegistryStore::deleteValue(std::string_view keyPath, std::string_view name) {
    return m_ini.deleteKey(keyPath, name);
}

void IniRegistryStore::deleteKey(std::string_view keyPath) {
    m_ini.deleteSectionTree(keyPath);
}

IoResult IniRegistryStore::reload() {
    if (!m_backed)
        return IoResult::success();
    const std::string path = m_ini.path();
    const IoResult r = m_ini.load(path);
    return r.error == IoError::NotFound ? IoResult::success() : r;
}

IoResult IniRegistryStore::flush() {
    if (!m_backed)
        return IoResult::success();
    return m_ini.flush(0600);
}

}  // namespace tkv

#include "base/registry_store.h"

#include "base/atomic_file.h"
#include "base/file_lock.h"
#include "base/text_util.h"

namespace tkv {
bool RegistryTextDamaged(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos)
        return true;
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = TrimView(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return true;
            inSection = true;
        } else if (!inSection || line.find('=') == std::string_view::npos) {
            return true;
        }
    }
    return false;
}

IniRegistryStore::IniRegistryStore(std::string path) : m_backed(true) {
    m_ini.setPath(std::move(path));
    reload();
}

void IniRegistryStore::createKey(std::string_view keyPath) {
    if (!m_ini.hasSectionTree(keyPath)) {
        m_ini.createSection(keyPath);
        m_changes.push_back({Change::CreateKey, std::string(keyPath), {}, {}});
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
    // A value written as it stands is no change: it must not carry this
    // program's old view over a newer value another program stored.
    if (const auto now = m_ini.readRaw(keyPath, name); now && *now == BlankControlChars(bytes))
        return;
    m_ini.writeRaw(keyPath, name, bytes);
    m_changes.push_back(
        {Change::WriteValue, std::string(keyPath), std::string(name), std::string(bytes)});
    m_dirty = true;
}

bool IniRegistryStore::deleteValue(std::string_view keyPath, std::string_view name) {
    const bool deleted = m_ini.deleteKey(keyPath, name);
    if (deleted)
        m_changes.push_back({Change::DeleteValue, std::string(keyPath), std::string(name), {}});
    m_dirty = m_dirty || deleted;
    return deleted;
}

void IniRegistryStore::deleteKey(std::string_view keyPath) {
    if (m_ini.deleteSectionTree(keyPath)) {
        m_changes.push_back({Change::DeleteKey, std::string(keyPath), {}, {}});
        m_dirty = true;
    }
}

void IniRegistryStore::Change::applyTo(IniFile& ini) const {
    switch (kind) {
        case CreateKey:
            if (!ini.hasSectionTree(key))
                ini.createSection(key);
            break;
        case WriteValue:
            ini.writeRaw(key, name, bytes);
            break;
        case DeleteValue:
            ini.deleteKey(key, name);
            break;
        case DeleteKey:
            ini.deleteSectionTree(key);
            break;
    }
}

IoResult IniRegistryStore::reload() {
    if (!m_backed)
        return IoResult::success();
    const std::string path = m_ini.path();
    // The folder's lock finishes a save that a crash cut short.
    const FolderLock lock(path);
    // The stamp is taken before reading: a write that lands during the read
    // changes the file after it, so the next reload reads again.
    const FileStamp before = StampOf(path);
    if (m_known && !m_dirty && before == m_stamp && m_loadResult.ok())
        return m_loadResult;
    std::string bytes;
    IoResult r = ReadWholeFile(path, bytes);
    if (r.ok() && RegistryTextDamaged(bytes))
        r = IoResult::failure(IoError::Damaged, 0, path);
    m_ini.clear();
    if (r.ok())
        m_ini.parse(bytes);
    ++m_parses;
    m_dirty = false;
    m_changes.clear();
    m_stamp = before;
    m_known = r.ok() || r.error == IoError::NotFound;
    m_loadResult = r.error == IoError::NotFound ? IoResult::success() : r;
    return m_loadResult;
}

IoResult RegistryStore::flushWith(const std::function<CompanionFile()>& companion) {
    if (const IoResult r = flush(); !r.ok())
        return r;
    const CompanionFile file = companion();
    return WriteFileAtomically(file.path, file.bytes, 0600);
}

IoResult IniRegistryStore::flush() {
    return flushMerged(nullptr);
}

IoResult IniRegistryStore::flushWith(const std::function<CompanionFile()>& companion) {
    return flushMerged(&companion);
}

IoResult IniRegistryStore::flushMerged(const std::function<CompanionFile()>* companion) {
    if (!m_backed) {
        m_changes.clear();
        if (companion) {
            const CompanionFile file = (*companion)();
            return WriteFileAtomically(file.path, file.bytes, 0600);
        }
        return IoResult::success();
    }
    // What could not be read is never written over: the person decides.
    if (!m_loadResult.ok())
        return m_loadResult;
    if (m_changes.empty() && m_known && !companion)
        return IoResult::success();
    // Per value: this program's changes go into the file as it is now, read
    // under the folder's lock, so a value another program stored meanwhile stays.
    const std::string path = m_ini.path();
    const FolderLock lock(path);
    if (!lock.held())
        return lock.result();
    std::string bytes;
    IoResult read = ReadWholeFile(path, bytes);
    if (read.ok() && RegistryTextDamaged(bytes))
        read = IoResult::failure(IoError::Damaged, 0, path);
    if (!read.ok() && read.error != IoError::NotFound)
        return read;
    IniFile current{IniValueMode::Exact};
    current.setPath(path);
    if (read.ok())
        current.parse(bytes);
    for (const Change& c : m_changes) c.applyTo(current);
    // The merged values are what this store holds from now on, written or not.
    m_ini = std::move(current);

    PreparedFile registryFile;
    if (IoResult r = registryFile.prepare(path, m_ini.serialize(), 0600); !r.ok())
        return r;
    IoResult r;
    bool registryRenamed = false;
    if (companion) {
        const CompanionFile file = (*companion)();
        const FolderLock companionLock(file.path);
        if (!companionLock.held())
            return companionLock.result();
        PreparedFile companionFile;
        if (r = companionFile.prepare(file.path, file.bytes, 0600); !r.ok())
            return r;  // nothing renamed
        r = CommitTogether({&registryFile, &companionFile}, FolderIntentFile(path));
        // The registry goes first: a failing companion rename comes after it.
        registryRenamed = r.ok() || r.path == file.path;
    } else {
        r = registryFile.commit();
        registryRenamed = r.ok();
    }
    if (registryRenamed) {
        // What is on disk now is what is in memory.
        m_changes.clear();
        m_dirty = false;
        m_stamp = StampOf(path);
        m_known = true;
        m_loadResult = IoResult::success();
    }
    return r;
}

}  // namespace tkv

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/atomic_file.h"
#include "base/ini_file.h"
#include "base/io_result.h"

namespace tkv {

// The per-user hierarchical settings store. Key paths use "\" between parts
// ("Software\Varnholt\Zangyo\System"); values are raw CP932 bytes, because the
// stored forms of some values (reversed passwords) are defined on bytes.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    virtual void createKey(std::string_view keyPath) = 0;
    virtual bool keyExists(std::string_view keyPath) const = 0;
    virtual std::optional<std::string> readValue(std::string_view keyPath,
                                                 std::string_view name) const = 0;
    virtual void writeValue(std::string_view keyPath, std::string_view name,
                            std::string_view bytes) = 0;
    virtual bool deleteValue(std::string_view keyPath, std::string_view name) = 0;
    // Deletes the key and everything below it.
    virtual void deleteKey(std::string_view keyPath) = 0;

    // Re-reads the backing storage, dropping unflushed changes.
    virtual IoResult reload() = 0;
    // Makes every change durable.
    virtual IoResult flush() = 0;

    // A file that belongs with the store's values (the .SET file).
    struct CompanionFile {
        std::string path;
        std::string bytes;
    };
    // flush() together with a companion file, built by `companion` from the
    // store as flushed: neither is renamed before both are written, and a
    // crash between the two renames is finished by the next run. The error,
    // if any, names the file it concerns.
    virtual IoResult flushWith(const std::function<CompanionFile()>& companion);
};

// True when registry text holds what no write of ours produces: a NUL byte,
// a line outside every section, a header without "]", a line without "=".
bool RegistryTextDamaged(std::string_view bytes);

// The registry as one ini document: a section per key path, values exact.
// Without a path it lives in memory only (tests); with one it is the file
// registry.ini, written atomically with mode 0600. A flush writes only the
// values changed here, into the file as it is then (read under the lock
// beside it), so values other programs stored meanwhile are kept. The file is read when the
// store is made; reload() reads it again only when it changed on disk since
// (or when there are unflushed changes to drop), so a run that loads its
// settings several times parses the file once.
class IniRegistryStore final : public RegistryStore {
public:
    IniRegistryStore() = default;
    explicit IniRegistryStore(std::string path);

    void createKey(std::string_view keyPath) override;
    bool keyExists(std::string_view keyPath) const override;
    std::optional<std::string> readValue(std::string_view keyPath,
                                         std::string_view name) const override;
    void writeValue(std::string_view keyPath, std::string_view name,
                    std::string_view bytes) override;
    bool deleteValue(std::string_view keyPath, std::string_view name) override;
    void deleteKey(std::string_view keyPath) override;
    IoResult reload() override;
    IoResult flush() override;
    IoResult flushWith(const std::function<CompanionFile()>& companion) override;

    const IniFile& document() const { return m_ini; }
    // How the last read of the file went (success for a missing file;
    // Damaged for a file that reads but is not a registry). After a failed
    // read, flush() refuses to write.
    const IoResult& loadResult() const { return m_loadResult; }
    // How often the file was parsed.
    int parseCount() const { return m_parses; }

private:
    IoResult flushMerged(const std::function<CompanionFile()>* companion);

    // One change made since the last read or flush, replayed by flush()
    // onto the file as it is then.
    struct Change {
        enum Kind { CreateKey, WriteValue, DeleteValue, DeleteKey } kind;
        std::string key, name, bytes;
        void applyTo(IniFile& ini) const;
    };

    IniFile m_ini{IniValueMode::Exact};
    std::vector<Change> m_changes;
    bool m_backed = false;
    bool m_dirty = false;  // changed in memory since the last read or flush
    bool m_known = false;  // m_stamp describes the file m_ini came from
    FileStamp m_stamp;
    IoResult m_loadResult;
    int m_parses = 0;
};

}  // namespace tkv

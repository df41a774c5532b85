#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/io_result.h"

namespace tkv {

// How the text after "=" is taken.
enum class IniValueMode {
    Profile,  // Windows profile files: surrounding blanks and one pair of quotes dropped
    Exact,    // registry store: every byte after the first "=" is the value
};

// An ini file held in memory: read once, changed in memory, written whole by
// flush(). Section and key names match case-insensitively (ASCII letters) with
// surrounding blanks ignored (a new key is written as given, " 1" stays " 1");
// keys keep their order, a new key goes to the end
// of its section and a new section to the end of the file. Names are given in
// UTF-8; values are raw CP932 bytes unless the *String helpers are used.
class IniFile {
public:
    explicit IniFile(IniValueMode mode = IniValueMode::Profile) : m_mode(mode) {}

    // Reads `path` and remembers it for flush(). A missing file gives an empty
    // document and IoError::NotFound, which callers may treat as success.
    IoResult load(const std::string& path);
    void parse(std::string_view bytes);
    std::string serialize() const;

    // Writes the whole document atomically (CR LF line ends).
    IoResult flush(unsigned newFileMode = 0644) const;

    const std::string& path() const { return m_path; }
    void setPath(std::string path) { m_path = std::move(path); }

    std::optional<std::string> readRaw(std::string_view section, std::string_view key) const;
    void writeRaw(std::string_view section, std::string_view key, std::string_view bytes);
    void writeRaw(std::string_view section, std::string_view key, std::string&& bytes);

    // UTF-8 conveniences over the CP932 bytes.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    void writeString(std::string_view section, std::string_view key, std::string_view utf8);
    int readInteger(std::string_view section, std::string_view key, int fallback) const;

    bool deleteKey(std::string_view section, std::string_view key);
    // Deletes, in one pass over the section, every key for which `matches`
    // holds (given the key as stored), with all its copies; returns how many
    // keys went.
    int deleteKeysIf(std::string_view section,
                     const std::function<bool(std::string_view key)>& matches);
    // Makes `lines` (key, raw value) the keys of the section that `matches`
    // selects, exactly as deleteKeysIf(section, matches) and writing each
    // line in turn would: the old ones go, the new ones end the section in
    // the given order. When the section already ends with those keys, their
    // lines are rewritten where they stand. `matches` must answer alike for
    // keys that name the same key.
    void replaceKeys(std::string_view section,
                     const std::function<bool(std::string_view key)>& matches,
                     std::vector<std::pair<std::string, std::string>>&& lines);
    bool deleteSection(std::string_view section);
    // Removes the section and every section whose name continues with "\".
    bool deleteSectionTree(std::string_view section);
    void createSection(std::string_view section);

    bool hasSection(std::string_view section) const;
    // True when the section or one below it (name + "\" + ...) exists.
    bool hasSectionTree(std::string_view section) const;
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;
    // Calls `visit` with each key of the section and its raw value, in file
    // order; a key that appears twice is visited once, with the value that
    // is read. Keys are the stored bytes, blanks and case as they stand.
    void forEachKey(
        std::string_view section,
        const std::function<void(std::string_view key, const std::string& value)>& visit) const;

    void clear();

private:
    static constexpr std::size_t kNoEntry = static_cast<std::size_t>(-1);
    struct Entry {
        std::string key;    // raw bytes as in the file; empty for a kept foreign line
        std::string value;  // raw bytes (or the whole foreign line)
        bool foreign = false;
        bool erased = false;
        bool shadowed = false;  // a later copy of a key: never read
        // The next line with the same key: hand-edited files may repeat a
        // key, and deleting it must take every copy without a scan.
        std::size_t nextSame = kNoEntry;
    };
    struct Section {
        std::string name;  // raw bytes
        std::vector<Entry> entries;
        // Normalised key -> its first live entry, the one that is read.
        std::unordered_map<std::string, std::size_t> index;
        bool erased = false;
    };

    static std::string normalise(std::string_view utf8Name);
    static std::string normaliseStored(std::string_view cp932Name);
    Section* findSection(std::string_view section);
    const Section* findSection(std::string_view section) const;
    Section& sectionFor(std::string_view section);
    void store(std::string_view section, std::string_view key, std::string bytes);
    std::size_t sectionPosition(std::string_view section) const;
    std::string takeValue(std::string_view afterEquals) const;

    IniValueMode m_mode;
    std::string m_path;
    std::vector<std::string> m_preamble;  // lines before the first section
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex;
    // The section asked for last, as asked: callers ask for the same one
    // hundreds of times in a row. Cleared whenever m_sectionIndex changes.
    mutable std::string m_lastQuery;
    mutable std::size_t m_lastPosition = kNoEntry;
};

}  // namespace tkv

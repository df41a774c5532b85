#include "base/ini_file.h"

#include <utility>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/text_util.h"

namespace tkv {

std::string IniFile::normalise(std::string_view utf8Name) {
    // Folding on UTF-8 is safe: multibyte sequences hold no ASCII bytes,
    // unlike CP932, whose trail bytes include the ASCII letters.
    std::string s = Trim(utf8Name);
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

std::string IniFile::normaliseStored(std::string_view cp932Name) {
    for (char ch : cp932Name)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return normalise(cp932::toUtf8(cp932Name));
    return normalise(cp932Name);  // ASCII reads the same in both encodings
}

IoResult IniFile::load(const std::string& path) {
    m_path = path;
    clear();
    std::string bytes;
    const IoResult r = ReadWholeFile(path, bytes);
    if (r.ok())
        parse(bytes);
    return r;
}

void IniFile::clear() {
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    m_lastPosition = kNoEntry;
}

std::string IniFile::takeValue(std::string_view afterEquals) const {
    // A stray CR or other control byte inside a value (a hand edit, another
    // program) is cleaned here, where it enters, so that no later write can
    // carry it on into a line of its own.
    if (m_mode == IniValueMode::Exact)
        return BlankControlChars(afterEquals);
    std::string v = BlankControlChars(Trim(afterEquals));
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = v.substr(1, v.size() - 2);
    return v;
}

void IniFile::parse(std::string_view bytes) {
    clear();
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        const std::string_view trimmed = TrimView(line);
        if (trimmed.empty())
            continue;
        if (trimmed.front() == '[') {
            const std::size_t close = trimmed.find(']');
            const std::string_view name = trimmed.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1);
            const std::string norm = normaliseStored(name);
            const auto it = m_sectionIndex.find(norm);
            if (it != m_sectionIndex.end()) {
                current = &m_sections[it->second];  // a repeated header continues its section
            } else {
                m_sectionIndex.emplace(norm, m_sections.size());
                m_sections.push_back(Section{Trim(name), {}, {}, false});
                current = &m_sections.back();
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (current == nullptr) {
            m_preamble.emplace_back(line);
            continue;
        }
        if (eq == std::string_view::npos || trimmed.front() == ';') {
            current->entries.push_back(Entry{{}, std::string(line), true, false, false});
            continue;
        }
        const std::string_view key = TrimRightView(line.substr(0, eq));  // " 1" keeps its alignment
        const std::size_t at = current->entries.size();
        const auto [it, added] = current->index.emplace(normaliseStored(key), at);
        if (!added) {
            // The first occurrence wins; later ones are chained to it.
            std::size_t last = it->second;
            while (current->entries[last].nextSame != kNoEntry)
                last = current->entries[last].nextSame;
            current->entries[last].nextSame = at;
        }
        current->entries.push_back(
            Entry{std::string(key), takeValue(line.substr(eq + 1)), false, false, !added});
    }
}

std::string IniFile::serialize() const {
    std::string out;
    for (const std::string& line : m_preamble) out += line + "\r\n";
    for (const Section& s : m_sections) {
        if (s.erased)
            continue;
        out += '[';
        out += s.name;
        out += "]\r\n";
        for (const Entry& e : s.entries) {
            if (e.erased)
                continue;
            if (e.foreign) {
                out += e.value;
            } else {
                out += e.key;
                out += '=';
                out += e.value;
            }
            out += "\r\n";
        }
    }
    return out;
}

IoResult IniFile::flush(unsigned newFileMode) const {
    return WriteFileAtomically(m_path, serialize(), newFileMode);
}

std::size_t IniFile::sectionPosition(std::string_view section) const {
    if (m_lastPosition != kNoEntry && section == m_lastQuery)
        return m_lastPosition;
    const auto it = m_sectionIndex.find(normalise(section));
    if (it == m_sectionIndex.end())
        return kNoEntry;
    m_lastQuery.assign(section);
    m_lastPosition = it->second;
    return it->second;
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    const std::size_t at = sectionPosition(section);
    if (at == kNoEntry || m_sections[at].erased)
        return nullptr;
    return &m_sections[at];
}

IniFile::Section* IniFile::findSection(std::string_view section) {
    return const_cast<Section*>(std::as_const(*this).findSection(section));
}

IniFile::Section& IniFile::sectionFor(std::string_view section) {
    if (const std::size_t at = sectionPosition(section); at != kNoEntry && !m_sections[at].erased)
        return m_sections[at];
    m_lastPosition = kNoEntry;  // the index changes below
    const std::string norm = normalise(section);
    const auto it = m_sectionIndex.find(norm);
    if (it != m_sectionIndex.end()) {
        Section& s = m_sections[it->second];
        if (s.erased) {
            // A section written again after deletion moves to the end, as new.
            m_sections.push_back(Section{cp932::fromUtf8(Trim(section)), {}, {}, false});
            it->second = m_sections.size() - 1;
            return m_sections.back();
        }
        return s;
    }
    m_sectionIndex.emplace(norm, m_sections.size());
    m_sections.push_back(Section{cp932::fromUtf8(Trim(section)), {}, {}, false});
    return m_sections.back();
}

std::optional<std::string> IniFile::readRaw(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (s == nullptr)
        return std::nullopt;
    const auto it = s->index.find(normalise(key));
    if (it == s->index.end())
        return std::nullopt;
    return s->entries[it->second].value;
}

void IniFile::writeRaw(std::string_view section, std::string_view key, std::string_view bytes) {
    store(section, key, std::string(bytes));
}

void IniFile::writeRaw(std::string_view section, std::string_view key, std::string&& bytes) {
    store(section, key, std::move(bytes));
}

void IniFile::store(std::string_view section, std::string_view key, std::string bytes) {
    // A line break in a value would plant lines of its own in the file.
    BlankControlCharsInPlace(bytes);
    Section& s = sectionFor(section);
    std::string norm = normalise(key);
    const auto it = s.index.find(norm);
    if (it != s.index.end()) {
        s.entries[it->second].value = std::move(bytes);
        return;
    }
    s.index.emplace(std::move(norm), s.entries.size());
    s.entries.push_back(Entry{cp932::fromUtf8(key), std::move(bytes), false, false, false});
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const auto raw = readRaw(section, key);
    return raw ? cp932::toUtf8(*raw) : std::string(fallback);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view utf8) {
    store(section, key, cp932::fromUtf8(utf8));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto raw = readRaw(section, key);
    return raw ? StrToIntDef(cp932::toUtf8(*raw), fallback) : fallback;
}

bool IniFile::deleteKey(std::string_view section, std::string_view key) {
    Section* s = findSection(section);
    if (s == nullptr)
        return false;
    const auto it = s->index.find(normalise(key));
    if (it == s->index.end())
        return false;
    // Erase every copy so a duplicate line of a hand-edited file cannot resurface.
    for (std::size_t i = it->second; i != kNoEntry; i = s->entries[i].nextSame)
        s->entries[i].erased = true;
    s->index.erase(it);
    return true;
}

int IniFile::deleteKeysIf(std::string_view section,
                          const std::function<bool(std::string_view key)>& matches) {
    Section* s = findSection(section);
    if (s == nullptr)
        return 0;
    int deleted = 0;
    for (Entry& e : s->entries) {
        if (e.foreign || e.erased || !matches(e.key))
            continue;
        const auto it = s->index.find(normaliseStored(e.key));
        if (it == s->index.end())
            continue;
        for (std::size_t i = it->second; i != kNoEntry; i = s->entries[i].nextSame)
            s->entries[i].erased = true;
        s->index.erase(it);
        ++deleted;
    }
    return deleted;
}

void IniFile::replaceKeys(std::string_view section,
                          const std::function<bool(std::string_view key)>& matches,
                          std::vector<std::pair<std::string, std::string>>&& lines) {
    Section* s = findSection(section);
    if (s != nullptr) {
        // The run of matching keys that ends the section: single lines, no
        // comment among them, and no matching key before them.
        auto live = [](const Entry& e) { return !e.erased; };
        std::size_t tail = s->entries.size();
        while (tail > 0) {
            const Entry& e = s->entries[tail - 1];
            if (live(e) && (e.foreign || e.shadowed || !matches(e.key)))
                break;
            --tail;
        }
        bool matchBefore = false;
        for (std::size_t i = 0; i < tail && !matchBefore; ++i) {
            const Entry& e = s->entries[i];
            matchBefore = live(e) && !e.foreign && matches(e.key);
        }
        if (!matchBefore) {
            std::size_t next = 0;
            std::size_t i = tail;
            for (; i < s->entries.size(); ++i) {
                Entry& e = s->entries[i];
                if (!live(e))
                    continue;
                if (next == lines.size() || e.key != cp932::fromUtf8(lines[next].first))
                    break;
                e.value = std::move(lines[next++].second);
            }
            for (; i < s->entries.size(); ++i) {
                Entry& e = s->entries[i];
                if (!live(e))
                    continue;
                e.erased = true;
                s->index.erase(normaliseStored(e.key));
            }
            for (; next < lines.size(); ++next)
                store(section, lines[next].first, std::move(lines[next].second));
            return;
        }
    }
    deleteKeysIf(section, matches);
    for (auto& [key, value] : lines) store(section, key, std::move(value));
}

bool IniFile::deleteSection(std::string_view section) {
    Section* s = findSection(section);
    if (s == nullptr)
        return false;
    s->erased = true;
    s->entries.clear();
    s->index.clear();
    return true;
}

bool IniFile::deleteSectionTree(std::string_view section) {
    const std::string norm = normalise(section);
    const std::string below = norm + "\\";
    bool any = false;
    for (auto& [name, idx] : m_sectionIndex) {
        Section& s = m_sections[idx];
        if (s.erased)
            continue;
        if (name == norm || name.compare(0, below.size(), below) == 0) {
            s.erased = true;
            s.entries.clear();
            s.index.clear();
            any = true;
        }
    }
    return any;
}

void IniFile::createSection(std::string_view section) {
    sectionFor(section);
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

bool IniFile::hasSectionTree(std::string_view section) const {
    const std::string norm = normalise(section);
    const std::string below = norm + "\\";
    for (const auto& [name, idx] : m_sectionIndex) {
        if (m_sections[idx].erased)
            continue;
        if (name == norm || name.compare(0, below.size(), below) == 0)
            return true;
    }
    return false;
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> out;
    for (const Section& s : m_sections)
        if (!s.erased)
            out.push_back(cp932::toUtf8(s.name));
    return out;
}

void IniFile::forEachKey(
    std::string_view section,
    const std::function<void(std::string_view key, const std::string& value)>& visit) const {
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (!e.foreign && !e.erased && !e.shadowed)
                visit(e.key, e.value);
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    std::vector<std::string> out;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (!e.foreign && !e.erased)
                out.push_back(cp932::toUtf8(e.key));
    return out;
}

}  // namespace tkv

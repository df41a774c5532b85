#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/atomic_file.h"

namespace tkv::test {

// A fresh folder under the system temp folder, removed when the test ends.
class TestFolder {
public:
    TestFolder() {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "tokivane-test-XXXXXX").string();
        m_path = ::mkdtemp(tmpl.data());
    }
    ~TestFolder() {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Plain writes and reads for setting files up and looking at them, damaged
// ones included: no part of the program's own file code is involved.
inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Arms a file-system fault for the scope of a test and disarms it however
// the test ends, so a fault that did not fire never leaks into the next one.
class ScopedFileFault {
public:
    explicit ScopedFileFault(const FileFault& fault) { InjectFileFault(fault); }
    ~ScopedFileFault() { ClearFileFault(); }
    ScopedFileFault(const ScopedFileFault&) = delete;
    ScopedFileFault& operator=(const ScopedFileFault&) = delete;
};

}  // namespace tkv::test

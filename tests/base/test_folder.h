#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tkv::testing {

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

}  // namespace tkv::testing

#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

#include "base/test_folder.h"

namespace tkv::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs tokivane-cli on its own data and config folders (never the real home).
// The lines of a command's output, without their LF (a CR stays).
std::vector<std::string> OutputLines(const std::string& out);

class CliRunner {
public:
    CliResult run(const std::vector<std::string>& args) const;
    // Starts every command at once and waits for all of them.
    std::vector<CliResult> runTogether(const std::vector<std::vector<std::string>>& commands) const;

    std::string dataDir() const { return m_folder.path() + "/data"; }
    std::string configDir() const { return m_folder.path() + "/config"; }
    // The current folder of every run.
    std::string workDir() const { return m_folder.path(); }
    std::string readData(const std::string& name) const;
    void writeData(const std::string& name, const std::string& bytes) const;

private:
    pid_t start(const std::vector<std::string>& args, std::size_t tag) const;
    CliResult finish(pid_t pid, std::size_t tag) const;

    TestFolder m_folder;
};

}  // namespace tkv::test

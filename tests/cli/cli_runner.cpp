#include "cli/cli_runner.h"

#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "base/atomic_file.h"

namespace tkv::test {
namespace {

std::string slurp(int fd) {
    std::string s;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0) s.append(buf, static_cast<std::size_t>(n));
    return s;
}

}  // namespace

std::vector<std::string> OutputLines(const std::string& out) {
    std::vector<std::string> v;
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

CliResult CliRunner::run(const std::vector<std::string>& args) const {
    return runTogether({args}).front();
}

std::vector<CliResult> CliRunner::runTogether(
    const std::vector<std::vector<std::string>>& commands) const {
    std::vector<pid_t> pids;
    for (std::size_t i = 0; i < commands.size(); ++i) pids.push_back(start(commands[i], i));
    std::vector<CliResult> results;
    for (std::size_t i = 0; i < pids.size(); ++i) results.push_back(finish(pids[i], i));
    return results;
}

pid_t CliRunner::start(const std::vector<std::string>& args, std::size_t tag) const {
    const std::string outPath = m_folder.file("stdout" + std::to_string(tag)),
                      errPath = m_folder.file("stderr" + std::to_string(tag));
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("TOKIVANE_DATA_DIR", dataDir().c_str(), 1);
        ::setenv("TOKIVANE_CONFIG_DIR", configDir().c_str(), 1);
        ::setenv("HOME", m_folder.path().c_str(), 1);
        ::setenv("TZ", "Asia/Tokyo", 1);
        ::setenv("LANG", "C.UTF-8", 1);
        // Files named without a folder land in the test's own folder.
        if (::chdir(workDir().c_str()) != 0)
            ::_exit(126);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, 1);
        ::dup2(err, 2);
        std::vector<char*> argv;
        std::string exe = TOKIVANE_CLI_PATH;
        argv.push_back(exe.data());
        std::vector<std::string> copy = args;
        for (std::string& a : copy) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    return pid;
}

CliResult CliRunner::finish(pid_t pid, std::size_t tag) const {
    const std::string outPath = m_folder.file("stdout" + std::to_string(tag)),
                      errPath = m_folder.file("stderr" + std::to_string(tag));
    int status = 0;
    ::waitpid(pid, &status, 0);
    CliResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    for (auto [path, target] : {std::pair{outPath, &r.out}, std::pair{errPath, &r.err}}) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        *target = slurp(fd);
        ::close(fd);
    }
    return r;
}

std::string CliRunner::readData(const std::string& name) const {
    std::string bytes;
    ReadWholeFile(dataDir() + "/" + name, bytes);
    return bytes;
}

void CliRunner::writeData(const std::string& name, const std::string& bytes) const {
    const std::string path = dataDir() + "/" + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteFileAtomically(path, bytes);
}

}  // namespace tkv::test

#pragma once

#include <string>

namespace tkv {

enum class IoError {
    None,
    NotFound,     // the file does not exist (callers usually treat it as empty)
    ReadFailed,   // it exists but cannot be read
    WriteFailed,  // creating, writing, syncing or renaming failed
    Damaged,      // it was read but does not hold what it should; never written over
    Locked,       // another program kept the folder's lock for too long
};

// Outcome of a file operation; the UI turns a failure into a message.
struct IoResult {
    IoError error = IoError::None;
    int sysErrno = 0;
    std::string path;

    bool ok() const { return error == IoError::None; }
    static IoResult success() { return {}; }
    static IoResult failure(IoError e, int err, std::string p) { return {e, err, std::move(p)}; }
};

// A short English description for logs and the CLI's stderr.
std::string describe(const IoResult& result);

}  // namespace tkv

#include "cli/csv_output.h"

#include <ostream>

#include "base/atomic_file.h"

namespace tkv::cli {

std::optional<std::string> TakeOutOption(std::vector<std::string>& args) {
    std::optional<std::string> out;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] != "--out") {
            ++i;
            continue;
        }
        if (i + 1 >= args.size() || args[i + 1].empty())
            throw UsageError{"--out needs a file name, or - for standard output"};
        if (out)
            throw UsageError{"--out given twice"};
        out = args[i + 1];
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
    }
    return out;
}

int WriteCsvOutput(Context& ctx, const std::optional<std::string>& out,
                   const std::string& defaultName, const std::string& bytes) {
    if (out && *out == "-") {
        ctx.out << bytes;
        ctx.out.flush();
        return ctx.out ? ExitOk : ExitFile;
    }
    const std::string path = out ? *out : defaultName;
    const IoResult r = WriteFileAtomically(path, bytes, 0600);
    if (!r.ok()) {
        ctx.err << "tokivane-cli: " << describe(r) << "\n";
        return ExitFile;
    }
    ctx.out << path << '\n';
    return ExitOk;
}

}  // namespace tkv::cli

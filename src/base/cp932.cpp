#include "base/cp932.h"

#include <cerrno>
#include <iconv.h>
#include <memory>

#include "base/utf8.h"

namespace tkv::cp932 {
namespace {

// One cached descriptor per direction; the program is single-threaded on the
// UI side, but thread_local keeps benchmarks and tests safe too.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts one unit (a character) and returns false when iconv refuses it.
    bool convert(std::string_view in, std::string& out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buf[16];
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = buf;
        std::size_t outLeft = sizeof buf;
        const std::size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (rc == static_cast<std::size_t>(-1) || inLeft != 0)
            return false;
        out.append(buf, static_cast<std::size_t>(outPtr - buf));
        return true;
    }

private:
    iconv_t m_cd;
};

Converter& encoder() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}
Converter& decoder() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

bool isAscii(std::string_view s) {
    for (char ch : s)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace

std::string fromUtf8(std::string_view text, std::string* unencodable) {
    if (isAscii(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t cp = utf8::next(text, pos);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        std::string one;
        utf8::append(one, cp);
        if (cp == 0xFFFD || !encoder().convert(one, out)) {
            out += '?';
            if (unencodable)
                unencodable->append(text.substr(start, pos - start));
        }
    }
    return out;
}

bool canEncode(std::string_view text, std::string* unencodable) {
    std::string bad;
    fromUtf8(text, &bad);
    if (unencodable)
        *unencodable = bad;
    return bad.empty();
}

std::string toUtf8(std::string_view bytes) {
    if (isAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        const std::size_t len = (isLeadByte(b) && i + 1 < bytes.size()) ? 2 : 1;
        if (!decoder().convert(bytes.substr(i, len), out))
            utf8::append(out, 0xFFFD);
        i += len;
    }
    return out;
}

int byteWidth(char32_t cp) {
    if (cp < 0x80)
        return 1;
    if (cp >= 0xFF61 && cp <= 0xFF9F)
        return 1;
    return 2;
}

int byteLength(std::string_view text) {
    int n = 0;
    for (std::size_t pos = 0; pos < text.size();) n += byteWidth(utf8::next(text, pos));
    return n;
}

}  // namespace tkv::cp932

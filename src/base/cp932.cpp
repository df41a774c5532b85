#include "base/cp932.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
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

// What iconv answered for each character met so far, so that a file full
// of the same few kanji does not call it again for every one of them. One
// table per thread, like the converters; made on first use.
//
// Decoding: CP932 code (one byte 0x80..0xFF, or lead << 8 | trail) -> its
// UTF-8 bytes packed as length << 24 | bytes (at most three: CP932 holds
// only characters of the basic plane). Encoding: code point of the basic
// plane -> its CP932 code, one byte or lead << 8 | trail.
constexpr std::uint32_t kUnknown = 0;
constexpr std::uint32_t kUndecodable = 0xFFFFFFFF;
constexpr std::uint16_t kNotKnown = 0;
constexpr std::uint16_t kUnencodable = 0xFFFF;

std::array<std::uint32_t, 0x10000>& decodeCache() {
    thread_local auto table = std::make_unique<std::array<std::uint32_t, 0x10000>>();
    return *table;
}

std::array<std::uint16_t, 0x10000>& encodeCache() {
    thread_local auto table = std::make_unique<std::array<std::uint16_t, 0x10000>>();
    return *table;
}

// Length of the leading run of ASCII bytes, eight bytes at a time.
std::size_t asciiPrefix(std::string_view s) {
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080ull)
            break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The CP932 form of one non-ASCII code point; false when it has none.
bool appendEncoded(char32_t cp, std::string& out) {
    if (cp == 0xFFFD)
        return false;
    std::uint16_t* cached = cp < 0x10000 ? &encodeCache()[cp] : nullptr;
    if (cached && *cached != kNotKnown) {
        if (*cached == kUnencodable)
            return false;
        if (*cached >= 0x100)
            out += static_cast<char>(*cached >> 8);
        out += static_cast<char>(*cached & 0xFF);
        return true;
    }
    std::string one;
    utf8::append(one, cp);
    const std::size_t before = out.size();
    const bool ok = encoder().convert(one, out);
    if (cached) {
        const std::size_t n = out.size() - before;
        if (!ok)
            *cached = kUnencodable;
        else if (n == 1)
            *cached = static_cast<unsigned char>(out[before]);
        else if (n == 2)
            *cached = static_cast<std::uint16_t>(static_cast<unsigned char>(out[before]) << 8 |
                                                 static_cast<unsigned char>(out[before + 1]));
    }
    return ok;
}

// The UTF-8 form of one CP932 character (one or two bytes), U+FFFD when the
// bytes form none.
void appendDecoded(std::string_view bytes, std::string& out) {
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const unsigned code = bytes.size() == 2 ? (b0 << 8 | static_cast<unsigned char>(bytes[1])) : b0;
    std::uint32_t& cached = decodeCache()[code];
    if (cached == kUnknown) {
        std::string one;
        if (!decoder().convert(bytes, one)) {
            cached = kUndecodable;
        } else if (one.size() > 3) {
            out += one;  // not what the table holds; never happens for CP932
            return;
        } else {
            std::uint32_t packed = static_cast<std::uint32_t>(one.size()) << 24;
            for (std::size_t i = 0; i < one.size(); ++i)
                packed |= static_cast<std::uint32_t>(static_cast<unsigned char>(one[i]))
                          << (8 * (2 - i));
            cached = packed;
        }
    }
    if (cached == kUndecodable) {
        out += "\xEF\xBF\xBD";  // U+FFFD
        return;
    }
    const char utf8[3] = {static_cast<char>(cached >> 16 & 0xFF),
                          static_cast<char>(cached >> 8 & 0xFF), static_cast<char>(cached & 0xFF)};
    out.append(utf8, cached >> 24);
}

}  // namespace

void appendFromUtf8(std::string& out, std::string_view text, std::string* unencodable) {
    std::size_t pos = asciiPrefix(text);
    out.append(text.substr(0, pos));
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t cp = utf8::next(text, pos);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (!appendEncoded(cp, out)) {
            out += '?';
            if (unencodable)
                unencodable->append(text.substr(start, pos - start));
        }
        // Runs of ASCII are copied as they stand.
        const std::size_t run = asciiPrefix(text.substr(pos));
        out.append(text.substr(pos, run));
        pos += run;
    }
}

std::string fromUtf8(std::string_view text, std::string* unencodable) {
    if (asciiPrefix(text) == text.size())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    appendFromUtf8(out, text, unencodable);
    return out;
}

bool canEncode(std::string_view text, std::string* unencodable) {
    std::string bad;
    fromUtf8(text, &bad);
    if (unencodable)
        *unencodable = bad;
    return bad.empty();
}

void appendToUtf8(std::string& out, std::string_view bytes) {
    std::size_t i = asciiPrefix(bytes);
    out.append(bytes.substr(0, i));
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const std::size_t len = (isLeadByte(b) && i + 1 < bytes.size()) ? 2 : 1;
        appendDecoded(bytes.substr(i, len), out);
        i += len;
        const std::size_t run = asciiPrefix(bytes.substr(i));
        out.append(bytes.substr(i, run));
        i += run;
    }
}

std::string toUtf8(std::string_view bytes) {
    if (asciiPrefix(bytes) == bytes.size())
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    appendToUtf8(out, bytes);
    return out;
}

std::size_t findAscii(std::string_view bytes, char ascii, std::size_t from) {
    for (std::size_t i = from; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == static_cast<unsigned char>(ascii))
            return i;
        i += (isLeadByte(b) && i + 1 < bytes.size()) ? 2 : 1;
    }
    return std::string_view::npos;
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

#pragma once

#include <string>
#include <string_view>

// The one place that converts between the program's UTF-8 text and the CP932
// (Windows Shift-JIS) bytes of every file it reads or writes.
namespace tkv::cp932 {

// UTF-8 to CP932. Characters CP932 cannot hold are replaced by '?' and, when
// `unencodable` is given, appended to it (as UTF-8) so callers can refuse them.
std::string fromUtf8(std::string_view utf8, std::string* unencodable = nullptr);

// True when every character of `utf8` has a CP932 form.
bool canEncode(std::string_view utf8, std::string* unencodable = nullptr);

// CP932 to UTF-8. Bytes that form no CP932 character become U+FFFD: a damaged
// file still loads and shows what can be read.
std::string toUtf8(std::string_view bytes);

// The same two, appending to `out`, for lines built or read field by field.
void appendFromUtf8(std::string& out, std::string_view utf8, std::string* unencodable = nullptr);
void appendToUtf8(std::string& out, std::string_view bytes);

// The first `ascii` character at or after `from` in CP932 bytes, stepping over
// double-byte characters the way toUtf8 reads them (a trail byte is never
// taken for ASCII); npos when there is none. Splitting CP932 bytes there and
// converting the pieces gives the same texts as converting first.
std::size_t findAscii(std::string_view bytes, char ascii, std::size_t from = 0);

// Width of one character in Shift-JIS bytes: 1 for ASCII and half-width
// katakana, 2 for everything else.
int byteWidth(char32_t cp);

// Width of a UTF-8 text in Shift-JIS bytes.
int byteLength(std::string_view utf8);

}  // namespace tkv::cp932

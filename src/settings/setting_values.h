#pragma once

#include <string>
#include <string_view>

// Settings stored as text that the program reads as numbers. The text is kept
// exactly as it was read, so a save writes back the same bytes; the number is
// read once, when the text is set.
namespace tkv {

// A time or duration (" 8:00", "-8:00", or whatever was typed).
class TimeText {
public:
    TimeText() = default;
    // Implicit on purpose: a time setting is assigned its text.
    TimeText(std::string text);
    TimeText(const char* text) : TimeText(std::string(text)) {}

    const std::string& text() const { return m_text; }
    // StrToMinutes of the text: unreadable text is 0.
    int minutes() const { return m_minutes; }

    bool operator==(const TimeText& other) const { return m_text == other.m_text; }

private:
    std::string m_text;
    int m_minutes = 0;
};

// One stored "TimeNN" value: two halves joined by a comma.
struct TimePair {
    TimeText first;
    TimeText second;

    // "first,second", as stored.
    std::string text() const { return first.text() + "," + second.text(); }
    // The stored text split at its first comma; without a comma the whole
    // text is the second half.
    static TimePair FromText(std::string_view stored);

    bool operator==(const TimePair&) const = default;
};

// A decimal number with one decimal ("-0.5", "20.0").
class DecimalText {
public:
    DecimalText() = default;
    DecimalText(std::string text);
    DecimalText(const char* text) : DecimalText(std::string(text)) {}

    const std::string& text() const { return m_text; }
    // The value read with one decimal, or `fallback` when the text is not a number.
    double valueOr(double fallback) const;

    bool operator==(const DecimalText& other) const { return m_text == other.m_text; }

private:
    std::string m_text;
    double m_value = 0;
    bool m_readable = false;
};

}  // namespace tkv

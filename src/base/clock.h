#pragma once

namespace tkv {

// A local calendar date and wall-clock time.
struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// "Now" is an input: the core never reads the wall clock itself.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime at) : m_at(at) {}
    DateTime now() const override { return m_at; }
    void set(DateTime at) { m_at = at; }

private:
    DateTime m_at;
};

}  // namespace tkv

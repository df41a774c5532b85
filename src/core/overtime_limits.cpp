#include "core/overtime_limits.h"

#include <algorithm>
#include <map>
#include <utility>

#include "base/text_util.h"
#include "core/month_file.h"
#include "settings/settings.h"

namespace tkv {
namespace {

constexpr int kPremiumFrom = 60 * 60;  // the premium is due above 60 hours a month
// Sums are kept in range even for absurd hand-entered values.
constexpr long long kMostMinutes = 100'000'000;

int Bounded(long long minutes) {
    return static_cast<int>(std::clamp(minutes, -kMostMinutes, kMostMinutes));
}

int DateKey(const Date& d) {
    return d.year * 10000 + d.month * 100 + d.day;
}

bool IsStatutoryHoliday(const DayRow& row) {
    return row.kind() == DayKind::Holiday && row.isLegalHoliday();
}

bool HasBothTimes(const DayRow& row) {
    return !Trim(row.cell(DayColumn::Arrival)).empty() &&
           !Trim(row.cell(DayColumn::Leaving)).empty();
}

// Normal plus late-night overtime of a day that is not a statutory holiday.
int RowJikangai(const DayRow& row) {
    return StrToMinutes(row.cell(DayColumn::Overtime)) +
           StrToMinutes(row.cell(DayColumn::LateNight));
}

// A day the calendar leaves for work: the ordinary and the short-day kind,
// not on a weekly day off.
bool IsWorkingDay(const DayRow& row, const Date& date, const Settings& s) {
    const DayKind kind = row.kind();
    if (kind != DayKind::Ordinary && kind != DayKind::ShortDay)
        return false;
    return !s.WeekCheck[static_cast<std::size_t>(WeekdayOf(date))];
}

Date LastDayOf(YearMonth ym, int simeDay) {
    Date d = FirstDayOf(ym, simeDay);
    for (int i = DaysOf(ym, simeDay); i > 1; --i) d = NextDay(d);
    return d;
}

YearMonth MonthsBack(YearMonth ym, int months) {
    for (int i = 0; i < months; ++i) ym = PreviousMonth(ym);
    return ym;
}

// The months one check reads, each loaded once.
class MonthCache {
public:
    explicit MonthCache(const MonthLoader& load) : m_load(load) {}

    const MonthOvertime& figures(YearMonth ym) { return entry(ym).figures; }
    // The record, or an empty month when there is no file.
    MonthRecord record(YearMonth ym) {
        const Entry& e = entry(ym);
        if (e.record)
            return *e.record;
        MonthRecord empty;
        empty.year = ym.year;
        empty.month = ym.month;
        return empty;
    }

private:
    struct Entry {
        MonthOvertime figures;
        std::optional<MonthRecord> record;
    };

    const Entry& entry(YearMonth ym) {
        auto it = m_months.find(ym);
        if (it != m_months.end())
            return it->second;
        Entry e;
        if (m_load)
            e.record = m_load(ym.year, ym.month);
        if (e.record) {
            e.figures = MonthOvertimeOf(*e.record);
        } else {
            e.figures.missing = true;
        }
        e.figures.month = ym;
        return m_months.emplace(ym, std::move(e)).first->second;
    }

    const MonthLoader& m_load;
    std::map<YearMonth, Entry> m_months;
};

LimitLevel LevelOf(const OvertimeLimits& r) {
    if (!r.passed())
        return LimitLevel::Over;
    const OvertimeLimitRules& rules = r.rules;
    auto reaches = [&](long long figure, long long limit) {
        return figure * 100 >= limit * rules.warnPercent;
    };
    bool warn = reaches(r.jikangai, rules.monthLimit) ||
                reaches(r.yearJikangai, rules.yearLimitInForce()) ||
                reaches(r.total, rules.singleMonthLimit);
    for (int average : r.averages) warn = warn || reaches(average, rules.averageLimit);
    return warn ? LimitLevel::Warning : LimitLevel::Within;
}

OvertimeLimits Check(YearMonth ym, MonthCache& months, const Settings& s, const Date& today) {
    OvertimeLimits r;
    r.rules = OvertimeLimitRulesOf(s);
    const OvertimeLimitRules& rules = r.rules;
    r.month = ym;
    r.yearFrom = AgreementYearStart(ym, rules.startMonth);
    r.begun = DateKey(today) >= DateKey(FirstDayOf(ym, s.SimeDay));

    const MonthOvertime& self = months.figures(ym);
    r.jikangai = self.jikangai;
    r.kyujitsuRodo = self.kyujitsuRodo;
    r.total = self.total();

    long long year = 0;
    for (YearMonth m = r.yearFrom; m <= ym; m = NextMonth(m)) {
        const MonthOvertime& f = months.figures(m);
        year += f.jikangai;
        if (f.jikangai > rules.monthLimit)
            ++r.monthsOverLimit;
    }
    r.yearJikangai = Bounded(year);

    long long sum = r.total;
    YearMonth back = ym;
    for (int k = 2; k <= 6; ++k) {
        back = PreviousMonth(back);
        sum += months.figures(back).total();
        // Rounded up: ceil(sum / k) > limit exactly when sum > k x limit.
        r.averages[static_cast<std::size_t>(k - 2)] = Bounded((sum + k - 1) / k);
    }

    const YearMonth firstUsed = std::min(r.yearFrom, MonthsBack(ym, 5));
    for (YearMonth m = firstUsed; m <= ym; m = NextMonth(m))
        if (months.figures(m).missing)
            r.missing.push_back(m);

    r.headroomMonth = rules.monthLimit - r.jikangai;
    r.headroomYear = Bounded(static_cast<long long>(rules.yearLimitInForce()) - r.yearJikangai);
    r.headroomSingleMonth = rules.singleMonthLimit - r.total;
    r.headroomAverage =
        rules.averageLimit - *std::max_element(r.averages.begin(), r.averages.end());

    r.over60 = std::max(0, r.jikangai - kPremiumFrom);
    // Hours x rate, rounded half up like the other overtime pay.
    r.premium60 = (static_cast<long long>(r.over60) * rules.premium60Rate + 30) / 60;

    const bool overMonth = r.jikangai > rules.monthLimit;
    r.monthsOverPassed = r.monthsOverLimit <= rules.monthsOverInForce();
    r.monthPassed = !overMonth || (rules.specialClause && r.monthsOverPassed);
    r.yearPassed = r.yearJikangai <= rules.yearLimitInForce();
    r.singleMonthPassed = r.total < rules.singleMonthLimit;
    r.averagePassed = r.headroomAverage >= 0;
    r.level = LevelOf(r);

    const Date last = LastDayOf(ym, s.SimeDay);
    if (r.begun && DateKey(today) <= DateKey(last))
        r.forecast = ForecastMonth(months.record(ym), s, today);
    return r;
}

}  // namespace

MonthOvertime MonthOvertimeOf(const MonthRecord& m) {
    MonthOvertime f;
    f.month = {m.year, m.month};
    long long jikangai = 0;
    long long holidayWork = 0;
    for (int d = 1; d <= m.rowCount(); ++d) {
        const DayRow& row = m.day(d);
        if (IsStatutoryHoliday(row))
            holidayWork += StrToMinutes(row.cell(DayColumn::Working));
        else
            jikangai += RowJikangai(row);
    }
    f.jikangai = Bounded(std::max(0LL, jikangai));
    f.kyujitsuRodo = Bounded(std::max(0LL, holidayWork));
    return f;
}

std::optional<OvertimeForecast> ForecastMonth(const MonthRecord& m, const Settings& s,
                                              const Date& today) {
    const YearMonth ym{m.year, m.month};
    const int now = DateKey(today);
    if (now < DateKey(FirstDayOf(ym, s.SimeDay)) || now > DateKey(LastDayOf(ym, s.SimeDay)))
        return std::nullopt;

    const long long limit = OvertimeLimitRulesOf(s).monthLimit;
    OvertimeForecast f;
    long long running = 0;
    std::optional<Date> crossed;
    std::vector<Date> daysLeft;
    for (int slot = 1; slot <= m.rowCount(); ++slot) {
        const DayRow& row = m.day(slot);
        if (IsStatutoryHoliday(row))
            continue;
        const Date date = SlotDate(m, slot, s.SimeDay);
        running += RowJikangai(row);
        if (!crossed && running > limit)
            crossed = date;
        if (HasBothTimes(row))
            ++f.workedDays;
        else if (DateKey(date) >= now && IsWorkingDay(row, date, s))
            daysLeft.push_back(date);
    }
    f.daysLeft = static_cast<int>(daysLeft.size());
    const long long sofar = MonthOvertimeOf(m).jikangai;
    const long long worked = f.workedDays;
    f.monthEnd = Bounded(worked > 0 ? sofar + sofar * f.daysLeft / worked : sofar);

    if (sofar > limit) {
        f.cross = crossed;
    } else if (worked > 0 && sofar > 0) {
        // Day i of those left ends at sofar + sofar x i / worked: past the
        // limit once sofar x (worked + i) > limit x worked.
        for (std::size_t i = 0; i < daysLeft.size(); ++i) {
            const long long after = static_cast<long long>(i) + 1;
            if (sofar * (worked + after) > limit * worked) {
                f.cross = daysLeft[i];
                break;
            }
        }
    }
    return f;
}

YearMonth AgreementYearStart(YearMonth ym, int startMonth) {
    const int start = AgreementStartMonth(startMonth);
    return ym.month >= start ? YearMonth{ym.year, start} : YearMonth{ym.year - 1, start};
}

OvertimeLimits CheckOvertimeLimits(YearMonth ym, const MonthLoader& load, const Settings& s,
                                   const Date& today) {
    MonthCache months(load);
    return Check(ym, months, s, today);
}

AgreementYearLimits CheckAgreementYear(YearMonth ym, const MonthLoader& load, const Settings& s,
                                       const Date& today) {
    MonthCache months(load);
    AgreementYearLimits y;
    y.yearFrom = AgreementYearStart(ym, OvertimeLimitRulesOf(s).startMonth);
    YearMonth m = y.yearFrom;
    for (OvertimeLimits& month : y.months) {
        month = Check(m, months, s, today);
        if (month.begun)
            for (const YearMonth& gap : month.missing)
                if (std::find(y.missing.begin(), y.missing.end(), gap) == y.missing.end())
                    y.missing.push_back(gap);
        m = NextMonth(m);
    }
    std::sort(y.missing.begin(), y.missing.end());
    return y;
}

std::string YearMonthText(YearMonth ym) {
    return IntToStrPad(ym.year, 4, '0') + "/" + IntToStrPad(ym.month, 2, '0');
}

std::string IsoDateText(const Date& d) {
    return IntToStrPad(d.year, 4, '0') + "-" + IntToStrPad(d.month, 2, '0') + "-" +
           IntToStrPad(d.day, 2, '0');
}

std::vector<std::string> OvertimeLimitsLines(const OvertimeLimits& r) {
    std::vector<std::string> lines;
    auto add = [&](const char* name, const std::string& value) {
        lines.push_back(std::string(name) + "\t" + value);
    };
    add("Jikangai", LimitTimeText(r.jikangai));
    add("KyujitsuRodo", LimitTimeText(r.kyujitsuRodo));
    add("Total", LimitTimeText(r.total));
    add("YearFrom", YearMonthText(r.yearFrom));
    add("YearJikangai", LimitTimeText(r.yearJikangai));
    add("MonthsOverLimit", std::to_string(r.monthsOverLimit));
    for (int k = 2; k <= 6; ++k)
        add(("Average" + std::to_string(k)).c_str(), LimitTimeText(r.average(k)));
    add("HeadroomMonth", LimitTimeText(r.headroomMonth));
    add("HeadroomYear", LimitTimeText(r.headroomYear));
    add("HeadroomSingleMonth", LimitTimeText(r.headroomSingleMonth));
    add("HeadroomAverage", LimitTimeText(r.headroomAverage));
    add("Over60", LimitTimeText(r.over60));
    add("Premium60", std::to_string(r.premium60));
    add("ForecastMonthEnd", r.forecast ? LimitTimeText(r.forecast->monthEnd) : "-");
    add("ForecastCross", r.forecast && r.forecast->cross ? IsoDateText(*r.forecast->cross) : "-");
    std::string missing;
    for (const YearMonth& m : r.missing) missing += (missing.empty() ? "" : ",") + YearMonthText(m);
    add("MissingMonths", missing.empty() ? "-" : missing);
    return lines;
}

}  // namespace tkv

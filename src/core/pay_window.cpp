#include "core/pay_window.h"

#include "base/text_util.h"
#include "settings/settings.h"

namespace tkv {
namespace {

std::string amount(long long yen) {
    return ThousandsStr(std::to_string(yen));
}
std::string days(double d) {
    return FloatToStrDec(0, 1, d);
}

}  // namespace

std::vector<PayField> PayWindowFields(const MonthCalculation& c, const Settings& s) {
    std::vector<PayField> f;
    auto add = [&f](const char* name, std::string text, bool enabled = true) {
        f.push_back({name, std::move(text), enabled, false});
    };
    auto time = [&f](const char* name, const std::string& text, bool enabled = true) {
        f.push_back({name, text, enabled, StrToMinutes(text) < 0});
    };

    // 金額設定
    add("KihonMemo", amount(s.pay.basicSalary));
    add("TeateMemo", amount(s.pay.allowances));
    add("ElseMemo", amount(s.pay.otherPayments));
    add("ZanMemo", amount(s.pay.weekdayOvertimeRate));
    add("SZanMemo", amount(s.pay.weekdayLateNightRate));
    add("KZanMemo", amount(s.pay.holidayOvertimeRate));
    add("KSZanMemo", amount(s.pay.holidayLateNightRate));
    add("HZanMemo", amount(s.pay.statutoryOvertimeRate));
    add("HSZanMemo", amount(s.pay.statutoryLateNightRate));
    add("TenbikiMemo", amount(s.pay.deductions));
    add("MokuMemo", amount(s.pay.targetTakeHome));
    time("MokuTimeMemo", MinutesToStr(s.times.targetOvertime.minutes(), 3, true), s.MokuhyoTime);
    add("KakeMemo", std::to_string(s.pay.takeHomePercent));

    // 勤務状態
    const PayWindowTexts& t = c.payWindow;
    add("HeijituMemo", std::to_string(c.scheduledDays));
    add("KyujituMemo", std::to_string(c.holidays));
    add("HeiSyukinMemo", days(c.weekdayDaysWorked));
    add("KyuSyukinMemo", days(c.holidayDaysWorked));
    add("SyukinKeiMemo", days(c.totalWorkDays));
    add("YuuKyuMemo", days(c.paidLeaveDays));
    add("DaikyuMemo", std::to_string(c.compensatoryDays));
    add("KeeKinMemo", std::to_string(c.absences));
    add("GeeKeiMemo", std::to_string(c.daysInPeriod));
    add("ChikokuMemo", std::to_string(c.lateArrivals), c.lateEarlyCounted);
    add("SoutaiMemo", std::to_string(c.earlyLeavings), c.lateEarlyCounted);
    time("ZanTMemo", t.ZanTMemo);
    time("SZanTMemo", t.SZanTMemo);
    time("KZanTMemo", t.KZanTMemo);
    time("KSZanTMemo", t.KSZanTMemo);
    time("HZanTMemo", t.HZanTMemo);
    time("HSZanTMemo", t.HSZanTMemo);
    time("TZanTMemo", t.TZanTMemo);
    time("TSZanTMemo", t.TSZanTMemo);
    time("TKeiTMemo", t.TKeiTMemo);
    time("KinmuTimeMemo", t.KinmuTimeMemo);
    time("MokuTMemo", t.MokuTMemo);
    time("SyusyaMemo", t.SyusyaMemo);
    time("TaisyaMemo", t.TaisyaMemo);
    time("ZanheiMemo", t.ZanheiMemo);

    // 合計金額
    add("ZanKinMemo", amount(c.overtimePay));
    add("SikyuMemo", amount(c.grossPay));
    add("TedoriMemo", amount(c.takeHome));
    return f;
}

}  // namespace tkv

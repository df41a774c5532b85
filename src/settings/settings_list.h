#pragma once

// Every stored setting, once. Each line makes a member of `Settings` (or of
// one of its groups) and its entry in the registry schema; the schema, the
// load and the save walk the values in the order of these lines, which is
// also the order a new key receives them. A new setting is one new line here.
//
// The lists are expanded with macros that the includer defines:
//   VALUE(type, Name, default)      one value, stored under its member's name
//   PASSWORD(Name)                  a text stored byte-reversed
//   ARRAY(type, Name, count, defaults...)  a member array (not a value itself)
//   ELEMENT(Array, index, Name)     one element of an array, stored as Name
//   PAY(member, Name, first-run)    an amount of Settings::pay, stored as Name
//   PAIR(Name, first, second)       a time value of Settings::times with
//                                   named halves
//   PAIRS(member, count)            an array of time values of Settings::times
//   PAIR_ELEMENT(Array, index, Name)

// clang-format off

// Section "System".
#define TKV_SYSTEM_SETTINGS(VALUE, PASSWORD, ARRAY, ELEMENT)                        \
    PASSWORD(Pass)                                                                  \
    PASSWORD(KinPass)                                                               \
    VALUE(int, SimeDay, 31)  /* 1..27, or 31 for the end of the month */            \
    VALUE(bool, FlexTime, false)                                                    \
    VALUE(ClickTimeChoice, ClickAutoSelect, ClickTimeChoice::StandardTime)          \
    VALUE(RoundMethod, StartAdjustSelect, RoundMethod::None)                        \
    VALUE(int, StartTime, 0)    /* legacy unit index, written back as read */       \
    VALUE(int, StartTime2, -1)  /* index into UnitMinutesTable; -1: from StartTime */ \
    VALUE(AutoTimeMode, StartAutoIn, AutoTimeMode::None)                            \
    VALUE(StandardStartUse, StartTeijiIn, StandardStartUse::Never)                  \
    VALUE(bool, StartPassSkip, false)                                               \
    VALUE(bool, StartAutoMinimize, false)                                           \
    VALUE(bool, CalcTimeAdjust, false)                                              \
    VALUE(bool, NoAutoInAdjust, false)                                              \
    VALUE(RoundMethod, EndAdjustSelect, RoundMethod::None)                          \
    VALUE(int, EndTime, 0)                                                          \
    VALUE(int, EndTime2, -1)                                                        \
    VALUE(AutoTimeMode, EndAutoIn, AutoTimeMode::None)                              \
    VALUE(LeavingOverwrite, EndOverWrite, LeavingOverwrite::Overwrite)              \
    VALUE(RoundMethod, ZangyoAdjustSelect, RoundMethod::None)                       \
    VALUE(int, ZangyoTime, 0)                                                       \
    VALUE(int, ZangyoTime2, -1)                                                     \
    VALUE(ReportForm, PrintForm, ReportForm::Shaded)                                \
    VALUE(bool, ReOpenPassIn, false)                                                \
    VALUE(int, PrintMemo, 10)                                                       \
    VALUE(bool, PrintTime, false)                                                   \
    VALUE(bool, PrintDate, false)                                                   \
    VALUE(bool, PrintPage, false)                                                   \
    VALUE(bool, PrintGary, false)                                                   \
    VALUE(bool, PrintName, false)                                                   \
    VALUE(std::string, ZangyoTitle, "残業時間一覧表")                               \
    VALUE(std::string, YearTitle, "残業時間一覧表")                                 \
    VALUE(std::string, YukyuTitle, "有給休暇一覧表")                                \
    VALUE(std::string, NameTitle, "所属：ＸＸＸＸＸ課  氏名：ＸＸ ＸＸ")            \
    VALUE(PageOrientation, ZangyoPrintMuki, PageOrientation::Portrait)              \
    VALUE(PageOrientation, YearPrintMuki, PageOrientation::Portrait)                \
    VALUE(PageOrientation, YukyuPrintMuki, PageOrientation::Portrait)               \
    VALUE(PrintAlignment, TitlePosition, PrintAlignment::Centre)                    \
    VALUE(PrintAlignment, NamePosition, PrintAlignment::Left)                       \
    VALUE(PrintAlignment, MonthPosition, PrintAlignment::Right)                     \
    VALUE(PrintAlignment, PagePosition, PrintAlignment::Centre)                     \
    VALUE(PrintAlignment, DatePosition, PrintAlignment::Right)                      \
    VALUE(std::string, TitleFontName, "ＭＳ ゴシック")                              \
    VALUE(std::string, NameFontName, "ＭＳ ゴシック")                               \
    VALUE(std::string, MonthFontName, "ＭＳ ゴシック")                              \
    VALUE(std::string, ListFontName, "ＭＳ ゴシック")                               \
    VALUE(std::string, PageFontName, "ＭＳ ゴシック")                               \
    VALUE(std::string, DateFontName, "ＭＳ ゴシック")                               \
    VALUE(int, TitleFontSize, 12)                                                   \
    VALUE(int, NameFontSize, 10)                                                    \
    VALUE(int, MonthFontSize, 10)                                                   \
    VALUE(int, ListFontSize, 9)                                                     \
    VALUE(int, PageFontSize, 7)                                                     \
    VALUE(int, DateFontSize, 7)                                                     \
    VALUE(int, TitleFontStyle, 0)  /* style bits */                                 \
    VALUE(int, NameFontStyle, 0)                                                    \
    VALUE(int, MonthFontStyle, 0)                                                   \
    VALUE(int, ListFontStyle, 0)                                                    \
    VALUE(int, PageFontStyle, 0)                                                    \
    VALUE(int, DateFontStyle, 0)                                                    \
    VALUE(bool, PrivateNameDisp, false)                                             \
    VALUE(std::string, PrivateName, "")                                             \
    VALUE(bool, CSVNameAdd, false)                                                  \
    VALUE(std::string, CSVFileName, "")                                             \
    VALUE(bool, CSVPrivateInfoAdd, false)                                           \
    VALUE(std::string, CSVPrivateInfo, "")                                          \
    VALUE(bool, CSVMonthAdd, false)                                                 \
    VALUE(bool, EscKeyMin, false)                                                   \
    VALUE(bool, WindowSize, true)                                                   \
    VALUE(bool, AutoSave, false)                                                    \
    VALUE(bool, AutoCalc, false)                                                    \
    VALUE(bool, IMEAutoMode, false)                                                 \
    VALUE(bool, IdleProcess, false)                                                 \
    VALUE(DecimalText, HanDayAM, "-0.5")  /* paid-leave days of a morning leave */  \
    VALUE(DecimalText, HanDayPM, "-0.5")                                            \
    VALUE(DecimalText, PageTopMargin, "20.0")  /* millimetres */                    \
    VALUE(DecimalText, PageBottomMargin, "20.0")                                    \
    VALUE(DecimalText, PageLeftMargin, "25.0")                                      \
    VALUE(DecimalText, PageRightMargin, "15.0")                                     \
    VALUE(std::string, SaveInitialDir, "")  /* the store seeds the default */       \
    ARRAY(bool, WeekCheck, 7, true, false, false, false, false, false, true)        \
    ELEMENT(WeekCheck, 0, Week1Check)  /* Sunday */                                 \
    ELEMENT(WeekCheck, 1, Week2Check)                                               \
    ELEMENT(WeekCheck, 2, Week3Check)                                               \
    ELEMENT(WeekCheck, 3, Week4Check)                                               \
    ELEMENT(WeekCheck, 4, Week5Check)                                               \
    ELEMENT(WeekCheck, 5, Week6Check)                                               \
    ELEMENT(WeekCheck, 6, Week7Check)  /* Saturday */                               \
    VALUE(bool, SeijinDay, true)                                                    \
    VALUE(bool, SpringDay, true)                                                    \
    VALUE(bool, AutumnDay, true)                                                    \
    VALUE(bool, SportDay, true)                                                     \
    VALUE(bool, OceanDay, true)                                                     \
    VALUE(bool, OldManDay, true)                                                    \
    VALUE(bool, HolidayLaw, true)  /* holidays by the current law from 2007 */      \
    VALUE(bool, YukyuMokuZanDisp, false)                                            \
    VALUE(DecimalText, YukyuMokuZan, "0.0")                                         \
    VALUE(bool, MokuhyoBasShow, false)  /* written by the main window only */       \
    VALUE(bool, MokuhyoTime, false)                                                 \
    VALUE(bool, DaikyuZanCalc, false)                                               \
    VALUE(bool, YuukyuKinmu, false)                                                 \
    VALUE(bool, Hankyu05, false)                                                    \
    /* The overtime agreement (36協定) and the premium above 60 hours a month. */   \
    VALUE(int, KyoteiStartMonth, 4)  /* first month of the agreement year */        \
    VALUE(bool, KyoteiVariable, false)  /* one-year variable hours: proposals only */ \
    VALUE(bool, KyoteiSpecial, false)   /* a special clause exists */               \
    VALUE(TimeText, KyoteiMonthLimit, " 45:00")                                     \
    VALUE(TimeText, KyoteiYearLimit, "360:00")                                      \
    VALUE(TimeText, KyoteiSpecialYearLimit, "720:00")                               \
    VALUE(TimeText, KyoteiSingleMonthLimit, "100:00")  /* to stay below */          \
    VALUE(TimeText, KyoteiAverageLimit, " 80:00")                                   \
    VALUE(int, KyoteiOverMonths, 6)   /* months a year above the monthly limit */   \
    VALUE(int, KyoteiWarnPercent, 80)                                               \
    VALUE(int, Premium60Rate, 0)      /* yen per hour above 60 h; 0: not shown */   \
    ARRAY(bool, CellColorCheck, 9, false, false, false, false, false, false, false, false, false) \
    ARRAY(int, CellColor, 9, SystemWindowColor, SystemWindowColor, SystemWindowColor, \
          SystemWindowColor, SystemWindowColor, SystemWindowColor, SystemWindowColor, \
          SystemWindowColor, SystemWindowColor)                                     \
    ELEMENT(CellColorCheck, 0, CellColorCheck0)                                     \
    ELEMENT(CellColor, 0, CellColor0)                                               \
    ELEMENT(CellColorCheck, 1, CellColorCheck1)                                     \
    ELEMENT(CellColor, 1, CellColor1)                                               \
    ELEMENT(CellColorCheck, 2, CellColorCheck2)                                     \
    ELEMENT(CellColor, 2, CellColor2)                                               \
    ELEMENT(CellColorCheck, 3, CellColorCheck3)                                     \
    ELEMENT(CellColor, 3, CellColor3)                                               \
    ELEMENT(CellColorCheck, 4, CellColorCheck4)                                     \
    ELEMENT(CellColor, 4, CellColor4)                                               \
    ELEMENT(CellColorCheck, 5, CellColorCheck5)                                     \
    ELEMENT(CellColor, 5, CellColor5)                                               \
    ELEMENT(CellColorCheck, 6, CellColorCheck6)                                     \
    ELEMENT(CellColor, 6, CellColor6)                                               \
    ELEMENT(CellColorCheck, 7, CellColorCheck7)                                     \
    ELEMENT(CellColor, 7, CellColor7)                                               \
    ELEMENT(CellColorCheck, 8, CellColorCheck8)                                     \
    ELEMENT(CellColor, 8, CellColor8)                                               \
    VALUE(WeekSeparator, GridLineSelect, WeekSeparator::AtMonday)                   \
    VALUE(int, YukyuMonth, 4)                                                       \
    VALUE(bool, ChikokuRedDisp, true)                                               \
    VALUE(TrayIconChoice, IconSelect, TrayIconChoice::Overtime)                     \
    VALUE(bool, SatHandon, false)  /* read, then always saved as "0" */             \
    VALUE(int, SyukeiMonth, 1)     /* written by the period totals window only */

// Section "Setting": the amounts, by meaning. In memory they are 0 until
// read; a new key receives the first-run amounts.
#define TKV_PAY_SETTINGS(PAY)                                                       \
    PAY(basicSalary, Kin01, 200000)             /* 基本給額 */                      \
    PAY(allowances, Kin02, 20000)               /* 手当金額 */                      \
    PAY(otherPayments, Kin03, 15000)            /* その他支給額 */                  \
    PAY(weekdayOvertimeRate, Kin04, 1500)       /* per hour */                      \
    PAY(weekdayLateNightRate, Kin05, 1750)                                          \
    PAY(targetTakeHome, Kin06, 230000)          /* 目標手取金額 */                  \
    PAY(takeHomePercent, Kin07, 80)             /* take-home / gross x 100 */       \
    PAY(holidayOvertimeRate, Kin08, 1500)                                           \
    PAY(holidayLateNightRate, Kin09, 1750)                                          \
    PAY(deductions, Kin10, 0)                   /* 給与天引き */                    \
    PAY(statutoryOvertimeRate, Kin11, 1750)     /* statutory holidays */            \
    PAY(statutoryLateNightRate, Kin12, 2000)

// Section "Setting": the working times, each stored as "first,second". A
// second half the program does not use is kept as stored ("spare").
#define TKV_TIME_SETTINGS(PAIR, PAIRS, PAIR_ELEMENT)                                \
    PAIRS(breaks, 10)  /* start, end */                                             \
    PAIR_ELEMENT(breaks, 0, Time01)                                                 \
    PAIR_ELEMENT(breaks, 1, Time02)                                                 \
    PAIR_ELEMENT(breaks, 2, Time03)                                                 \
    PAIR_ELEMENT(breaks, 3, Time04)                                                 \
    PAIR_ELEMENT(breaks, 4, Time05)                                                 \
    PAIR_ELEMENT(breaks, 5, Time06)                                                 \
    PAIR_ELEMENT(breaks, 6, Time07)                                                 \
    PAIR_ELEMENT(breaks, 7, Time08)                                                 \
    PAIR_ELEMENT(breaks, 8, Time09)                                                 \
    PAIR_ELEMENT(breaks, 9, Time10)                                                 \
    PAIR(Time11, standardStart, standardEnd)       /* 定時 */                       \
    PAIR(Time12, lateNightStart, lateNightEnd)     /* end on the next morning */    \
    PAIR(Time13, standardWork, minimumOvertime)    /* of a full working day */      \
    PAIR(Time14, morningLeaveWork, spare14)        /* standard work of a "前" day */ \
    PAIR(Time15, afternoonLeaveWork, spare15)      /* of a "後" day */              \
    PAIR(Time16, targetOvertime, spare16)          /* of the month */               \
    PAIR(Time17, compensatoryCredit, spare17)      /* zero or negative */           \
    PAIRS(frequentTimes, 3)  /* as stored; Settings::UseTime holds them in use */   \
    PAIR_ELEMENT(frequentTimes, 0, Time18)                                          \
    PAIR_ELEMENT(frequentTimes, 1, Time19)                                          \
    PAIR_ELEMENT(frequentTimes, 2, Time20)                                          \
    PAIR(Time21, shortDayStart, shortDayEnd)       /* 半ドン */                     \
    PAIR(Time22, shortDayWork, spare22)

// Section "Setting", after the times.
#define TKV_MEMO_SETTINGS(ARRAY, ELEMENT)                                           \
    ARRAY(std::string, UseMemo, 10)                                                 \
    ELEMENT(UseMemo, 0, UseMemo01)                                                  \
    ELEMENT(UseMemo, 1, UseMemo02)                                                  \
    ELEMENT(UseMemo, 2, UseMemo03)                                                  \
    ELEMENT(UseMemo, 3, UseMemo04)                                                  \
    ELEMENT(UseMemo, 4, UseMemo05)                                                  \
    ELEMENT(UseMemo, 5, UseMemo06)                                                  \
    ELEMENT(UseMemo, 6, UseMemo07)                                                  \
    ELEMENT(UseMemo, 7, UseMemo08)                                                  \
    ELEMENT(UseMemo, 8, UseMemo09)                                                  \
    ELEMENT(UseMemo, 9, UseMemo10)

// clang-format on

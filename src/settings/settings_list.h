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

// What each stored value means, for people reading or changing the settings
// outside the dialog (`tokivane-cli settings list --describe`). Every value of
// the lists above has its line, in the same order.
#define TKV_SETTING_DESCRIPTIONS(DESCRIBE) \
    DESCRIBE(Pass, "起動時のパスワード（文字を逆順にして保存、空欄はなし）") \
    DESCRIBE(KinPass, "金額表示・環境設定のパスワード（逆順で保存、空欄はなし）") \
    DESCRIBE(SimeDay, "残業締日：1～27、31は月末締め") \
    DESCRIBE(FlexTime, "フレックスタイム制") \
    DESCRIBE(ClickAutoSelect, "時刻欄のダブルクリック：0 定時時刻(+Shiftで現在時刻)、1 現在時刻(+Shiftで定時時刻)") \
    DESCRIBE(StartAdjustSelect, "出社時刻の丸め：0 なし、1 切り捨て、2 四捨五入、3 切り上げ") \
    DESCRIBE(StartTime, "旧形式の出社丸め単位（StartTime2 がないときだけ使用）") \
    DESCRIBE(StartTime2, "出社時刻の丸め単位：0～6 = 5,6,10,15,20,30,60分") \
    DESCRIBE(StartAutoIn, "起動時の出社時刻自動入力：0 しない、1 自動、2 確認画面") \
    DESCRIBE(StartTeijiIn, "自動入力で定時を使う：0 しない、1 定時より早いとき、2 常に") \
    DESCRIBE(StartPassSkip, "起動時の自動入力ではパスワードを聞かない") \
    DESCRIBE(StartAutoMinimize, "自動入力の後タスクトレイに入る") \
    DESCRIBE(CalcTimeAdjust, "再計算のときも出社・退社時刻を丸める") \
    DESCRIBE(NoAutoInAdjust, "自動入力・現在時刻入力の時刻は丸めない") \
    DESCRIBE(EndAdjustSelect, "退社時刻の丸め：0 なし、1 切り捨て、2 四捨五入、3 切り上げ") \
    DESCRIBE(EndTime, "旧形式の退社丸め単位（EndTime2 がないときだけ使用）") \
    DESCRIBE(EndTime2, "退社時刻の丸め単位：0～6 = 5,6,10,15,20,30,60分") \
    DESCRIBE(EndAutoIn, "終了時の退社時刻自動入力：0 しない、1 自動、2 確認画面") \
    DESCRIBE(EndOverWrite, "退社時刻が入力済みのとき：0 上書き、1 確認、2 そのまま") \
    DESCRIBE(ZangyoAdjustSelect, "残業時間の丸め：0 なし、1 切り捨て、2 四捨五入、3 切り上げ") \
    DESCRIBE(ZangyoTime, "旧形式の残業丸め単位（ZangyoTime2 がないときだけ使用）") \
    DESCRIBE(ZangyoTime2, "残業時間の丸め単位：0～6 = 5,6,10,15,20,30,60分") \
    DESCRIBE(PrintForm, "印刷形式：0 網掛けあり、1 罫線のみ") \
    DESCRIBE(ReOpenPassIn, "タスクトレイから戻すときパスワードを聞く") \
    DESCRIBE(PrintMemo, "メモの印刷文字数（全角、10以上）") \
    DESCRIBE(PrintTime, "残業時間を10進数の時間で印刷") \
    DESCRIBE(PrintDate, "印刷日を印刷") \
    DESCRIBE(PrintPage, "ページ番号を印刷") \
    DESCRIBE(PrintGary, "休日の行をグレーで印刷") \
    DESCRIBE(PrintName, "所属・氏名を印刷") \
    DESCRIBE(ZangyoTitle, "残業時間一覧表の表題") \
    DESCRIBE(YearTitle, "期間集計一覧表の表題") \
    DESCRIBE(YukyuTitle, "有給休暇一覧表の表題") \
    DESCRIBE(NameTitle, "所属・氏名の行") \
    DESCRIBE(ZangyoPrintMuki, "残業時間一覧表の用紙の向き：0 縦、1 横") \
    DESCRIBE(YearPrintMuki, "期間集計一覧表の用紙の向き：0 縦、1 横") \
    DESCRIBE(YukyuPrintMuki, "有給休暇一覧表の用紙の向き：0 縦、1 横") \
    DESCRIBE(TitlePosition, "表題の位置：0 左寄せ、1 中央、2 右寄せ") \
    DESCRIBE(NamePosition, "所属・氏名の位置：0 左寄せ、1 中央、2 右寄せ") \
    DESCRIBE(MonthPosition, "年月の位置：0 左寄せ、1 中央、2 右寄せ") \
    DESCRIBE(PagePosition, "ページ番号の位置：0 左寄せ、1 中央、2 右寄せ") \
    DESCRIBE(DatePosition, "印刷日の位置：0 左寄せ、1 中央、2 右寄せ") \
    DESCRIBE(TitleFontName, "表題のフォント名") \
    DESCRIBE(NameFontName, "所属・氏名のフォント名") \
    DESCRIBE(MonthFontName, "年月のフォント名") \
    DESCRIBE(ListFontName, "一覧のフォント名") \
    DESCRIBE(PageFontName, "ページ番号のフォント名") \
    DESCRIBE(DateFontName, "印刷日のフォント名") \
    DESCRIBE(TitleFontSize, "表題のフォントサイズ（ポイント）") \
    DESCRIBE(NameFontSize, "所属・氏名のフォントサイズ（ポイント）") \
    DESCRIBE(MonthFontSize, "年月のフォントサイズ（ポイント）") \
    DESCRIBE(ListFontSize, "一覧のフォントサイズ（ポイント）") \
    DESCRIBE(PageFontSize, "ページ番号のフォントサイズ（ポイント）") \
    DESCRIBE(DateFontSize, "印刷日のフォントサイズ（ポイント）") \
    DESCRIBE(TitleFontStyle, "表題のフォントスタイル：1 太字、2 斜体、4 下線、8 取り消し線の和") \
    DESCRIBE(NameFontStyle, "所属・氏名のフォントスタイル：1 太字、2 斜体、4 下線、8 取り消し線の和") \
    DESCRIBE(MonthFontStyle, "年月のフォントスタイル：1 太字、2 斜体、4 下線、8 取り消し線の和") \
    DESCRIBE(ListFontStyle, "一覧のフォントスタイル：1 太字、2 斜体、4 下線、8 取り消し線の和") \
    DESCRIBE(PageFontStyle, "ページ番号のフォントスタイル：1 太字、2 斜体、4 下線、8 取り消し線の和") \
    DESCRIBE(DateFontStyle, "印刷日のフォントスタイル：1 太字、2 斜体、4 下線、8 取り消し線の和") \
    DESCRIBE(PrivateNameDisp, "氏名をタイトルバーに表示") \
    DESCRIBE(PrivateName, "氏名") \
    DESCRIBE(CSVNameAdd, "CSVファイル名に文字を追加") \
    DESCRIBE(CSVFileName, "CSVファイル名に追加する文字") \
    DESCRIBE(CSVPrivateInfoAdd, "CSVファイルの1行目に個人情報を出力") \
    DESCRIBE(CSVPrivateInfo, "CSVファイルに出力する個人情報") \
    DESCRIBE(CSVMonthAdd, "CSVファイルに年月の行を出力") \
    DESCRIBE(EscKeyMin, "Escキーでタスクトレイに入る") \
    DESCRIBE(WindowSize, "終了時のウィンドウサイズを次の起動で使う") \
    DESCRIBE(AutoSave, "確認せずに自動保存") \
    DESCRIBE(AutoCalc, "残業時間・有給休暇を自動で再計算") \
    DESCRIBE(IMEAutoMode, "メモ欄で日本語入力を自動でオン") \
    DESCRIBE(IdleProcess, "最小化したら待機ツールに切り替える") \
    DESCRIBE(HanDayAM, "午前半休の有給日数（小数1桁、0以下）") \
    DESCRIBE(HanDayPM, "午後半休の有給日数（小数1桁、0以下）") \
    DESCRIBE(PageTopMargin, "印刷の上余白（mm）") \
    DESCRIBE(PageBottomMargin, "印刷の下余白（mm）") \
    DESCRIBE(PageLeftMargin, "印刷の左余白（mm）") \
    DESCRIBE(PageRightMargin, "印刷の右余白（mm）") \
    DESCRIBE(SaveInitialDir, "CSV保存で最初に開くフォルダ") \
    DESCRIBE(Week1Check, "会社の休日：日曜日") \
    DESCRIBE(Week2Check, "会社の休日：月曜日") \
    DESCRIBE(Week3Check, "会社の休日：火曜日") \
    DESCRIBE(Week4Check, "会社の休日：水曜日") \
    DESCRIBE(Week5Check, "会社の休日：木曜日") \
    DESCRIBE(Week6Check, "会社の休日：金曜日") \
    DESCRIBE(Week7Check, "会社の休日：土曜日") \
    DESCRIBE(SeijinDay, "成人の日を休日にする") \
    DESCRIBE(SpringDay, "春分の日を休日にする") \
    DESCRIBE(AutumnDay, "秋分の日を休日にする") \
    DESCRIBE(SportDay, "体育の日（スポーツの日）を休日にする") \
    DESCRIBE(OceanDay, "海の日を休日にする") \
    DESCRIBE(OldManDay, "敬老の日を休日にする") \
    DESCRIBE(HolidayLaw, "現行の祝日法で祝日を決める") \
    DESCRIBE(KyoteiStartMonth, "36協定の起算月（1～12）") \
    DESCRIBE(KyoteiVariable, "1年単位の変形労働時間制（上限の提案値だけが変わる）") \
    DESCRIBE(KyoteiSpecial, "36協定の特別条項がある") \
    DESCRIBE(KyoteiMonthLimit, "36協定：月の時間外の上限（時:分）") \
    DESCRIBE(KyoteiYearLimit, "36協定：年の時間外の上限（時:分）") \
    DESCRIBE(KyoteiSpecialYearLimit, "36協定：特別条項の年の時間外の上限（時:分）") \
    DESCRIBE(KyoteiSingleMonthLimit, "時間外＋休日労働の単月の上限（未満、時:分）") \
    DESCRIBE(KyoteiAverageLimit, "時間外＋休日労働の2～6か月平均の上限（時:分）") \
    DESCRIBE(KyoteiOverMonths, "月の上限を超えてよい月数（年）") \
    DESCRIBE(KyoteiWarnPercent, "36協定メーターを黄色にする割合（％）") \
    DESCRIBE(Premium60Rate, "月60時間を超える時間外の割増額（円／時、0で表示しない）") \
    DESCRIBE(YukyuMokuZanDisp, "有給休暇の目標残日数を表示") \
    DESCRIBE(YukyuMokuZan, "有給休暇の目標残日数（小数1桁）") \
    DESCRIBE(MokuhyoBasShow, "目標達成率バーを表示") \
    DESCRIBE(MokuhyoTime, "目標：1 残業時間（Time16）、0 手取金額（Kin06）") \
    DESCRIBE(DaikyuZanCalc, "代休の日に Time17 の時間を残業から引く") \
    DESCRIBE(YuukyuKinmu, "有給・半休を勤務時間に含める") \
    DESCRIBE(Hankyu05, "半休を出勤0.5日と数える（しないときは1日）") \
    DESCRIBE(CellColorCheck0, "休日(○)の行に背景色を使う") \
    DESCRIBE(CellColor0, "休日(○)の行の背景色（0x00BBGGRR、0x80000000＋システム色番号）") \
    DESCRIBE(CellColorCheck1, "有給(有)の行に背景色を使う") \
    DESCRIBE(CellColor1, "有給(有)の行の背景色（0x00BBGGRR、0x80000000＋システム色番号）") \
    DESCRIBE(CellColorCheck2, "午前半休(前)の行に背景色を使う") \
    DESCRIBE(CellColor2, "午前半休(前)の行の背景色（0x00BBGGRR、0x80000000＋システム色番号）") \
    DESCRIBE(CellColorCheck3, "午後半休(後)の行に背景色を使う") \
    DESCRIBE(CellColor3, "午後半休(後)の行の背景色（0x00BBGGRR、0x80000000＋システム色番号）") \
    DESCRIBE(CellColorCheck4, "代休(代)の行に背景色を使う") \
    DESCRIBE(CellColor4, "代休(代)の行の背景色（0x00BBGGRR、0x80000000＋システム色番号）") \
    DESCRIBE(CellColorCheck5, "欠勤(欠)の行に背景色を使う") \
    DESCRIBE(CellColor5, "欠勤(欠)の行の背景色（0x00BBGGRR、0x80000000＋システム色番号）") \
    DESCRIBE(CellColorCheck6, "土曜日の行に背景色を使う") \
    DESCRIBE(CellColor6, "土曜日の行の背景色（0x00BBGGRR、0x80000000＋システム色番号）") \
    DESCRIBE(CellColorCheck7, "日曜日の行に背景色を使う") \
    DESCRIBE(CellColor7, "日曜日の行の背景色（0x00BBGGRR、0x80000000＋システム色番号）") \
    DESCRIBE(CellColorCheck8, "半ドン(半)の行に背景色を使う") \
    DESCRIBE(CellColor8, "半ドン(半)の行の背景色（0x00BBGGRR、0x80000000＋システム色番号）") \
    DESCRIBE(GridLineSelect, "週の区切り線：0 なし、1 日曜日から、2 月曜日から") \
    DESCRIBE(YukyuMonth, "有給休暇一覧の区切り線を引く月（1～12、0 引かない）") \
    DESCRIBE(ChikokuRedDisp, "遅刻・早退の時刻を赤で表示") \
    DESCRIBE(IconSelect, "タスクトレイのアイコン：0 残業アイコン、1 目立たないコンピュータ") \
    DESCRIBE(SatHandon, "使われていない値（常に0で保存）") \
    DESCRIBE(SyukeiMonth, "期間集計の開始月") \
    DESCRIBE(Kin01, "基本給額（円）") \
    DESCRIBE(Kin02, "手当金額（円）") \
    DESCRIBE(Kin03, "その他支給額（円）") \
    DESCRIBE(Kin04, "平日普通残業の時間単価（円）") \
    DESCRIBE(Kin05, "平日深夜残業の時間単価（円）") \
    DESCRIBE(Kin06, "目標手取金額（円）") \
    DESCRIBE(Kin07, "手取り掛け率（%：手取り÷総支給×100）") \
    DESCRIBE(Kin08, "休日普通残業の時間単価（円）") \
    DESCRIBE(Kin09, "休日深夜残業の時間単価（円）") \
    DESCRIBE(Kin10, "給与天引き額（円）") \
    DESCRIBE(Kin11, "法定休日普通残業の時間単価（円）") \
    DESCRIBE(Kin12, "法定休日深夜残業の時間単価（円）") \
    DESCRIBE(Time01, "休憩1（開始,終了）") \
    DESCRIBE(Time02, "休憩2（開始,終了）") \
    DESCRIBE(Time03, "休憩3（開始,終了）") \
    DESCRIBE(Time04, "休憩4（開始,終了）") \
    DESCRIBE(Time05, "休憩5（開始,終了）") \
    DESCRIBE(Time06, "休憩6（開始,終了）") \
    DESCRIBE(Time07, "休憩7（開始,終了）") \
    DESCRIBE(Time08, "休憩8（開始,終了）") \
    DESCRIBE(Time09, "休憩9（開始,終了）") \
    DESCRIBE(Time10, "休憩10（開始,終了）") \
    DESCRIBE(Time11, "定時（開始,終了）") \
    DESCRIBE(Time12, "深夜残業（開始,終了）") \
    DESCRIBE(Time13, "標準勤務時間（終日）,最低残業時間") \
    DESCRIBE(Time14, "午前半休の日の標準勤務時間") \
    DESCRIBE(Time15, "午後半休の日の標準勤務時間") \
    DESCRIBE(Time16, "月の目標残業時間") \
    DESCRIBE(Time17, "代休の日に残業から引く時間（0以下）") \
    DESCRIBE(Time18, "よく使う時刻1,2") \
    DESCRIBE(Time19, "よく使う時刻3,4") \
    DESCRIBE(Time20, "よく使う時刻5,6") \
    DESCRIBE(Time21, "半ドンの定時（開始,終了）") \
    DESCRIBE(Time22, "半ドンの日の標準勤務時間") \
    DESCRIBE(UseMemo01, "よく使うメモ1") \
    DESCRIBE(UseMemo02, "よく使うメモ2") \
    DESCRIBE(UseMemo03, "よく使うメモ3") \
    DESCRIBE(UseMemo04, "よく使うメモ4") \
    DESCRIBE(UseMemo05, "よく使うメモ5") \
    DESCRIBE(UseMemo06, "よく使うメモ6") \
    DESCRIBE(UseMemo07, "よく使うメモ7") \
    DESCRIBE(UseMemo08, "よく使うメモ8") \
    DESCRIBE(UseMemo09, "よく使うメモ9") \
    DESCRIBE(UseMemo10, "よく使うメモ10")

// clang-format on

#pragma once

#include <array>
#include <string>

// The user's settings for one run, named by their registry value names.
namespace tkv {

// 0x80000005, the system window background, as the stored signed value.
inline constexpr int SystemWindowColor = static_cast<int>(0x80000005u);

struct Settings {
    // --- section System ---
    std::string Pass;     // plain start-up password (stored byte-reversed)
    std::string KinPass;  // plain pay/settings password (stored byte-reversed)
    int SimeDay = 31;
    bool FlexTime = false;
    int ClickAutoSelect = 0;
    int StartAdjustSelect = 0;
    int StartTime = 0;    // legacy unit index, kept as read
    int StartTime2 = -1;  // unit index into UnitMinutesTable
    int StartAutoIn = 0;
    int StartTeijiIn = 0;
    bool StartPassSkip = false;
    bool StartAutoMinimize = false;
    bool CalcTimeAdjust = false;
    bool NoAutoInAdjust = false;
    int EndAdjustSelect = 0;
    int EndTime = 0;
    int EndTime2 = -1;
    int EndAutoIn = 0;
    int EndOverWrite = 0;
    int ZangyoAdjustSelect = 0;
    int ZangyoTime = 0;
    int ZangyoTime2 = -1;
    int PrintForm = 0;
    bool ReOpenPassIn = false;
    int PrintMemo = 10;
    bool PrintTime = false;
    bool PrintDate = false;
    bool PrintPage = false;
    bool PrintGary = false;
    bool PrintName = false;
    std::string ZangyoTitle = "残業時間一覧表";
    std::string YearTitle = "残業時間一覧表";
    std::string YukyuTitle = "有給休暇一覧表";
    std::string NameTitle = "所属：ＸＸＸＸＸ課  氏名：ＸＸ ＸＸ";
    int ZangyoPrintMuki = 0;
    int YearPrintMuki = 0;
    int YukyuPrintMuki = 0;
    int TitlePosition = 1;
    int NamePosition = 0;
    int MonthPosition = 2;
    int PagePosition = 1;
    int DatePosition = 2;
    std::string TitleFontName = "ＭＳ ゴシック";
    std::string NameFontName = "ＭＳ ゴシック";
    std::string MonthFontName = "ＭＳ ゴシック";
    std::string ListFontName = "ＭＳ ゴシック";
    std::string PageFontName = "ＭＳ ゴシック";
    std::string DateFontName = "ＭＳ ゴシック";
    int TitleFontSize = 12;
    int NameFontSize = 10;
    int MonthFontSize = 10;
    int ListFontSize = 9;
    int PageFontSize = 7;
    int DateFontSize = 7;
    int TitleFontStyle = 0;
    int NameFontStyle = 0;
    int MonthFontStyle = 0;
    int ListFontStyle = 0;
    int PageFontStyle = 0;
    int DateFontStyle = 0;
    bool PrivateNameDisp = false;
    std::string PrivateName;
    bool CSVNameAdd = false;
    std::string CSVFileName;
    bool CSVPrivateInfoAdd = false;
    std::string CSVPrivateInfo;
    bool CSVMonthAdd = false;
    bool EscKeyMin = false;
    bool WindowSize = true;
    bool AutoSave = false;
    bool AutoCalc = false;
    bool IMEAutoMode = false;
    bool IdleProcess = false;
    std::string HanDayAM = "-0.5";
    std::string HanDayPM = "-0.5";
    std::string PageTopMargin = "20.0";
    std::string PageBottomMargin = "20.0";
    std::string PageLeftMargin = "25.0";
    std::string PageRightMargin = "15.0";
    std::string SaveInitialDir;
    std::array<bool, 7> WeekCheck{true, false, false, false, false, false, true};  // Sunday first
    bool SeijinDay = true;
    bool SpringDay = true;
    bool AutumnDay = true;
    bool SportDay = true;
    bool OceanDay = true;
    bool OldManDay = true;
    bool HolidayLaw = true;  // national holidays by the current law from 2007 (else classic rules)
    bool YukyuMokuZanDisp = false;
    std::string YukyuMokuZan = "0.0";
    bool MokuhyoBasShow = false;
    bool MokuhyoTime = false;
    bool DaikyuZanCalc = false;
    bool YuukyuKinmu = false;
    bool Hankyu05 = false;
    std::array<bool, 9> CellColorCheck{};
    std::array<int, 9> CellColor{SystemWindowColor, SystemWindowColor, SystemWindowColor,
                                 SystemWindowColor, SystemWindowColor, SystemWindowColor,
                                 SystemWindowColor, SystemWindowColor, SystemWindowColor};
    int GridLineSelect = 2;
    int YukyuMonth = 4;
    bool ChikokuRedDisp = true;
    int IconSelect = 0;
    bool SatHandon = false;
    int SyukeiMonth = 1;

    // --- section Setting ---
    std::array<int, 12> Kin{};               // Kin01..Kin12 at [0]..[11]
    std::array<std::string, 22> TimeFirst;   // Time01..Time22, text before the comma
    std::array<std::string, 22> TimeSecond;  // text after the comma
    std::array<std::string, 6> UseTime;      // the six frequently-used times (Time18..Time20)
    std::array<std::string, 10> UseMemo;     // UseMemo01..UseMemo10

    // 1-based accessors matching the value names (kin(4) is Kin04).
    int kin(int n) const { return Kin[static_cast<std::size_t>(n - 1)]; }
    const std::string& timeFirst(int n) const { return TimeFirst[static_cast<std::size_t>(n - 1)]; }
    const std::string& timeSecond(int n) const {
        return TimeSecond[static_cast<std::size_t>(n - 1)];
    }
    std::string& timeFirst(int n) { return TimeFirst[static_cast<std::size_t>(n - 1)]; }
    std::string& timeSecond(int n) { return TimeSecond[static_cast<std::size_t>(n - 1)]; }
};

// Paid-leave days of a morning and an afternoon half-day leave, as numbers;
// text that is not a number gives -0.5.
struct HalfDayValues {
    double morning = -0.5;
    double afternoon = -0.5;
};
HalfDayValues HalfDayValuesOf(const Settings& s);

// Copies taken from the start user's settings: they keep governing the tray
// password, Esc-to-tray and size restore while another user's data is open.
struct StartUserCopies {
    std::string password;
    bool ReOpenPassIn = false;
    bool EscKeyMin = false;
    bool WindowSize = true;
};
StartUserCopies StartUserCopiesOf(const Settings& s);

}  // namespace tkv

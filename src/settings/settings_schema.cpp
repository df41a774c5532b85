#include "settings/settings_schema.h"

#include "base/text_util.h"

namespace tkv {

int ReadSettingInt(std::string_view stored, int fallback) {
    return StrToIntDef(stored, fallback);
}

bool ReadSettingBool(std::string_view stored, bool fallback) {
    return StrToIntDef(stored, fallback ? 1 : 0) != 0;
}

std::string NumberedName(std::string_view prefix, int n, int digits) {
    return std::string(prefix) + IntToStrPad(n, digits, '0');
}

namespace {

std::string boolText(bool v) {
    return v ? "1" : "0";
}

SettingField boolField(std::string name, bool Settings::*m) {
    return {std::move(name), SettingSection::System, SettingType::Bool,
            [m](const Settings& s) { return boolText(s.*m); },
            [m](Settings& s, std::string_view t, const Settings& d) {
                s.*m = ReadSettingBool(t, d.*m);
            }};
}

SettingField intField(std::string name, int Settings::*m) {
    return {std::move(name), SettingSection::System, SettingType::Int,
            [m](const Settings& s) { return std::to_string(s.*m); },
            [m](Settings& s, std::string_view t, const Settings& d) {
                s.*m = ReadSettingInt(t, d.*m);
            }};
}

SettingField textField(std::string name, std::string Settings::*m,
                       SettingType type = SettingType::Text) {
    return {std::move(name), SettingSection::System, type, [m](const Settings& s) { return s.*m; },
            [m](Settings& s, std::string_view t, const Settings&) { s.*m = std::string(t); }};
}

template <std::size_t N>
SettingField boolArrayField(std::string name, std::array<bool, N> Settings::*m, std::size_t i) {
    return {std::move(name), SettingSection::System, SettingType::Bool,
            [m, i](const Settings& s) { return boolText((s.*m)[i]); },
            [m, i](Settings& s, std::string_view t, const Settings& d) {
                (s.*m)[i] = ReadSettingBool(t, (d.*m)[i]);
            }};
}

std::vector<SettingField> buildSchema() {
    using S = Settings;
    std::vector<SettingField> f;
    f.push_back(textField("Pass", &S::Pass, SettingType::Password));
    f.push_back(textField("KinPass", &S::KinPass, SettingType::Password));
    f.push_back(intField("SimeDay", &S::SimeDay));
    f.push_back(boolField("FlexTime", &S::FlexTime));
    f.push_back(intField("ClickAutoSelect", &S::ClickAutoSelect));
    f.push_back(intField("StartAdjustSelect", &S::StartAdjustSelect));
    f.push_back(intField("StartTime", &S::StartTime));
    f.push_back(intField("StartTime2", &S::StartTime2));
    f.push_back(intField("StartAutoIn", &S::StartAutoIn));
    f.push_back(intField("StartTeijiIn", &S::StartTeijiIn));
    f.push_back(boolField("StartPassSkip", &S::StartPassSkip));
    f.push_back(boolField("StartAutoMinimize", &S::StartAutoMinimize));
    f.push_back(boolField("CalcTimeAdjust", &S::CalcTimeAdjust));
    f.push_back(boolField("NoAutoInAdjust", &S::NoAutoInAdjust));
    f.push_back(intField("EndAdjustSelect", &S::EndAdjustSelect));
    f.push_back(intField("EndTime", &S::EndTime));
    f.push_back(intField("EndTime2", &S::EndTime2));
    f.push_back(intField("EndAutoIn", &S::EndAutoIn));
    f.push_back(intField("EndOverWrite", &S::EndOverWrite));
    f.push_back(intField("ZangyoAdjustSelect", &S::ZangyoAdjustSelect));
    f.push_back(intField("ZangyoTime", &S::ZangyoTime));
    f.push_back(intField("ZangyoTime2", &S::ZangyoTime2));
    f.push_back(intField("PrintForm", &S::PrintForm));
    f.push_back(boolField("ReOpenPassIn", &S::ReOpenPassIn));
    f.push_back(intField("PrintMemo", &S::PrintMemo));
    f.push_back(boolField("PrintTime", &S::PrintTime));
    f.push_back(boolField("PrintDate", &S::PrintDate));
    f.push_back(boolField("PrintPage", &S::PrintPage));
    f.push_back(boolField("PrintGary", &S::PrintGary));
    f.push_back(boolField("PrintName", &S::PrintName));
    f.push_back(textField("ZangyoTitle", &S::ZangyoTitle));
    f.push_back(textField("YearTitle", &S::YearTitle));
    f.push_back(textField("YukyuTitle", &S::YukyuTitle));
    f.push_back(textField("NameTitle", &S::NameTitle));
    f.push_back(intField("ZangyoPrintMuki", &S::ZangyoPrintMuki));
    f.push_back(intField("YearPrintMuki", &S::YearPrintMuki));
    f.push_back(intField("YukyuPrintMuki", &S::YukyuPrintMuki));
    f.push_back(intField("TitlePosition", &S::TitlePosition));
    f.push_back(intField("NamePosition", &S::NamePosition));
    f.push_back(intField("MonthPosition", &S::MonthPosition));
    f.push_back(intField("PagePosition", &S::PagePosition));
    f.push_back(intField("DatePosition", &S::DatePosition));
    f.push_back(textField("TitleFontName", &S::TitleFontName));
    f.push_back(textField("NameFontName", &S::NameFontName));
    f.push_back(textField("MonthFontName", &S::MonthFontName));
    f.push_back(textField("ListFontName", &S::ListFontName));
    f.push_back(textField("PageFontName", &S::PageFontName));
    f.push_back(textField("DateFontName", &S::DateFontName));
    f.push_back(intField("TitleFontSize", &S::TitleFontSize));
    f.push_back(intField("NameFontSize", &S::NameFontSize));
    f.push_back(intField("MonthFontSize", &S::MonthFontSize));
    f.push_back(intField("ListFontSize", &S::ListFontSize));
    f.push_back(intField("PageFontSize", &S::PageFontSize));
    f.push_back(intField("DateFontSize", &S::DateFontSize));
    f.push_back(intField("TitleFontStyle", &S::TitleFontStyle));
    f.push_back(intField("NameFontStyle", &S::NameFontStyle));
    f.push_back(intField("MonthFontStyle", &S::MonthFontStyle));
    f.push_back(intField("ListFontStyle", &S::ListFontStyle));
    f.push_back(intField("PageFontStyle", &S::PageFontStyle));
    f.push_back(intField("DateFontStyle", &S::DateFontStyle));
    f.push_back(boolField("PrivateNameDisp", &S::PrivateNameDisp));
    f.push_back(textField("PrivateName", &S::PrivateName));
    f.push_back(boolField("CSVNameAdd", &S::CSVNameAdd));
    f.push_back(textField("CSVFileName", &S::CSVFileName));
    f.push_back(boolField("CSVPrivateInfoAdd", &S::CSVPrivateInfoAdd));
    f.push_back(textField("CSVPrivateInfo", &S::CSVPrivateInfo));
    f.push_back(boolField("CSVMonthAdd", &S::CSVMonthAdd));
    f.push_back(boolField("EscKeyMin", &S::EscKeyMin));
    f.push_back(boolField("WindowSize", &S::WindowSize));
    f.push_back(boolField("AutoSave", &S::AutoSave));
    f.push_back(boolField("AutoCalc", &S::AutoCalc));
    f.push_back(boolField("IMEAutoMode", &S::IMEAutoMode));
    f.push_back(boolField("IdleProcess", &S::IdleProcess));
    f.push_back(textField("HanDayAM", &S::HanDayAM));
    f.push_back(textField("HanDayPM", &S::HanDayPM));
    f.push_back(textField("PageTopMargin", &S::PageTopMargin));
    f.push_back(textField("PageBottomMargin", &S::PageBottomMargin));
    f.push_back(textField("PageLeftMargin", &S::PageLeftMargin));
    f.push_back(textField("PageRightMargin", &S::PageRightMargin));
    f.push_back(textField("SaveInitialDir", &S::SaveInitialDir));
    for (std::size_t i = 0; i < 7; ++i)
        f.push_back(boolArrayField(NumberedName("Week", static_cast<int>(i) + 1, 1) + "Check",
                                   &S::WeekCheck, i));
    f.push_back(boolField("SeijinDay", &S::SeijinDay));
    f.push_back(boolField("SpringDay", &S::SpringDay));
    f.push_back(boolField("AutumnDay", &S::AutumnDay));
    f.push_back(boolField("SportDay", &S::SportDay));
    f.push_back(boolField("OceanDay", &S::OceanDay));
    f.push_back(boolField("OldManDay", &S::OldManDay));
    f.push_back(boolField("HolidayLaw", &S::HolidayLaw));
    f.push_back(boolField("YukyuMokuZanDisp", &S::YukyuMokuZanDisp));
    f.push_back(textField("YukyuMokuZan", &S::YukyuMokuZan));
    f.push_back(boolField("MokuhyoBasShow", &S::MokuhyoBasShow));
    f.push_back(boolField("MokuhyoTime", &S::MokuhyoTime));
    f.push_back(boolField("DaikyuZanCalc", &S::DaikyuZanCalc));
    f.push_back(boolField("YuukyuKinmu", &S::YuukyuKinmu));
    f.push_back(boolField("Hankyu05", &S::Hankyu05));
    for (std::size_t i = 0; i < 9; ++i) {
        f.push_back(boolArrayField(NumberedName("CellColorCheck", static_cast<int>(i), 1),
                                   &S::CellColorCheck, i));
        f.push_back({NumberedName("CellColor", static_cast<int>(i), 1), SettingSection::System,
                     SettingType::Int, [i](const S& s) { return std::to_string(s.CellColor[i]); },
                     [i](S& s, std::string_view t, const S& d) {
                         s.CellColor[i] = ReadSettingInt(t, d.CellColor[i]);
                     }});
    }
    f.push_back(intField("GridLineSelect", &S::GridLineSelect));
    f.push_back(intField("YukyuMonth", &S::YukyuMonth));
    f.push_back(boolField("ChikokuRedDisp", &S::ChikokuRedDisp));
    f.push_back(intField("IconSelect", &S::IconSelect));
    f.push_back(boolField("SatHandon", &S::SatHandon));
    f.push_back(intField("SyukeiMonth", &S::SyukeiMonth));

    for (std::size_t i = 0; i < 12; ++i)
        f.push_back({NumberedName("Kin", static_cast<int>(i) + 1, 2), SettingSection::Setting,
                     SettingType::Int, [i](const S& s) { return std::to_string(s.Kin[i]); },
                     [i](S& s, std::string_view t, const S&) { s.Kin[i] = ReadSettingInt(t, 0); }});
    for (std::size_t i = 0; i < 22; ++i)
        f.push_back({NumberedName("Time", static_cast<int>(i) + 1, 2), SettingSection::Setting,
                     SettingType::TimePair,
                     [i](const S& s) { return s.TimeFirst[i] + "," + s.TimeSecond[i]; },
                     [i](S& s, std::string_view t, const S&) {
                         // No comma: the whole text is the second half.
                         const std::size_t comma = t.find(',');
                         s.TimeFirst[i] = comma == t.npos ? "" : std::string(t.substr(0, comma));
                         s.TimeSecond[i] = std::string(comma == t.npos ? t : t.substr(comma + 1));
                     }});
    for (std::size_t i = 0; i < 10; ++i)
        f.push_back({NumberedName("UseMemo", static_cast<int>(i) + 1, 2), SettingSection::Setting,
                     SettingType::Text, [i](const S& s) { return s.UseMemo[i]; },
                     [i](S& s, std::string_view t, const S&) { s.UseMemo[i] = std::string(t); }});
    return f;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

}  // namespace

const std::vector<SettingField>& SettingsSchema() {
    static const std::vector<SettingField> schema = buildSchema();
    return schema;
}

const SettingField* FindSetting(std::string_view name) {
    const std::string wanted = upper(name);
    for (const SettingField& f : SettingsSchema())
        if (upper(f.name) == wanted)
            return &f;
    return nullptr;
}

}  // namespace tkv

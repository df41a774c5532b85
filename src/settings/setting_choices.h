#pragma once

// The settings that choose one of a few behaviours. Each is stored as its
// code; a code outside the listed ones is kept as read (a save writes it back
// unchanged), and whoever uses the setting treats it as the code says there.
namespace tkv {

// ClickAutoSelect: what a double-click on an empty time cell writes; Shift
// gives the other one. Any code but 0 means the current time.
enum class ClickTimeChoice : int { StandardTime = 0, CurrentTime = 1 };

// StartAutoIn, EndAutoIn: the automatic arrival input at start and the
// leaving input at the end. Codes above 2 confirm, below 0 do nothing.
enum class AutoTimeMode : int { None = 0, Automatic = 1, Confirm = 2 };
AutoTimeMode KnownAutoTimeMode(AutoTimeMode mode);

// StartTeijiIn: when the automatic arrival writes the standard start instead
// of the current time.
enum class StandardStartUse : int { Never = 0, WhenEarlier = 1, Always = 2 };

// EndOverWrite: what the fully automatic leaving input does with a leaving
// time already entered. Codes above 1 keep it.
enum class LeavingOverwrite : int { Overwrite = 0, Ask = 1, Keep = 2 };

// PrintForm: the printed lists with grey shading or with ruled lines only.
enum class ReportForm : int { Shaded = 0, RuledOnly = 1 };

// ZangyoPrintMuki, YearPrintMuki, YukyuPrintMuki.
enum class PageOrientation : int { Portrait = 0, Landscape = 1 };

// TitlePosition, NamePosition, MonthPosition, PagePosition, DatePosition.
enum class PrintAlignment : int { Left = 0, Centre = 1, Right = 2 };

// GridLineSelect: the line between weeks in the day grid.
enum class WeekSeparator : int { None = 0, AtSunday = 1, AtMonday = 2 };

// IconSelect: the notification-area icon.
enum class TrayIconChoice : int { Overtime = 0, Computer = 1 };

}  // namespace tkv

#include "settings/ui/holiday_grid.h"

#include <QLineEdit>

#include "platform/colors.h"
#include "platform/text_convert.h"

namespace tkv {

namespace {

bool isMark(const QString& text) {
    return text.trimmed() == QString::fromUtf8("○");
}

}  // namespace

YearHolidayStringGrid::YearHolidayStringGrid(QWidget* parent) : SettingStringGrid(366, 3, parent) {
    setObjectName("YearHolidayStringGrid");
    setToolTip(QString::fromUtf8("年間の祝日・祭日などを設定します。"));
    setTitles({QString::fromUtf8(" 日  付 "), QString::fromUtf8("休日"),
               QString::fromUtf8("   メ  モ   ")});
    QStringList dates;
    for (int r = 1; r <= 366; ++r) dates << platform::ToQString(AnnualHolidayTable::DateText(r));
    setRowTitles(dates);
    setColumnChars({8, 4, 12});
}

AnnualHolidayTable YearHolidayStringGrid::rows() {
    commitEditor();
    AnnualHolidayTable table;
    for (int r = 1; r <= 366; ++r) {
        HolidayEntry& e = table.row(r);
        e.mark = platform::ToUtf8(cell(r, 1));
        e.memo = platform::ToUtf8(cell(r, 2));
    }
    return table;
}

void YearHolidayStringGrid::setRows(const AnnualHolidayTable& rows) {
    finishEditing();
    for (int r = 1; r <= 366; ++r) {
        const HolidayEntry& e = rows.row(r);
        setCell(r, 1, platform::ToQString(e.mark));
        setCell(r, 2, platform::ToQString(e.memo));
    }
}

void YearHolidayStringGrid::toggleMark(int row) {
    QLineEdit* editor = currentRow1() == row && currentColumn() == 1 ? cellEditor() : nullptr;
    const QString text = editor != nullptr ? editor->text() : cell(row, 1);
    const QString toggled = isMark(text) ? QStringLiteral("    ") : QString::fromUtf8(" ○ ");
    if (editor != nullptr)
        editor->setText(toggled);
    setCell(row, 1, toggled);
    viewport()->update();
}

bool YearHolidayStringGrid::cellDoubleClicked(int row, int column) {
    if (column != 1 || row < 1 || row > 366)
        return false;
    toggleMark(row);
    return true;
}

QColor YearHolidayStringGrid::rowTextColor(int row) const {
    if (!isMark(cell(row, 1)))
        return {};
    return platform::ToQColor(platform::RedColor, palette());
}

}  // namespace tkv

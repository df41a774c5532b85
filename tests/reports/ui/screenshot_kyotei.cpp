// Renders the overtime-agreement meter in its three colours and the window
// "36協定チェック" on sample months for the documentation:
//   kyotei_screenshot docs/screenshots
// writes kyotei-meter.png and kyotei-check.png there.
#include <map>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QVBoxLayout>

#include "core/calendar.h"
#include "core/month_builders.h"
#include "core/overtime_limits.h"
#include "platform/fonts.h"
#include "reports/ui/overtime_limits_meter.h"
#include "reports/ui/overtime_limits_window.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace {

using namespace tkv;

// Calendar months; every working day up to `through` worked with the same overtime.
struct Sample {
    Settings settings = test::DefaultSettings();
    std::map<YearMonth, MonthRecord> months;

    void add(YearMonth ym, int overtimePerDay, int through = 31, const char* holidayWork = "") {
        MonthRecord m;
        NewMonth(m, ym, settings, AnnualHolidayTable::Defaults());
        bool statutory = holidayWork[0] == '\0';
        for (int d = 1; d <= m.rowCount(); ++d) {
            DayRow& row = m.day(d);
            if (row.kind() == DayKind::Holiday && !statutory && d > 7) {
                row.LegalHolidayFlag = "*";
                row.cell(DayColumn::Arrival) = " 9:00";
                row.cell(DayColumn::Leaving) = "15:00";
                row.cell(DayColumn::Working) = holidayWork;
                statutory = true;
            }
            if (row.kind() != DayKind::Ordinary || d > through)
                continue;
            row.cell(DayColumn::Arrival) = " 8:00";
            row.cell(DayColumn::Leaving) = "19:00";
            row.cell(DayColumn::Overtime) = LimitTimeText(overtimePerDay);
        }
        months[ym] = m;
    }
    MonthLoader loader() const {
        return [this](int year, int month) -> std::optional<MonthRecord> {
            const auto it = months.find({year, month});
            return it == months.end() ? std::nullopt : std::optional<MonthRecord>(it->second);
        };
    }
};

bool Save(QWidget& w, const QDir& dir, const char* name) {
    w.show();
    QTest::qWait(50);
    return w.grab().save(dir.filePath(QString::fromLatin1(name)));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    // An agreement year from April without a special clause; the meter on
    // three Septembers of ten days worked at three paces.
    Sample sample;
    sample.settings.Premium60Rate = 1875;
    sample.add({2024, 11}, 90);
    sample.add({2024, 12}, 100);
    sample.add({2025, 1}, 110);
    sample.add({2025, 2}, 95);
    sample.add({2025, 4}, 120);
    sample.add({2025, 5}, 125, 31, " 6:00");
    sample.add({2025, 6}, 115);
    sample.add({2025, 7}, 110);
    sample.add({2025, 8}, 100);
    QWidget meters;
    meters.setObjectName("MeterSamples");
    auto* column = new QVBoxLayout(&meters);
    for (const int pace : {120, 230, 290}) {
        sample.add({2025, 9}, pace, 12);
        auto* meter = new OvertimeLimitsMeter(&meters);
        meter->setLimits(
            CheckOvertimeLimits({2025, 9}, sample.loader(), sample.settings, {2025, 9, 16}));
        column->addWidget(meter);
    }
    bool ok = Save(meters, dir, "kyotei-meter.png");

    // The check window with a special clause: June above 45 and 60 hours.
    sample.settings.KyoteiSpecial = true;
    sample.add({2025, 6}, 190);
    sample.add({2025, 9}, 150, 12);
    TKyoteiCheck window;
    window.setYear(CheckAgreementYear({2025, 9}, sample.loader(), sample.settings, {2025, 9, 16}));
    ok = Save(window, dir, "kyotei-check.png") && ok;
    return ok ? 0 : 1;
}

#include "reports/leave_csv.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "leave/ledger.h"
#include "settings/settings.h"

namespace tkv {
namespace {

std::string Csv(const Ledger& ledger, const Settings& s) {
    std::ostringstream out;
    WriteLeaveCsv(out, ledger, s);
    return cp932::toUtf8(out.str());
}

TEST(LeaveCsv, OneLinePerEntryInLedgerOrder) {
    Ledger ledger;
    ledger.setKuriZan("11.0");
    ledger.entry(1) = {"2024/04/01", "", "増加", "1", "", " 付与 ", 0xFF};
    ledger.entry(2) = {"2024/04/02", "", "有給", "-1", "", "", 0};
    ledger.entry(3) = {"2024/4/5", "", "午前", "-0.5", "", "memo text", 0};
    ledger.entry(4) = {"2024/04/10", "", "ｿﾉ他", "-0.5", "", "a,b \"c\"", 0};
    ledger.RecalcLedger();
    EXPECT_EQ(Csv(ledger, Settings{}),
              "No,日付,曜日,区分,日数,残数,メモ\r\n"
              "1,2024/4/1,月,増加,1.0,12.0,付与\r\n"
              "2,2024/4/2,火,有給,-1.0,11.0,\r\n"
              "3,2024/4/5,金,午前,-0.5,10.5,memo text\r\n"
              // A memo that would break the line is quoted like every CSV field.
              "4,2024/4/10,水,ｿﾉ他,-0.5,10.0,\"a,b \"\"c\"\"\"\r\n");
}

TEST(LeaveCsv, PersonalLineAndFileName) {
    Settings s;
    EXPECT_EQ(Csv(Ledger{}, s), "No,日付,曜日,区分,日数,残数,メモ\r\n");
    EXPECT_EQ(LeaveCsvFileName(s), "有給休暇.csv");
    s.CSVPrivateInfoAdd = true;
    s.CSVPrivateInfo = "  ";  // blank: no line
    s.CSVNameAdd = true;
    s.CSVFileName = " ";
    EXPECT_EQ(Csv(Ledger{}, s), "No,日付,曜日,区分,日数,残数,メモ\r\n");
    EXPECT_EQ(LeaveCsvFileName(s), "有給休暇.csv");
    s.CSVPrivateInfo = "社員番号,123";
    s.CSVFileName = "山田";
    EXPECT_EQ(Csv(Ledger{}, s), "社員番号,123\r\nNo,日付,曜日,区分,日数,残数,メモ\r\n");
    EXPECT_EQ(LeaveCsvFileName(s), "山田 有給休暇.csv");
}

TEST(LeaveCsv, DatesWithoutLeadingZeros) {
    EXPECT_EQ(LeaveCsvDate("2024/04/05"), "2024/4/5");
    EXPECT_EQ(LeaveCsvDate("0024/12/31"), "24/12/31");
    // Kept as they stand: no calendar date, or no date at all.
    EXPECT_EQ(LeaveCsvDate("2024/13/40"), "2024/13/40");
    EXPECT_EQ(LeaveCsvDate("2024/-1/05"), "2024/-1/05");
    EXPECT_EQ(LeaveCsvDate("abc"), "abc");
}

}  // namespace
}  // namespace tkv

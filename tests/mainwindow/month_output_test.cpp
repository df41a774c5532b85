#include <QAction>
#include <QFileInfo>
#include <QPrinter>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "mainwindow/main_fixture.h"
#include "platform/file_dialog.h"
#include "platform/fonts.h"
#include "reports/ui/preview_form.h"

namespace tkv {

using test::MainFixture;

class MonthOutputTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }
    void cleanup() { platform::testing::ResetFileHook(); }
    void printShowsTheRecalculatedMonthInThePreview();
    void csvGoesWhereTheUserSaysAndTheFolderIsRemembered();
    void csvCancelledWritesNothing();
    void csvThatCannotBeWrittenIsReported();
};

void MonthOutputTest::printShowsTheRecalculatedMonthInThePreview() {
    MainFixture f({2004, 3, 10, 12, 0, 0});
    TZangyoMain& w = f.start();
    QAction* print = w.action("PrintMenuItem");
    QVERIFY(print->isEnabled());
    w.month().day(1).cell(DayColumn::Arrival) = " 9:00";
    w.month().day(1).cell(DayColumn::Leaving) = "18:30";
    print->trigger();
    TPreviewForm& preview = f.windows->preview();
    QVERIFY(preview.isVisible());
    QVERIFY(!w.isEnabled());
    QCOMPARE(preview.pageCount(), 1);
    QCOMPARE(preview.printer().docName(), QString("2004年 3月分 残業一覧"));
    // The grid was recalculated before printing.
    QCOMPARE(QString::fromStdString(w.month().day(1).cell(DayColumn::Overtime)), QString(" 1:30"));
    preview.close();
    QVERIFY(w.isEnabled());
}

void MonthOutputTest::csvGoesWhereTheUserSaysAndTheFolderIsRemembered() {
    MainFixture f({2004, 3, 10, 12, 0, 0});
    TZangyoMain& w = f.start();
    w.month().day(2).cell(DayColumn::Memo) = "出張";
    const QString path = QString::fromStdString(f.folder.file("out/march.csv"));
    MakeDirectories(f.folder.file("out"));
    platform::testing::QueueFileAnswer(path);
    w.action("CsvMenuItem")->trigger();

    const auto asked = platform::testing::TakeFileLog();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].fileName, QString("2004年3月.csv"));
    QCOMPARE(QString::fromStdString(f.ctx.settings.SaveInitialDir), QFileInfo(path).absolutePath());
    std::string bytes;
    QVERIFY(ReadWholeFile(f.folder.file("out/march.csv"), bytes).ok());
    const QString text = QString::fromStdString(cp932::toUtf8(bytes));
    QVERIFY(
        text.startsWith("日付,曜日,休日,出勤,退社,普通,深夜,合計,勤務,メモ\r\n"
                        "2004/3/1,月,,,,,,,,\r\n2004/3/2,火,,,,,,,,出張\r\n"));

    // The next export starts in that folder.
    platform::testing::QueueFileAnswer(QString());
    w.action("CsvMenuItem")->trigger();
    QCOMPARE(platform::testing::TakeFileLog().at(0).folder, QFileInfo(path).absolutePath());
}

void MonthOutputTest::csvCancelledWritesNothing() {
    MainFixture f({2004, 3, 10, 12, 0, 0});
    TZangyoMain& w = f.start();
    const std::string before = f.ctx.settings.SaveInitialDir;
    platform::testing::QueueFileAnswer(QString());
    w.action("CsvMenuItem")->trigger();
    QCOMPARE(f.ctx.settings.SaveInitialDir, before);
    QVERIFY(platform::testing::TakeMessageLog().empty());
}

void MonthOutputTest::csvThatCannotBeWrittenIsReported() {
    MainFixture f({2004, 3, 10, 12, 0, 0});
    TZangyoMain& w = f.start();
    const QString path = QString::fromStdString(f.folder.file("missing/march.csv"));
    platform::testing::TakeMessageLog();
    platform::testing::QueueFileAnswer(path);
    w.action("CsvMenuItem")->trigger();
    const auto messages = platform::testing::TakeMessageLog();
    QCOMPARE(messages.size(), std::size_t{1});
    QCOMPARE(messages[0].caption, QString("ファイルエラー"));
    QVERIFY(messages[0].text.contains(path));
    QVERIFY(messages[0].text.split('\n').size() == 3);  // what, which file, why
    QVERIFY(!FileExists(f.folder.file("missing/march.csv")));
}

}  // namespace tkv

QTEST_MAIN(tkv::MonthOutputTest)
#include "month_output_test.moc"

#include "mainwindow/save_conflicts.h"

#include <QStringList>

#include "base/text_util.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"

namespace tkv {
namespace {

QString rowText(const DayRow& row) {
    QStringList parts;
    for (DayColumn c : {DayColumn::Kind, DayColumn::Arrival, DayColumn::Leaving, DayColumn::Memo})
        parts << platform::ToQString(Trim(row.cell(c)));
    return parts.join(QString::fromUtf8(" / "));
}

bool keepMine(QWidget* parent, const DayConflict& c) {
    const QString text =
        QString::fromUtf8(
            "%1 の行は、この画面で変更した後、ほかのプログラムでも変更されました。\n\n"
            "この画面：%2\nファイル：%3\n\n"
            "この画面の内容を残しますか？\n"
            "「いいえ」を選ぶと、ファイルの内容を残します。")
            .arg(platform::ToQString(Trim(c.mine.cell(DayColumn::Date))), rowText(c.mine),
                 rowText(c.theirs));
    return platform::ShowMessage(parent, QString::fromUtf8("変更の競合"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace

MonthSaveOutcome SaveMonthAsking(QWidget* parent, MonthSession& session) {
    MonthSaveOutcome r = session.save();
    // The file may change again while the person answers; each round asks
    // only about what is new, and a few rounds always end it.
    for (int round = 0; round < 5 && !r.conflicts.empty(); ++round) {
        for (const DayConflict& c : r.conflicts) session.resolve(c, keepMine(parent, c));
        r = session.save();
    }
    return r;
}

}  // namespace tkv

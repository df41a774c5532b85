#include "settings/ui/setting_dialog.h"

#include <algorithm>
#include <cstring>

#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "base/atomic_file.h"
#include "base/paths.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "platform/waiting_form.h"
#include "session/month_session.h"
#include "settings/holiday_list.h"
#include "settings/setting_fields.h"
#include "settings/settings_store.h"
#include "settings/ui/break_grid.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/holiday_grid.h"
#include "settings/ui/kyotei_setting_form.h"
#include "settings/ui/print_setting_form.h"
#include "settings/ui/private_info_form.h"
#include "settings/ui/setting_holiday_page.h"
#include "settings/ui/setting_print_page.h"
#include "settings/ui/setting_time_page.h"
#include "settings/ui/setting_work_page.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

namespace {

constexpr QSize kDesignSize(430, 491);
constexpr int kButtonBand = 50;  // below the pages: the buttons at 455 of 491

// The reason of a failed write, as the system words it.
QString reasonOf(const IoResult& r) {
    return r.sysErrno != 0
               ? QStringLiteral("\n") + QString::fromLocal8Bit(std::strerror(r.sysErrno))
               : QString();
}

// The application's style with less room beside each tab's caption.
class CompactTabStyle final : public QProxyStyle {
public:
    CompactTabStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace)
            return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

TSetting::TSetting(SettingDialogContext context, QWidget* parent)
    : QDialog(parent), m_ctx(std::move(context)) {
    dialog_parts::MakeFixedDialog(*this, "TSetting", kDesignSize.width(), kDesignSize.height());
    platform::SetHelpTopic(this, platform::HelpTopic::SettingsWork);
    setWindowTitle(ToQString("環境設定"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName("PageControl");
    // The four captions fit side by side only with narrower tab margins.
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(m_pages->tabBar());
    m_pages->tabBar()->setStyle(tabStyle);
    m_pages->tabBar()->setUsesScrollButtons(false);
    m_work = new SettingWorkPage(m_pages);
    m_time = new SettingTimePage(m_pages);
    m_holiday = new SettingHolidayPage(m_pages);
    m_print = new SettingPrintPage(m_ctx.passChange, m_pages);
    m_pages->addTab(m_work, ToQString("勤務・金額設定"));
    m_pages->addTab(m_time, ToQString("時刻調整設定"));
    m_pages->addTab(m_holiday, ToQString("休日・ｶﾚﾝﾀﾞｰ設定"));
    m_pages->addTab(m_print, ToQString("印刷・その他の設定"));
    m_pages->setCurrentIndex(0);

    m_readCurrent =
        dialog_parts::MakeButton(this, "ReadCurrentButton", ToQString("ｶﾚﾝﾄ設定読み込み"), {},
                                 ToQString("ｶﾚﾝﾄの環境設定を読み込みます。"));
    m_ok = dialog_parts::MakeButton(this, "OkButton", ToQString("登 録"), {},
                                    ToQString("環境設定を登録します。"));
    m_ok->setDefault(true);
    m_cancel = dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), {},
                                        ToQString("ｷｬﾝｾﾙし、ﾒｲﾝｳｲﾝﾄﾞｳに戻ります。"));
    // Never seen or tabbed to: it only stands for the Esc key.
    m_esc = dialog_parts::MakeButton(this, "EscButton", ToQString("Esc"), {});
    m_esc->setFocusPolicy(Qt::NoFocus);
    m_esc->stackUnder(m_cancel);
    for (QPushButton* b : {m_readCurrent, m_cancel, m_esc}) b->setAutoDefault(false);

    m_printSetting = new TPrintSettingForm(*m_ctx.settings, this);
    m_printSetting->setEscapeAction(m_ctx.escape);
    m_privateInfo = new TPrivateInfoForm(*m_ctx.settings, this);
    m_kyotei = new TKyoteiSettingForm(*m_ctx.settings, this);

    connect(m_ok, &QPushButton::clicked, this, &TSetting::OkButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &TSetting::reject);
    connect(m_readCurrent, &QPushButton::clicked, this, &TSetting::ReadCurrentButtonClick);
    connect(m_esc, &QPushButton::clicked, this, &TSetting::EscButtonClick);
    connect(m_work->breakGrid(), &SettingStringGrid::escapePressed, this,
            &TSetting::EscButtonClick);
    connect(m_holiday->holidayGrid(), &SettingStringGrid::escapePressed, this,
            &TSetting::EscButtonClick);
    connect(m_print, &SettingPrintPage::printLayoutRequested, this,
            &TSetting::PrintTiltleButtonClick);
    connect(m_print, &SettingPrintPage::privateInfoRequested, this,
            &TSetting::PrivateInfoButtonClick);
    connect(m_print, &SettingPrintPage::kyoteiSettingRequested, this,
            &TSetting::KyoteiSettingButtonClick);

    // Hints stay up long enough to read the longer ones.
    for (QWidget* w : findChildren<QWidget*>()) w->setToolTipDuration(10000);
    fitToScreen();
}

TSetting::~TSetting() = default;

SettingOutcome TSetting::run() {
    exec();
    return m_outcome;
}

std::string TSetting::holidayPath(const std::string& user) const {
    return UserPaths{m_ctx.dataDir, user}.holidayFile();
}

// The design size, or less when the screen is smaller; the pages then
// scroll, so every field can still be reached.
void TSetting::fitToScreen() {
    QSize client = kDesignSize;
    const QScreen* s = screen();
    if (s != nullptr) {
        const QSize room = s->availableGeometry().size() - QSize(8, 40);
        client = client.boundedTo(room).expandedTo({200, 160});
    }
    setFixedSize(client);
    const int w = client.width();
    const int h = client.height();
    m_pages->setGeometry(0, 0, w, h - kButtonBand);
    const int y = h - 36;
    m_readCurrent->setGeometry(16, y, 113, 25);
    m_ok->setGeometry(w - 188, y, 85, 25);
    m_cancel->setGeometry(w - 94, y, 85, 25);
    m_esc->setGeometry(w - 94, y + 2, 30, 20);
}

void TSetting::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        fitToScreen();
        dialog_parts::CentreOnScreen(*this);
        FormShow();
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_ok->setFocus();
}

void TSetting::fillControls() {
    const Settings& s = *m_ctx.settings;
    m_work->load(s);
    m_time->load(s);
    m_holiday->load(s);
    m_print->load(s);
}

void TSetting::FormShow() {
    m_outcome = {};
    m_readCurrent->setEnabled(!m_ctx.store->currentUser().empty());
    m_shownSimeDay = m_ctx.settings->SimeDay;
    m_shown = *m_ctx.settings;
    fillControls();

    const HolidayReadResult read =
        ReadHolidayList(holidayPath(m_ctx.store->currentUser()), *m_ctx.holidays);
    // A list that could not be read is never written over.
    m_holidayListUnreadable = !read.io.ok() && !read.created;
    m_holiday->holidayGrid()->setRows(*m_ctx.holidays);
    if (!read.io.ok()) {
        const IoResult io = read.io;
        QTimer::singleShot(0, this, [this, io] { reportFileError(io); });
    }
}

void TSetting::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_esc->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TSetting::EscButtonClick() {
    if (m_ctx.escape)
        m_ctx.escape();
}

void TSetting::reportSettingsError(const IoResult& r) {
    const QString what = r.error == IoError::ReadFailed ? ToQString("設定を読み込めませんでした。")
                                                        : ToQString("設定を保存できませんでした。");
    platform::ShowMessage(this, ToQString("設定エラー"),
                          what + "\n" + ToQString(r.path) + reasonOf(r), QMessageBox::Ok,
                          QMessageBox::Warning);
}

void TSetting::reportFileError(const IoResult& r) {
    const QString what = r.error == IoError::ReadFailed
                             ? ToQString("ファイルを読み込めませんでした。")
                             : ToQString("ファイルに書き込めませんでした。");
    platform::ShowMessage(this, ToQString("ファイルエラー"),
                          what + "\n" + ToQString(r.path) + reasonOf(r), QMessageBox::Ok,
                          QMessageBox::Critical);
}

void TSetting::OkButtonClick() {
    YearHolidayStringGrid* holidayGrid = m_holiday->holidayGrid();
    m_work->breakGrid()->commitEditor();
    holidayGrid->commitEditor();

    const int simeDay = ClosingDayOf(ToUtf8(m_work->closingDayText()));
    if (simeDay != m_shownSimeDay) {
        const auto answer = platform::ShowMessage(
            this, ToQString("締日変更確認"),
            ToQString("今月のﾃﾞｰﾀを新しい締日で、初期化作成しますか？\n"
                      "初期化作成すると、今月の入力済みﾃﾞｰﾀはすべて消去されます。"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question,
            QMessageBox::Cancel);
        if (answer != QMessageBox::Yes && answer != QMessageBox::No)
            return;  // the dialog stays open as it is
        m_outcome.simeDayChanged = answer == QMessageBox::Yes;
    }

    platform::TWaitingForm* waiting = m_ctx.waiting;
    if (waiting != nullptr)
        waiting->begin(this, ToQString("登録中"), 366);
    auto finishWaiting = [waiting] {
        if (waiting != nullptr)
            waiting->finish();
    };

    // The record changes only once it is stored: a failed save leaves the
    // program on the stored settings and the edits in the dialog.
    Settings next = *m_ctx.settings;
    m_work->store(next);
    m_time->store(next);
    m_holiday->store(next);
    m_print->store(next);
    NormaliseTimes(next.times);
    RepairSettings(next);
    const SettingsSaveResult saved = m_ctx.store->SaveSettings(next);
    if (!saved.registry.ok()) {
        finishWaiting();
        reportSettingsError(saved.registry);
        return;
    }
    *m_ctx.settings = next;
    m_outcome.saved = true;
    m_outcome.holidaysChanged = m_outcome.holidaysChanged || HolidayRulesDiffer(m_shown, next);
    m_shown = next;
    m_shownSimeDay = next.SimeDay;
    if (!saved.setFile.ok()) {
        // The settings themselves are stored; only the idle tool's copy is not.
        reportSettingsError(saved.setFile);
    }

    if (m_holidayListUnreadable) {
        finishWaiting();
        reportFileError({IoError::ReadFailed, 0, holidayPath(m_ctx.store->currentUser())});
        accept();
        return;
    }
    const AnnualHolidayTable before = *m_ctx.holidays;
    const IoResult written = WriteHolidayList(holidayPath(m_ctx.store->currentUser()),
                                              holidayGrid->rows(), *m_ctx.holidays, [waiting](int) {
                                                  if (waiting != nullptr)
                                                      waiting->step();
                                              });
    if (!(*m_ctx.holidays == before))
        m_outcome.holidaysChanged = true;
    finishWaiting();
    if (!written.ok()) {
        // The settings are stored; the list stays in the grid for another try.
        reportFileError(written);
        return;
    }
    accept();
}

void TSetting::reject() {
    CancelButtonClick();
}

void TSetting::CancelButtonClick() {
    // Reloading drops the edits of this dialog and of the two layout dialogs.
    const SettingsLoadResult loaded = m_ctx.store->LoadSettings(*m_ctx.settings);
    if (!loaded.registry.ok())
        reportSettingsError(loaded.registry);
    QDialog::reject();
}

void TSetting::ReadCurrentButtonClick() {
    const std::string user = m_ctx.store->currentUser();
    m_ctx.store->setCurrentUser({});
    const SettingsLoadResult loaded = m_ctx.store->LoadSettings(*m_ctx.settings);
    // The main user's list is only shown: nothing is written, not even a
    // missing file with the defaults.
    AnnualHolidayTable list = AnnualHolidayTable::Defaults();
    IoResult listRead;
    const std::string path = holidayPath({});
    if (FileExists(path))
        listRead = ReadHolidayList(path, list).io;
    m_ctx.store->setCurrentUser(user);

    fillControls();
    m_holiday->holidayGrid()->setRows(list);
    if (!loaded.registry.ok())
        reportSettingsError(loaded.registry);
    if (!listRead.ok())
        reportFileError(listRead);
}

void TSetting::PrintTiltleButtonClick() {
    m_printSetting->setPrintedItems(m_print->printName(), m_print->printPage(),
                                    m_print->printDate());
    m_printSetting->exec();
}

void TSetting::PrivateInfoButtonClick() {
    m_privateInfo->exec();
}

void TSetting::KyoteiSettingButtonClick() {
    if (m_kyotei->exec() == QDialog::Accepted)
        m_print->showKyoteiSummary(*m_ctx.settings);
}

}  // namespace tkv

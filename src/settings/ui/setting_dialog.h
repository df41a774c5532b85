#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "settings/settings.h"

class QPushButton;
class QTabWidget;

namespace tkv {

class AnnualHolidayTable;
class SettingHolidayPage;
class TKyoteiSettingForm;
class SettingPrintPage;
class SettingTimePage;
class SettingWorkPage;
class SettingsStore;
class TPassChangeForm;
class TPrintSettingForm;
class TPrivateInfoForm;
struct IoResult;
namespace platform {
class TWaitingForm;
}

// What the settings dialog works on: the program's settings record and its
// store, the holiday table the calendar reads, and the windows it uses.
struct SettingDialogContext {
    Settings* settings = nullptr;
    SettingsStore* store = nullptr;
    AnnualHolidayTable* holidays = nullptr;
    std::string dataDir;  // Holiday.dat lives here, or in the user's subfolder
    platform::TWaitingForm* waiting = nullptr;
    TPassChangeForm* passChange = nullptr;
    std::function<void()> escape;  // the main window's Esc action
};

// What a showing of the dialog changed, for the main window to follow.
struct SettingOutcome {
    bool saved = false;            // the settings were stored
    bool simeDayChanged = false;   // rebuild the current month with the new closing day
    bool holidaysChanged = false;  // the holiday list or the holiday rules changed
};

// "環境設定": the four pages over a working copy of the settings, committed
// at once with "登 録" and thrown away with "ｷｬﾝｾﾙ" (which reloads the
// settings, also dropping what the two layout dialogs changed). Esc never
// closes it: it is the main window's Esc action.
class TSetting final : public QDialog {
    Q_OBJECT

public:
    explicit TSetting(SettingDialogContext context, QWidget* parent = nullptr);
    ~TSetting() override;

    // Shows the dialog modally.
    SettingOutcome run();
    // What the showing so far has changed.
    const SettingOutcome& outcome() const { return m_outcome; }

    TPrintSettingForm& printSetting() const { return *m_printSetting; }
    TPrivateInfoForm& privateInfo() const { return *m_privateInfo; }
    TKyoteiSettingForm& kyoteiSetting() const { return *m_kyotei; }
    QTabWidget* pages() const { return m_pages; }

    // The close box cancels, like "ｷｬﾝｾﾙ".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void fillControls();
    void fitToScreen();
    void OkButtonClick();
    void CancelButtonClick();
    void ReadCurrentButtonClick();
    void EscButtonClick();
    void PrintTiltleButtonClick();
    void PrivateInfoButtonClick();
    void KyoteiSettingButtonClick();
    std::string holidayPath(const std::string& user) const;
    void reportSettingsError(const IoResult& r);
    void reportFileError(const IoResult& r);

    SettingDialogContext m_ctx;
    SettingOutcome m_outcome;
    int m_shownSimeDay = 0;
    Settings m_shown;  // as the dialog was opened, to tell what a commit changed
    bool m_holidayListUnreadable = false;

    QTabWidget* m_pages = nullptr;
    SettingWorkPage* m_work = nullptr;
    SettingTimePage* m_time = nullptr;
    SettingHolidayPage* m_holiday = nullptr;
    SettingPrintPage* m_print = nullptr;
    QPushButton* m_readCurrent = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_esc = nullptr;
    TPrintSettingForm* m_printSetting = nullptr;
    TPrivateInfoForm* m_privateInfo = nullptr;
    TKyoteiSettingForm* m_kyotei = nullptr;
};

}  // namespace tkv

#include "leave/ui/vac_del.h"

#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/text_util.h"
#include "core/month_file.h"
#include "leave/ledger_grid.h"
#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;

namespace {
constexpr int kHeight = 92;
}  // namespace

VacDeleteDialog::VacDeleteDialog(const char* className, const char* caption, int width,
                                 const char* deleteHint, QWidget* parent)
    : QDialog(parent) {
    dialog_parts::MakeFixedDialog(*this, className, width, kHeight);
    platform::SetHelpTopic(this, platform::HelpTopic::LeaveDelete);
    setWindowTitle(ToQString(caption));
    const int buttonsLeft = (width - 2 * 80 - 8) / 2;
    m_delete = dialog_parts::MakeButton(this, "DeleteButton", ToQString("削 除"),
                                        QRect(buttonsLeft, 56, 80, 25), ToQString(deleteHint));
    m_cancel = dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"),
                                        QRect(buttonsLeft + 88, 56, 80, 25),
                                        ToQString("削除をｷｬﾝｾﾙします。"));
    // Never seen or tabbed to: it only stands for the Esc key.
    auto* esc = dialog_parts::MakeButton(this, "EscButton", ToQString("Esc"), m_cancel->geometry());
    esc->setFocusPolicy(Qt::NoFocus);
    esc->setAutoDefault(false);
    esc->stackUnder(m_cancel);
    m_esc = esc;
    for (QPushButton* b : {m_delete, m_cancel}) b->setAutoDefault(false);

    connect(m_delete, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(esc, &QPushButton::clicked, this, [this] {
        if (m_escapeAction)
            m_escapeAction();
    });
}

void VacDeleteDialog::setField(QWidget* field) {
    m_field = field;
    setTabOrder(field, m_delete);
    setTabOrder(m_delete, m_cancel);
}

void VacDeleteDialog::keyPressEvent(QKeyEvent* event) {
    // Esc would close the dialog; here it is the program's Esc action.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_esc->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void VacDeleteDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Spontaneous show events come from restoring the minimised program.
    if (event->spontaneous())
        return;
    dialog_parts::CentreOnScreen(*this);
    if (m_field)
        m_field->setFocus();
}

TVacDel::TVacDel(QWidget* parent)
    : VacDeleteDialog("TVacDel", "有給休暇 - 削除(件数指定)", 270,
                      "有給休暇を古い休暇から削除します。", parent) {
    m_count = new SingleLineEdit(this);
    m_count->setObjectName("DelNoMemo");
    m_count->setGeometry(16, 18, 49, 22);
    m_count->setAlignment(Qt::AlignRight);
    m_count->setToolTip(ToQString("有給休暇を削除する件数を設定してください。"));
    m_count->setText("1");
    m_count->installEventFilter(this);
    auto* label = new QLabel(ToQString("件の古い有給休暇を削除します。"), this);
    label->setGeometry(70, 21, 190, 16);
    setField(m_count);
}

int TVacDel::count() const {
    return StrToIntDef(ToHankaku(platform::ToUtf8(m_count->text())), 0);
}

// Enter in the field would press a button; a half-typed count must not delete.
bool TVacDel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_count && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return VacDeleteDialog::eventFilter(watched, event);
}

TVacDel2::TVacDel2(const Date& today, QWidget* parent)
    : VacDeleteDialog("TVacDel2", "有給休暇 - 削除(日付指定)", 310,
                      "設定した日付以前の有給休暇を削除します。", parent) {
    const Date initial = DeleteUpToInitialDate(today);
    m_picker = new QDateEdit(QDate(initial.year, initial.month, initial.day), this);
    m_picker->setObjectName("DeleteTimePicker");
    m_picker->setDisplayFormat("yyyy/MM/dd");
    m_picker->setCalendarPopup(true);
    m_picker->setGeometry(16, 18, 110, 22);
    m_picker->setToolTip(ToQString("有給休暇を削除する日付を設定してください。"));
    auto* label = new QLabel(ToQString("日以前の有給休暇を削除します。"), this);
    label->setGeometry(132, 21, 172, 16);
    setField(m_picker);
}

std::string TVacDel2::dateText() const {
    const QDate d = m_picker->date();
    return LedgerDateText({d.year(), d.month(), d.day()});
}

}  // namespace tkv

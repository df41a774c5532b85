#include "drowsel/drowsel.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/command_lines.h"
#include "base/paths.h"
#include "platform/message_box.h"
#include "platform/single_instance.h"
#include "platform/text_convert.h"
#include "platform/tray_icon.h"

namespace tkv {

using platform::ToQString;

TDrowselForm::TDrowselForm(int iconSelect, QWidget* parent) : QWidget(parent) {
    setObjectName("TDrowselForm");
    setWindowTitle("Tokivane");
    setWindowIcon(platform::TrayImage(iconSelect));
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* image = new QLabel(this);
    image->setPixmap(platform::TrayImage(iconSelect).pixmap(32, 32));
    top->addWidget(image);
    auto* text = new QLabel(ToQString("Tokivane は待機しています。"), this);
    text->setObjectName("IdleLabel");
    top->addWidget(text, 1);
    column->addLayout(top);
    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(ToQString("開く(&O)"), this);
    open->setObjectName("OpenButton");
    open->setDefault(true);
    auto* exit = new QPushButton(ToQString("終了(&X)"), this);
    exit->setObjectName("ExitButton");
    buttons->addWidget(open);
    buttons->addWidget(exit);
    column->addLayout(buttons);
    connect(open, &QPushButton::clicked, this, &TDrowselForm::openClicked);
    connect(exit, &QPushButton::clicked, this, [this] {
        m_closingForExit = true;
        emit exitClicked();
    });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TDrowselForm::closeEvent(QCloseEvent* event) {
    // The close box ends the tool like "終了"; a close that "終了" or "開く"
    // started itself goes through.
    if (!m_closingForExit) {
        m_closingForExit = true;
        emit exitClicked();
    }
    event->accept();
}

Drowsel::Drowsel(std::vector<std::string> args, std::string programFolder,
                 platform::SingleInstance& name, QObject* parent)
    : QObject(parent),
      m_args(std::move(args)),
      m_programFolder(std::move(programFolder)),
      m_name(name),
      m_launch(platform::StartDetached),
      m_iconSelect(IdleIconSwitch(m_args)) {}

Drowsel::~Drowsel() {
    delete m_window;
}

void Drowsel::setTrayIcon(platform::TrayIcon* tray) {
    m_tray = tray;
    if (m_tray == nullptr)
        return;
    m_tray->setImage(m_iconSelect);
    connect(m_tray, &platform::TrayIcon::openRequested, this, &Drowsel::open);
    connect(m_tray, &platform::TrayIcon::exitRequested, this, [this] { exit(true); });
}

void Drowsel::show() {
    if (m_tray) {
        m_tray->setShown(true);
        return;
    }
    if (m_window == nullptr) {
        m_window = new TDrowselForm(m_iconSelect);
        connect(m_window, &TDrowselForm::openClicked, this, &Drowsel::open);
        connect(m_window, &TDrowselForm::exitClicked, this, [this] { exit(true); });
    }
    m_window->show();
}

bool Drowsel::start(const char* startSwitch, bool person) {
    const CommandLine command =
        DesktopCommand(m_programFolder, startSwitch, MultiUserSwitch(m_args), UserSwitch(m_args));
    // The program would end at once while our name is held.
    m_name.release();
    if (m_launch && m_launch(command))
        return true;
    m_name.take();
    if (person)
        platform::ShowMessage(nullptr, ToQString("起動ｴﾗｰ"),
                              ToQString("tokivaneの起動に失敗しました。"), QMessageBox::Ok,
                              QMessageBox::Critical);
    return false;
}

void Drowsel::open() {
    if (m_ended || !start("/Disp", true))
        return;
    m_ended = true;
    if (m_tray)
        m_tray->setShown(false);
    emit ended();
}

void Drowsel::exit(bool person) {
    if (m_ended)
        return;
    // Even when the program cannot be started the tool ends, as asked.
    start("/Down", person);
    m_ended = true;
    if (m_tray)
        m_tray->setShown(false);
    emit ended();
}

}  // namespace tkv

#include "help/about_box.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

#include "base/version.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"

namespace tkv::help {
namespace {

using platform::ToQString;

QLineEdit* pathField(QWidget* parent, const char* name, const char* hint) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setToolTip(ToQString(hint));
    e->setMinimumWidth(360);
    return e;
}

QString qtVersionText() {
    QString text = QStringLiteral("Qt ") + QString::fromLatin1(qVersion());
    if (QString::fromLatin1(qVersion()) != QStringLiteral(QT_VERSION_STR))
        text += ToQString("（ビルド時 %1）").arg(QStringLiteral(QT_VERSION_STR));
    return text;
}

}  // namespace

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tokivane-%1.png").arg(size), QSize(size, size));
    return icon;
}

TAboutBox::TAboutBox(FactsSource facts, QWidget* parent)
    : QDialog(parent),
      m_facts(std::move(facts)),
      m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName("TAboutBox");
    setWindowTitle(ToQString("バージョン情報"));
    platform::SetHelpTopic(this, platform::HelpTopic::About);

    auto* icon = new QLabel(this);
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(ApplicationIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Tokivane"), this);
    name->setObjectName("ProductName");
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* version =
        new QLabel(ToQString("バージョン %1").arg(QString::fromLatin1(ProgramVersion)), this);
    version->setObjectName("VersionLabel");
    auto* what = new QLabel(ToQString("勤務時間・残業管理"), this);
    auto* copyright = new QLabel(QString::fromUtf8(ProgramCopyright), this);
    copyright->setObjectName("CopyrightLabel");
    auto* licence =
        new QLabel(ToQString("ライセンス: %1").arg(QString::fromLatin1(ProgramLicense)), this);
    licence->setObjectName("LicenseLabel");
    auto* qt = new QLabel(qtVersionText(), this);
    qt->setObjectName("QtVersionLabel");

    auto* texts = new QVBoxLayout;
    for (QLabel* l : {name, version, what, copyright, licence, qt}) {
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        texts->addWidget(l);
    }
    auto* head = new QHBoxLayout;
    head->addWidget(icon);
    head->addSpacing(12);
    head->addLayout(texts, 1);

    auto* places = new QGroupBox(ToQString("このコンピューターでの保存場所"), this);
    auto* form = new QFormLayout(places);
    m_dataFolder = pathField(places, "DataFolderEdit",
                             "月のデータ・有給休暇・祝祭日のファイルがあるフォルダです。");
    m_settingsFile = pathField(places, "SettingsFileEdit", "設定が保存されているファイルです。");
    m_settingsKey =
        pathField(places, "SettingsKeyEdit", "設定ファイルの中で、いま使っている設定のキーです。");
    form->addRow(ToQString("データフォルダ"), m_dataFolder);
    form->addRow(ToQString("設定ファイル"), m_settingsFile);
    form->addRow(ToQString("設定キー"), m_settingsKey);
    auto* open = new QPushButton(ToQString("データフォルダを開く(&O)"), places);
    open->setObjectName("OpenDataFolderButton");
    open->setToolTip(ToQString("データフォルダをファイルマネージャーで開きます。"));
    open->setAutoDefault(false);
    form->addRow(QString(), open);
    connect(open, &QPushButton::clicked, this, &TAboutBox::openDataFolder);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("OkButton");
    ok->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->addLayout(head);
    column->addSpacing(8);
    column->addWidget(places);
    column->addWidget(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

void TAboutBox::refresh() {
    const AboutFacts facts = m_facts ? m_facts() : AboutFacts{};
    m_dataFolder->setText(facts.dataFolder);
    m_settingsFile->setText(facts.settingsFile.isEmpty() ? ToQString("(保存しない設定)")
                                                         : facts.settingsFile);
    m_settingsKey->setText(facts.settingsKey);
    for (QLineEdit* e : {m_dataFolder, m_settingsFile, m_settingsKey}) e->setCursorPosition(0);
}

void TAboutBox::openDataFolder() {
    const QString folder = m_dataFolder->text();
    if (folder.isEmpty() || !m_opener(QUrl::fromLocalFile(folder)))
        platform::ShowMessage(this, ToQString("ﾌｫﾙﾀﾞｴﾗｰ"),
                              ToQString("データフォルダを開けませんでした。\n") + folder,
                              QMessageBox::Ok, QMessageBox::Warning);
}

void TAboutBox::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

}  // namespace tkv::help

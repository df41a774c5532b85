#include "reports/ui/preview_form.h"

#include <cstring>

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "base/atomic_file.h"
#include "platform/buttons.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/report_engine.h"
#include "platform/text_convert.h"
#include "platform/window_fit.h"
#include "reports/ui/list_report.h"
#include "settings/window_placement.h"

namespace tkv {

using platform::ToQString;

namespace {

constexpr const char* kClassName = "TPreviewForm";
constexpr int kFitWidthEntry = 8;
constexpr int kFitPageEntry = 9;

QSizeF paperOf(const QPrinter& printer) {
    return printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
}

// The engine places everything from the paper's corner.
void useWholePaper(QPrinter& printer, QSizeF paper) {
    printer.setFullPage(true);
    printer.setPageLayout(platform::PageLayoutFor(paper));
}

}  // namespace

TPreviewForm::TPreviewForm(QWidget* parent)
    : QWidget(parent, Qt::Window), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(kClassName);
    setWindowTitle("印刷 - ﾌﾟﾚﾋﾞｭｰ");
    useWholePaper(*m_printer, platform::A4Portrait);
    m_printerProbe = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };

    auto* top = new QWidget(this);
    top->setObjectName("TopPanel");
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(4, 4, 4, 4);
    m_print = platform::MakeButton(top, "PrintButton", "印刷開始", "印刷を開始します。");
    m_print->setDefault(true);
    m_zoom = new QComboBox(top);
    m_zoom->setObjectName("ZoomComboBox");
    m_zoom->setToolTip("表示のｽﾞｰﾑ(拡大/縮小)を選択します。");
    m_zoom->addItems({"500%", "200%", "150%", "100%", "75%", "50%", "25%", "10%", "ﾍﾟｰｼﾞ幅を基準に",
                      "ﾍﾟｰｼﾞ全体を表示"});
    m_setup = platform::MakeButton(top, "SetupButton", "ﾌﾟﾘﾝﾀ設定...", "ﾌﾟﾘﾝﾀの設定を行います。");
    m_cancel = platform::MakeButton(top, "CancelButton", "閉じる",
                                    "ｳｨﾝﾄﾞｳを閉じて、ﾒｲﾝｳｲﾝﾄﾞｳに戻ります。");
    m_prePage = platform::MakeButton(top, "PrePageButton", "前ﾍﾟｰｼﾞ", "前のページを表示します。");
    m_nextPage = platform::MakeButton(top, "NextPageButton", "次ﾍﾟｰｼﾞ", "次のページを表示します。");
    m_pageNumber = new QLineEdit(top);
    m_pageNumber->setObjectName("PageNumberMemo");
    m_pageNumber->setToolTip("表示ﾍﾟｰｼﾞ数/全体ﾍﾟｰｼﾞ数");
    m_pageNumber->setReadOnly(true);
    m_pageNumber->setFocusPolicy(Qt::NoFocus);
    m_pageNumber->setAlignment(Qt::AlignCenter);
    m_pageNumber->setFixedWidth(m_pageNumber->fontMetrics().horizontalAdvance("000/000") + 12);
    for (QWidget* w : std::initializer_list<QWidget*>{m_print, m_zoom, m_setup, m_cancel, m_prePage,
                                                      m_nextPage, m_pageNumber})
        row->addWidget(w);
    row->addStretch(1);

    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName("QRPreview");
    m_preview->setToolTip("実際に印刷されるﾌﾟﾚﾋﾞｭｰです。");
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(top);
    outer->addWidget(m_preview, 1);

    connect(m_print, &QPushButton::clicked, this, &TPreviewForm::PrintButtonClick);
    connect(m_setup, &QPushButton::clicked, this, &TPreviewForm::SetupButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_prePage, &QPushButton::clicked, this, &TPreviewForm::PrePageButtonClick);
    connect(m_nextPage, &QPushButton::clicked, this, &TPreviewForm::NextPageButtonClick);
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &TPreviewForm::zoomChanged);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &TPreviewForm::paintPages);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this,
            &TPreviewForm::refreshPageControls);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setObjectName("EscButton");
    connect(esc, &QShortcut::activated, this, [this] {
        if (m_escape)
            m_escape();
    });

    resize(760, 820);
    refreshPageControls();
}

TPreviewForm::~TPreviewForm() = default;

void TPreviewForm::setPlacementStore(RegistryStore* registry, std::string startUser,
                                     bool withSize) {
    m_registry = registry;
    m_startUser = std::move(startUser);
    if (m_registry == nullptr)
        return;
    const WindowPlacementStore placement(*m_registry, m_startUser);
    if (withSize) {
        const WindowSize size = placement.restoreSize(kClassName, {width(), height()});
        resize(size.width, size.height);
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
    const WindowPoint at = placement.restorePosition(
        kClassName, {desktop.width(), desktop.height()}, {width(), height()});
    move(at.left, at.top);
    platform::KeepOnScreen(*this);
}

void TPreviewForm::savePlacement() {
    if (m_registry == nullptr)
        return;
    WindowPlacementStore placement(*m_registry, m_startUser);
    placement.savePosition(kClassName, {y(), x()});
    placement.saveSize(kClassName, {width(), height()});
    placement.flush();  // a place that cannot be stored is not worth a message
}

void TPreviewForm::setEscapeAction(std::function<void()> action) {
    m_escape = std::move(action);
}

void TPreviewForm::setPrinterProbe(std::function<bool()> probe) {
    m_printerProbe = std::move(probe);
}

void TPreviewForm::preview(std::unique_ptr<ListReport> report, QWidget* issuer) {
    m_report = std::move(report);
    m_issuer = issuer;
    if (m_report)
        useWholePaper(*m_printer, PaperFor(m_report->orientationSetting(), paperOf(*m_printer)));
    show();
    onShow();
    raise();
    activateWindow();
}

void TPreviewForm::onShow() {
    if (m_issuer)
        m_issuer->setEnabled(false);
    if (m_report)
        m_printer->setDocName(ToQString(m_report->jobTitle()));
    {
        // Choosing the entry would zoom through zoomChanged; the fit follows below.
        const QSignalBlocker block(m_zoom);
        m_zoom->setCurrentIndex(kFitWidthEntry);
    }
    m_preview->fitToWidth();
    m_preview->updatePreview();
    m_preview->setCurrentPage(1);
    refreshPageControls();
    m_print->setFocus();
}

void TPreviewForm::zoomChanged(int index) {
    if (index == kFitPageEntry) {
        m_preview->fitInView();
    } else if (index == kFitWidthEntry) {
        m_preview->fitToWidth();
    } else if (index >= 0) {
        const QString text = m_zoom->itemText(index);
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->setZoomFactor(text.left(text.indexOf('%')).toDouble() / 100.0);
    }
}

int TPreviewForm::pageCount() const {
    return m_report ? m_preview->pageCount() : 0;
}

int TPreviewForm::currentPage() const {
    return m_preview->currentPage();
}

void TPreviewForm::refreshPageControls() {
    const int pages = pageCount();
    const int current = currentPage();
    const bool several = pages > 1;
    m_prePage->setVisible(several);
    m_nextPage->setVisible(several);
    m_pageNumber->setVisible(several);
    m_pageNumber->setText(QString("%1/%2").arg(current).arg(pages));
    m_prePage->setEnabled(current > 1);
    m_nextPage->setEnabled(current < pages);
}

void TPreviewForm::PrePageButtonClick() {
    if (currentPage() > 1)
        m_preview->setCurrentPage(currentPage() - 1);
    refreshPageControls();
}

void TPreviewForm::NextPageButtonClick() {
    if (currentPage() < pageCount())
        m_preview->setCurrentPage(currentPage() + 1);
    refreshPageControls();
}

void TPreviewForm::paintPages(QPrinter* printer) {
    if (!m_report || printer == nullptr)
        return;
    platform::RenderPages(*printer, m_report->generate(paperOf(*printer)));
}

void TPreviewForm::PrintButtonClick() {
    if (!m_report)
        return;
    // Without a system printer a PDF file is the printer.
    if (!m_printerProbe || !m_printerProbe()) {
        printToPdf();
        return;
    }
    QPrintDialog dialog(m_printer.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QSizeF paper = paperOf(*m_printer);
    if (paper.isEmpty()) {
        platform::ShowMessage(this, "用紙ｴﾗｰ", "このｻｲｽﾞの用紙には、印刷できません。",
                              QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    useWholePaper(*m_printer, paper);
    paintPages(m_printer.get());
}

bool TPreviewForm::printToPdf() {
    const QString title = ToQString(m_report->jobTitle());
    const QString path = platform::AskSaveFileName(
        this, {"PDFﾌｧｲﾙに印刷", QString(), title + ".pdf", "PDFﾌｧｲﾙ (*.pdf)"});
    if (path.isEmpty())
        return false;
    const QByteArray pdf = platform::PdfDocument(m_report->generate(paperOf(*m_printer)), title);
    IoResult r = pdf.isEmpty()
                     ? IoResult::failure(IoError::WriteFailed, 0, platform::ToUtf8(path))
                     : WriteFileAtomically(platform::ToUtf8(path), pdf.toStdString(), 0600);
    if (r.ok())
        return true;
    QString text = "ファイルに書き込めませんでした。\n" + path;
    if (r.sysErrno != 0)
        text += "\n" + QString::fromLocal8Bit(std::strerror(r.sysErrno));
    platform::ShowMessage(this, "ﾌﾟﾘﾝﾀｴﾗｰ", text, QMessageBox::Ok, QMessageBox::Critical);
    return false;
}

void TPreviewForm::SetupButtonClick() {
    const QPageLayout before = m_printer->pageLayout();
    QPageSetupDialog dialog(m_printer.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QPageLayout after = m_printer->pageLayout();
    const QSizeF paper = paperOf(*m_printer);
    if (!after.pageSize().isValid() || paper.isEmpty()) {
        platform::ShowMessage(this, "用紙ｴﾗｰ", "このｻｲｽﾞの用紙には、印刷できません。",
                              QMessageBox::Ok, QMessageBox::Critical);
        m_printer->setPageLayout(before);
        return;
    }
    useWholePaper(*m_printer, paper);
    // Only a new paper or orientation changes the pages.
    if (!after.pageSize().isEquivalentTo(before.pageSize()) ||
        after.orientation() != before.orientation())
        onShow();
}

void TPreviewForm::closeEvent(QCloseEvent* event) {
    savePlacement();
    m_report.reset();
    if (m_issuer)
        m_issuer->setEnabled(true);
    m_issuer = nullptr;
    event->accept();
}

}  // namespace tkv

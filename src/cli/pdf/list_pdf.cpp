#include "cli/pdf/list_pdf.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <QGuiApplication>

#include "base/atomic_file.h"
#include "platform/fonts.h"
#include "platform/report_engine.h"
#include "platform/text_convert.h"
#include "reports/ui/leave_list_report.h"
#include "reports/ui/month_list_report.h"
#include "reports/ui/period_list_report.h"
#include "settings/settings.h"

namespace tkv::cli {
namespace {

// Qt keeps argc and argv for the application's lifetime.
int g_argc = 3;
char g_arg0[] = "tokivane-cli";
char g_arg1[] = "-platform";
char g_arg2[] = "offscreen";
char* g_argv[] = {g_arg0, g_arg1, g_arg2, nullptr};

// Qt's notes about its own environment (no runtime folder, no session) mean
// nothing to someone printing a list from a terminal; real errors still show.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tokivane-cli: %s\n", qPrintable(message));
}

// Starts Qt for the one list `make` creates, lays it out and writes it.
template <class Make>
IoResult writeListPdf(const Make& make, const std::string& path) {
    const QtMessageHandler previous = qInstallMessageHandler(&quietMessages);
    std::unique_ptr<QGuiApplication> app;
    if (QGuiApplication::instance() == nullptr)
        app = std::make_unique<QGuiApplication>(g_argc, g_argv);
    platform::InstallFontSubstitutions();

    QByteArray pdf;
    {
        const std::unique_ptr<ListReport> report = make();
        const QSizeF paper = PaperFor(report->orientationSetting(), platform::A4Portrait);
        pdf =
            platform::PdfDocument(report->generate(paper), platform::ToQString(report->jobTitle()));
    }
    app.reset();
    qInstallMessageHandler(previous);
    if (pdf.isEmpty())
        return IoResult::failure(IoError::WriteFailed, EIO, path);
    return WriteFileAtomically(path, pdf.toStdString(), 0600);
}

}  // namespace

IoResult WriteMonthListPdf(const MonthRecord& month, const Settings& settings, const Clock& clock,
                           const std::string& path) {
    return writeListPdf([&] { return std::make_unique<TZanPrintForm>(month, settings, clock); },
                        path);
}

IoResult WritePeriodListPdf(const PeriodSpan& span, const MonthPathFn& monthPath,
                            const Settings& settings, const Clock& clock, const std::string& path) {
    return writeListPdf(
        [&] { return std::make_unique<TYearPrintForm>(span, monthPath, settings, clock); }, path);
}

IoResult WriteLeaveListPdf(const Ledger& ledger, const Settings& settings, const Clock& clock,
                           const std::string& path) {
    return writeListPdf([&] { return std::make_unique<TYukyuPrintForm>(ledger, settings, clock); },
                        path);
}

}  // namespace tkv::cli

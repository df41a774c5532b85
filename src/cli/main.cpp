#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#ifdef TOKIVANE_CLI_PDF
#include "cli/pdf/list_pdf.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    tkv::cli::PdfWriters pdf;
#ifdef TOKIVANE_CLI_PDF
    pdf.month = &tkv::cli::WriteMonthListPdf;
    pdf.period = &tkv::cli::WritePeriodListPdf;
    pdf.leave = &tkv::cli::WriteLeaveListPdf;
#endif
    return tkv::cli::Run(args, std::cout, std::cerr, std::move(pdf));
}

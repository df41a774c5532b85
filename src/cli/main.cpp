#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#ifdef TOKIVANE_CLI_PDF
#include "cli/pdf/month_pdf.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
#ifdef TOKIVANE_CLI_PDF
    return tkv::cli::Run(args, std::cout, std::cerr, &tkv::cli::WriteMonthListPdf);
#else
    return tkv::cli::Run(args, std::cout, std::cerr);
#endif
}

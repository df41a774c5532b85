#include "reports/ui/list_report.h"

#include <algorithm>
#include <cmath>

#include "base/clock.h"
#include "base/cp932.h"
#include "base/text_util.h"
#include "platform/fonts.h"
#include "platform/text_convert.h"
#include "settings/settings.h"

namespace tkv {

using platform::BandKind;
using platform::ReportBand;
using platform::ReportText;
using platform::ToQString;

namespace {

const QColor kSilver(192, 192, 192);

QFont fontOf(const std::string& face, int size, int style) {
    return platform::StyledFont(ToQString(face), size, style);
}

std::string dateText(const DateTime& now) {
    return "Date " + IntToStrPad(now.year, 4, '0') + "/" + IntToStrPad(now.month, 2, '0') + "/" +
           IntToStrPad(now.day, 2, '0');
}

}  // namespace

QSizeF PaperFor(PageOrientation orientation, QSizeF current) {
    const double shortSide = std::min(current.width(), current.height());
    const double longSide = std::max(current.width(), current.height());
    if (orientation == PageOrientation::Portrait)
        return {shortSide, longSide};
    if (orientation == PageOrientation::Landscape)
        return {longSide, shortSide};
    return current;
}

double MarginMm(const DecimalText& margin) {
    return margin.valueOr(10.0);
}

ListReport::ListReport(const Settings& settings, const Clock& clock)
    : m_settings(settings), m_clock(clock) {
    build();
}

ListReport::~ListReport() = default;

void ListReport::build() {
    platform::BandedReport& r = m_report;
    m_title = &r.pageHeader.addText();
    m_name = &r.pageHeader.addText();
    m_month = &r.pageHeader.addText();
    m_header = &r.columnHeader.addText();
    m_line = &r.detail.addText();
    m_page = &r.pageFooter.addText();
    m_page->pageNumber = true;
    m_date = &r.pageFooter.addText();

    r.columnHeader.rules = {true, false, true, true};
    r.detail.rules = {true, false, true, true};
    r.summary.rules = {true, false, false, false};

    r.startOfPage = [this](int page) { m_linesPerPage = computeLinesPerPage(page); };
    r.columnHeader.afterPrint = [this](ReportBand&) { m_lineOnPage = 0; };
    r.hasAnotherRecord = [this] {
        ++m_counter;
        if (m_counter <= m_records)
            m_line->text = ToQString(recordLine(m_counter, m_memoCut));
        return m_counter <= m_records;
    };
    r.detail.beforePrint = [this](ReportBand& band) {
        ++m_lineOnPage;
        band.background = Qt::white;
        m_line->color = Qt::black;
        shadeRecord(band, *m_line, m_counter, m_lineOnPage);
        band.rules.top = true;
        band.rules.bottom = m_lineOnPage == m_linesPerPage && m_counter != m_records - 1;
    };
    r.detail.afterPrint = [this](ReportBand&) {
        if (m_lineOnPage == m_linesPerPage && m_counter + 1 < m_records)
            m_report.newPage();
    };
}

std::vector<platform::ReportPage> ListReport::generate(QSizeF paper) {
    prepare(paper);
    return m_report.generate();
}

void ListReport::prepare(QSizeF paper) {
    const Settings& s = m_settings;
    platform::BandedReport& r = m_report;

    // 1. Records.
    m_records = std::max(0, prepareRecords());
    m_counter = 0;
    m_lineOnPage = 0;
    m_memoCut = 0;

    // Page and margins, from the settings each time.
    r.page.paper = paper;
    r.page.top = MarginMm(s.PageTopMargin);
    r.page.bottom = MarginMm(s.PageBottomMargin);
    r.page.left = MarginMm(s.PageLeftMargin);
    r.page.right = MarginMm(s.PageRightMargin);
    // Margins that leave no room for a page fall back to 10 mm each.
    for (double* m : {&r.page.top, &r.page.bottom, &r.page.left, &r.page.right})
        *m = std::clamp(*m, 0.0, 1000.0);
    if (paper.width() - r.page.left - r.page.right < 20.0)
        r.page.left = r.page.right = 10.0;
    if (paper.height() - r.page.top - r.page.bottom < 40.0)
        r.page.top = r.page.bottom = 10.0;

    // 2. Fonts.
    m_title->font = fontOf(s.TitleFontName, s.TitleFontSize, s.TitleFontStyle);
    m_name->font = fontOf(s.NameFontName, s.NameFontSize, s.NameFontStyle);
    m_month->font = fontOf(s.MonthFontName, s.MonthFontSize, s.MonthFontStyle);
    const QFont listFont = fontOf(s.ListFontName, s.ListFontSize, s.ListFontStyle);
    m_header->font = listFont;
    m_line->font = listFont;
    m_page->font = fontOf(s.PageFontName, s.PageFontSize, s.PageFontStyle);
    m_date->font = fontOf(s.DateFontName, s.DateFontSize, s.DateFontStyle);

    // The first-page lines, as many as the list has.
    r.titleBands.clear();
    m_firstPageBands.clear();
    m_firstPageCaption.clear();
    const std::vector<FirstPageLine> lines = firstPageLines();
    for (const FirstPageLine& l : lines) {
        ReportBand& band = r.addTitleBand();
        ReportText& t = band.addText();
        t.font = listFont;
        t.text = ToQString(l.text);
        band.rules = {true, false, true, true};
        m_firstPageBands.push_back(&band);
        m_firstPageCaption.push_back(l.caption);
    }
    if (!lines.empty()) {
        ReportBand& space = r.addTitleBand();
        space.height = SpaceBandHeight;
        space.rules = {true, false, false, false};
    }

    // 5. Texts (before the layout: heights are measured on them).
    const std::optional<std::string> month = monthText();
    m_title->text = ToQString(titleText());
    m_name->text = ToQString(namePrefix() + s.NameTitle);
    m_month->text = ToQString(month.value_or(std::string()));
    m_header->text = ToQString(headerLine());
    m_page->prefix = QStringLiteral("Page ");
    m_line->text.clear();

    layOutVertically();
    applyForm();

    // 4. Visibility.
    m_date->visible = s.PrintDate;
    m_page->visible = s.PrintPage;
    m_name->visible = s.PrintName;
    m_month->visible = month.has_value();

    fitWidth();
    // 7. The print date.
    m_date->text = ToQString(dateText(m_clock.now()));
    placeItems();
}

void ListReport::layOutVertically() {
    platform::BandedReport& r = m_report;
    m_title->top = TitleTop;
    m_name->top = m_title->top + m_title->height();
    m_month->top = m_name->top;
    const double nameHeight =
        (m_settings.PrintName || hiddenNameTakesRoom()) ? m_name->height() : 0.0;
    const double monthHeight = monthText() ? m_month->height() : 0.0;
    r.pageHeader.height = m_name->top + std::max(nameHeight, monthHeight) + HeaderGap;

    for (ReportText* t : {m_header, m_line}) {
        t->left = LineInset;
        t->top = LineTop;
    }
    r.detail.height = m_line->top + m_line->height() + LineGap;
    r.columnHeader.height = r.detail.height;
    for (std::size_t i = 0; i < m_firstPageBands.size(); ++i) {
        ReportBand* band = m_firstPageBands[i];
        band->height = r.detail.height;
        ReportText& t = *band->texts().front();
        t.left = LineInset;
        t.top = LineTop;
    }
    r.summary.height = SummaryHeight;
    m_page->top = FooterTop;
    m_date->top = FooterTop;
    r.pageFooter.height = FooterTop + std::max(m_page->height(), m_date->height()) + FooterGap;
}

void ListReport::applyForm() {
    platform::BandedReport& r = m_report;
    // 0: shaded captions and no side rules; 1: white bands, every band ruled.
    const bool ruled = m_settings.PrintForm == ReportForm::RuledOnly;
    const QColor caption = ruled ? QColor(Qt::white) : kSilver;
    r.columnHeader.background = caption;
    std::vector<ReportBand*> table{&r.columnHeader, &r.detail};
    for (std::size_t i = 0; i < m_firstPageBands.size(); ++i) {
        m_firstPageBands[i]->background = m_firstPageCaption[i] ? caption : QColor(Qt::white);
        table.push_back(m_firstPageBands[i]);
    }
    for (ReportBand* b : table) b->rules.left = b->rules.right = ruled;
}

void ListReport::fitWidth() {
    platform::BandedReport& r = m_report;
    const double headerWidth = m_header->width();
    const double spare = r.bandWidth() - headerWidth - 2 * LineInset;
    if (spare > 0) {
        // The whole frame narrows to the table.
        r.page.right += spare;
        m_memoCut = 0;
        return;
    }
    if (!hasMemoColumn() || headerWidth <= 0)
        return;
    const std::string header = headerLine();
    const int bytes = cp932::byteLength(header);
    m_memoCut = static_cast<int>(std::ceil(bytes * -spare / headerWidth));
    m_header->text = ToQString(FixedWidth(header, std::max(0, bytes - m_memoCut)));
}

void ListReport::placeItems() {
    const Settings& s = m_settings;
    const double width = m_report.bandWidth();
    const QString indent(headerIndent(), QLatin1Char(' '));
    auto place = [&](ReportText* item, PrintAlignment position) {
        if (position == PrintAlignment::Left) {
            if (item->pageNumber)
                item->prefix = indent + item->prefix;
            else
                item->text = indent + item->text;
            item->left = m_header->left;
        } else if (position == PrintAlignment::Centre) {
            item->left = (width - item->width()) / 2;
        } else if (position == PrintAlignment::Right) {
            item->left = width - item->width() - 1.0;
        }
    };
    place(m_title, s.TitlePosition);
    place(m_name, s.NamePosition);
    place(m_month, s.MonthPosition);
    place(m_page, s.PagePosition);
    place(m_date, s.DatePosition);
}

int ListReport::computeLinesPerPage(int page) const {
    const platform::BandedReport& r = m_report;
    double room = r.page.paper.height() - r.page.top - r.page.bottom - r.pageHeader.height -
                  r.columnHeader.height - r.summary.height - r.pageFooter.height;
    if (page == 1)
        for (const auto& band : r.titleBands) room -= band->height;
    // A page always takes at least one line, however large the fonts.
    return std::max(1, static_cast<int>(room / r.detail.height + 1e-9));
}

}  // namespace tkv

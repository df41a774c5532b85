#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/report_engine.h"
#include "settings/setting_choices.h"
#include "settings/setting_values.h"

namespace tkv {

class Clock;
struct Settings;

// Paper orientation setting of a list: 0 portrait, 1 landscape; any other
// value keeps `current` as it lies.
QSizeF PaperFor(PageOrientation orientation, QSizeF current);

// A margin setting in millimetres: decimal text read with one decimal; text
// that is not a number counts as 10.0.
double MarginMm(const DecimalText& margin);

// The page frame the three printed lists share: page header with title,
// name and month items, optional first-page lines, the column header, one
// detail line per record, the closing rule and the footer with page number
// and print date. Each list supplies its texts, records and shading; this
// class lays them out from the settings (fonts, form, positions, margins)
// and fits the table to the page.
class ListReport {
public:
    ListReport(const Settings& settings, const Clock& clock);
    virtual ~ListReport();
    ListReport(const ListReport&) = delete;
    ListReport& operator=(const ListReport&) = delete;

    // Prepares afresh (every generation starts from the settings) and lays
    // out every page on `paper` (as it lies).
    std::vector<platform::ReportPage> generate(QSizeF paper = platform::A4Portrait);

    // The list's orientation setting (ZangyoPrintMuki, ...).
    virtual PageOrientation orientationSetting() const = 0;
    // The title handed to the print job.
    virtual std::string jobTitle() const = 0;

    // State of the last generation, for tests and the preview.
    const platform::BandedReport& engine() const { return m_report; }
    int memoCut() const { return m_memoCut; }
    int linesPerPage() const { return m_linesPerPage; }
    int recordCount() const { return m_records; }

    // Design distances, millimetres.
    static constexpr double LineInset = 3.18;        // of the header and record lines
    static constexpr double LineTop = 1.41;          // of the header and record lines
    static constexpr double LineGap = 1.06;          // below a record line
    static constexpr double HeaderGap = 1.41;        // below the name item
    static constexpr double FooterGap = 1.41;        // below the page number
    static constexpr double TitleTop = 0.35;         // of the title item
    static constexpr double FooterTop = 0.35;        // of the page number and date
    static constexpr double SummaryHeight = 1.06;    // the rule that closes the table
    static constexpr double SpaceBandHeight = 2.12;  // after the first-page lines

protected:
    const Settings& settings() const { return m_settings; }

    // Runs the list's calculation and gives its number of records.
    virtual int prepareRecords() = 0;
    virtual std::string titleText() const = 0;
    // Blanks in front of the name (none, three or two, as the header line's indent).
    virtual std::string namePrefix() const = 0;
    // The month or period item; none for a list without one.
    virtual std::optional<std::string> monthText() const = 0;
    virtual std::string headerLine() const = 0;
    // Blanks the header line begins with; items placed on the left get as many.
    virtual int headerIndent() const = 0;
    // Lists ending in a memo column give up memo bytes to fit the page.
    virtual bool hasMemoColumn() const = 0;
    virtual std::string recordLine(int number, int memoCut) const = 0;
    // Colour and text colour of record `number` as the `lineOnPage`-th
    // line of its page; the rules are set by the frame.
    virtual void shadeRecord(platform::ReportBand& detail, platform::ReportText& line, int number,
                             int lineOnPage) const = 0;
    // Lines printed once above the column header, each flagged as a caption.
    struct FirstPageLine {
        std::string text;
        bool caption = false;
    };
    virtual std::vector<FirstPageLine> firstPageLines() const { return {}; }
    // Whether a hidden name item still takes its room in the page header.
    virtual bool hiddenNameTakesRoom() const { return true; }

private:
    void build();
    void prepare(QSizeF paper);
    void layOutVertically();
    void applyForm();
    void fitWidth();
    void placeItems();
    int computeLinesPerPage(int page) const;

    const Settings& m_settings;
    const Clock& m_clock;
    platform::BandedReport m_report;

    platform::ReportText* m_title = nullptr;
    platform::ReportText* m_name = nullptr;
    platform::ReportText* m_month = nullptr;
    platform::ReportText* m_header = nullptr;
    platform::ReportText* m_line = nullptr;
    platform::ReportText* m_page = nullptr;
    platform::ReportText* m_date = nullptr;
    std::vector<platform::ReportBand*> m_firstPageBands;  // the lines, then the space band
    std::vector<bool> m_firstPageCaption;

    int m_records = 0;
    int m_counter = 0;
    int m_lineOnPage = 0;
    int m_linesPerPage = 1;
    int m_memoCut = 0;
};

}  // namespace tkv

#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// A banded report engine: pages are laid out from bands (page header,
// first-page title bands, column header, detail, summary, page footer) into
// a list of placed bands, which one renderer draws on any paint device. The
// preview, the printer and PDF files therefore show the same pages.
// Every length is in millimetres.
namespace tkv::platform {

// A text item that sizes itself to its text in its font.
class ReportText {
public:
    QString text;
    QFont font;
    QColor color = Qt::black;
    double left = 0;
    double top = 0;
    bool visible = true;
    // A page-number item prints this prefix and the page number instead of
    // its text.
    bool pageNumber = false;
    QString prefix;

    // Measured size of the text (of `sample` for a page-number item).
    QSizeF size() const;
    double width() const { return size().width(); }
    double height() const { return size().height(); }
    // The text as it prints on page `page`.
    QString printedText(int page) const;
};

// Width and height of `text` in `font`, measured at a fixed high resolution
// so that layout never depends on the screen.
QSizeF MeasureText(const QString& text, const QFont& font);

struct ReportRules {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
    friend bool operator==(const ReportRules&, const ReportRules&) = default;
};

enum class BandKind { PageHeader, Title, ColumnHeader, Detail, Summary, PageFooter };

class ReportBand {
public:
    explicit ReportBand(BandKind kind) : m_kind(kind) {}
    ReportBand(const ReportBand&) = delete;
    ReportBand& operator=(const ReportBand&) = delete;

    BandKind kind() const { return m_kind; }
    ReportText& addText();
    const std::vector<std::unique_ptr<ReportText>>& texts() const { return m_texts; }

    double height = 6.0;
    QColor background = Qt::white;
    ReportRules rules;
    bool enabled = true;
    // Run around each printing of the band; they may change the colour, the
    // rules and the texts of this printing.
    std::function<void(ReportBand&)> beforePrint;
    std::function<void(ReportBand&)> afterPrint;

private:
    BandKind m_kind;
    std::vector<std::unique_ptr<ReportText>> m_texts;
};

// What a band left on a page: its frame and its texts as they printed.
struct PlacedText {
    QString text;
    QFont font;
    QColor color;
    QPointF topLeft;
};
struct PlacedBand {
    BandKind kind = BandKind::Detail;
    QRectF rect;
    QColor background;
    ReportRules rules;
    std::vector<PlacedText> texts;
};
struct ReportPage {
    int number = 0;
    QSizeF paper;
    std::vector<PlacedBand> bands;
};

struct PageGeometry {
    QSizeF paper{210.0, 297.0};  // as it lies: landscape has the long side across
    double top = 20.0;
    double bottom = 20.0;
    double left = 25.0;
    double right = 15.0;
};

inline constexpr QSizeF A4Portrait{210.0, 297.0};

class BandedReport {
public:
    BandedReport();
    BandedReport(const BandedReport&) = delete;
    BandedReport& operator=(const BandedReport&) = delete;

    PageGeometry page;
    ReportBand pageHeader{BandKind::PageHeader};
    // Printed on the first page only, in order, below the page header.
    std::vector<std::unique_ptr<ReportBand>> titleBands;
    ReportBand columnHeader{BandKind::ColumnHeader};
    ReportBand detail{BandKind::Detail};
    ReportBand summary{BandKind::Summary};
    ReportBand pageFooter{BandKind::PageFooter};

    ReportBand& addTitleBand();

    // Asked before every detail line: true when another record follows (the
    // callback sets the detail texts for it).
    std::function<bool()> hasAnotherRecord;
    // Told the number of each page as it starts.
    std::function<void(int page)> startOfPage;

    double bandWidth() const { return page.paper.width() - page.left - page.right; }

    // Asks for a new page before the next band; for after-print events.
    void newPage() { m_newPageAsked = true; }

    // Lays out every page. No record gives no page.
    std::vector<ReportPage> generate();

private:
    void startPage();
    void finishPage();
    void place(ReportBand& band, double top);
    bool fits(double height) const;

    std::vector<ReportPage> m_pages;
    ReportPage m_current;
    double m_cursor = 0;
    bool m_newPageAsked = false;
    bool m_detailOnPage = false;
};

// Draws one page on a painter whose device has `dotsPerMm` device pixels
// per millimetre in both directions, the paper's top-left corner at 0,0.
void RenderPage(QPainter& painter, const ReportPage& page, double dotsPerMm);

// Draws every page on a paged device (a printer or a PDF writer), one sheet
// each. False when the painter cannot start on the device.
bool RenderPages(QPagedPaintDevice& device, const std::vector<ReportPage>& pages);

// A page layout of `paper` (as it lies) without margins: the renderer
// places everything itself, from the paper's corner.
QPageLayout PageLayoutFor(QSizeF paper);

// The pages as one PDF document, its title `title`.
QByteArray PdfDocument(const std::vector<ReportPage>& pages, const QString& title);

}  // namespace tkv::platform

#include "platform/report_engine.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace tkv::platform {
namespace {

constexpr double kMeasureDpi = 1200.0;
constexpr double kMmPerInch = 25.4;
constexpr double kRuleWidth = 0.15;  // mm: thin, yet seen on screen and paper
constexpr double kFitSlack = 1e-6;   // lengths summed from measured values

const QString& pageNumberSample() {
    static const QString sample = QStringLiteral("9");
    return sample;
}

// A one-pixel image that reports the measuring resolution: text measured on
// it has the same size whatever screen the program runs on.
const QImage& measureDevice() {
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = static_cast<int>(kMeasureDpi / kMmPerInch * 1000.0 + 0.5);
        i.setDotsPerMeterX(dotsPerMetre);
        i.setDotsPerMeterY(dotsPerMetre);
        return i;
    }();
    return image;
}

}  // namespace

QSizeF MeasureText(const QString& text, const QFont& font) {
    const QFontMetricsF fm(font, &measureDevice());
    const double toMm = kMmPerInch / measureDevice().logicalDpiY();
    return {fm.horizontalAdvance(text) * toMm, fm.height() * toMm};
}

QSizeF ReportText::size() const {
    return MeasureText(pageNumber ? prefix + pageNumberSample() : text, font);
}

QString ReportText::printedText(int page) const {
    return pageNumber ? prefix + QString::number(page) : text;
}

ReportText& ReportBand::addText() {
    m_texts.push_back(std::make_unique<ReportText>());
    return *m_texts.back();
}

BandedReport::BandedReport() {
    for (ReportBand* b : {&pageHeader, &columnHeader, &detail, &summary, &pageFooter})
        b->height = 6.0;
}

ReportBand& BandedReport::addTitleBand() {
    titleBands.push_back(std::make_unique<ReportBand>(BandKind::Title));
    return *titleBands.back();
}

bool BandedReport::fits(double height) const {
    const double footerTop = page.paper.height() - page.bottom - pageFooter.height;
    return m_cursor + height <= footerTop + kFitSlack;
}

void BandedReport::place(ReportBand& band, double top) {
    if (band.beforePrint)
        band.beforePrint(band);
    if (band.enabled) {
        PlacedBand placed;
        placed.kind = band.kind();
        placed.rect = QRectF(page.left, top, bandWidth(), band.height);
        placed.background = band.background;
        placed.rules = band.rules;
        for (const auto& t : band.texts()) {
            if (!t->visible)
                continue;
            placed.texts.push_back({t->printedText(m_current.number), t->font, t->color,
                                    QPointF(page.left + t->left, top + t->top)});
        }
        m_current.bands.push_back(std::move(placed));
        if (band.kind() != BandKind::PageFooter)
            m_cursor = top + band.height;
    }
    if (band.afterPrint)
        band.afterPrint(band);
}

void BandedReport::startPage() {
    m_current = ReportPage{};
    m_current.number = static_cast<int>(m_pages.size()) + 1;
    m_current.paper = page.paper;
    m_cursor = page.top;
    m_newPageAsked = false;
    m_detailOnPage = false;
    if (startOfPage)
        startOfPage(m_current.number);
    place(pageHeader, m_cursor);
    if (m_current.number == 1)
        for (auto& band : titleBands) place(*band, m_cursor);
    place(columnHeader, m_cursor);
}

void BandedReport::finishPage() {
    place(pageFooter, page.paper.height() - page.bottom - pageFooter.height);
    m_pages.push_back(std::move(m_current));
    m_current = ReportPage{};
}

std::vector<ReportPage> BandedReport::generate() {
    m_pages.clear();
    m_newPageAsked = false;
    if (!hasAnotherRecord || !hasAnotherRecord())
        return {};
    startPage();
    do {
        // A band that cannot fit even on an empty page is printed anyway:
        // moving it on would never end.
        const bool overflow = !m_newPageAsked && !fits(detail.height) && m_detailOnPage;
        if (m_newPageAsked || overflow) {
            // A table cut short by the page still gets its closing rule.
            if (overflow && !m_current.bands.empty() &&
                m_current.bands.back().kind == BandKind::Detail)
                m_current.bands.back().rules.bottom = true;
            finishPage();
            startPage();
        }
        place(detail, m_cursor);
        m_detailOnPage = true;
    } while (hasAnotherRecord());
    // A summary without texts is only its top rule, which closes the table:
    // it needs no more room than the rule itself.
    const double summaryRoom = summary.texts().empty() ? 0.0 : summary.height;
    if (m_newPageAsked || !fits(summaryRoom)) {
        finishPage();
        startPage();
    }
    place(summary, m_cursor);
    finishPage();
    return std::move(m_pages);
}

void RenderPage(QPainter& painter, const ReportPage& page, double dotsPerMm) {
    auto px = [dotsPerMm](const QRectF& r) {
        return QRectF(r.left() * dotsPerMm, r.top() * dotsPerMm, r.width() * dotsPerMm,
                      r.height() * dotsPerMm);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const PlacedBand& b : page.bands) painter.fillRect(px(b.rect), b.background);

    for (const PlacedBand& b : page.bands) {
        for (const PlacedText& t : b.texts) {
            painter.setFont(t.font);
            painter.setPen(t.color);
            const QFontMetricsF fm(t.font, painter.device());
            painter.drawText(
                QPointF(t.topLeft.x() * dotsPerMm, t.topLeft.y() * dotsPerMm + fm.ascent()),
                t.text);
        }
    }

    QPen pen(Qt::black);
    pen.setWidthF(kRuleWidth * dotsPerMm);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    for (const PlacedBand& b : page.bands) {
        const QRectF r = px(b.rect);
        if (b.rules.top)
            painter.drawLine(r.topLeft(), r.topRight());
        if (b.rules.bottom)
            painter.drawLine(r.bottomLeft(), r.bottomRight());
        if (b.rules.left)
            painter.drawLine(r.topLeft(), r.bottomLeft());
        if (b.rules.right)
            painter.drawLine(r.topRight(), r.bottomRight());
    }
    painter.restore();
}

bool RenderPages(QPagedPaintDevice& device, const std::vector<ReportPage>& pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dotsPerMm = device.logicalDpiX() / kMmPerInch;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        RenderPage(painter, pages[i], dotsPerMm);
    }
    return painter.end();
}

QPageLayout PageLayoutFor(QSizeF paper) {
    const bool landscape = paper.width() > paper.height();
    const QSizeF portrait = landscape ? paper.transposed() : paper;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QByteArray PdfDocument(const std::vector<ReportPage>& pages, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tokivane"));
        writer.setResolution(static_cast<int>(kMeasureDpi));
        writer.setPageLayout(PageLayoutFor(pages.empty() ? A4Portrait : pages.front().paper));
        if (!RenderPages(writer, pages))
            return {};
    }
    return bytes;
}

}  // namespace tkv::platform

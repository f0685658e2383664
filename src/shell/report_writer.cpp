#include "shell/report_writer.h"

#include "charts/figure_painter.h"
#include "charts/out_of_date.h"
#include "files/atomic_write.h"
#include "shell/program_title.h"
#include "shell/qt_ui_services.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>

#include <algorithm>
#include <optional>
#include <utility>

namespace retencion {
namespace {

// The sheet is laid out in screen pixels, 96 to the inch, and scaled to the
// device: the figures' line widths and marks then look as on screen. Fonts
// are sized in those pixels too, so that text measures the same anywhere.
constexpr double kUnitsPerInch = 96;

QFont fontOf(double pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(int(pixels));
    f.setBold(bold);
    // No ligatures: "fi" stays two letters, so the text can be searched.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

const QString kFootNote = QStringLiteral("Los resultados se leen en ábacos de diseño digitalizados y son un "
                                         "predimensionamiento.");

const QColor kHeadingColour(0x10, 0x3a, 0x66);
const QPageLayout kPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                              QPageLayout::Millimeter);

// Where the next line of the sheet goes, page after page. Without a painter
// it only counts the pages, so that the foot can say "de M". A heading waits
// for what follows it and goes down on the same page, so that no heading
// ends a page; a table's header row goes with its first row, and comes again
// at the top of a page the table runs on to.
class Sheet {
public:
    Sheet(QPainter* painter, QPagedPaintDevice& device, int total, std::vector<SheetBlock>* blocks = nullptr)
        : m_p(painter), m_device(device), m_total(total), m_blocks(blocks),
          m_size(device.width() * kUnitsPerInch / device.logicalDpiX(),
                 device.height() * kUnitsPerInch / device.logicalDpiY())
    {
    }

    double width() const { return m_size.width(); }
    int pages() const { return m_page; }

    // A paragraph, wrapped to the width.
    void text(const QString& s, const QFont& font, double gapAfter = 4, const QColor& colour = Qt::black,
              SheetBlock::Kind kind = SheetBlock::Kind::Text)
    {
        const QRectF box = measure(s, font, width());
        place(box.height());
        record(kind, s);
        if (m_p) {
            m_p->setFont(font);
            m_p->setPen(colour);
            m_p->drawText(QRectF(0, m_y, width(), box.height()), Qt::TextWordWrap | Qt::AlignLeft, s);
        }
        m_y += box.height() + gapAfter;
    }

    // A paragraph in a frame, for what must not be missed.
    void notice(const QString& s, const QFont& font, const QColor& colour)
    {
        const QRectF box = measure(s, font, width() - 16);
        place(box.height() + 12);
        record(SheetBlock::Kind::Notice, s);
        if (m_p) {
            m_p->setPen(QPen(colour, 1.2));
            m_p->setBrush(Qt::NoBrush);
            m_p->drawRect(QRectF(0, m_y, width(), box.height() + 12));
            m_p->setFont(font);
            m_p->setPen(colour);
            m_p->drawText(QRectF(8, m_y + 6, width() - 16, box.height()), Qt::TextWordWrap, s);
        }
        m_y += box.height() + 18;
    }

    // Rows of cells in columns of the given shares of the width; the first
    // row is the header.
    void table(const std::vector<std::vector<QString>>& rows, const std::vector<double>& shares,
               const std::vector<bool>& rightAligned)
    {
        if (rows.empty()) return;
        std::vector<double> heights;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            double height = 0;
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                height = std::max(height, measure(rows[r][c], rowFont(r), shares[c] * width() - 8).height());
            heights.push_back(height + 6);
        }
        place(heights[0] + (rows.size() > 1 ? heights[1] : 0));
        row(rows[0], heights[0], shares, rightAligned, true);
        for (std::size_t r = 1; r < rows.size(); ++r) {
            if (ensure(heights[r])) {
                ensure(heights[0] + heights[r]);
                row(rows[0], heights[0], shares, rightAligned, true);
            }
            row(rows[r], heights[r], shares, rightAligned, false);
        }
        m_y += 8;
    }

    // A figure across the whole width, as the chart window draws it.
    void figure(const figures::Figure& f)
    {
        const QFont font = fontOf(11);
        const double height = std::max(width() * 0.62, minimumFigureHeight(f, width(), font));
        place(height);
        record(SheetBlock::Kind::Figure, QString::fromStdString(f.title));
        if (m_p) {
            m_p->save();
            m_p->setFont(font);
            paintFigure(*m_p, QRectF(0, m_y, width(), height), f, QPalette(Qt::white));
            m_p->restore();
        }
        m_y += height + 10;
    }

    // The case's schematic, centred, two thirds of the width.
    void drawing(const figures::Drawing& d)
    {
        const QFont font = fontOf(11);
        const double w = width() * 2 / 3;
        const double height = drawingHeight(d, w, font, &m_device);
        place(height);
        if (m_p) {
            m_p->save();
            m_p->setFont(font);
            paintDrawing(*m_p, QRectF((width() - w) / 2, m_y, w, height), d, QPalette(Qt::white));
            m_p->restore();
        }
        m_y += height + 10;
    }

    // Set down with whatever comes next.
    void heading(const QString& s)
    {
        flushHeading();
        m_heading = s;
    }

    // The work, and two boxes to sign, one for who calculated and one for
    // who reviewed: what a sheet handed in for review needs.
    void titleBlock(const ProjectData& project)
    {
        const QFont label = fontOf(11, true);
        const QFont value = fontOf(11);
        const double labelWidth = 110;
        const double pad = 6;
        const std::pair<QString, QString> lines[] = {{QStringLiteral("Proyecto:"), project.name},
                                                     {QStringLiteral("Emplazamiento:"), project.location},
                                                     {QStringLiteral("Autor:"), project.author},
                                                     {QStringLiteral("Notas:"), project.notes}};
        std::vector<double> heights;
        double total = 0;
        for (const auto& [caption, text] : lines) {
            const double h = std::max(measure(caption, label, labelWidth).height(),
                                      measure(text, value, width() - labelWidth - 3 * pad).height()) +
                             pad;
            heights.push_back(h);
            total += h;
        }
        const QString signs[] = {QStringLiteral("Calculado"), QStringLiteral("Revisado")};
        const QString entries[] = {QStringLiteral("Nombre:"), QStringLiteral("Fecha:"), QStringLiteral("Firma:")};
        const double entryHeight = measure(entries[0], value, width()).height() + 10;
        const double signHeight = measure(signs[0], label, width()).height() + pad + 3 * entryHeight + 24;
        place(total + pad + signHeight);
        record(SheetBlock::Kind::TitleBlock, project.name);
        if (m_p) {
            const QPen frame(QColor(0x44, 0x44, 0x44), 0.8);
            const QPen rule(QColor(0, 0, 0, 90), 0.5);
            m_p->setBrush(Qt::NoBrush);
            m_p->setPen(frame);
            m_p->drawRect(QRectF(0, m_y, width(), total + pad + signHeight));
            double y = m_y + pad / 2;
            for (std::size_t i = 0; i < std::size(lines); ++i) {
                m_p->setPen(Qt::black);
                m_p->setFont(label);
                m_p->drawText(QRectF(pad, y, labelWidth, heights[i]), Qt::TextWordWrap, lines[i].first);
                m_p->setFont(value);
                m_p->drawText(QRectF(pad + labelWidth + pad, y, width() - labelWidth - 3 * pad, heights[i]),
                              Qt::TextWordWrap, lines[i].second);
                y += heights[i];
            }
            y += pad / 2;
            m_p->setPen(frame);
            m_p->drawLine(QPointF(0, y), QPointF(width(), y));
            m_p->drawLine(QPointF(width() / 2, y), QPointF(width() / 2, y + signHeight));
            for (int box = 0; box < 2; ++box) {
                const double left = box * width() / 2 + pad;
                const double right = (box + 1) * width() / 2 - pad;
                double at = y + pad / 2;
                m_p->setPen(kHeadingColour);
                m_p->setFont(label);
                m_p->drawText(QRectF(left, at, right - left, entryHeight), signs[box]);
                at += measure(signs[0], label, width()).height() + pad;
                m_p->setFont(value);
                for (const QString& entry : entries) {
                    const double advance = QFontMetricsF(value, &m_device).horizontalAdvance(entry) + pad;
                    // The signature, last, gets room for a hand.
                    const double lineHeight = entry == entries[2] ? entryHeight + 24 : entryHeight;
                    m_p->setPen(Qt::black);
                    m_p->drawText(QRectF(left, at, right - left, lineHeight), entry);
                    m_p->setPen(rule);
                    m_p->drawLine(QPointF(left + advance, at + lineHeight - 4), QPointF(right, at + lineHeight - 4));
                    at += lineHeight;
                }
            }
        }
        m_y += total + pad + signHeight + 12;
    }

    void finish()
    {
        flushHeading();
        foot();
    }

private:
    static QFont headingFont() { return fontOf(15, true); }
    static QFont rowFont(std::size_t row) { return fontOf(12, row == 0); }

    QRectF measure(const QString& s, const QFont& font, double w) const
    {
        return QFontMetricsF(font, &m_device).boundingRect(QRectF(0, 0, w, 1e6), Qt::TextWordWrap, s);
    }

    double bottom() const { return m_size.height() - 34; } // the foot below

    void record(SheetBlock::Kind kind, const QString& text = {})
    {
        if (m_blocks) m_blocks->push_back({kind, m_page, text});
    }

    // Room for a block `height` high below the heading that waits for it.
    void place(double height)
    {
        if (m_heading.isEmpty()) {
            ensure(height);
            return;
        }
        const QString heading = std::exchange(m_heading, QString());
        const QFont font = headingFont();
        const double headingHeight = measure(heading, font, width()).height();
        ensure(6 + headingHeight + 6 + height);
        m_y += 6;
        record(SheetBlock::Kind::Heading, heading);
        if (m_p) {
            m_p->setFont(font);
            m_p->setPen(kHeadingColour);
            m_p->drawText(QRectF(0, m_y, width(), headingHeight), Qt::TextWordWrap | Qt::AlignLeft, heading);
        }
        m_y += headingHeight + 6;
        ensure(height); // fits, unless the heading and the block together fill more than a page
    }

    // A heading with nothing under it yet goes down alone.
    void flushHeading()
    {
        if (!m_heading.isEmpty()) place(0);
    }

    void row(const std::vector<QString>& cells, double height, const std::vector<double>& shares,
             const std::vector<bool>& rightAligned, bool header)
    {
        record(header ? SheetBlock::Kind::TableHeader : SheetBlock::Kind::TableRow,
               cells.empty() ? QString() : cells[0]);
        if (m_p) {
            double x = 0;
            m_p->setFont(rowFont(header ? 0 : 1));
            m_p->setPen(Qt::black);
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const Qt::Alignment align = rightAligned[c] ? Qt::AlignRight : Qt::AlignLeft;
                m_p->drawText(QRectF(x + 4, m_y + 3, shares[c] * width() - 8, height - 6), Qt::TextWordWrap | align,
                              cells[c]);
                x += shares[c] * width();
            }
            m_p->setPen(QPen(QColor(0, 0, 0, header ? 160 : 60), header ? 1 : 0.6));
            m_p->drawLine(QPointF(0, m_y + height), QPointF(width(), m_y + height));
        }
        m_y += height;
    }

    // Starts a new page unless `height` fits below; says whether it did.
    bool ensure(double height)
    {
        if (m_y + height <= bottom() || m_y == 0) return false;
        foot();
        if (m_p) m_device.newPage();
        ++m_page;
        m_y = 0;
        return true;
    }

    void foot()
    {
        if (!m_p) return;
        const QFont small = fontOf(10);
        m_p->setFont(small);
        m_p->setPen(QColor(0x44, 0x44, 0x44));
        const double top = m_size.height() - 26;
        m_p->drawLine(QPointF(0, top - 4), QPointF(width(), top - 4));
        const QString page = QStringLiteral("Página %1 de %2").arg(m_page).arg(m_total);
        const double pageWidth = QFontMetricsF(small, &m_device).horizontalAdvance(page) + 12;
        m_p->drawText(QRectF(0, top, width() - pageWidth, 26), Qt::TextWordWrap, kFootNote);
        m_p->drawText(QRectF(width() - pageWidth, top, pageWidth, 26), Qt::AlignRight, page);
    }

    QPainter* m_p;
    QPagedPaintDevice& m_device;
    int m_total;
    std::vector<SheetBlock>* m_blocks;
    QSizeF m_size;
    int m_page = 1;
    double m_y = 0;
    QString m_heading; // waiting for what goes under it
};

void writeSheet(Sheet& sheet, const CaseReport& r, const ReportHeader& header)
{
    sheet.text(programTitle(), fontOf(20, true), 2, kHeadingColour, SheetBlock::Kind::Title);
    const QString when = header.when.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    const QString file = header.fileName.isEmpty() ? QStringLiteral("sin guardar") : header.fileName;
    sheet.text(QStringLiteral("Retención, versión %1 · %2 · Archivo: %3").arg(programVersion(), when, file), fontOf(11),
               10, QColor(0x44, 0x44, 0x44));
    sheet.titleBlock(header.project);

    sheet.heading(r.caseName + QStringLiteral(": ") + r.heading);
    if (r.drawing) sheet.drawing(*r.drawing);
    for (const ReportChoice& c : r.choices)
        sheet.text(c.group + QStringLiteral(": ") + c.chosen, fontOf(12), 2);

    const std::vector<double> shares{0.12, 0.56, 0.2, 0.12};
    const std::vector<bool> right{false, false, true, false};
    const auto rowsOf = [](const std::vector<ReportLine>& lines) {
        std::vector<std::vector<QString>> rows{{QStringLiteral("Símbolo"), QStringLiteral("Significado"),
                                                QStringLiteral("Valor"), QStringLiteral("Unidad")}};
        for (const ReportLine& l : lines)
            rows.push_back({l.symbol, l.meaning, l.value, l.unit});
        return rows;
    };
    sheet.heading(QStringLiteral("Datos"));
    sheet.table(rowsOf(r.inputs), shares, right);

    sheet.heading(QStringLiteral("Resultados"));
    if (r.refused)
        sheet.notice(QStringLiteral("Cálculo rechazado: %1. %2")
                         .arg(r.refusalTitle.isEmpty() ? outOfRangeMessage() : r.refusalTitle, r.refusal)
                         .trimmed(),
                     fontOf(12, true), QColor(0xa0, 0x10, 0x10));
    if (r.outOfDate)
        sheet.notice(outOfDateMark() + QStringLiteral(" después del último cálculo, y los resultados no les "
                                                      "corresponden."),
                     fontOf(12, true), QColor(0x80, 0x50, 0x00));
    sheet.table(rowsOf(r.results), shares, right);
    if (r.search) {
        sheet.heading(QStringLiteral("Búsqueda de un valor"));
        sheet.text(QStringLiteral("Dato buscado: %1").arg(r.search->sought), fontOf(12), 2);
        sheet.text(QStringLiteral("Valor pedido: %1").arg(r.search->target), fontOf(12), 2);
        sheet.text(QStringLiteral("Valor encontrado: %1, con el que se ha hecho el cálculo").arg(r.search->found),
                   fontOf(12, true));
    }

    sheet.heading(QStringLiteral("Ábaco"));
    for (const figures::Figure& f : r.charts)
        sheet.figure(f);
    if (!r.sizingCurve.empty()) {
        sheet.heading(QStringLiteral("Curva de dimensionamiento"));
        for (const figures::Figure& f : r.sizingCurve)
            sheet.figure(f);
    }

    if (!r.routingTable.empty()) {
        sheet.heading(QStringLiteral("Comprobación por laminación"));
        // One paragraph, so that the heading takes all of it along.
        sheet.text(r.routingText.join(QLatin1Char('\n')), fontOf(12));
        sheet.table(r.routingTable, {0.4, 0.2, 0.2, 0.2}, {false, true, true, true});
        for (const figures::Figure& f : r.routingFigures)
            sheet.figure(f);
    }
    sheet.finish();
}

} // namespace

int paintReport(QPagedPaintDevice& device, const CaseReport& report, const ReportHeader& header)
{
    device.setPageLayout(kPageLayout);
    Sheet count(nullptr, device, 0);
    writeSheet(count, report, header);
    const int pages = count.pages();

    QPainter p;
    if (!p.begin(&device)) return 0;
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(device.logicalDpiX() / kUnitsPerInch, device.logicalDpiY() / kUnitsPerInch);
    Sheet sheet(&p, device, pages);
    writeSheet(sheet, report, header);
    p.end();
    return pages;
}

std::vector<SheetBlock> sheetLayout(const CaseReport& report, const ReportHeader& header)
{
    QBuffer nowhere;
    nowhere.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&nowhere);
    pdf.setResolution(600);
    pdf.setPageLayout(kPageLayout);
    std::vector<SheetBlock> blocks;
    Sheet layout(nullptr, pdf, 0, &blocks);
    writeSheet(layout, report, header);
    return blocks;
}

QString writeReportPdf(const CaseReport& report, const ReportHeader& header, const QString& path)
{
    return writeAtomically(path, [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setResolution(600);
        pdf.setTitle(report.caseName + QStringLiteral(" — ") + programTitle());
        pdf.setCreator(QStringLiteral("Retención ") + programVersion());
        return paintReport(pdf, report, header) == 0 ? QStringLiteral("No se ha podido dibujar el informe") : QString();
    });
}

} // namespace retencion

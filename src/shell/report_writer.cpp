#include "shell/report_writer.h"

#include "charts/figure_painter.h"
#include "shell/program_title.h"
#include "shell/qt_ui_services.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <optional>

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

// Where the next line of the sheet goes, page after page. Without a painter
// it only counts the pages, so that the foot can say "de M".
class Sheet {
public:
    Sheet(QPainter* painter, QPagedPaintDevice& device, int total)
        : m_p(painter), m_device(device), m_total(total), m_size(device.width() * kUnitsPerInch / device.logicalDpiX(),
                                                                 device.height() * kUnitsPerInch / device.logicalDpiY())
    {
    }

    double width() const { return m_size.width(); }
    int pages() const { return m_page; }

    // A paragraph, wrapped to the width.
    void text(const QString& s, const QFont& font, double gapAfter = 4, const QColor& colour = Qt::black)
    {
        const QRectF box = measure(s, font, width());
        ensure(box.height());
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
        ensure(box.height() + 12);
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
    // row is the heading.
    void table(const std::vector<std::vector<QString>>& rows, const std::vector<double>& shares,
               const std::vector<bool>& rightAligned)
    {
        const QFont body = fontOf(12);
        const QFont head = fontOf(12, true);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const QFont& font = r == 0 ? head : body;
            double height = 0;
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                height = std::max(height, measure(rows[r][c], font, shares[c] * width() - 8).height());
            height += 6;
            ensure(height);
            if (m_p) {
                double x = 0;
                m_p->setFont(font);
                m_p->setPen(Qt::black);
                for (std::size_t c = 0; c < rows[r].size(); ++c) {
                    const Qt::Alignment align = rightAligned[c] ? Qt::AlignRight : Qt::AlignLeft;
                    m_p->drawText(QRectF(x + 4, m_y + 3, shares[c] * width() - 8, height - 6), Qt::TextWordWrap | align,
                                  rows[r][c]);
                    x += shares[c] * width();
                }
                m_p->setPen(QPen(QColor(0, 0, 0, r == 0 ? 160 : 60), r == 0 ? 1 : 0.6));
                m_p->drawLine(QPointF(0, m_y + height), QPointF(width(), m_y + height));
            }
            m_y += height;
        }
        m_y += 8;
    }

    // A figure across the whole width, as the chart window draws it.
    void figure(const figures::Figure& f)
    {
        const QFont font = fontOf(11);
        const double height = std::max(width() * 0.62, minimumFigureHeight(f, width(), font));
        ensure(height);
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
        ensure(height);
        if (m_p) {
            m_p->save();
            m_p->setFont(font);
            paintDrawing(*m_p, QRectF((width() - w) / 2, m_y, w, height), d, QPalette(Qt::white));
            m_p->restore();
        }
        m_y += height + 10;
    }

    void heading(const QString& s)
    {
        ensure(60); // a heading never ends a page alone
        m_y += 6;
        text(s, fontOf(15, true), 6, QColor(0x10, 0x3a, 0x66));
    }

    void finish() { foot(); }

private:
    QRectF measure(const QString& s, const QFont& font, double w) const
    {
        return QFontMetricsF(font, &m_device).boundingRect(QRectF(0, 0, w, 1e6), Qt::TextWordWrap, s);
    }

    double bottom() const { return m_size.height() - 34; } // the foot below

    void ensure(double height)
    {
        if (m_y + height <= bottom() || m_y == 0) return;
        foot();
        if (m_p) m_device.newPage();
        ++m_page;
        m_y = 0;
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
    QSizeF m_size;
    int m_page = 1;
    double m_y = 0;
};

void writeSheet(Sheet& sheet, const CaseReport& r, const ReportHeader& header)
{
    sheet.text(programTitle(), fontOf(20, true), 2, QColor(0x10, 0x3a, 0x66));
    const QString when = header.when.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    const QString file = header.fileName.isEmpty() ? QStringLiteral("sin guardar") : header.fileName;
    sheet.text(QStringLiteral("Retención, versión %1 · %2 · Archivo: %3").arg(programVersion(), when, file), fontOf(11),
               10, QColor(0x44, 0x44, 0x44));

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
        sheet.notice(QStringLiteral("Cálculo rechazado: %1. %2").arg(outOfRangeMessage(), r.refusal).trimmed(),
                     fontOf(12, true), QColor(0xa0, 0x10, 0x10));
    if (r.outOfDate)
        sheet.notice(QStringLiteral("Resultado anterior: los datos han cambiado después del último cálculo, y "
                                    "los resultados no les corresponden."),
                     fontOf(12, true), QColor(0x80, 0x50, 0x00));
    sheet.table(rowsOf(r.results), shares, right);

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
        for (const QString& line : r.routingText)
            sheet.text(line, fontOf(12));
        sheet.table(r.routingTable, {0.4, 0.2, 0.2, 0.2}, {false, true, true, true});
        for (const figures::Figure& f : r.routingFigures)
            sheet.figure(f);
    }
    sheet.finish();
}

} // namespace

int paintReport(QPagedPaintDevice& device, const CaseReport& report, const ReportHeader& header)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                     QPageLayout::Millimeter));
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

QString writeReportPdf(const CaseReport& report, const ReportHeader& header, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(600);
        pdf.setTitle(report.caseName + QStringLiteral(" — ") + programTitle());
        pdf.setCreator(QStringLiteral("Retención ") + programVersion());
        if (paintReport(pdf, report, header) == 0) {
            file.cancelWriting();
            return QStringLiteral("no se ha podido dibujar el informe");
        }
    }
    if (!file.commit()) return file.errorString();
    return {};
}

void previewReport(QWidget* parent, const CaseReport& report, const ReportHeader& header)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.caseName + QStringLiteral(" — ") + programTitle());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("VistaPrevia"));
    preview.setWindowTitle(QStringLiteral("Imprimir — ") + report.caseName);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report, &header](QPrinter* p) { paintReport(*p, report, header); });
    preview.exec();
}

} // namespace retencion

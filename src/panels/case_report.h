#pragma once
// What a calculation sheet says of one case, made from the case's data
// (panels/case_sheet.h), so that the report and the window never disagree.

#include "figures/figure.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace retencion {

struct ReportLine {
    QString symbol;  // "Ip"
    QString meaning; // "Caudal punta del hidrograma de entrada"
    QString value;   // as read (inputs) or as shown (results)
    QString unit;    // may be empty
};

struct ReportChoice {
    QString group;  // "Tipo de Cálculo"
    QString chosen; // "Cálculo de la Superficie del Depósito", or "ninguno"
};

// A calculation that came from "Buscar valor…": what was sought, for which
// target, and the value found.
struct SearchNote {
    QString sought; // "D: Diámetro del orificio de salida"
    QString target; // "Qp = 2,5 m³/s"
    QString found;  // "D = 1,042 m"
};

struct CaseReport {
    QString caseName; // "Caso A"
    QString heading;  // the description on its tab
    std::vector<ReportChoice> choices;
    std::vector<ReportLine> inputs;
    std::vector<ReportLine> results;
    bool refused = false;   // the last calculation was refused
    QString refusalTitle;   // what refused it; empty: values out of the studied range
    QString refusal;        // the sentence that said why
    bool outOfDate = false; // the results no longer answer the data
    // The case's schematic, at the top.
    std::optional<figures::Drawing> drawing;
    std::vector<figures::Figure> charts;
    // The sizing curve of the last calculation's inputs, computed for the
    // sheet; none before a calculation.
    std::vector<figures::Figure> sizingCurve;
    // Case A: the check by routing, in words and figures; empty elsewhere.
    QStringList routingText;
    std::vector<std::vector<QString>> routingTable; // header row first
    std::vector<figures::Figure> routingFigures;
    // The search the last calculation came from, if it did.
    std::optional<SearchNote> search;
};

} // namespace retencion

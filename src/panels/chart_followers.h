#pragma once
// The windows that show a case's last result: its chart window, which a
// panel opens and refreshes, and any other (case A's routing check), each
// told when the result no longer answers the form.

#include "cases/case_input.h"
#include "figures/figure.h"
#include "numbers/separators.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace retencion {

class ChartWindow;
class UiServices;

// What the chart window shows of the form.
struct ChartContent {
    std::vector<figures::Figure> figures;
    std::optional<CaseInput> curveInput; // the last calculation's, for the sizing curve
    Separators separators;
    QString caption; // the data as typed
};

class ChartFollowers {
public:
    // A window that shows the last result, and says so when it is out of date.
    void follow(ChartWindow* window, bool outOfDate);
    void markOutOfDate(bool outOfDate);

    // Opens the case's chart window, made the first time, with `content`.
    void showChart(char letter, UiServices& services, QWidget* panel, bool outOfDate, const ChartContent& content);
    // Shows `content()` in an open chart window; a hidden one stops the
    // curve it is still routing, which answers data the form no longer holds.
    void refresh(const std::function<ChartContent()>& content);
    ChartWindow* chart() const { return m_chart; } // null until first shown

private:
    static void show(ChartWindow* window, const ChartContent& content);

    std::vector<ChartWindow*> m_following;
    ChartWindow* m_chart = nullptr;
};

} // namespace retencion

#pragma once

#include "cases/case_input.h"
#include "files/calculation_file.h"
#include "panels/case_report.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QTabWidget;

namespace retencion {

class CalculationFiles;
class ManualWindow;
class CasePanel;
class ProjectDialog;
class UiServices;

// The main window: the banner, the tab control `SSTab1` with the five case
// panels and the index, and the menu; the calculation it shows, as a whole,
// is what a calculation file keeps.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kIndexTab = static_cast<int>(kCaseLetters.size()); // after the cases

    // `FirstFrameFirst`, for the program as the user starts it: the window
    // is painted first with the index in front, and the five case tabs are
    // built right after that first frame, or before any input reaches the
    // window if that comes first. `Whole` builds everything at once.
    enum class Start { Whole, FirstFrameFirst };

    explicit Form1(UiServices& services, QWidget* parent = nullptr, Start start = Start::Whole);

    QTabWidget* tabs() const { return m_tabs; }
    CalculationFiles& files() const { return *m_files; }
    CasePanel* casePanel(int tab) const; // tabs 0 to 4; built if they were not yet

    // Every case and the tab in front; showing one replaces all of them.
    CalculationState calculation() const;
    void showCalculation(const CalculationState& state);

    void Form_Load();
    void Salir_Click();
    // The sheet of the case in front: as a PDF ("Informe PDF…"), or printed.
    void InformePDF_Click();
    void Imprimir_Click();
    // The About window, through the services: shown modally, the same window each time.
    void Acer_Click();
    // The manual (F1): at the quantity of the field with the focus, or at
    // the page of the case in front.
    void Manual_Click();
    ManualWindow* manual() const { return m_manual; } // null until first opened
    // Loads a worked example of the manual into its case, computed; the
    // work on screen is saved or left first, as when opening a file.
    void openExample(const QString& id);
    // Opens the design chart of the case on show (menu "Ábacos").
    void VerAbaco_Click();
    void Buscar_Click(); // "Buscar valor…" on the case shown
    // The inputs and results of the case in front, tab-separated.
    void CopiarResultados_Click();
    // Asks for the project's data of the sheet's title block, without
    // holding the window; accepted changes count as unsaved work.
    void DatosProyecto_Click();
    ProjectDialog* projectDialog() const { return m_projectDialog; } // null until first opened

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    // The search the calculation of the case shown came from, for its sheet.
    std::optional<SearchNote> searchNoteInFront() const;
    // The five case panels, each into its tab's page; once.
    void buildPanels();
    QSize openingSize() const;

    UiServices& m_services;
    QTabWidget* m_tabs;
    std::array<CasePanel*, kIndexTab> m_panels{}; // null until built
    ProjectDialog* m_projectDialog = nullptr;
    ManualWindow* m_manual = nullptr;
    CalculationFiles* m_files = nullptr;
    ProjectData m_project;
    bool m_leaving = false; // "Salir" has already asked
};

} // namespace retencion

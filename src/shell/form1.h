#pragma once

#include <QMainWindow>

class QTabWidget;

namespace retencion {

class Acerca;
class UiServices;

// The main window: the banner, the tab control `SSTab1` with the five case
// panels and the index, and the menu.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kIndexTab = 5;

    explicit Form1(UiServices& services, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    Acerca* about() const { return m_about; } // null until first opened

    void Form_Load();
    void Salir_Click();
    void Acer_Click();
    // Opens the design chart of the case on show (menu "Ábacos").
    void VerAbaco_Click();

private:
    QTabWidget* m_tabs;
    Acerca* m_about = nullptr;
};

} // namespace retencion

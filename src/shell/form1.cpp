#include "shell/form1.h"

#include "panels/case_a_panel.h"
#include "panels/case_b_panel.h"
#include "panels/case_c_panel.h"
#include "panels/case_d_panel.h"
#include "panels/case_e_panel.h"
#include "shell/acerca.h"
#include "shell/banner.h"
#include "shell/case_index.h"
#include "shell/program_title.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace retencion {
namespace {

// A scroll area that asks for room for its whole content (Qt's own caps its
// wish at a few dozen lines), so that the window opens showing everything
// where the screen allows it, and scrolls only where it does not.
class WholeContentScroll : public QScrollArea {
public:
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

} // namespace

Form1::Form1(UiServices& services, QWidget* parent) : QMainWindow(parent), m_tabs(new QTabWidget)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programTitle());

    auto* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("Archivo"));
    QAction* salir = archivo->addAction(QStringLiteral("&Salir"), this, &Form1::Salir_Click);
    salir->setObjectName(QStringLiteral("Salir"));
    auto* abacos = menuBar()->addMenu(QStringLiteral("Á&bacos"));
    abacos->setObjectName(QStringLiteral("Abacos"));
    QAction* verAbaco = abacos->addAction(QStringLiteral("&Ver ábaco del caso"), this, &Form1::VerAbaco_Click);
    verAbaco->setObjectName(QStringLiteral("VerAbaco"));
    verAbaco->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    auto* ayuda = menuBar()->addMenu(QStringLiteral("Ay&uda"));
    ayuda->setObjectName(QStringLiteral("Ayuda"));
    QAction* acer = ayuda->addAction(QStringLiteral("Acerca del &Programa"), this, &Form1::Acer_Click);
    acer->setObjectName(QStringLiteral("Acer"));

    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(new CaseAPanel(services), QStringLiteral("Caso A"));
    m_tabs->addTab(new CaseBPanel(services), QStringLiteral("Caso B"));
    m_tabs->addTab(new CaseCPanel(services), QStringLiteral("Caso C"));
    m_tabs->addTab(new CaseDPanel(services), QStringLiteral("Caso D"));
    m_tabs->addTab(new CaseEPanel(services), QStringLiteral("Caso E"));
    auto* index = new CaseIndex;
    m_tabs->addTab(index, QStringLiteral("INDICE"));
    connect(index, &CaseIndex::caseChosen, m_tabs, &QTabWidget::setCurrentIndex);
    // The index has no chart of its own.
    connect(m_tabs, &QTabWidget::currentChanged, verAbaco,
            [verAbaco](int tab) { verAbaco->setEnabled(tab != kIndexTab); });

    // On a small screen, or at a large scale, the window can be smaller than
    // its content: the content then scrolls.
    auto* scroll = new WholeContentScroll;
    scroll->setObjectName(QStringLiteral("Desplazamiento"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(6);
    layout->addWidget(new Banner);
    auto* tabRow = new QHBoxLayout;
    tabRow->setContentsMargins(8, 0, 8, 0);
    tabRow->addWidget(m_tabs);
    layout->addLayout(tabRow, 1);
    scroll->setWidget(central);
    setCentralWidget(scroll);

    // Opens whole where the screen allows it, and never larger than the
    // room the screen leaves.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(sizeHint().boundedTo(screen->availableGeometry().size()));
    Form_Load();
}

void Form1::Form_Load()
{
    m_tabs->setCurrentIndex(kIndexTab);
}

void Form1::Salir_Click()
{
    QApplication::quit();
}

void Form1::VerAbaco_Click()
{
    if (auto* panel = qobject_cast<CasePanel*>(m_tabs->currentWidget())) panel->showChart();
}

void Form1::Acer_Click()
{
    if (!m_about) m_about = new Acerca(this);
    m_about->exec();
}

} // namespace retencion

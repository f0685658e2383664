#include "shell/form1.h"

#include "panels/case_a_panel.h"
#include "panels/case_b_panel.h"
#include "panels/case_c_panel.h"
#include "panels/case_d_panel.h"
#include "panels/case_e_panel.h"
#include "cases/worked_examples.h"
#include "charts/ui_services.h"
#include "shell/acerca.h"
#include "shell/banner.h"
#include "shell/calculation_files.h"
#include "shell/case_index.h"
#include "shell/manual.h"
#include "shell/report_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
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

Form1::Form1(UiServices& services, QWidget* parent)
    : QMainWindow(parent), m_tabs(new QTabWidget), m_services(services)
{
    setObjectName(QStringLiteral("Form1"));

    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(new CaseAPanel(services), QStringLiteral("Caso A"));
    m_tabs->addTab(new CaseBPanel(services), QStringLiteral("Caso B"));
    m_tabs->addTab(new CaseCPanel(services), QStringLiteral("Caso C"));
    m_tabs->addTab(new CaseDPanel(services), QStringLiteral("Caso D"));
    m_tabs->addTab(new CaseEPanel(services), QStringLiteral("Caso E"));
    auto* index = new CaseIndex;
    m_tabs->addTab(index, QStringLiteral("INDICE"));
    connect(index, &CaseIndex::caseChosen, m_tabs, &QTabWidget::setCurrentIndex);
    m_files = new CalculationFiles(
        *this, services, [this] { return calculation(); },
        [this](const CalculationState& state) { showCalculation(state); });
    for (int tab = 0; tab < kIndexTab; ++tab)
        connect(casePanel(tab), &CasePanel::edited, m_files, [this] { m_files->setModified(true); });
    buildMenus(services);

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

    // A calculation file dropped anywhere on the window opens, even on a
    // field, which would otherwise take its name as typed text.
    setAcceptDrops(true);
    for (auto* field : findChildren<QLineEdit*>())
        field->installEventFilter(this);
    Form_Load();
}

void Form1::buildMenus(UiServices& services)
{
    const auto add = [this](QMenu* menu, const char* name, const QString& caption, auto handler,
                            QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(caption, this, handler);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };
    auto* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("Archivo"));
    add(
        archivo, "Nuevo", QStringLiteral("&Nuevo"), [this] { m_files->newCalculation(); },
        QKeySequence(Qt::CTRL | Qt::Key_N));
    add(
        archivo, "Abrir", QStringLiteral("&Abrir…"), [this] { m_files->open(); }, QKeySequence(Qt::CTRL | Qt::Key_O));
    QMenu* recent = archivo->addMenu(QStringLiteral("Abrir &reciente"));
    recent->setObjectName(QStringLiteral("AbrirRecienteMenu"));
    recent->menuAction()->setObjectName(QStringLiteral("AbrirReciente"));
    m_files->setRecentMenu(recent);
    archivo->addSeparator();
    add(
        archivo, "Guardar", QStringLiteral("&Guardar"), [this] { m_files->save(); },
        QKeySequence(Qt::CTRL | Qt::Key_S));
    add(
        archivo, "GuardarComo", QStringLiteral("Guardar &como…"), [this] { m_files->saveAs(); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    archivo->addSeparator();
    QAction* informe = add(
        archivo, "InformePDF", QStringLiteral("&Informe PDF…"), [this, &services] { saveReportOf(*this, services); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QAction* imprimir = add(
        archivo, "Imprimir", QStringLiteral("Im&primir…"), [this] { printReportOf(*this); },
        QKeySequence(Qt::CTRL | Qt::Key_P));
    archivo->addSeparator();
    add(archivo, "Salir", QStringLiteral("&Salir"), &Form1::Salir_Click);

    auto* edicion = menuBar()->addMenu(QStringLiteral("E&dición"));
    edicion->setObjectName(QStringLiteral("Edicion"));
    QAction* copiar = add(edicion, "CopiarResultados", QStringLiteral("&Copiar resultados"),
                          &Form1::CopiarResultados_Click, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));

    auto* abacos = menuBar()->addMenu(QStringLiteral("Á&bacos"));
    abacos->setObjectName(QStringLiteral("Abacos"));
    QAction* verAbaco = add(abacos, "VerAbaco", QStringLiteral("&Ver ábaco del caso"), &Form1::VerAbaco_Click,
                            QKeySequence(Qt::CTRL | Qt::Key_B));
    auto* ayuda = menuBar()->addMenu(QStringLiteral("Ay&uda"));
    ayuda->setObjectName(QStringLiteral("Ayuda"));
    add(ayuda, "Manual", QStringLiteral("&Manual"), &Form1::Manual_Click, QKeySequence(Qt::Key_F1));
    add(ayuda, "Acer", QStringLiteral("Acerca del &Programa"), &Form1::Acer_Click);

    // The index has no chart, inputs or results of its own.
    connect(m_tabs, &QTabWidget::currentChanged, this, [=](int tab) {
        for (QAction* action : {verAbaco, copiar, informe, imprimir})
            action->setEnabled(tab != kIndexTab);
    });
}

CasePanel* Form1::casePanel(int tab) const
{
    return qobject_cast<CasePanel*>(m_tabs->widget(tab));
}

CalculationState Form1::calculation() const
{
    CalculationState state;
    for (int tab = 0; tab < kIndexTab; ++tab)
        state.cases.insert(QString(QChar(u'A' + tab)), casePanel(tab)->state());
    const int current = m_tabs->currentIndex();
    state.currentCase = current < kIndexTab ? QString(QChar(u'A' + current)) : QStringLiteral("INDICE");
    return state;
}

void Form1::showCalculation(const CalculationState& state)
{
    for (int tab = 0; tab < kIndexTab; ++tab)
        casePanel(tab)->restore(state.cases.value(QString(QChar(u'A' + tab))));
    const qsizetype letter = QStringLiteral("ABCDE").indexOf(state.currentCase);
    m_tabs->setCurrentIndex(state.currentCase.size() == 1 && letter >= 0 ? int(letter) : kIndexTab);
}

void Form1::CopiarResultados_Click()
{
    if (auto* panel = qobject_cast<CasePanel*>(m_tabs->currentWidget()))
        QGuiApplication::clipboard()->setText(panel->valuesTable());
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (m_leaving || m_files->maybeSave())
        event->accept();
    else
        event->ignore();
}

namespace {

// The calculation file a drag carries, or nothing.
QString draggedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".retencion"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

} // namespace

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!draggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that a question asked on the way
    // does not hold the dragging application.
    QTimer::singleShot(0, this, [this, path] { m_files->openPath(path); });
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (!draggedFile(static_cast<QDropEvent*>(event)->mimeData()).isEmpty()) {
            static_cast<QDropEvent*>(event)->acceptProposedAction();
            return true;
        }
        break;
    case QEvent::Drop:
        if (!draggedFile(static_cast<QDropEvent*>(event)->mimeData()).isEmpty()) {
            dropEvent(static_cast<QDropEvent*>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Form_Load()
{
    m_tabs->setCurrentIndex(kIndexTab);
}

void Form1::Salir_Click()
{
    if (!m_files->maybeSave()) return;
    m_leaving = true;
    QApplication::quit();
}

void Form1::VerAbaco_Click()
{
    if (auto* panel = qobject_cast<CasePanel*>(m_tabs->currentWidget())) panel->showChart();
}

void Form1::Manual_Click()
{
    QUrl at;
    if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget()); field && isAncestorOf(field))
        at = manualUrlForField(field->objectName());
    if (!at.isValid()) at = manualUrlForTab(m_tabs->currentIndex());
    if (!m_manual) {
        m_manual = new ManualWindow(m_services, this);
        connect(m_manual, &ManualWindow::exampleChosen, this, &Form1::openExample);
    }
    m_manual->showAt(at);
}

void Form1::openExample(const QString& id)
{
    const WorkedExample* example = workedExample(id.toStdString());
    if (!example || !m_files->maybeSave()) return;
    const int tab = caseLetter(example->input) - 'A';
    CaseState state;
    state.options = QString::fromUtf8(example->options).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const TypedValue& v : typedValues(example->input))
        state.fields.insert(QString::fromLatin1(v.control),
                            QString::fromStdString(FormatSignificant(v.value, 6, m_services.separators())));
    CasePanel* panel = casePanel(tab);
    panel->restore(state);
    m_tabs->setCurrentIndex(tab);
    panel->calcular()->click();
    activateWindow();
    raise();
}

void Form1::Acer_Click()
{
    if (!m_about) m_about = new Acerca(this);
    m_about->exec();
}

} // namespace retencion

#include "shell/form1.h"

#include "cases/worked_examples.h"
#include "charts/ui_services.h"
#include "panels/case_panels.h"
#include "shell/application.h"
#include "shell/banner.h"
#include "shell/calculation_files.h"
#include "shell/case_index.h"
#include "shell/manual.h"
#include "shell/project_dialog.h"
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
#include <QSignalBlocker>
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

Form1::Form1(UiServices& services, QWidget* parent, Start start)
    : QMainWindow(parent), m_services(services), m_tabs(new QTabWidget)
{
    setObjectName(QStringLiteral("Form1"));

    // Each case tab holds an empty page until its panel takes its place.
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < kIndexTab; ++tab)
        m_tabs->addTab(new QWidget, QStringLiteral("Caso %1").arg(QChar(u'A' + tab)));
    auto* index = new CaseIndex;
    m_tabs->addTab(index, indexTabName());
    connect(index, &CaseIndex::caseChosen, m_tabs, &QTabWidget::setCurrentIndex);
    m_files = new CalculationFiles(
        *this, services, [this] { return calculation(); },
        [this](const CalculationState& state) { showCalculation(state); });
    buildMenus();

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

    // A calculation file dropped anywhere on the window opens, even on a
    // field, which would otherwise take its name as typed text.
    setAcceptDrops(true);
    if (start == Start::Whole) {
        buildPanels();
    } else {
        resize(openingSize());
        qApp->installEventFilter(this); // watches for the first frame, and for input before it
    }
    Form_Load();
}

void Form1::buildPanels()
{
    if (m_panels[0]) return;
    qApp->removeEventFilter(this);
    setApplicationIcon();
    const QSize opened = openingSize();
    for (int tab = 0; tab < kIndexTab; ++tab)
        m_panels[tab] = newCasePanel(kCaseLetters[static_cast<std::size_t>(tab)], m_services).release();
    // Each panel takes its page's place, the tab in front staying in front.
    const QSignalBlocker quiet(m_tabs);
    const int current = m_tabs->currentIndex();
    for (int tab = 0; tab < kIndexTab; ++tab) {
        QWidget* page = m_tabs->widget(tab);
        const QString caption = m_tabs->tabText(tab);
        m_tabs->removeTab(tab);
        m_tabs->insertTab(tab, m_panels[tab], caption);
        delete page;
        connect(m_panels[tab], &CasePanel::edited, m_files, [this] { m_files->setModified(true); });
        for (auto* field : m_panels[tab]->findChildren<QLineEdit*>())
            field->installEventFilter(this);
    }
    m_tabs->setCurrentIndex(current);
    // A window already shown grows to its panels only where it has kept the
    // size it opened at.
    if (!isVisible() || size() == opened) resize(openingSize());
}

// Whole where the screen allows it, and never larger than the room the
// screen leaves.
QSize Form1::openingSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? sizeHint().boundedTo(screen->availableGeometry().size()) : sizeHint();
}

void Form1::buildMenus()
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
    add(archivo, "DatosProyecto", QStringLiteral("&Datos del proyecto…"), &Form1::DatosProyecto_Click);
    QAction* informe = add(archivo, "InformePDF", QStringLiteral("&Informe PDF…"), &Form1::InformePDF_Click,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QAction* imprimir = add(archivo, "Imprimir", QStringLiteral("Im&primir…"), &Form1::Imprimir_Click,
                            QKeySequence(Qt::CTRL | Qt::Key_P));
    archivo->addSeparator();
    add(archivo, "Salir", QStringLiteral("&Salir"), &Form1::Salir_Click);

    auto* edicion = menuBar()->addMenu(QStringLiteral("E&dición"));
    edicion->setObjectName(QStringLiteral("Edicion"));
    QAction* copiar = add(edicion, "CopiarResultados", QStringLiteral("&Copiar resultados"),
                          &Form1::CopiarResultados_Click, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));

    // Its access key, u: every other letter of "Cálculo" opens something on
    // some tab, so "Ayuda" gives up its u for y.
    auto* calculo = menuBar()->addMenu(QStringLiteral("Cálc&ulo"));
    calculo->setObjectName(QStringLiteral("Calculo"));
    QAction* buscar = add(calculo, "BuscarValor", QStringLiteral("&Buscar valor…"), &Form1::Buscar_Click,
                          QKeySequence(Qt::CTRL | Qt::Key_F));

    auto* abacos = menuBar()->addMenu(QStringLiteral("Á&bacos"));
    abacos->setObjectName(QStringLiteral("Abacos"));
    QAction* verAbaco = add(abacos, "VerAbaco", QStringLiteral("&Ver ábaco del caso"), &Form1::VerAbaco_Click,
                            QKeySequence(Qt::CTRL | Qt::Key_B));
    auto* ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    ayuda->setObjectName(QStringLiteral("Ayuda"));
    add(ayuda, "Manual", QStringLiteral("&Manual"), &Form1::Manual_Click, QKeySequence(Qt::Key_F1));
    add(ayuda, "Acer", QStringLiteral("Acerca del &Programa"), &Form1::Acer_Click);

    // The index has no chart, inputs or results of its own.
    connect(m_tabs, &QTabWidget::currentChanged, this, [=](int tab) {
        for (QAction* action : {verAbaco, copiar, informe, imprimir, buscar})
            action->setEnabled(tab != kIndexTab);
    });
}

CasePanel* Form1::casePanel(int tab) const
{
    if (tab < 0 || tab >= kIndexTab) return nullptr;
    const_cast<Form1*>(this)->buildPanels();
    return m_panels[std::size_t(tab)];
}

CalculationState Form1::calculation() const
{
    CalculationState state;
    for (int tab = 0; tab < kIndexTab; ++tab)
        state.cases.insert(caseLetters()[tab], casePanel(tab)->state());
    const int current = m_tabs->currentIndex();
    state.currentCase = current < kIndexTab ? caseLetters()[current] : indexTabName();
    state.project = m_project;
    return state;
}

void Form1::showCalculation(const CalculationState& state)
{
    for (int tab = 0; tab < kIndexTab; ++tab)
        casePanel(tab)->restore(state.cases.value(caseLetters()[tab]));
    const qsizetype letter = caseLetters().indexOf(state.currentCase);
    m_tabs->setCurrentIndex(letter >= 0 ? int(letter) : kIndexTab);
    m_project = state.project;
    if (m_projectDialog) m_projectDialog->reject(); // it would answer the calculation replaced
}

void Form1::DatosProyecto_Click()
{
    if (!m_projectDialog) {
        m_projectDialog = new ProjectDialog(this);
        connect(m_projectDialog, &QDialog::accepted, this, [this] {
            const ProjectData typed = m_projectDialog->data();
            if (typed == m_project) return;
            m_project = typed;
            m_files->setModified(true);
        });
    }
    m_projectDialog->setData(m_project);
    m_projectDialog->open();
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
    if (!m_panels[0]) {
        // Started first frame first: the panels are built once that frame
        // is painted, or at once if input comes before, so that every
        // control can be found from the first event on.
        switch (event->type()) {
        case QEvent::Paint:
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this)
                // Once the rest of that frame is painted too.
                QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, &Form1::buildPanels); });
            break;
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::DragEnter:
        case QEvent::Drop:
            buildPanels();
            break;
        default:
            break;
        }
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (!qobject_cast<QLineEdit*>(watched)) break;
        if (!draggedFile(static_cast<QDropEvent*>(event)->mimeData()).isEmpty()) {
            static_cast<QDropEvent*>(event)->acceptProposedAction();
            return true;
        }
        break;
    case QEvent::Drop:
        if (!qobject_cast<QLineEdit*>(watched)) break;
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

std::optional<SearchNote> Form1::searchNoteInFront() const
{
    if (const auto* panel = qobject_cast<const CasePanel*>(m_tabs->currentWidget())) return panel->searchNote();
    return std::nullopt;
}

void Form1::InformePDF_Click()
{
    saveReportOf(this, calculation(), sheetFileName(*m_files), searchNoteInFront(), m_services);
}

void Form1::Imprimir_Click()
{
    printReportOf(this, calculation(), sheetFileName(*m_files), searchNoteInFront(), m_services);
}

void Form1::Acer_Click()
{
    m_services.showAbout(this);
}

void Form1::VerAbaco_Click()
{
    if (auto* panel = qobject_cast<CasePanel*>(m_tabs->currentWidget())) panel->showChart();
}

void Form1::Buscar_Click()
{
    if (auto* panel = qobject_cast<CasePanel*>(m_tabs->currentWidget())) panel->buscar();
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

} // namespace retencion

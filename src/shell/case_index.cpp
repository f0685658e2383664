#include "shell/case_index.h"

#include "charts/drawing_view.h"
#include "figures/case_drawings.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace retencion {
namespace {

struct IndexRow {
    const char* labelName;
    const char* caseName;
    const char* optionName;
    const char* description;
};

constexpr IndexRow kRows[] = {
    {"Label31", "Caso A", "Option1",
     "Depósitos de Retención sin derivación y sin considerar la influencia del conducto de salida"},
    {"Label32", "Caso B", "Option2",
     "Depósitos de Retención sin derivación, con salida libre y considerando la influencia del conducto de salida"},
    {"Label47", "Caso C", "Option3",
     "Depósitos de Retención sin derivación con salida sumergida y considerando la influencia del conducto de "
     "salida"},
    {"Label48", "Caso D", "Option4",
     "Depósitos de Retención con derivación y sin considerar la interacción depósito red"},
    {"Label52", "Caso E", "Option5", "Depósitos de Retención con derivación, considerando la interacción depósito red"},
};

// Wide enough to read its names, small enough for five rows on a laptop.
constexpr int kDrawingWidth = 160;

} // namespace

CaseIndex::CaseIndex(QWidget* parent) : QWidget(parent)
{
    auto* heading = new QLabel(QStringLiteral("Tipo de depósito a analizar"), this);
    heading->setObjectName(QStringLiteral("Label26"));
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);

    QFont optionFont(QStringLiteral("Arial"));
    optionFont.setStyleHint(QFont::SansSerif);
    optionFont.setPointSizeF(11.25);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);
    int tab = 0;
    for (const IndexRow& row : kRows) {
        auto* label = new QLabel(QString::fromUtf8(row.caseName), this);
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setFont(optionFont);
        auto* option = new QRadioButton(QString::fromUtf8(row.description), this);
        option->setObjectName(QString::fromLatin1(row.optionName));
        option->setFont(optionFont);
        option->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + tab)));
        // The schematic beside the description, without the caption a
        // page has room for.
        figures::Drawing drawing = figures::caseDrawing(char('A' + tab));
        drawing.caption.clear();
        auto* view = new DrawingView(std::move(drawing), kDrawingWidth, this);
        view->setObjectName(QStringLiteral("Dibujo%1").arg(QChar(u'A' + tab)));
        QFont small = view->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        view->setFont(small);
        grid->addWidget(label, tab, 0);
        grid->addWidget(option, tab, 1);
        grid->addWidget(view, tab, 2);
        connect(option, &QRadioButton::clicked, this, [this, tab] { emit caseChosen(tab); });
        option->installEventFilter(this);
        ++tab;
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(heading);
    layout->addSpacing(16);
    layout->addLayout(grid);
    layout->addStretch(1);
}

// Enter on an option opens its case, as Space does.
bool CaseIndex::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* option = qobject_cast<QRadioButton*>(watched)) {
                option->click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace retencion

#include "panels/search_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace retencion {
namespace {

// "D: Diámetro del orificio de salida (m)"
QString described(const char* symbol, const char* meaning, const char* unit)
{
    QString text = QString::fromUtf8(symbol) + QStringLiteral(": ") + QString::fromUtf8(meaning);
    if (*unit) text += QStringLiteral(" (") + QString::fromUtf8(unit) + QLatin1Char(')');
    return text;
}

} // namespace

SearchDialog::SearchDialog(const CaseInput& input, QWidget* parent)
    : QDialog(parent), m_input(input), m_unknowns(searchableFields(input)), m_unknown(new QComboBox(this)),
      m_target(new QComboBox(this)), m_value(new QLineEdit(this)), m_unit(new QLabel(this))
{
    setObjectName(QStringLiteral("BuscarValor"));
    setWindowTitle(QStringLiteral("Buscar valor"));
    auto* intro = new QLabel(QStringLiteral("Busca el valor de un dato con el que un resultado alcanza el valor "
                                            "pedido, con los demás datos como están en el formulario."),
                             this);
    intro->setWordWrap(true);

    m_unknown->setObjectName(QStringLiteral("BuscarIncognita"));
    for (const InputField* f : m_unknowns)
        m_unknown->addItem(described(f->symbol, f->meaning, f->unit));
    m_target->setObjectName(QStringLiteral("BuscarObjetivo"));
    for (const bool height : {false, true})
        if (const ResultField* r = resultField(input, height)) {
            m_targets.push_back(height ? SearchTarget::Height : SearchTarget::Main);
            m_target->addItem(described(r->symbol, r->meaning, r->unit));
        }
    m_value->setObjectName(QStringLiteral("BuscarValorObjetivo"));
    m_unit->setObjectName(QStringLiteral("BuscarUnidad"));
    connect(m_target, &QComboBox::currentIndexChanged, this, &SearchDialog::targetChanged);
    targetChanged();

    auto* form = new QFormLayout;
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(m_value);
    valueRow->addWidget(m_unit);
    form->addRow(QStringLiteral("&Dato buscado:"), m_unknown);
    form->addRow(QStringLiteral("&Resultado:"), m_target);
    auto* valueLabel = new QLabel(QStringLiteral("&Valor pedido:"), this);
    valueLabel->setBuddy(m_value);
    form->addRow(valueLabel, valueRow);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* search = buttons->addButton(QStringLiteral("&Buscar"), QDialogButtonBox::AcceptRole);
    search->setObjectName(QStringLiteral("BuscarAceptar"));
    search->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BuscarCancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_value->setFocus();
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
}

void SearchDialog::targetChanged()
{
    const ResultField* r = resultField(m_input, target() == SearchTarget::Height);
    m_unit->setText(r ? QString::fromUtf8(r->unit) : QString());
}

const InputField* SearchDialog::unknown() const
{
    const int i = m_unknown->currentIndex();
    return i >= 0 && i < int(m_unknowns.size()) ? m_unknowns[std::size_t(i)] : nullptr;
}

SearchTarget SearchDialog::target() const
{
    const int i = m_target->currentIndex();
    return i >= 0 && i < int(m_targets.size()) ? m_targets[std::size_t(i)] : SearchTarget::Main;
}

QString SearchDialog::valueText() const
{
    return m_value->text();
}

} // namespace retencion

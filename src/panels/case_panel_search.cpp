// "Buscar valor…" on a case panel: the form read through the case's field
// table, the value sought, and the calculation made with the value found.

#include "panels/case_panel.h"

#include "cases/refusal_text.h"
#include "cases/search_text.h"
#include "cases/value_search.h"
#include "charts/ui_services.h"
#include "numbers/read_number.h"
#include "panels/search_dialog.h"

#include <QLineEdit>

#include <string_view>

namespace retencion {
namespace {

std::u16string_view textOf(const QLineEdit* field)
{
    const QString& text = field->text();
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

} // namespace

CaseInput CasePanel::formInput() const
{
    return formInput(nullptr, nullptr);
}

// The form through the case's table; `unread`, where given, gets the
// sentence for the first field other than `unknown` that is empty or no
// number, and the search does not go on.
CaseInput CasePanel::formInput(const InputField* unknown, QString* unread) const
{
    const CaseFields& table = m_table;
    const Separators s = separators();
    const Choice chosen = choice();
    CaseInput input = blankInput(table.letter, chosen.calculation, chosen.outlet);
    const CalculationType c = calculationOf(input);
    const Outlet o = outletOf(input);
    for (const InputField& f : table.inputs) {
        if (!f.when.holds(c, o) && !f.heldWhenHidden) continue;
        const QLineEdit* box = field(f.control);
        const FieldNumber n = f.minutes ? ReadFieldMinutes(textOf(box), s) : ReadField(textOf(box), s);
        f.slot.set(input, n.value);
        if (!unread || !unread->isEmpty() || (unknown && std::string_view(unknown->control) == f.control)) continue;
        if (n.text == FieldText::Empty)
            *unread = QStringLiteral("Falta el valor de %1.").arg(QString::fromUtf8(f.symbol));
        else if (n.text == FieldText::NotANumber)
            *unread = QString::fromStdString(describeNotANumber(box->text().toStdString(), f.quantity));
    }
    return input;
}

void CasePanel::buscar()
{
    const QString cannot = QStringLiteral("No se puede buscar un valor.");
    const CaseInput options = formInput();
    if (!resultField(options, false) && !resultField(options, true)) {
        m_services.reportFailure(this, cannot,
                                 QStringLiteral("Elija antes el tipo de cálculo: el valor pedido es el de su "
                                                "resultado."));
        return;
    }
    SearchDialog dialog(options, this);
    if (!m_services.askInDialog(&dialog) || !dialog.unknown()) return;
    const Separators s = separators();
    QString unread;
    const CaseInput input = formInput(dialog.unknown(), &unread);
    const QString typed = dialog.valueText();
    const FieldNumber value = ReadField(
        std::u16string_view(reinterpret_cast<const char16_t*>(typed.utf16()), static_cast<std::size_t>(typed.size())),
        s);
    if (unread.isEmpty() && value.text == FieldText::Empty) unread = QStringLiteral("Falta el valor pedido del resultado.");
    if (unread.isEmpty() && value.text == FieldText::NotANumber)
        unread = QStringLiteral("El valor pedido, «%1», no es un número.").arg(typed.trimmed());
    if (!unread.isEmpty()) {
        m_services.reportFailure(this, cannot, unread);
        return;
    }
    const SearchRequest request{input, dialog.unknown(), dialog.target(), value.value};
    SearchAnswer answer = searchValue(request);
    if (answer.found.empty()) {
        m_services.reportFailure(this, QStringLiteral("Ningún valor alcanza el valor pedido."),
                                 QString::fromStdString(describeSearch(request, answer, s)));
        return;
    }
    if (answer.found.size() > 1) {
        // A result that turns: every value is listed, and none written
        // until one is chosen.
        QStringList items;
        for (const double x : answer.found)
            items << QString::fromStdString(unknownText(request, x, s));
        const QString question =
            QStringLiteral("%1 valores de %2 dan %3. Elija el que se escribe:")
                .arg(items.size())
                .arg(QString::fromUtf8(request.unknown->symbol), QString::fromStdString(targetText(request, s)));
        const int chosen = m_services.chooseOne(this, question, items);
        if (chosen < 0) return;
        answer.found = {answer.found[std::size_t(chosen)]};
    }
    const double x = answer.found.front();
    field(request.unknown->control)->setText(QString::fromStdString(valueText(request, x, s)));
    m_calcular->click();
    m_search = SearchNote{
        QString::fromUtf8(request.unknown->symbol) + QStringLiteral(": ") + QString::fromUtf8(request.unknown->meaning),
        QString::fromStdString(targetText(request, s)), QString::fromStdString(unknownText(request, x, s))};
    m_services.reportInformation(this, QString::fromStdString(describeSearch(request, answer, s)), {});
}

} // namespace retencion

#include "shell/project_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace retencion {
namespace {

// A line long enough for a project's name, not for a novel.
constexpr int kMaxLine = 200;

template <typename Field> Field* named(const char* name, const QString& meaning, QWidget* parent)
{
    auto* field = new Field(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(meaning);
    return field;
}

} // namespace

ProjectDialog::ProjectDialog(QWidget* mainWindow)
    : QDialog(mainWindow), m_name(named<QLineEdit>("Proyecto", QStringLiteral("Proyecto"), this)),
      m_location(named<QLineEdit>("Emplazamiento", QStringLiteral("Emplazamiento"), this)),
      m_author(named<QLineEdit>("Autor", QStringLiteral("Autor"), this)),
      m_notes(named<QPlainTextEdit>("Notas", QStringLiteral("Notas"), this))
{
    setObjectName(QStringLiteral("DatosProyecto"));
    setWindowTitle(QStringLiteral("Datos del proyecto"));
    for (QLineEdit* line : {m_name, m_location, m_author})
        line->setMaxLength(kMaxLine);
    // Tab moves on to the buttons rather than typing a tab into the notes.
    m_notes->setTabChangesFocus(true);
    m_notes->setMinimumHeight(m_notes->fontMetrics().lineSpacing() * 5);

    auto* intro = new QLabel(QStringLiteral("Lo que aquí se escriba figura en la cabecera del informe y se guarda "
                                            "con el cálculo."),
                             this);
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    const auto row = [form, this](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(QStringLiteral("&Proyecto:"), m_name);
    row(QStringLiteral("&Emplazamiento:"), m_location);
    row(QStringLiteral("A&utor:"), m_author);
    row(QStringLiteral("&Notas:"), m_notes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

void ProjectDialog::setData(const ProjectData& data)
{
    m_name->setText(data.name);
    m_location->setText(data.location);
    m_author->setText(data.author);
    m_notes->setPlainText(data.notes);
}

ProjectData ProjectDialog::data() const
{
    return {m_name->text().trimmed(), m_location->text().trimmed(), m_author->text().trimmed(),
            m_notes->toPlainText().trimmed()};
}

} // namespace retencion

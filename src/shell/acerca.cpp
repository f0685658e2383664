#include "shell/acerca.h"

#include "shell/banner.h"
#include "shell/program_title.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace retencion {

Acerca::Acerca(QWidget* mainWindow) : QDialog(mainWindow)
{
    setObjectName(QStringLiteral("Acerca"));
    setWindowTitle(programTitle());
    setAccessibleName(programTitle());
    setAccessibleDescription(QStringLiteral("Acerca del Programa, versión ") + programVersion());

    auto* title = new QLabel(programTitle(), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(15.75);
    font.setBold(true);
    title->setFont(font);
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignCenter);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image2"));
    image->setPixmap(tankPicture(QSize(217, 57), devicePixelRatioF()));
    image->setAlignment(Qt::AlignCenter);
    image->setAccessibleName(QStringLiteral("Dibujo de un hidrograma de entrada, su salida laminada y un depósito"));

    auto* version = new QLabel(QStringLiteral("Versión   ") + programVersion(), this);
    version->setObjectName(QStringLiteral("Label3"));
    version->setAlignment(Qt::AlignCenter);

    auto* credit = new QLabel(QStringLiteral("Equipo de desarrollo de Retención\nHidráulica urbana"), this);
    credit->setObjectName(QStringLiteral("Label2"));

    auto* aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("Aceptar"));
    aceptar->setDefault(true);
    aceptar->setMinimumWidth(aceptar->sizeHint().width() * 3 / 2);
    connect(aceptar, &QPushButton::clicked, this, &Acerca::Aceptar_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 24);
    layout->setSpacing(18);
    layout->addWidget(title);
    layout->addWidget(image);
    layout->addWidget(version);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(credit, 1);
    bottom->addWidget(aceptar, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
    setMinimumWidth(507);
}

void Acerca::Aceptar_Click()
{
    hide();
    if (QWidget* main = parentWidget()) {
        main->show();
        main->activateWindow();
    }
}

} // namespace retencion

#pragma once
// The manual, in Spanish, inside the program: pages kept as resources, with
// the parts that the program's own data already state (each case's fields,
// units and studied ranges, its worked examples, its drawing) generated
// from that data when a page is shown.

#include "numbers/separators.h"

#include <QImage>
#include <QStringList>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QLineEdit;

namespace retencion {

class UiServices;

// The pages in reading order, the contents first.
const QStringList& manualPages();
// A page as shown; empty for a page the manual does not have.
QString manualPageHtml(const QString& page, const Separators& separators);
// "qrc:/manual/caso_a.html#AIP"
QUrl manualUrl(const QString& page, const QString& anchor = {});
// Where F1 opens: at the quantity of a field of the form ("AIP"), or at the
// page of a case tab (0 to 4; any other tab: the contents).
QUrl manualUrlForField(const QString& control);
QUrl manualUrlForTab(int tab);
// The drawing a page names ("dibujo:A-vertedero"), `width` pixels wide at
// the screen's pixel ratio; a null image for a name it does not know.
QImage manualDrawing(const QString& name, int width, double ratio, const QFont& font);

// Shows the pages, with their drawings, and follows their links; a link
// "ejemplo:A1" is the browser's caller's to open.
class ManualBrowser : public QTextBrowser {
public:
    ManualBrowser(const Separators& separators, QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    Separators m_separators;
};

// The manual's window: the page, a find box, back, forward, the contents
// and printing.
class ManualWindow : public QWidget {
    Q_OBJECT
public:
    ManualWindow(UiServices& services, QWidget* parent);

    void showAt(const QUrl& url);
    QTextBrowser* browser() const;
    // Finds `text` after the selection, on this page and then on the pages
    // after it, going round once; false when no page has it.
    bool findText(const QString& text);
    // Every page, one after the other, as printed.
    void print();

signals:
    // A link "Abrir este ejemplo": the worked example's id.
    void exampleChosen(const QString& id);

private:
    void followLink(const QUrl& url);

    ManualBrowser* m_browser;
    QLineEdit* m_find;
    Separators m_separators;
};

} // namespace retencion

#pragma once

#include <QWidget>

namespace retencion {

// The "INDICE" tab: one row per design case, whose option button opens
// that case's tab and changes nothing else.
class CaseIndex : public QWidget {
    Q_OBJECT
public:
    explicit CaseIndex(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void caseChosen(int tab);
};

} // namespace retencion

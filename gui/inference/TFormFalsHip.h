#pragma once
// "FALSYFIKACJA HIPOTEZY GŁÓWNEJ": offered after a backward run failed to prove its main
// hypothesis. It shows the hypothesis and the conclusions about the same fact; the user
// selects one or several of them as falsifying conclusions and starts their proof.

#include "TFormMetodyWnios.h"

#include <QList>

namespace tremida::gui {

class TFormFalsHip : public TFormMetodyWnios {
    Q_OBJECT
public:
    explicit TFormFalsHip(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);

    // The main hypothesis and the candidates in their order, none selected; Start and OK
    // visible, the notice hidden.
    void przygotuj(int kodSyst, const QString &nazSyst, const QString &hipGlowna, const QStringList &kandydaci);
    // Indices (from 0, ascending) of the selected candidates.
    QList<int> zaznaczone() const;
};

} // namespace tremida::gui

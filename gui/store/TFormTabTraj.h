#pragma once
// "TABELA TRAJEKTORII WNIOSKOWANIA": the steps of the last inference run of one chosen
// knowledge base, read only, so that the run can be retraced.

#include "widgets/Kontrolki.h"
#include "widgets/Nawigator.h"
#include "widgets/OknoTabeli.h"

#include <QString>
#include <QStringList>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TPanelWyjasnien;

class TFormTabTraj : public OknoTabeli {
    Q_OBJECT
public:
    explicit TFormTabTraj(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    // Opens the knowledge bases and the steps of the first one, shows the first step's date
    // and shows the window.
    void otworz();

    void ZmiaKolFormTabTraj(const TParKonfig &konfig);

    // The nine items of the outcome list, in order.
    static QStringList pozycjePrzyczyn();
    // Index of the outcome item a stored outcome text selects, -1 for none.
    static int indeksPrzyczyny(const QString &zapisana);

    ZbiorDanych *zbiorSyst() const { return m_syst; }
    ZbiorDanych *zbiorTraj() const { return m_traj; }
    Nawigator *nawigatorSyst() const { return m_nawSyst; }
    Nawigator *nawigator() const { return m_nawTraj; }
    Siatka *siatka() const { return m_siatkaTraj; }
    QLineEdit *poleDaty() const { return m_data; }
    GrupaRadiowa *kierunek() const { return m_kier; }
    GrupaRadiowa *czyOdpalona() const { return m_czyOdpal; }
    GrupaRadiowa *przyczyna() const { return m_przyczyna; }
    // The explanations of the chosen system's last run, beside the steps grid.
    TPanelWyjasnien *wyjasnienia() const { return m_wyjasnienia; }

protected:
    void zamknijZbiory() override;
    // The step's fields and the list of reasons stand side by side on a wide screen and one
    // above the other on a narrow one.
    void resizeEvent(QResizeEvent *e) override;

private:
    void uruchomZapytanieKrokow();
    void pokazKrok();

    ZbiorDanych *m_syst, *m_traj;
    Siatka *m_siatkaSyst, *m_siatkaTraj;
    Nawigator *m_nawSyst, *m_nawTraj;
    QLabel *m_naglowekSyst, *m_naglowekTraj, *m_lKodSyst, *m_lNazSyst;
    QLineEdit *m_kodSyst, *m_nazSyst;
    QLabel *m_lKrok, *m_lKodSystKroku, *m_lReg, *m_lPoz, *m_lIter, *m_lCF, *m_lData;
    QLineEdit *m_krok, *m_kodSystKroku, *m_reg, *m_poz, *m_iter, *m_cf, *m_data;
    GrupaRadiowa *m_kier, *m_czyOdpal, *m_przyczyna;
    TPanelWyjasnien *m_wyjasnienia;
    QBoxLayout *m_dol = nullptr;
    QLayout *m_pola = nullptr;
};

} // namespace tremida::gui

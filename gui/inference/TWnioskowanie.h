#pragma once
// The inference windows and the road of an inference in the GUI: the choice of a knowledge
// base, reading input-fact files, verification, the launcher, the method forms, the input
// dialog and the conclusions display. The engines of core/inference talk to the user
// through this object (TUzytkownikWnios); the windows only call the engines' operations.

#include "inference/SesjaWnios.h"
#include "inference/UzytkownikWnios.h"
#include "inference/FalsHip.h"
#include "inference/WniosMiesz.h"
#include "inference/WniosWPrzod.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <functional>
#include <initializer_list>

class QAction;
class QWidget;

namespace tremida::gui {

class KontekstAplikacji;
class TFormCzytFakt;
class TFormCzytFaktWnios;
class TFormFalsHip;
class TFormKontrSpojn;
class TFormMetodyWnios;
class TFormRealizWnios;
class TFormWeryf;
class TFormWizKonkl;
class TFormWniosMiesz;
class TFormWniosWPrzod;
class TFormWniosWstecz;
class TFormWybSyst;

// The three inference commands of the main menu enabled step by step.
struct TPozycjeWnioskowania {
    QAction *czytFakt = nullptr;
    QAction *weryf = nullptr;
    QAction *realiz = nullptr;
};

class TWnioskowanie : public QObject, public TUzytkownikWnios {
    Q_OBJECT
public:
    TWnioskowanie(KontekstAplikacji &kontekst, TPozycjeWnioskowania menu, QWidget *oknoGlowne);
    ~TWnioskowanie() override;

    TSesjaWnios sesja;

    // Main-menu commands (their file tests are made by the main window).
    void wyborSystemu();
    void czytanieFaktow();
    void weryfikacja();
    void realizacja();
    void kontrolaSpojnosci();
    // The "Baza danych" menu was opened: inference needs a new choice of knowledge base.
    void odwiedzonoBazeDanych();

    TWniosWPrzod &wPrzod() { return m_wPrzod; }
    TWniosWstecz &wstecz() { return m_wstecz; }
    TFalsHip &fals() { return m_fals; }
    TWniosMiesz &miesz() { return m_miesz; }
    // Whether a run waits at the conclusions display.
    bool wstrzymany() const;

    TFormWybSyst *formWybSyst() const { return m_wybSyst; }
    TFormRealizWnios *formRealizWnios() const { return m_realiz; }
    TFormWniosWPrzod *formWniosWPrzod() const { return m_formWPrzod; }
    TFormWniosWstecz *formWniosWstecz() const { return m_formWstecz; }
    TFormWniosMiesz *formWniosMiesz() const { return m_formMiesz; }
    TFormFalsHip *formFalsHip() const { return m_formFals; }
    TFormCzytFaktWnios *formCzytFaktWnios() const { return m_czytFaktWnios; }
    TFormWizKonkl *formWizKonkl() const { return m_wizKonkl; }
    TFormCzytFakt *formCzytFakt() const { return m_czytFakt; }
    TFormWeryf *formWeryf() const { return m_weryf; }
    TFormKontrSpojn *formKontrSpojn() const { return m_kontrSpojn; }

    // TUzytkownikWnios
    void komunikat(const QString &tekst) override;
    void czytajFakt(TKontekstCzytFakt &kontekst) override;
    void pokazKonkluzje(const TWizKonkl &wiz) override;
    void uwagaWToku(bool widoczna) override;
    void wToku() override;
    void wymagajNowegoWyboru() override;
    void pokazFalsyfikacje(const QString &hipGlowna, const QStringList &kandydaci) override;
    void uwagaFazyMieszanej(int faza) override;

private:
    enum class Metoda { Brak, WPrzod, Wstecz, Miesz };

    void ustawPozycje(bool czytFakt, bool weryf, bool realiz);
    void wybrano(int kodSyst);
    void porzucWstrzymany();
    // Abandons a paused run and hides the launcher, the method forms and the falsification
    // form with the conclusions display.
    void zamknijOknaWnioskowania();
    // A verification failed: inference is unavailable until a clean one.
    void wylaczWnioskowanie();
    // Shows the launcher when a run asked for it (wymagajNowegoWyboru) on its way out.
    void pokazWyrzutniePoPrzebiegu();
    // Opens the form `forma` of a method once the base is verified: drops a paused run, shows
    // Start and OK on the forms `zPrzyciskami`, prepares the run by `przygotuj` (nothing more
    // when it fails) and shows `forma` with the conclusions it gives.
    void organizujMetode(Metoda metoda, TFormMetodyWnios *forma, std::initializer_list<TFormMetodyWnios *> zPrzyciskami,
                         const std::function<bool(QStringList &)> &przygotuj);
    void organizujWPrzod();
    void organizujWstecz();
    void organizujMiesz();
    void startWPrzod();
    void poPrzebieguWPrzod(WynikPrzebiegu w);
    void startWstecz();
    void poPrzebieguWstecz(WynikPrzebiegu w);
    void startMiesz();
    void startFals();
    void poPrzebieguFals(WynikPrzebiegu w);
    void opuscFals();
    // After a backward run or falsification ended: the falsification form when it was just
    // offered, otherwise the launcher.
    void poKoncuWstecz();
    void kontynuuj();
    void zamknijProces();
    TFormMetodyWnios *formMetody() const;
    QWidget *rodzicKomunikatu() const;

    KontekstAplikacji &m_kontekst;
    TPozycjeWnioskowania m_menu;
    QWidget *m_oknoGlowne;
    TWniosWPrzod m_wPrzod;
    TWniosWstecz m_wstecz;
    TFalsHip m_fals;
    TWniosMiesz m_miesz;
    Metoda m_metoda = Metoda::Brak;
    QElapsedTimer m_zegarOdmalowania; // since the windows were last painted during a run
    // The chosen knowledge base passed a verification (its OK pressed): the launcher and the
    // method forms may start inference.
    bool m_zweryfikowana = false;
    bool m_wyrzutniaPoPrzebiegu = false;
    bool m_fazaMieszanaRuszyla = false; // a phase of the mixed run in hand has started

    TFormWybSyst *m_wybSyst;
    TFormRealizWnios *m_realiz;
    TFormWniosWPrzod *m_formWPrzod;
    TFormWniosWstecz *m_formWstecz;
    TFormWniosMiesz *m_formMiesz;
    TFormFalsHip *m_formFals;
    TFormCzytFaktWnios *m_czytFaktWnios;
    TFormWizKonkl *m_wizKonkl;
    TFormCzytFakt *m_czytFakt;
    TFormWeryf *m_weryf;
    TFormKontrSpojn *m_kontrSpojn;
};

} // namespace tremida::gui

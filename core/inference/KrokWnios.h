#pragma once
// One step of an inference run (a call of Start, Dalej, Zamknij or a preparation) as a unit of
// work over the tables, and the user of a run as the engines see it.

#include "SesjaWnios.h"
#include "UzytkownikWnios.h"
#include "store/Baza.h"

#include <functional>

namespace tremida {

// How a call of a run returned.
enum class WynikPrzebiegu {
    Wstrzymany, // a conclusion is shown; continue with Dalej or close with Zamknij
    Zakonczony, // ended by exhaustion (or nothing to run)
    Przerwany,  // stopped by an error message, or by a failed read or write of the tables
};

// The user of a run, guarded: once a read or write of the tables has failed in the current
// work, nothing more is shown or asked (no message, conclusion or question would be true any
// more); the step then ends with the failure's message. Notices of the forms pass through.
// The trajectory rows kept by the step are written before the user is told anything, so a
// row that is refused stops the step before what followed it is shown.
class TUzytkownikStrzezony : public TUzytkownikWnios {
public:
    TUzytkownikStrzezony(Baza &baza, TUzytkownikWnios &uzytkownik) : m_baza(baza), m_uzytkownik(uzytkownik) {}

    // The user behind the guard.
    TUzytkownikWnios &wlasciwy() const { return m_uzytkownik; }

    void komunikat(const QString &tekst) override;
    void czytajFakt(TKontekstCzytFakt &kontekst) override;
    void pokazKonkluzje(const TWizKonkl &wiz) override;
    void uwagaWToku(bool widoczna) override { m_uzytkownik.uwagaWToku(widoczna); }
    void wToku() override { m_uzytkownik.wToku(); }
    void pokazFalsyfikacje(const QString &hipGlowna, const QStringList &kandydaci) override;
    void uwagaFazyMieszanej(int faza) override { m_uzytkownik.uwagaFazyMieszanej(faza); }
    void wymagajNowegoWyboru() override { m_uzytkownik.wymagajNowegoWyboru(); }

private:
    bool wstrzymany() const;

    Baza &m_baza;
    TUzytkownikWnios &m_uzytkownik;
};

// A step: a transaction of its own (the windows: committed at every pause, end or stop of a
// run), or a part of the one already open (tremida-cli: the whole run). At its end a failure
// of the tables is shown once, with the inference tail; an own transaction is then rolled
// back, so the tables are as they were before the step, and the step counter of the session
// goes back with it.
class TKrokWnios {
public:
    TKrokWnios(Baza &baza, TSesjaWnios &sesja, TUzytkownikStrzezony &uzytkownik);
    TKrokWnios(const TKrokWnios &) = delete;
    TKrokWnios &operator=(const TKrokWnios &) = delete;

    // The step's result: `wynik` when no failure is recorded; otherwise `poBledzie` puts the
    // run's state to rest, the failure is shown, and the step returns Przerwany (false).
    WynikPrzebiegu zakoncz(WynikPrzebiegu wynik, const std::function<void()> &poBledzie = {});
    bool zakoncz(bool wynik, const std::function<void()> &poBledzie = {});

private:
    bool koniec(const std::function<void()> &poBledzie);

    Baza &m_baza;
    TSesjaWnios &m_sesja;
    TUzytkownikStrzezony &m_uzytkownik;
    Transakcja m_transakcja;
    int m_licznikKrokow;
};

// The tables an inference run changes; a step (or the command-line run) takes their write
// locks before it begins.
extern const std::initializer_list<Tabela> TabeleWnioskowania;

// Another program may have added trajectory rows since the knowledge base was chosen: with
// the trajectory locked, the step counter goes on from the greatest step in the table.
void dopasujLicznikKrokow(Baza &baza, TSesjaWnios &sesja);

// Shows the failure recorded in the database (once), with the inference tail, to `uzytkownik`.
void pokazBladWnios(Baza &baza, TUzytkownikWnios &uzytkownik);

} // namespace tremida

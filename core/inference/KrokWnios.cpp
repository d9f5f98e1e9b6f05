#include "KrokWnios.h"

#include "DostepWnios.h"

#include <algorithm>

namespace tremida {

const std::initializer_list<Tabela> TabeleWnioskowania = {Tabela::Fakty, Tabela::WartFaktWylicz, Tabela::Reguly,
                                                          Tabela::Trajektoria};

bool TUzytkownikStrzezony::wstrzymany() const
{
    // The user is told nothing before the rows the step has kept are written: a row refused
    // stops the step before anything that followed it is shown, as it would have unkept.
    (void)m_baza.zapiszWsady();
    return m_baza.zapisWstrzymany();
}

void TUzytkownikStrzezony::komunikat(const QString &tekst)
{
    if (!wstrzymany())
        m_uzytkownik.komunikat(tekst);
}

void TUzytkownikStrzezony::czytajFakt(TKontekstCzytFakt &kontekst)
{
    if (wstrzymany()) {
        kontekst.zamknietyOk = false;
        return;
    }
    m_uzytkownik.czytajFakt(kontekst);
}

void TUzytkownikStrzezony::pokazKonkluzje(const TWizKonkl &wiz)
{
    if (!wstrzymany())
        m_uzytkownik.pokazKonkluzje(wiz);
}

void TUzytkownikStrzezony::pokazFalsyfikacje(const QString &hipGlowna, const QStringList &kandydaci)
{
    if (!wstrzymany())
        m_uzytkownik.pokazFalsyfikacje(hipGlowna, kandydaci);
}

void dopasujLicznikKrokow(Baza &baza, TSesjaWnios &sesja)
{
    sesja.LicznikKrokow = std::max(sesja.LicznikKrokow, dostep::maksKrokTraj(baza));
}

void pokazBladWnios(Baza &baza, TUzytkownikWnios &uzytkownik)
{
    if (!baza.blad() || baza.czyBladPokazany())
        return;
    baza.oznaczBladPokazany();
    uzytkownik.komunikat(komunikatBleduBazy(*baza.blad(), ogon::Wnioskowanie));
}

TKrokWnios::TKrokWnios(Baza &baza, TSesjaWnios &sesja, TUzytkownikStrzezony &uzytkownik)
    : m_baza(baza), m_sesja(sesja), m_uzytkownik(uzytkownik), m_transakcja(baza), m_licznikKrokow(sesja.LicznikKrokow)
{
    // A failure to lock is recorded: the step then writes nothing and ends with its message.
    if (m_transakcja.zajmij(TabeleWnioskowania) && m_transakcja.wlasna())
        dopasujLicznikKrokow(m_baza, m_sesja);
    m_licznikKrokow = m_sesja.LicznikKrokow;
}

bool TKrokWnios::koniec(const std::function<void()> &poBledzie)
{
    // Whoever reads the tables after the step (also inside the command-line run's transaction)
    // finds every row of the step written.
    (void)m_baza.zapiszWsady();
    if (!m_transakcja.zakoncz())
        return true;
    // The rows of the rolled-back step are gone: their step numbers are free again.
    if (m_transakcja.wlasna())
        m_sesja.LicznikKrokow = m_licznikKrokow;
    if (poBledzie)
        poBledzie();
    pokazBladWnios(m_baza, m_uzytkownik.wlasciwy());
    return false;
}

WynikPrzebiegu TKrokWnios::zakoncz(WynikPrzebiegu wynik, const std::function<void()> &poBledzie)
{
    return koniec(poBledzie) ? wynik : WynikPrzebiegu::Przerwany;
}

bool TKrokWnios::zakoncz(bool wynik, const std::function<void()> &poBledzie) { return koniec(poBledzie) && wynik; }

} // namespace tremida

#include "WniosMiesz.h"

#include "KomunikatyWnios.h"
#include "store/Baza.h"
#include "store/Slowa.h"

namespace tremida {

TWniosMiesz::TWniosMiesz(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik,
                         TWniosWstecz &wstecz, TWniosWPrzod &wprzod)
    : m_baza(baza), m_konfig(konfig), m_sesja(sesja), m_uzytkownik(baza, uzytkownik), m_wstecz(wstecz), m_wprzod(wprzod)
{
}

bool TWniosMiesz::Przygotuj(QStringList &konkluzje)
{
    TKrokWnios krok(m_baza, m_sesja, m_uzytkownik);
    return krok.zakoncz(przygotuj(konkluzje));
}

bool TWniosMiesz::przygotuj(QStringList &konkluzje)
{
    m_sesja.Tryb = TrybSesji::Mieszane;
    m_sesja.HipZdefiniowana = false;
    konkluzje.clear();
    const PokazKomunikat pokaz = [this](const QString &t) { m_uzytkownik.komunikat(t); };
    const WynikPrzygotowania wstecz = m_wstecz.PrzygotujListe(pokaz);
    if (wstecz == WynikPrzygotowania::PoziomZaWysoki || wstecz == WynikPrzygotowania::Blad)
        return false;
    if (wstecz == WynikPrzygotowania::Puste)
        pokaz(kom::mieszBezWstecz());
    switch (m_wprzod.PrzygotujListe(pokaz)) {
    case WynikPrzygotowania::PoziomZaWysoki:
    case WynikPrzygotowania::Blad:
        return false;
    case WynikPrzygotowania::Puste:
        if (wstecz == WynikPrzygotowania::Puste) {
            pokaz(kom::mieszBezObu());
            return false;
        }
        pokaz(kom::mieszBezWPrzod());
        break;
    case WynikPrzygotowania::Gotowe:
        break;
    }
    TListaReg wszystkie;
    switch (PrzygotujListeReg(m_baza, m_konfig, m_sesja.KodSyst, Kierunek::Wszystkie, wszystkie, &konkluzje, pokaz)) {
    case WynikPrzygotowania::PoziomZaWysoki:
    case WynikPrzygotowania::Blad:
        return false;
    case WynikPrzygotowania::Puste:
        pokaz(kom::mieszBezRegul());
        return false;
    case WynikPrzygotowania::Gotowe:
        break;
    }
    m_sesja.KontynuacjaZadana = false;
    return true;
}

void TWniosMiesz::ustawFaze(FazaMiesz faza)
{
    switch (faza) {
    case FazaMiesz::Brak: m_sesja.Tryb = TrybSesji::Mieszane; break;
    case FazaMiesz::PierwszyWstecz: m_sesja.Tryb = TrybSesji::MieszaneWstecz1; break;
    case FazaMiesz::WPrzod: m_sesja.Tryb = TrybSesji::MieszaneWPrzod; break;
    case FazaMiesz::DrugiWstecz: m_sesja.Tryb = TrybSesji::MieszaneWstecz2; break;
    }
    m_uzytkownik.uwagaFazyMieszanej(int(faza));
}

WynikPrzebiegu TWniosMiesz::Start(const QString &hipoteza)
{
    // The phases are steps of this one.
    TKrokWnios krok(m_baza, m_sesja, m_uzytkownik);
    return krok.zakoncz(start(hipoteza), [this] { ustawFaze(FazaMiesz::Brak); });
}

WynikPrzebiegu TWniosMiesz::start(const QString &hipoteza)
{
    m_uzytkownik.uwagaFazyMieszanej(0);
    if (hipoteza.isEmpty()) {
        m_uzytkownik.komunikat(kom::brakHipotezy());
        return WynikPrzebiegu::Przerwany;
    }
    m_sesja.HipZdefiniowana = true;
    m_sesja.HipGlowna = hipoteza;
    if (!FaktHipotezy(m_baza, m_sesja, m_uzytkownik, hipoteza))
        return WynikPrzebiegu::Przerwany;
    m_sesja.Udowodniona = false;
    m_sesja.KontynuacjaZadana = false;
    bool blad = false;
    const FazaMiesz fazy[] = {FazaMiesz::PierwszyWstecz, FazaMiesz::WPrzod, FazaMiesz::DrugiWstecz};
    for (FazaMiesz faza : fazy) {
        ustawFaze(faza);
        const WynikPrzebiegu w = faza == FazaMiesz::WPrzod ? m_wprzod.Start() : m_wstecz.Start();
        if (w == WynikPrzebiegu::Wstrzymany) {
            m_uzytkownik.uwagaFazyMieszanej(0);
            return w;
        }
        // A failed read or write of the tables ends the whole run; an error message ends
        // only its phase.
        if (m_baza.blad())
            return WynikPrzebiegu::Przerwany;
        blad = blad || w == WynikPrzebiegu::Przerwany;
    }
    m_uzytkownik.komunikat(kom::mieszNiewykazana());
    ustawFaze(FazaMiesz::Brak);
    return blad ? WynikPrzebiegu::Przerwany : WynikPrzebiegu::Zakonczony;
}

WynikPrzebiegu TWniosMiesz::Dalej()
{
    if (m_sesja.Tryb == TrybSesji::MieszaneWPrzod)
        return m_wprzod.Dalej();
    return m_wstecz.Dalej();
}

FazaMiesz TWniosMiesz::faza() const
{
    switch (m_sesja.Tryb) {
    case TrybSesji::MieszaneWstecz1: return FazaMiesz::PierwszyWstecz;
    case TrybSesji::MieszaneWPrzod: return FazaMiesz::WPrzod;
    case TrybSesji::MieszaneWstecz2: return FazaMiesz::DrugiWstecz;
    default: return FazaMiesz::Brak;
    }
}

bool TWniosMiesz::czyWstrzymany() const
{
    if (!m_sesja.czyMieszane())
        return false;
    return m_sesja.Tryb == TrybSesji::MieszaneWPrzod ? m_wprzod.czyWstrzymany() : m_wstecz.czyWstrzymany();
}

} // namespace tremida

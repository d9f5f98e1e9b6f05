#include "WniosWPrzod.h"

#include "DostepWnios.h"
#include "KomunikatyWnios.h"
#include "store/Baza.h"
#include "store/Slowa.h"

#include <QSqlQuery>
#include <exception>

namespace tremida {

TKrokTransakcji::TKrokTransakcji(Baza &baza) : m_baza(baza)
{
    m_wlasna = !m_baza.czyWTransakcji() && m_baza.rozpocznijTransakcje();
}

TKrokTransakcji::~TKrokTransakcji()
{
    if (!m_wlasna)
        return;
    if (std::uncaught_exceptions() > 0)
        m_baza.wycofajTransakcje();
    else if (!m_baza.zatwierdzTransakcje())
        m_baza.wycofajTransakcje();
}

void TStosRegOdpal::dodaj(int idReg, double cfReg, double cfKonkl)
{
    ++liczba;
    if (liczba == 1)
        pierwsza = TRegOdpal{idReg, cfKonkl};
    if (cfReg > wartNajCFReg) {
        najCFReg = TRegOdpal{idReg, cfKonkl};
        wartNajCFReg = cfReg;
    }
    if (cfKonkl > wartNajCFKonkl) {
        najCFKonkl = TRegOdpal{idReg, cfKonkl};
        wartNajCFKonkl = cfKonkl;
    }
}

std::optional<TRegOdpal> TStosRegOdpal::wybierz(const QString &metaReg) const
{
    if (metaReg == konfig::MetaMaksCFReg)
        return najCFReg;
    if (metaReg == konfig::MetaMaksCFKonkl)
        return najCFKonkl;
    return pierwsza;
}

TWniosWPrzod::TWniosWPrzod(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik)
    : m_baza(baza), m_konfig(konfig), m_sesja(sesja), m_uzytkownik(uzytkownik),
      m_ocena(baza, konfig, sesja, uzytkownik)
{
}

bool TWniosWPrzod::Przygotuj(QStringList &konkluzje)
{
    TKrokTransakcji tr(m_baza);
    stan = TStanWniosWPrzod();
    const PokazKomunikat pokaz = [this](const QString &t) { m_uzytkownik.komunikat(t); };
    return PrzygotujWnioskowanieWPrzod(m_baza, m_konfig, m_sesja, stan.listaReg, konkluzje, pokaz);
}

bool TWniosWPrzod::zresetujBaze() { return ZresetujBazeWiedzy(m_baza, m_sesja.KodSyst); }

WynikPrzebiegu TWniosWPrzod::Start(const QString &hipoteza)
{
    if (m_sesja.KontynuacjaZadana && stan.wstrzymany)
        return Dalej();
    TKrokTransakcji tr(m_baza);
    m_ocena.trybPytania = TrybWnios::WPrzod;
    const bool samodzielny = !m_sesja.Mieszane;
    stan.tryb = samodzielny ? TrybWPrzod::Samodzielny : TrybWPrzod::FazaMieszana;
    stan.wstrzymany = false;
    stan.regulyHip.clear();
    stan.hipFakt = 0;

    if (samodzielny) {
        m_uzytkownik.uwagaWToku(false);
        if (!hipoteza.isEmpty()) {
            stan.hipZdefiniowana = true;
            stan.hipGlowna = hipoteza;
            stan.udowodniona = false;
            m_uzytkownik.komunikat(kom::H1());
        } else {
            stan.hipZdefiniowana = false;
            stan.hipGlowna.clear();
            m_uzytkownik.komunikat(kom::H2());
        }
        m_sesja.HipZdefiniowana = stan.hipZdefiniowana;
        m_sesja.HipGlowna = stan.hipGlowna;
        m_uzytkownik.uwagaWToku(true);
    } else {
        stan.hipZdefiniowana = m_sesja.HipZdefiniowana;
        stan.hipGlowna = m_sesja.HipGlowna;
        stan.udowodniona = false;
        const PokazKomunikat pokaz = [this](const QString &t) { m_uzytkownik.komunikat(t); };
        switch (PrzygotujListeReg(m_baza, m_konfig, m_sesja.KodSyst, Kierunek::WPrzod, stan.listaReg, nullptr,
                                  pokaz)) {
        case WynikPrzygotowania::Puste:
            m_uzytkownik.komunikat(kom::H3());
            return WynikPrzebiegu::Zakonczony;
        case WynikPrzygotowania::PoziomZaWysoki:
            return WynikPrzebiegu::Zakonczony;
        case WynikPrzygotowania::Gotowe:
            break;
        }
    }

    if (stan.hipZdefiniowana) {
        const auto fakt = FaktHipotezy(m_baza, m_sesja, m_uzytkownik, stan.hipGlowna);
        if (!fakt)
            return WynikPrzebiegu::Przerwany;
        stan.hipFakt = fakt->IdFakt;
        for (const TPozListyReg &p : stan.listaReg) {
            const auto r = dostep::regula(m_baza, p.IdReg);
            if (r && r->KonklReg == stan.hipGlowna)
                stan.regulyHip.append(p.IdReg);
        }
    }

    if (samodzielny)
        UsunTrajSystemu(m_baza, m_sesja.KodSyst);
    zresetujReguly(m_baza, m_sesja.KodSyst, Kierunek::WPrzod);
    if (maksPoziomReg(m_baza, m_sesja.KodSyst, Kierunek::WPrzod) > m_konfig.MaxPozReg) {
        m_uzytkownik.komunikat(kom::H4());
        return WynikPrzebiegu::Przerwany;
    }
    if (samodzielny)
        zresetujBaze();
    if (stan.listaReg.isEmpty()) {
        if (samodzielny)
            m_uzytkownik.komunikat(kom::H5());
        return koniecWyczerpania();
    }
    stan.iteracja = 0;
    return przebieg(Krok::NowaIteracja);
}

WynikPrzebiegu TWniosWPrzod::Dalej()
{
    if (!stan.wstrzymany)
        return WynikPrzebiegu::Zakonczony;
    TKrokTransakcji tr(m_baza);
    stan.wstrzymany = false;
    m_uzytkownik.uwagaWToku(stan.tryb == TrybWPrzod::Samodzielny);
    return przebieg(stan.odpalonaWczesniej ? Krok::Badanie : Krok::NowaIteracja);
}

void TWniosWPrzod::Zamknij()
{
    stan.wstrzymany = false;
    m_sesja.KontynuacjaZadana = false;
    if (stan.tryb != TrybWPrzod::Samodzielny)
        return;
    m_uzytkownik.komunikat(kom::przerwanieWPrzodPrzezUzytkownika());
    m_uzytkownik.wymagajNowegoWyboru();
}

WynikPrzebiegu TWniosWPrzod::koniecWyczerpania()
{
    stan.wstrzymany = false;
    m_sesja.KontynuacjaZadana = false;
    if (stan.tryb == TrybWPrzod::Samodzielny) {
        m_uzytkownik.uwagaWToku(false);
        if (stan.hipZdefiniowana)
            m_uzytkownik.komunikat(stan.udowodniona ? kom::H7() : kom::H8());
        else
            m_uzytkownik.komunikat(kom::H9());
        m_uzytkownik.wymagajNowegoWyboru();
    } else if (stan.udowodniona) {
        m_uzytkownik.uwagaWToku(false);
        m_uzytkownik.komunikat(kom::H10());
        m_uzytkownik.wymagajNowegoWyboru();
    }
    return WynikPrzebiegu::Zakonczony;
}

WynikPrzebiegu TWniosWPrzod::przebieg(Krok krok)
{
    const bool samodzielny = stan.tryb == TrybWPrzod::Samodzielny;
    const int dlugosc = int(stan.listaReg.size());
    for (;;) {
        switch (krok) {
        case Krok::NowaIteracja:
            if (samodzielny)
                m_uzytkownik.uwagaWToku(true);
            stan.stos.zeruj();
            ++stan.iteracja;
            stan.pozycja = 0;
            krok = Krok::Badanie;
            break;

        case Krok::Badanie: {
            ++stan.pozycja;
            if (stan.pozycja > dlugosc)
                return koniecWyczerpania();
            const auto reg = dostep::regula(m_baza, stan.listaReg.at(stan.pozycja - 1).IdReg);
            if (!reg || reg->CzyBieUdzWeWnios != slowa::Tak) {
                // A rule that has fired and takes no more part gets no trajectory row.
                if (stan.pozycja == dlugosc)
                    krok = Krok::Odpalenie;
                break;
            }
            const TWynikReg w = m_ocena.OblWartLogPolaPrzesReg(*reg, reg->PozReg, stan.iteracja, TrybOceny::WPrzod);
            if (w.przerwanie) {
                stan.wstrzymany = false;
                return WynikPrzebiegu::Przerwany;
            }
            if (w.przyjeta)
                stan.stos.dodaj(reg->IdReg, reg->CFReg, w.cfKonkl);
            if (m_konfig.MetaReg == konfig::MetaPierwsza && stan.stos.liczba == 1)
                krok = Krok::Odpalenie;
            else if (stan.pozycja >= dlugosc)
                krok = Krok::Odpalenie;
            break;
        }

        case Krok::Odpalenie: {
            const auto wybrana = stan.stos.liczba > 0 ? stan.stos.wybierz(m_konfig.MetaReg) : std::nullopt;
            if (!wybrana)
                return koniecWyczerpania();
            stan.wybrana = *wybrana;
            auto reg = dostep::regula(m_baza, wybrana->IdReg);
            if (!reg)
                return koniecWyczerpania();
            const QString kod = QString::number(reg->IdReg);
            m_sesja.OstatniKodReg = kod;
            QString rodzFakt;
            if (!m_ocena.ZapiszKonkl(kod, reg->KonklReg, wybrana->cfKonkl, &rodzFakt)) {
                stan.wstrzymany = false;
                return WynikPrzebiegu::Przerwany;
            }
            stan.odpalonaWczesniej = reg->CzyOdpal == slowa::Tak;
            reg->CzyOdpal = slowa::Tak;
            reg->CzyBieUdzWeWnios = m_konfig.CzyOdpalUwzgl ? slowa::Tak : slowa::Nie;
            reg->CFKonklReg = wybrana->cfKonkl;
            dostep::zapiszStanReguly(m_baza, *reg);
            DopiszKrokTraj(m_baza, m_sesja, reg->IdReg, reg->PozReg, stan.iteracja, slowa::WPrzod, slowa::Tak,
                           wybrana->cfKonkl, kom::przyczynaOdpalona());
            const double agreg = m_ocena.zagregowanyCF(reg->KonklReg);
            if (const auto poZapisie = dostep::regula(m_baza, wybrana->IdReg))
                m_wiz = m_ocena.WizKonklReg(*poZapisie, agreg, rodzFakt);
            if (!stan.hipZdefiniowana) {
                stan.wstrzymany = true;
                m_uzytkownik.pokazKonkluzje(m_wiz);
                return WynikPrzebiegu::Wstrzymany;
            }
            if (stan.regulyHip.contains(reg->IdReg)) {
                stan.udowodniona = true;
                m_sesja.Udowodniona = true;
                m_uzytkownik.komunikat(kom::H6(kod));
                stan.wstrzymany = true;
                m_uzytkownik.pokazKonkluzje(m_wiz);
                return WynikPrzebiegu::Wstrzymany;
            }
            krok = stan.odpalonaWczesniej ? Krok::Badanie : Krok::NowaIteracja;
            break;
        }
        }
    }
}

} // namespace tremida

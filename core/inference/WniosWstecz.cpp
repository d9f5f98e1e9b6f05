#include "WniosWstecz.h"

#include "DostepWnios.h"
#include "KomunikatyWnios.h"
#include "rules/KontrReg.h"
#include "store/Baza.h"
#include "store/Slowa.h"

#include <algorithm>

namespace tremida {

void TWniosWstecz::nowyStan()
{
    stan = TStanWniosWstecz();
    m_listaReg.clear();
    m_wstrzymany = false;
}
std::optional<int> TWniosWstecz::faktCelu(const QString &tekst)
{
    const auto fakt = FaktHipotezy(m_baza, m_sesja, m_uzytkownik, tekst);
    return fakt ? std::optional<int>(fakt->IdFakt) : std::nullopt;
}

bool TWniosWstecz::czytajKonkluzje()
{
    stan.regulyHip.clear();
    stan.kandydaci.clear();
    m_konkl.clear();
    m_wgFaktu.clear();
    m_specjalne.clear();
    QHash<QString, std::optional<TRekFakt>> fakty;
    QHash<QString, std::optional<TRekStala>> stale;
    QHash<QString, int> numeryKonkl;
    for (qsizetype i = 0; i < m_listaReg.size(); ++i) {
        const TPozListyReg &p = m_listaReg.at(i);
        const bool hip = p.KonklReg == m_sesja.HipGlowna;
        if (hip)
            stan.regulyHip.append(p.IdReg);
        else
            m_sesja.OstatniKodReg = QString::number(p.IdReg);
        const auto k = SkanujKonkl(p.KonklReg);
        const QString nazwa = k ? k->nazFakt : QString();
        if (!fakty.contains(nazwa))
            fakty.insert(nazwa, k ? dostep::faktONazwie(m_baza, m_sesja.KodSyst, nazwa) : std::nullopt);
        const std::optional<TRekFakt> &fakt = fakty.value(nazwa);
        if (!hip) {
            if (const auto usterka = UsterkaFaktuKonkl(fakt)) {
                m_uzytkownik.komunikat(jezyk::komunikat(*usterka, m_sesja.OstatniKodReg));
                return false;
            }
            if (fakt->IdFakt == stan.hipFakt &&
                std::none_of(stan.kandydaci.cbegin(), stan.kandydaci.cend(),
                             [&](const TKandydatFals &c) { return c.konkl == p.KonklReg; }))
                stan.kandydaci.append({p.IdReg, p.KonklReg, false});
        }
        TKonklReg kr;
        kr.idFakt = fakt ? fakt->IdFakt : stan.hipFakt;
        kr.operOk = k && k->oper == u"=";
        kr.wart = k ? k->wart : QString();
        if (fakt && fakt->TypFakt != slowa::Wyliczeniowy) {
            if (!stale.contains(kr.wart))
                stale.insert(kr.wart, dostep::stalaONazwie(m_baza, m_sesja.KodSyst, kr.wart));
            const std::optional<TRekStala> &s = stale.value(kr.wart);
            kr.stalaObl = s && s->RodzStala != slowa::Prosta;
        }
        kr.konkl = int(numeryKonkl.emplace(p.KonklReg, int(numeryKonkl.size())).value());
        kr.kod = QString::number(p.IdReg);
        m_konkl.append(kr);
        m_wgFaktu[kr.idFakt].append(int(i));
        if (!kr.operOk || kr.stalaObl)
            m_specjalne.append(int(i));
    }
    ustawCzyHip();
    m_jestHipPom = QList<bool>(numeryKonkl.size(), false);
    m_pomWgKonkl = QList<QList<int>>(numeryKonkl.size());
    m_hipPomKonkl.clear();
    m_uzyteKonkl.clear();
    return true;
}

void TWniosWstecz::wyczyscHipPom()
{
    stan.regulyPom.clear();
    m_regulyPomPoz.clear();
    stan.hipPom.clear();
    for (int k : m_uzyteKonkl) {
        m_jestHipPom[k] = false;
        m_pomWgKonkl[k].clear();
    }
    m_uzyteKonkl.clear();
    m_hipPomKonkl.clear();
}

void TWniosWstecz::ustawRegulyHip(const QString &cel)
{
    stan.regulyHip.clear();
    for (const TPozListyReg &p : m_listaReg)
        if (p.KonklReg == cel)
            stan.regulyHip.append(p.IdReg);
    ustawCzyHip();
}

void TWniosWstecz::ustawCzyHip()
{
    const QSet<int> hip(stan.regulyHip.cbegin(), stan.regulyHip.cend());
    m_czyHip.resize(m_listaReg.size());
    for (qsizetype i = 0; i < m_listaReg.size(); ++i)
        m_czyHip[i] = hip.contains(m_listaReg.at(i).IdReg);
}

WynikPrzebiegu TWniosWstecz::Start(const QString &hipoteza)
{
    if (m_wstrzymany)
        return Dalej();
    TKrokWnios krok(m_baza, m_sesja, m_uzytkownik);
    return krok.zakoncz(start(hipoteza), [this] { koniecBledu(); });
}

WynikPrzebiegu TWniosWstecz::start(const QString &hipoteza)
{
    m_ocena.trybPytania = TrybWnios::Wstecz;
    stan.tryb = !m_sesja.czyMieszane()                        ? TrybWstecz::Samodzielny
                : m_sesja.Tryb == TrybSesji::MieszaneWstecz2 ? TrybWstecz::DrugiPrzebieg
                                                             : TrybWstecz::PierwszyPrzebieg;
    stan.falsyfPrzygotowana = false;
    stan.wstrzymanaFals = false;
    m_sesja.Udowodniona = false;
    m_uzytkownik.uwagaWToku(false);
    if (stan.tryb == TrybWstecz::Samodzielny) {
        m_uzytkownik.uwagaWToku(true);
        if (hipoteza.isEmpty()) {
            m_uzytkownik.komunikat(kom::brakHipotezy());
            m_uzytkownik.uwagaWToku(false);
            return WynikPrzebiegu::Przerwany;
        }
        m_sesja.HipZdefiniowana = true;
        m_sesja.HipGlowna = hipoteza;
    }

    const auto hipFakt = faktCelu(m_sesja.HipGlowna);
    if (!hipFakt)
        return koniecBledu();
    stan.hipFakt = *hipFakt;
    if (!czytajKonkluzje())
        return koniecBledu();
    if (stan.tryb != TrybWstecz::DrugiPrzebieg && !ZresetujBazeWiedzy(m_baza, m_sesja.KodSyst))
        return koniecBledu();
    stan.iteracja = 0;
    stan.cfZagreg = 0.0;
    switch (iteruj(TrybOceny::Wstecz)) {
    case WynikIteracji::Przerwanie:
        return koniecBledu();
    case WynikIteracji::Niewykazana:
        return porazka();
    case WynikIteracji::Gotowe:
        break;
    }
    m_sesja.Udowodniona = true;
    stan.pozycja = 0;
    return pokazNastepna();
}

WynikPrzebiegu TWniosWstecz::pokazNastepna()
{
    if (!odpalGotowa(TrybOceny::Wstecz, m_sesja.HipGlowna))
        return koniecBledu();
    m_uzytkownik.komunikat(kom::hipUdowodniona(int(stan.gotowe.size()), stan.pozycja, m_wiz.idReg));
    m_wstrzymany = true;
    m_uzytkownik.pokazKonkluzje(m_wiz);
    return WynikPrzebiegu::Wstrzymany;
}

WynikPrzebiegu TWniosWstecz::Dalej()
{
    if (!m_wstrzymany)
        return WynikPrzebiegu::Zakonczony;
    TKrokWnios krok(m_baza, m_sesja, m_uzytkownik);
    m_wstrzymany = false;
    if (stan.pozycja < stan.gotowe.size())
        return krok.zakoncz(pokazNastepna(), [this] { koniecBledu(); });
    m_uzytkownik.komunikat(kom::koniecUdowodniona(stan.cfZagreg));
    m_uzytkownik.uwagaWToku(false);
    m_sesja.KontynuacjaZadana = false;
    return krok.zakoncz(WynikPrzebiegu::Zakonczony, [this] { koniecBledu(); });
}

WynikPrzebiegu TWniosWstecz::Zamknij()
{
    if (!m_wstrzymany)
        return WynikPrzebiegu::Zakonczony;
    if (stan.tryb != TrybWstecz::Samodzielny)
        return WynikPrzebiegu::Wstrzymany;
    m_uzytkownik.wymagajNowegoWyboru();
    return Dalej();
}

WynikPrzebiegu TWniosWstecz::porazka()
{
    if (stan.tryb == TrybWstecz::PierwszyPrzebieg)
        return WynikPrzebiegu::Zakonczony;
    m_uzytkownik.uwagaWToku(false);
    m_sesja.KontynuacjaZadana = false;
    if (stan.kandydaci.isEmpty()) {
        m_uzytkownik.komunikat(kom::F0());
        return WynikPrzebiegu::Zakonczony;
    }
    m_uzytkownik.komunikat(stan.kandydaci.size() == 1 ? kom::F1() : kom::F2());
    QStringList teksty;
    for (TKandydatFals &k : stan.kandydaci) {
        k.zaznaczony = false;
        teksty << k.konkl;
    }
    stan.falsyfPrzygotowana = true;
    stan.wstrzymanaFals = false;
    m_uzytkownik.pokazFalsyfikacje(m_sesja.HipGlowna, teksty);
    return WynikPrzebiegu::Zakonczony;
}

WynikPrzebiegu TWniosWstecz::koniecBledu()
{
    m_uzytkownik.uwagaWToku(false);
    m_wstrzymany = false;
    m_sesja.Udowodniona = false;
    m_sesja.KontynuacjaZadana = false;
    return WynikPrzebiegu::Przerwany;
}

void TWniosWstecz::dodajBezWart(const QList<int> &fakty, int *nowe)
{
    for (int f : fakty) {
        if (m_bezWartSet.contains(f))
            continue;
        m_bezWartSet.insert(f);
        stan.bezWartosci.append(f);
        if (nowe)
            ++*nowe;
    }
}

bool TWniosWstecz::ocen(int idReg, TrybOceny tryb, int *nowe)
{
    const auto reg = dostep::regulaDzielona(m_baza, idReg);
    if (!reg)
        return !m_baza.blad();
    m_bezOceny.clear();
    const TWynikReg w = m_ocena.OblWartLogPolaPrzesReg(*reg, reg->PozReg, stan.iteracja, tryb, &m_bezOceny);
    if (w.przerwanie)
        return false;
    if (w.przyjeta)
        stan.gotowe.append({reg->IdReg, w.cfKonkl});
    else if (w.wartosc == jezyk::Wart::Unknown)
        dodajBezWart(m_bezOceny, nowe);
    return true;
}

TWniosWstecz::WynikIteracji TWniosWstecz::iteruj(TrybOceny tryb)
{
    for (;;) {
        ++stan.iteracja;
        stan.noweOdpalenie = false;
        stan.gotowe.clear();
        stan.bezWartosci.clear();
        m_bezWartSet.clear();

        for (int idReg : stan.regulyHip) {
            if (!ocen(idReg, tryb, nullptr))
                return WynikIteracji::Przerwanie;
        }
        if (!stan.gotowe.isEmpty())
            return WynikIteracji::Gotowe;

        wyczyscHipPom();
        if (!ZbierzHipPom(stan.bezWartosci))
            return WynikIteracji::Przerwanie;
        // The work list may grow while it is worked: each hypothesis sees the auxiliary rules
        // that exist when its turn comes.
        for (qsizetype i = 0; i < stan.hipPom.size(); ++i) {
            const QString cel = stan.hipPom.at(i);
            stan.gotowe.clear();
            int nowe = 0;
            const qsizetype istniejace = stan.regulyPom.size();
            const QList<int> pozycje = m_pomWgKonkl.at(m_hipPomKonkl.at(i));
            for (int poz : pozycje) {
                if (poz >= istniejace)
                    break;
                if (!ocen(stan.regulyPom.at(poz), tryb, &nowe))
                    return WynikIteracji::Przerwanie;
            }
            if (istniejace > 0)
                m_sesja.OstatniKodReg = m_konkl.at(m_regulyPomPoz.at(istniejace - 1)).kod;
            if (stan.gotowe.isEmpty()) {
                if (!ZbierzHipPom(stan.bezWartosci, stan.bezWartosci.size() - nowe))
                    return WynikIteracji::Przerwanie;
                continue;
            }
            double cf = 0.0;
            for (qsizetype k = 0; k < stan.gotowe.size(); ++k) {
                const TRegGotowa &g = stan.gotowe.at(k);
                cf = k == 0 ? g.cfKonkl : m_ocena.AgregCF(cf, g.cfKonkl);
                if (!odpalPomocnicza(g, cel, cf, tryb))
                    return WynikIteracji::Przerwanie;
            }
        }
        if (!stan.noweOdpalenie)
            return WynikIteracji::Niewykazana;
    }
}

bool TWniosWstecz::odpalPomocnicza(const TRegGotowa &g, const QString &cel, double cf, TrybOceny tryb)
{
    bool wczesniej = false;
    if (!m_ocena.OdpalRegule(g.IdReg, cel, cf, g.cfKonkl, stan.iteracja, tryb, tryb != TrybOceny::Falsyf, nullptr,
                             &wczesniej))
        return false;
    if (!wczesniej)
        stan.noweOdpalenie = true;
    return true;
}

bool TWniosWstecz::ZbierzHipPom(const QList<int> &fakty, qsizetype od)
{
    // The code of the last rule looked at is the session's; it is written out before anything
    // may read it and at the end.
    std::optional<int> ostatnia;
    const qsizetype koniec = fakty.size();
    for (qsizetype nr = od; nr < koniec; ++nr) {
        const int f = fakty.at(nr);
        // The rules about f and the rules whose conclusion needs a check or a constant, in
        // rule-list order; every other rule is passed over without effect.
        static const QList<int> zadnych;
        const auto it = m_wgFaktu.constFind(f);
        const QList<int> &wlasne = it != m_wgFaktu.constEnd() ? *it : zadnych;
        QList<int> polaczone;
        if (!m_specjalne.isEmpty()) {
            polaczone.reserve(wlasne.size() + m_specjalne.size());
            std::set_union(wlasne.cbegin(), wlasne.cend(), m_specjalne.cbegin(), m_specjalne.cend(),
                           std::back_inserter(polaczone));
        }
        for (int i : m_specjalne.isEmpty() ? wlasne : std::as_const(polaczone)) {
            if (m_czyHip.at(i))
                continue;
            const TPozListyReg &p = m_listaReg.at(i);
            const TKonklReg &kr = m_konkl.at(i);
            ostatnia = i;
            if (!kr.operOk) {
                const QString &kod = kr.kod;
                m_sesja.OstatniKodReg = kod;
                m_uzytkownik.komunikat(jezyk::komunikat(IdUsterki::K3, kod));
                return false;
            }
            bool zachowana = kr.idFakt == f;
            if (kr.stalaObl) {
                const QString &kod = kr.kod;
                m_sesja.OstatniKodReg = kod;
                const auto stala = m_ocena.stalaKonkluzji(kod, kr.wart);
                if (!stala)
                    return false;
                if (stala->jest && !stala->maWart)
                    zachowana = false;
            }
            if (!zachowana)
                continue;
            m_pomWgKonkl[kr.konkl].append(int(stan.regulyPom.size()));
            stan.regulyPom.append(p.IdReg);
            m_regulyPomPoz.append(i);
            if (!m_jestHipPom.at(kr.konkl)) {
                m_jestHipPom[kr.konkl] = true;
                m_uzyteKonkl.append(kr.konkl);
                m_hipPomKonkl.append(kr.konkl);
                stan.hipPom.append(p.KonklReg);
            }
        }
    }
    if (ostatnia)
        m_sesja.OstatniKodReg = m_konkl.at(*ostatnia).kod;
    return true;
}

bool TWniosWstecz::odpalGotowa(TrybOceny tryb, const QString &cel)
{
    ++stan.pozycja;
    const TRegGotowa g = stan.gotowe.at(stan.pozycja - 1);
    QString rodzFakt;
    const auto reg =
        m_ocena.OdpalRegule(g.IdReg, cel, g.cfKonkl, g.cfKonkl, stan.iteracja, tryb, tryb != TrybOceny::Falsyf, &rodzFakt);
    if (!reg)
        return false;
    stan.cfZagreg = stan.pozycja == 1 ? g.cfKonkl : m_ocena.AgregCF(stan.cfZagreg, g.cfKonkl);
    m_wiz = m_ocena.WizKonklReg(*reg, stan.cfZagreg, rodzFakt);
    return true;
}

} // namespace tremida

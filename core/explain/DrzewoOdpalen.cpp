#include "DrzewoOdpalen.h"

#include "OpisyWyjasn.h"
#include "rules/Skaner.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

namespace tremida {

TDrzewoOdpalen::TDrzewoOdpalen(const TPrzebiegWnios &przebieg, const IDaneReg &dane, const TParKonfig &konfig)
    : m_p(przebieg), m_dane(dane), m_konfig(konfig)
{
}

std::optional<TWezelWyj> TDrzewoOdpalen::drzewo(const QString &konkluzja) const
{
    const auto klucz = kluczKonkluzji(konkluzja);
    if (!klucz)
        return std::nullopt;
    return drzewo(*klucz);
}

std::optional<TWezelWyj> TDrzewoOdpalen::drzewo(const TKluczKonkl &klucz) const
{
    const QList<int> odp = m_p.odpaleniaKonkluzji(klucz);
    if (odp.isEmpty())
        return std::nullopt;
    QSet<int> pokazane;
    return wezelKonkluzji(klucz, odp, pokazane);
}

QList<TWezelWyj> TDrzewoOdpalen::wszystkie() const
{
    QList<TWezelWyj> wynik;
    for (const TKonkluzjaPrzebiegu &k : m_p.konkluzje())
        if (auto d = drzewo(k.klucz))
            wynik.append(*d);
    return wynik;
}

TWezelWyj TDrzewoOdpalen::wezelKonkluzji(const TKluczKonkl &klucz, const QList<int> &odp,
                                         QSet<int> &pokazane) const
{
    const TOdpalenie &pierwsze = m_p.odpalenia[odp.first()];
    const double zagreg = TPrzebiegWnios::zagregowany(m_p.odpalenia, odp, m_konfig);
    const auto fakt = m_dane.faktONazwie(m_p.kodSyst, klucz.fakt);
    QString t = QStringLiteral("Konkluzja ") + pierwsze.konkl;
    if (fakt)
        t += QStringLiteral(" — fakt %1 %2").arg(opis::rodzajFaktu(fakt->RodzFakt), opis::cytat(fakt->NazFakt));
    t += QStringLiteral("; zagregowany CF %1 (s-norma %2)").arg(realNaTekst(zagreg), opis::cytat(m_konfig.SNormaKonkl));
    TWezelWyj w(QStringLiteral("konkluzja"), t);
    w.pola.insert(QStringLiteral("konkluzja"), pierwsze.konkl);
    w.pola.insert(QStringLiteral("fakt"), klucz.fakt);
    w.pola.insert(QStringLiteral("wartosc"), klucz.wartosc);
    w.pola.insert(QStringLiteral("rodzajFaktu"), fakt ? QJsonValue(fakt->RodzFakt) : QJsonValue());
    w.pola.insert(QStringLiteral("cfZagregowany"), zagreg);
    w.pola.insert(QStringLiteral("normaAgregacji"), m_konfig.SNormaKonkl);

    // Each rule once, in the order of its first firing, with all its firings here.
    QList<int> reguly;
    for (int i : odp)
        if (!reguly.contains(m_p.odpalenia[i].idReg))
            reguly.append(m_p.odpalenia[i].idReg);
    for (int idReg : reguly) {
        QList<int> jej;
        for (int i : odp)
            if (m_p.odpalenia[i].idReg == idReg)
                jej.append(i);
        w.dodaj(wezelReguly(idReg, jej, pokazane));
    }
    return w;
}

TWezelWyj TDrzewoOdpalen::wezelReguly(int idReg, const QList<int> &odp, QSet<int> &pokazane) const
{
    const TRekReg *r = m_p.regula(idReg);
    const int ostatniKrok = m_p.odpalenia[odp.last()].krok;
    const QString nazwa = r ? QStringLiteral("Reguła %1 %2").arg(idReg).arg(opis::cytat(r->NazReg))
                            : QStringLiteral("Reguła %1").arg(idReg);
    if (pokazane.contains(idReg)) {
        TWezelWyj odw(QStringLiteral("odwolanie"), nazwa + QStringLiteral(" — pokazana wyżej w tym drzewie"));
        odw.krok = ostatniKrok;
        odw.pola.insert(QStringLiteral("idReg"), idReg);
        return odw;
    }
    pokazane.insert(idReg);
    TWezelWyj w(QStringLiteral("regula"), QString());
    w.krok = ostatniKrok;
    w.pola.insert(QStringLiteral("idReg"), idReg);
    if (!r) {
        w.tekst = nazwa + QStringLiteral(" — reguły nie ma już w tabeli reguł");
    } else {
        w.tekst = nazwa + QStringLiteral(": poziom %1, kierunek %2, CF reguły %3")
                              .arg(r->PozReg)
                              .arg(opis::cytat(r->KierWniReg), realNaTekst(r->CFReg));
        w.pola.insert(QStringLiteral("nazwa"), r->NazReg);
        w.pola.insert(QStringLiteral("poziom"), r->PozReg);
        w.pola.insert(QStringLiteral("kierunek"), r->KierWniReg);
        w.pola.insert(QStringLiteral("cfReguly"), r->CFReg);
    }
    for (int i : odp) {
        const TRekTraj &k = m_p.kroki[m_p.odpalenia[i].indeks];
        TWezelWyj s(QStringLiteral("krok"),
                    QStringLiteral("Krok %1: poziom %2, iteracja %3, kierunek %4, CF konkluzji %5")
                        .arg(k.IdKrokTraj)
                        .arg(k.PozRegTraj ? QString::number(*k.PozRegTraj) : QString())
                        .arg(k.IterRegTraj ? QString::number(*k.IterRegTraj) : QString())
                        .arg(opis::cytat(k.KierWniTraj), opis::cf(k.CFKonklRegTraj)));
        s.krok = k.IdKrokTraj;
        s.pola.insert(QStringLiteral("poziom"), k.PozRegTraj ? QJsonValue(*k.PozRegTraj) : QJsonValue());
        s.pola.insert(QStringLiteral("iteracja"), k.IterRegTraj ? QJsonValue(*k.IterRegTraj) : QJsonValue());
        s.pola.insert(QStringLiteral("kierunek"), k.KierWniTraj);
        s.pola.insert(QStringLiteral("cfKonkluzji"), k.CFKonklRegTraj ? QJsonValue(*k.CFKonklRegTraj) : QJsonValue());
        w.dodaj(std::move(s));
    }
    if (!r)
        return w;

    // The premises as the rule saw them at its last firing here: a derived fact opens the
    // firings made before that step that concluded it.
    for (const TPrzesElem &p : SkanujPolePrzes(r->PrzesReg).przes) {
        TWezelWyj prz = opis::wezelPrzeslanki(m_dane, m_p.kodSyst, p, false);
        const auto fakt = m_dane.faktONazwie(m_p.kodSyst, p.nazFakt);
        if (fakt && fakt->RodzFakt != slowa::Wprowadzany) {
            QList<TKluczKonkl> klucze;
            if (fakt->TypFakt == slowa::Wyliczeniowy) {
                klucze.append({p.nazFakt, p.wart});
            } else {
                for (int i : m_p.odpaleniaFaktu(p.nazFakt, ostatniKrok)) {
                    const TKluczKonkl &k = *m_p.odpalenia[i].klucz;
                    if (!klucze.contains(k))
                        klucze.append(k);
                }
            }
            bool jest = false;
            for (const TKluczKonkl &k : klucze) {
                const QList<int> wczesniej = m_p.odpaleniaKonkluzji(k, ostatniKrok);
                if (wczesniej.isEmpty())
                    continue;
                jest = true;
                prz.dodaj(wezelKonkluzji(k, wczesniej, pokazane));
            }
            if (!jest)
                prz.dodaj(QStringLiteral("uwaga"),
                          QStringLiteral("Żadna reguła nie wyprowadziła tej wartości faktu przed krokiem %1.")
                              .arg(ostatniKrok));
        }
        w.dodaj(std::move(prz));
    }
    return w;
}

} // namespace tremida

#include "RaportKonsultacji.h"

#include "DostepWyjasn.h"
#include "DrzewoOdpalen.h"
#include "OpisyWyjasn.h"
#include "PrzebiegWnios.h"
#include "report/ElementyWydruku.h"
#include "report/UkladStrony.h"
#include "report/Wydruki.h"
#include "rules/DaneReg.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace tremida {

namespace {

// Margins and font of the systems printout, the family's largest print.
MarginesyWydruku marginesy(bool pozioma)
{
    return pozioma ? MarginesyWydruku{12, 300, 100, 150, 100} : MarginesyWydruku{8, 100, 100, 300, 50};
}

constexpr int Wciecie = 60; // indentation of one level of a tree, in pixels

class TRysowanie {
public:
    TRysowanie(UkladStrony &u, Baza &baza) : m_u(u), m_baza(baza) {}

    void czcionka(bool pogrubiona = false, bool podkreslona = false)
    {
        m_u.plotno().ustawCzcionke(m_u.marginesy().rozmiarCzcionki, pogrubiona, podkreslona);
    }

    // A text wrapped over the full width from x, on the next line.
    void akapit(const QString &tekst, int x = -1, bool pogrubiony = false)
    {
        const int lewy = x < 0 ? m_u.marginesy().lewy : x;
        m_u.nastepnaLinia();
        czcionka(pogrubiony);
        m_u.zawijaj(lewy, m_u.szerokoscPelna() - (lewy - m_u.marginesy().lewy), tekstDoWyswietlenia(tekst));
        czcionka();
    }

    // An underlined heading and the text (or `brak`) below it.
    void blok(const QString &naglowek, const QString &tekst, const QString &brak)
    {
        m_u.nastepnaLinia();
        czcionka(false, true);
        m_u.pisz(m_u.marginesy().lewy, naglowek);
        czcionka();
        akapit(tekst.isEmpty() ? brak : tekst);
    }

    // The pictures of a rule at their ratio, each with its caption; films are named only.
    void ilustracje(int idReg)
    {
        for (const TRekPlikMult &p : plikiIlustrujace(m_baza, idReg, slowa::Regula, slowa::ObrazGraficzny))
            obraz(p);
        for (const TRekPlikMult &p : plikiIlustrujace(m_baza, idReg, slowa::Regula, slowa::Film))
            akapit(QStringLiteral("Film %1: %2").arg(opis::cytat(p.NazwaPliku), p.Podpis.isEmpty() ? QStringLiteral("bez podpisu") : p.Podpis));
    }

    void drzewo(const TWezelWyj &w, int poziom)
    {
        akapit(w.tekst, m_u.marginesy().lewy + Wciecie * std::min(poziom, 20));
        for (const TWezelWyj &d : w.dzieci)
            drzewo(d, poziom + 1);
    }

private:
    void obraz(const TRekPlikMult &p)
    {
        if (p.NazwaPliku.isEmpty()) {
            akapit(QStringLiteral("Nazwa pliku graficznego/zdjęcia nie została określona."));
            return;
        }
        if (!(p.StosWysDoSzer > 0)) {
            akapit(QStringLiteral("Wymiary (stosunek wysokości do szerokości) pliku graficznego/zdjęcia %1 nie zostały "
                                  "określone.")
                       .arg(opis::cytat(p.NazwaPliku)));
            return;
        }
        const int lh = m_u.wysokoscLinii();
        // Half the width of the page, and never taller than the page's body.
        int szer = m_u.szerokoscPelna() / 2;
        const int maksWys = (m_u.liniiNaStronie() - 14) * lh;
        int wys = int(std::lround(szer * p.StosWysDoSzer));
        if (wys > maksWys && maksWys > 0) {
            wys = maksWys;
            szer = int(std::lround(wys / p.StosWysDoSzer));
        }
        const int linii = (wys + lh - 1) / lh + 1;
        // A picture that does not fit under the text goes to the next page.
        if (m_u.licznikLinii() + linii > m_u.liniiNaStronie()) {
            const int strona = m_u.numerStrony();
            while (m_u.numerStrony() == strona)
                m_u.nastepnaLinia();
        } else {
            m_u.nastepnaLinia();
        }
        const QString sciezka = QFileInfo(p.NazwaPliku).isAbsolute() ? p.NazwaPliku
                                                                       : QDir(m_baza.folder()).filePath(p.NazwaPliku);
        const int y = m_u.y();
        if (!m_u.plotno().rysujObraz(m_u.marginesy().lewy, y, szer, wys, sciezka)) {
            m_u.pisz(m_u.marginesy().lewy,
                     QStringLiteral("Obrazu z pliku %1 nie można wydrukować (brak pliku albo plik nie jest obrazem).")
                         .arg(opis::cytat(p.NazwaPliku)));
        } else {
            for (int i = 1; i < linii; ++i)
                m_u.nastepnaLinia();
        }
        if (!p.Podpis.isEmpty())
            akapit(p.Podpis);
    }

    UkladStrony &m_u;
    Baza &m_baza;
};

} // namespace

std::optional<QString> brakRaportuKonsultacji(Baza &baza, int kodSyst)
{
    if (const auto brak = wyjasn::warunkiWyjasnien(baza))
        return brak;
    TOdczytWyjasn odczyt(baza);
    TPrzebiegWnios p;
    if (!p.wczytaj(baza, kodSyst))
        return odczyt.blad() ? *odczyt.blad() : QStringLiteral("System ekspercki o kodzie %1 nie istnieje.").arg(kodSyst);
    if (const auto b = odczyt.blad())
        return b;
    if (p.pusty())
        return QStringLiteral("Tabela trajektorii nie ma kroków systemu o kodzie %1: w systemie nie przeprowadzono "
                              "jeszcze wnioskowania. Raport z konsultacji nie zostanie wydrukowany.")
            .arg(kodSyst);
    return std::nullopt;
}

bool drukujRaportKonsultacji(Baza &baza, int kodSyst, const TParKonfig &konfig, Plotno &plotno, bool pozioma,
                             const QDate &dzien, QString *blad)
{
    TOdczytWyjasn odczyt(baza);
    TPrzebiegWnios p;
    const bool jest = p.wczytaj(baza, kodSyst);
    TDaneReg dane;
    QString bladDanych;
    if (!jest || !dane.wczytaj(baza, kodSyst, &bladDanych) || odczyt.blad()) {
        if (blad)
            *blad = odczyt.blad() ? *odczyt.blad()
                    : !jest       ? QStringLiteral("System ekspercki o kodzie %1 nie istnieje.").arg(kodSyst)
                                  : bladDanych;
        return false;
    }

    UkladStrony u(plotno, marginesy(pozioma), true);
    const MarginesyWydruku &m = u.marginesy();
    u.ustawNaglowek([&] { wydruk::naglowekSystemu(u, pozioma, dzien, kodSyst, p.nazSyst, raport::Tytul, {}, {}, {}); });
    u.rozpocznij();
    TRysowanie r(u, baza);
    r.czcionka();

    u.nastepnaLinia();
    r.czcionka(false, true);
    u.pisz(m.lewy, QStringLiteral("Przebieg wnioskowania:"));
    r.czcionka();
    r.akapit(QStringLiteral("Data przebiegu wnioskowania: %1").arg(p.data()));
    r.akapit(QStringLiteral("Metoda wnioskowania: %1").arg(p.metoda()));
    if (const auto hip = p.hipoteza())
        r.akapit(QStringLiteral("Hipoteza główna: %1").arg(*hip));
    r.akapit(QStringLiteral("Liczba kroków trajektorii wnioskowania: %1; liczba \"odpaleń\" reguł: %2")
                 .arg(p.kroki.size())
                 .arg(p.odpalenia.size()));
    u.nastepnaLinia();
    u.separatorRekordu();

    const QList<TPokazana> pokazane = p.pokazane(konfig);
    if (pokazane.isEmpty())
        r.akapit(QStringLiteral("W ostatnim przebiegu wnioskowania nie pokazano żadnej konkluzji."));
    QList<TKluczKonkl> koncowe, wszystkie;
    for (int i = 0; i < pokazane.size(); ++i) {
        const TOdpalenie &o = p.odpalenia[pokazane[i].odpalenie];
        const TRekReg *reg = p.regula(o.idReg);
        const auto fakt = o.klucz ? dane.faktONazwie(kodSyst, o.klucz->fakt) : std::nullopt;
        if (o.klucz && !wszystkie.contains(*o.klucz))
            wszystkie.append(*o.klucz);
        if (o.klucz && fakt && fakt->RodzFakt == slowa::Koncowy && !koncowe.contains(*o.klucz))
            koncowe.append(*o.klucz);
        r.akapit(QStringLiteral("Konkluzja %1: %2").arg(i + 1).arg(o.konkl), -1, true);
        r.akapit(QStringLiteral("Reguła %1 %2, krok trajektorii %3").arg(o.idReg).arg(opis::cytat(reg->NazReg)).arg(o.krok));
        r.akapit(QStringLiteral("Stopień pewności konkluzji: %1; zagregowany stopień pewności konkluzji: %2")
                     .arg(realNaTekst(o.cf), realNaTekst(pokazane[i].cfZagreg)));
        if (fakt)
            r.akapit(QStringLiteral("Konkluzja dotyczy faktu: %1")
                         .arg(fakt->RodzFakt == slowa::Koncowy ? QStringLiteral("końcowego") : QStringLiteral("pośredniego")));
        r.blok(QStringLiteral("Opis konkluzji:"), reg->OpisKonklReg, QStringLiteral("brak opisu"));
        r.blok(QStringLiteral("Instrukcje/ zalecenia dla użytkownika wynikające z konkluzji reguły:"), reg->InstrReg,
               QStringLiteral("brak instrukcji"));
        r.blok(QStringLiteral("Opisowa charakterystyka reguły. Autorzy:"), reg->OpisReg,
               QStringLiteral("brak charakterystyki"));
        r.ilustracje(o.idReg);
        u.nastepnaLinia();
        u.separatorRekordu();
    }

    // The trees of the final conclusions; without a conclusion about a final fact, of all.
    const QList<TKluczKonkl> drzewa = koncowe.isEmpty() ? wszystkie : koncowe;
    if (!drzewa.isEmpty()) {
        u.nastepnaLinia();
        r.czcionka(true);
        u.piszWysrodkowany(QStringLiteral("DRZEWA \"ODPALONYCH\" REGUŁ DOJŚCIA DO KONKLUZJI KOŃCOWYCH"));
        r.czcionka();
        const TDrzewoOdpalen budowa(p, dane, konfig);
        for (const TKluczKonkl &k : drzewa) {
            if (const auto d = budowa.drzewo(k)) {
                u.nastepnaLinia();
                r.drzewo(*d, 0);
                u.nastepnaLinia();
                u.separatorRekordu();
            }
        }
    }
    u.nastepnaLinia();
    if (const auto b = odczyt.blad()) {
        if (blad)
            *blad = *b;
        return false;
    }
    return true;
}

} // namespace tremida

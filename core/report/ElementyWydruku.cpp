#include "ElementyWydruku.h"

#include "store/Baza.h"
#include "store/Konwersje.h"
#include "store/Rekordy.h"
#include "store/Slowa.h"

#include <QSqlRecord>

namespace tremida::wydruk {

MarginesyWydruku marginesy(RodzajWydruku r, bool pozioma)
{
    if (r == RodzajWydruku::Systemy)
        return pozioma ? MarginesyWydruku{12, 300, 100, 150, 100} : MarginesyWydruku{8, 100, 100, 300, 50};
    return pozioma ? MarginesyWydruku{8, 300, 100, 150, 50} : MarginesyWydruku{6, 100, 100, 150, 50};
}

QString cf(const std::optional<double> &v) { return v ? realNaTekst(*v) : QString(); }

bool czytaj(QSqlQuery &q, QString *blad)
{
    if (q.exec())
        return true;
    if (blad)
        *blad = bladZapytania(q);
    return false;
}

void czcionka(UkladStrony &u, bool pogrubiona, bool podkreslona)
{
    u.plotno().ustawCzcionke(u.marginesy().rozmiarCzcionki, pogrubiona, podkreslona);
}

void podkreslony(UkladStrony &u, int x, const QString &tekst)
{
    czcionka(u, false, true);
    u.pisz(x, tekst);
    czcionka(u);
}

void blokOpisu(UkladStrony &u, const QString &naglowek, const QString &tekst, const QString &brak)
{
    podkreslony(u, u.marginesy().lewy, naglowek);
    u.nastepnaLinia();
    u.zawijaj(u.marginesy().lewy, u.szerokoscPelna(), tekst.isEmpty() ? brak : tekst);
    u.nastepnaLinia();
}

void blokiOpisu(UkladStrony &u, const QList<BlokOpisu> &bloki)
{
    for (const BlokOpisu &b : bloki) {
        u.nastepnaLinia();
        blokOpisu(u, b.naglowek, b.tekst, b.brak);
    }
}

bool drukujRekordy(UkladStrony &u, QSqlQuery &q, const std::function<bool(const QSqlRecord &)> &rekord)
{
    u.rozpocznij();
    while (q.next()) {
        if (!rekord(q.record()))
            return false;
        u.separatorRekordu();
    }
    u.nastepnaLinia();
    return true;
}

namespace {

// The bold centred title two lines below the date and an underline row.
void tytulWydruku(UkladStrony &u, const QString &tytul)
{
    u.przesunY(2);
    czcionka(u, true);
    u.piszWysrodkowany(tytul);
    czcionka(u);
    u.przesunY(2);
    u.linia();
}

// The title, then the two heading lines between underline rows.
void tytulIKolumny(UkladStrony &u, const QString &tytul, const QList<int> &x, const QStringList &linia1,
                   const QStringList &linia2)
{
    tytulWydruku(u, tytul);
    u.przesunY(1);
    for (qsizetype i = 0; i < linia1.size(); ++i)
        u.pisz(x[i], linia1[i]);
    u.przesunY(1);
    for (qsizetype i = 0; i < linia2.size(); ++i)
        u.pisz(x[i], linia2[i]);
    u.linia();
}

} // namespace

void naglowekSystemu(UkladStrony &u, bool pozioma, const QDate &dzien, int kodSyst, const QString &nazwaSyst,
                     const QString &tytul, const QList<int> &x, const QStringList &linia1, const QStringList &linia2)
{
    const MarginesyWydruku &m = u.marginesy();
    const int lh = u.wysokoscLinii();
    czcionka(u);
    u.ustawY(m.gora);
    u.pisz(m.lewy, QStringLiteral("System ekspercki szkieletowy TREMIDA"));
    u.przesunY(1);
    u.pisz(m.lewy, QStringLiteral("Kod systemu eksperckiego (bazy wiedzy): %1").arg(kodSyst, 2));
    u.przesunY(1);
    const QString etykieta = QStringLiteral("Nazwa systemu:");
    u.pisz(m.lewy, etykieta);
    const int xNazwy = m.lewy + u.plotno().szerokoscTekstu(QStringLiteral("Nazwa systemu: "));
    const QStringList kawalki = u.podzial(pozioma ? 2400 : 1800, nazwaSyst);
    for (qsizetype i = 0; i < kawalki.size(); ++i) {
        if (i > 0)
            u.ustawY(u.y() + lh);
        u.pisz(xNazwy, kawalki[i]);
    }
    u.przesunY(1);
    u.pisz(m.lewy, QStringLiteral("Numer strony wydruku: %1").arg(u.numerStrony(), 2));
    u.przesunY(1);
    u.pisz(m.lewy, QStringLiteral("Data wydruku: ") + dataWydruku(dzien));
    if (x.isEmpty()) {
        // A printout without columns: the title and one underline row.
        tytulWydruku(u, tytul);
        u.ustawLicznikLinii(static_cast<int>(kawalki.size()) + 10);
        return;
    }
    tytulIKolumny(u, tytul, x, linia1, linia2);
    u.ustawLicznikLinii(static_cast<int>(kawalki.size()) + 12);
}

void poczatekNaglowkaTabeli(UkladStrony &u, const QDate &dzien)
{
    const MarginesyWydruku &m = u.marginesy();
    czcionka(u);
    u.ustawY(m.gora);
    u.pisz(m.lewy, QStringLiteral("System ekspercki szkieletowy TREMIDA"));
    u.przesunY(1);
    u.pisz(m.lewy, QStringLiteral("Numer strony wydruku: %1").arg(u.numerStrony(), 2));
    u.przesunY(1);
    u.pisz(m.lewy, QStringLiteral("Data wydruku: ") + dataWydruku(dzien));
}

void naglowekTabeli(UkladStrony &u, const QDate &dzien, const QString &tytul, const QList<int> &x,
                    const QStringList &linia1, const QStringList &linia2)
{
    poczatekNaglowkaTabeli(u, dzien);
    tytulIKolumny(u, tytul, x, linia1, linia2);
    u.ustawLicznikLinii(10);
}

std::optional<TRekSyst> systemOKodzie(Baza &baza, int kodSyst, QString *blad)
{
    QSqlQuery q = baza.zapytanie();
    q.prepare(QStringLiteral("SELECT * FROM systemyeksperckie WHERE IdSyst=:ParIdSyst"));
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    if (!czytaj(q, blad))
        return std::nullopt;
    if (!q.next())
        return TRekSyst{kodSyst, QString(), QString(), QString()};
    return TRekSyst::z(q.record());
}

std::optional<TRekSyst> systemIWiersze(Baza &baza, int kodSyst, const QString &sql, QSqlQuery &q, QString *blad)
{
    auto syst = systemOKodzie(baza, kodSyst, blad);
    if (!syst)
        return std::nullopt;
    q.setForwardOnly(true);
    q.prepare(sql);
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    if (!czytaj(q, blad))
        return std::nullopt;
    return syst;
}

void wiazWarunekPlikowSystemu(QSqlQuery &q, int kodSyst)
{
    q.bindValue(QStringLiteral(":ParFakt"), slowa::Fakt);
    q.bindValue(QStringLiteral(":ParRegula"), slowa::Regula);
    q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    q.bindValue(QStringLiteral(":ParKodSyst"), kodSyst);
}

void wierszKomorek(UkladStrony &u, const QList<Komorka> &komorki,
                   const std::function<QStringList(int, const QString &)> &podzial)
{
    QList<QStringList> linie;
    qsizetype ile = 1;
    for (const Komorka &k : komorki) {
        QStringList l;
        if (k.szerokosc <= 0)
            l << k.tekst;
        else
            for (const QString &linia : linieMemo(k.tekst))
                l += podzial ? podzial(k.szerokosc, linia) : u.podzial(k.szerokosc, linia);
        ile = std::max(ile, l.size());
        linie << l;
    }
    for (qsizetype n = 0; n < ile; ++n) {
        if (n > 0)
            u.nastepnaLinia();
        for (qsizetype i = 0; i < komorki.size(); ++i)
            if (n < linie[i].size())
                u.pisz(komorki[i].x, linie[i][n]);
    }
}

} // namespace tremida::wydruk

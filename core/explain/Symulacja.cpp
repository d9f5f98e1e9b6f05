#include "Symulacja.h"

#include "store/Konwersje.h"

#include <QHash>
#include <cmath>
#include <QRegularExpression>

namespace tremida {

namespace {

// Whether two CFs differ by more than the rounding of the engine's arithmetic.
bool rozne(double a, double b) { return std::abs(a - b) > 1e-9; }

} // namespace

std::optional<QString> dodajZmiane(QList<TZmianaFaktu> &zmiany, const QString &tekst)
{
    const QString blad = QStringLiteral("Zmiana \"%1\" nie ma postaci IDFAKT=WARTOŚĆ[:CF].").arg(tekst);
    const qsizetype rown = tekst.indexOf(u'=');
    if (rown <= 0)
        return blad;
    const auto id = tekstNaInt(tekst.left(rown).trimmed());
    if (!id)
        return blad;
    QString wartosc = tekst.mid(rown + 1);
    QString cf = QStringLiteral("1");
    const qsizetype dwukropek = wartosc.lastIndexOf(u':');
    if (dwukropek >= 0 && tekstNaReal(wartosc.mid(dwukropek + 1))) {
        cf = wartosc.mid(dwukropek + 1);
        wartosc.truncate(dwukropek);
    }
    if (wartosc.isEmpty())
        return blad;
    for (TZmianaFaktu &z : zmiany) {
        if (z.idFakt == *id) {
            z.wartosci.append({wartosc, cf});
            return std::nullopt;
        }
    }
    zmiany.append({*id, {{wartosc, cf}}, QString()});
    return std::nullopt;
}

std::optional<QString> przypadekZTekstu(const QString &tekst, TPrzypadekSymulacji &przypadek)
{
    const qsizetype dwukropek = tekst.indexOf(u':');
    const QString nazwa = dwukropek < 0 ? QString() : tekst.left(dwukropek).trimmed();
    if (nazwa.isEmpty())
        return QStringLiteral("Przypadek \"%1\" nie ma postaci NAZWA:IDFAKT=WARTOŚĆ[:CF],...").arg(tekst);
    przypadek = {nazwa, {}};
    const QString lista = tekst.mid(dwukropek + 1);
    if (lista.trimmed().isEmpty())
        return std::nullopt;
    static const QRegularExpression podzial(QStringLiteral(",\\s*(?=[+-]?\\d+\\s*=)"));
    for (const QString &z : lista.split(podzial))
        if (const auto blad = dodajZmiane(przypadek.zmiany, z.trimmed()))
            return QStringLiteral("Przypadek \"%1\": %2").arg(nazwa, *blad);
    return std::nullopt;
}

QList<TKonklWyniku> konkluzjeWyniku(const TWynikProby &wynik)
{
    QList<TKonklWyniku> lista;
    QHash<QString, qsizetype> pozycja;
    for (const TKonkluzjaProby &k : wynik.konkluzje) {
        const auto it = pozycja.constFind(k.konkluzja);
        if (it == pozycja.constEnd()) {
            pozycja.insert(k.konkluzja, lista.size());
            lista.append({k.konkluzja, k.cfZagreg});
        } else {
            lista[*it].cf = k.cfZagreg;
        }
    }
    return lista;
}

TRoznicaSymulacji porownaj(const TWynikProby &bazowy, const TWynikProby &przypadek)
{
    TRoznicaSymulacji r;
    const QList<TKonklWyniku> przed = konkluzjeWyniku(bazowy), po = konkluzjeWyniku(przypadek);
    auto znajdz = [](const QList<TKonklWyniku> &lista, const QString &t) -> const TKonklWyniku * {
        for (const TKonklWyniku &k : lista)
            if (k.konkluzja == t)
                return &k;
        return nullptr;
    };
    for (const TKonklWyniku &k : przed) {
        const TKonklWyniku *w = znajdz(po, k.konkluzja);
        if (!w)
            r.znikaja << k;
        else if (rozne(k.cf, w->cf))
            r.zmienioneCF << TZmianaCF{k.konkluzja, k.cf, w->cf};
    }
    for (const TKonklWyniku &k : po)
        if (!znajdz(przed, k.konkluzja))
            r.pojawiajaSie << k;
    return r;
}

bool TWynikSymulacji::pelny() const
{
    auto pelna = [](const TWynikProby &w) { return w.wykonana && w.przebieg.koniec == KoniecPrzebiegu::Zakonczony; };
    if (!pelna(bazowy))
        return false;
    for (const TWynikProby &w : przypadki)
        if (!pelna(w))
            return false;
    return true;
}

TWynikSymulacji Symuluj(const TKopiaRobocza &kopia, const TParKonfig &konfig, const TSkryptPrzebiegu &skrypt,
                        const TOdpowiedzi &odpowiedzi, const QList<TPrzypadekSymulacji> &przypadki)
{
    TWynikSymulacji w;
    w.bazowy = PrzeprowadzProbe(kopia, konfig, skrypt, odpowiedzi);
    for (const TPrzypadekSymulacji &p : przypadki)
        w.przypadki << PrzeprowadzProbe(kopia, konfig, skrypt, odpowiedzi, p.zmiany);
    return w;
}

} // namespace tremida

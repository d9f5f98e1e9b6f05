#include "Skaner.h"

namespace tremida {

namespace {

bool bialy(QChar c) { return c == u' ' || c == u'\n' || c == u'\r'; }

enum class Stan { Poza, Nazwa, Operator, Wartosc };

// The scanning machine shared by premise fields and conclusions. `poPrzes` is called with
// every complete premise; characters outside premises go to `poza` (without blanks and
// line breaks).
template <typename F>
void skanuj(const QString &pole, F poPrzes, QString *poza)
{
    qsizetype otw = 0, zam = 0;
    int nr = 0;
    Stan stan = Stan::Poza;
    QString nazwa, oper, wart;
    qsizetype poczatek = -1;
    const qsizetype n = pole.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = pole[i];
        if (c == u'[') {
            ++otw;
            if (otw % 2 == 1) {
                stan = Stan::Nazwa;
                ++nr;
                nazwa = c;
                poczatek = i;
            } else {
                stan = Stan::Wartosc;
                wart = c;
            }
        } else if (c == u']') {
            ++zam;
            if (zam % 2 == 1) {
                stan = Stan::Operator;
                oper = c;
            } else {
                stan = Stan::Poza;
                TPrzesElem p;
                p.nazFakt = nazwa.mid(1);
                p.oper = oper.mid(1);
                p.wart = wart.mid(1);
                p.nazFakt.remove(u'\n').remove(u'\r');
                p.wart.remove(u'\n').remove(u'\r');
                p.oper.remove(u'\n').remove(u'\r').remove(u' ');
                p.nr = nr;
                p.poczatek = poczatek;
                p.koniec = i;
                nazwa.clear();
                oper.clear();
                wart.clear();
                poczatek = -1;
                if (!poPrzes(std::move(p)))
                    return;
            }
        } else {
            switch (stan) {
            case Stan::Poza:
                if (poza && !bialy(c))
                    poza->append(c);
                break;
            case Stan::Nazwa:
                nazwa.append(c);
                break;
            case Stan::Operator:
                oper.append(c);
                break;
            case Stan::Wartosc:
                wart.append(c);
                break;
            }
        }
    }
}

} // namespace

QString TSkanPola::tekstTokenow(const QStringList &tokeny) const
{
    qsizetype dl = 0;
    for (const QString &m : miedzy)
        dl += m.size();
    for (const QString &t : tokeny)
        dl += t.size();
    QString wynik;
    wynik.reserve(dl);
    for (qsizetype i = 0; i < miedzy.size(); ++i) {
        wynik += miedzy[i];
        if (i < przes.size() && i < tokeny.size())
            wynik += tokeny[i];
    }
    return wynik;
}

TSkanPola SkanujPolePrzes(const QString &pole)
{
    TSkanPola s;
    QString poza;
    skanuj(
        pole,
        [&](TPrzesElem &&p) {
            s.przes.append(std::move(p));
            s.miedzy.append(poza);
            poza.clear();
            return true;
        },
        &poza);
    s.miedzy.append(poza);
    return s;
}

std::optional<TPrzesElem> SkanujKonkl(const QString &pole)
{
    std::optional<TPrzesElem> wynik;
    skanuj(
        pole,
        [&](TPrzesElem &&p) {
            wynik = std::move(p);
            return false;
        },
        nullptr);
    return wynik;
}

qsizetype liczbaZnakow(const QString &tekst, QChar znak) { return tekst.count(znak); }

} // namespace tremida

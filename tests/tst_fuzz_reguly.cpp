// Random rule texts from a fixed seed through the scanner, the reduction and the whole
// syntax check: every input ends in a finding or a result, with consistent shapes, and
// very long fields are handled.

#include "app/ParKonfig.h"
#include "rules/KontrReg.h"
#include "rules/Redukcja.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tremida;

namespace {

// Random rule texts checked per run.
constexpr int LiczbaPrzypadkow = 20000;

// Pieces that rule texts are made of, plus the characters that break them.
const QStringList Kawalki = {
    "[", "]", "(", ")", " ", "\n", "\r", "NOT", "AND", "OR", "not", "and", "=", ">", ">=", "<", "<=",
    "[a]=[x]", "[b]>[5]", "[c]=[TRUE]", "[TRUE][1.00]", "[FALSE][ 0.50]", "[UNKNOWN][0,25]", "[a (1]=[x]",
    "ż", "ą", "XYZ", "1,5", "][", "NOT(", "))", "((", "[[", "]]",
};

QString losowyTekst(QRandomGenerator &g, int maxKawalkow)
{
    QString t;
    const int n = g.bounded(maxKawalkow + 1);
    for (int i = 0; i < n; ++i) {
        if (g.bounded(8) == 0)
            t += QChar(char16_t(g.bounded(1, 0x250))); // any character, control characters included
        else
            t += Kawalki[g.bounded(Kawalki.size())];
    }
    return t;
}

TDaneReg dane()
{
    TDaneReg d;
    auto f = [](int id, const char *naz, const char *rodz, const char *typ) {
        TRekFakt r;
        r.IdFakt = id;
        r.KodSyst = 1;
        r.NazFakt = QString::fromUtf8(naz);
        r.RodzFakt = QString::fromUtf8(rodz);
        r.TypFakt = QString::fromUtf8(typ);
        r.WartFakt = QStringLiteral("???");
        return r;
    };
    d.fakty = {f(1, "a", "posredni", "wyliczeniowy"), f(2, "b", "wprowadzany", "calkowity"),
               f(3, "c", "posredni", "logiczny"), f(4, "a (1", "wprowadzany", "rzeczywisty")};
    TRekWartFaktWylicz w;
    w.KodFakt = 1;
    w.WartFaktWylicz = QStringLiteral("x");
    d.wartosci = {w};
    return d;
}

void sprawdzRedukcje(const TWynikRedukcji &r)
{
    switch (r.stan) {
    case TWynikRedukcji::Stan::Token:
        QVERIFY(r.usterki.isEmpty());
        break;
    case TWynikRedukcji::Stan::BezWartosci:
        QVERIFY(r.usterki.isEmpty());
        break;
    case TWynikRedukcji::Stan::Usterka:
        QCOMPARE(r.usterki.size(), 1);
        QVERIFY(!r.usterki[0].tekst.isEmpty());
        QVERIFY(tekstUsterki(r.usterki[0].id).startsWith(u'R'));
        break;
    }
}

} // namespace

class TstFuzzReguly : public QObject {
    Q_OBJECT
private slots:
    void losoweTeksty()
    {
        QRandomGenerator g(20240517);
        const TDaneReg d = dane();
        TParKonfig k;
        const QStringList rodziny = {"rozmyta", "algebraiczna", "Lukasiewicza"};
        // The same cases on every machine: a fixed seed and a fixed number of cases.
        for (int i = 0; i < LiczbaPrzypadkow; ++i) {
            const QString pole = losowyTekst(g, 40);
            const TSkanPola s = SkanujPolePrzes(pole);
            QCOMPARE(s.miedzy.size(), s.przes.size() + 1);
            int poprzedni = 0;
            for (const TPrzesElem &p : s.przes) {
                QVERIFY(p.nr >= poprzedni); // a "]]" may complete a premise without a new "["
                poprzedni = p.nr;
                QVERIFY(!p.oper.contains(u' ') && !p.nazFakt.contains(u'\n') && !p.wart.contains(u'\r'));
            }
            k.TNormaIloczyn = rodziny[g.bounded(3)];
            k.SNormaSuma = rodziny[g.bounded(3)];
            QStringList tokeny;
            for (qsizetype j = 0; j < s.przes.size(); ++j)
                tokeny << QStringLiteral("[TRUE][ 1.00]");
            const TWynikRedukcji r = RedukujPolePrzesReg(s.tekstTokenow(tokeny), "1", TRamkaReg(), k);
            sprawdzRedukcje(r);
            if (r.stan == TWynikRedukcji::Stan::Token)
                QCOMPARE(r.cf, 1.0); // every norm keeps 1 with 1 for the check tokens
            sprawdzRedukcje(RedukujPolePrzesReg(pole, "1", TRamkaReg(), k)); // the raw text as a token text

            TPolaReg p;
            p.IdReg = "1";
            p.KodSyst = "1";
            p.NazReg = p.PozReg = p.CFReg = "1";
            p.KierWniReg = "oba";
            p.PrzesReg = pole.isEmpty() ? QStringLiteral("[a]=[x]") : pole;
            p.KonklReg = losowyTekst(g, 6) + "[a]=[x]";
            p.OpisKonklReg = p.InstrReg = p.OpisReg = "x";
            const TWynikKontrSkladni w = KontrSkladniReg(p, d, k);
            for (const TUsterkaReg &u : w.usterki)
                QVERIFY2(!u.tekst.isEmpty(), qPrintable(tekstUsterki(u.id)));
            if (!w.poprawna)
                QVERIFY(!w.usterki.isEmpty() && !w.usterki.last().ostrzezenie);
        }
    }

    // Fields of 100 000 characters: many premises in one group, deep nesting, and the
    // wrong-order case all end.
    void dlugiePola_data()
    {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("wynik");
        QString plaskie = QStringLiteral("[b]>[1]");
        while (plaskie.size() < 100000)
            plaskie += QStringLiteral(" AND [b]>[1] OR NOT [b]<[2]");
        QTest::newRow("flat") << plaskie << "Składnia reguły poprawna.";
        const int glebokosc = 49990;
        QTest::newRow("deep") << QString(glebokosc, u'(') + "[b]>[1]" + QString(glebokosc, u')')
                              << "Składnia reguły poprawna.";
        QString zlaKolejnosc;
        while (zlaKolejnosc.size() < 100000)
            zlaKolejnosc += QStringLiteral("[b]>[1])) OR (([b]>[1]");
        QTest::newRow("wrong order") << zlaKolejnosc << "Składnia reguły poprawna.";
        QTest::newRow("garbage") << QString(100000, u'[') + QString(100000, u']') << "P1";
    }
    void dlugiePola()
    {
        QFETCH(QString, pole);
        QFETCH(QString, wynik);
        TPolaReg p;
        p.IdReg = p.KodSyst = p.NazReg = p.PozReg = p.CFReg = "1";
        p.KierWniReg = "oba";
        p.PrzesReg = pole;
        p.KonklReg = "[a]=[x]";
        p.OpisKonklReg = p.InstrReg = p.OpisReg = "x";
        const TWynikKontrSkladni w = KontrSkladniReg(p, dane(), TParKonfig());
        QCOMPARE(w.poprawna ? w.komunikaty().last() : tekstUsterki(w.usterki.last().id), wynik);
    }
};

QTEST_GUILESS_MAIN(TstFuzzReguly)
#include "tst_fuzz_reguly.moc"

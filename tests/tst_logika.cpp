// Three-valued logic, logical tokens, CF norms and the reduction of token texts.

#include "app/ParKonfig.h"
#include "rules/Logika.h"
#include "rules/Redukcja.h"

#include <QTest>

#include <locale.h>

#include <cmath>
#include <cstdio>

using namespace tremida;

namespace {

const QString T = QStringLiteral("[TRUE][1.00]");
const QString F = QStringLiteral("[FALSE][1.00]");
const QString Tail = QStringLiteral("\n\rKontrola składni reguły nie będzie kontynuowana."
                                    "\n\rUsuń błąd i wejdź powtórnie w kontrolę składni reguły.");

TWartLog wl(const QString &s)
{
    return s == "T" ? TWartLog::True : s == "F" ? TWartLog::False : TWartLog::Unknown;
}

// "TRUE  1.00", "R4", or "-" for no value.
QString opis(const TWynikRedukcji &r)
{
    switch (r.stan) {
    case TWynikRedukcji::Stan::Token:
        return tekstWartLog(r.wartosc) + u' ' + tekstCF(r.cf);
    case TWynikRedukcji::Stan::Usterka:
        return tekstUsterki(r.usterki.last().id);
    case TWynikRedukcji::Stan::BezWartosci:
        break;
    }
    return QStringLiteral("-");
}

// Two logical values with their conjunction and disjunction.
struct DwaArgumenty {
    QString a, b, iloczyn, suma;
};

// Two CFs joined by one family of norms: the t-norm and the s-norm expected.
struct Norma {
    QString rodzina;
    double a, b, t, s;
};

} // namespace

Q_DECLARE_METATYPE(DwaArgumenty)
Q_DECLARE_METATYPE(Norma)

class TstLogika : public QObject {
    Q_OBJECT
private slots:
    void tabliceLogiczne_data()
    {
        QTest::addColumn<DwaArgumenty>("p");
        QTest::newRow("T,T") << DwaArgumenty{.a = "T", .b = "T", .iloczyn = "T", .suma = "T"};
        QTest::newRow("T,F") << DwaArgumenty{.a = "T", .b = "F", .iloczyn = "F", .suma = "T"};
        QTest::newRow("T,U") << DwaArgumenty{.a = "T", .b = "U", .iloczyn = "U", .suma = "T"};
        QTest::newRow("F,T") << DwaArgumenty{.a = "F", .b = "T", .iloczyn = "F", .suma = "T"};
        QTest::newRow("F,F") << DwaArgumenty{.a = "F", .b = "F", .iloczyn = "F", .suma = "F"};
        QTest::newRow("F,U: unknown absorbs AND, is ignored by OR") << DwaArgumenty{.a = "F", .b = "U", .iloczyn = "U",
            .suma = "F"};
        QTest::newRow("U,T") << DwaArgumenty{.a = "U", .b = "T", .iloczyn = "U", .suma = "T"};
        QTest::newRow("U,F") << DwaArgumenty{.a = "U", .b = "F", .iloczyn = "U", .suma = "F"};
        QTest::newRow("U,U") << DwaArgumenty{.a = "U", .b = "U", .iloczyn = "U", .suma = "U"};
    }
    void tabliceLogiczne()
    {
        QFETCH(DwaArgumenty, p);
        QCOMPARE(IloczynLog(wl(p.a), wl(p.b)), wl(p.iloczyn));
        QCOMPARE(SumaLog(wl(p.a), wl(p.b)), wl(p.suma));
    }

    void negacja()
    {
        QCOMPARE(NieLog(TWartLog::True), TWartLog::False);
        QCOMPARE(NieLog(TWartLog::False), TWartLog::True);
        QCOMPARE(NieLog(TWartLog::Unknown), TWartLog::Unknown);
    }

    void tekstCF_data()
    {
        QTest::addColumn<double>("cf");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("one") << 1.0 << " 1.00";
        QTest::newRow("half") << 0.5 << " 0.50";
        QTest::newRow("zero") << 0.0 << " 0.00";
        QTest::newRow("0.2025 down") << 0.2025 << " 0.20";
        QTest::newRow("0.3025 down") << 0.3025 << " 0.30";
        QTest::newRow("exact half 0.125 up") << 0.125 << " 0.13";
        QTest::newRow("decimal half 0.145 up") << 0.145 << " 0.15";
        QTest::newRow("product 0.5*0.29 up") << 0.5 * 0.29 << " 0.15";
        QTest::newRow("0.994999 down") << 0.994999 << " 0.99";
        QTest::newRow("negative") << -0.5 << "-0.50";
        QTest::newRow("negative half away from zero") << -0.145 << "-0.15";
        QTest::newRow("negative rounding to zero") << -0.004 << " 0.00";
        QTest::newRow("wider than five") << 12.345 << "12.35";
        QTest::newRow("negative wider than five") << -12.5 << "-12.50";
        QTest::newRow("hundreds") << 100.0 << "100.00";
        QTest::newRow("huge") << 1e20 << "100000000000000000000.00";
    }
    void tekstCF()
    {
        QFETCH(double, cf);
        QFETCH(QString, tekst);
        QCOMPARE(tremida::tekstCF(cf), tekst);
    }

    // Every hundredth from -20 to 20 and values between them read as the C library's
    // "%5.2f" writes the rounded value in the C locale, whatever locale the test runs under.
    void tekstCFJakPrintf()
    {
        // The references are written first, in the C locale; the texts under test are then
        // made in the locale the test runs under.
        QStringList wzorce;
        {
            const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
            QVERIFY(c != locale_t(nullptr));
            const locale_t poprzednie = uselocale(c);
            for (int k = -20000; k <= 20000; ++k) {
                const double w = tremida::zaokraglijCF(k / 1000.0);
                char bufor[64];
                std::snprintf(bufor, sizeof bufor, "%5.2f", w == 0.0 ? 0.0 : w);
                wzorce << QString::fromLatin1(bufor);
            }
            uselocale(poprzednie);
            freelocale(c);
        }
        for (int k = -20000; k <= 20000; ++k)
            QCOMPARE(tremida::tekstCF(k / 1000.0), wzorce.at(k + 20000));
    }

    void tokeny()
    {
        QCOMPARE(tokenLog(TWartLog::True, 1.0), QStringLiteral("[TRUE][ 1.00]"));
        QCOMPARE(tokenLog(TWartLog::Unknown, 0.0), QStringLiteral("[UNKNOWN][ 0.00]"));
        QCOMPARE(tokenKontrolny(), QStringLiteral("[TRUE][ 1.00]"));
        QCOMPARE(tokenLog(TWartLog::False, -0.125), QStringLiteral("[FALSE][-0.13]"));
        QCOMPARE(tokenLog(TWartLog::True, 12.345), QStringLiteral("[TRUE][12.35]"));
        QCOMPARE(tokenLog(TWartLog::True, std::nan("")), QStringLiteral("[TRUE][  NAN]"));
        QCOMPARE(tokenLog(TWartLog::False, 1e20), QStringLiteral("[FALSE][100000000000000000000.00]"));
        QCOMPARE(wartLogZTekstu("true"), std::nullopt);
    }

    void normy_data()
    {
        QTest::addColumn<Norma>("p");
        QTest::newRow("rozmyta") << Norma{.rodzina = "rozmyta", .a = 0.3, .b = 0.8, .t = 0.3, .s = 0.8};
        QTest::newRow("algebraiczna") << Norma{.rodzina = "algebraiczna", .a = 0.5, .b = 0.5, .t = 0.25, .s = 0.75};
        QTest::newRow("Lukasiewicza below zero and below one") << Norma{.rodzina = "Lukasiewicza", .a = 0.3, .b = 0.4,
            .t = 0.0, .s = 0.7};
        QTest::newRow("Lukasiewicza above one") << Norma{.rodzina = "Lukasiewicza", .a = 0.8, .b = 0.7, .t = 0.5,
            .s = 1.0};
    }
    void normy()
    {
        QFETCH(Norma, p);
        QCOMPARE(TNormaCF(p.rodzina, p.a, p.b), p.t);
        QCOMPARE(SNormaCF(p.rodzina, p.a, p.b), p.s);
    }

    void redukcja_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("iloczyn");
        QTest::addColumn<QString>("suma");
        QTest::addColumn<QString>("wynik");
        const QString r = QStringLiteral("rozmyta");
        const QString a = QStringLiteral("algebraiczna");
        const QString l = QStringLiteral("Lukasiewicza");
        QTest::newRow("single token") << T << r << r << "TRUE  1.00";
        QTest::newRow("inner group, then ANDs left to right")
            << T + " AND (" + F + " OR " + T + ") AND " + T << r << r << "TRUE  1.00";
        QTest::newRow("AND before OR") << F + " AND " + F + " OR " + T << r << r << "TRUE  1.00";
        QTest::newRow("AND before OR, OR first in text") << T + " OR " + F + " AND " + F << r << r << "TRUE  1.00";
        QTest::newRow("NOT of a group") << "NOT (" + F + " OR " + F + ")" << r << r << "TRUE  1.00";
        QTest::newRow("NOT keeps the CF") << "NOT [TRUE][0.90]" << r << r << "FALSE  0.90";
        QTest::newRow("NOT UNKNOWN") << "NOT [UNKNOWN][0.40]" << r << r << "UNKNOWN  0.40";
        QTest::newRow("NOT NOT gives R2") << "NOT NOT " + T << r << r << "R2";
        QTest::newRow("NOT before a stray letter gives R2") << "NOT x" + T << r << r << "R2";
        QTest::newRow("two tokens without operator R4") << T + " " + T << r << r << "R4";
        QTest::newRow("lower-case and R4") << T + " and " + T << r << r << "R4";
        QTest::newRow("lower-case not ignored") << "not " + F << r << r << "FALSE  1.00";
        QTest::newRow("AND with nothing on the right R8") << T + " " + T + " AND" << r << r << "R8";
        QTest::newRow("OR with nothing on the left R11") << "OR " + T + " " + T << r << r << "R11";
        QTest::newRow("AND with nothing on the left R5") << "AND " + T + " " + T << r << r << "R5";
        QTest::newRow("OR with nothing on the right R14") << T + " " + T + " OR" << r << r << "R14";
        QTest::newRow("dangling AND beside one premise") << T + " AND" << r << r << "TRUE  1.00";
        QTest::newRow("dangling OR beside one premise") << "OR " + T << r << r << "TRUE  1.00";
        QTest::newRow("one pair of parentheses") << "(" + T + ")" << r << r << "TRUE  1.00";
        QTest::newRow("four pairs") << "((((" + T + "))))" << r << r << "TRUE  1.00";
        QTest::newRow("letters beside a token in a group") << "(" + T + "XYZ)" << r << r << "TRUE  1.00";
        QTest::newRow("empty group R3") << T + " AND ()" << r << r << "R3";
        QTest::newRow("odd square brackets R3") << "([TRUE][1.00][)" << r << r << "R3";
        QTest::newRow("bad left value of AND R6") << "[TRU][1.00] AND " + T << r << r << "R6";
        QTest::newRow("bad left CF of AND R7") << "[TRUE][x] AND " + T << r << r << "R7";
        QTest::newRow("bad right value of AND R9") << T + " AND [true][1.00]" << r << r << "R9";
        QTest::newRow("bad right CF of AND R10") << T + " AND [TRUE][1,0,0]" << r << r << "R10";
        QTest::newRow("bad left value of OR R12") << "[YES][1.00] OR " + T << r << r << "R12";
        QTest::newRow("bad left CF of OR R13") << "[TRUE][] OR " + T << r << r << "R13";
        QTest::newRow("bad right value of OR R15") << T + " OR [][1.00]" << r << r << "R15";
        QTest::newRow("bad right CF of OR R16") << T + " OR [TRUE][a]" << r << r << "R16";
        QTest::newRow("bad value of the last token R17") << "[MAYBE][1.00]" << r << r << "R17";
        QTest::newRow("bad CF of the last token R18") << "[TRUE][abc]" << r << r << "R18";
        QTest::newRow("comma CF accepted") << "[TRUE][0,5] AND [TRUE][0,7]" << r << r << "TRUE  0.50";
        QTest::newRow("algebraic product 0.25") << "[TRUE][0.50] AND [TRUE][0.50]" << a << a << "TRUE  0.25";
        QTest::newRow("algebraic 0.3025 written 0.30") << "[TRUE][0.55] AND [TRUE][0.55]" << a << a << "TRUE  0.30";
        QTest::newRow("rounded before the next combination")
            << "[TRUE][0.002] OR [TRUE][0.002] OR [TRUE][0.002]" << l << l << "TRUE  0.00";
        QTest::newRow("unknown AND: smaller CF") << "[TRUE][0.80] AND [UNKNOWN][0.00]" << r << r << "UNKNOWN  0.00";
        QTest::newRow("FALSE OR UNKNOWN is FALSE") << "[FALSE][0.60] OR [UNKNOWN][0.00]" << r << r << "FALSE  0.60";
        QTest::newRow("Lukasiewicz AND to zero") << "[TRUE][0.30] AND [TRUE][0.40]" << l << l << "TRUE  0.00";
        QTest::newRow("AND and OR take their own family")
            << "[TRUE][0.50] AND [TRUE][0.50] OR [FALSE][0.50]" << a << l << "TRUE  0.75";
        QTest::newRow("group closes before it opens") << T + ") AND (" + T << r << r << "-";
        QTest::newRow("reduced group, then a ) before any (") << T + ")) OR ((" + T << r << r << "-";
        QTest::newRow("line breaks and blanks dropped") << "[TRUE]\n\r[1.00]  A N D" << r << r << "TRUE  1.00";
    }
    void redukcja()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, iloczyn);
        QFETCH(QString, suma);
        QFETCH(QString, wynik);
        TParKonfig k;
        k.TNormaIloczyn = iloczyn;
        k.SNormaSuma = suma;
        const TWynikRedukcji r = RedukujPolePrzesReg(tekst, QStringLiteral("7"), TRamkaReg(), k);
        QCOMPARE(opis(r), wynik);
        if (r.stan == TWynikRedukcji::Stan::Usterka)
            QCOMPARE(r.usterki.size(), 1);
        else
            QVERIFY(r.usterki.isEmpty());
    }

    void komunikatyRedukcji_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("R1") << "(" + T
                            << "Kod reguły: 7. Błąd składni reguły.\n\rLiczba nawiasów zwykłych otwierających w polu "
                               "przesłankowym\n\rróżni się od liczby nawiasów zwykłych zamykających." + Tail;
        QTest::newRow("R2 has no detail") << "NOT NOT " + T << "Kod reguły: 7. Błąd składni reguły." + Tail;
        QTest::newRow("R4") << T + T
                            << "Kod reguły: 7. Błąd składni reguły.\n\rW nawiasie zwykłym figuruje więcej niż jedna "
                               "przesłanka, jednak brak operatora logicznego pomiędzy nimi." + Tail;
        QTest::newRow("R15 without a full stop")
            << T + " OR [][1.00]"
            << "Kod reguły: 7. Błąd składni reguły.\n\rBłąd wartości logicznej przesłanki po prawej stronie operatora OR" + Tail;
        QTest::newRow("R17 whole") << "[X][1.00]"
                                   << "Kod reguły: 7. Błąd składni reguły. Błąd wartości logicznej przesłanki." + Tail;
        QTest::newRow("R18 whole") << "[TRUE][X]"
                                   << "Kod reguły: 7. Błąd składni reguły. Błąd formy wartości CF przesłanki." + Tail;
    }
    void komunikatyRedukcji()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, komunikat);
        const TWynikRedukcji r = RedukujPolePrzesReg(tekst, QStringLiteral("7"), TRamkaReg(), TParKonfig());
        QCOMPARE(r.stan, TWynikRedukcji::Stan::Usterka);
        QCOMPARE(r.usterki.last().tekst, komunikat);
    }

    // A caller that lists R1 and goes on gets R1 and then no value for an unclosed group.
    void poR1Dalej()
    {
        TOpcjeRedukcji o;
        o.poR1Dalej = true;
        const TWynikRedukcji r = RedukujPolePrzesReg("(" + T, QStringLiteral("7"), TRamkaReg(), TParKonfig(), o);
        QCOMPARE(r.stan, TWynikRedukcji::Stan::BezWartosci);
        QCOMPARE(r.usterki.size(), 1);
        QCOMPARE(tekstUsterki(r.usterki[0].id), QStringLiteral("R1"));
    }
};

QTEST_GUILESS_MAIN(TstLogika)
#include "tst_logika.moc"

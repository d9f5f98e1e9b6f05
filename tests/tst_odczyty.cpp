// The reads the windows and tremida-cli make through core: a record by its key, the systems
// grid, one system's trajectory and the pick lists of facts, values and constants.

#include "BazaTestowa.h"
#include "Kociol.h"
#include "rules/DaneReg.h"
#include "store/Rekordy.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(tremida::Tabela)
Q_DECLARE_METATYPE(tremida::WyborFaktow)

using namespace tremida;
using namespace tremida::test;

namespace {

// "code name[ type]" of every entry, joined by "; ".
QString opis(const QList<TPozycjaListy> &pozycje)
{
    QStringList l;
    for (const TPozycjaListy &p : pozycje)
        l << (QString::number(p.kod) + u' ' + p.tekst + (p.typ.isEmpty() ? QString() : u' ' + p.typ)).trimmed();
    return l.join(QStringLiteral("; "));
}

// Every row of a run read, the named columns joined by "|", rows by "; ".
QString wiersze(QSqlQuery &q, const QStringList &kolumny)
{
    QStringList l;
    while (q.next()) {
        QStringList pola;
        for (const QString &k : kolumny)
            pola << q.record().value(k).toString();
        l << pola.join(u'|');
    }
    return l.join(QStringLiteral("; "));
}

// A table and a key, and the value a column of that record holds ("<brak>": no record).
struct Rekord {
    Tabela tabela;
    int klucz;
    QString kolumna, wartosc;
};

} // namespace

Q_DECLARE_METATYPE(Rekord)

class TstOdczyty : public QObject {
    Q_OBJECT
private slots:
    void rekordOKluczu_data()
    {
        QTest::addColumn<Rekord>("p");
        QTest::newRow("system") << Rekord{.tabela = Tabela::Systemy, .klucz = 2, .kolumna = "NazSyst",
            .wartosc = "Kotły parowe"};
        QTest::newRow("system drugi") << Rekord{.tabela = Tabela::Systemy, .klucz = 7, .kolumna = "OpisSyst",
            .wartosc = "Awarie pomp"};
        QTest::newRow("system nieistniejący") << Rekord{.tabela = Tabela::Systemy, .klucz = 3, .kolumna = "NazSyst",
            .wartosc = "<brak>"};
        QTest::newRow("fakt") << Rekord{.tabela = Tabela::Fakty, .klucz = 5, .kolumna = "NazFakt", .wartosc = "stan"};
        QTest::newRow("stała") << Rekord{.tabela = Tabela::Stale, .klucz = 6, .kolumna = "WartStalaProsta",
            .wartosc = "2,5"};
        QTest::newRow("stała nieistniejąca") << Rekord{.tabela = Tabela::Stale, .klucz = 5, .kolumna = "NazStala",
            .wartosc = "<brak>"};
        QTest::newRow("reguła") << Rekord{.tabela = Tabela::Reguly, .klucz = 4, .kolumna = "KonklReg",
            .wartosc = "[awaria]=[wyciek]"};
        QTest::newRow("wartość") << Rekord{.tabela = Tabela::WartFaktWylicz, .klucz = 8, .kolumna = "WartFaktWylicz",
            .wartosc = "zamknięty"};
    }
    void rekordOKluczu()
    {
        QFETCH(Rekord, p);
        BazaTestowa b(QStringLiteral("odczyty.json"));
        QString blad;
        const auto r = tremida::rekordOKluczu(b.baza, p.tabela, p.klucz, &blad);
        QCOMPARE(r ? r->value(p.kolumna).toString() : QStringLiteral("<brak>"), p.wartosc);
        QCOMPARE(blad, QString());
    }

    // A table whose file is gone: no record, and the failure is said.
    void rekordBezPliku()
    {
        BazaTestowa b(QStringLiteral("odczyty.json"));
        QVERIFY(QFile::remove(b.folder.sciezka() + QStringLiteral("/stale.db")));
        b.baza.synchronizuj();
        QString blad;
        QVERIFY(!tremida::rekordOKluczu(b.baza, Tabela::Stale, 6, &blad));
        QVERIFY(!blad.isEmpty());
    }

    void systemyWKolejnosciKodow()
    {
        BazaTestowa b(QStringLiteral("odczyty.json"));
        QSqlQuery q = odczytSystemow(b.baza);
        QCOMPARE(wiersze(q, {QStringLiteral("IdSyst"), QStringLiteral("NazSyst"), QStringLiteral("OpisSyst")}),
                 QStringLiteral("2|Kotły parowe|Diagnoza kotłów; 7|Pompy|Awarie pomp"));
    }

    void trajektoria_data()
    {
        QTest::addColumn<int>("kodSyst");
        QTest::addColumn<QString>("kroki");
        QTest::newRow("kroki systemu w kolejności kodów") << 2 << "1|4|tak|0.9; 3|4|nie|";
        QTest::newRow("jeden krok") << 7 << "2|8|tak|";
        QTest::newRow("system bez przebiegu") << 5 << "";
    }
    void trajektoria()
    {
        QFETCH(int, kodSyst);
        QFETCH(QString, kroki);
        BazaTestowa b(QStringLiteral("odczyty.json"));
        auto q = odczytTrajektorii(b.baza, kodSyst);
        QVERIFY(q);
        QCOMPARE(wiersze(*q, {QStringLiteral("IdKrokTraj"), QStringLiteral("KodRegTraj"), QStringLiteral("CzyOdpalTraj"),
                              QStringLiteral("CFKonklRegTraj")}),
                 kroki);
    }

    void trajektoriaBezPliku()
    {
        BazaTestowa b(QStringLiteral("odczyty.json"));
        QVERIFY(QFile::remove(b.folder.sciezka() + QStringLiteral("/trajektoria.db")));
        b.baza.synchronizuj();
        QVERIFY(!odczytTrajektorii(b.baza, 2));
    }

    void faktyDoWyboru_data()
    {
        QTest::addColumn<int>("kodSyst");
        QTest::addColumn<WyborFaktow>("wybor");
        QTest::addColumn<QString>("fakty");
        QTest::newRow("przesłanka: wszystkie fakty")
            << 2 << WyborFaktow::Wszystkie
            << "3 ciśnienie rzeczywisty; 5 stan logiczny; 9 awaria wyliczeniowy; 12 zawór wyliczeniowy";
        QTest::newRow("konkluzja: pośrednie i końcowe")
            << 2 << WyborFaktow::Konkluzje << "5 stan logiczny; 9 awaria wyliczeniowy";
        QTest::newRow("argument stałej: bez wyliczeniowych")
            << 2 << WyborFaktow::ArgumentyStalych << "3 ciśnienie rzeczywisty; 5 stan logiczny";
        QTest::newRow("inny system") << 7 << WyborFaktow::Wszystkie << "4 obroty calkowity";
        QTest::newRow("system bez faktów") << 5 << WyborFaktow::Wszystkie << "";
    }
    void faktyDoWyboru()
    {
        QFETCH(int, kodSyst);
        QFETCH(WyborFaktow, wybor);
        QFETCH(QString, fakty);
        BazaTestowa b(QStringLiteral("odczyty.json"));
        QList<TPozycjaListy> pozycje{{1, QStringLiteral("poprzednia lista"), {}}};
        QString blad;
        QVERIFY(tremida::faktyDoWyboru(b.baza, kodSyst, wybor, pozycje, &blad));
        QCOMPARE(opis(pozycje), fakty);
        QCOMPARE(blad, QString());
    }

    // With the facts file gone the lists are empty, and nothing is reported as failed.
    void listyBezPlikow()
    {
        BazaTestowa b(QStringLiteral("odczyty.json"));
        for (const char *plik : {"/fakty.db", "/wartoscifaktowwyliczeniowych.db", "/stale.db"})
            QVERIFY(QFile::remove(b.folder.sciezka() + QLatin1String(plik)));
        b.baza.synchronizuj();
        QList<TPozycjaListy> pozycje{{1, QStringLiteral("poprzednia lista"), {}}};
        QVERIFY(tremida::faktyDoWyboru(b.baza, 2, WyborFaktow::Wszystkie, pozycje));
        QVERIFY(pozycje.isEmpty());
        QVERIFY(wartosciDoWyboru(b.baza, 12).isEmpty());
        QVERIFY(staleDoWyboru(b.baza, 2, QStringLiteral("rzeczywista")).isEmpty());
    }

    void wartosciIStale_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QString>("oczekiwane");
        QTest::newRow("wartości faktu w kolejności kodów") << "wartości 12" << "2 otwarty; 8 zamknięty";
        QTest::newRow("wartości innego faktu") << "wartości 9" << "5 wyciek";
        QTest::newRow("fakt bez wartości") << "wartości 3" << "";
        QTest::newRow("stałe rzeczywiste systemu") << "stałe 2 rzeczywista" << "1 Pmin; 6 Pmax";
        QTest::newRow("stałe całkowite systemu") << "stałe 2 calkowita" << "3 Licznik";
        QTest::newRow("stałe innego systemu") << "stałe 7 rzeczywista" << "2 Nmax";
        QTest::newRow("typ nieznany: żadnej stałej") << "stałe 2" << "";
    }
    void wartosciIStale()
    {
        QFETCH(QString, lista);
        QFETCH(QString, oczekiwane);
        BazaTestowa b(QStringLiteral("odczyty.json"));
        const QStringList l = lista.split(u' ');
        const QList<TPozycjaListy> pozycje = l[0] == u"wartości"
                                                 ? wartosciDoWyboru(b.baza, l[1].toInt())
                                                 : staleDoWyboru(b.baza, l[1].toInt(), l.value(2));
        QCOMPARE(opis(pozycje), oczekiwane);
    }

    // A table file made by another program may hold its columns in another order, and more
    // of them: a run, the check before it and the explanation read the same records from it
    // as from this program's own file, rows read one after another as well as one by one.
    void kolumnyWInnejKolejnosci_data()
    {
        QTest::addColumn<Tabela>("tabela");
        QTest::newRow("fakty") << Tabela::Fakty;
        QTest::newRow("reguły") << Tabela::Reguly;
        QTest::newRow("stałe") << Tabela::Stale;
        QTest::newRow("wartości faktów wyliczeniowych") << Tabela::WartFaktWylicz;
        QTest::newRow("systemy") << Tabela::Systemy;
        QTest::newRow("pliki multimedialne") << Tabela::PlikiMult;
    }
    void kolumnyWInnejKolejnosci()
    {
        QFETCH(Tabela, tabela);
        const OpisTabeli &o = opisTabeli(tabela);
        FolderKotla wlasny, obcy;
        QStringList odwrotnie{QStringLiteral("'obca' AS Dodatkowa")};
        for (const OpisKolumny &k : o.kolumny)
            odwrotnie.prepend(k.nazwa);
        {
            InnyProgram inny(obcy.folder.sciezka() + u'/' + o.plik());
            inny.sql(QStringLiteral("ALTER TABLE %1 RENAME TO dawna").arg(o.nazwa));
            inny.sql(QStringLiteral("CREATE TABLE %1 AS SELECT %2 FROM dawna").arg(o.nazwa, odwrotnie.join(u',')));
            inny.sql(QStringLiteral("DROP TABLE dawna"));
        }
        const QList<QStringList> polecenia{
            {QStringLiteral("verify"), QStringLiteral("1"), QStringLiteral("--json")},
            {QStringLiteral("infer"), QStringLiteral("1"), QStringLiteral("--method"), QStringLiteral("mixed"),
             QStringLiteral("--hypothesis"), kociol::Palnik, QStringLiteral("--answers"),
             kociol::plik(QStringLiteral("odpowiedzi.txt")), QStringLiteral("--json")},
            {QStringLiteral("explain"), QStringLiteral("1"), QStringLiteral("--json")}};
        for (const QStringList &argumenty : polecenia) {
            const WynikCli a = wlasny.cli(argumenty), b = obcy.cli(argumenty);
            QCOMPARE(b.out, a.out);
            QCOMPARE(b.kod, 0);
            QCOMPARE(a.kod, 0);
            QVERIFY(argumenty[0] == u"verify" || a.out.contains(QStringLiteral("zanieczyszczony palnik")));
        }
    }
};

QTEST_GUILESS_MAIN(TstOdczyty)
#include "tst_odczyty.moc"

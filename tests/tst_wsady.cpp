// Trajectory rows written in batches: whatever the size of a batch, a run leaves the same
// trajectory, the same tables and tells the user the same things, in the windows' steps and
// in the command line's single transaction; a row the table refuses stops the run at the
// same point as when every row is written alone; whoever reads the trajectory after a step
// finds all its rows. And the batch writer itself keeps every value as given.

#include "StanowiskoWnios.h"
#include "inference/KrokWnios.h"
#include "store/WstawianieWsadowe.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QString Przerwanie = QStringLiteral("\n\rNastąpi przerwanie procesu wnioskowania.");

// A knowledge base of rules 1..n whose fact names are F0..Fn: rule i concludes F(i) from
// F(i-1). Forward, the rule that can fire next is examined last in every iteration; backward,
// proving F(n) needs the whole chain of auxiliary hypotheses. Rule 2 of the forward chain also
// compares a real fact with "=", which warns at every examination.
QString lancuch(int n, bool wPrzod)
{
    QJsonArray fakty{QJsonObject{{"IdFakt", 1}, {"KodSyst", 1}, {"NazFakt", "F0"}, {"RodzFakt", "wprowadzany"},
                                 {"TypFakt", "logiczny"}, {"WartFakt", "TRUE"}, {"CFWartFakt", 0.9}},
                     QJsonObject{{"IdFakt", 1000}, {"KodSyst", 1}, {"NazFakt", "t"}, {"RodzFakt", "wprowadzany"},
                                 {"TypFakt", "rzeczywisty"}, {"WartFakt", "12,5"}, {"CFWartFakt", 1}}};
    QJsonArray reguly;
    for (int i = 1; i <= n; ++i) {
        fakty.append(QJsonObject{{"IdFakt", i + 1}, {"KodSyst", 1}, {"NazFakt", QStringLiteral("F%1").arg(i)},
                                 {"RodzFakt", i == n ? "koncowy" : "posredni"}, {"TypFakt", "logiczny"},
                                 {"WartFakt", "???"}, {"CFWartFakt", 0}});
        const QString przes = QStringLiteral("[F%1]=[TRUE]").arg(i - 1) +
                              (wPrzod && i == 2 ? QStringLiteral(" AND [t]=[12,5]") : QString());
        reguly.append(QJsonObject{{"IdReg", wPrzod ? n + 1 - i : i}, {"KodSyst", 1},
                                  {"NazReg", QStringLiteral("R%1").arg(i)}, {"PozReg", 1},
                                  {"KierWniReg", wPrzod ? "w przod" : "wstecz"}, {"CFReg", 0.95},
                                  {"PrzesReg", przes}, {"KonklReg", QStringLiteral("[F%1]=[TRUE]").arg(i)}});
    }
    const QJsonObject doc{{"systemyeksperckie", QJsonArray{QJsonObject{{"IdSyst", 1}, {"NazSyst", "Łańcuch"}}}},
                          {"fakty", fakty},
                          {"reguly", reguly}};
    return QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Compact));
}

QString przyklad(const QString &nazwa)
{
    QFile f(plikPrzykladu(nazwa, nazwa + QStringLiteral(".json")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The answers file of an example as the recording user's answers.
QMap<int, QList<Odp>> odpowiedziPrzykladu(const QString &nazwa)
{
    QMap<int, QList<Odp>> odp;
    QFile f(plikPrzykladu(nazwa, QStringLiteral("odpowiedzi.txt")));
    if (!f.open(QIODevice::ReadOnly))
        return odp;
    for (const QString &linia : QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList cz = linia.trimmed().split(u'\t');
        if (linia.startsWith(u'#') || cz.size() < 3)
            continue;
        odp[cz[0].toInt()].append({cz[1], cz[2]});
    }
    return odp;
}

enum class Metoda { WPrzod, WPrzodZamkniecie, Wstecz, WsteczFalsyfikacja, Mieszane };

struct Przebieg {
    QString baza;      // JSON
    QString przyklad;  // the example whose answers are used, or empty
    int system = 1;
    Metoda metoda = Metoda::WPrzod;
    QString hipoteza;
    bool odpaloneBadane = false; // CzyOdpalUwzgl, and the meta-rule of the greatest conclusion CF
};

// One run of a method to its end in a fresh working folder, with `pojemnosc` rows per batch;
// `wJednejTransakcji`: the whole run inside one transaction, as tremida-cli runs it.
struct Stanowisko : SilnikiWnios {
    explicit Stanowisko(const Przebieg &p, int pojemnosc)
    {
        baza.otworz(folder.sciezka());
        baza.ustawPojemnoscWsadow(pojemnosc);
        zalozWszystkieTabele(baza);
        importuj(baza, p.baza);
        if (p.odpaloneBadane) {
            konfig.CzyOdpalUwzgl = true;
            konfig.MetaReg = konfig::MetaMaksCFKonkl;
        }
        if (!p.przyklad.isEmpty())
            uzytkownik.odpowiedzi = odpowiedziPrzykladu(p.przyklad);
        WybierzSystem(baza, p.system, sesja);
    }

    template <typename Dalej>
    WynikPrzebiegu doKonca(WynikPrzebiegu w, Dalej dalej, int zamknijPo = 0)
    {
        for (int i = 1; w == WynikPrzebiegu::Wstrzymany && i < 1000; ++i) {
            sesja.KontynuacjaZadana = true;
            if (i == zamknijPo) {
                wprzod.Zamknij();
                return WynikPrzebiegu::Zakonczony;
            }
            w = dalej();
        }
        return w;
    }

    WynikPrzebiegu uruchom(const Przebieg &p, bool wJednejTransakcji)
    {
        std::optional<Transakcja> calosc;
        if (wJednejTransakcji) {
            calosc.emplace(baza);
            if (!calosc->zajmij(TabeleWnioskowania))
                return WynikPrzebiegu::Przerwany;
        }
        QStringList konkluzje;
        WynikPrzebiegu w = WynikPrzebiegu::Przerwany;
        switch (p.metoda) {
        case Metoda::WPrzod:
        case Metoda::WPrzodZamkniecie:
            if (wprzod.Przygotuj(konkluzje))
                w = doKonca(wprzod.Start(p.hipoteza), [this] { return wprzod.Start(); },
                            p.metoda == Metoda::WPrzodZamkniecie ? 3 : 0);
            break;
        case Metoda::Wstecz:
        case Metoda::WsteczFalsyfikacja:
            if (wstecz.Przygotuj(konkluzje))
                w = doKonca(wstecz.Start(p.hipoteza), [this] { return wstecz.Start(); });
            if (p.metoda == Metoda::WsteczFalsyfikacja && fals.czyPrzygotowana()) {
                QList<int> wszystkie;
                for (qsizetype i = 0; i < fals.kandydaci().size(); ++i)
                    wszystkie << int(i);
                w = doKonca(fals.Start(wszystkie), [this] { return fals.Start(); });
            }
            break;
        case Metoda::Mieszane:
            if (miesz.Przygotuj(konkluzje))
                w = doKonca(miesz.Start(p.hipoteza), [this] { return miesz.Dalej(); });
            break;
        }
        if (calosc && calosc->zakoncz())
            pokazBladWnios(baza, uzytkownik);
        return w;
    }

    // Every row of the tables a run writes, every column, in key order.
    QStringList tabele()
    {
        QStringList wynik;
        for (const QString &t : {QStringLiteral("trajektoria"), QStringLiteral("fakty"),
                                 QStringLiteral("wartoscifaktowwyliczeniowych"), QStringLiteral("reguly")}) {
            QSqlQuery q = baza.zapytanie();
            if (!q.exec(QStringLiteral("SELECT * FROM ") + t + QStringLiteral(" ORDER BY 1")))
                return {q.lastError().text()};
            while (q.next()) {
                QStringList pola;
                for (int i = 0; i < q.record().count(); ++i)
                    pola << (q.isNull(i) ? QStringLiteral("NULL") : q.value(i).toString());
                wynik << t + u':' + pola.join(u'|');
            }
        }
        return wynik;
    }
};

const QList<int> Pojemnosci = {2, 7, 64, 65, 200, WstawianieWsadowe::DomyslnaPojemnosc};

} // namespace

Q_DECLARE_METATYPE(Metoda)

class TstWsady : public QObject {
    Q_OBJECT

    void przebiegi()
    {
        QTest::addColumn<QString>("baza");
        QTest::addColumn<QString>("przyklad");
        QTest::addColumn<int>("system");
        QTest::addColumn<Metoda>("metoda");
        QTest::addColumn<QString>("hipoteza");
        QTest::addColumn<bool>("odpaloneBadane");
        QTest::newRow("forward chain, a warning in every iteration")
            << lancuch(40, true) << QString() << 1 << Metoda::WPrzod << QString() << false;
        QTest::newRow("forward chain with a hypothesis, fired silently")
            << lancuch(40, true) << QString() << 1 << Metoda::WPrzod << QStringLiteral("[F40]=[TRUE]") << false;
        QTest::newRow("forward chain closed at the third conclusion")
            << lancuch(40, true) << QString() << 1 << Metoda::WPrzodZamkniecie << QString() << false;
        QTest::newRow("backward chain of auxiliary hypotheses")
            << lancuch(40, false) << QString() << 1 << Metoda::Wstecz << QStringLiteral("[F40]=[TRUE]") << false;
        QTest::newRow("boiler forward, answers asked during the run")
            << przyklad(QStringLiteral("kociol")) << QStringLiteral("kociol") << 1 << Metoda::WPrzod << QString()
            << false;
        QTest::newRow("boiler mixed")
            << przyklad(QStringLiteral("kociol")) << QStringLiteral("kociol") << 1 << Metoda::Mieszane
            << QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]") << false;
        QTest::newRow("diagnosis backward, then falsification")
            << przyklad(QStringLiteral("choroba")) << QStringLiteral("choroba") << 2 << Metoda::WsteczFalsyfikacja
            << QStringLiteral("[rozpoznanie]=[zapalenie oskrzeli]") << false;
        QTest::newRow("holiday forward, fired rules examined again")
            << przyklad(QStringLiteral("wypoczynek")) << QStringLiteral("wypoczynek") << 3 << Metoda::WPrzod << QString()
            << true;
    }

private slots:
    // The trajectory, the tables and what the user is told are those of a run whose every
    // row is written when it is made, for every batch size, in both kinds of transaction.
    void jakWierszPoWierszu_data()
    {
        przebiegi();
    }
    void jakWierszPoWierszu()
    {
        QFETCH(QString, baza);
        QFETCH(QString, przyklad);
        QFETCH(int, system);
        QFETCH(Metoda, metoda);
        QFETCH(QString, hipoteza);
        QFETCH(bool, odpaloneBadane);
        const Przebieg p{baza, przyklad, system, metoda, hipoteza, odpaloneBadane};
        for (bool jednaTransakcja : {false, true}) {
            Stanowisko wzor(p, 1);
            const WynikPrzebiegu w = wzor.uruchom(p, jednaTransakcja);
            const QStringList tabele = wzor.tabele();
            QVERIFY(tabele.filter(QStringLiteral("trajektoria:")).size() > 5);
            for (int pojemnosc : Pojemnosci) {
                Stanowisko s(p, pojemnosc);
                QCOMPARE(s.uruchom(p, jednaTransakcja), w);
                QCOMPARE(s.uzytkownik.zdarzenia, wzor.uzytkownik.zdarzenia);
                QCOMPARE(s.tabele(), tabele);
                QCOMPARE(s.sesja.LicznikKrokow, wzor.sesja.LicznikKrokow);
            }
        }
    }

    // A row the trajectory refuses (a trigger of another program) stops the run where a row
    // written alone would: the same messages up to the failure's, nothing that followed the
    // refused row shown, the tables as before the step, whatever the batch.
    void odmowaWiersza_data()
    {
        QTest::addColumn<int>("krok");    // the refused step
        QTest::addColumn<bool>("wPrzod"); // the forward chain (else the backward one)
        QTest::newRow("first row of the run") << 1 << true;
        QTest::newRow("row before a warning") << 38 << true;
        QTest::newRow("row of a firing") << 41 << true;
        QTest::newRow("row in the middle of an iteration") << 61 << true;
        QTest::newRow("last row of the run") << 860 << true;
        QTest::newRow("backward, a row of an auxiliary rule") << 97 << false;
    }
    void odmowaWiersza()
    {
        QFETCH(int, krok);
        QFETCH(bool, wPrzod);
        const Przebieg p{lancuch(40, wPrzod), QString(), 1, wPrzod ? Metoda::WPrzod : Metoda::Wstecz,
                         wPrzod ? QString() : QStringLiteral("[F40]=[TRUE]")};
        for (bool jednaTransakcja : {false, true}) {
            QStringList zdarzenia, tabele;
            for (int pojemnosc : QList<int>{1} + Pojemnosci) {
                Stanowisko s(p, pojemnosc);
                {
                    InnyProgram inny(s.folder.plik(QStringLiteral("trajektoria.db")));
                    inny.sql(QStringLiteral("CREATE TRIGGER odmowa BEFORE INSERT ON trajektoria WHEN NEW.IdKrokTraj=%1 "
                                            "BEGIN SELECT RAISE(ABORT, 'odmowa zapisu'); END")
                                 .arg(krok));
                }
                s.baza.synchronizuj();
                QCOMPARE(s.uruchom(p, jednaTransakcja), WynikPrzebiegu::Przerwany);
                QCOMPARE(s.uzytkownik.zdarzenia.last(),
                         QStringLiteral("Nie można zapisać zmian w tabeli trajektoria.db: zmiana odrzucona przez "
                                        "ograniczenie tabeli (odmowa zapisu).") +
                             Przerwanie);
                if (pojemnosc == 1) {
                    zdarzenia = s.uzytkownik.zdarzenia;
                    tabele = s.tabele();
                    continue;
                }
                QCOMPARE(s.uzytkownik.zdarzenia, zdarzenia);
                QCOMPARE(s.tabele(), tabele);
            }
        }
    }

    // After every pause of a run in one transaction the trajectory holds each row of the run
    // so far; after a pause of a run in steps another program sees them too.
    void wierszeWidocznePoKroku()
    {
        const Przebieg p{lancuch(30, true), QString(), 1, Metoda::WPrzod, QString()};
        for (bool jednaTransakcja : {false, true}) {
            Stanowisko s(p, WstawianieWsadowe::DomyslnaPojemnosc);
            std::optional<Transakcja> calosc;
            if (jednaTransakcja) {
                calosc.emplace(s.baza);
                QVERIFY(calosc->zajmij(TabeleWnioskowania));
            }
            QStringList konkluzje;
            QVERIFY(s.wprzod.Przygotuj(konkluzje));
            WynikPrzebiegu w = s.wprzod.Start();
            for (int pauzy = 0; w == WynikPrzebiegu::Wstrzymany; ++pauzy) {
                QSqlQuery q = s.baza.zapytanie();
                QVERIFY(q.exec(QStringLiteral("SELECT count(*), max(IdKrokTraj) FROM trajektoria")) && q.next());
                QCOMPARE(q.value(0).toInt(), s.sesja.LicznikKrokow);
                QCOMPARE(q.value(1).toInt(), s.sesja.LicznikKrokow);
                q.finish();
                if (!jednaTransakcja) {
                    QSqlDatabase inna = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inna"));
                    inna.setDatabaseName(s.folder.plik(QStringLiteral("trajektoria.db")));
                    QVERIFY(inna.open());
                    QSqlQuery z(inna);
                    QVERIFY(z.exec(QStringLiteral("SELECT count(*) FROM trajektoria")) && z.next());
                    QCOMPARE(z.value(0).toInt(), s.sesja.LicznikKrokow);
                    z.finish();
                    inna.close();
                    inna = QSqlDatabase();
                    QSqlDatabase::removeDatabase(QStringLiteral("inna"));
                }
                s.sesja.KontynuacjaZadana = true;
                w = s.wprzod.Start();
            }
            QCOMPARE(w, WynikPrzebiegu::Zakonczony);
            if (calosc)
                QVERIFY(!calosc->zakoncz());
        }
    }

    // A step inside a larger transaction that ends without telling the user anything still
    // leaves its rows written for whoever reads next in that transaction.
    void krokBezKomunikatu()
    {
        const Przebieg p{lancuch(3, true), QString(), 1, Metoda::WPrzod, QString()};
        Stanowisko s(p, WstawianieWsadowe::DomyslnaPojemnosc);
        Transakcja calosc(s.baza);
        QVERIFY(calosc.zajmij(TabeleWnioskowania));
        TUzytkownikStrzezony straz(s.baza, s.uzytkownik);
        {
            TKrokWnios krok(s.baza, s.sesja, straz);
            for (int i = 0; i < 3; ++i)
                QVERIFY(DopiszKrokTraj(s.baza, s.sesja, 1, 1, 1, QStringLiteral("w przod"), QStringLiteral("nie"), 0.5,
                                       QStringLiteral("przyczyna")));
            QVERIFY(krok.zakoncz(true));
        }
        QSqlQuery q = s.baza.zapytanie();
        QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM trajektoria")) && q.next());
        QCOMPARE(q.value(0).toInt(), 3);
        q.finish();
        QVERIFY(!calosc.zakoncz());
        QVERIFY(s.uzytkownik.zdarzenia.isEmpty());
    }

    // The batch writer keeps every value as given: integers, reals, texts (many different,
    // repeated, with Polish letters, empty, of one zero character) and NULL, in the order the
    // rows were added, whatever the batch.
    void wartosciWiersza_data()
    {
        QTest::addColumn<int>("pojemnosc");
        QTest::addColumn<int>("wiersze");
        for (int pojemnosc : {1, 3, 64, 65, 200})
            for (int wiersze : {1, 64, 150})
                QTest::newRow(qPrintable(QStringLiteral("%1 rows in batches of %2").arg(wiersze).arg(pojemnosc)))
                    << pojemnosc << wiersze;
    }
    void wartosciWiersza()
    {
        QFETCH(int, pojemnosc);
        QFETCH(int, wiersze);
        FolderRoboczy folder;
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        zalozWszystkieTabele(baza);
        baza.ustawPojemnoscWsadow(pojemnosc);
        const QStringList kolumny{"IdKrokTraj",   "KodSyst",        "KodRegTraj",         "PozRegTraj", "IterRegTraj",
                                  "KierWniTraj",  "CzyOdpalTraj",   "CFKonklRegTraj",     "PrzyczNieOdpalTraj",
                                  "DataRek"};
        QStringList oczekiwane;
        {
            Transakcja t(baza);
            QVERIFY(t.ok());
            WstawianieWsadowe &w = baza.wstawianie(Tabela::Trajektoria, kolumny);
            for (int i = 1; i <= wiersze; ++i) {
                // Texts that differ from row to row, made anew (and freed) each time.
                const QString przyczyna = i % 3 == 0 ? QStringLiteral("zażółć gęślą jaźń %1").arg(i % 70)
                                          : i % 3 == 1 ? QString(QChar(0))
                                                       : QString();
                const QString kierunek = i % 2 ? QStringLiteral("w przod") : QStringLiteral("");
                const double cf = i / 7.0;
                QVERIFY(w.dodaj({i, 1, 1000 - i, i % 5, i * 3, kierunek, QStringLiteral("tak"), cf, przyczyna,
                                 QStringLiteral("5.3.2024")}));
                oczekiwane << QStringLiteral("%1|1|%2|%3|%4|%5|tak|%6|%7|5.3.2024")
                                  .arg(i)
                                  .arg(1000 - i)
                                  .arg(i % 5)
                                  .arg(i * 3)
                                  .arg(kierunek)
                                  .arg(QString::number(cf, 'g', 17))
                                  .arg(przyczyna.isNull() ? QStringLiteral("NULL") : przyczyna);
            }
            QVERIFY(t.zatwierdz());
        }
        QStringList zapisane;
        QSqlQuery q = baza.zapytanie();
        QVERIFY(q.exec(QStringLiteral("SELECT * FROM trajektoria ORDER BY IdKrokTraj")));
        while (q.next()) {
            QStringList pola;
            for (int i = 0; i < 10; ++i)
                pola << (q.isNull(i) ? QStringLiteral("NULL")
                         : i == 7    ? QString::number(q.value(i).toDouble(), 'g', 17)
                                     : q.value(i).toString());
            zapisane << pola.join(u'|');
        }
        QCOMPARE(zapisane, oczekiwane);
    }

    // A value repeated from one batch to the next is written as the same value, and a text
    // that follows a rolled-back batch is its own, not the one written before the rollback.
    void wartosciPoWycofaniu()
    {
        FolderRoboczy folder;
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        zalozWszystkieTabele(baza);
        const QStringList kolumny{"IdKrokTraj", "KodSyst", "KodRegTraj", "KierWniTraj", "DataRek"};
        auto dopisz = [&](int od, int ile, const QString &kierunek, bool zatwierdz) {
            Transakcja t(baza);
            WstawianieWsadowe &w = baza.wstawianie(Tabela::Trajektoria, kolumny);
            for (int i = od; i < od + ile; ++i)
                if (!w.dodaj({i, 1, 7, kierunek, QStringLiteral("1.1.2024")}))
                    return false;
            if (!zatwierdz)
                t.wycofaj();
            return !zatwierdz || t.zatwierdz();
        };
        QVERIFY(dopisz(1, 128, QStringLiteral("w przod"), true));
        QVERIFY(dopisz(129, 64, QStringLiteral("falsyf"), false));
        QVERIFY(dopisz(129, 128, QStringLiteral("wstecz"), true));
        QSqlQuery q = baza.zapytanie();
        QVERIFY(q.exec(QStringLiteral("SELECT KierWniTraj, count(*), min(IdKrokTraj), max(KodRegTraj) FROM trajektoria "
                                      "GROUP BY KierWniTraj ORDER BY 3")));
        QStringList grupy;
        while (q.next())
            grupy << QStringLiteral("%1 %2 %3 %4").arg(q.value(0).toString(), q.value(1).toString(),
                                                      q.value(2).toString(), q.value(3).toString());
        QCOMPARE(grupy, QStringList({QStringLiteral("w przod 128 1 7"), QStringLiteral("wstecz 128 129 7")}));
    }

    // Rows kept when their transaction is rolled back are not written afterwards.
    void wycofaneNieZapisane()
    {
        FolderRoboczy folder;
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        zalozWszystkieTabele(baza);
        const QStringList kolumny{"IdKrokTraj", "KodSyst", "KodRegTraj", "DataRek"};
        {
            Transakcja t(baza);
            QVERIFY(baza.wstawianie(Tabela::Trajektoria, kolumny).dodaj({1, 1, 1, QStringLiteral("1.1.2024")}));
            t.wycofaj();
        }
        {
            Transakcja t(baza);
            QVERIFY(baza.wstawianie(Tabela::Trajektoria, kolumny).dodaj({2, 1, 1, QStringLiteral("1.1.2024")}));
            QVERIFY(t.zatwierdz());
        }
        QCOMPARE(baza.liczbaRekordow(Tabela::Trajektoria), 1);
    }
};

QTEST_GUILESS_MAIN(TstWsady)
#include "tst_wsady.moc"

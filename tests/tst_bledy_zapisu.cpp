// Failed reads and writes of the table files: a table that refuses a change (a trigger of
// another program standing for any refused write), a full file, a lock held by another
// program, a file that is not a table file. Each failure is told in a message naming the
// table file, the work stops (tremida-cli: exit 1) and the tables are exactly as they were
// before the work; nothing is reported as saved that was not committed.

#include "Kociol.h"
#include "UzytkownikTestowy.h"
#include "inference/WniosWPrzod.h"

#include <QDir>
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
const QString Opcja = QStringLiteral("\n\rOpcja nie zostanie zrealizowana.");
const QString Odmowa = QStringLiteral(": zmiana odrzucona przez ograniczenie tabeli (odmowa zapisu).");

// The boiler example in a working folder, after its input-fact values were read.
struct Kociol : FolderKotla {
    explicit Kociol(bool wartosci = true)
    {
        if (wartosci)
            QCOMPARE(cli({QStringLiteral("read-facts"), QStringLiteral("1"),
                          kociol::plik(QStringLiteral("wartosci_faktow.txt"))})
                         .kod,
                     0);
    }
    QString plik(const QString &nazwa) const { return folder.plik(nazwa); }
    // Every record of every table.
    QString tabele() const
    {
        const WynikCli w = cli({QStringLiteral("export")});
        return w.kod == 0 ? w.out : QStringLiteral("export: ") + w.err + w.out;
    }
};

const QStringList Wnioskowanie = {QStringLiteral("infer"), QStringLiteral("1"), QStringLiteral("--method"),
                                  QStringLiteral("forward"), QStringLiteral("--no-verify"), QStringLiteral("--json")};

// A table that refuses the change a command makes: the table, its trigger, whether the
// facts have values, the command and the message.
struct OdmowaZapisu {
    QString plik, wyzwalacz;
    bool wartosci;
    QStringList polecenie;
    QString komunikat;
};

} // namespace

Q_DECLARE_METATYPE(OdmowaZapisu)

class TstBledyZapisu : public QObject {
    Q_OBJECT
private slots:
    // A table that refuses the change the work makes: the message, exit 1, unchanged tables.
    void odmowaZapisu_data()
    {
        QTest::addColumn<OdmowaZapisu>("p");
        const QString odmowa = QStringLiteral(" BEGIN SELECT RAISE(ABORT, 'odmowa zapisu'); END");
        const QStringList czytanie = {QStringLiteral("read-facts"), QStringLiteral("1"),
                                      kociol::plik(QStringLiteral("wartosci_faktow.txt")), QStringLiteral("--json")};
        QTest::newRow("inference: trajectory row") << OdmowaZapisu{.plik = "trajektoria.db",
            .wyzwalacz = "BEFORE INSERT ON trajektoria" + odmowa, .wartosci = true, .polecenie = Wnioskowanie,
            .komunikat = "Nie można zapisać zmian w tabeli trajektoria.db" + Odmowa + Przerwanie};
        QTest::newRow("inference: rule marked fired") << OdmowaZapisu{.plik = "reguly.db",
            .wyzwalacz = "BEFORE UPDATE OF CzyOdpal ON reguly WHEN NEW.CzyOdpal = 'tak'" + odmowa, .wartosci = true,
            .polecenie = Wnioskowanie, .komunikat = "Nie można zapisać zmian w tabeli reguly.db" + Odmowa + Przerwanie};
        QTest::newRow("inference: rules reset by the launcher") << OdmowaZapisu{.plik = "reguly.db",
            .wyzwalacz = "BEFORE UPDATE ON reguly" + odmowa, .wartosci = true, .polecenie = Wnioskowanie,
            .komunikat = "Nie można zapisać zmian w tabeli reguly.db" + Odmowa + Przerwanie};
        QTest::newRow("inference: derived fact's value") << OdmowaZapisu{.plik = "fakty.db",
            .wyzwalacz = "BEFORE UPDATE OF WartFakt ON fakty WHEN NEW.WartFakt = 'TRUE'" + odmowa, .wartosci = true,
            .polecenie = Wnioskowanie, .komunikat = "Nie można zapisać zmian w tabeli fakty.db" + Odmowa + Przerwanie};
        QTest::newRow("inference: enumerated value of a conclusion") << OdmowaZapisu{
            .plik = "wartoscifaktowwyliczeniowych.db",
            .wyzwalacz = "BEFORE UPDATE OF CzyFaktMaWartAkt ON wartoscifaktowwyliczeniowych "
                         "WHEN NEW.CzyFaktMaWartAkt = 'tak'" + odmowa,
            .wartosci = true, .polecenie = Wnioskowanie,
            .komunikat = "Nie można zapisać zmian w tabeli wartoscifaktowwyliczeniowych.db" + Odmowa + Przerwanie};
        QTest::newRow("input-fact file: facts") << OdmowaZapisu{.plik = "fakty.db",
            .wyzwalacz = "BEFORE UPDATE ON fakty" + odmowa, .wartosci = false, .polecenie = czytanie,
            .komunikat = "Nie można zapisać zmian w tabeli fakty.db" + Odmowa + Opcja};
        // The facts of the file before the enumerated one were written already: undone too.
        QTest::newRow("input-fact file: enumerated values") << OdmowaZapisu{.plik = "wartoscifaktowwyliczeniowych.db",
            .wyzwalacz = "BEFORE UPDATE ON wartoscifaktowwyliczeniowych" + odmowa, .wartosci = false,
            .polecenie = czytanie,
            .komunikat = "Nie można zapisać zmian w tabeli wartoscifaktowwyliczeniowych.db" + Odmowa + Opcja};
        QTest::newRow("verification: reset of a missing value") << OdmowaZapisu{.plik = "fakty.db",
            .wyzwalacz = "BEFORE UPDATE ON fakty WHEN NEW.WartFakt = '?\?\?'" + odmowa, .wartosci = true,
            .polecenie = {QStringLiteral("verify"), QStringLiteral("1"), QStringLiteral("--full"),
                          QStringLiteral("--json")},
            .komunikat = "Nie można zapisać zmian w tabeli fakty.db" + Odmowa +
                         QStringLiteral("\n\rProces wnioskowania nie będzie możliwy.")};
    }
    void odmowaZapisu()
    {
        QFETCH(OdmowaZapisu, p);
        Kociol f(p.wartosci);
        if (p.polecenie.first() == QStringLiteral("verify")) {
            // A missing value that verification resets to "???".
            InnyProgram(f.plik(QStringLiteral("fakty.db"))).sql(QStringLiteral("UPDATE fakty SET WartFakt='' WHERE IdFakt=104"));
        }
        const QString przed = f.tabele();
        {
            InnyProgram inny(f.plik(p.plik));
            inny.sql(QStringLiteral("CREATE TRIGGER odmowa ") + p.wyzwalacz);
        }
        const WynikCli w = f.cli(p.polecenie);
        QCOMPARE(w.kod, 1);
        const QStringList k = komunikatyJson(w.out);
        QVERIFY2(!k.isEmpty(), qPrintable(w.out + w.err));
        QCOMPARE(k.last(), p.komunikat);
        QCOMPARE(k.count(p.komunikat), 1);
        QVERIFY(!w.out.contains(QStringLiteral("zostały zapisane")));
        QVERIFY(!w.out.contains(QStringLiteral("\"event\":\"conclusion\"")) ||
                p.plik != QStringLiteral("trajektoria.db"));
        QCOMPARE(f.tabele(), przed);
    }

    // A value the facts table refuses (longer than its column) is never reported as assigned.
    void wartoscZaDluga()
    {
        Kociol f(false);
        f.folder.zapisz(QStringLiteral("odpowiedzi.txt"),
                        "104\t" + QByteArray(600, '0') + "5\t1\n");
        const QString przed = f.tabele();
        const WynikCli w = f.cli(Wnioskowanie + QStringList{QStringLiteral("--answers"), f.plik(QStringLiteral("odpowiedzi.txt"))});
        QCOMPARE(w.kod, 1);
        const QStringList k = komunikatyJson(w.out);
        QCOMPARE(k.last(), QStringLiteral("Nie można zapisać zmian w tabeli fakty.db: zmiana odrzucona przez "
                                          "ograniczenie tabeli (CHECK constraint failed: WartFakt: tekst dłuższy niż "
                                          "500 znaków).") +
                               Przerwanie);
        QVERIFY(!k.contains(QStringLiteral("Została przypisana wartość do faktu. Proces wnioskowania będzie "
                                           "kontynuowany.")));
        QCOMPARE(f.tabele(), przed);
    }

    // Another program holds a write lock on the rules table for longer than the run waits.
    void tabelaZablokowana()
    {
        Kociol f;
        const QString przed = f.tabele();
        WynikCli w;
        {
            InnyProgram inny(f.plik(QStringLiteral("reguly.db")));
            inny.sql(QStringLiteral("BEGIN IMMEDIATE"));
            inny.sql(QStringLiteral("UPDATE reguly SET NazReg = NazReg WHERE IdReg = 101"));
            w = f.cli(Wnioskowanie);
            inny.sql(QStringLiteral("ROLLBACK"));
        }
        QCOMPARE(w.kod, 1);
        QCOMPARE(komunikatyJson(w.out).last(), QStringLiteral("Nie można zapisać zmian w tabeli reguly.db: tabela jest "
                                                          "używana przez inny program.") +
                                               Przerwanie);
        QCOMPARE(f.tabele(), przed);
    }

    // A table file that is not the table it should be is reported as such by every command that
    // needs it, never as missing or empty.
    void wadliwyPlikTabeli_data()
    {
        QTest::addColumn<QByteArray>("zawartosc");
        QTest::addColumn<QString>("obcy");
        QTest::addColumn<QString>("przyczyna");
        QTest::newRow("not a database") << QByteArray("To nie jest baza danych, tylko tekst.\n").repeated(200)
                                        << QString() << QStringLiteral("plik nie jest plikiem bazy danych");
        QTest::newRow("another table") << QByteArray() << QStringLiteral("CREATE TABLE inna (x INTEGER)")
                                       << QStringLiteral("plik nie zawiera tabeli fakty");
        QTest::newRow("a column missing")
            << QByteArray() << QStringLiteral("DROP INDEX indkodsyst; ALTER TABLE fakty DROP COLUMN KodSyst")
            << QStringLiteral("w tabeli fakty brak kolumny KodSyst");
    }
    void wadliwyPlikTabeli()
    {
        QFETCH(QByteArray, zawartosc);
        QFETCH(QString, obcy);
        QFETCH(QString, przyczyna);
        Kociol f;
        const QString plik = f.plik(QStringLiteral("fakty.db"));
        if (!zawartosc.isEmpty()) {
            QFile::remove(plik);
            f.folder.zapisz(QStringLiteral("fakty.db"), zawartosc);
        } else if (obcy.startsWith(QStringLiteral("CREATE"))) {
            QFile::remove(plik);
            InnyProgram(plik).sql(obcy);
        } else {
            InnyProgram inny(plik);
            for (const QString &s : obcy.split(QStringLiteral("; ")))
                inny.sql(s);
        }
        const QString problem = QStringLiteral("Plik fakty.db nie jest plikiem tabeli fakty (") + przyczyna +
                                QStringLiteral(").") + Opcja;
        const WynikCli weryfikacja = f.cli({QStringLiteral("verify"), QStringLiteral("1"), QStringLiteral("--json")});
        QCOMPARE(weryfikacja.kod, 1);
        QCOMPARE(komunikatyJson(weryfikacja.out),
                 QStringList{problem + QStringLiteral(" Procesu wnioskowania nie można zrealizować.")});
        const WynikCli wnioskowanie = f.cli(Wnioskowanie);
        QCOMPARE(wnioskowanie.kod, 1);
        QCOMPARE(komunikatyJson(wnioskowanie.out),
                 QStringList{problem + QStringLiteral(" Procesu wnioskowania nie można zrealizować.")});
        const WynikCli spojnosc = f.cli({QStringLiteral("check-db")});
        QCOMPARE(spojnosc.kod, 1);
        QCOMPARE(spojnosc.out.trimmed(),
                 tekstDoWyswietleniaTestu(problem + QStringLiteral(" Procesu kontroli spójności bazy nie można "
                                                                   "zrealizować.")));
        QFile zPliku(plik);
        QVERIFY(zPliku.open(QIODevice::ReadOnly));
        if (!zawartosc.isEmpty())
            QCOMPARE(zPliku.readAll(), zawartosc);
    }

    // The windows commit at every pause of a run: a step whose trajectory row does not fit in
    // the file (a full disk) leaves the tables as the last pause committed them, and the step
    // numbers of the rolled-back rows are used again.
    void pelnyDyskWKrokuPrzebiegu()
    {
        FolderRoboczy folder;
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        zalozWszystkieTabele(baza);
        importuj(baza, bazaSzescdziesieciuRegul());
        TParKonfig konfig;
        TSesjaWnios sesja;
        UzytkownikTestowy uzytkownik(baza, konfig);
        TWniosWPrzod wnios(baza, konfig, sesja, uzytkownik);
        QVERIFY(WybierzSystem(baza, 1, sesja));
        QStringList konkluzje;
        QVERIFY(wnios.Przygotuj(konkluzje));
        QCOMPARE(wnios.Start(), WynikPrzebiegu::Wstrzymany);
        const QStringList poPierwszym = stan(baza);
        const int licznik = sesja.LicznikKrokow;
        QCOMPARE(licznik, 60);

        QSqlQuery q = baza.zapytanie();
        QVERIFY(q.exec(QStringLiteral("PRAGMA trajektoria.page_count")) && q.next());
        const int strony = q.value(0).toInt();
        QVERIFY(q.exec(QStringLiteral("PRAGMA trajektoria.max_page_count=%1").arg(strony)));
        uzytkownik.zdarzenia.clear();
        sesja.KontynuacjaZadana = true;
        QCOMPARE(wnios.Start(), WynikPrzebiegu::Przerwany);
        QCOMPARE(uzytkownik.zdarzenia,
                 QStringList{QStringLiteral("Nie można zapisać zmian w tabeli trajektoria.db: brak miejsca na dysku.") +
                             Przerwanie});
        QCOMPARE(stan(baza), poPierwszym);
        QCOMPARE(sesja.LicznikKrokow, licznik);
        QVERIFY(!wnios.czyWstrzymany());
        // With room again a new run works and numbers its steps on from the last committed one.
        QVERIFY(q.exec(QStringLiteral("PRAGMA trajektoria.max_page_count=1000000")));
        uzytkownik.zdarzenia.clear();
        QVERIFY(wnios.Przygotuj(konkluzje));
        QCOMPARE(wnios.Start(), WynikPrzebiegu::Wstrzymany);
        QCOMPARE(sesja.LicznikKrokow, 120);
    }

private:
    static QString tekstDoWyswietleniaTestu(QString t) { return t.replace(QStringLiteral("\n\r"), QStringLiteral("\n")); }

    // Rules 1 to 58 are FALSE for the input fact x, rules 59 and 60 TRUE: each pause of a
    // forward run writes some sixty trajectory rows.
    static QString bazaSzescdziesieciuRegul()
    {
        QJsonArray fakty{QJsonObject{{"IdFakt", 1}, {"KodSyst", 1}, {"NazFakt", "x"}, {"RodzFakt", "wprowadzany"},
                                     {"TypFakt", "logiczny"}, {"WartFakt", "TRUE"}, {"CFWartFakt", 1}}};
        QJsonArray reguly;
        for (int i = 1; i <= 60; ++i) {
            fakty.append(QJsonObject{{"IdFakt", 1 + i}, {"KodSyst", 1}, {"NazFakt", QStringLiteral("y%1").arg(i)},
                                     {"RodzFakt", "koncowy"}, {"TypFakt", "logiczny"}, {"WartFakt", "???"},
                                     {"CFWartFakt", 0}});
            reguly.append(QJsonObject{{"IdReg", i}, {"KodSyst", 1}, {"NazReg", QStringLiteral("R%1").arg(i)},
                                      {"PozReg", 1}, {"KierWniReg", "w przod"}, {"CFReg", 1},
                                      {"PrzesReg", i <= 58 ? "[x]=[FALSE]" : "[x]=[TRUE]"},
                                      {"KonklReg", QStringLiteral("[y%1]=[TRUE]").arg(i)}});
        }
        const QJsonObject doc{{"systemyeksperckie", QJsonArray{QJsonObject{{"IdSyst", 1}, {"NazSyst", "A"}}}},
                              {"fakty", fakty},
                              {"reguly", reguly}};
        return QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Compact));
    }

    // The run's tables as text.
    static QStringList stan(Baza &baza)
    {
        QStringList w;
        for (const char *sql : {"SELECT * FROM fakty ORDER BY IdFakt", "SELECT * FROM reguly ORDER BY IdReg",
                                "SELECT * FROM trajektoria ORDER BY IdKrokTraj"})
            w += wierszeZapytania(baza, QLatin1String(sql));
        return w;
    }
};

QTEST_GUILESS_MAIN(TstBledyZapisu)
#include "tst_bledy_zapisu.moc"

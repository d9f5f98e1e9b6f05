// write-facts: the values of a system's input facts written to a text file in the form that
// read-facts reads, and read back to the same values.

#include "BazaTestowa.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QString KoniecCzytania = QStringLiteral(
    "Wartości faktów z pliku tekstowego zostały zapisane do tabeli faktów. Celem kontynuacji procesu wnioskowania, "
    "wybierz teraz opcję menu głównego Wnioskowanie-Weryfikacja bazy wiedzy.");

struct Baze : BazaTestowa {
    Baze() : BazaTestowa(QStringLiteral("zapis_faktow.json")) {}

    WynikCli cli(const QStringList &argumenty) { return uruchomCli(folder.sciezka(), argumenty); }

    // The value of a fact as reading and inference see it: "value CF" of a real, integer or
    // logical fact, the values marked "tak" with their CFs of an enumerated one; an empty CF
    // reads as 0.
    QString wartosc(int idFakt)
    {
        if (tekst(QStringLiteral("SELECT TypFakt FROM fakty WHERE IdFakt=%1").arg(idFakt)) == u"wyliczeniowy")
            return tekst(QStringLiteral("SELECT ifnull(group_concat(WartFaktWylicz || ' ' || ifnull(CFWartFaktWyliczAkt, 0), "
                                        "'; '), '') FROM (SELECT * FROM wartoscifaktowwyliczeniowych WHERE KodFakt=%1 "
                                        "AND CzyFaktMaWartAkt='tak' ORDER BY IdWartFaktWylicz)")
                             .arg(idFakt));
        return tekst(QStringLiteral("SELECT WartFakt || ' ' || ifnull(CFWartFakt, 0) || ' ' || ifnull(WartPoprzFakt, '') "
                                    "FROM fakty WHERE IdFakt=%1")
                         .arg(idFakt));
    }

    // Every value of the system's input facts taken away, as before an inference; the marks of
    // values declared unknown stay.
    void wyczysc()
    {
        sql({QStringLiteral("UPDATE fakty SET WartFakt='\?\?\?', CFWartFakt=0 WHERE KodSyst=5 AND RodzFakt='wprowadzany'"),
             QStringLiteral("UPDATE fakty SET WartPoprzFakt='\?\?\?', CFWartPoprzFakt=0 WHERE KodSyst=5 AND "
                            "RodzFakt='wprowadzany' AND ifnull(WartPoprzFakt, '')<>'nzn'"),
             QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='\?\?\?', CFWartFaktWyliczAkt=0 "
                            "WHERE KodFakt BETWEEN 500 AND 599")});
    }
};

QByteArray skrot(const QString &plik)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString data(const QDate &d)
{
    return QStringLiteral("%1.%2.%3").arg(d.day(), 2, 10, QChar(u'0')).arg(d.month(), 2, 10, QChar(u'0')).arg(d.year());
}

// Changes to the base, then writing the facts of a system to a file: the message refusing it.
struct Odmowa {
    QStringList sql;
    QString plik, system, komunikat;
};

} // namespace

Q_DECLARE_METATYPE(Odmowa)

class TstZapisFaktow : public QObject {
    Q_OBJECT
private slots:
    // The file: the ten descriptive lines, then the triples of the values of input facts in
    // code order, every line ended by CR LF, UTF-8.
    void trescPliku()
    {
        Baze b;
        const QDate przed = QDate::currentDate();
        const WynikCli w = b.cli({QStringLiteral("write-facts"), QStringLiteral("5"), b.folder.plik("fakty5.txt")});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.out.trimmed(), QStringLiteral("Wartości faktów wprowadzanych (liczba wartości: 7) zostały zapisane do "
                                                 "pliku tekstowego %1.")
                                      .arg(QDir::toNativeSeparators(b.folder.plik("fakty5.txt"))));
        QFile f(b.folder.plik("fakty5.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray tresc = f.readAll();
        QVERIFY(tresc.endsWith("\r\n"));
        QCOMPARE(tresc.count("\r\n"), tresc.count('\n'));
        QStringList linie = QString::fromUtf8(tresc).split(QStringLiteral("\r\n"));
        linie.removeLast();
        QVERIFY(linie.value(5) == data(przed) || linie.value(5) == data(QDate::currentDate()));
        linie[5] = QStringLiteral("<data>");
        const QStringList oczekiwane{
            QStringLiteral("Kod systemu eksperckiego (bazy wiedzy)"), QStringLiteral("5"),
            QStringLiteral("Nazwa systemu eksperckiego (bazy wiedzy)"), QStringLiteral("Próbny system w dwóch wierszach"),
            QStringLiteral("Data zapisu pliku"), QStringLiteral("<data>"), QStringLiteral("Zawartość pliku"),
            QStringLiteral("wartości faktów wprowadzanych: kod faktu, wartość, CF"),
            QStringLiteral("Liczba zapisanych wartości faktów"), QStringLiteral("7"),
            // real with its decimal comma, a negative integer, a logical value
            QStringLiteral("501"), QStringLiteral("12,5"), QStringLiteral("0,7"),
            QStringLiteral("502"), QStringLiteral("-3"), QStringLiteral("1"),
            QStringLiteral("503"), QStringLiteral("FALSE"), QStringLiteral("0,35"),
            // the value of a single-valued enumerated fact marked "tak"
            QStringLiteral("504"), QStringLiteral("olej opałowy"), QStringLiteral("0,8"),
            // one triple per value of a multi-valued fact marked "tak", blanks kept
            QStringLiteral("505"), QStringLiteral("gorączka"), QStringLiteral("0,9"),
            QStringLiteral("505"), QStringLiteral(" dreszcze "), QStringLiteral("0,6"),
            // an empty CF is written as 0; no value, "nzn", a derived fact and another system: nothing
            QStringLiteral("509"), QStringLiteral("4"), QStringLiteral("0")};
        QCOMPARE(linie, oczekiwane);
    }

    // Written, every value taken away, read back: each fact has the value it had, and reading
    // reports no triple.
    void powrot_data()
    {
        QTest::addColumn<int>("fakt");
        QTest::addColumn<QString>("wartosc");
        QTest::newRow("real with a decimal comma") << 501 << QStringLiteral("12,5 0.7 12,5");
        QTest::newRow("negative integer") << 502 << QStringLiteral("-3 1.0 -3");
        QTest::newRow("logical") << 503 << QStringLiteral("FALSE 0.35 FALSE");
        QTest::newRow("single-valued enumerated") << 504 << QStringLiteral("olej opałowy 0.8");
        QTest::newRow("multi-valued enumerated, a word with blanks")
            << 505 << QStringLiteral("gorączka 0.9;  dreszcze  0.6");
        QTest::newRow("no value stays without value") << 506 << QStringLiteral("??? 0.0 ???");
        QTest::newRow("declared unknown keeps its mark") << 507 << QStringLiteral("??? 0.0 nzn");
        QTest::newRow("enumerated declared unknown") << 510 << QString();
        QTest::newRow("empty CF reads back as 0") << 509 << QStringLiteral("4 0.0 4");
        QTest::newRow("fact of another system untouched") << 601 << QStringLiteral("4500 1.0 ");
    }
    void powrot()
    {
        QFETCH(int, fakt);
        QFETCH(QString, wartosc);
        Baze b;
        const QString plik = b.folder.plik("fakty5.txt");
        QCOMPARE(b.cli({QStringLiteral("write-facts"), QStringLiteral("5"), plik}).kod, 0);
        b.wyczysc();
        const WynikCli w = b.cli({QStringLiteral("read-facts"), QStringLiteral("5"), plik});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.out.trimmed(), KoniecCzytania);
        QCOMPARE(b.wartosc(fakt), wartosc);
    }

    // What cannot be written is refused with a message, and the file and the tables stay as
    // they were.
    void odmowa_data()
    {
        QTest::addColumn<Odmowa>("p");
        QTest::newRow("value holding a line break") << Odmowa{
            .sql = {QStringLiteral("UPDATE fakty SET WartFakt='12' || char(10) || '5' WHERE IdFakt=501")},
            .plik = QStringLiteral("wynik.txt"), .system = QStringLiteral("5"),
            .komunikat = QStringLiteral("Wartość faktu o kodzie 501 zawiera znak końca wiersza i nie może zostać "
                                        "zapisana do pliku tekstowego.\nOpcja nie zostanie zrealizowana.")};
        QTest::newRow("enumerated value holding a line break") << Odmowa{
            .sql = {QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET WartFaktWylicz='a' || char(13) || 'b' "
                                   "WHERE IdWartFaktWylicz=5051")}, .plik = QStringLiteral("wynik.txt"),
            .system = QStringLiteral("5"),
            .komunikat = QStringLiteral("Wartość o kodzie 5051 faktu o kodzie 505 zawiera znak końca wiersza i nie "
                                        "może zostać zapisana do pliku tekstowego.\nOpcja nie zostanie zrealizowana.")};
        QTest::newRow("a table file of the program") << Odmowa{.sql = {}, .plik = QStringLiteral("fakty.db"),
            .system = QStringLiteral("5"),
            .komunikat = QStringLiteral("Plik tekstowy %1 jest plikiem fakty.db programu; jego zapis zniszczyłby "
                                        "dane.\nOpcja nie zostanie zrealizowana.")};
        QTest::newRow("the configuration file") << Odmowa{.sql = {},
            .plik = QStringLiteral("plik konfiguracyjny systemu TREMIDA.txt"), .system = QStringLiteral("5"),
            .komunikat = QStringLiteral("Plik tekstowy %1 jest plikiem plik konfiguracyjny systemu TREMIDA.txt "
                                        "programu; jego zapis zniszczyłby dane.\nOpcja nie zostanie zrealizowana.")};
        QTest::newRow("a folder") << Odmowa{.sql = {}, .plik = QStringLiteral("katalog"), .system = QStringLiteral("5"),
            .komunikat = QStringLiteral("Plik tekstowy %1 nie jest zwykłym plikiem.\nOpcja nie zostanie "
                                        "zrealizowana.")};
        QTest::newRow("no such system") << Odmowa{.sql = {}, .plik = QStringLiteral("wynik.txt"),
            .system = QStringLiteral("9"),
            .komunikat = QStringLiteral("W tabeli systemów nie ma systemu o kodzie 9.\nOpcja nie "
                                        "zostanie zrealizowana.")};
    }
    void odmowa()
    {
        QFETCH(Odmowa, p);
        Baze b;
        b.sql(p.sql);
        b.folder.zapisz(QStringLiteral("plik konfiguracyjny systemu TREMIDA.txt"), QByteArray());
        QVERIFY(QDir(b.folder.sciezka()).mkdir(QStringLiteral("katalog")));
        // An earlier file of the same name is kept when the new one cannot be written.
        b.folder.zapisz(QStringLiteral("wynik.txt"), "poprzedni\r\n");
        const QString sciezka = b.folder.plik(p.plik);
        const QByteArray przed = skrot(sciezka), faktyPrzed = skrot(b.folder.plik("fakty.db"));
        const WynikCli w = b.cli({QStringLiteral("write-facts"), p.system, sciezka});
        QCOMPARE(w.kod, 1);
        QCOMPARE(w.out.trimmed(),
                 p.komunikat.contains(u'%') ? p.komunikat.arg(QDir::toNativeSeparators(sciezka)) : p.komunikat);
        QCOMPARE(skrot(sciezka), przed);
        QCOMPARE(skrot(b.folder.plik("fakty.db")), faktyPrzed);
    }

    void bledyUzycia_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::newRow("no file") << QStringList{QStringLiteral("5")};
        QTest::newRow("code not a number") << QStringList{QStringLiteral("piec"), QStringLiteral("a.txt")};
        QTest::newRow("an option") << QStringList{QStringLiteral("5"), QStringLiteral("--json")};
    }
    void bledyUzycia()
    {
        QFETCH(QStringList, argumenty);
        Baze b;
        QCOMPARE(b.cli(QStringList{QStringLiteral("write-facts")} + argumenty).kod, 2);
    }
};

QTEST_GUILESS_MAIN(TstZapisFaktow)
#include "tst_zapis_faktow.moc"

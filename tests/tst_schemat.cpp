// Creation of the seven table files: columns, required flags, indexes, the two ways of
// creating the constants table, and what the engine refuses.

#include "BazaTestowa.h"
#include "store/Rekordy.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

struct Kol {
    QString nazwa, typ;
    bool wymagana;
};

QList<Kol> kolumny(Baza &baza, const QString &tabela)
{
    QList<Kol> w;
    QSqlQuery q = baza.zapytanie();
    q.exec(QStringLiteral("PRAGMA %1.table_info(%1)").arg(tabela));
    while (q.next())
        w << Kol{q.value(1).toString(), q.value(2).toString(), q.value(3).toInt() == 1};
    return w;
}

struct Ind {
    bool unikalny = false;
    QString porownanie;
};

Ind indeks(Baza &baza, const QString &tabela, const QString &nazwa)
{
    Ind w;
    QSqlQuery q = baza.zapytanie();
    q.exec(QStringLiteral("PRAGMA %1.index_list(%1)").arg(tabela));
    bool jest = false;
    while (q.next())
        if (q.value(1).toString() == nazwa) {
            jest = true;
            w.unikalny = q.value(2).toInt() == 1;
        }
    if (!jest)
        return {false, QStringLiteral("brak")};
    QSqlQuery x = baza.zapytanie();
    x.exec(QStringLiteral("PRAGMA %1.index_xinfo(%2)").arg(tabela, nazwa));
    if (x.next())
        w.porownanie = x.value(4).toString();
    return w;
}

} // namespace

class TstSchemat : public QObject {
    Q_OBJECT
private slots:
    void kolumnyTabel_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QStringList>("opis"); // "name type required"
        QTest::newRow("systemyeksperckie")
            << "systemyeksperckie"
            << QStringList{"IdSyst INTEGER 1", "NazSyst TEXT 1", "OpisSyst TEXT 0", "DataRek TEXT 0"};
        QTest::newRow("fakty") << "fakty"
                               << QStringList{"IdFakt INTEGER 1",     "KodSyst INTEGER 1",   "NazFakt TEXT 1",
                                              "RodzFakt TEXT 1",      "TypFakt TEXT 1",      "JedWartFakt TEXT 0",
                                              "CzyWielWart TEXT 0",   "LiczWart INTEGER 0",  "OpisFakt TEXT 0",
                                              "PytFakt TEXT 0",       "WartFakt TEXT 0",     "WartPoprzFakt TEXT 0",
                                              "CFWartFakt REAL 0",    "CFWartPoprzFakt REAL 0", "DataRek TEXT 0"};
        QTest::newRow("wartoscifaktowwyliczeniowych")
            << "wartoscifaktowwyliczeniowych"
            << QStringList{"IdWartFaktWylicz INTEGER 1", "KodFakt INTEGER 1",         "WartFaktWylicz TEXT 1",
                           "CzyFaktMaWartAkt TEXT 0",    "CFWartFaktWyliczAkt REAL 0", "CzyFaktMaWartPoprz TEXT 0",
                           "CFWartFaktWyliczPoprz REAL 0", "DataRek TEXT 0"};
        QTest::newRow("reguly") << "reguly"
                                << QStringList{"IdReg INTEGER 1",        "KodSyst INTEGER 1",  "NazReg TEXT 1",
                                               "PozReg INTEGER 1",       "KierWniReg TEXT 1",  "CFReg REAL 1",
                                               "PrzesReg TEXT 1",        "KonklReg TEXT 1",    "OpisKonklReg TEXT 0",
                                               "InstrReg TEXT 0",        "OpisReg TEXT 0",     "CzyOdpal TEXT 0",
                                               "CFKonklReg REAL 0",      "CzyBieUdzWeWnios TEXT 0", "DataRek TEXT 0"};
        QTest::newRow("stale") << "stale"
                               << QStringList{"IdStala INTEGER 1",     "KodSyst INTEGER 1",   "NazStala TEXT 1",
                                              "RodzStala TEXT 1",      "TypStala TEXT 1",     "JedWartStala TEXT 0",
                                              "WartStalaProsta TEXT 1", "KodArgStala INTEGER 1", "WartParAStala TEXT 1",
                                              "WartParBStala TEXT 1",  "OpisStala TEXT 0",    "PytStala TEXT 0",
                                              "DataRek TEXT 1"};
        QTest::newRow("trajektoria") << "trajektoria"
                                     << QStringList{"IdKrokTraj INTEGER 1", "KodSyst INTEGER 1",
                                                    "KodRegTraj INTEGER 1", "PozRegTraj INTEGER 0",
                                                    "IterRegTraj INTEGER 0", "KierWniTraj TEXT 0",
                                                    "CzyOdpalTraj TEXT 0",  "CFKonklRegTraj REAL 0",
                                                    "PrzyczNieOdpalTraj TEXT 0", "DataRek TEXT 1"};
        QTest::newRow("plikimultimedialne")
            << "plikimultimedialne"
            << QStringList{"IdPlikMult INTEGER 1",  "NazwaPliku TEXT 1",     "RodzajPliku TEXT 1",
                           "StosWysDoSzer REAL 1",  "CoPlikIlustr TEXT 1",   "KodElemIlustr INTEGER 1",
                           "Podpis TEXT 0",         "DataRek TEXT 0"};
    }
    void kolumnyTabel()
    {
        QFETCH(QString, tabela);
        QFETCH(QStringList, opis);
        BazaTestowa pusta;
        auto &[folder, baza] = pusta;
        QVERIFY(QFile::exists(folder.plik(tabela + QStringLiteral(".db"))));
        QStringList jest;
        for (const Kol &k : kolumny(baza, tabela))
            jest << QStringLiteral("%1 %2 %3").arg(k.nazwa, k.typ).arg(k.wymagana ? 1 : 0);
        QCOMPARE(jest, opis);
    }

    void indeksy_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<bool>("unikalny");
        QTest::addColumn<QString>("porownanie");
        QTest::newRow("indnazsyst") << "systemyeksperckie" << "indnazsyst" << false << "NOCASE";
        QTest::newRow("fakty indkodsyst") << "fakty" << "indkodsyst" << false << "NOCASE";
        QTest::newRow("indnazfakt") << "fakty" << "indnazfakt" << true << "BINARY";
        QTest::newRow("indkodfakt") << "wartoscifaktowwyliczeniowych" << "indkodfakt" << false << "NOCASE";
        QTest::newRow("reguly indkodsyst") << "reguly" << "indkodsyst" << false << "NOCASE";
        QTest::newRow("indnazreg") << "reguly" << "indnazreg" << false << "NOCASE";
        QTest::newRow("stale indkodsyst") << "stale" << "indkodsyst" << false << "NOCASE";
        QTest::newRow("indnazstala new") << "stale" << "indnazstala" << true << "BINARY";
        QTest::newRow("trajektoria indkodsyst") << "trajektoria" << "indkodsyst" << false << "NOCASE";
        QTest::newRow("indkodreg") << "trajektoria" << "indkodreg" << false << "NOCASE";
    }
    void indeksy()
    {
        QFETCH(QString, tabela);
        QFETCH(QString, nazwa);
        QFETCH(bool, unikalny);
        QFETCH(QString, porownanie);
        BazaTestowa pusta;
        auto &[folder, baza] = pusta;
        const Ind i = indeks(baza, tabela, nazwa);
        QCOMPARE(i.porownanie, porownanie);
        QCOMPARE(i.unikalny, unikalny);
    }

    void staleNadpisanaInaczej()
    {
        FolderRoboczy folder;
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        QVERIFY(baza.zalozTabele(Tabela::Stale, false));
        QVERIFY(kolumny(baza, QStringLiteral("stale")).last().wymagana);
        QVERIFY(baza.zalozTabele(Tabela::Stale, true));
        QVERIFY(!kolumny(baza, QStringLiteral("stale")).last().wymagana);
        const Ind i = indeks(baza, QStringLiteral("stale"), QStringLiteral("indnazstala"));
        QVERIFY(!i.unikalny);
        QCOMPARE(i.porownanie, QStringLiteral("NOCASE"));
        // Other tables come out the same either way.
        QVERIFY(baza.zalozTabele(Tabela::Fakty, false));
        QVERIFY(baza.zalozTabele(Tabela::Fakty, true));
        QVERIFY(indeks(baza, QStringLiteral("fakty"), QStringLiteral("indnazfakt")).unikalny);
    }

    void silnikOdrzuca_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("przyjety");
        QTest::newRow("same fact name in two systems")
            << "INSERT INTO fakty (IdFakt,KodSyst,NazFakt,RodzFakt,TypFakt) VALUES (2,2,'temperatura','wprowadzany','rzeczywisty')"
            << false;
        QTest::newRow("fact name differing in case")
            << "INSERT INTO fakty (IdFakt,KodSyst,NazFakt,RodzFakt,TypFakt) VALUES (2,2,'Temperatura','wprowadzany','rzeczywisty')"
            << true;
        QTest::newRow("duplicate fact key")
            << "INSERT INTO fakty (IdFakt,KodSyst,NazFakt,RodzFakt,TypFakt) VALUES (1,1,'cisnienie','wprowadzany','rzeczywisty')"
            << false;
        QTest::newRow("missing key") << "INSERT INTO systemyeksperckie (NazSyst) VALUES ('bez kodu')" << false;
        QTest::newRow("empty required name") << "INSERT INTO systemyeksperckie (IdSyst,NazSyst) VALUES (5,'')" << false;
        QTest::newRow("same system name") << "INSERT INTO systemyeksperckie (IdSyst,NazSyst) VALUES (5,'kotly')" << true;
        QTest::newRow("same rule name")
            << "INSERT INTO reguly (IdReg,KodSyst,NazReg,PozReg,KierWniReg,CFReg,PrzesReg,KonklReg) VALUES "
               "(2,1,'R1',1,'oba',1,'[a]=[b]','[c]=[d]')"
            << true;
        QTest::newRow("text over its width")
            << "INSERT INTO fakty (IdFakt,KodSyst,NazFakt,RodzFakt,TypFakt) VALUES (3,1,'x','wprowadzanyy','logiczny')"
            << false;
        QTest::newRow("500 characters fit")
            << "INSERT INTO fakty (IdFakt,KodSyst,NazFakt,RodzFakt,TypFakt) VALUES (3,1,printf('%.500c','x'),'posredni','logiczny')"
            << true;
        QTest::newRow("501 characters do not")
            << "INSERT INTO fakty (IdFakt,KodSyst,NazFakt,RodzFakt,TypFakt) VALUES (3,1,printf('%.501c','x'),'posredni','logiczny')"
            << false;
        QTest::newRow("letters in a key") << "INSERT INTO systemyeksperckie (IdSyst,NazSyst) VALUES ('abc','x')" << false;
        QTest::newRow("text in a CF")
            << "INSERT INTO reguly (IdReg,KodSyst,NazReg,PozReg,KierWniReg,CFReg,PrzesReg,KonklReg) VALUES "
               "(3,1,'R3',1,'oba','wysoki','[a]=[b]','[c]=[d]')"
            << false;
        QTest::newRow("longest outcome sentence fits")
            << "INSERT INTO trajektoria (IdKrokTraj,KodSyst,KodRegTraj,PrzyczNieOdpalTraj,DataRek) VALUES "
               "(1,1,1,printf('%.203c','x'),'5.3.2024')"
            << true;
    }
    void silnikOdrzuca()
    {
        QFETCH(QString, sql);
        QFETCH(bool, przyjety);
        BazaTestowa pusta;
        pusta.sql({QStringLiteral("INSERT INTO systemyeksperckie (IdSyst,NazSyst) VALUES (1,'kotly')"),
                   QStringLiteral("INSERT INTO fakty (IdFakt,KodSyst,NazFakt,RodzFakt,TypFakt) VALUES "
                                  "(1,1,'temperatura','wprowadzany','rzeczywisty')"),
                   QStringLiteral("INSERT INTO reguly (IdReg,KodSyst,NazReg,PozReg,KierWniReg,CFReg,PrzesReg,"
                                  "KonklReg) VALUES (1,1,'R1',1,'oba',1,'[a]=[b]','[c]=[d]')")});
        QSqlQuery q = pusta.baza.zapytanie();
        QCOMPARE(q.exec(sql), przyjety);
    }

    void nadpisanieOprozniaTabele()
    {
        BazaTestowa pusta;
        Baza &baza = pusta.baza;
        pusta.sql({QStringLiteral("INSERT INTO systemyeksperckie (IdSyst,NazSyst) VALUES (1,'kotly')")});
        QCOMPARE(baza.liczbaRekordow(Tabela::Systemy), 1);
        QVERIFY(baza.zalozTabele(Tabela::Systemy, true));
        QCOMPARE(baza.liczbaRekordow(Tabela::Systemy), 0);
    }

    void zajetejTabeliNieNadpisuje()
    {
        BazaTestowa pusta;
        Baza &baza = pusta.baza;
        pusta.sql({QStringLiteral("INSERT INTO systemyeksperckie (IdSyst,NazSyst) VALUES (1,'kotly')")});
        baza.zajmij(Tabela::Systemy);
        QString blad;
        QVERIFY(!baza.zalozTabele(Tabela::Systemy, true, &blad));
        QVERIFY(blad.contains(QStringLiteral("systemyeksperckie.db")));
        QVERIFY(blad.endsWith(QStringLiteral("Opcja nie zostanie zrealizowana.")));
        QCOMPARE(baza.liczbaRekordow(Tabela::Systemy), 1);
        baza.zwolnij(Tabela::Systemy);
        QVERIFY(baza.zalozTabele(Tabela::Systemy, true));
    }

    void plikZInnegoProgramu()
    {
        // A table file created or removed by another program is attached or detached.
        FolderRoboczy folder;
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        QVERIFY(!baza.czyDolaczona(Tabela::Reguly));
        {
            Baza inna;
            QVERIFY(inna.otworz(folder.sciezka()));
            QVERIFY(inna.zalozTabele(Tabela::Reguly, false));
        }
        QVERIFY(baza.synchronizuj().isEmpty());
        QVERIFY(baza.czyDolaczona(Tabela::Reguly));
        QVERIFY(QFile::remove(folder.plik(QStringLiteral("reguly.db"))));
        baza.synchronizuj();
        QVERIFY(!baza.czyDolaczona(Tabela::Reguly));
        // A file that is no table file of its name is reported, not attached.
        folder.zapisz(QStringLiteral("fakty.db"), "to nie jest baza danych");
        const QStringList problemy = baza.synchronizuj();
        QCOMPARE(problemy.size(), 1);
        QVERIFY(problemy.first().contains(QStringLiteral("fakty.db")));
        QVERIFY(!baza.czyDolaczona(Tabela::Fakty));
    }

    void transakcjaNaDwochPlikach()
    {
        BazaTestowa pusta;
        auto &[folder, baza] = pusta;
        {
            Transakcja tr(baza);
            pusta.sql({QStringLiteral("INSERT INTO systemyeksperckie (IdSyst,NazSyst) VALUES (1,'a')"),
                       QStringLiteral("INSERT INTO fakty (IdFakt,KodSyst,NazFakt,RodzFakt,TypFakt) VALUES "
                                      "(1,1,'f','posredni','logiczny')")});
            // Not committed: both files go back.
        }
        QCOMPARE(baza.liczbaRekordow(Tabela::Systemy), 0);
        QCOMPARE(baza.liczbaRekordow(Tabela::Fakty), 0);
    }
};

QTEST_GUILESS_MAIN(TstSchemat)
#include "tst_schemat.moc"

// tremida-cli: creating tables, moving records as JSON, free keys, usage errors.

#include "Pomocnicze.h"

#include <QFile>
#include <QJsonDocument>
#include <QTest>

using namespace tremida::test;

class TstCli : public QObject {
    Q_OBJECT
private slots:
    void zalozenieTabel()
    {
        FolderRoboczy f;
        WynikCli w = uruchomCli(f.sciezka(), {"create-tables", "fakty", "stale"});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.out, QStringLiteral("Tabela faktów została założona na dysku.\nCelem otwarcia tabeli wejdź w opcję "
                                       "Otwarcie tabeli\nTabela stałych została założona na dysku.\nCelem otwarcia "
                                       "tabeli wejdź w opcję Otwarcie tabeli.\n"));
        // Configuration messages of the start go to standard error.
        QVERIFY(w.err.contains(QStringLiteral("nie znaleziono w napędzie i folderze bieżącym.")));
        QVERIFY(QFile::exists(f.plik("fakty.db")));
        QVERIFY(!QFile::exists(f.plik("reguly.db")));

        // An existing file is not touched; its warning is printed.
        w = uruchomCli(f.sciezka(), {"create-tables", "stale"});
        QCOMPARE(w.kod, 1);
        QCOMPARE(w.out, QStringLiteral("Na dysku i w folderze bieżącym stwierdzono istnienie pliku stale.db\ntabeli "
                                       "stałych. Kontynuacja opcji założenia tej samej tabeli spowoduje\nnadpisanie "
                                       "pliku, a jeśli tabela zawiera rekordy, to wykasowanie tych \nrekordów. "
                                       "Potwierdź chęć kontynuacji opcji.\n"));
        w = uruchomCli(f.sciezka(), {"create-tables", "stale", "--overwrite"});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.out, QStringLiteral("Tabela stałych została założona na dysku.\nCelem otwarcia tabeli wejdź w opcję "
                                       "Otwarcie tabeli\n"));
    }

    void importEksportWolnyKod()
    {
        FolderRoboczy f;
        QCOMPARE(uruchomCli(f.sciezka(), {"create-tables"}).kod, 0);
        WynikCli w = uruchomCli(f.sciezka(), {"import", plikDanych("dwa_systemy.json")});
        QCOMPARE(w.kod, 0);
        const WynikCli eksport = uruchomCli(f.sciezka(), {"export"});
        QCOMPARE(eksport.kod, 0);
        QVERIFY(!QJsonDocument::fromJson(eksport.out.toUtf8()).isNull());

        FolderRoboczy g;
        QCOMPARE(uruchomCli(g.sciezka(), {"create-tables"}).kod, 0);
        g.zapisz("kopia.json", eksport.out.toUtf8());
        QCOMPARE(uruchomCli(g.sciezka(), {"import", g.plik("kopia.json")}).kod, 0);
        QCOMPARE(uruchomCli(g.sciezka(), {"export"}).out, eksport.out);

        w = uruchomCli(f.sciezka(), {"free-key", "fakty"});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.out, QStringLiteral("1\n"));
        w = uruchomCli(f.sciezka(), {"free-key", "systemyeksperckie"});
        QCOMPARE(w.out, QStringLiteral("3\n"));

        // A failing import writes nothing and says why.
        g.zapisz("zly.json", R"({"systemyeksperckie": [{"IdSyst": 9, "NazSyst": "nowy"}, {"IdSyst": 1, "NazSyst": "x"}]})");
        w = uruchomCli(g.sciezka(), {"import", g.plik("zly.json")});
        QCOMPARE(w.kod, 1);
        QVERIFY(w.out.contains(QStringLiteral("IdSyst=1")));
        QCOMPARE(uruchomCli(g.sciezka(), {"export"}).out, eksport.out);
    }

    void bledyUzycia_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{"zrob"} << 2;
        QTest::newRow("unknown table") << QStringList{"create-tables", "tabela"} << 2;
        QTest::newRow("free key without table") << QStringList{"free-key"} << 2;
        QTest::newRow("export with bad system") << QStringList{"export", "--system", "x"} << 2;
        QTest::newRow("import of a missing file") << QStringList{"import", "/nie/ma/takiego.json"} << 1;
        QTest::newRow("free key of a missing table") << QStringList{"free-key", "reguly"} << 1;
        QTest::newRow("help") << QStringList{"--help"} << 0;
    }
    void bledyUzycia()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        FolderRoboczy f;
        const WynikCli w = uruchomCli(f.sciezka(), argumenty);
        QCOMPARE(w.kod, kod);
        if (kod == 2)
            QVERIFY(w.err.contains(QStringLiteral("Składnia: tremida-cli")));
    }

    void nieistniejacyFolder()
    {
        const WynikCli w = uruchomCli(QStringLiteral("/nie/ma/takiego/folderu"), {"export"});
        QCOMPARE(w.kod, 1);
        QVERIFY(w.err.contains(QStringLiteral("nie istnieje")));
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"

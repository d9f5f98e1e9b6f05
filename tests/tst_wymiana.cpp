// Records in and out as JSON: the round trip and the all-or-nothing import.

#include "Pomocnicze.h"
#include "store/Wymiana.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

QByteArray eksport(Baza &baza, std::optional<int> kodSyst = std::nullopt)
{
    QByteArray json;
    QString blad;
    if (!eksportujJson(baza, kodSyst, &json, &blad))
        qWarning() << blad;
    return json;
}

int razem(Baza &baza)
{
    int n = 0;
    for (Tabela t : WszystkieTabele)
        n += std::max(0, baza.liczbaRekordow(t));
    return n;
}

} // namespace

class TstWymiana : public QObject {
    Q_OBJECT
private slots:
    void tamIZPowrotem()
    {
        FolderRoboczy a, b;
        Baza bazaA, bazaB;
        QVERIFY(bazaA.otworz(a.sciezka()));
        QVERIFY(bazaB.otworz(b.sciezka()));
        zalozWszystkieTabele(bazaA);
        zalozWszystkieTabele(bazaB);
        importuj(bazaA, QStringLiteral("dwa_systemy.json"));
        const QByteArray pierwszy = eksport(bazaA);
        QString blad;
        QVERIFY2(importujJson(bazaB, pierwszy, &blad), qPrintable(blad));
        QCOMPARE(eksport(bazaB), pierwszy);

        // Columns in table order, NULL written as null, texts kept exactly.
        const QJsonObject doc = QJsonDocument::fromJson(pierwszy).object();
        const QJsonObject syst = doc.value(QStringLiteral("systemyeksperckie")).toArray().at(0).toObject();
        QCOMPARE(syst.value(QStringLiteral("OpisSyst")).toString(), QStringLiteral("Diagnoza \"usterek\"\nkotła"));
        QVERIFY(pierwszy.contains("{\"IdSyst\": 1, \"NazSyst\": \"Kotły parowe\", \"OpisSyst\""));
        QVERIFY(pierwszy.contains("\"OpisSyst\": null"));
        QVERIFY(pierwszy.contains("\"CFWartFaktWyliczAkt\": 0.25"));
    }

    void eksportJednegoSystemu()
    {
        FolderRoboczy a;
        Baza baza;
        QVERIFY(baza.otworz(a.sciezka()));
        zalozWszystkieTabele(baza);
        importuj(baza, QStringLiteral("dwa_systemy.json"));
        const QJsonObject doc = QJsonDocument::fromJson(eksport(baza, 1)).object();
        auto klucze = [&](const char *tabela, const char *kolumna) {
            QList<int> k;
            for (const auto &r : doc.value(QLatin1String(tabela)).toArray())
                k << r.toObject().value(QLatin1String(kolumna)).toInt();
            return k;
        };
        QCOMPARE(klucze("systemyeksperckie", "IdSyst"), QList<int>({1}));
        QCOMPARE(klucze("fakty", "IdFakt"), QList<int>({10, 11}));
        QCOMPARE(klucze("wartoscifaktowwyliczeniowych", "IdWartFaktWylicz"), QList<int>({1, 2}));
        QCOMPARE(klucze("reguly", "IdReg"), QList<int>({1}));
        QCOMPARE(klucze("stale", "IdStala"), QList<int>({1}));
        QCOMPARE(klucze("trajektoria", "IdKrokTraj"), QList<int>({1}));
        QCOMPARE(klucze("plikimultimedialne", "IdPlikMult"), QList<int>({1, 2}));
    }

    void wszystkoAlboNic_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QStringList>("wBledzie");
        QTest::newRow("unknown table") << R"({"systemy": []})" << QStringList{"systemy"};
        QTest::newRow("unknown column")
            << R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "x", "Nazwa": "y"}]})"
            << QStringList{"systemyeksperckie", "IdSyst=7", "Nazwa"};
        QTest::newRow("text for an integer")
            << R"({"systemyeksperckie": [{"IdSyst": "7", "NazSyst": "x"}]})"
            << QStringList{"systemyeksperckie", "IdSyst"};
        QTest::newRow("fraction for an integer")
            << R"({"fakty": [{"IdFakt": 7, "KodSyst": 1.5, "NazFakt": "n", "RodzFakt": "posredni", "TypFakt": "logiczny"}]})"
            << QStringList{"fakty", "IdFakt=7", "KodSyst"};
        QTest::newRow("number for a text")
            << R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": 12}]})"
            << QStringList{"systemyeksperckie", "IdSyst=7", "NazSyst"};
        QTest::newRow("missing required column")
            << R"({"reguly": [{"IdReg": 9, "KodSyst": 1, "NazReg": "R", "PozReg": 1, "KierWniReg": "oba", "CFReg": 1, "PrzesReg": "[a]=[b]"}]})"
            << QStringList{"reguly", "IdReg=9", "KonklReg"};
        QTest::newRow("text too long")
            << R"({"fakty": [{"IdFakt": 7, "KodSyst": 1, "NazFakt": "n", "RodzFakt": "wprowadzanyy", "TypFakt": "logiczny"}]})"
            << QStringList{"fakty", "IdFakt=7", "RodzFakt"};
        QTest::newRow("key already in the table")
            << R"({"systemyeksperckie": [{"IdSyst": 3, "NazSyst": "nowy"}], "fakty": [{"IdFakt": 10, "KodSyst": 3, "NazFakt": "inny", "RodzFakt": "posredni", "TypFakt": "logiczny"}]})"
            << QStringList{"fakty", "IdFakt=10"};
        QTest::newRow("key twice in the file")
            << R"({"systemyeksperckie": [{"IdSyst": 5, "NazSyst": "a"}, {"IdSyst": 5, "NazSyst": "b"}]})"
            << QStringList{"systemyeksperckie", "IdSyst=5"};
        QTest::newRow("fact name used by another system")
            << R"({"fakty": [{"IdFakt": 30, "KodSyst": 2, "NazFakt": "temperatura pary", "RodzFakt": "posredni", "TypFakt": "logiczny"}]})"
            << QStringList{"fakty", "IdFakt=30", "NazFakt"};
        QTest::newRow("broken json") << R"({"systemyeksperckie": [)" << QStringList{"JSON"};
        QTest::newRow("not an object") << R"([1, 2])" << QStringList{"JSON"};
        QTest::newRow("records not an array") << R"({"fakty": {"IdFakt": 1}})" << QStringList{"fakty"};
    }
    void wszystkoAlboNic()
    {
        QFETCH(QString, json);
        QFETCH(QStringList, wBledzie);
        FolderRoboczy a;
        Baza baza;
        QVERIFY(baza.otworz(a.sciezka()));
        zalozWszystkieTabele(baza);
        importuj(baza, QStringLiteral("dwa_systemy.json"));
        const int przed = razem(baza);
        const QByteArray stan = eksport(baza);
        QString blad;
        QVERIFY(!importujJson(baza, json.toUtf8(), &blad));
        for (const QString &s : wBledzie)
            QVERIFY2(blad.contains(s), qPrintable(blad));
        QCOMPARE(razem(baza), przed);
        QCOMPARE(eksport(baza), stan);
    }

    void brakPlikuTabeli()
    {
        FolderRoboczy a;
        Baza baza;
        QVERIFY(baza.otworz(a.sciezka()));
        QVERIFY(baza.zalozTabele(Tabela::Systemy, false));
        QString blad;
        QVERIFY(!importujJson(baza,
                              R"({"systemyeksperckie": [{"IdSyst": 1, "NazSyst": "a"}],
                                  "fakty": [{"IdFakt": 1, "KodSyst": 1, "NazFakt": "n", "RodzFakt": "posredni", "TypFakt": "logiczny"}]})",
                              &blad));
        QVERIFY2(blad.contains(QStringLiteral("fakty.db")), qPrintable(blad));
        QCOMPARE(baza.liczbaRekordow(Tabela::Systemy), 0);
    }
};

QTEST_GUILESS_MAIN(TstWymiana)
#include "tst_wymiana.moc"

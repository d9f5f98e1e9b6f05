// Records in and out as JSON: the round trip and the all-or-nothing import.

#include "BazaTestowa.h"
#include "store/Wymiana.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
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

// Imports `json` into the base of dwa_systemy.json: the import must be refused and leave every
// record as it was, and the export too; *blad gets the message.
void importOdrzucony(const QByteArray &json, QString *blad)
{
    BazaTestowa b(QStringLiteral("dwa_systemy.json"));
    const int przed = razem(b.baza);
    const QByteArray stan = eksport(b.baza);
    QVERIFY(!importujJson(b.baza, json, blad));
    QCOMPARE(razem(b.baza), przed);
    QCOMPARE(eksport(b.baza), stan);
}

// Runs statements on one SQLite file through a connection of the test's own, as another
// program would; *wynik gets the first value the last statement gives.
void sqlNaPliku(const QString &plik, const QStringList &polecenia, QVariant *wynik = nullptr)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inny-program"));
        db.setDatabaseName(plik);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString &p : polecenia)
            QVERIFY2(q.exec(p), qPrintable(p + QStringLiteral(": ") + q.lastError().text()));
        if (wynik && q.next())
            *wynik = q.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("inny-program"));
}

QString wartosc(Baza &baza, const QString &zapytanie)
{
    QSqlQuery q = baza.zapytanie();
    return q.exec(zapytanie) && q.next() ? q.value(0).toString() : QStringLiteral("<none>");
}

// A folder with the two systems of the fixture in every table, its database closed so that
// the files can be changed as another program would change them.
struct DwaSystemy {
    FolderRoboczy folder;
    DwaSystemy()
    {
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        zalozWszystkieTabele(baza);
        importuj(baza, QStringLiteral("dwa_systemy.json"));
    }
    QString plik(const QString &tabela) const { return folder.plik(tabela + QStringLiteral(".db")); }
    // %1 of a message is the folder.
    QString komunikat(const QString &k) const
    {
        return k.contains(QStringLiteral("%1")) ? k.arg(QDir::toNativeSeparators(folder.sciezka())) : k;
    }
};

enum class Zmiana {
    Usuniecie,        // the file is removed
    Tresc,            // the file gets the given bytes, then the statements run on it
    Sql,              // the statements run on the file as it is
    UszkodzenieStron, // the statements run, then the page of the table's last rows is overwritten
};

void zmienPlik(const QString &plik, Zmiana zmiana, const QByteArray &tresc, const QStringList &sql)
{
    QFile f(plik);
    if (zmiana == Zmiana::Usuniecie) {
        QVERIFY(f.remove());
        return;
    }
    if (zmiana == Zmiana::Tresc) {
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(tresc);
        f.close();
    }
    if (!sql.isEmpty())
        sqlNaPliku(plik, sql);
    if (zmiana == Zmiana::UszkodzenieStron) {
        QVariant strona;
        sqlNaPliku(plik,
                   {QStringLiteral("SELECT pageno FROM dbstat WHERE name = '%1' AND pagetype = 'leaf' "
                                   "ORDER BY path DESC LIMIT 1")
                        .arg(QFileInfo(plik).completeBaseName())},
                   &strona);
        QVERIFY(strona.toInt() > 2 && f.open(QIODevice::ReadWrite));
        f.seek((strona.toInt() - 1) * 4096);
        f.write(QByteArray(4096, 'Z'));
    }
}

QByteArray losoweBajty()
{
    QRandomGenerator g(20240611);
    QByteArray b(8192, '\0');
    for (char &c : b)
        c = static_cast<char>(g.bounded(256));
    return b;
}

// A table made unreadable (how, with what), the message naming it, and whether the export of
// system 1 meets the fault too.
struct NieczytelnaTabela {
    QString tabela;
    Zmiana zmiana;
    QByteArray tresc;
    QStringList sql;
    QString komunikat;
    bool wSystemie1;
};

} // namespace

Q_DECLARE_METATYPE(Zmiana)
Q_DECLARE_METATYPE(NieczytelnaTabela)

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
        BazaTestowa pusta;
        auto &[a, baza] = pusta;
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
        QTest::newRow("501 astral characters in a 500-character column")
            << QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "%1"}]})").arg(QStringLiteral("𝕏").repeated(501))
            << QStringList{"systemyeksperckie", "IdSyst=7", "NazSyst dłuższy niż 500 znaków"};
    }
    void wszystkoAlboNic()
    {
        QFETCH(QString, json);
        QFETCH(QStringList, wBledzie);
        QString blad;
        importOdrzucony(json.toUtf8(), &blad);
        for (const QString &s : wBledzie)
            QVERIFY2(blad.contains(s), qPrintable(blad));
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

    // A text stored by another program goes out as UTF-8 one character at a time (an astral
    // character as one four-byte sequence) and comes back the same; bytes that are not
    // UTF-8 are read as U+FFFD and the export stays valid.
    void tekstyTamIZPowrotem_data()
    {
        QTest::addColumn<QByteArray>("bajty"); // NazSyst as stored, in hexadecimal
        QTest::addColumn<QByteArray>("zapis"); // NazSyst as exported
        QTest::addColumn<QByteArray>("po");    // NazSyst as stored after the round trip
        QTest::newRow("emoji") << QByteArray("6B6F63696FC58220F09F94A5") << QByteArray("\"kocioł 🔥\"")
                               << QByteArray("6B6F63696FC58220F09F94A5");
        QTest::newRow("double-struck X") << QByteArray("F09D958F") << QByteArray("\"𝕏\"") << QByteArray("F09D958F");
        QTest::newRow("Polish letters") << QByteArray("5A61C5BCC3B3C582C4872067C499C59B6CC485")
                                        << QByteArray("\"Zażółć gęślą\"")
                                        << QByteArray("5A61C5BCC3B3C582C4872067C499C59B6CC485");
        QTest::newRow("mixed with escapes") << QByteArray("F09F988022F09D958F5C0A09C48501F09F9880")
                                            << QByteArray("\"😀\\\"𝕏\\\\\\n\\tą\\u0001😀\"")
                                            << QByteArray("F09F988022F09D958F5C0A09C48501F09F9880");
        QTest::newRow("500 astral characters fill a 500-character column")
            << QByteArray("F09F9880").repeated(500) << "\"" + QByteArray("😀").repeated(500) + "\""
            << QByteArray("F09F9880").repeated(500);
        QTest::newRow("surrogate encoded in UTF-8") << QByteArray("41EDA08042") << QByteArray("\"A\xEF\xBF\xBD" "B\"")
                                                    << QByteArray("41EFBFBD42");
        QTest::newRow("byte that starts no character") << QByteArray("41FF42") << QByteArray("\"A\xEF\xBF\xBD" "B\"")
                                                       << QByteArray("41EFBFBD42");
    }
    void tekstyTamIZPowrotem()
    {
        QFETCH(QByteArray, bajty);
        QFETCH(QByteArray, zapis);
        QFETCH(QByteArray, po);
        FolderRoboczy a, b;
        Baza bazaA, bazaB;
        QVERIFY(bazaA.otworz(a.sciezka()) && bazaB.otworz(b.sciezka()));
        zalozWszystkieTabele(bazaA);
        zalozWszystkieTabele(bazaB);
        QSqlQuery q = bazaA.zapytanie();
        QVERIFY(q.exec(QStringLiteral("INSERT INTO systemyeksperckie VALUES (1, CAST(X'%1' AS TEXT), CAST(X'%1' AS TEXT), NULL)")
                           .arg(QString::fromLatin1(bajty))));
        const QByteArray pierwszy = eksport(bazaA);
        QVERIFY2(pierwszy.contains("\"NazSyst\": " + zapis + ", \"OpisSyst\": " + zapis + ","), pierwszy.constData());
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString dekodowany = utf8(pierwszy);
        QVERIFY(!utf8.hasError());
        QString blad;
        QVERIFY2(importujJson(bazaB, pierwszy, &blad), qPrintable(blad));
        QCOMPARE(wartosc(bazaB, QStringLiteral("SELECT hex(NazSyst) || hex(OpisSyst) FROM systemyeksperckie")),
                 QString::fromLatin1(po + po));
        QCOMPARE(eksport(bazaB), pierwszy);
    }

    // A table that cannot be read whole stops the export: the message names the file and the
    // reason, and nothing of the other tables is given out.
    void eksportNieczytelnejTabeli_data()
    {
        QTest::addColumn<NieczytelnaTabela>("p");
        QTest::newRow("random bytes") << NieczytelnaTabela{.tabela = "fakty", .zmiana = Zmiana::Tresc,
            .tresc = losoweBajty(), .sql = {},
            .komunikat = "Nie można odczytać tabeli fakty.db: plik nie jest plikiem bazy danych.", .wSystemie1 = true};
        QTest::newRow("SQLite file of another table") << NieczytelnaTabela{.tabela = "fakty", .zmiana = Zmiana::Tresc,
            .tresc = QByteArray(), .sql = {"CREATE TABLE inna (IdFakt INTEGER)"},
            .komunikat = "Nie można odczytać tabeli fakty.db: plik nie zawiera tabeli fakty.", .wSystemie1 = true};
        QTest::newRow("missing file") << NieczytelnaTabela{.tabela = "plikimultimedialne", .zmiana = Zmiana::Usuniecie,
            .tresc = QByteArray(), .sql = {},
            .komunikat = "Nie można odczytać tabeli plikimultimedialne.db: brak pliku tabeli w folderze %1.",
            .wSystemie1 = true};
        QTest::newRow("documented columns missing") << NieczytelnaTabela{.tabela = "fakty", .zmiana = Zmiana::Sql,
            .tresc = QByteArray(),
            .sql = {"ALTER TABLE fakty DROP COLUMN DataRek", "ALTER TABLE fakty DROP COLUMN CFWartPoprzFakt"},
            .komunikat = "Nie można odczytać tabeli fakty.db: w tabeli fakty brak kolumn CFWartPoprzFakt, DataRek.",
            .wSystemie1 = true};
        QTest::newRow("a column of another program") << NieczytelnaTabela{.tabela = "reguly", .zmiana = Zmiana::Sql,
            .tresc = QByteArray(), .sql = {"ALTER TABLE reguly ADD COLUMN Uwagi TEXT"},
            .komunikat = "Nie można odczytać tabeli reguly.db: tabela reguly ma nieznaną kolumnę Uwagi.",
            .wSystemie1 = true};
        QTest::newRow("page of the last rows damaged") << NieczytelnaTabela{.tabela = "trajektoria",
            .zmiana = Zmiana::UszkodzenieStron, .tresc = QByteArray(),
            .sql = {"WITH RECURSIVE n(i) AS (SELECT 100 UNION ALL SELECT i + 1 FROM n WHERE i < 500) "
                    "INSERT INTO trajektoria (IdKrokTraj, KodSyst, KodRegTraj, PrzyczNieOdpalTraj, DataRek) "
                    "SELECT i, 1, 1, printf('%.200c', 'x'), '2024-01-01' FROM n"},
            .komunikat = "Nie można odczytać tabeli trajektoria.db: plik tabeli jest uszkodzony.", .wSystemie1 = true};
        QTest::newRow("text in an integer column of another system") << NieczytelnaTabela{.tabela = "systemyeksperckie",
            .zmiana = Zmiana::Tresc, .tresc = QByteArray(),
            .sql = {"CREATE TABLE systemyeksperckie (IdSyst, NazSyst, OpisSyst, DataRek)",
                    "INSERT INTO systemyeksperckie VALUES ('jeden', 'a', NULL, NULL)"},
            .komunikat = "Nie można odczytać tabeli systemyeksperckie.db: w rekordzie IdSyst=jeden kolumna IdSyst nie zawiera "
                          "liczby całkowitej.", .wSystemie1 = false};
        QTest::newRow("infinite real") << NieczytelnaTabela{.tabela = "fakty", .zmiana = Zmiana::Sql,
            .tresc = QByteArray(), .sql = {"UPDATE fakty SET CFWartFakt = 9e999 WHERE IdFakt = 11"},
            .komunikat = "Nie można odczytać tabeli fakty.db: w rekordzie IdFakt=11 kolumna CFWartFakt zawiera wartość "
                          "nieskończoną, której nie można zapisać w pliku JSON.", .wSystemie1 = true};
    }
    void eksportNieczytelnejTabeli()
    {
        QFETCH(NieczytelnaTabela, p);
        DwaSystemy f;
        zmienPlik(f.plik(p.tabela), p.zmiana, p.tresc, p.sql);
        if (QTest::currentTestFailed())
            return;
        Baza baza;
        QVERIFY(baza.otworz(f.folder.sciezka()));
        QByteArray json;
        QString blad;
        QVERIFY(!eksportujJson(baza, std::nullopt, &json, &blad));
        QCOMPARE(blad, f.komunikat(p.komunikat));
        QVERIFY(json.isEmpty());
        blad.clear();
        QCOMPARE(eksportujJson(baza, 1, &json, &blad), !p.wSystemie1);
        QCOMPARE(blad, p.wSystemie1 ? f.komunikat(p.komunikat) : QString());
    }

    // tremida-cli export: code 1, the message on standard error, nothing on standard output
    // (which usually goes into a file), also when the records cannot all be written out.
    void eksportCli_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<Zmiana>("zmiana");
        QTest::addColumn<QString>("wyjscie"); // standard output: "" or /dev/full
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("readable") << "" << Zmiana::Sql << "" << "";
        QTest::newRow("corrupt file") << "fakty" << Zmiana::Tresc << ""
                                      << "Nie można odczytać tabeli fakty.db: plik nie jest plikiem bazy danych.\n";
        QTest::newRow("missing file") << "reguly" << Zmiana::Usuniecie << ""
                                      << "Nie można odczytać tabeli reguly.db: brak pliku tabeli w folderze %1.\n";
        QTest::newRow("full disk") << "" << Zmiana::Sql << "/dev/full"
                                   << "Nie można zapisać rekordów na standardowe wyjście (brak miejsca na dysku albo "
                                      "zamknięty odbiorca).\n";
    }
    void eksportCli()
    {
        QFETCH(QString, tabela);
        QFETCH(Zmiana, zmiana);
        QFETCH(QString, wyjscie);
        QFETCH(QString, komunikat);
        if (!wyjscie.isEmpty() && !QFile::exists(wyjscie))
            QSKIP("no /dev/full here");
        DwaSystemy f;
        if (!tabela.isEmpty())
            zmienPlik(f.plik(tabela), zmiana, losoweBajty(), {});
        QProcess p;
        p.setProgram(QStringLiteral(TREMIDA_CLI_PATH));
        p.setArguments({QStringLiteral("--dir"), f.folder.sciezka(), QStringLiteral("export")});
        if (!wyjscie.isEmpty())
            p.setStandardOutputFile(wyjscie);
        p.start();
        QVERIFY(p.waitForFinished(60000));
        const QByteArray out = p.readAllStandardOutput();
        QCOMPARE(p.exitCode(), komunikat.isEmpty() ? 0 : 1);
        QCOMPARE(QJsonDocument::fromJson(out).isObject(), komunikat.isEmpty());
        if (!komunikat.isEmpty()) {
            QCOMPARE(out, QByteArray());
            QVERIFY(QString::fromUtf8(p.readAllStandardError()).endsWith(f.komunikat(komunikat)));
        }
    }

    // What the JSON parser would let through silently, a key given twice in one object or
    // half of a UTF-16 surrogate pair, is refused with its place (the character counted
    // from 1); nothing is written.
    void niejednoznacznyJson_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("table twice") << QByteArray(R"({"fakty": [], "fakty": []})")
                                     << R"(Plik JSON: tabela "fakty" występuje więcej niż raz (znak 15).)";
        QTest::newRow("column twice")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "a", "NazSyst": "b"}]})")
            << R"(Tabela systemyeksperckie, rekord nr 1: kolumna "NazSyst" występuje w rekordzie więcej niż raz (znak 54).)";
        QTest::newRow("the same column written with an escape")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "a", "Naz\u0053yst": "b"}]})")
            << R"(Tabela systemyeksperckie, rekord nr 1: kolumna "NazSyst" występuje w rekordzie więcej niż raz (znak 54).)";
        QTest::newRow("column twice in the second record, after Polish letters")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "żółw"}, {"IdSyst": 8, "IdSyst": 9}]})")
            << R"(Tabela systemyeksperckie, rekord nr 2: kolumna "IdSyst" występuje w rekordzie więcej niż raz (znak 72).)";
        QTest::newRow("key twice in a nested object")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "OpisSyst": {"x": 1, "x": 2}}]})")
            << R"(Tabela systemyeksperckie, rekord nr 1, kolumna OpisSyst: klucz "x" występuje w obiekcie więcej niż raz (znak 59).)";
        QTest::newRow("key twice in an object in an array")
            << QByteArray(R"({"fakty": [{"IdFakt": 1, "OpisFakt": [{"a": 1}, {"a": 1, "a": 2}]}]})")
            << R"(Tabela fakty, rekord nr 1, kolumna OpisFakt, element nr 2: klucz "a" występuje w obiekcie więcej niż raz (znak 58).)";
        QTest::newRow("lone high surrogate")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "a\ud800b"}]})")
            << R"(Tabela systemyeksperckie, rekord nr 1, kolumna NazSyst: sekwencja \ud800 to pierwsza połowa pary zastępczej UTF-16 bez drugiej połowy (znak 51).)";
        QTest::newRow("high surrogate before another escape")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "\uD835\u0041"}]})")
            << R"(Tabela systemyeksperckie, rekord nr 1, kolumna NazSyst: sekwencja \uD835 to pierwsza połowa pary zastępczej UTF-16 bez drugiej połowy (znak 50).)";
        QTest::newRow("lone low surrogate")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "x\udc00"}]})")
            << R"(Tabela systemyeksperckie, rekord nr 1, kolumna NazSyst: sekwencja \udc00 to druga połowa pary zastępczej UTF-16 bez pierwszej połowy (znak 51).)";
        QTest::newRow("pair in the wrong order")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "\udd4f\ud835"}]})")
            << R"(Tabela systemyeksperckie, rekord nr 1, kolumna NazSyst: sekwencja \udd4f to druga połowa pary zastępczej UTF-16 bez pierwszej połowy (znak 50).)";
        QTest::newRow("surrogate in a column name")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "\ud800": "a"}]})")
            << R"(Tabela systemyeksperckie, rekord nr 1: sekwencja \ud800 to pierwsza połowa pary zastępczej UTF-16 bez drugiej połowy (znak 39).)";
        QTest::newRow("surrogate encoded in UTF-8") << QByteArray("{\"a\": \"\xED\xA0\x80\"}")
                                                    << "Błędny plik JSON (znak 8): tekst nie jest poprawnym tekstem UTF-8.";
    }
    void niejednoznacznyJson()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, komunikat);
        QString blad;
        importOdrzucony(json, &blad);
        QCOMPARE(blad, komunikat);
    }

    // Valid JSON the check must not take for the above.
    void jednoznacznyJson_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("hex"); // NazSyst of system 7 as stored
        QTest::newRow("escaped pairs")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "\ud835\udd4fa\uD83D\uDE00"}]})")
            << "F09D958F61F09F9880";
        QTest::newRow("escaped backslash before u")
            << QByteArray(R"({"systemyeksperckie": [{"IdSyst": 7, "NazSyst": "\\ud800"}]})") << "5C7564383030";
        QTest::newRow("brackets, quotes and commas in a text")
            << QByteArray("{\"systemyeksperckie\": [{\"IdSyst\": 7, \"NazSyst\": \"{\\\"NazSyst\\\": [1, \\\"a\\\"]}, \\\\\"}]}")
            << "7B224E617A53797374223A205B312C202261225D7D2C205C";
    }
    void jednoznacznyJson()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, hex);
        BazaTestowa pusta;
        auto &[a, baza] = pusta;
        QString blad;
        QVERIFY2(importujJson(baza, json, &blad), qPrintable(blad));
        QCOMPARE(wartosc(baza, QStringLiteral("SELECT hex(NazSyst) FROM systemyeksperckie WHERE IdSyst = 7")), hex);
    }

    // Which columns need a value follows the table file: `stale` created over an existing
    // file takes constants without DataRek, a new one does not.
    void staleBezDatyRek_data()
    {
        QTest::addColumn<bool>("nadpisana");
        QTest::addColumn<QString>("koniec"); // the last columns of the record
        QTest::addColumn<QString>("komunikat");
        QTest::addColumn<QString>("dataRek");
        const QString brakDaty = QStringLiteral("Tabela stale, rekord IdStala=5: brak wartości wymaganej kolumny DataRek.");
        QTest::newRow("new, no DataRek") << false << R"("WartParBStala": "0")" << brakDaty << "";
        QTest::newRow("new, empty DataRek") << false << R"("WartParBStala": "0", "DataRek": "")" << brakDaty << "";
        QTest::newRow("re-created, no DataRek") << true << R"("WartParBStala": "0")" << "" << "<null>";
        QTest::newRow("re-created, empty DataRek") << true << R"("WartParBStala": "0", "DataRek": "")" << "" << "";
        QTest::newRow("re-created, another required column missing")
            << true << R"("WartParBStala": null)"
            << "Tabela stale, rekord IdStala=5: brak wartości wymaganej kolumny WartParBStala." << "";
    }
    void staleBezDatyRek()
    {
        QFETCH(bool, nadpisana);
        QFETCH(QString, koniec);
        QFETCH(QString, komunikat);
        QFETCH(QString, dataRek);
        FolderRoboczy a;
        Baza baza;
        QVERIFY(baza.otworz(a.sciezka()));
        QVERIFY(baza.zalozTabele(Tabela::Stale, false));
        if (nadpisana)
            QVERIFY(baza.zalozTabele(Tabela::Stale, true));
        const QString json = QStringLiteral(R"({"stale": [{"IdStala": 5, "KodSyst": 1, "NazStala": "s", "RodzStala": "prosta",
            "TypStala": "liczbowy", "WartStalaProsta": "1", "KodArgStala": 0, "WartParAStala": "0", %1}]})").arg(koniec);
        QString blad;
        QCOMPARE(importujJson(baza, json.toUtf8(), &blad), komunikat.isEmpty());
        QCOMPARE(blad, komunikat);
        QCOMPARE(wartosc(baza, QStringLiteral("SELECT ifnull(DataRek, '<null>') FROM stale")),
                 komunikat.isEmpty() ? dataRek : QStringLiteral("<none>"));
    }

    // The export of a re-created `stale` goes back into a re-created one, not into a new one.
    void staleNadpisanaTamIZPowrotem()
    {
        FolderRoboczy a, b, c;
        Baza bazaA, bazaB, bazaC;
        QVERIFY(bazaA.otworz(a.sciezka()) && bazaB.otworz(b.sciezka()) && bazaC.otworz(c.sciezka()));
        for (Baza *baza : {&bazaA, &bazaB, &bazaC})
            zalozWszystkieTabele(*baza);
        QVERIFY(bazaA.zalozTabele(Tabela::Stale, true) && bazaB.zalozTabele(Tabela::Stale, true));
        QSqlQuery q = bazaA.zapytanie();
        QVERIFY(q.exec(QStringLiteral("INSERT INTO stale (IdStala, KodSyst, NazStala, RodzStala, TypStala, WartStalaProsta, "
                                      "KodArgStala, WartParAStala, WartParBStala) "
                                      "VALUES (3, 1, 'g', 'prosta', 'liczbowy', '9,81', 0, '0', '0')")));
        const QByteArray pierwszy = eksport(bazaA);
        QVERIFY(pierwszy.contains("\"DataRek\": null}"));
        QString blad;
        QVERIFY2(importujJson(bazaB, pierwszy, &blad), qPrintable(blad));
        QCOMPARE(eksport(bazaB), pierwszy);
        QVERIFY(!importujJson(bazaC, pierwszy, &blad));
        QCOMPARE(blad, QStringLiteral("Tabela stale, rekord IdStala=3: brak wartości wymaganej kolumny DataRek."));
        QCOMPARE(bazaC.liczbaRekordow(Tabela::Stale), 0);
    }

    // Records for a table whose file is not that table: the message says what is wrong with
    // the file, and nothing is written to the other tables.
    void importDoNieczytelnejTabeli_data()
    {
        QTest::addColumn<Zmiana>("zmiana");
        QTest::addColumn<QByteArray>("tresc");
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("random bytes") << Zmiana::Tresc << losoweBajty() << QStringList{}
                                      << "Tabela fakty: nie można odczytać pliku fakty.db (plik nie jest plikiem bazy danych).";
        QTest::newRow("SQLite file of another table")
            << Zmiana::Tresc << QByteArray() << QStringList{"CREATE TABLE inna (IdFakt INTEGER)"}
            << "Tabela fakty: nie można odczytać pliku fakty.db (plik nie zawiera tabeli fakty).";
        QTest::newRow("a documented column missing")
            << Zmiana::Sql << QByteArray() << QStringList{"ALTER TABLE fakty DROP COLUMN WartPoprzFakt"}
            << "Tabela fakty: nie można odczytać pliku fakty.db (w tabeli fakty brak kolumny WartPoprzFakt).";
    }
    void importDoNieczytelnejTabeli()
    {
        QFETCH(Zmiana, zmiana);
        QFETCH(QByteArray, tresc);
        QFETCH(QStringList, sql);
        QFETCH(QString, komunikat);
        DwaSystemy f;
        zmienPlik(f.plik(QStringLiteral("fakty")), zmiana, tresc, sql);
        if (QTest::currentTestFailed())
            return;
        f.folder.zapisz(QStringLiteral("wejscie.json"),
                        R"({"systemyeksperckie": [{"IdSyst": 3, "NazSyst": "trzeci"}],
                            "fakty": [{"IdFakt": 30, "KodSyst": 3, "NazFakt": "n", "RodzFakt": "posredni", "TypFakt": "logiczny"}]})");
        const WynikCli w = uruchomCli(f.folder.sciezka(), {"import", f.folder.plik(QStringLiteral("wejscie.json"))});
        QCOMPARE(w.kod, 1);
        QCOMPARE(w.out, komunikat + QStringLiteral("\nNie zapisano żadnego rekordu.\n"));
        Baza baza;
        QVERIFY(baza.otworz(f.folder.sciezka()));
        QCOMPARE(baza.liczbaRekordow(Tabela::Systemy), 2);
    }
};

QTEST_GUILESS_MAIN(TstWymiana)
#include "tst_wymiana.moc"

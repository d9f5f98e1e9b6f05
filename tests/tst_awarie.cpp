// A crash and another program on the same folder: a run killed at any moment (during its
// commit too) leaves every table whole and either as it was before the run or as the run
// left it; two runs at once never lose what either reported; files that are not what they
// seem are refused, and nothing hangs.

#include "Pomocnicze.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>

using namespace tremida;
using namespace tremida::test;

namespace {

const QStringList PlikiTabel = {"systemyeksperckie.db", "fakty.db", "wartoscifaktowwyliczeniowych.db", "reguly.db",
                                "stale.db", "trajektoria.db", "plikimultimedialne.db"};

// A forward chain of `n` rules on system `kod`: fact F0 is TRUE, rule i concludes Fi from F(i-1)
// (the names carry the system's code, as fact names are unique in the table),
// listed from the last, so that each iteration examines every rule (a long run, a large commit).
QByteArray lancuch(int n, int kod)
{
    const int baza = kod * 10000;
    auto nazwa = [kod](int i) { return QStringLiteral("S%1F%2").arg(kod).arg(i); };
    QJsonArray fakty{QJsonObject{{"IdFakt", baza}, {"KodSyst", kod}, {"NazFakt", nazwa(0)}, {"RodzFakt", "wprowadzany"},
                                 {"TypFakt", "logiczny"}, {"WartFakt", "TRUE"}, {"CFWartFakt", 1}}};
    QJsonArray reguly;
    for (int i = 1; i <= n; ++i) {
        fakty.append(QJsonObject{{"IdFakt", baza + i}, {"KodSyst", kod}, {"NazFakt", nazwa(i)},
                                 {"RodzFakt", i == n ? "koncowy" : "posredni"}, {"TypFakt", "logiczny"},
                                 {"WartFakt", "???"}, {"CFWartFakt", 0}});
        reguly.append(QJsonObject{{"IdReg", baza + n + 1 - i}, {"KodSyst", kod}, {"NazReg", QStringLiteral("R%1").arg(i)},
                                  {"PozReg", 1}, {"KierWniReg", "w przod"}, {"CFReg", 1},
                                  {"PrzesReg", QStringLiteral("[%1]=[TRUE]").arg(nazwa(i - 1))},
                                  {"KonklReg", QStringLiteral("[%1]=[TRUE]").arg(nazwa(i))}});
    }
    return QJsonDocument(QJsonObject{{"systemyeksperckie",
                                      QJsonArray{QJsonObject{{"IdSyst", kod}, {"NazSyst", QStringLiteral("Łańcuch %1").arg(kod)}}}},
                                     {"fakty", fakty},
                                     {"reguly", reguly}})
        .toJson(QJsonDocument::Compact);
}

QStringList wnioskowanie(int kod)
{
    return {QStringLiteral("infer"), QString::number(kod), QStringLiteral("--method"), QStringLiteral("forward"),
            QStringLiteral("--no-verify"), QStringLiteral("--json")};
}

struct Folder {
    FolderRoboczy f;
    QString sciezka() const { return f.sciezka(); }
    WynikCli cli(const QStringList &a) const { return uruchomCli(f.sciezka(), a); }
    void przygotuj(const QList<QByteArray> &bazy) const
    {
        QCOMPARE(cli({QStringLiteral("create-tables")}).kod, 0);
        for (qsizetype i = 0; i < bazy.size(); ++i) {
            const QString plik = QStringLiteral("baza%1.json").arg(i);
            f.zapisz(plik, bazy[i]);
            QCOMPARE(cli({QStringLiteral("import"), f.plik(plik)}).kod, 0);
        }
    }
    QString tabele() const
    {
        const WynikCli w = cli({QStringLiteral("export")});
        return w.kod == 0 ? w.out : QStringLiteral("export: ") + w.out + w.err;
    }
    // "ok" for every table file that passes SQLite's integrity check, else what it said.
    QStringList spojnosc() const
    {
        QStringList w;
        for (const QString &p : PlikiTabel) {
            const QString nazwa = QStringLiteral("spojnosc-") + p;
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nazwa);
                db.setDatabaseName(f.plik(p));
                QSqlQuery q(db);
                w << (db.open() && q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next()
                          ? q.value(0).toString()
                          : QStringLiteral("błąd"));
            }
            QSqlDatabase::removeDatabase(nazwa);
        }
        return w;
    }
    void kopiujDo(const Folder &cel) const
    {
        for (const QString &p : QDir(f.sciezka()).entryList(QDir::Files | QDir::Hidden))
            QFile::copy(f.plik(p), cel.f.plik(p));
    }
};

QString liniaKomunikatu(const QString &out, const QString &fragment)
{
    for (const QString &l : out.split(u'\n'))
        if (l.contains(fragment))
            return l;
    return QString();
}

} // namespace

class TstAwarie : public QObject {
    Q_OBJECT
private slots:
    // Killed at many moments, also the moment the commit over several files has begun: every
    // table is whole and the tables are either as before the run or as after it.
    void zabicieWKazdejChwili()
    {
        Folder wzor;
        wzor.przygotuj({lancuch(300, 1)});
        const QString przed = wzor.tabele();
        Folder pelny;
        wzor.kopiujDo(pelny);
        QElapsedTimer czas;
        czas.start();
        QCOMPARE(pelny.cli(wnioskowanie(1)).kod, 0);
        const qint64 trwanie = czas.elapsed();
        const QString po = pelny.tabele();
        QVERIFY(po != przed);
        // The connection's main database, and with it the super-journal of a commit, lives in
        // the working folder.
        QVERIFY(QFileInfo::exists(pelny.f.plik(QStringLiteral(".tremida.db"))));

        int przedRun = 0, poRun = 0, wZatwierdzeniu = 0;
        const int proby = 16, wZatwierdzeniuProby = 6;
        for (int i = 0; i < proby; ++i) {
            Folder f;
            wzor.kopiujDo(f);
            // The run's temporary folder is emptied after the kill, as at boot.
            QTemporaryDir tymczasowy;
            QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
            srodowisko.insert(QStringLiteral("TMPDIR"), tymczasowy.path());
            QProcess p;
            p.setProcessEnvironment(srodowisko);
            p.setProgram(QStringLiteral(TREMIDA_CLI_PATH));
            p.setArguments(QStringList{QStringLiteral("--dir"), f.sciezka()} + wnioskowanie(1));
            p.setStandardOutputFile(QProcess::nullDevice());
            p.start();
            QVERIFY(p.waitForStarted());
            if (i < proby - wZatwierdzeniuProby) {
                // Spread over the run, the last one well past its usual end.
                const qint64 czekaj = i == proby - wZatwierdzeniuProby - 1
                                          ? 3 * trwanie
                                          : trwanie * (i + 1) / (proby - wZatwierdzeniuProby - 1);
                QThread::msleep(static_cast<unsigned long>(czekaj));
            } else {
                // The moment the super-journal appears: the commit over several files is under way.
                QElapsedTimer t;
                t.start();
                bool jest = false;
                while (!jest && t.elapsed() < 30000 && p.state() != QProcess::NotRunning)
                    jest = !QDir(f.sciezka()).entryList({QStringLiteral(".tremida.db-mj*")}, QDir::Files | QDir::Hidden)
                                .isEmpty();
                wZatwierdzeniu += jest ? 1 : 0;
            }
            p.kill();
            p.waitForFinished();
            for (const QFileInfo &e : QDir(tymczasowy.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
                e.isDir() ? (void)QDir(e.absoluteFilePath()).removeRecursively() : (void)QFile::remove(e.absoluteFilePath());
            const QString stan = f.tabele();
            QCOMPARE(f.spojnosc(), QStringList(PlikiTabel.size(), QStringLiteral("ok")));
            QVERIFY2(stan == przed || stan == po, qPrintable(QStringLiteral("próba %1").arg(i)));
            (stan == przed ? przedRun : poRun) += 1;
        }
        QVERIFY(przedRun > 0);
        QVERIFY(poRun > 0);
        QVERIFY(wZatwierdzeniu > 0);
    }

    // Two runs on one folder at once, on the same knowledge base and on two of them: each
    // either runs to its end with everything saved, or refuses with the message and changes
    // nothing; the tables stay whole.
    void dwaPrzebiegiNaraz_data()
    {
        QTest::addColumn<int>("drugi");
        QTest::newRow("the same knowledge base") << 1;
        QTest::newRow("two knowledge bases") << 2;
    }
    void dwaPrzebiegiNaraz()
    {
        QFETCH(int, drugi);
        Folder f;
        f.przygotuj({lancuch(300, 1), lancuch(300, 2)});
        Folder osobno;
        f.kopiujDo(osobno);
        QCOMPARE(osobno.cli(wnioskowanie(drugi)).kod, 0);
        QProcess a;
        a.setProgram(QStringLiteral(TREMIDA_CLI_PATH));
        a.setArguments(QStringList{QStringLiteral("--dir"), f.sciezka()} + wnioskowanie(1));
        a.start();
        QVERIFY(a.waitForStarted());
        QThread::msleep(150);
        const WynikCli b = f.cli(wnioskowanie(drugi));
        QVERIFY(a.waitForFinished(60000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(f.spojnosc(), QStringList(PlikiTabel.size(), QStringLiteral("ok")));
        const QString zajeta = QStringLiteral("jest używana przez inny program");
        QVERIFY2(b.kod == 0 || !liniaKomunikatu(b.out, zajeta).isEmpty(), qPrintable(b.out + b.err));
        auto konkluzje = [&](const QString &out) { return out.count(QStringLiteral("\"event\":\"conclusion\"")); };
        QCOMPARE(konkluzje(QString::fromUtf8(a.readAllStandardOutput())), 300);
        QCOMPARE(konkluzje(b.out), b.kod == 0 ? 300 : 0);
        // What each run reported is in the tables: its final fact and all its trajectory rows.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dwa"));
        {
            db.setDatabaseName(f.f.plik(QStringLiteral("fakty.db")));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT WartFakt FROM fakty WHERE IdFakt=10300")) && q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("TRUE"));
            if (drugi == 2) {
                QVERIFY(q.exec(QStringLiteral("SELECT WartFakt FROM fakty WHERE IdFakt=20300")) && q.next());
                QCOMPARE(q.value(0).toString(), b.kod == 0 ? QStringLiteral("TRUE") : QStringLiteral("???"));
            }
            db.close();
            db.setDatabaseName(f.f.plik(QStringLiteral("trajektoria.db")));
            QVERIFY(db.open());
            QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM trajektoria WHERE KodSyst=%1").arg(drugi)) && q.next());
            const int wiersze = q.value(0).toInt();
            QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM trajektoria WHERE KodSyst=1")) && q.next());
            QVERIFY(q.value(0).toInt() > 300);
            if (drugi == 2)
                QCOMPARE(wiersze, b.kod == 0 ? q.value(0).toInt() : 0);
            db.close();
        }
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("dwa"));
    }

    // A lock of another program shorter than the wait is waited out: the run saves everything.
    void krotkaBlokadaPrzeczekana()
    {
        Folder f;
        f.przygotuj({lancuch(20, 1)});
        QProcess inny;
        inny.start(QStringLiteral("sqlite3"), {f.f.plik(QStringLiteral("reguly.db"))});
        QVERIFY(inny.waitForStarted());
        inny.write("BEGIN IMMEDIATE; UPDATE reguly SET NazReg=NazReg WHERE IdReg=10001;\n");
        QThread::msleep(300);
        QTimer::singleShot(800, &inny, [&] { inny.write("COMMIT;\n.quit\n"); });
        QProcess p;
        p.setProgram(QStringLiteral(TREMIDA_CLI_PATH));
        p.setArguments(QStringList{QStringLiteral("--dir"), f.sciezka()} + wnioskowanie(1));
        p.start();
        QElapsedTimer t;
        t.start();
        while (p.state() != QProcess::NotRunning && t.elapsed() < 30000)
            QTest::qWait(20);
        inny.waitForFinished();
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).count(QStringLiteral("\"event\":\"conclusion\"")), 20);
    }

    // The error file of the consistency check may never be a table file, the configuration
    // file (also through a link) or a special file: refused, nothing written, exit 1.
    void plikBledowNieJestPlikiemProgramu_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("a table file") << "fakty.db"
                                      << "Plik błędów %1 jest plikiem fakty.db programu; jego zapis zniszczyłby dane.\n"
                                         "Wybierz inną nazwę pliku błędów. Opcja nie zostanie zrealizowana.";
        QTest::newRow("a link to a table file")
            << "dowiazanie.txt"
            << "Plik błędów %1 jest plikiem reguly.db programu; jego zapis zniszczyłby dane.\nWybierz inną nazwę "
               "pliku błędów. Opcja nie zostanie zrealizowana.";
        QTest::newRow("the configuration file")
            << "plik konfiguracyjny systemu TREMIDA.txt"
            << "Plik błędów %1 jest plikiem plik konfiguracyjny systemu TREMIDA.txt programu; jego zapis zniszczyłby "
               "dane.\nWybierz inną nazwę pliku błędów. Opcja nie zostanie zrealizowana.";
        QTest::newRow("a pipe") << "potok" << "Plik błędów %1 nie jest zwykłym plikiem.\nOpcja nie zostanie zrealizowana.";
    }
    void plikBledowNieJestPlikiemProgramu()
    {
        QFETCH(QString, nazwa);
        QFETCH(QString, komunikat);
        Folder f;
        f.przygotuj({lancuch(3, 1)});
        f.f.zapisz(QStringLiteral("plik konfiguracyjny systemu TREMIDA.txt"), "5\r\n");
        QVERIFY(QFile::link(f.f.plik(QStringLiteral("reguly.db")), f.f.plik(QStringLiteral("dowiazanie.txt"))));
        QCOMPARE(::mkfifo(QFile::encodeName(f.f.plik(QStringLiteral("potok"))).constData(), 0600), 0);
        const QString przed = f.tabele();
        QFile konfig(f.f.plik(QStringLiteral("plik konfiguracyjny systemu TREMIDA.txt")));
        const WynikCli w = f.cli({QStringLiteral("check-db"), QStringLiteral("--errors-file"), f.f.plik(nazwa)});
        QCOMPARE(w.kod, 1);
        QVERIFY2(w.err.contains(komunikat.arg(f.f.plik(nazwa))), qPrintable(w.err));
        QCOMPARE(f.tabele(), przed);
        QCOMPARE(f.spojnosc(), QStringList(PlikiTabel.size(), QStringLiteral("ok")));
        QVERIFY(konfig.open(QIODevice::ReadOnly));
        QCOMPARE(konfig.readAll(), QByteArray("5\r\n"));
    }

    // Special files are never read: a pipe as the configuration file, the input-fact file or
    // the file to import, a device to import. Each command ends at once with a message.
    void plikiSpecjalne()
    {
        Folder f;
        f.przygotuj({lancuch(3, 1)});
        const QString potok = f.f.plik(QStringLiteral("potok"));
        QCOMPARE(::mkfifo(QFile::encodeName(potok).constData(), 0600), 0);
        const WynikCli faktyZPotoku = f.cli({QStringLiteral("read-facts"), QStringLiteral("1"), potok});
        QCOMPARE(faktyZPotoku.kod, 1);
        QCOMPARE(faktyZPotoku.out.trimmed(),
                 QStringLiteral("Plik tekstowy %1 nie może zostać odczytany (to nie jest zwykły plik).\nOpcja nie "
                                "zostanie zrealizowana.")
                     .arg(potok));
        for (const QString &plik : {potok, QStringLiteral("/dev/zero")}) {
            const WynikCli import = f.cli({QStringLiteral("import"), plik});
            QCOMPARE(import.kod, 1);
            QCOMPARE(import.out.trimmed(), QStringLiteral("Nie można odczytać pliku %1: to nie jest zwykły plik.\nNie "
                                                          "zapisano żadnego rekordu.")
                                               .arg(plik));
        }
        QVERIFY(QFile::rename(potok, f.f.plik(QStringLiteral("plik konfiguracyjny systemu TREMIDA.txt"))));
        const WynikCli zKonfiguracja = f.cli({QStringLiteral("free-key"), QStringLiteral("fakty")});
        QCOMPARE(zKonfiguracja.kod, 0);
        QCOMPARE(zKonfiguracja.err.trimmed(),
                 QStringLiteral("Pliku o nazwie \"plik konfiguracyjny systemu TREMIDA.txt\"\nnie można odczytać (to nie "
                                "jest zwykły plik).\nPrzyjęte zostały standardowe parametry konfiguracyjne."));
    }

    // A configuration line too long to be read in one piece is one line still, reported as a
    // bad value; the lines after it keep their places.
    void dlugiWierszKonfiguracji()
    {
        Folder f;
        QByteArray tresc = QByteArray(70000, '0') + "5\r\n";
        for (const char *l : {"TRUE", "FALSE", "rozmyta", "rozmyta", "rozmyta", "0,5", "0,05", "FALSE"})
            tresc += QByteArray(l) + "\r\n";
        f.f.zapisz(QStringLiteral("plik konfiguracyjny systemu TREMIDA.txt"), tresc);
        const WynikCli w = f.cli({QStringLiteral("manual")});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.err.count(QStringLiteral("Błędna wartość parametru")), 1);
        QVERIFY2(w.err.contains(QStringLiteral("Błędna wartość parametru: maksymalna liczba poziomów reguł")), qPrintable(w.err));
        QVERIFY(w.err.contains(QStringLiteral("zawiera 9 z 16 wierszy")));
    }

    // What killed runs left behind is removed when a folder is next opened: the file of a
    // table being created and an old temporary folder of a connection; what is recent stays.
    void pozostalosciUsuwane()
    {
        Folder f;
        QTemporaryDir tymczasowy;
        const QString nowy = f.f.plik(QStringLiteral(".fakty.db.nowy"));
        const QString swiezy = f.f.plik(QStringLiteral(".reguly.db.nowy"));
        const QString katalog = QDir(tymczasowy.path()).filePath(QStringLiteral("tremida-abc123"));
        f.f.zapisz(QStringLiteral(".fakty.db.nowy"), "x");
        f.f.zapisz(QStringLiteral(".reguly.db.nowy"), "x");
        QVERIFY(QDir().mkpath(katalog));
        const QDateTime dawno = QDateTime::currentDateTime().addDays(-2);
        const timespec czasy[2] = {{dawno.toSecsSinceEpoch(), 0}, {dawno.toSecsSinceEpoch(), 0}};
        for (const QString &p : {nowy, katalog})
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(p).constData(), czasy, 0), 0);
        QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
        srodowisko.insert(QStringLiteral("TMPDIR"), tymczasowy.path());
        QProcess p;
        p.setProcessEnvironment(srodowisko);
        p.start(QStringLiteral(TREMIDA_CLI_PATH), {QStringLiteral("--dir"), f.sciezka(), QStringLiteral("free-key"),
                                                   QStringLiteral("fakty")});
        QVERIFY(p.waitForFinished());
        QVERIFY(!QFileInfo::exists(nowy));
        QVERIFY(!QFileInfo::exists(katalog));
        QVERIFY(QFileInfo::exists(swiezy));
    }

    // A run whose step number would pass the largest integer does not start: a wrapped number
    // would collide with old rows.
    void numerKrokuNieZawija()
    {
        Folder f;
        f.przygotuj({lancuch(3, 1), lancuch(3, 2)});
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("krok"));
            db.setDatabaseName(f.f.plik(QStringLiteral("trajektoria.db")));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("INSERT INTO trajektoria (IdKrokTraj, KodSyst, KodRegTraj, DataRek) "
                                          "VALUES (2147483647, 2, 1, '1.1.2026')")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("krok"));
        const QString przed = f.tabele();
        const WynikCli w = f.cli(wnioskowanie(1));
        QCOMPARE(w.kod, 1);
        QVERIFY2(w.out.contains(QStringLiteral("Nie można zapisać zmian w tabeli trajektoria.db: numer kroku "
                                               "przekroczyłby największą dopuszczalną wartość 2147483647; usuń wiersze "
                                               "trajektorii o najwyższych numerach kroków.\\n\\rNastąpi przerwanie "
                                               "procesu wnioskowania.")),
                 qPrintable(w.out));
        QCOMPARE(f.tabele(), przed);
    }
};

QTEST_GUILESS_MAIN(TstAwarie)
#include "tst_awarie.moc"

#include "Pomocnicze.h"

#include "store/Wymiana.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QTest>

namespace tremida::test {

FolderRoboczy::FolderRoboczy() { QVERIFY(m_dir.isValid()); }

void FolderRoboczy::zapisz(const QString &nazwa, const QByteArray &tresc) const
{
    QFile f(plik(nazwa));
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(f.errorString()));
    f.write(tresc);
}

void zalozWszystkieTabele(Baza &baza)
{
    for (Tabela t : WszystkieTabele) {
        QString blad;
        QVERIFY2(baza.zalozTabele(t, baza.plikIstnieje(t), &blad), qPrintable(blad));
    }
}

QStringList wierszeZapytania(Baza &baza, const QString &zapytanie)
{
    QStringList wynik;
    QSqlQuery q = baza.zapytanie();
    if (!q.exec(zapytanie))
        return {QStringLiteral("blad")};
    while (q.next()) {
        QStringList pola;
        for (int i = 0; i < q.record().count(); ++i)
            pola << q.value(i).toString();
        wynik << pola.join(u'|');
    }
    return wynik;
}

QString plikDanych(const QString &nazwa) { return QDir(QStringLiteral(TREMIDA_TEST_DATA)).filePath(nazwa); }

QString katalogPrzykladow()
{
    return QDir(QStringLiteral(TREMIDA_TEST_DATA "/../../examples")).canonicalPath();
}

QMap<QString, QByteArray> skrotyPlikowTabel(const QString &folder)
{
    QMap<QString, QByteArray> w;
    for (const QString &plik : QDir(folder).entryList({QStringLiteral("*.db")}, QDir::Files)) {
        QFile f(QDir(folder).filePath(plik));
        if (f.open(QIODevice::ReadOnly))
            w.insert(plik, QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256));
    }
    return w;
}

QString plikPrzykladu(const QString &przyklad, const QString &nazwa)
{
    return katalogPrzykladow() + u'/' + przyklad + u'/' + nazwa;
}

void importuj(Baza &baza, const QString &json)
{
    QByteArray tresc;
    if (json.trimmed().startsWith(u'{')) {
        tresc = json.toUtf8();
    } else {
        QFile f(plikDanych(json));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        tresc = f.readAll();
    }
    QString blad;
    QVERIFY2(importujJson(baza, tresc, &blad), qPrintable(blad));
}

void zaimportujPrzyklad(const QString &folder, const QString &przyklad)
{
    const WynikCli z = uruchomCli(folder, {QStringLiteral("create-tables")});
    QVERIFY2(z.kod == 0, qPrintable(z.out + z.err));
    const WynikCli w =
        uruchomCli(folder, {QStringLiteral("import"), plikPrzykladu(przyklad, przyklad + QStringLiteral(".json"))});
    QVERIFY2(w.kod == 0, qPrintable(w.out + w.err));
}

QMap<QString, QByteArray> skrotyPlikow(const QString &folder)
{
    QMap<QString, QByteArray> w;
    const QDir d(folder);
    for (const QString &nazwa : d.entryList({QStringLiteral("*.db"), QStringLiteral("*.txt")}, QDir::Files)) {
        QFile f(d.filePath(nazwa));
        if (f.open(QIODevice::ReadOnly))
            w.insert(nazwa, QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256));
    }
    return w;
}

InnyProgram::InnyProgram(const QString &plik) : m_nazwa(QUuid::createUuid().toString())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nazwa);
    db.setDatabaseName(plik);
    QVERIFY2(db.open(), qPrintable(db.lastError().text()));
}

InnyProgram::~InnyProgram()
{
    QSqlDatabase::database(m_nazwa).close();
    QSqlDatabase::removeDatabase(m_nazwa);
}

void InnyProgram::sql(const QString &polecenie)
{
    QSqlQuery q(QSqlDatabase::database(m_nazwa));
    QVERIFY2(q.exec(polecenie), qPrintable(polecenie + u' ' + q.lastError().text()));
}

QList<QJsonObject> zdarzeniaJson(const QString &out)
{
    QList<QJsonObject> w;
    for (const QString &linia : out.split(u'\n', Qt::SkipEmptyParts))
        w << QJsonDocument::fromJson(linia.toUtf8()).object();
    return w;
}

QStringList komunikatyJson(const QString &out)
{
    QStringList w;
    for (const QJsonObject &z : zdarzeniaJson(out))
        if (z.value(u"event").toString() == u"message")
            w << z.value(u"text").toString();
    return w;
}

namespace {

WynikCli uruchom(QProcess &p, const QString &folder, const QStringList &argumenty, const QByteArray &wejscie)
{
    p.setProgram(QStringLiteral(TREMIDA_CLI_PATH));
    p.setArguments(QStringList{QStringLiteral("--dir"), folder} + argumenty);
    p.start();
    WynikCli w;
    if (!p.waitForStarted(10000))
        return w;
    if (!wejscie.isEmpty())
        p.write(wejscie);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    w.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    w.out = QString::fromUtf8(p.readAllStandardOutput());
    w.err = QString::fromUtf8(p.readAllStandardError());
    return w;
}

} // namespace

WynikCli uruchomCli(const QString &folder, const QStringList &argumenty, const QByteArray &wejscie)
{
    QProcess p;
    return uruchom(p, folder, argumenty, wejscie);
}

WynikCli uruchomCliWLokalizacji(const QString &lokalizacja, const QString &folder, const QStringList &argumenty)
{
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QStringLiteral("LOCPATH"), QStringLiteral(TREMIDA_LOCALE_DIR));
    srodowisko.insert(QStringLiteral("LC_ALL"), lokalizacja);
    srodowisko.insert(QStringLiteral("LANG"), lokalizacja);
    QProcess p;
    p.setProcessEnvironment(srodowisko);
    return uruchom(p, folder, argumenty, {});
}

} // namespace tremida::test

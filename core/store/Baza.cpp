#include "Baza.h"

#include "WstawianieWsadowe.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sqlite3.h>

namespace tremida {

Baza::Baza()
    : m_pojemnoscWsadow(WstawianieWsadowe::DomyslnaPojemnosc),
      m_nazwaPolaczenia(QStringLiteral("tremida-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

Baza::~Baza() { zamknij(); }

namespace {

// What killed runs may leave behind: the files of tables being created (".fakty.db.nowy")
// and the temporary folders of connections that could not keep their main database in a
// read-only working folder. A temporary folder is taken while its lock is held by a live
// program; one without a lock (left by an older program) only when it is a day old.
void usunPozostalosci(const QString &folder)
{
    const QDateTime teraz = QDateTime::currentDateTimeUtc();
    QDir katalog(folder);
    const QFileInfoList nowe =
        katalog.entryInfoList({QStringLiteral(".*.db.nowy"), QStringLiteral(".*.db.nowy-journal")},
                              QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &f : nowe)
        if (f.lastModified().toUTC().secsTo(teraz) > 60)
            QFile::remove(f.absoluteFilePath());
    QDir tmp(QDir::tempPath());
    for (const QFileInfo &d : tmp.entryInfoList({QStringLiteral("tremida-??????")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString blokada = QDir(d.absoluteFilePath()).filePath(QStringLiteral("blokada"));
        bool porzucony = false;
        if (QFileInfo::exists(blokada)) {
            QLockFile lf(blokada);
            porzucony = lf.tryLock(0);
            if (porzucony)
                lf.unlock();
        } else {
            porzucony = d.lastModified().toUTC().secsTo(teraz) > 24 * 3600;
        }
        if (porzucony)
            QDir(d.absoluteFilePath()).removeRecursively();
    }
}

// Before SQLite starts in the process: the pages a statement changes are copied aside (so
// that a failing statement can be taken back) in memory up to two megabytes, not in a
// temporary file after the first 64 kilobytes. A statement of many trajectory rows changes a
// page of an index for nearly every row it adds; written to a file, those copies would cost
// more than the rows themselves. When SQLite has started already, it keeps its own setting.
// Nor does the program ask SQLite how much memory it holds: without that count every
// allocation of the engine skips a lock and its bookkeeping.
void ustawSilnik()
{
    static const bool ustawiony = sqlite3_config(SQLITE_CONFIG_STMTJRNL_SPILL, 2 * 1024 * 1024) == SQLITE_OK &&
                                  sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    (void)ustawiony;
}

} // namespace

bool Baza::otworz(const QString &folder, QString *blad)
{
    ustawSilnik();
    zamknij();
    QFileInfo fi(folder);
    if (!fi.exists() || !fi.isDir()) {
        if (blad)
            *blad = QStringLiteral("Folder \"%1\" nie istnieje.").arg(folder);
        return false;
    }
    m_folder = fi.absoluteFilePath();
    usunPozostalosci(m_folder);
    auto otworzGlowny = [&](const QString &plik, QString *tekstBledu) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nazwaPolaczenia);
        db.setDatabaseName(plik);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(CzasOczekiwaniaMs));
        bool ok = db.open();
        if (ok) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
            // The file must really be made: SQLite keeps no super-journal for an empty name.
            ok = q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS tremida_glowna (x INTEGER)"));
            if (!ok && tekstBledu)
                *tekstBledu = q.lastError().text();
        } else if (tekstBledu) {
            *tekstBledu = db.lastError().text();
        }
        if (!ok) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_nazwaPolaczenia);
        }
        return ok;
    };
    // The connection's main database is a small file of the program's own beside the table
    // files. SQLite keeps the super-journal of a commit over several files next to the main
    // database, and a crash during such a commit is recovered from it when a table is next
    // opened; so it must live where the tables live, not in a temporary folder that is
    // emptied at boot. A working folder that cannot be written keeps its tables readable: the main database
    // then goes into a temporary folder of the program (no table can be changed there anyway).
    QString tekstBledu;
    if (!otworzGlowny(QDir(m_folder).filePath(PlikGlowny), &tekstBledu)) {
        m_katalogGlowny = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tremida-XXXXXX"));
        if (m_katalogGlowny->isValid()) {
            m_blokadaGlownego = std::make_unique<QLockFile>(m_katalogGlowny->filePath(QStringLiteral("blokada")));
            m_blokadaGlownego->tryLock(0);
        }
        if (!m_katalogGlowny->isValid() ||
            !otworzGlowny(m_katalogGlowny->filePath(QStringLiteral("tremida.db")), &tekstBledu)) {
            if (blad)
                *blad = QStringLiteral("Nie można otworzyć bazy danych: %1").arg(tekstBledu);
            m_blokadaGlownego.reset();
            m_katalogGlowny.reset();
            return false;
        }
    }
    const QVariant uchwyt = polaczenie().driver()->handle();
    if (uchwyt.isValid() && qstrcmp(uchwyt.typeName(), "sqlite3*") == 0)
        m_uchwyt = *static_cast<sqlite3 *const *>(uchwyt.constData());
    m_otwarta = true;
    synchronizuj();
    return true;
}

void Baza::zamknij()
{
    if (!m_otwarta)
        return;
    if (m_wTransakcji)
        wycofajTransakcje();
    porzucPrzygotowane();
    m_uchwyt = nullptr;
    {
        QSqlDatabase db = QSqlDatabase::database(m_nazwaPolaczenia, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_nazwaPolaczenia);
    m_blokadaGlownego.reset();
    m_katalogGlowny.reset();
    m_dolaczone.clear();
    m_problemy.clear();
    m_otwarta = false;
}

bool Baza::czyOtwarta() const { return m_otwarta; }

QSqlQuery &Baza::przygotowane(const QString &sql)
{
    auto it = m_przygotowane.find(sql);
    if (it == m_przygotowane.end()) {
        QSqlQuery q(polaczenie());
        q.setForwardOnly(true);
        q.prepare(sql);
        it = m_przygotowane.emplace(sql, std::move(q)).first;
    }
    return it->second;
}

WstawianieWsadowe &Baza::wstawianie(Tabela t, const QStringList &kolumny)
{
    auto &w = m_wsady[t];
    if (!w) {
        w = std::make_unique<WstawianieWsadowe>(*this, t, kolumny);
        w->ustawPojemnosc(m_pojemnoscWsadow);
    }
    return *w;
}

bool Baza::zapiszWsady(std::optional<Tabela> t)
{
    bool ok = true;
    for (auto &[tabela, w] : m_wsady)
        if (!t || *t == tabela)
            ok = w->zapisz() && ok;
    return ok;
}

void Baza::ustawPojemnoscWsadow(int wiersze)
{
    m_pojemnoscWsadow = std::max(1, wiersze);
    for (auto &[tabela, w] : m_wsady)
        w->ustawPojemnosc(m_pojemnoscWsadow);
}

void Baza::porzucPrzygotowane()
{
    // Kept rows are written while their statements can still be (a failure is recorded).
    (void)zapiszWsady();
    for (auto &[tabela, w] : m_wsady)
        w->zwolnijPolecenia();
    m_przygotowane.clear();
    m_pamiecOdczytow.reset();
}

qint64 Baza::licznikZmian() const
{
    if (m_uchwyt)
        return sqlite3_total_changes64(static_cast<sqlite3 *>(m_uchwyt)) - m_wstawioneWsadami;
    QSqlQuery q(polaczenie());
    if (!q.exec(QStringLiteral("SELECT total_changes()")) || !q.next())
        return -1;
    return q.value(0).toLongLong() - m_wstawioneWsadami;
}

qint64 Baza::zmianyOstatniegoZapisu() const
{
    return m_uchwyt ? sqlite3_changes64(static_cast<sqlite3 *>(m_uchwyt)) : -1;
}

QSqlDatabase Baza::polaczenie() const { return QSqlDatabase::database(m_nazwaPolaczenia, false); }

QString Baza::sciezka(Tabela t) const { return QDir(m_folder).filePath(opisTabeli(t).plik()); }

bool Baza::plikIstnieje(Tabela t) const
{
    const QFileInfo fi(sciezka(t));
    return fi.exists() && fi.isFile();
}

bool Baza::czyDolaczona(Tabela t) const
{
    const auto it = m_dolaczone.find(t);
    return it != m_dolaczone.end() && it->second;
}

bool Baza::dolacz(Tabela t, QString *blad, QString *przyczynaProblemu)
{
    const OpisTabeli &o = opisTabeli(t);
    porzucPrzygotowane();
    QSqlQuery q(polaczenie());
    q.prepare(QStringLiteral("ATTACH DATABASE :ParPlik AS ") + o.nazwa);
    q.bindValue(QStringLiteral(":ParPlik"), sciezka(t));
    if (!q.exec()) {
        const int kod = q.lastError().nativeErrorCode().toInt() & 0xFF;
        const QString przyczyna = przyczynaBleduBazy(kod, q.lastError().databaseText());
        if (przyczynaProblemu)
            *przyczynaProblemu = przyczyna;
        if (blad)
            *blad = kod == SQLITE_NOTADB || kod == SQLITE_CORRUPT
                        ? QStringLiteral("Plik %1 nie jest plikiem tabeli %2 (%3).").arg(o.plik(), o.nazwa, przyczyna)
                        : QStringLiteral("Nie można otworzyć pliku %1: %2.").arg(o.plik(), przyczyna);
        return false;
    }
    m_dolaczone[t] = true;
    // The file must hold the table of its name with every documented column; a file that
    // does not is reported as such and left unattached, so that nothing reads it as a table.
    auto odrzuc = [&](const QString &tekst, const QString &przyczyna) {
        odlacz(t, nullptr);
        if (blad)
            *blad = tekst;
        if (przyczynaProblemu)
            *przyczynaProblemu = przyczyna;
        return false;
    };
    auto nieTabela = [&](const QString &przyczyna) {
        return odrzuc(QStringLiteral("Plik %1 nie jest plikiem tabeli %2 (%3).").arg(o.plik(), o.nazwa, przyczyna),
                      przyczyna);
    };
    QSqlQuery kolumny(polaczenie());
    if (!kolumny.exec(QStringLiteral("PRAGMA %1.table_info(%1)").arg(o.nazwa))) {
        const QSqlError e = kolumny.lastError();
        kolumny.finish();
        const int kod = e.nativeErrorCode().toInt() & 0xFF;
        if (kod == SQLITE_BUSY || kod == SQLITE_LOCKED)
            return odrzuc(bladBazy(RodzajBleduBazy::Odczyt, t, e).tekst(), przyczynaBleduBazy(kod, e.databaseText()));
        return nieTabela(przyczynaBleduBazy(kod, e.databaseText()));
    }
    QStringList jest;
    while (kolumny.next())
        jest << kolumny.value(1).toString();
    kolumny.finish();
    if (jest.isEmpty())
        return nieTabela(QStringLiteral("plik nie zawiera tabeli %1").arg(o.nazwa));
    QStringList brak;
    for (const OpisKolumny &k : o.kolumny)
        if (!jest.contains(k.nazwa, Qt::CaseInsensitive))
            brak << k.nazwa;
    if (!brak.isEmpty())
        return nieTabela(QStringLiteral("w tabeli %1 brak %2 %3")
                             .arg(o.nazwa, brak.size() == 1 ? QStringLiteral("kolumny") : QStringLiteral("kolumn"),
                                  brak.join(QStringLiteral(", "))));
    // A rollback journal (not a write-ahead log) keeps transactions over several files atomic.
    QSqlQuery tryb(polaczenie());
    tryb.exec(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(o.nazwa));
    // Inference adds a trajectory row for every rule it examines, all in one transaction;
    // a page cache that holds the table and its indexes keeps those inserts from spilling
    // pages to the file and journal before the commit.
    if (t == Tabela::Trajektoria)
        tryb.exec(QStringLiteral("PRAGMA %1.cache_size=-65536").arg(o.nazwa));
    return true;
}

bool Baza::odlacz(Tabela t, QString *blad)
{
    if (!czyDolaczona(t))
        return true;
    // A kept statement on the file would keep it from being detached.
    porzucPrzygotowane();
    QSqlQuery q(polaczenie());
    if (!q.exec(QStringLiteral("DETACH DATABASE ") + opisTabeli(t).nazwa)) {
        if (blad)
            *blad = QStringLiteral("Nie można zamknąć pliku %1: %2")
                        .arg(opisTabeli(t).plik(), q.lastError().databaseText());
        return false;
    }
    m_dolaczone[t] = false;
    return true;
}

QStringList Baza::synchronizuj()
{
    QStringList problemy;
    if (!czyOtwarta())
        return problemy;
    for (Tabela t : WszystkieTabele) {
        const bool jest = plikIstnieje(t);
        QString blad;
        if (jest && !czyDolaczona(t)) {
            QString przyczyna;
            if (dolacz(t, &blad, &przyczyna)) {
                m_problemy.erase(t);
            } else {
                m_problemy[t] = {blad, przyczyna};
                problemy << blad;
            }
        } else if (!jest) {
            m_problemy.erase(t);
            if (czyDolaczona(t) && !odlacz(t, &blad))
                problemy << blad;
        }
    }
    return problemy;
}

std::optional<QString> Baza::problemPliku(Tabela t) const
{
    const auto it = m_problemy.find(t);
    if (it == m_problemy.end())
        return std::nullopt;
    return it->second.first;
}

std::optional<QString> Baza::przyczynaProblemuPliku(Tabela t) const
{
    const auto it = m_problemy.find(t);
    if (it == m_problemy.end() || it->second.second.isEmpty())
        return std::nullopt;
    return it->second.second;
}

int Baza::liczbaRekordow(Tabela t) const
{
    if (!czyDolaczona(t))
        return -1;
    QSqlQuery q(polaczenie());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM ") + opisTabeli(t).nazwa) || !q.next())
        return -1;
    return q.value(0).toInt();
}

void Baza::zajmij(Tabela t) { ++m_zajete[t]; }

void Baza::zwolnij(Tabela t)
{
    auto it = m_zajete.find(t);
    if (it != m_zajete.end() && it->second > 0)
        --it->second;
}

bool Baza::czyZajeta(Tabela t) const
{
    const auto it = m_zajete.find(t);
    return it != m_zajete.end() && it->second > 0;
}

bool Baza::zalozTabele(Tabela t, bool nadpisanie, QString *blad)
{
    const OpisTabeli &o = opisTabeli(t);
    auto porazka = [&](const QString &tekst) {
        if (blad)
            *blad = tekst;
        return false;
    };
    if (!czyOtwarta())
        return porazka(QStringLiteral("Baza danych nie jest otwarta."));
    const bool istnieje = plikIstnieje(t);
    if (istnieje && !nadpisanie)
        return porazka(o.ostrzezenie.join(u' '));
    if (czyZajeta(t))
        return porazka(QStringLiteral("Tabela %1 jest otwarta w oknie programu. Zamknij okno tabeli i powtórz "
                                      "opcję.\n\rOpcja nie zostanie zrealizowana.")
                           .arg(o.plik()));
    if (m_wTransakcji)
        return porazka(QStringLiteral("Trwa zapis do bazy danych. Opcja nie zostanie zrealizowana."));

    const QString docelowy = sciezka(t);
    const QString roboczy = QDir(m_folder).filePath(QStringLiteral(".") + o.plik() + QStringLiteral(".nowy"));
    QFile::remove(roboczy);
    QFile::remove(roboczy + QStringLiteral("-journal"));
    const QString schematRoboczy = QStringLiteral("tremida_nowa");
    {
        QSqlQuery q(polaczenie());
        q.prepare(QStringLiteral("ATTACH DATABASE :ParPlik AS ") + schematRoboczy);
        q.bindValue(QStringLiteral(":ParPlik"), roboczy);
        if (!q.exec())
            return porazka(QStringLiteral("Nie można utworzyć pliku %1 w folderze %2: %3.\n\rOpcja nie zostanie "
                                          "zrealizowana.")
                               .arg(o.plik(), QDir::toNativeSeparators(m_folder), q.lastError().databaseText()));
        QString bladTworzenia;
        q.exec(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(schematRoboczy));
        for (const QString &sql : sqlTworzeniaTabeli(schematTabeli(t, istnieje), schematRoboczy)) {
            if (!q.exec(sql)) {
                bladTworzenia = q.lastError().databaseText();
                break;
            }
        }
        q.finish();
        q.exec(QStringLiteral("DETACH DATABASE ") + schematRoboczy);
        if (!bladTworzenia.isEmpty()) {
            QFile::remove(roboczy);
            return porazka(QStringLiteral("Nie można utworzyć pliku %1 w folderze %2: %3.\n\rOpcja nie zostanie "
                                          "zrealizowana.")
                               .arg(o.plik(), QDir::toNativeSeparators(m_folder), bladTworzenia));
        }
    }
    QString bladOdlaczenia;
    if (!odlacz(t, &bladOdlaczenia)) {
        QFile::remove(roboczy);
        return porazka(bladOdlaczenia + QStringLiteral("\n\rOpcja nie zostanie zrealizowana."));
    }
    // The old file's journal belongs to the old file only; it must not be replayed into the new one.
    QFile::remove(docelowy + QStringLiteral("-journal"));
    if (std::rename(QFile::encodeName(roboczy).constData(), QFile::encodeName(docelowy).constData()) != 0) {
        const QString powod = qt_error_string(errno);
        QFile::remove(roboczy);
        QString nic;
        if (plikIstnieje(t))
            dolacz(t, &nic);
        return porazka(QStringLiteral("Nie można zapisać pliku %1 w folderze %2: %3.\n\rOpcja nie zostanie "
                                      "zrealizowana.")
                           .arg(o.plik(), QDir::toNativeSeparators(m_folder), powod));
    }
    QString bladDolaczenia;
    if (!dolacz(t, &bladDolaczenia))
        return porazka(bladDolaczenia);
    return true;
}

bool Baza::rozpocznijTransakcje()
{
    if (m_wTransakcji)
        return false;
    m_pamiecOdczytow.reset();
    zapomnijBlad();
    QSqlQuery q(polaczenie());
    if (!q.exec(QStringLiteral("BEGIN"))) {
        zglosBlad(bladBazy(RodzajBleduBazy::Rozpoczecie, std::nullopt, q.lastError()));
        return false;
    }
    m_wTransakcji = true;
    return true;
}

bool Baza::zatwierdzTransakcje()
{
    if (!m_wTransakcji || m_blad || !zapiszWsady())
        return false;
    m_pamiecOdczytow.reset();
    for (auto &[sql, q] : m_przygotowane)
        q.finish();
    QSqlQuery q(polaczenie());
    if (!q.exec(QStringLiteral("COMMIT"))) {
        zglosBlad(bladBazy(RodzajBleduBazy::Zatwierdzenie, std::nullopt, q.lastError()));
        return false;
    }
    m_wTransakcji = false;
    return true;
}

bool Baza::wycofajTransakcje()
{
    if (!m_wTransakcji)
        return false;
    m_pamiecOdczytow.reset();
    for (auto &[tabela, w] : m_wsady)
        w->porzuc();
    for (auto &[sql, q] : m_przygotowane)
        q.finish();
    QSqlQuery q(polaczenie());
    // A commit that failed on a full disk may already have ended the transaction; the
    // rollback then has nothing to do.
    const bool ok = q.exec(QStringLiteral("ROLLBACK")) || sqlite3_get_autocommit(static_cast<sqlite3 *>(m_uchwyt));
    m_wTransakcji = false;
    return ok;
}

void Baza::zglosBlad(const TBladBazy &b)
{
    if (!m_blad) {
        m_blad = b;
        m_bladPokazany = false;
    }
}

void Baza::zapomnijBlad()
{
    m_blad.reset();
    m_bladPokazany = false;
}

bool Baza::zapisWstrzymany() const
{
    // A work whose transaction could not begin makes no change either.
    return m_blad && (m_wTransakcji || m_blad->rodzaj == RodzajBleduBazy::Rozpoczecie);
}

bool Baza::zapisz(QSqlQuery &q, Tabela t)
{
    // The kept rows come first, as they were added before this change.
    if (zapisWstrzymany() || !zapiszWsady())
        return false;
    const bool ok = q.exec();
    if (!ok)
        zglosBlad(bladBazy(RodzajBleduBazy::Zapis, t, q.lastError()));
    q.finish();
    return ok;
}

bool Baza::zajmijDoZapisu(Tabela t)
{
    if (!czyDolaczona(t))
        return true;
    const OpisTabeli &o = opisTabeli(t);
    // A change of no row still takes the file's write lock for the transaction.
    QSqlQuery q(polaczenie());
    q.prepare(QStringLiteral("UPDATE %1 SET %2=%2 WHERE 0").arg(o.nazwa, o.kluczGlowny));
    return zapisz(q, t);
}

bool Baza::czytaj(QSqlQuery &q, Tabela t)
{
    if (!zapiszWsady(t))
        return false;
    if (q.exec())
        return true;
    zglosBlad(bladBazy(RodzajBleduBazy::Odczyt, t, q.lastError()));
    return false;
}

Transakcja::Transakcja(Baza &baza) : m_baza(baza)
{
    if (m_baza.czyWTransakcji()) {
        m_ok = true;
        return;
    }
    m_wlasna = m_baza.rozpocznijTransakcje();
    m_ok = m_wlasna;
}

Transakcja::~Transakcja() { wycofaj(); }

std::optional<TBladBazy> Transakcja::zakoncz()
{
    if (!m_ok)
        return m_baza.blad();
    if (m_wlasna && !m_zakonczona) {
        m_zakonczona = true;
        if (!m_baza.zatwierdzTransakcje())
            m_baza.wycofajTransakcje();
    }
    return m_baza.blad();
}

bool Transakcja::zajmij(std::initializer_list<Tabela> tabele)
{
    if (!m_ok)
        return false;
    if (!m_wlasna)
        return !m_baza.blad();
    // Always in the order of the tables, so that two programs never wait for each other.
    for (Tabela t : WszystkieTabele)
        if (std::find(tabele.begin(), tabele.end(), t) != tabele.end() && !m_baza.zajmijDoZapisu(t))
            return false;
    return true;
}

bool Transakcja::zatwierdz(QString *blad)
{
    const auto b = zakoncz();
    if (b && blad)
        *blad = b->tekst();
    return !b;
}

void Transakcja::wycofaj()
{
    if (m_wlasna && !m_zakonczona) {
        m_zakonczona = true;
        m_baza.wycofajTransakcje();
    }
}

QString bladZapytania(const QSqlQuery &q)
{
    const QSqlError e = q.lastError();
    return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

} // namespace tremida

#pragma once
// The one database connection of the program. Each table is a file of its own in the
// working folder; the connection attaches every table file that exists, under the table's
// name, so that queries name the tables plainly ("SELECT * FROM fakty") and one
// transaction can change several files atomically.

#include "BladBazy.h"
#include "Schemat.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QLockFile>
#include <QTemporaryDir>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>
#include <memory>
#include <optional>

namespace tremida {

class WstawianieWsadowe;

class Baza {
public:
    // How long a statement waits for a lock of another program before it fails.
    static constexpr int CzasOczekiwaniaMs = 3000;
    // The file of the connection's main database in the working folder.
    static inline const QString PlikGlowny = QStringLiteral(".tremida.db");

    Baza();
    ~Baza();
    Baza(const Baza &) = delete;
    Baza &operator=(const Baza &) = delete;

    // Opens the connection for the table files of `folder` and attaches those that exist. The
    // connection's main database is the file ".tremida.db" of the folder (in a read-only
    // folder, a file in a temporary folder); what killed runs left behind is removed first.
    // Fails (with a message in *blad) when the folder does not exist or the connection
    // cannot be opened; files that cannot be attached are reported by synchronizuj().
    bool otworz(const QString &folder, QString *blad = nullptr);
    void zamknij();
    bool czyOtwarta() const;

    QString folder() const { return m_folder; }
    QString sciezka(Tabela t) const;
    bool plikIstnieje(Tabela t) const;

    // Brings the attachments in line with the folder: attaches table files created by
    // another program, detaches those that disappeared. Returns the problems found (a file
    // that is not a table file of its name, a file that cannot be read), one text each.
    // A file with a problem is not attached.
    QStringList synchronizuj();
    bool czyDolaczona(Tabela t) const;
    // The problem of an existing table file that could not be attached at the last
    // synchronizuj() (a sentence without a tail), or none.
    std::optional<QString> problemPliku(Tabela t) const;
    // The reason of that problem alone ("plik nie jest plikiem bazy danych"), or none.
    std::optional<QString> przyczynaProblemuPliku(Tabela t) const;

    QSqlDatabase polaczenie() const;
    QSqlQuery zapytanie() const { return QSqlQuery(polaczenie()); }

    // A statement prepared once and kept for reuse with new bound values; kept until the
    // attachments change. The caller binds, executes and finishes it (finish() releases
    // the read lock a kept statement would otherwise hold).
    QSqlQuery &przygotowane(const QString &sql);

    // The batch writer of table `t` (see WstawianieWsadowe) whose rows give the values of
    // `kolumny` in this order; one per table, kept for the connection's life.
    WstawianieWsadowe &wstawianie(Tabela t, const QStringList &kolumny);
    // Writes the rows every batch writer keeps (with `t`: only those of table `t`). False,
    // with the failure recorded, when a row was refused.
    [[nodiscard]] bool zapiszWsady(std::optional<Tabela> t = std::nullopt);
    // How many rows a batch writer keeps before it writes them (1: each row when it is added).
    void ustawPojemnoscWsadow(int wiersze);

    // The SQLite connection behind the Qt driver, or none when the driver does not give it.
    void *uchwyt() const { return m_uchwyt; }

    // Number of rows changed through the connection since it was opened: a reader that
    // remembers records can tell from it whether anything has been written since. Rows
    // appended by the batch writers are not counted: nothing remembers them.
    qint64 licznikZmian() const;
    // Rows changed by the last statement that changed any (not by triggers it set off); -1
    // when the driver cannot tell.
    qint64 zmianyOstatniegoZapisu() const;
    // Rows a batch writer has just appended (left out of licznikZmian()).
    void policzWstawione(qint64 wiersze) { m_wstawioneWsadami += wiersze; }

    // Records remembered by a reader for the current transaction only. They are dropped
    // when a transaction begins or ends and when the attachments change, because another
    // program may change the files between transactions.
    struct PamiecOdczytow {
        virtual ~PamiecOdczytow() = default;
    };
    std::unique_ptr<PamiecOdczytow> &pamiecOdczytow() { return m_pamiecOdczytow; }

    // Number of records of a table, or -1 when it cannot be read.
    int liczbaRekordow(Tabela t) const;

    // A table is "in use" while a window shows it; it cannot be overwritten then.
    void zajmij(Tabela t);
    void zwolnij(Tabela t);
    bool czyZajeta(Tabela t) const;

    // Creates the table file, replacing an existing one (all its records are lost) when
    // `nadpisanie` is true. The new file is built beside the old one and moved over it only
    // when complete, so a failure leaves the old file unchanged. Returns false with a
    // message in *blad when the table is in use, the folder cannot be written, or the file
    // exists and `nadpisanie` is false.
    bool zalozTabele(Tabela t, bool nadpisanie, QString *blad = nullptr);

    // Transactions over every attached file; a commit is atomic across files. A failure to
    // begin or to commit is recorded (see blad()); a commit is refused while a failure of the
    // transaction is recorded. Use Transakcja rather than these.
    [[nodiscard]] bool rozpocznijTransakcje();
    [[nodiscard]] bool zatwierdzTransakcje();
    bool wycofajTransakcje();
    bool czyWTransakcji() const { return m_wTransakcji; }

    // The first failed read or write of the current work. While one is recorded inside a
    // transaction every later write is refused, so that nothing is built on a change that
    // was not made; the transaction can only be rolled back. It is forgotten when the next
    // transaction begins.
    const std::optional<TBladBazy> &blad() const { return m_blad; }
    void zglosBlad(const TBladBazy &b);
    void zapomnijBlad();
    // Whether the recorded failure has been shown to the user (it is shown once).
    bool czyBladPokazany() const { return m_bladPokazany; }
    void oznaczBladPokazany() { m_bladPokazany = true; }

    // Whether writes are refused now: a failure of the current work is recorded.
    bool zapisWstrzymany() const;

    // Runs a statement that changes table `t`, after the rows the batch writers keep. False,
    // with the failure recorded, when the engine refuses it or when writes are refused
    // (zapisWstrzymany()).
    [[nodiscard]] bool zapisz(QSqlQuery &q, Tabela t);
    // Takes the write lock of table `t` for the open transaction before any change is made,
    // so that a work that could not be saved is not done at all. Waits for another program
    // as a write would; false, with the failure recorded, when the lock cannot be had. A
    // table whose file is not attached needs no lock.
    [[nodiscard]] bool zajmijDoZapisu(Tabela t);

    // Runs a statement that reads table `t` (after the rows kept for it by its batch writer);
    // false, with the failure recorded, when it fails.
    [[nodiscard]] bool czytaj(QSqlQuery &q, Tabela t);

private:
    // Attaches the file of `t` when it holds the table of its name with every documented
    // column; otherwise *blad receives the problem's sentence and *przyczyna its reason.
    bool dolacz(Tabela t, QString *blad, QString *przyczyna = nullptr);
    bool odlacz(Tabela t, QString *blad);
    void porzucPrzygotowane();

    std::map<QString, QSqlQuery> m_przygotowane;
    std::map<Tabela, std::unique_ptr<WstawianieWsadowe>> m_wsady;
    int m_pojemnoscWsadow;
    qint64 m_wstawioneWsadami = 0;
    std::unique_ptr<PamiecOdczytow> m_pamiecOdczytow;
    void *m_uchwyt = nullptr; // the SQLite connection behind the Qt driver

    QString m_folder;
    QString m_nazwaPolaczenia;
    bool m_otwarta = false;
    std::unique_ptr<QTemporaryDir> m_katalogGlowny; // only when the working folder is read-only
    std::unique_ptr<QLockFile> m_blokadaGlownego;
    std::map<Tabela, bool> m_dolaczone;
    std::map<Tabela, std::pair<QString, QString>> m_problemy; // sentence, reason
    std::map<Tabela, int> m_zajete;
    bool m_wTransakcji = false;
    std::optional<TBladBazy> m_blad;
    bool m_bladPokazany = false;
};

// The one guard of a unit of work over the tables. It begins a transaction, or joins the one
// already open (a step of an inference run inside the command-line run's transaction), and
// rolls back an own transaction that was not ended.
class Transakcja {
public:
    explicit Transakcja(Baza &baza);
    ~Transakcja();
    Transakcja(const Transakcja &) = delete;
    Transakcja &operator=(const Transakcja &) = delete;

    // A transaction is open (own or joined); false when it could not begin (the failure is
    // recorded in the database).
    bool ok() const { return m_ok; }
    bool wlasna() const { return m_wlasna; }

    // Ends the work: an own transaction is committed when no failure is recorded, and
    // rolled back otherwise (or when the commit fails); a joined one is left to its owner.
    // Returns the failure of the work, if any.
    [[nodiscard]] std::optional<TBladBazy> zakoncz();
    // The same as a yes or no; on failure *blad receives the failure's message without a tail.
    [[nodiscard]] bool zatwierdz(QString *blad = nullptr);

    // Takes the write locks of the tables the work will change (see Baza::zajmijDoZapisu),
    // in one fixed order. A joined transaction has them already. False after a failure.
    [[nodiscard]] bool zajmij(std::initializer_list<Tabela> tabele);

    // Rolls an own transaction back now.
    void wycofaj();

private:
    Baza &m_baza;
    bool m_ok = false;
    bool m_wlasna = false;
    bool m_zakonczona = false;
};

// Text of the last error of a query, for messages.
QString bladZapytania(const QSqlQuery &q);

} // namespace tremida

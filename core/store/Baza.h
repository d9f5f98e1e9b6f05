#pragma once
// The one database connection of the program. Each table is a file of its own in the
// working folder; the connection attaches every table file that exists, under the table's
// name, so that queries name the tables plainly ("SELECT * FROM fakty") and one
// transaction can change several files atomically.

#include "Schemat.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace tremida {

class Baza {
public:
    Baza();
    ~Baza();
    Baza(const Baza &) = delete;
    Baza &operator=(const Baza &) = delete;

    // Opens the connection for the table files of `folder` and attaches those that exist.
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
    QStringList synchronizuj();
    bool czyDolaczona(Tabela t) const;

    QSqlDatabase polaczenie() const;
    QSqlQuery zapytanie() const { return QSqlQuery(polaczenie()); }

    // A statement prepared once and kept for reuse with new bound values; kept until the
    // attachments change. The caller binds, executes and finishes it (finish() releases
    // the read lock a kept statement would otherwise hold).
    QSqlQuery &przygotowane(const QString &sql);

    // Number of rows changed through the connection since it was opened: a reader that
    // remembers records can tell from it whether anything has been written since.
    qint64 licznikZmian() const;

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

    // Transactions over every attached file; a commit is atomic across files.
    bool rozpocznijTransakcje();
    bool zatwierdzTransakcje();
    bool wycofajTransakcje();
    bool czyWTransakcji() const { return m_wTransakcji; }

private:
    bool dolacz(Tabela t, QString *blad);
    bool odlacz(Tabela t, QString *blad);
    void porzucPrzygotowane();

    std::map<QString, QSqlQuery> m_przygotowane;
    std::unique_ptr<PamiecOdczytow> m_pamiecOdczytow;
    void *m_uchwyt = nullptr; // the SQLite connection behind the Qt driver

    QString m_folder;
    QString m_nazwaPolaczenia;
    std::unique_ptr<QTemporaryDir> m_katalogGlowny;
    std::map<Tabela, bool> m_dolaczone;
    std::map<Tabela, int> m_zajete;
    bool m_wTransakcji = false;
};

// A transaction that is rolled back unless committed.
class Transakcja {
public:
    explicit Transakcja(Baza &baza);
    ~Transakcja();
    bool ok() const { return m_ok; }
    bool zatwierdz();

private:
    Baza &m_baza;
    bool m_ok = false;
    bool m_zakonczona = false;
};

// Text of the last error of a query, for messages.
QString bladZapytania(const QSqlQuery &q);

} // namespace tremida

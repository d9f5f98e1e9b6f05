#pragma once
// A dataset over one table: the records of a parameterised SELECT, a current record, and
// the browse / edit / insert states of a data-entry window. The record being edited or
// inserted lives in a buffer until it is posted; posting writes it with a parameterised
// INSERT or UPDATE, and an engine error (key violation, empty required column) is shown in
// a message box while the record stays in its edit or insert state. The dataset is also the
// model of the window's grid.
//
// Tables may hold millions of records (a long run's trajectory): opening reads only the keys
// of the query's records, in its order, and the records themselves are read by pages of
// neighbours when they are shown, and forgotten again when many have been read. A post reads
// back the record it wrote, not the whole query; "Odśwież" reads everything again.

#include "store/Baza.h"
#include "store/Schemat.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

#include <unordered_map>
#include <vector>

class QSqlError;
class QSqlQuery;

namespace tremida::gui {

enum class StanZbioru {
    Zamkniety,   // no query open
    Przegladanie,
    Edycja,      // the current record is being edited
    Wstawianie,  // a new record is being inserted
};

class ZbiorDanych : public QAbstractTableModel {
    Q_OBJECT
public:
    ZbiorDanych(Baza &baza, Tabela tabela, QObject *rodzic = nullptr);

    Tabela tabela() const { return m_tabela; }
    const OpisTabeli &opis() const;
    Baza &baza() const { return m_baza; }

    // Sets the SELECT text (tables named plainly, integer parameters ":Par...") used by the
    // next otworz(). The text is kept until set again.
    void ustawZapytanie(const QString &sql, const QVariantMap &parametry = {});
    QString zapytanie() const { return m_sql; }
    QVariantMap parametry() const { return m_parametry; }

    // Runs the query and makes the first record current. An engine error is shown in a
    // message box; the dataset is then closed and false returned.
    bool otworz();
    // Closes the dataset, discarding a record being edited or inserted.
    void zamknij();
    // Runs the query again and keeps the current record (by key) when it is still there.
    bool odswiez();
    bool czyOtwarty() const { return m_stan != StanZbioru::Zamkniety; }

    StanZbioru stan() const { return m_stan; }
    bool czyEdycjaLubWstawianie() const { return m_stan == StanZbioru::Edycja || m_stan == StanZbioru::Wstawianie; }
    // Number of records shown (a record being inserted included).
    int liczbaRekordow() const { return static_cast<int>(m_klucze.size()); }
    bool pusty() const { return m_klucze.isEmpty(); }
    // Index of the current record, -1 when there is none.
    int biezacy() const { return m_biezacy; }
    bool naPoczatku() const { return m_biezacy <= 0; }
    bool naKoncu() const { return m_biezacy < 0 || m_biezacy >= liczbaRekordow() - 1; }

    // Value of a column of the current record (the edit buffer while editing or inserting);
    // a null QVariant when there is no current record or the column is empty.
    QVariant wartosc(const QString &kolumna) const;
    // The value as shown in the window: integers in decimal, reals with a decimal comma,
    // texts as they are; empty for no value.
    QString tekst(const QString &kolumna) const;
    // Value of a column of any record shown.
    QVariant wartoscWiersza(int wiersz, const QString &kolumna) const;

    // Sets a column of the current record. In browse state the record is first put into
    // edit (as typing into a bound field does). False when there is no current record.
    bool ustawWartosc(const QString &kolumna, const QVariant &wartosc);
    // Sets a column from typed text, converted by the column's type (empty text = no
    // value; reals comma-aware). A text that does not convert shows a message and leaves
    // the column unchanged; false then.
    bool ustawTekst(const QString &kolumna, const QString &tekst);

    // Navigation. A record being edited or inserted is posted first; when that post fails
    // the position does not change and false is returned.
    bool pierwszy();
    bool poprzedni();
    bool nastepny();
    bool ostatni();
    bool przejdzDo(int wiersz);
    // Moves to the first record whose column equals the value; false when none.
    bool znajdz(const QString &kolumna, const QVariant &wartosc);
    // Index of the first record whose column equals the value, -1 when none.
    int wierszZ(const QString &kolumna, const QVariant &wartosc) const;

    // Editing.
    bool edytuj();
    // Starts a new empty record at the current position.
    bool wstaw();
    // Writes the edited or inserted record. Bound controls hand over what was typed first.
    bool zatwierdz();
    // Key of the record last posted by zatwierdz().
    QVariant kluczZapisanego() const { return m_kluczZapisanego; }
    void anuluj();
    // Deletes the current record (no confirmation here).
    bool usun();

    // Column captions of the grid, in column order; missing ones show the column name.
    void ustawNaglowki(const QStringList &naglowki);

    // QAbstractTableModel
    int rowCount(const QModelIndex &rodzic = {}) const override;
    int columnCount(const QModelIndex &rodzic = {}) const override;
    QVariant data(const QModelIndex &indeks, int rola = Qt::DisplayRole) const override;
    QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola = Qt::DisplayRole) const override;

signals:
    // The current record changed: another record, a new query, or none.
    void przewiniety();
    void stanZmieniony();
    // A column of the current record changed in the edit buffer.
    void wartoscZmieniona(const QString &kolumna);
    // Asked before a post: each bound control stores what was typed, and sets *ok to false
    // (its message shown) when the text does not convert.
    void przedZatwierdzeniem(bool *ok);

private:
    int indeks(const QString &kolumna) const;
    bool wczytaj(const QVariant &kluczDoZachowania, int wierszZapasowy);
    bool zapiszBufor();
    void ustawBiezacy(int wiersz);
    void ustawStan(StanZbioru s);
    QString tekstWartosci(int kolumna, const QVariant &v) const;
    // The values of record `wiersz` as read (not the edit buffer), read with its page when not
    // in memory; none for the record being inserted or a record the table no longer has.
    const QVariantList *wiersz(int wiersz) const;
    // Reads the records of the given keys from the query into memory. False when the read failed.
    bool czytajRekordy(const QVariantList &klucze) const;
    // Prepares a query over the dataset's query with a condition on the key added.
    bool przygotuj(QSqlQuery &q, const QString &warunek) const;
    // After a post or a deletion: the record of key `stary` (none when inserted) now has key
    // `nowy` (none when deleted); it is read back, and leaves the list, enters it or moves in
    // it as the query now has it. Returns its row, -1 when the query no longer has it.
    int poZapisie(int wiersz, const QVariant &stary, const QVariant &nowy);
    QVariantList pustyRekord() const;

    Baza &m_baza;
    Tabela m_tabela;
    QString m_sql;
    QVariantMap m_parametry;
    // The keys of the records shown, in the query's order; the record being inserted has a
    // null key. Whether they ascend (then a record's place is found from its key).
    QVariantList m_klucze;
    bool m_kluczeRosnace = true;
    // Records read, by key, and the positions of the table's columns in the query's result.
    struct HashKlucza {
        size_t operator()(const QVariant &k) const;
    };
    mutable std::unordered_map<QVariant, QVariantList, HashKlucza> m_rekordy;
    mutable std::vector<int> m_pozycje;
    QVariantList m_bufor;
    QVariant m_kluczEdytowanego;
    QVariant m_kluczZapisanego;
    int m_biezacy = -1;
    StanZbioru m_stan = StanZbioru::Zamkniety;
    QStringList m_naglowki;
};

// The text of a database engine error for a message box: key violations, empty required
// columns and wrong types in the user's words; any other failure of table `t` (locked by
// another program, disk full, not a database file ...) as the system tells failures of the
// table files, ending with `ogon`.
QString tekstBleduBazy(const QSqlError &e, Tabela t, RodzajBleduBazy rodzaj, const QString &ogon);

} // namespace tremida::gui

#pragma once
// Controls bound to a column of the current record of a dataset: an edit field, a memo, a
// radio group, and the grid of the records. What the user types goes into the dataset's
// edit buffer (the record is put into edit as soon as typing begins) and is checked when
// the field is left or the record posted.

#include "ZbiorDanych.h"

#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <QTableView>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

// A group of radio buttons with fixed item words, laid out in `kolumny` columns. Its value
// is the word of the checked item; a word not among the items leaves none checked. A
// read-only group restores its value when clicked.
class GrupaRadiowa : public QGroupBox {
    Q_OBJECT
public:
    GrupaRadiowa(const QString &tytul, const QStringList &pozycje, int kolumny = 1, QWidget *rodzic = nullptr);

    QString wybor() const;
    int indeksWyboru() const;
    // Checks the item with this word, or none.
    void ustawWybor(const QString &slowo);
    void ustawTylkoDoOdczytu(bool tak) { m_tylkoDoOdczytu = tak; }
    bool tylkoDoOdczytu() const { return m_tylkoDoOdczytu; }
    QStringList pozycje() const { return m_pozycje; }
    QRadioButton *przycisk(int i) const;
    // Clicks the item with this word as the user would.
    void kliknij(const QString &slowo);

signals:
    // The user checked an item.
    void wybrano(const QString &slowo);

private:
    QStringList m_pozycje;
    QButtonGroup *m_grupa;
    QString m_wartosc;
    bool m_tylkoDoOdczytu = false;
};

// Checks the button `id` of the exclusive group `grupa`, or with no such button none of them.
void zaznaczJeden(QButtonGroup *grupa, int id);

// Binds an edit field to a column: it shows the column of the current record and writes
// what is typed. A read-only field only shows. A text column limits the length typed.
void powiaz(QLineEdit *pole, ZbiorDanych *zbior, const QString &kolumna, bool tylkoDoOdczytu = false);
// Binds a memo to a column.
void powiaz(QPlainTextEdit *memo, ZbiorDanych *zbior, const QString &kolumna, bool tylkoDoOdczytu = false);
// Binds a radio group to a text column holding one of its item words.
void powiaz(GrupaRadiowa *grupa, ZbiorDanych *zbior, const QString &kolumna);

// The read-only grid of a dataset's records; its selected row follows the current record
// and clicking a row makes it current.
class Siatka : public QTableView {
    Q_OBJECT
public:
    explicit Siatka(ZbiorDanych *zbior, QWidget *rodzic = nullptr);
    ZbiorDanych *zbior() const { return m_zbior; }
    // A column of the dataset the grid does not show.
    void ukryjKolumne(const QString &nazwa);

signals:
    // A cell or a column title was clicked.
    void klikniecie();

private:
    void pokazBiezacy();
    void dopasujKolumny();
    ZbiorDanych *m_zbior;
    QStringList m_ukryte;
};

// Asks the user to confirm (the Yes/No box of the application's dialogs, so a test's dialogs
// answer instead); true for Yes.
bool potwierdz(const QString &pytanie, QWidget *rodzic = nullptr);

} // namespace tremida::gui

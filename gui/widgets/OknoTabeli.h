#pragma once
// The frame shared by the table windows: a top-level window created once and afterwards
// only shown and hidden, an OK button that warns before unposted changes are lost, a "Pomoc"
// button opening the window's manual page, and the small functions every table window uses
// (the record date field, the free key, the search by code).

#include "ZbiorDanych.h"
#include "app/KontekstAplikacji.h"

#include <QList>
#include <QVariant>
#include <QWidget>

#include <optional>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class GrupaRadiowa;

class TFormOstrzWyj;

class OknoTabeli : public QWidget {
    Q_OBJECT
public:
    // A table window named `nazwa` (for finding it) and titled `tytul`, with OK and Help
    // (the manual page `stronaPomocy`).
    OknoTabeli(KontekstAplikacji &k, const QString &nazwa, const QString &tytul, const QString &stronaPomocy,
               QWidget *rodzic = nullptr);

    QPushButton *przyciskOk() const { return m_ok; }
    QPushButton *przyciskPomoc() const { return m_pomoc; }
    TFormOstrzWyj *ostrzezenieWyjscia() const { return m_ostrzWyj; }

    // OK: while a guarded dataset holds an unposted record the warning is shown first;
    // leaving closes the datasets (discarding the change) and hides the window. True when
    // the window was left.
    bool wyjdz();

    // A dataset of the knowledge bases in key order, as every table window reads them.
    static ZbiorDanych *zbiorSystemow(Baza &baza, QObject *rodzic);
    static QLabel *etykieta(const QString &tekst, QWidget *rodzic);
    // An edit field named `nazwa` (for finding it), at most `szerokosc` pixels wide when given.
    static QLineEdit *pole(QWidget *rodzic, const QString &nazwa, int szerokosc = 0, bool tylkoDoOdczytu = false);
    // An edit field bound to the column `kolumna` of `zbior` and named after it, at most
    // `szerokosc` pixels wide when given.
    static QLineEdit *polePowiazane(QWidget *rodzic, ZbiorDanych *zbior, const QString &kolumna, int szerokosc = 0);
    // A multi-line text bound to the column `kolumna` of `zbior` and named after it.
    static QPlainTextEdit *memoPowiazane(QWidget *rodzic, ZbiorDanych *zbior, const QString &kolumna);
    // One captioned field of a record: the members that receive its caption and its field, the
    // caption's text, the column the field is bound to and the field's greatest width (0: any).
    template <class Pole>
    struct PolePodpisane {
        QLabel *&podpis;
        Pole *&pole;
        QString tekst;
        QString kolumna;
        int szerokosc = 0;
    };
    // Makes the captioned fields in the order given (each caption just before its field), the
    // fields bound to their columns of `zbior` as polePowiazane and memoPowiazane make them.
    static void polaPodpisane(QWidget *rodzic, ZbiorDanych *zbior, std::initializer_list<PolePodpisane<QLineEdit>> pola);
    static void polaPodpisane(QWidget *rodzic, ZbiorDanych *zbior,
                              std::initializer_list<PolePodpisane<QPlainTextEdit>> pola);
    // A choice group (caption `tytul`, items `pozycje` in `kolumny` columns) bound to the column
    // `kolumna` of `zbior` and named after it.
    static GrupaRadiowa *grupaPowiazana(const QString &tytul, const QStringList &pozycje, int kolumny, QWidget *rodzic,
                                        ZbiorDanych *zbior, const QString &kolumna);

    // The choice of the records a table window shows, named "widok": the caption `tytul`, one
    // item per view side by side, `wybrany` checked.
    static GrupaRadiowa *grupaWidoku(const QString &tytul, const QStringList &widoki, const QString &wybrany,
                                     QWidget *okno);
    // While `zbior` holds a record being inserted or edited, `widgety` are disabled: what the
    // record belongs to cannot change under it. The connection lives as long as `odbiorca`.
    static void blokujPodczasZmiany(ZbiorDanych *zbior, const QList<QWidget *> &widgety, QObject *odbiorca);

protected:
    // Datasets whose unposted record the OK button guards.
    void ustawZbioryStrzezone(const QList<ZbiorDanych *> &zbiory) { m_strzezone = zbiory; }
    // Colours the window now with `zmiaKol` and again whenever the colours change.
    template <class Okno>
    void kolorujZawsze(void (Okno::*zmiaKol)(const TParKonfig &))
    {
        auto *okno = static_cast<Okno *>(this);
        (okno->*zmiaKol)(m_k.konfig);
        connect(&m_k, &KontekstAplikacji::koloryZmienione, okno,
                [this, okno, zmiaKol] { (okno->*zmiaKol)(m_k.konfig); });
    }
    // Closes the window's datasets.
    virtual void zamknijZbiory() = 0;
    void closeEvent(QCloseEvent *e) override;

    // Writes the decoded stamp of the dataset's current record into the date field.
    static void pokazDate(QLineEdit *pole, const ZbiorDanych *zbior);
    // The smallest free key of a table into the field; a message when the table cannot be read.
    void szukajWolnegoKodu(Tabela t, QLineEdit *pole);
    // Makes current the first record of the dataset whose key column equals the code typed.
    // Empty text: `brak`; not an integer: `zlaPostac`; no such record: `nieZnaleziono`.
    static bool szukajKodu(ZbiorDanych *zbior, const QString &kolumna, const QString &tekst, const QString &brak,
                           const QString &zlaPostac, const QString &nieZnaleziono);
    // Shows `przyczyna` followed by "\n\rOpcja nie zostanie zrealizowana.": an option that
    // cannot be carried out.
    void odmowOpcji(const QString &przyczyna);
    // The whole number typed in `pole`; when it is missing or not one, odmowOpcji(`przyczyna`)
    // and nothing.
    std::optional<int> kodDlaOpcji(const QLineEdit *pole, const QString &przyczyna);
    // A copied text column: a null text stays null (SQL NULL), any other is the value.
    static QVariant tekstKopii(const QString &s) { return s.isNull() ? QVariant() : QVariant(s); }

    // The first three rows of a search column in `u`: free-code search with its label and
    // field, the searched-code label and field, and the record search button.
    static void wierszeWyszukiwania(QGridLayout *u, QPushButton *wolny, QLabel *lWolnyKod, QLineEdit *wolnyKod,
                                    QLabel *lSzukany, QLineEdit *szukany, QPushButton *szukaj);
    // The search column of a table window: the free-key button, caption and field in the first
    // row, the caption and field of the code sought in the second, the search button in the
    // third, then space, and "Pomoc" and OK at the foot.
    QGridLayout *ukladWyszukiwania(QPushButton *wolny, QLabel *lWolnyKod, QLineEdit *wolnyKod, QLabel *lSzukany,
                                   QLineEdit *szukany, QPushButton *szukaj);

    KontekstAplikacji &m_k;

private:
    QPushButton *m_ok;
    QPushButton *m_pomoc;
    TFormOstrzWyj *m_ostrzWyj;
    QList<ZbiorDanych *> m_strzezone;
};

} // namespace tremida::gui

#pragma once
// The set-up shared by the tests of one table window: for every test a fresh workstation over
// a knowledge-base fixture, the window opened from the main menu, and the messages of the
// set-up dropped so that a test sees only its own. The window is `Okno`, reached from the main
// window by `DajOkno`; its controls are found by their object names.

#include "Pisanie.h"
#include "StanowiskoGui.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QStringList>
#include <QTest>
#include <QVariant>
#include <memory>

namespace tremida::test {

template <class Okno, Okno *(gui::TFormGlowne::*DajOkno)() const>
class TestOkna : protected TestStanowiska {
protected:
    // What `otworzOkno` checks besides the window being shown.
    enum Opcja {
        Potwierdzaj = 1,    // every question is answered yes
        BezKomunikatow = 2, // the window opens without a message
    };

    // A workstation over the fixture `dane` (every question answered yes with `potwierdzaj`),
    // then the menu command `akcja`; the messages shown until then are cleared.
    void otworzStanowisko(const char *dane, gui::Akcja akcja, bool potwierdzaj = false)
    {
        zalozStanowisko(dane, potwierdzaj);
        m_komunikaty.clear();
        glowne().akcja(akcja)->trigger();
    }
    // As `otworzStanowisko`, then checks that the window is shown (and the `opcje`); a failed
    // check fails the test.
    void otworzOkno(const char *dane, gui::Akcja akcja, int opcje = 0)
    {
        otworzStanowisko(dane, akcja, opcje & Potwierdzaj);
        QVERIFY(okno()->isVisible());
        if (opcje & BezKomunikatow)
            QVERIFY(m_komunikaty.isEmpty());
    }
    Okno *okno() { return (glowne().*DajOkno)(); }

    // The window's control named `nazwa`; a name the window lacks stops the test program (the
    // test itself is wrong).
    template <typename T = QLineEdit>
    T *kontrolka(const QString &nazwa)
    {
        T *k = okno()->template findChild<T *>(nazwa);
        if (!k)
            qFatal("no control %s", qPrintable(nazwa));
        return k;
    }
    QPushButton *przycisk(const QString &nazwa) { return kontrolka<QPushButton>(nazwa); }
    void kliknij(const QString &nazwa) { przycisk(nazwa)->click(); }
    bool widoczny(const QString &nazwa) { return kontrolka<QWidget>(nazwa)->isVisibleTo(okno()); }
    // Fails the test, naming the control, unless every control of `widoczne` is shown and none
    // of `ukryte`.
    void sprawdzWidocznosc(const QStringList &widoczne, const QStringList &ukryte)
    {
        for (const QString &n : widoczne)
            QVERIFY2(widoczny(n), qPrintable(n));
        for (const QString &n : ukryte)
            QVERIFY2(!widoczny(n), qPrintable(n));
    }

    // Types `kod` into the window's search row and presses its search button.
    void wyszukaj(const QString &kod)
    {
        wpisz(kontrolka("szukanyKod"), kod);
        kliknij("wyszukajRekord");
    }
    // One row of a search test with the columns `kod` and `komunikat`: the code searched for,
    // the messages shown must then be `komunikat` alone, none when it is empty (a record
    // found). False, the test failed, when they are not.
    [[nodiscard]] bool wyszukajWgWiersza()
    {
        QFETCH(QString, kod);
        QFETCH(QString, komunikat);
        wyszukaj(kod);
        const QStringList oczekiwane = komunikat.isEmpty() ? QStringList{} : QStringList{komunikat};
        return QTest::qCompare(m_komunikaty, oczekiwane, "m_komunikaty", "komunikat", __FILE__, __LINE__);
    }

    // The stored value of `kolumna` in the row of `tabela` whose `klucz` is `id`; invalid when
    // there is no such row.
    QVariant zapisana(const QString &tabela, const QString &klucz, int id, const QString &kolumna)
    {
        QSqlQuery q = baza().zapytanie();
        q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3=:ParId").arg(kolumna, tabela, klucz));
        q.bindValue(QStringLiteral(":ParId"), id);
        return q.exec() && q.next() ? q.value(0) : QVariant();
    }
};

} // namespace tremida::test

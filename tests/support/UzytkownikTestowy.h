#pragma once
// The recording user of the engine tests: records messages, questions, conclusions shown and
// the falsification form offered, and answers input facts from a script.

#include "inference/UzytkownikWnios.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace tremida {
class Baza;
struct TParKonfig;
} // namespace tremida

namespace tremida::test {

struct Odp {
    QString wart;
    QString cf;
};

// Each event is one text: a message as shown, "pytanie <IdFakt>" for the input dialog,
// "konkluzja <IdReg> cf=.. zagreg=.. <kind> obrazy=.. filmy=.." for a display, and
// "falsyfikacja <candidate>|<candidate>..." for the falsification form. With
// `zapisujFazy` the notices of mixed inference are recorded too ("faza <n>").
class UzytkownikTestowy : public TUzytkownikWnios {
public:
    UzytkownikTestowy(Baza &b, const TParKonfig &k) : baza(b), konfig(k) {}
    Baza &baza;
    const TParKonfig &konfig;
    QStringList zdarzenia;
    QMap<int, QList<Odp>> odpowiedzi; // no answer: the dialog is closed without value
    bool zapisujFazy = false;

    void komunikat(const QString &t) override { zdarzenia << t; }
    void czytajFakt(TKontekstCzytFakt &k) override;
    void pokazKonkluzje(const TWizKonkl &w) override;
    void pokazFalsyfikacje(const QString &hipGlowna, const QStringList &kandydaci) override;
    void uwagaFazyMieszanej(int faza) override;
};

} // namespace tremida::test

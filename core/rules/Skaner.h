#pragma once
// The scanner of rule texts: cuts a premise field into elementary premises
// ("[fact] operator [value]") and the text that stands between them, and reads a
// conclusion the same way. Every caller (rule checks, verification, consistency check,
// inference) uses it and builds its token text by putting its own token in place of each
// premise. The scanner never fails: any text gives a result.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tremida {

// One complete elementary premise, cleaned: the brackets that opened each part are gone,
// line feeds and carriage returns are removed from the fact name and the value, and line
// feeds, carriage returns and blanks from the operator.
struct TPrzesElem {
    QString nazFakt;
    QString oper;
    QString wart;
    int nr = 0;               // premise ordinal (counted from 1 at every odd "[")
    qsizetype poczatek = -1;  // index of the "[" that opened the fact name (-1 when none)
    qsizetype koniec = -1;    // index of the "]" that completed the premise
};

// A scanned premise field: miedzy[i] is the text before premise i (after the previous one),
// miedzy.last() the text after the last premise, all of it without blanks, line feeds and
// carriage returns; miedzy.size() == przes.size() + 1. Text of an unfinished premise at the
// end of the field belongs to neither.
struct TSkanPola {
    QList<TPrzesElem> przes;
    QStringList miedzy;

    // The token text: miedzy[0] + tokeny[0] + miedzy[1] + ... ; missing tokens count as empty.
    QString tekstTokenow(const QStringList &tokeny) const;
};

// Scans a premise field character by character (see TPrzesElem).
TSkanPola SkanujPolePrzes(const QString &pole);

// Scans a conclusion field with the same machine and returns its first complete premise
// (characters outside the brackets are ignored); no value when no premise completes.
std::optional<TPrzesElem> SkanujKonkl(const QString &pole);

// Raw counts of one bracket kind in a text (every character counts, names included).
qsizetype liczbaZnakow(const QString &tekst, QChar znak);

} // namespace tremida

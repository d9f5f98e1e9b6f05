#pragma once
// One node of an explanation: a line of text in the system's words, the trajectory step it
// stands for (if any), its data for programs and the nodes below it. The trees of fired
// rules, the answers to "why not" and the rule card are all built of these nodes; the
// terminal prints them indented, --json writes them as nested objects and the windows show
// them in a tree view.

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tremida {

struct TWezelWyj {
    // What the node is: "konkluzja", "regula", "krok", "przeslanka", "operator", "odwolanie",
    // "ocena", "komunikat", "uwaga", "sekcja", "pole", "fakt", "wartosc", "stala" ...
    QString rodzaj;
    // The line shown; a message of the system keeps its own "\n\r" line breaks.
    QString tekst;
    // IdKrokTraj of the trajectory step the node stands for.
    std::optional<int> krok;
    // The node's data besides its kind, text and step, by name (numbers as numbers).
    QJsonObject pola;
    QList<TWezelWyj> dzieci;

    TWezelWyj() = default;
    TWezelWyj(const QString &rodzaj, const QString &tekst) : rodzaj(rodzaj), tekst(tekst) {}

    // Appends a child and returns it, for filling it in place.
    TWezelWyj &dodaj(TWezelWyj w)
    {
        dzieci.append(std::move(w));
        return dzieci.last();
    }
    TWezelWyj &dodaj(const QString &rodzaj, const QString &tekst) { return dodaj(TWezelWyj(rodzaj, tekst)); }

    // {"rodzaj": ..., "tekst": ..., "krok": n (only when the node has a step), the fields of
    // `pola`..., "dzieci": [...] (always, possibly empty)}; texts keep their "\n\r".
    QJsonObject json() const;

    // The node and everything below it as lines, two blanks of indentation per level; the
    // lines of a message with line breaks are indented like the node's first line.
    QStringList linie(int poziom = 0) const;

    // The first node, depth first, whose step is `krok`; nullptr when there is none.
    const TWezelWyj *wezelKroku(int krok) const;
};

} // namespace tremida

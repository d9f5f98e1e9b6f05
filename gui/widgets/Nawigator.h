#pragma once
// The record navigator of a dataset: First, Prior, Next, Last, Insert, Delete, Edit, Post,
// Cancel, Refresh, or a subset of them. Each button does its action on the dataset and,
// when the action succeeded, reports it through poAkcji, where the window does its own
// work (the date stamp of a new record, the checks after a post, ...).

#include "ZbiorDanych.h"

#include <QWidget>
#include <map>
#include <vector>

class QToolButton;

namespace tremida::gui {

enum class PrzyciskNaw { Pierwszy, Poprzedni, Nastepny, Ostatni, Wstaw, Usun, Edytuj, Zatwierdz, Anuluj, Odswiez };

class Nawigator : public QWidget {
    Q_OBJECT
public:
    static std::vector<PrzyciskNaw> wszystkie();
    static std::vector<PrzyciskNaw> przemieszczanie(); // First, Prior, Next, Last

    Nawigator(ZbiorDanych *zbior, const std::vector<PrzyciskNaw> &przyciski, QWidget *rodzic = nullptr);

    // Shows only these buttons (the dataset stays the same).
    void ustawPrzyciski(const std::vector<PrzyciskNaw> &przyciski);
    // Presses a button as the user would; false when the action did not take place.
    bool kliknij(PrzyciskNaw p);
    QToolButton *przycisk(PrzyciskNaw p) const { return m_przyciski.at(p); }
    ZbiorDanych *zbior() const { return m_zbior; }

signals:
    // Before a button's action; the window may veto it by setting *dalej to false.
    void przedAkcja(tremida::gui::PrzyciskNaw p, bool *dalej);
    // After a button's action succeeded.
    void poAkcji(tremida::gui::PrzyciskNaw p);

private:
    void odswiezDostepnosc();

    ZbiorDanych *m_zbior;
    std::map<PrzyciskNaw, QToolButton *> m_przyciski;
};

} // namespace tremida::gui

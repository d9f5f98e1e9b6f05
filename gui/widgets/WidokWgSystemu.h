#pragma once
// The upper part of the windows of facts, constants and rules: the choice between all records
// of the table and the records of one knowledge base, and the knowledge-base panel shown with
// the second choice (the current code and name, a navigator that only moves, the systems
// grid). The records are read by "SELECT * FROM <table> [WHERE KodSyst=:ParIdSyst] ORDER BY
// <key>", and again whenever another knowledge base becomes current.

#include <QObject>
#include <QString>
#include <QVariant>

class QLabel;
class QLineEdit;
class QWidget;

namespace tremida::gui {

class GrupaRadiowa;
class Nawigator;
class OknoTabeli;
class Siatka;
class ZbiorDanych;

class WidokWgSystemu : public QObject {
public:
    // `rekordy` is the window's dataset of the table; `podpis` the caption of the view
    // choice, `wszystkich` and `systemu` its two items; the systems grid is at most
    // `wysokoscSiatki` pixels high.
    WidokWgSystemu(OknoTabeli *okno, ZbiorDanych *rekordy, const QString &podpis, const QString &wszystkich,
                   const QString &systemu, int wysokoscSiatki);

    ZbiorDanych *systemy() const { return m_syst; }
    GrupaRadiowa *grupa() const { return m_widok; }
    QWidget *panel() const { return m_panel; }
    Nawigator *nawigator() const { return m_nawigator; }
    Siatka *siatka() const { return m_siatka; }
    QLabel *etykietaKodu() const { return m_lKod; }
    QLabel *etykietaNazwy() const { return m_lNazwa; }
    QLineEdit *kod() const { return m_kod; }
    QLineEdit *nazwa() const { return m_nazwa; }

    bool wszystkie() const;
    // The code of the current knowledge base.
    QVariant idSyst() const;

    // Puts the other view in place: false, with the choice put back, when the record being
    // typed cannot be posted. The caller then reads the records (czytajRekordy).
    bool przelacz(bool wszystkie);
    // Reads the records of the chosen view; a record being typed is posted first, and
    // nothing is read when it cannot be.
    void czytajRekordy();
    // Opening the window: the captions of the systems grid, the view of one knowledge base,
    // the two tables taken in use, the systems read (which reads the records of the first).
    void otworz();
    // Closing the window: both datasets closed and the tables released.
    void zamknij();

private:
    ZbiorDanych *m_syst;
    ZbiorDanych *m_rekordy;
    GrupaRadiowa *m_widok;
    QString m_wszystkich, m_systemu;
    QWidget *m_panel;
    QLabel *m_lKod, *m_lNazwa;
    QLineEdit *m_kod, *m_nazwa;
    Siatka *m_siatka;
    Nawigator *m_nawigator;
};

} // namespace tremida::gui

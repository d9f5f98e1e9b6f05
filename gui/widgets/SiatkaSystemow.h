#pragma once
// The read-only grid of the systems table in the windows that choose a knowledge base (for
// inference, for printing): code, name and description in key order, whole rows selected,
// codes written as the system writes them.

#include <QObject>
#include <QString>

class QSqlQueryModel;
class QTableView;

namespace tremida {
class Baza;
}

namespace tremida::gui {

class SiatkaSystemow : public QObject {
    Q_OBJECT
public:
    explicit SiatkaSystemow(QObject *rodzic);

    // The grid widget, to be put in the window's layout.
    QTableView *widok() const { return m_widok; }

    // Reads the systems table again and puts the column captions and widths in place. A table
    // that cannot be read leaves the grid empty.
    void czytaj(Baza &baza);
    // Empties the grid.
    void wyczysc();

    int liczbaWierszy() const;
    // Makes row `wiersz` (0-based, brought into range) current and selected; nothing when the
    // grid is empty.
    void przesun(int wiersz);
    int biezacyWiersz() const;
    // The code and name of the current row: 0 and an empty text when there is none.
    int kodBiezacy() const;
    QString kodBiezacyTekst() const;
    QString nazwaBiezaca() const;

signals:
    void biezacyZmieniony();

private:
    QSqlQueryModel *m_model;
    QTableView *m_widok;
};

} // namespace tremida::gui

#pragma once
// The "OSTRZEŻENIE" window shown before a table file that exists is created again.

#include "store/Schemat.h"
#include "widgets/OknoOstrzezenia.h"

namespace tremida::gui {

class TFormOstrzTab : public OknoOstrzezenia {
    Q_OBJECT
public:
    // zapytaj() is true when the user chose "Kontynuuj realizację opcji".
    TFormOstrzTab(Tabela tabela, const TParKonfig &konfig, QWidget *rodzic = nullptr);

    void ZmiaKolFormOstrzTab(const TParKonfig &konfig) { zmienKolory(konfig); }

    QPushButton *przyciskKontynuuj() const { return m_lewy; }
    QPushButton *przyciskAnuluj() const { return m_prawy; }
    QString tekst() const;
};

} // namespace tremida::gui

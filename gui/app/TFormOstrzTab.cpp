#include "TFormOstrzTab.h"

#include <QLabel>

namespace tremida::gui {

TFormOstrzTab::TFormOstrzTab(Tabela tabela, const TParKonfig &konfig, QWidget *rodzic)
    : OknoOstrzezenia(QStringLiteral("TFormOstrzTab_") + opisTabeli(tabela).nazwa, QStringLiteral("OSTRZEŻENIE"),
                      opisTabeli(tabela).ostrzezenie.join(u'\n'), QStringLiteral("Kontynuuj realizację opcji"),
                      QStringLiteral("Anuluj realizację opcji"), Dalej::Lewy, konfig, rodzic)
{
    m_tekst->setObjectName(QStringLiteral("tekstOstrzezenia"));
}

QString TFormOstrzTab::tekst() const { return m_tekst->text(); }

} // namespace tremida::gui

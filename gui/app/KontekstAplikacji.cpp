#include "KontekstAplikacji.h"

namespace tremida::gui {

KontekstAplikacji::KontekstAplikacji(const QString &f, QObject *rodzic) : QObject(rodzic), folder(f) {}

} // namespace tremida::gui

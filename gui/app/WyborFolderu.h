#pragma once
// The choice of the working folder when the program is started from the desktop's
// applications menu (there the current folder is the home folder): a Polish folder dialog
// opened at the folder chosen last time.

#include <QString>
#include <optional>

class QSettings;
class QWidget;

namespace tremida::gui {

// The command-line option that asks for the working folder at start ("--wybierz-folder").
inline constexpr const char *OpcjaWyborFolderu = "--wybierz-folder";

// The key of the last chosen folder in the user's settings.
inline constexpr const char *KluczFolderuRoboczego = "folderRoboczy";

// Asks for the working folder in a folder dialog opened at the folder remembered in
// `ustawienia` (or the current folder when none is remembered or it no longer exists). The
// chosen folder becomes the current folder of the process and is remembered; a folder that
// cannot be entered gives a message and the dialog again. Returns the absolute path of the
// new current folder, or nothing when the user cancels (the current folder and the settings
// are then unchanged).
std::optional<QString> wybierzFolderRoboczy(QSettings &ustawienia, QWidget *rodzic = nullptr);

} // namespace tremida::gui

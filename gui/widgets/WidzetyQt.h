#pragma once
// The Qt classes (widgets, layouts, players) the window headers name only by pointer,
// declared in one place so that those headers need not include them.

class QAudioOutput;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QMediaPlayer;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QTreeView;
class QVideoWidget;

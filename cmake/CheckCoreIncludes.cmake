# Fails when a core source includes a Qt Widgets header. Called with LIST_FILE (one source per
# line) and STAMP.
file(STRINGS "${LIST_FILE}" FILES)
set(widget_headers
  "QtWidgets/" "<QtWidgets>" "<QWidget>" "<QDialog>" "<QPushButton>" "<QMessageBox>"
  "<QApplication>" "<QMainWindow>" "<QLabel>" "<QLineEdit>" "<QLayout>" "<QVBoxLayout>"
  "<QHBoxLayout>" "<QGridLayout>" "<QTableWidget>" "<QListWidget>" "<QComboBox>" "<QFrame>"
  "<QAbstractButton>" "<QToolButton>" "<QTabWidget>" "<QStackedWidget>" "<QScrollArea>"
  "<QSplashScreen>" "<QProgressBar>" "<QInputDialog>" "<QTextEdit>" "<QPlainTextEdit>"
  "<QCheckBox>" "<QSpinBox>" "<QTableView>" "<QHeaderView>" "<QStyle>")
set(offenders "")
foreach(f IN LISTS FILES)
  file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    foreach(h IN LISTS widget_headers)
      string(FIND "${line}" "${h}" pos)
      if(NOT pos EQUAL -1)
        list(APPEND offenders "${f}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " text)
  message(FATAL_ERROR "Core sources must not include Widgets headers:\n  ${text}")
endif()
file(TOUCH "${STAMP}")

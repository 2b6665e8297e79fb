#pragma once

// Batch runs, without a window: property scripts, and copies of projects
// (files and server projects, either way):
//
//   kelvra PROJECT --script OBJECT FILE [--save OUT]
//   kelvra PROJECT --save OUT

#include <QString>

class QTextStream;

namespace kelvra::app {

// Runs the script in FILE on the object of that name in the project file,
// as the property operator does. Writes what the script printed to out,
// then one line per created or replaced property: its name, element type
// and vertex count, separated by tabs. Saves the whole project to save_to
// when that is not empty. Returns 0, or 1 after writing why the run was
// refused (an unreadable file, an unknown object, a script that failed or
// left values that cannot become properties) to err; nothing is saved
// then. The file is read as Python reads a source file (UTF-8 unless a
// coding line says otherwise). SIGINT and SIGTERM cancel the run: the
// script is interrupted or the save stops and removes its temporary file;
// returns 128 + the signal's number then, after saying so on err.
int run_script_file(const QString &project, const QString &object, const QString &file, const QString &save_to,
                    QTextStream &out, QTextStream &err);

// Reads the project `from` and saves it as `to` (see copy_project). Returns
// 0, or 1 after writing why it was refused to err; SIGINT and SIGTERM stop
// it with nothing saved (status 128 plus the signal's number).
int run_project_copy(const QString &from, const QString &to, QTextStream &err);

} // namespace kelvra::app

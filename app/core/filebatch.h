#pragma once

// Imports and exports without a window:
//
//   kelvra [PROJECT] --import FILE [--as NAME] [--format NAME] [--null VALUE]...
//                                  [--columns X,Y,Z] [--geometry Point|Line]
//                    ... --export OBJECT FILE [--format NAME] [--null VALUE]
//                    ... [--save OUT]
//
// Each --import and --export takes the options that follow it, up to the
// next --import, --export or --save. Without PROJECT the imports go into an
// empty project. Every import is done first, then every export, then the
// save.

#include <QStringList>

class QTextStream;

namespace kelvra::app {

// Runs the command line (arguments without the program's name). Writes one
// line per imported object (name, geometry type, vertex count, separated
// by tabs) and per exported file to out. Returns 0; 1 after writing why a
// file or request was refused to err (nothing is saved then); 2 after
// writing what is wrong with the command line and how it goes; 128 plus
// the signal's number when SIGINT or SIGTERM stopped it (nothing saved).
int run_file_batch(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace kelvra::app

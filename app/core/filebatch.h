#pragma once

// Imports and exports without a window:
//
//   kelvra [PROJECT] --import FILE [--as NAME] [--format NAME] [--null VALUE]...
//                                  [--columns X,Y,Z] [--geometry Point|Line]
//                                  [--wellhead X,Y[,DATUM]] [--path FILE] [--tops FILE]
//                                  [--cube] [--inlines FIRST:LAST[:STEP]]
//                                  [--crosslines FIRST:LAST[:STEP]] [--samples FIRST:LAST[:STEP]]
//                                  [--header-bytes INLINE,CROSSLINE]
//                    ... --export OBJECT FILE [--format NAME] [--null VALUE]
//                    ... [--save OUT]
//
// Each --import and --export takes the options that follow it, up to the
// next --import, --export or --save. Without PROJECT the imports go into an
// empty project. Every import is done first, then every export, then the
// save.

#include <QStringList>

#include <vector>

class QTextStream;

namespace kelvra::app {

// An option of --import or --export, for --help: its name without the
// dashes, the name of its value (empty for a flag) and what it does
// (untranslated; QT_TRID_NOOP marks the texts to translate).
struct BatchOption
{
    const char *name;
    const char *value;
    const char *description;
};
// The options that follow --import or --export. A command line that holds
// one of them (or --import or --export) goes to run_file_batch.
const std::vector<BatchOption> &batch_options();

// Runs the command line (arguments without the program's name). Writes one
// line per imported object (name, geometry type, vertex count, separated
// by tabs) and per exported file to out. Returns 0; 1 after writing why a
// file or request was refused to err (nothing is saved then); 2 after
// writing what is wrong with the command line and how it goes; 128 plus
// the signal's number when SIGINT or SIGTERM stopped it (nothing saved).
int run_file_batch(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace kelvra::app

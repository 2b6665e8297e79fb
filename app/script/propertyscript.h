#pragma once

// A property script: a few lines of Python that compute properties of one
// object. Each property is bound to its name as a read-only numpy array
// over the property's own memory, and every property is in the dict
// `props` by name (the only way to reach names that are not Python
// variable names). After the run, every top-level name and every entry of
// props that the script bound to a number or to a numeric numpy array of
// one value per vertex becomes a property: a new one, after the existing
// ones in the order the script first assigned them, or a replacement.
// Names starting with "_", modules, functions and classes are the script's
// own and ignored. The arrays are taken over as they are, without a copy.

#include "app/core/progress.h"

#include "host/propertymap.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <utility>
#include <vector>

namespace kelvra::app {

// The script raised, or left a value that cannot become a property; the
// message says which, with the last traceback lines of an error.
class ScriptError : public std::runtime_error
{
public:
    explicit ScriptError(const QString &what) : std::runtime_error(what.toStdString()) {}
};

// The message for a script on object that changed nothing, and why.
QString refusal_message(const QString &object, const QString &why);

// The bytes of a script file, which Python reads as it reads any source
// file: UTF-8 unless a coding line ("# -*- coding: latin-1 -*-") names
// another encoding; bytes that are not valid text refuse the script with
// their line.
struct ScriptFileBytes
{
    QByteArray bytes;
};

class PropertyScript
{
public:
    // source runs on the properties of object (named in messages); X, the
    // first coordinate, gives the vertex count.
    PropertyScript(QString object, QString source, PropertyMap properties);
    PropertyScript(QString object, ScriptFileBytes source, PropertyMap properties);

    // Runs the script on the calling thread, which should not be the GUI
    // thread: a script may run for long. The first run in the program
    // starts the Python interpreter. One script runs at a time; a second
    // caller waits. Throws ScriptError (see above), or Cancelled when the
    // progress was cancelled: Cancel interrupts the script as a
    // KeyboardInterrupt. The process's signal handlers are the same
    // afterwards, whatever the script did to them.
    void run(Progress &progress);

    // After run(): the properties the script replaced, in the object's
    // order, then those it created, in the order it first assigned them.
    const std::vector<std::pair<QString, NdArray>> &results() const { return m_results; }
    // What the script printed, and the warnings it raised; also after a
    // failure or a cancel.
    const QString &output() const { return m_output; }

private:
    QString m_object;
    QByteArray m_source; // UTF-8 text, or the bytes of a file
    bool m_source_is_file;
    PropertyMap m_properties;
    std::vector<std::pair<QString, NdArray>> m_results;
    QString m_output;
};

} // namespace kelvra::app

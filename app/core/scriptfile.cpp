#include "app/core/scriptfile.h"

#include "app/core/cancelonsignals.h"
#include "app/core/projectlocation.h"
#include "app/core/objectstore.h"
#include "app/script/propertyscript.h"

#include "host/errors.h"
#include "host/translation.h"

#include <QFile>
#include <QTextStream>

#include <cstring>

namespace kelvra::app {

namespace {

int stopped(const CancelOnSignals &watcher, QTextStream &err)
{
    const int signal = watcher.signal();
    err << "kelvra: "
        << _("Stopped by %1: nothing was saved.").arg(QString::fromLatin1(sigabbrev_np(signal)).prepend("SIG"))
        << Qt::endl;
    return 128 + signal;
}

} // namespace

int run_script_file(const QString &project, const QString &object, const QString &file, const QString &save_to,
                    QTextStream &out, QTextStream &err)
{
    Progress progress;
    const CancelOnSignals stop_on_signals(progress);
    try {
        QFile script_file(file);
        if (!script_file.open(QIODevice::ReadOnly))
            throw ValueError(_("The script %1 cannot be read: %2").arg(file, script_file.errorString()));
        const QByteArray source = script_file.readAll();

        ObjectStore store;
        std::vector<std::unique_ptr<GeoObject>> objects;
        ProjectLocation opened = ProjectLocation::from_text(project);
        for (ObjectRecord &record : load_project(opened, &progress))
            objects.push_back(std::make_unique<GeoObject>(std::move(record)));
        store.replace_all(std::move(objects));

        PropertyScript script(object, ScriptFileBytes{source}, store.get(object)->prop());
        try {
            script.run(progress);
        } catch (...) {
            out << script.output() << Qt::flush;
            throw;
        }
        out << script.output();
        try {
            store.set_properties(object, script.results());
        } catch (const std::exception &error) {
            throw ValueError(refusal_message(object, error_text(error)));
        }
        for (const auto &[name, values] : script.results())
            out << name << '\t' << values.dtype_name() << '\t' << values.size() << '\n';
        out.flush();
        if (!save_to.isEmpty()) {
            ProjectLocation target = save_target(save_to, opened);
            save_project(target, store.records(), &progress);
        }
        return 0;
    } catch (const Cancelled &) {
        out.flush();
        return stopped(stop_on_signals, err);
    } catch (const std::exception &error) {
        out.flush();
        err << "kelvra: " << error_text(error) << Qt::endl;
        return 1;
    }
}

int run_project_copy(const QString &from, const QString &to, QTextStream &err)
{
    Progress progress;
    const CancelOnSignals stop_on_signals(progress);
    try {
        copy_project(from, to, &progress);
        return 0;
    } catch (const Cancelled &) {
        return stopped(stop_on_signals, err);
    } catch (const std::exception &error) {
        err << "kelvra: " << error_text(error) << Qt::endl;
        return 1;
    }
}

} // namespace kelvra::app

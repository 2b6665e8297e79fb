#include "app/core/scriptfile.h"

#include "app/core/cancelonsignals.h"
#include "app/core/objectfile.h"
#include "app/core/objectstore.h"
#include "app/script/propertyscript.h"

#include "host/errors.h"
#include "host/translation.h"

#include <QFile>
#include <QTextStream>

#include <cstring>

namespace kelvra::app {

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
        for (ObjectRecord &record : load_objects(project, &progress))
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
        if (!save_to.isEmpty())
            save_objects(save_to, store.records(), &progress);
        return 0;
    } catch (const Cancelled &) {
        out.flush();
        const int signal = stop_on_signals.signal();
        err << "kelvra: "
            << _("Stopped by %1: nothing was saved.").arg(QString::fromLatin1(sigabbrev_np(signal)).prepend("SIG"))
            << Qt::endl;
        return 128 + signal;
    } catch (const std::exception &error) {
        out.flush();
        err << "kelvra: " << error_text(error) << Qt::endl;
        return 1;
    }
}

} // namespace kelvra::app

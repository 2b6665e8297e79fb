#include "objectlisterplugin.h"

#include "objectlistermenubar.h"

namespace kelvra {

QObject *ObjectListerPlugin::create_plugin(QWidget *parent)
{
    return new ObjectListerMenuBar(parent);
}

} // namespace kelvra

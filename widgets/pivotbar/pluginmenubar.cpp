#include "widgets/pivotbar/pluginmenubar.h"

#include "host/errors.h"
#include "host/mainwindow.h"
#include "widgets/pivotbar/pivotbar.h"

namespace kelvra {

PluginMenuBar::PluginMenuBar(QWidget *parent)
    : QMenuBar(parent)
{
}

PluginMenuBar::~PluginMenuBar() = default;

QString PluginMenuBar::name() const
{
    return QString::fromUtf8(NAME);
}

void PluginMenuBar::set_treebase(PivotBar *parent)
{
    // A toolbar without host widget has no tree to give.
    treebase = parent && parent->parent ? parent->parent->treebase : nullptr;
}

void PluginMenuBar::setup()
{
    throw NotImplementedError(QStringLiteral("%1 does not implement setup()")
                                  .arg(QString::fromUtf8(metaObject()->className())));
}

} // namespace kelvra

#pragma once

#include "widgets/pivotbar/pivotbar_export.h"

#include <QMenuBar>
#include <QString>

namespace kelvra {

class ObjectTree;
class PivotBar;

// The base of every menu-bar plug-in: the object a plug-in of category
// "PluginMenuBar" supplies becomes the menu bar of one mode of the PivotBar.
//
// A plug-in class declares its own NAME, returns it from name() (translated
// with _() when the mode name should follow the interface language) and
// builds its menus in setup():
//
//     class SurveyMenuBar : public PluginMenuBar {
//     public:
//         static constexpr const char *NAME = QT_TRID_NOOP("Survey Mode");
//         QString name() const override { return _(NAME); }
//         void setup() override { addMenu(_("Survey"))->addAction(...); }
//     };
class PIVOTBAR_EXPORT PluginMenuBar : public QMenuBar
{
    Q_OBJECT
public:
    // The base's mode name; shown as it is, never translated.
    static constexpr const char *NAME = "Plugin Menu Bar";

    // Plug-in objects are created without a parent; the toolbar that shows
    // one takes it over.
    explicit PluginMenuBar(QWidget *parent = nullptr);
    ~PluginMenuBar() override;

    // The mode name shown in the selector: the class's NAME. NAME is a
    // class constant, so each plug-in class returns its own here.
    virtual QString name() const;

    // Links the menu bar to the host: treebase becomes the object tree of
    // the main window that holds the toolbar, or null when the toolbar has
    // no host. The toolbar calls it once, before setup().
    virtual void set_treebase(PivotBar *parent);

    // Builds the plug-in's menus and actions. The base throws
    // NotImplementedError: every plug-in provides its own.
    virtual void setup();

    // The treebase is the key for plugins connecting to the host.
    ObjectTree *treebase = nullptr;
};

} // namespace kelvra

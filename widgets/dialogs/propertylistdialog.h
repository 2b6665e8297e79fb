#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

#include <QPointer>
#include <QStringList>

namespace kelvra {

class DataObject;

// Base of the dialogs that act on one property of an object chosen from a
// list: an object field and, below it, the list of the object's properties.
// The list is filled only when an object is taken from the tree (a right
// click or the grab button); a name typed into the object field leaves it
// as it is.
class DIALOGS_EXPORT PropertyListDialog : public EasyDialog
{
    Q_OBJECT
public:
    // Used when dialog is brought up by right click in tree. Takes the
    // picked object (one of Point, Line, Tsurface, Gsurface, Cube) as dob,
    // writes its name into the object field and fills the property list.
    // No suitable object picked: nothing changes. Throws LookupError, with
    // the list filled, when the object's current property is not listed.
    void grab_object_rc();
    // Called after the grab button took an object: as grab_object_rc, with
    // the grabbed object.
    void load_object() override;
    // Makes the object's current property the current entry of the list.
    // Throws LookupError when dob has no current property or it is not in
    // propList; the list is left as it is.
    void grab_property();

    ChooserField *grabob = nullptr;
    ComboBoxField *prop = nullptr;
    // The object last taken from the tree; null until then (or once the
    // tree has deleted it).
    QPointer<DataObject> dob;
    // The property names of dob, in its order; the entries of the list.
    QStringList propList;

protected:
    PropertyListDialog(const Texts &texts, QWidget *parent);

    // Adds the object field and the property list to the layout.
    void add_property_fields();

private:
    void take_object(DataObject *taken);
};

} // namespace kelvra

#pragma once

#include "form/form.h"
#include "platform/datafolder.h"
#include "platform/host.h"

#include <QString>

// The module selector (Combo7), the range selectors it loads and the new
// module's name field: reads them, asks module.dat (gearmodules/), writes
// them back and tells the user through the host.
namespace ModulePanel {

// What the new module's name field holds until a name is typed: its design text.
QString newNamePlaceholder();

// Refills the module selector's list from module.dat (its text stays).
void fillSelector(Form& form, Host& host, const DataFolder& files);

// Loads the module named in Combo7 into the range selectors Combo1…Combo6.
void LoadSelectedModule(Form& form, Host& host, const DataFolder& files);

// Entering or leaving creation mode when a module is picked.
void showCreationMode(Form& form);

// The store, overwrite or delete of "表再作成" after the grid was rebuilt.
// rememberedModule is the window's remembered module (emptied first).
void storeTypedModule(Form& form, Host& host, const DataFolder& files, QString& rememberedModule);

} // namespace ModulePanel

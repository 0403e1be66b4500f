#pragma once

#include "form/form.h"
#include "machines/machineregistry.h"
#include "platform/datafolder.h"
#include "platform/host.h"

#include <QList>
#include <QString>

// The machine panel (マシンの選択＆登録): reads the panel and List1, asks
// masin.dat (machines/), writes them back and tells the user through the host.
namespace MachinePanel {

// Creates masin.dat empty when it is missing; a message when that fails.
void ensureExists(Host& host, const DataFolder& files);

// Refills List1 with the names of masin.dat in file order, none selected.
void fillList(Form& form, Host& host, const DataFolder& files);

// "登録": stores the panel as the first record, then empties the panel.
void registerMachine(Form& form, Host& host, const DataFolder& files);

// "削除": removes every record of the name selected in List1.
void deleteSelected(Form& form, Host& host, const DataFolder& files);

// The records of the selected name, in file order; none (and a message) when
// masin.dat cannot be read.
QList<MachineRegistry::MachineRecord> recordsNamed(const QString& name, Host& host,
                                                   const DataFolder& files);

// The transfer buttons: copies from the inputs into the panel.
void transferAll(Form& form);
void transferSecondary(Form& form);
void transferSpur(Form& form);
void transferPinion(Form& form);
void transferModule(Form& form);

} // namespace MachinePanel

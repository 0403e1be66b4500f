#include "modulepanel.h"

#include "common/messages.h"
#include "form/controltable.h"
#include "gearmodules/moduletable.h"

namespace ModulePanel {

namespace {

void put(Control& selector, const ModuleTable::Selector& values)
{
    selector.items = values.items;
    selector.text = values.text;
}

void showNewName(Form& form, bool shown)
{
    form.newModuleHint().visible = shown;
    form.newModuleName().visible = shown;
}

} // namespace

QString newNamePlaceholder() { return ControlTable::find(ControlId::Text2)->caption; }

void fillSelector(Form& form, Host& host, const DataFolder& files)
{
    const auto offer = ModuleTable::offered(files);
    form.module().clearList();
    if (!offer) {
        host.message(offer.error());
        return;
    }
    form.module().items = offer->names;
    if (offer->cut)
        host.message(Messages::tooManyModules(ModuleTable::MaxListedModules));
}

void LoadSelectedModule(Form& form, Host& host, const DataFolder& files)
{
    for (Control* c : {&form.spurRangeStart(), &form.spurRangeWidth(), &form.pinionRangeStart(),
                       &form.pinionRangeWidth()}) {
        c->clearList();
        c->text.clear();
    }
    const auto ranges = ModuleTable::rangesOf(files, form.module().text);
    if (!ranges) {
        host.message(ranges.error());
        return;
    }
    form.spurInterval().text = ranges->spurInterval;
    form.pinionInterval().text = ranges->pinionInterval;
    put(form.spurRangeStart(), ranges->spurStart);
    put(form.spurRangeWidth(), ranges->spurWidth);
    put(form.pinionRangeStart(), ranges->pinionStart);
    put(form.pinionRangeWidth(), ranges->pinionWidth);
}

void showCreationMode(Form& form)
{
    const bool creating = form.module().text == ModuleTable::Template;
    if (creating)
        form.newModuleName().text = newNamePlaceholder();
    showNewName(form, creating);
}

void storeTypedModule(Form& form, Host& host, const DataFolder& files, QString& remembered)
{
    remembered.clear();
    const QString name = form.newModuleName().text;
    if (name == ModuleTable::Template || name == newNamePlaceholder() || name.isEmpty())
        return;
    const auto planned =
        ModuleTable::planStore(files, {name, form.spurRangeStart().text, form.spurInterval().text,
                                       form.pinionRangeStart().text, form.pinionInterval().text});
    if (!planned) {
        host.message(planned.error());
        return;
    }

    ModuleTable::Store how = ModuleTable::Store::Write;
    if (planned->exists && !host.askYesNo(Messages::askOverwriteModule())) {
        if (!host.askYesNo(Messages::askDeleteModule())) {
            showNewName(form, false);
            return;
        }
        remembered = form.module().text;
        how = ModuleTable::Store::Delete;
    }

    const auto names = ModuleTable::store(files, *planned, how);
    if (!names) {
        host.message(names.error());
        return;
    }
    form.module().clearList();
    form.module().items = *names;
    form.module().text = remembered.isEmpty() ? form.newModuleName().text : remembered;
    form.newModuleName().text.clear();
    showNewName(form, false);
}

} // namespace ModulePanel

#include "unitchoice.h"

#include "zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

namespace UnitChoice {

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(UnitChoice)
};
const QString Key = QStringLiteral("window/units");
std::optional<Units::System> chosen;
} // namespace

Units::System ofLocale(Language::Choice language, const QLocale& locale)
{
    if (language == Language::Choice::Japanese)
        return Units::System::Metric;
    const QLocale::MeasurementSystem m = locale.measurementSystem();
    return m == QLocale::ImperialUSSystem || m == QLocale::ImperialUKSystem
               ? Units::System::Imperial
               : Units::System::Metric;
}

Units::System current()
{
    if (!chosen) {
        if (Zoom::settingsProblem().isEmpty())
            chosen = Units::fromCode(Zoom::settings().value(Key).toString());
        if (!chosen)
            chosen = ofLocale(Language::current(), QLocale::system());
    }
    return *chosen;
}

void set(Units::System system)
{
    chosen = system;
    // A settings file that cannot be written keeps the choice for this run.
    if (!Zoom::settingsProblem().isEmpty())
        return;
    QSettings s = Zoom::settings();
    s.setValue(Key, Units::code(system));
}

QMenu* addMenu(QMenu* tools, const std::function<void()>& changed)
{
    QMenu* menu = tools->addMenu(Tr::tr("単位"));
    menu->menuAction()->setObjectName(QStringLiteral("units"));
    auto* group = new QActionGroup(menu);
    for (const auto& [system, name] :
         {std::pair{Units::System::Metric, Tr::tr("ミリメートルと km/h")},
          std::pair{Units::System::Imperial, Tr::tr("インチと mph")}}) {
        QAction* action = menu->addAction(name);
        action->setObjectName(QStringLiteral("units_") + Units::code(system));
        action->setCheckable(true);
        action->setChecked(system == current());
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [system, changed] {
            set(system);
            changed();
        });
    }
    return menu;
}

} // namespace UnitChoice

#include "common/HelpTopic.h"

#include "common/Interaction.h"

#include <QObject>
#include <QVariant>

namespace zendrova {

int helpContextOf(const QObject *control)
{
    return control ? control->property("helpContext").toInt() : 0;
}

void setHelpContext(QObject *control, int context)
{
    control->setProperty("helpContext", context);
}

void showHelpOf(const QObject *control)
{
    if (const int context = helpContextOf(control))
        Interaction::current().showHelp(context);
}

} // namespace zendrova

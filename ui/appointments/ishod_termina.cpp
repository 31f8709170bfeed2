#include "ui/appointments/ishod_termina.h"

#include "runtime/widgets/message_box.h"
#include "ui/common/w_obavestenje.h"

bool pokaziIshod(const zakazivanje_upis::Ishod& ishod, QWidget* roditelj) {
    using Kraj = zakazivanje_upis::Ishod::Kraj;
    switch (ishod.kraj) {
    case Kraj::Obavestenje:
        w_obavestenje::obavesti(ishod.obavestenje, roditelj);
        return false;
    case Kraj::Neupisano:
        MessageBox(QString(), ishod.tekstBaze);
        return false;
    case Kraj::Upisano:
        break;
    }
    return true;
}

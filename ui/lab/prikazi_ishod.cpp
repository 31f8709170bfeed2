#include "ui/lab/prikazi_ishod.h"

#include "runtime/widgets/message_box.h"
#include "ui/common/w_obavestenje.h"

bool prikaziIshod(const lab::Ishod& ishod, QWidget* nad) {
    switch (ishod.kraj) {
    case lab::Ishod::Kraj::Obavestenje:
        // A notice must belong to the modal window that is open, or that window blocks it.
        if (nad)
            OpenWithParm<w_obavestenje>(ishod.obavestenje, nad);
        else
            w_obavestenje::obavesti(ishod.obavestenje);
        return false;
    case lab::Ishod::Kraj::Neupisano:
        MessageBox(QString(), ishod.tekstBaze);
        return false;
    case lab::Ishod::Kraj::Upisano:
        break;
    }
    return true;
}

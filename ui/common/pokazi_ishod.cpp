#include "ui/common/pokazi_ishod.h"

#include "runtime/widgets/message_box.h"
#include "ui/common/w_obavestenje.h"

bool pokaziIshod(const Result<Ishod>& ishod, QWidget* nad) {
    if (!ishod.value.upozorenje.isEmpty())
        MessageBox(QString(), ishod.value.upozorenje);
    if (ishod.failed())
        MessageBox(QString(), ishod.sqlerrtext);
    // A notice must belong to the modal window that is open, or that window blocks it.
    if (!ishod.value.obavestenje.isEmpty())
        w_obavestenje::obavesti(ishod.value.obavestenje, nad);
    return ishod::kraj(ishod) == Ishod::Kraj::Upisano;
}

#include "app/ui/CaveatSetWindow.h"

#include "app/dialogs/ui/DocumentDialogs.h"
#include "app/document/TableRegisters.h"
#include "app/document/ZR2000Doc.h"
#include "core/UserOptions.h"
#include "registers/ZrDbs.h"

bool CCaveatSetWindow::Choose(CZR2000Doc& document, std::string& setName) {
    const CTableRegisters registers(TheZrDbs());
    return RunCaveatSet(parent_(), document.GetSetNames(registers), TheUserOptions(), setName);
}

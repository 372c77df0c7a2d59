#include "search/ui/ConfirmSearch.h"

#include "platform/MessageBox.h"

bool AskToConfirmLargeSearch() {
    return platform::ShowMessageBox({"This search may produce a very large number of marks.\n"
                                     "Do you wish to proceed?",
                                     "Confirm Search", platform::MessageButtons::YesNo,
                                     platform::MessageIcon::Question}) ==
           platform::MessageAnswer::Yes;
}

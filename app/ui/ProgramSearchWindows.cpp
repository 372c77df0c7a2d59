#include "app/ui/ProgramSearchWindows.h"

bool CProgramSearchWindows::Edit(ESearchSheet sheet, CSearch& search, bool& showDetails) {
    using EKind = CSearchSheetModel::EKind;
    const EKind kind = sheet == ESearchSheet::Enquiry ? EKind::Enquiry
                       : sheet == ESearchSheet::Ident ? EKind::Identical
                                                      : EKind::Full;
    return windows_.EditSearch(kind, examination_, search, showDetails);
}

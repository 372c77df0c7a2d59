#include "registers/RegisterWording.h"

#include "core/Criteria.h"
#include "core/TermMapper.h"

#include <gtest/gtest.h>

namespace {

TEST(RegisterWording, CriteriaSummaryNamesRegistersStatusesAndRanges) {
    const CRegisterWording wording;
    CCriteria criteria;
    criteria.SetDbIds("cu");
    criteria.SetClasses("9, 35-38");
    criteria.AddWordTerm("AC-E", kValidateSearchDialog, nullptr, kTermWordMatch);
    criteria.SetStatus("pr");
    criteria.SetAppNumRange("100", "");
    criteria.SetAppDateRange("1 Mar 2001", "31 Dec 2001");
    CTermMapper display;
    display.Add('-', '%');
    EXPECT_EQ(criteria.FormatCriteriaSummary(true, &display, wording),
              "DB:UK EUTM CL:9,35-38 WD:AC%E ST:Reg Pen AP:100- DA:1 Mar 2001-31 Dec 2001");

    CCriteria defaults;
    defaults.FillDefaults();
    defaults.SetAppNumRange("7", "7");
    EXPECT_EQ(defaults.FormatCriteriaSummary(false, nullptr, wording),
              "CL:All ST:Reg Pen Lap Abn AP:7");
}

} // namespace

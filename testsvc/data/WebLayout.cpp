#include "testsvc/data/WebLayout.h"

#include "testsvc/data/Images.h"

Bytes BuildWebLayout() {
    CRecordWriter writer;
    writer.AddText("shortName", "WT");
    writer.AddText("longName", "Example Web Trade Marks");
    writer.AddText("regionName", "Example region");
    writer.AddText("associatedCountryCodes", "XA, XB");
    writer.AddText("appNumFormat", "2");
    writer.AddText("tmNumFormat", "\\d+");
    writer.AddRaw("flag", MakeFlagBitmapFile());
    writer.AddText("sum1", "[[WORDMARK]]");
    writer.AddText("sum2", "[[APPNUM]], [[STATUS]][[?CLASSES]], class [[CLASSES]][[]]");
    writer.AddText("detSum1Left", "[[APPNUM]]");
    writer.AddText("detSum1Right",
                   "[[?REGDATE]]Reg:[[REGDATE]][[]][[!REGDATE]]App:[[APPDATE]][[]]");
    writer.AddText("detSum2Left", "Class [[CLASSES]]");
    writer.AddText("detSum2Right", "[[STATUS]]");
    writer.AddText("detSum3Left", "[[?STATUS=registered]]on the register[[]]");
    writer.AddText("details",
                   FormatStringList({"WORDMARK|BMark|B[[WORDMARK]]", "force-break",
                                     "APPNUM|BNumber|-[[APPNUM]]", "2|BApplied|-[[APPDATE]]",
                                     "2|BRegistered|-[[REGDATE]]", "force-break", "4|BClass |-",
                                     "16|BOwner|-", "1024|BAgent|-", "4096|BDevice|-"}));
    writer.AddText("selection", FormatStringList({"WTM|w|Example web marks||Y"}));
    return writer.Finish();
}

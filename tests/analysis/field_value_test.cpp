// Commands that write a parameter through its field set the value even when
// the field already shows that text, and leave field and value together.
#include "app/workbench.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace rca;
using namespace filestest;

TEST(FieldValue, CommandsSetTheValueTheirFieldShows) {
    struct Case {
        const char* command;
        const char* edit; // main window field
        std::string shown;
        int32_t Model::*value;
        int32_t stale, want;
    };
    const Case cases[] = {
        {"WriteLOGfile1Click", "Edit1", "51", &Model::lineLength, 20, 51},
        {"TForm13.Button14Click", "Edit1", "70", &Model::lineLength, 20, 70},
        {"Nofreeze1Click", "Edit2", "1", &Model::stepsPerPress, 1, 4},
        {"Finish1Click", "Edit2", "4", &Model::stepsPerPress, 1, 4},
        {"BEGIN1Click", "Edit2", "1", &Model::stepsPerPress, 4, 1},
    };
    for (const Case& c : cases) {
        TempWorkdir dir;
        RecordingHost host;
        Workbench wb{&host};
        wb.startUp();
        Edit& field = *wb.form1().findAs<Edit>(c.edit);
        field.setText(c.shown);
        // A square file or another command changed the value behind the field.
        wb.model().*c.value = c.stale;
        wb.run(c.command);
        EXPECT_EQ(wb.model().*c.value, c.want) << c.command;
        EXPECT_EQ(field.text(), std::to_string(c.want)) << c.command;
    }
}

// 'Save picture as PNG…' of every window that draws.
#include "app/workbench.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace rca;
using namespace filestest;

namespace {

struct PictureExport : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
};

} // namespace

// Each drawing window writes its own surface, pixel for pixel; the windows
// without a surface get no item.
TEST_F(PictureExport, EveryDrawingWindowWritesItsOwnSurface) {
    int withSurface = 0;
    for (Form* form : wb.forms()) {
        auto* item = form->findAs<MenuItem>("SavePicture1");
        if (!form->surface()) {
            EXPECT_EQ(item, nullptr) << form->name();
            continue;
        }
        ++withSurface;
        ASSERT_NE(item, nullptr) << form->name();
        EXPECT_EQ(item->menu(), "File");
        Canvas& surface = *form->surface();
        surface.fillRect(3, 4, 5, 6, 0x00FF00 + withSurface);
        const std::string file = form->name() + ".png";
        host.answers.push_back(file);
        item->userClick();
        QImage written(QString::fromStdString(file));
        ASSERT_FALSE(written.isNull()) << form->name();
        EXPECT_EQ(written.size(), QSize(surface.width(), surface.height()));
        EXPECT_EQ(written.pixelColor(4, 5), surface.image().pixelColor(4, 5)) << form->name();
    }
    EXPECT_GE(withSurface, 3); // the main window, 'Show RCA', 'Explore CHANGE'
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.filters.front(), "PNG picture (*.png)|*.png");
}

TEST_F(PictureExport, CancelWritesNothingAndAFailedWriteIsReported) {
    auto entries = [&] {
        return std::distance(fs::recursive_directory_iterator(dir.path()),
                             fs::recursive_directory_iterator());
    };
    const auto before = entries();
    host.answers.push_back(std::nullopt);
    wb.form1().findAs<MenuItem>("SavePicture1")->userClick();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(entries(), before);

    host.answers.push_back("no-such-folder/out.png");
    wb.form1().findAs<MenuItem>("SavePicture1")->userClick();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("cannot write no-such-folder/out.png"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.path() / "no-such-folder"));
}

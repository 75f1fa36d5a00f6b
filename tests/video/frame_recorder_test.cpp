// The frame recorder through the workbench: numbered frames of the picture,
// the frames-per-tick table, 'Cadr', 'Dnt move', old frames and notices.
#include "video_fixture.h"

#include <QImage>

namespace {

using namespace videotest;

TEST_F(Video, StartUpSelects512AndOneFramePerTick) {
    EXPECT_EQ(sizes.RadioGroup1.itemIndex(), 4);
    EXPECT_EQ(v.frameWidth, 512);
    EXPECT_EQ(v.frameHeight, 512);
    EXPECT_EQ(wb.fields().print("framesPerTick[19999]"), "1");
    EXPECT_EQ(sizes.RadioGroup2.itemIndex(), 1);
    EXPECT_EQ(sizes.RadioGroup3.itemIndex(), 1);
}

TEST_F(Video, EachTickWritesTheNextFrameAsACopyOfThePicture) {
    wb.canvas().setPixel(5, 0, 0x332211);   // top row
    wb.canvas().setPixel(7, 511, 0x665544); // bottom row of the frame
    item("Dntmove1").setChecked(true);
    wb.run("Playvideo1Click");
    for (int k = 0; k < 3; ++k) {
        tick3();
        EXPECT_EQ(wb.form1().StatusBar1.text(), std::to_string(k));
    }
    for (int n = 0; n < 3; ++n)
        EXPECT_TRUE(fs::exists(frame(n))) << n;
    EXPECT_FALSE(fs::exists(frame(3)));

    const auto bytes = readBytes(frame(0));
    ASSERT_EQ(bytes.size(), 54u + 512 * 512 * 3);
    EXPECT_EQ(readLe32(&bytes[10]), 54u);
    // Bottom row first: picture row 511 is stored at 54, row 0 last.
    const size_t bottom = 54 + 7 * 3, top = 54 + 511 * 512 * 3 + 5 * 3;
    EXPECT_EQ(std::vector<uint8_t>(&bytes[bottom], &bytes[bottom] + 3),
              (std::vector<uint8_t>{0x66, 0x55, 0x44}));
    EXPECT_EQ(std::vector<uint8_t>(&bytes[top], &bytes[top] + 3),
              (std::vector<uint8_t>{0x33, 0x22, 0x11}));
    // And any reader sees the picture.
    QImage img(QString::fromStdString(frame(0).string()));
    ASSERT_EQ(img.size(), QSize(512, 512));
    for (auto [x, y] : {std::pair{5, 0}, {7, 511}, {300, 200}, {511, 100}})
        EXPECT_EQ(fromQColor(img.pixelColor(x, y)), wb.canvas().pixel(x, y)) << x << "," << y;
}

TEST_F(Video, FramesPerTickRepeatsAFrameAndIsBoundedAtItsEnd) {
    wb.run("MAXK51Click");
    wb.run("Playvideo1Click");
    tick3();
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(readBytes(frame(n)), readBytes(frame(0))) << n;
    EXPECT_FALSE(fs::exists(frame(5)));
    EXPECT_EQ(v.frameNumber, 5);

    // Past the table's 20,000 entries a tick writes one frame.
    v.frameTick = framesPerTickEntries;
    tick3();
    EXPECT_EQ(v.frameNumber, 6);

    wb.run("Maxkabeg1Click");
    const int want[] = {20, 18, 16, 14, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 5};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(v.framesPerTick[i], want[i]) << i;
}

TEST_F(Video, CadrStopsAfterOneForwardTickAndDntMoveKeepsTheTime) {
    item("Cadr1").setChecked(true);
    wb.run("Playvideo1Click");
    tick3();
    EXPECT_GT(wb.model().stepTime, 0);
    EXPECT_FALSE(wb.form1().Timer3.isEnabled());
    tick3();
    EXPECT_EQ(v.frameNumber, 1);

    item("Cadr1").setChecked(false);
    item("Dntmove1").setChecked(true);
    const int32_t time = wb.model().stepTime;
    wb.run("Playvideo1Click");
    tick3();
    tick3();
    EXPECT_EQ(wb.model().stepTime, time);
    EXPECT_EQ(v.frameNumber, 2);
}

TEST_F(Video, RecordDeletesOldFramesUpToTheFirstGap) {
    for (int n : {0, 1, 2, 4, 5})
        writeBytes(frame(n), {1, 2, 3});
    wb.run("Playvideo1Click");
    for (int n : {0, 1, 2})
        EXPECT_FALSE(fs::exists(frame(n))) << n;
    EXPECT_TRUE(fs::exists(frame(4)));
    EXPECT_TRUE(fs::exists(frame(5)));
    EXPECT_TRUE(wb.form1().Timer3.isEnabled());
}

TEST_F(Video, AFrameWithoutTemplateIsStillAPictureAndSaysSoOnce) {
    fs::remove("data/f_512_512.bmp");
    wb.run("Playvideo1Click");
    tick3();
    tick3();
    QImage img(QString::fromStdString(frame(1).string()));
    EXPECT_EQ(img.size(), QSize(512, 512));
    int notices = 0;
    for (const auto& m : host.messages)
        notices += m.find("f_512_512.bmp") != std::string::npos;
    EXPECT_EQ(notices, 1);
}

TEST_F(Video, MissingFolderAndMissingSizeAreReportedNotRepeated) {
    fs::remove_all("video");
    wb.run("Playvideo1Click");
    tick3();
    tick3();
    int notices = 0;
    for (const auto& m : host.messages)
        // The folder is named as the workbench resolved it, below its working folder.
        notices += m.find("video is missing") != std::string::npos;
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(v.frameTick, 2);

    sizes.RadioGroup1.setItemIndex(-1);
    const int32_t time = wb.model().stepTime;
    tick3();
    EXPECT_EQ(wb.model().stepTime, time);
    EXPECT_EQ(v.frameTick, 2);
    EXPECT_TRUE(host.reported("no frame size"));
}

TEST_F(Video, SizeWindowSetsTheFrameAndKeepsItsFields) {
    sizes.RadioGroup1.userSelect(2);
    EXPECT_EQ(v.frameWidth, 8448);
    EXPECT_EQ(v.frameHeight, 704);
    sizes.Edit9.userType("77x");
    EXPECT_EQ(v.overlay[3], 77);
    wb.run("Showvideo1Click");
    EXPECT_EQ(sizes.RadioGroup2.itemIndex(), 0);
    EXPECT_EQ(sizes.Edit6.text(), "55");
    EXPECT_EQ(sizes.Edit9.text(), "77");
    EXPECT_EQ(sizes.Edit3.text(), "100");
}

} // namespace

namespace {

using namespace videotest;

void savePicture(const std::string& file, QRgb colour) {
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(colour);
    ASSERT_TRUE(img.save(QString::fromStdString(file), "BMP")) << file;
}

TEST_F(Video, ThreePicturesAndTheReplayDrawRecordedFiles) {
    savePicture("video1_2/0000.bmp", qRgb(200, 0, 0));
    savePicture("video1_1/0000.bmp", qRgb(0, 200, 0));
    item("Load3pict1").setChecked(true);
    item("Dntmove1").setChecked(true);
    wb.run("Playvideo1Click");
    tick3();
    Canvas& c = wb.canvas();
    EXPECT_EQ(c.pixel(0, 0), 200u);
    EXPECT_EQ(c.pixel(355, 1), 200u << 8);
    EXPECT_EQ(c.pixel(353, 1), clBtnFace) << "the separator";
    EXPECT_EQ(c.pixel(172, 352), clBtnFace) << "the missing third picture";
    EXPECT_TRUE(host.reported("video1_0/0000.bmp"));
    // The frame holds what the mode drew.
    QImage img(QString::fromStdString(frame(0).string()));
    EXPECT_EQ(fromQColor(img.pixelColor(355, 1)), 200u << 8);

    // 'Ris Load' shows frame 597 / 3 = 199 of the replay folder.
    savePicture("videoDD3/file0199.bmp", qRgb(0, 0, 200));
    wb.run("RisLoad1Click");
    EXPECT_TRUE(item("RisLoad1").checked());
    EXPECT_EQ(c.pixel(3, 3), 200u << 16);
    v.replayPosition = 3;
    wb.run("Button71Click");
    EXPECT_TRUE(host.reported("videoDD3/file0001.bmp"));
}

TEST_F(Video, MakeVideoHidesTheGroupsAndUnmakeShowsThem) {
    wb.run("Maevideo1Click");
    EXPECT_EQ(wb.canvas().pixel(0, 345), 0x008080u);
    EXPECT_FALSE(wb.form1().GroupBoxManage.visible());
    EXPECT_FALSE(wb.form1().GroupBoxInitial.visible());
    wb.run("Unmakevideo1Click");
    EXPECT_TRUE(wb.form1().GroupBoxManage.visible());
    EXPECT_TRUE(wb.form1().GroupBoxLength.visible());
}

TEST_F(Video, SeventyPresetsSetTheBorderKindSquareAndSteps) {
    rca::Form& maskTest = *wb.form("TForm13");
    for (const char* box : {"CheckBox9", "CheckBox10", "CheckBox12"})
        maskTest.findAs<rca::CheckBox>(box)->setChecked(false);
    wb.run("Read702Click");
    EXPECT_EQ(wb.form1().RadioGroup2.itemIndex(), 1);
    EXPECT_EQ(wb.form1().RadioGroup3.itemIndex(), 1);
    for (const char* box : {"CheckBox9", "CheckBox10", "CheckBox12"})
        EXPECT_TRUE(maskTest.findAs<rca::CheckBox>(box)->checked()) << box;

    writeBytes("CA/ca70.dat", {1});
    wb.form1().Edit2.setText("6");
    wb.run("Read7022Click");
    EXPECT_EQ(wb.model().squareField[0], 1);
    EXPECT_EQ(wb.model().squareRows, 70);
    EXPECT_EQ(wb.form1().Edit1.text(), "70");
    EXPECT_TRUE(item("XXXn1").checked());
    EXPECT_EQ(wb.model().stepsPerPress, 1);
    EXPECT_EQ(wb.form1().UpDown1.position(), 1);
}

} // namespace

#pragma once
// Every fixed file and folder the program uses, relative to the working
// directory. Names keep the separators they were given; fixedPath() turns a
// "\" into the folder separator ("video\file0000.bmp" is video/file0000.bmp).
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace rca {

namespace paths {

inline constexpr std::array<const char*, 13> folders = {
    "CA",   "MA",    "examp",    "IMPROVE",  "data",     "dataN",   "LOG",
    "8r50", "video", "video1_0", "video1_1", "video1_2", "videoDD3"};

// Square slots 1..5 are squareSlots[0..4].
inline constexpr std::array<const char*, 5> squareSlots = {"CA/ca.dat", "CA/ca2.dat", "CA/ca3.dat",
                                                           "CA/ca4.dat", "CA/ca5.dat"};
inline constexpr const char* squareByte = "CA/cawri.dat";
inline constexpr std::array<const char*, 5> preset70 = {
    "CA/ca70.dat", "CA/ca70_2.dat", "CA/ca70_5.dat", "CA/ca70_4.dat", "CA/ca70_3.dat"};
inline constexpr const char* rcaExample = "examp/Exr.dat";
inline constexpr const char* weightProfiles = "data/dxx.dat";
// Video frames: the prefix of the numbered frames, one template per size
// (in the order of the picture-size window), the strip picture, the replay
// frames, the three-picture inputs and the imported picture.
inline constexpr const char* framePrefix = "video\\file";
inline constexpr std::array<const char*, 12> frameTemplates = {
    "data/f_352_704.bmp", "data/f_864_656.bmp", "data/f_8448_704.bmp", "data/f_352_352.bmp",
    "data/f_512_512.bmp", "data/f_352_100.bmp", "data/f_704_704.bmp",  "data/f_120_100.bmp",
    "data/f_704_432.bmp", "data/f_432_432.bmp", "data/f_792_432.bmp",  "data/f_792_640.bmp"};
inline constexpr const char* stripPicture = "data/filedem24.bmp";
inline constexpr const char* replayPrefix = "videoDD3\\file";
inline constexpr std::array<const char*, 3> threePicturePrefixes = {"video1_2/", "video1_1/",
                                                                    "video1_0/"};
inline constexpr const char* importPicture = "data\\1_1.BMP";
inline constexpr const char* freezeMaskFile = "MA/mafin.dat";
inline constexpr const char* improveBase = "IMPROVE/imp000.dat";
inline constexpr const char* improvePrefix = "IMPROVE\\imp"; // + three digits + ".dat"
// The square presets of the 'T=6' menu.
inline constexpr const char* preset31 = "CA/ca31.dat";
inline constexpr const char* preset71 = "CA/ca71.dat";

inline constexpr const char* pointsFile = "8r50\\8r.dat";
// The 'Write Qhist' outputs: "(n=8)" makes the first, "(any n)" the four logs.
inline constexpr const char* qhistOutput = "8r50\\L4.dat";
inline constexpr std::array<const char*, 4> qhistLogs = {"LOG\\isc.log", "LOG\\f3.log",
                                                         "LOG\\f6.log", "LOG\\nb.log"};

} // namespace paths

inline std::string fixedPath(std::string_view name) {
    std::string out(name);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

} // namespace rca

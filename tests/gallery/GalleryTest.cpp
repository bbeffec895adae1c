// The gallery as scripts/make-gallery.sh makes it, run into a temporary folder. Only the pixels
// of the mode's dot colour count (the guide is black on white): each picture must hold one copy
// of the mark per dot of the mode, must equal its own images under the mode's mirrors and
// turns about the centre of the window, and must differ from its image under a symmetry that
// the mode lacks. A second run must write the same files byte for byte.
#include "tests/gallery/GalleryMark.h"
#include "tests/install/PngReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using vorlin_test::Picture;

// Turned clockwise on the screen by `degrees` about the centre, after a left-right mirror
// when `mirrored`.
struct Symmetry {
    double degrees;
    bool mirrored;
};

constexpr Symmetry kMirrorLeftRight{0, true};
constexpr Symmetry kMirrorTopBottom{180, true};
constexpr Symmetry Turn(double degrees) { return {degrees, false}; }

struct ModeCase {
    int mode;
    int copies;
    std::vector<Symmetry> keeps;
    Symmetry lacks;
};

const ModeCase kCases[] = {
    {0, 2, {kMirrorLeftRight}, Turn(180)},
    {1, 2, {Turn(180)}, kMirrorLeftRight},
    {2, 3, {Turn(120), Turn(240)}, kMirrorLeftRight},
    {3, 4, {kMirrorLeftRight, kMirrorTopBottom, Turn(180)}, Turn(90)},
    {4, 4, {Turn(90), Turn(180), Turn(270)}, kMirrorLeftRight},
    {5, 5, {Turn(72), Turn(144), Turn(216), Turn(288)}, kMirrorLeftRight},
};

// Turned images land on truncated positions, up to a pixel off the exact turn.
constexpr int kReach = 2;
constexpr double kKeptShare = 0.99;
constexpr double kLackedShare = 0.5;

std::string ShowSymmetry(const Symmetry& symmetry) {
    const std::string turn = "turn by " + std::to_string(std::lround(symmetry.degrees)) + " degrees";
    return symmetry.mirrored ? "left-right mirror, then " + turn : turn;
}

class DotMask {
public:
    DotMask(const Picture& picture, std::uint32_t colour)
        : width_(picture.width), height_(picture.height) {
        const std::uint32_t argb = 0xFF000000u | (colour & 0xFFu) << 16 | (colour & 0xFF00u) |
                                   (colour >> 16 & 0xFFu);
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                dots_.push_back(picture.At(x, y) == argb);
            }
        }
    }

    bool IsDot(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && dots_[Index(x, y)];
    }
    int Count() const { return static_cast<int>(std::count(dots_.begin(), dots_.end(), true)); }

    // The share of dot pixels whose image under symmetry lies within kReach of a dot pixel.
    double ShareKeptUnder(const Symmetry& symmetry) const {
        const double turn = symmetry.degrees * std::acos(-1.0) / 180.0;
        const double c = std::cos(turn), s = std::sin(turn);
        const double cx = width_ / 2.0, cy = height_ / 2.0;
        int kept = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (!IsDot(x, y)) continue;
                double u = x + 0.5 - cx;
                const double v = y + 0.5 - cy;
                if (symmetry.mirrored) u = -u;
                const int imageX = static_cast<int>(std::floor(u * c - v * s + cx));
                const int imageY = static_cast<int>(std::floor(u * s + v * c + cy));
                kept += HasDotNear(imageX, imageY) ? 1 : 0;
            }
        }
        return static_cast<double>(kept) / Count();
    }

    // Groups of dot pixels that touch, side or corner.
    int Components() const {
        std::vector<bool> seen(dots_.size(), false);
        int components = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (!IsDot(x, y) || seen[Index(x, y)]) continue;
                ++components;
                Flood(x, y, seen);
            }
        }
        return components;
    }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    bool HasDotNear(int x, int y) const {
        for (int dy = -kReach; dy <= kReach; ++dy) {
            for (int dx = -kReach; dx <= kReach; ++dx) {
                if (IsDot(x + dx, y + dy)) return true;
            }
        }
        return false;
    }

    void Flood(int x, int y, std::vector<bool>& seen) const {
        std::vector<std::pair<int, int>> open{{x, y}};
        seen[Index(x, y)] = true;
        while (!open.empty()) {
            const auto [px, py] = open.back();
            open.pop_back();
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!IsDot(px + dx, py + dy) || seen[Index(px + dx, py + dy)]) continue;
                    seen[Index(px + dx, py + dy)] = true;
                    open.push_back({px + dx, py + dy});
                }
            }
        }
    }

    int width_, height_;
    std::vector<bool> dots_;
};

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the script into folder; true when it succeeds.
bool MakeGallery(const fs::path& folder) {
    const std::string command = "bash '" VORLIN_SOURCE_DIR "/scripts/make-gallery.sh' --built '" VORLIN_BUILD_DIR
                                "' '" + folder.string() + "'";
    return std::system(command.c_str()) == 0;
}

// The gallery made once for all cases, in a scratch folder that is removed at exit.
class ScratchGallery {
public:
    ScratchGallery() {
        std::string pattern = (fs::temp_directory_path() / "vorlin-gallery-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return;
        folder_ = pattern;
        made_ = MakeGallery(folder_ / "first");
    }
    ~ScratchGallery() {
        if (!folder_.empty()) fs::remove_all(folder_);
    }
    bool made() const { return made_; }
    const fs::path& folder() const { return folder_; }

private:
    fs::path folder_;
    bool made_ = false;
};

const ScratchGallery& FirstRun() {
    static const ScratchGallery gallery;
    return gallery;
}

class GalleryPicture : public ::testing::TestWithParam<ModeCase> {};

TEST_P(GalleryPicture, ShowsTheModesSymmetry) {
    ASSERT_TRUE(FirstRun().made()) << "make-gallery.sh failed";
    const ModeCase& mode = GetParam();
    const fs::path path = FirstRun().folder() / "first" / vorlin_gallery::PictureName(mode.mode);
    const auto picture = vorlin_test::ReadPngFile(path.string());
    ASSERT_TRUE(picture) << "no readable picture";
    ASSERT_EQ(vorlin_gallery::kPictureSize, picture->width);
    ASSERT_EQ(vorlin_gallery::kPictureSize, picture->height);

    const DotMask dots(*picture, vorlin_gallery::DotColour(mode.mode));
    ASSERT_GT(dots.Count(), 500 * mode.copies) << "the mark is missing or small";
    EXPECT_EQ(mode.copies, dots.Components());
    for (const Symmetry& symmetry : mode.keeps) {
        EXPECT_GE(dots.ShareKeptUnder(symmetry), kKeptShare) << ShowSymmetry(symmetry);
    }
    EXPECT_LT(dots.ShareKeptUnder(mode.lacks), kLackedShare) << ShowSymmetry(mode.lacks);
}

INSTANTIATE_TEST_SUITE_P(Modes, GalleryPicture, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ModeCase>& mode) {
                             return "Mode" + std::to_string(mode.param.mode);
                         });

TEST(GalleryRuns, ASecondRunWritesTheSameFiles) {
    ASSERT_TRUE(FirstRun().made()) << "make-gallery.sh failed";
    const fs::path& folder = FirstRun().folder();
    ASSERT_TRUE(MakeGallery(folder / "second"));
    for (int mode = 0; mode < vorlin_gallery::kModeCount; ++mode) {
        const std::string name = vorlin_gallery::PictureName(mode);
        EXPECT_EQ(Contents(folder / "first" / name), Contents(folder / "second" / name)) << name;
    }
}

}  // namespace
